#pragma once

#include "shell/CoursePage.h"

#include "toolkit/ImageBox.h"
#include "toolkit/PlotSurface.h"
#include "toolkit/TextBox.h"
#include "toolkit/Timer.h"

namespace pages {

struct Timp;

/// \brief Page 4: the transformer with its secondary open. On arrival an
/// oscillogram is drawn one column per tick: v1 and v2 flat, the magnetising
/// current i1 a straight ramp; then "Suite" reveals saturation and the panel.
class Vide final : public shell::CoursePage {
    Q_OBJECT
public:
    static constexpr shell::PageId Id = shell::PageId::Vide;
    static constexpr int TickMs = 100;

    explicit Vide(shell::Course &course);

    void Timer2_Timer();

    tk::PlotSurface *Picture1;
    tk::ImageBox *Image2;
    tk::Frame *Frame1_1; ///< Frame1(1), the only element of its array
    tk::TextBox *TextLegende;
    tk::Frame *Frame2;
    tk::TextBox *TextVide;
    tk::Frame *Frame3;
    tk::TextBox *TextSaturation;
    tk::Button *Suite;
    tk::Timer *Timer2;
    Timp &timp; ///< the drawing variables shared with the other plots

protected:
    /// The rising edges drawn, the animation started.
    void prepareArrival() override;
    void beforeHidingOnReturn() override { TextSaturation->hide(); }
};

} // namespace pages
