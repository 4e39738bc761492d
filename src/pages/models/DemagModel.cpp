#include "pages/models/DemagModel.h"

namespace pages {
namespace {

using plot::Mark;
using plot::Trace;

constexpr int OriginX = 17;
constexpr int OriginY = 119;
constexpr int PeakX = 90; // the current reaches I at tI

} // namespace

DemagModel::Tick DemagModel::closeK(Circuit circuit) {
    TIMP_VARIABLES(m_timp);
    m_circuit = circuit;
    m_stage = Stage::Rising;
    PrevX = OriginX;
    PrevY = OriginY;
    CurX = PrevX;
    CurY = PrevY;
    Tick out;
    out.position = QPoint(OriginX, OriginY);
    out.events = {Event::NextTick};
    return out;
}

DemagModel::Tick DemagModel::rise() {
    TIMP_VARIABLES(m_timp);
    Tick out;
    if (m_stage != Stage::Rising)
        return out;
    if (CurX == PeakX) {
        m_stage = Stage::Peaked;
        out.events = {Event::Peak};
        return out;
    }
    PrevX = CurX;
    PrevY = CurY;
    CurX += 1;
    CurY -= 1;
    if (m_circuit != Circuit::None)
        out.marks.push_back(Mark::line({PrevX.pixel(), PrevY.pixel()}, {CurX.pixel(), CurY.pixel()},
                                       m_circuit == Circuit::Diode ? Trace::Diode : Trace::Zener));
    out.events = {Event::NextTick};
    return out;
}

DemagModel::Tick DemagModel::openK() {
    Tick out;
    if (m_stage != Stage::Peaked)
        return out;
    m_stage = Stage::Falling;
    out.events = {Event::NextTick};
    return out;
}

DemagModel::Tick DemagModel::fall() {
    TIMP_VARIABLES(m_timp);
    Tick out;
    if (m_stage != Stage::Falling)
        return out;
    if (CurY == OriginY) {
        m_stage = Stage::Idle;
        if (m_circuit == Circuit::Diode)
            out.events = {Event::DiodeRunOver};
        if (m_circuit == Circuit::Zener)
            out.events = {Event::ZenerRunOver};
        return out;
    }
    PrevX = CurX;
    PrevY = CurY;
    if (m_circuit == Circuit::Diode)
        CurX += 2; // through D alone the current falls at half the rate it rose
    if (m_circuit == Circuit::Zener)
        CurX += 1;
    CurY += 1;
    if (m_circuit != Circuit::None)
        out.marks.push_back(Mark::line({PrevX.pixel(), PrevY.pixel()}, {CurX.pixel(), CurY.pixel()},
                                       m_circuit == Circuit::Diode ? Trace::Diode : Trace::Zener));
    out.events = {Event::NextTick};
    return out;
}

void DemagModel::reset() {
    m_circuit = Circuit::None;
    m_stage = Stage::Idle;
}

} // namespace pages
