#pragma once

#include "pages/models/Marks.h"
#include "toolkit/PlotSurface.h"

#include <QColor>

namespace pages {

/// The colour in which a page draws a trace.
using TraceColour = const QColor &(*)(plot::Trace);

/// \brief Draws \a marks on \a surface, in their order, each trace in the
/// colour \a colour gives it.
void paint(tk::PlotSurface &surface, const std::vector<plot::Mark> &marks, TraceColour colour);

/// \brief Draws what a model gives for a tick: the drawing position first, then the marks.
template <typename Event>
void paint(tk::PlotSurface &surface, const plot::Tick<Event> &tick, TraceColour colour) {
    if (tick.position)
        surface.setDrawingPosition(tick.position->x(), tick.position->y());
    paint(surface, tick.marks, colour);
}

} // namespace pages
