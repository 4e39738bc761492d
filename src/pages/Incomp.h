#pragma once

#include "shell/CoursePage.h"

#include "pages/Timp.h"
#include "pages/models/IncompModel.h"
#include "toolkit/ImageBox.h"
#include "toolkit/PlotSurface.h"
#include "toolkit/TextBox.h"
#include "toolkit/Timer.h"

#include <array>

namespace pages {

/// \brief Page 8: incomplete demagnetisation. "Suite" lays out a plot of five
/// traces on the page itself, which a chain of eight timers draws one column
/// per tick over seven half-periods, until the core saturates twice. The
/// model computes each tick; the page draws it and shows what it says.
class Incomp final : public shell::CoursePage {
    Q_OBJECT
public:
    static constexpr shell::PageId Id = shell::PageId::Incomp;

    explicit Incomp(shell::Course &course);

    /// Lays out the plot frame and starts the first phase.
    void Suite_Click();
    /// \brief A tick of the phase's timer (Timer1_Timer to Timer8_Timer, \a
    /// index 0 to 7): the model's tick, drawn and acted on.
    void runPhase(int index);
    /// \brief Leaving reset; a run left midway leaves the circuit at rest,
    /// as a run that ends does.
    void leave() override;

    tk::PlotSurface *const Surface; ///< the page's client area, drawn on directly

private:
    /// The frames and their texts, made in turns, each frame before its text.
    struct Boxes {
        std::array<tk::Frame *, 2> frames;
        std::array<tk::TextBox *, 2> texts;
    };
    Boxes makeBoxes();
    const Boxes m_boxes;

public:
    const std::array<tk::Frame *, 2> FrameDemag;
    const std::array<tk::TextBox *, 2> TextIncomp;
    tk::ImageBox *const ImageZenKo;
    tk::ImageBox *const ImageZenKf;
    tk::ImageBox *const ImageZenKfo;
    tk::Button *const Suite;
    const std::array<tk::Timer *, 8> Timer; ///< Timer1 to Timer8
    Timp &timp;                             ///< the drawing variables shared with the other plots

private:
    /// Draws what the model gives for a tick of phase \a phase (-1: the
    /// start) and does what it says.
    void apply(int phase, const IncompModel::Tick &tick);
    void finish();
    void showCircuit(tk::ImageBox *picture);

    IncompModel m_model;
};

} // namespace pages
