#pragma once

#include "shell/CoursePage.h"

#include "pages/models/DemagModel.h"
#include "toolkit/ImageBox.h"
#include "toolkit/PlotSurface.h"
#include "toolkit/TextBox.h"
#include "toolkit/Timer.h"

#include <array>

namespace pages {

/// \brief Page 7: demagnetisation through a diode, then through a diode and a
/// Zener diode. The learner closes and opens K; one timer draws the current
/// rising, the other its fall. Which circuit picture is shown tells the run
/// (diode or Zener) and its phase; the model computes each tick, the page
/// draws it and shows what it says.
class Demag final : public shell::CoursePage {
    Q_OBJECT
public:
    static constexpr shell::PageId Id = shell::PageId::Demag;

    explicit Demag(shell::Course &course);

    void leave() override { InitDemag(); }

    /// \brief Puts the page back to its state at creation: no circuit, no
    /// switch button, no text, an empty plot (the axes stay), no panel.
    void InitDemag();

    void BPKf_Click();
    void BPKo_Click();
    void Timer1_Timer();
    void Timer2_Timer();

    tk::ImageBox *const ImageDiodeKo;
    tk::ImageBox *const ImageDiodeKf;
    tk::ImageBox *const ImageDiodeKfo;
    tk::ImageBox *const ImageZenKo;
    tk::ImageBox *const ImageZenKf;
    tk::ImageBox *const ImageZenKfo;
    tk::Button *const BPKf;
    tk::Button *const BPKo;
    tk::PlotSurface *const Picture1;
    const std::array<tk::TextBox *, 2> TextI;

private:
    /// The frames and their texts, made in turns, each frame before its text.
    struct Boxes {
        std::array<tk::Frame *, 4> frames;
        std::array<tk::TextBox *, 4> texts;
    };
    Boxes makeBoxes();
    const Boxes m_boxes;

public:
    const std::array<tk::Frame *, 4> FrameDemag;
    const std::array<tk::TextBox *, 4> TextDemag;
    tk::Button *const Suite;
    tk::Timer *const Timer1;
    tk::Timer *const Timer2;
    Timp &timp; ///< the drawing variables shared with the other plots

private:
    /// Shows \a show and hides \a hide, if \a hide is the picture shown now.
    static void swapIfShown(tk::ImageBox *hide, tk::ImageBox *show);
    /// Draws what the model gives for a tick of \a timer and does what it says.
    void apply(tk::Timer *timer, const DemagModel::Tick &tick);
    void peak();
    void diodeRunOver();
    void zenerRunOver();

    DemagModel m_model;
};

} // namespace pages
