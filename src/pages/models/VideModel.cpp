#include "pages/models/VideModel.h"

namespace pages {
namespace {

using plot::Mark;
using plot::Trace;

constexpr int OriginX = 19;
constexpr int OriginY = 162;
constexpr int V1Level = 20; // v1 = E
constexpr int V2Level = 80; // v2 = (n2/n1) E
constexpr int LastX = 140;

} // namespace

VideModel::Tick VideModel::start() {
    TIMP_VARIABLES(m_timp);
    PrevX = OriginX;
    NextX = PrevX;
    PrevY = OriginY;
    CurY = PrevY;
    Tick out;
    out.position = QPoint(PrevX.pixel(), PrevY.pixel());
    // The rising edges of v1 and v2.
    out.marks.push_back(
        Mark::line({PrevX.pixel(), PrevY.pixel()}, {PrevX.pixel(), V1Level}, Trace::V1));
    out.marks.push_back(
        Mark::line({PrevX.pixel(), PrevY.pixel()}, {PrevX.pixel(), V2Level}, Trace::V2));
    out.events = {Event::NextTick};
    m_running = true;
    return out;
}

VideModel::Tick VideModel::tick() {
    TIMP_VARIABLES(m_timp);
    Tick out;
    if (!m_running)
        return out;
    // One column per tick: the loop leaves the tick after each pass but the last.
    for (CurX = NextX; CurX <= LastX; CurX += 1) {
        const int x0 = PrevX.pixel();
        const int x1 = CurX.pixel();
        out.marks.push_back(Mark::line({x0, PrevY.pixel()}, {x1, CurY.pixel()}, Trace::I1));
        out.marks.push_back(Mark::line({x0, V1Level}, {x1, V1Level}, Trace::V1));
        out.marks.push_back(Mark::line({x0, V2Level}, {x1, V2Level}, Trace::V2));
        NextX += 1;
        PrevX = CurX;
        PrevY = CurY;
        CurY -= 1;
        if (CurX < LastX) {
            out.events = {Event::NextTick};
            return out;
        }
    }
    out.events = {Event::Finished};
    m_running = false;
    return out;
}

} // namespace pages
