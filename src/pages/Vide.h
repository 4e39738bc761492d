#pragma once

#include "shell/CoursePage.h"

#include "pages/models/VideModel.h"
#include "toolkit/ImageBox.h"
#include "toolkit/PlotSurface.h"
#include "toolkit/TextBox.h"
#include "toolkit/Timer.h"

namespace pages {

/// \brief Page 4: the transformer with its secondary open. On arrival an
/// oscillogram is drawn one column per tick: v1 and v2 flat, the magnetising
/// current i1 a straight ramp; then "Suite" reveals saturation and the panel.
/// The model computes each tick; the page draws it and shows what it says.
class Vide final : public shell::CoursePage {
    Q_OBJECT
public:
    static constexpr shell::PageId Id = shell::PageId::Vide;

    explicit Vide(shell::Course &course);

    void Timer2_Timer();

    tk::PlotSurface *const Picture1;
    tk::ImageBox *const Image2;
    tk::Frame *const Frame1_1; ///< Frame1(1), the only element of its array
    tk::TextBox *const TextLegende;
    tk::Frame *const Frame2;
    tk::TextBox *const TextVide;
    tk::Frame *const Frame3;
    tk::TextBox *const TextSaturation;
    tk::Button *const Suite;
    tk::Timer *const Timer2;
    Timp &timp; ///< the drawing variables shared with the other plots

protected:
    /// The rising edges drawn, the animation started.
    void prepareArrival() override;
    void beforeHidingOnReturn() override { TextSaturation->hide(); }

private:
    /// Draws what the model gives for a tick and does what it says.
    void apply(const VideModel::Tick &tick);

    VideModel m_model;
};

} // namespace pages
