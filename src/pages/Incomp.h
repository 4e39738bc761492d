#pragma once

#include "shell/CoursePage.h"

#include "pages/Timp.h"
#include "toolkit/ImageBox.h"
#include "toolkit/PlotSurface.h"
#include "toolkit/TextBox.h"
#include "toolkit/Timer.h"

#include <array>

namespace pages {

/// \brief Page 8: incomplete demagnetisation. "Suite" lays out a plot of five
/// traces on the page itself, which a chain of eight timers draws one column
/// per tick over seven half-periods, until the core saturates twice.
class Incomp final : public shell::CoursePage {
    Q_OBJECT
public:
    static constexpr shell::PageId Id = shell::PageId::Incomp;
    static constexpr int TickMs = 100;

    explicit Incomp(shell::Course &course);

    void enter() override;
    void leave() override;

    /// Lays out the plot frame and starts the first phase.
    void Suite_Click();
    void Timer1_Timer(); ///< K closed
    void Timer2_Timer(); ///< K opening: the single tick that labels the levels
    void Timer3_Timer(); ///< K open
    void Timer4_Timer(); ///< K closed
    void Timer5_Timer(); ///< K open
    void Timer6_Timer(); ///< K closed, the core saturates
    void Timer7_Timer(); ///< K open
    void Timer8_Timer(); ///< K closed, the core saturates again; then the final drawing

    tk::PlotSurface *Surface; ///< the page's client area, drawn on directly
    std::array<tk::Frame *, 2> FrameDemag;
    std::array<tk::TextBox *, 2> TextIncomp;
    tk::ImageBox *ImageZenKo;
    tk::ImageBox *ImageZenKf;
    tk::ImageBox *ImageZenKfo;
    tk::Button *Suite;
    std::array<tk::Timer *, 8> Timer; ///< Timer1 to Timer8

private:
    enum class Switch { Closed, Open };

    /// One pass of a drawing phase's loop over its columns; returns true when
    /// the phase's last column \a last has been drawn (CurX is then last + 1).
    bool drawColumns(Switch k, int last, bool saturationTest, bool recordSaturation);
    void columnStep(Switch k);
    void saturationTest(bool recordSaturation);
    void openingEdges(int x);
    void openingStep(tk::Timer *phase, int x);
    void closingStep(tk::Timer *phase, int x);
    void finalDrawing();
    void segment(int x, Coord y, const QColor &colour);
    void printAt(int x, int y, const QString &text);
    void showCircuit(tk::ImageBox *picture);
};

} // namespace pages
