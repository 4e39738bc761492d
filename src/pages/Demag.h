#pragma once

#include "shell/CoursePage.h"

#include "toolkit/ImageBox.h"
#include "toolkit/PlotSurface.h"
#include "toolkit/TextBox.h"
#include "toolkit/Timer.h"

#include <array>

namespace pages {

struct Timp;

/// \brief Page 7: demagnetisation through a diode, then through a diode and a
/// Zener diode. The learner closes and opens K; one timer draws the current
/// rising, the other its fall. Which circuit picture is shown tells the run
/// (diode or Zener) and its phase.
class Demag final : public shell::CoursePage {
    Q_OBJECT
public:
    static constexpr shell::PageId Id = shell::PageId::Demag;
    static constexpr int TickMs = 100;

    explicit Demag(shell::Course &course);

    void leave() override { InitDemag(); }

    /// \brief Puts the page back to its state at creation: no circuit, no
    /// switch button, no text, an empty plot (the axes stay), no panel.
    void InitDemag();

    void BPKf_Click();
    void BPKo_Click();
    void Timer1_Timer();
    void Timer2_Timer();

    tk::ImageBox *ImageDiodeKo;
    tk::ImageBox *ImageDiodeKf;
    tk::ImageBox *ImageDiodeKfo;
    tk::ImageBox *ImageZenKo;
    tk::ImageBox *ImageZenKf;
    tk::ImageBox *ImageZenKfo;
    tk::Button *BPKf;
    tk::Button *BPKo;
    tk::PlotSurface *Picture1;
    std::array<tk::TextBox *, 2> TextI;
    std::array<tk::Frame *, 4> FrameDemag;
    std::array<tk::TextBox *, 4> TextDemag;
    tk::Button *Suite;
    tk::Timer *Timer1;
    tk::Timer *Timer2;
    Timp &timp; ///< the drawing variables shared with the other plots

private:
    /// Shows \a show and hides \a hide, if \a hide is the picture shown now.
    static void swapIfShown(tk::ImageBox *hide, tk::ImageBox *show);
};

} // namespace pages
