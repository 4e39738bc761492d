#include "pages/PlotMarks.h"

namespace pages {

void paint(tk::PlotSurface &surface, const std::vector<plot::Mark> &marks, TraceColour colour) {
    using Kind = plot::Mark::Kind;
    for (const plot::Mark &mark : marks) {
        switch (mark.kind) {
        case Kind::Line:
        case Kind::Beneath:
            surface.drawLine(mark.from.x(), mark.from.y(), mark.to.x(), mark.to.y(),
                             colour(*mark.trace),
                             mark.kind == Kind::Beneath ? tk::PlotSurface::Depth::Beneath
                                                        : tk::PlotSurface::Depth::Over);
            break;
        case Kind::Text:
            surface.setDrawingPosition(mark.from.x(), mark.from.y());
            if (mark.trace)
                surface.setForeground(colour(*mark.trace));
            surface.print(mark.text);
            break;
        }
    }
}

} // namespace pages
