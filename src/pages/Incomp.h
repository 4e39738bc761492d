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

    /// Lays out the plot frame and starts the first phase.
    void Suite_Click();
    /// \brief A tick of the phase's timer (Timer1_Timer to Timer8_Timer): K
    /// closed (1), opening (2, the single tick that labels the levels), open
    /// (3), closed (4), open (5), closed as the core saturates (6), open (7),
    /// closed as it saturates again (8, then the final drawing).
    void runPhase(int index);
    /// \brief Leaving reset; a run left midway leaves the circuit at rest,
    /// as a run that ends does.
    void leave() override;

    tk::PlotSurface *Surface; ///< the page's client area, drawn on directly
    std::array<tk::Frame *, 2> FrameDemag;
    std::array<tk::TextBox *, 2> TextIncomp;
    tk::ImageBox *ImageZenKo;
    tk::ImageBox *ImageZenKf;
    tk::ImageBox *ImageZenKfo;
    tk::Button *Suite;
    std::array<tk::Timer *, 8> Timer; ///< Timer1 to Timer8
    Timp &timp;                       ///< the drawing variables shared with the other plots

private:
    /// One pass of a drawing phase's loop over its columns; true when the
    /// phase's last column has been drawn (CurX is then one past it).
    bool drawColumns(int index);
    void columnStep(bool closed);
    void saturationTest(bool recordSaturation);
    void openingEdges(int x);
    void openingStep(int x);
    void closingStep(int x);
    void labels();
    void saturatedOpening(int x);
    void finalDrawing();
    void segment(int x, Coord y, const QColor &colour);
    void printAt(int x, int y, const QString &text);
    void showCircuit(tk::ImageBox *picture);
};

} // namespace pages
