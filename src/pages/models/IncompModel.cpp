#include "pages/models/IncompModel.h"

#include <array>
#include <utility>

namespace pages {
namespace {

using plot::Mark;
using plot::Trace;

// The axes of the five traces (rows of the page, y downwards).
constexpr int KAxis = 140;
constexpr int V1Axis = 190;
constexpr int I1Axis = 260;
constexpr int FluxAxis = 320;
constexpr int V2Axis = 370;
constexpr int AxisStart = 120;
constexpr int AxisEnd = 410;

// Levels of the traces.
constexpr int KClosed = KAxis;
constexpr int KOpen = 130;
constexpr int V1High = 160;     // +E
constexpr int V1LowEdge = 210;  // end of the falling edge; the level is one below
constexpr int V1HighEdge = 161; // end of the rising edge
constexpr int V2High = 340;
constexpr int V2LowEdge = 390;
constexpr int V2HighEdge = 341;
constexpr int Saturation = 227; // i1 level at which the core saturates
constexpr int ShortCircuit = 220;
constexpr int FluxSaturated = 287;

// Columns: a half-period T/2 is 40 columns, from x = 120.
constexpr int FirstColumn = 120;
constexpr int HalfPeriod = 40;

/// The last column of the half-period \a k (0 for the first, 120 to 159).
constexpr int lastColumn(int k) {
    return FirstColumn + (k + 1) * HalfPeriod - 1;
}

// The eight phases of the animation, one timer each. A drawing phase draws
// the columns of its half-period, one per tick, with K as it stands, then
// ends in the tick of its last column; phase 2 is the single tick in which K
// opens for the first time and the levels are labelled.
enum class Check { None, Saturation, SaturationRecorded };
enum class End { FirstOpening, Closing, Opening, SaturatedOpening, Final };
struct Phase {
    bool closed;    // K closed during the phase
    int halfPeriod; // the half-period drawn (-1: the labelling tick)
    Check check;    // the saturation test at the start of each column
    End end;        // what ends the phase, at the column after its last
};
constexpr std::array<Phase, IncompModel::PhaseCount> Phases{{
    {true, 0, Check::None, End::FirstOpening},                   // Timer1: 120 to 159
    {false, -1, Check::None, End::Opening},                      // Timer2: labels, K opens at 160
    {false, 1, Check::None, End::Closing},                       // Timer3: 160 to 199
    {true, 2, Check::None, End::Opening},                        // Timer4: 200 to 239
    {false, 3, Check::None, End::Closing},                       // Timer5: 240 to 279
    {true, 4, Check::SaturationRecorded, End::SaturatedOpening}, // Timer6: 280 to 319
    {false, 5, Check::None, End::Closing},                       // Timer7: 320 to 359
    {true, 6, Check::Saturation, End::Final},                    // Timer8: 360 to 399
}};
static_assert(lastColumn(0) == 159 && lastColumn(6) == 399);

/// One pixel of a trace in column \a x, at the row \a y lies in.
Mark segment(int x, Coord y, Trace trace) {
    return Mark::line({x, y.pixel()}, {x + 1, y.pixel()}, trace);
}

} // namespace

IncompModel::Tick IncompModel::start() {
    TIMP_VARIABLES(m_timp);
    Tick out;
    auto &marks = out.marks;
    marks.push_back(Mark::print({90, 130}, tr("K")));
    marks.push_back(Mark::print({90, 180}, tr("v1")));
    marks.push_back(Mark::print({90, 250}, tr("i1")));
    marks.push_back(Mark::print({90, 310}, tr("Flux")));
    marks.push_back(Mark::print({90, 360}, tr("v2")));
    // The axes lie beneath the traces: on a later run they do not cover the
    // plot that the earlier run left.
    for (const int axis : {KAxis, V1Axis, I1Axis, FluxAxis, V2Axis})
        marks.push_back(Mark::beneath({AxisStart, axis}, {AxisEnd, axis}, Trace::Axis));
    PrevY = V1High;
    I1Y = I1Axis;
    FluxY = FluxAxis;
    V2Y = V2High;
    marks.push_back(Mark::print({125, 120}, tr("fermé")));
    marks.push_back(Mark::print({110, 150}, tr("E"), Trace::V1));
    StartX = FirstColumn;
    m_phase = 0;
    out.events = {Event::CircuitClosed, Event::NextPhase};
    return out;
}

void IncompModel::columnStep(Tick &out, bool closed) {
    TIMP_VARIABLES(m_timp);
    const int x = CurX.pixel();
    out.marks.push_back(segment(x, closed ? KClosed : KOpen, Trace::K));
    out.marks.push_back(segment(x, PrevY, Trace::V1));
    out.marks.push_back(segment(x, I1Y, Trace::I1));
    out.marks.push_back(segment(x, FluxY, Trace::Flux));
    out.marks.push_back(segment(x, V2Y, Trace::V2));
    StartX += 1;
    // While K is closed i1 and the flux rise (y falls) twice as fast as they fall.
    const Coord d = closed ? Coord() - Half : Quarter;
    I1Y += d;
    FluxY += d;
}

void IncompModel::saturationTest(Tick &out, bool recordSaturation) {
    TIMP_VARIABLES(m_timp);
    if (I1Y == Saturation) {
        if (recordSaturation)
            SatY = I1Y;
        // v2 collapses to its axis, i1 jumps to the short-circuit current,
        // each from where it stands.
        for (; V2Y <= V2Axis - 1; V2Y += 1)
            out.marks.push_back(segment(CurX.pixel(), V2Y, Trace::V2));
        for (; I1Y >= ShortCircuit; I1Y -= 1)
            out.marks.push_back(segment(CurX.pixel(), I1Y, Trace::I1));
    }
    if (I1Y < Saturation) {
        I1Y = ShortCircuit;
        FluxY = FluxSaturated;
        V2Y = V2Axis;
        out.events.push_back(Event::Saturated);
    }
}

bool IncompModel::drawColumns(Tick &out) {
    TIMP_VARIABLES(m_timp);
    const Phase &phase = Phases[std::size_t(m_phase)];
    const int last = lastColumn(phase.halfPeriod);
    for (CurX = StartX; CurX <= last; CurX += 1) {
        if (phase.check != Check::None)
            saturationTest(out, phase.check == Check::SaturationRecorded);
        columnStep(out, phase.closed);
        if (CurX < last)
            return false; // one column per tick; the timer stays enabled
    }
    return true;
}

void IncompModel::openingEdges(Tick &out, int x) {
    TIMP_VARIABLES(m_timp);
    // v1 falls from +E to -(Vd+Vz), v2 to its negative level, each from
    // where it stands.
    for (; PrevY <= V1LowEdge; PrevY += 1)
        out.marks.push_back(segment(x, PrevY, Trace::V1));
    for (; V2Y <= V2LowEdge; V2Y += 1)
        out.marks.push_back(segment(x, V2Y, Trace::V2));
}

void IncompModel::closingStep(Tick &out, int x) {
    TIMP_VARIABLES(m_timp);
    // v1 and v2 rise back to their positive levels, from where they stand.
    for (; PrevY >= V1HighEdge; PrevY -= 1)
        out.marks.push_back(segment(x, PrevY, Trace::V1));
    for (; V2Y >= V2HighEdge; V2Y -= 1)
        out.marks.push_back(segment(x, V2Y, Trace::V2));
    out.marks.push_back(Mark::print({x + 5, 120}, tr("fermé")));
    out.events.push_back(Event::CircuitClosed);
    StartX = x;
}

void IncompModel::labels(Tick &out) {
    out.marks.push_back(Mark::print({115, 200}, tr("-(Vd+Vz)"), Trace::V1));
    // The peak current reached, above the i1 trace where K opens.
    out.marks.push_back(Mark::print({lastColumn(0) + 1, 225}, tr("I"), Trace::I1));
}

void IncompModel::saturatedOpening(Tick &out, int x) {
    TIMP_VARIABLES(m_timp);
    out.marks.push_back(Mark::print({x + 5, 110}, tr("ouvert")));
    out.events.push_back(Event::CircuitOpen);
    // K opens: the current falls back from the short-circuit value to the saturation level.
    for (I1Y = ShortCircuit; I1Y <= SatY; I1Y += 1)
        out.marks.push_back(segment(x, I1Y, Trace::I1));
    for (PrevY = V1High; PrevY <= V1LowEdge; PrevY += 1)
        out.marks.push_back(segment(x, PrevY, Trace::V1));
    for (V2Y = V2Axis; V2Y <= V2LowEdge; V2Y += 1)
        out.marks.push_back(segment(x, V2Y, Trace::V2));
    StartX = x;
}

void IncompModel::finalDrawing(Tick &out) {
    TIMP_VARIABLES(m_timp);
    // The output pulses: v2 filled between its positive level and its axis.
    const std::array<std::pair<int, int>, 4> pulses{
        {{120, 159}, {200, 239}, {280, 305}, {360, 381}}};
    for (const auto &[first, last] : pulses) {
        for (CurX = first; CurX <= last; CurX += 1)
            for (CurY = V2HighEdge; CurY <= V2Axis; CurY += 1)
                out.marks.push_back(Mark::line({CurX.pixel(), CurY.pixel()},
                                               {CurX.pixel(), CurY.pixel() + 1}, Trace::V2));
    }
    // The line that leads to the label of the short-circuit current, drawn in
    // the ink of the labels.
    out.marks.push_back(Mark::line({400, ShortCircuit}, {420, ShortCircuit}, Trace::Label));
    out.marks.push_back(Mark::print({420, 215}, tr("courant de court-circuit du générateur")));
    // Ten columns after the start of each half-period.
    for (int k = 0; k <= 6; ++k)
        out.marks.push_back(Mark::print({FirstColumn + k * HalfPeriod + 10, 170}, tr("T/2")));
}

IncompModel::Tick IncompModel::tick() {
    Tick out;
    if (m_phase < 0 || m_phase >= PhaseCount)
        return out;
    const Phase &phase = Phases[std::size_t(m_phase)];
    int x = lastColumn(0) + 1; // where the labelling tick opens K
    if (phase.halfPeriod >= 0) {
        if (!drawColumns(out))
            return out;
        x = m_timp.CurX.pixel(); // the column after the last
    }
    // The phase's timer stops, what ends it is drawn, the next one starts.
    out.events.push_back(Event::PhaseOver);
    switch (phase.end) {
    case End::FirstOpening:
        out.events.push_back(Event::CircuitOpen);
        break;
    case End::Opening:
        if (phase.halfPeriod < 0)
            labels(out);
        openingEdges(out, x);
        // Every later label is in the ink of the labels.
        out.marks.push_back(
            Mark::print({x + 5, 110}, tr("ouvert"),
                        phase.halfPeriod < 0 ? std::optional(Trace::Label) : std::nullopt));
        out.events.push_back(Event::CircuitOpen);
        m_timp.StartX = x;
        break;
    case End::Closing:
        closingStep(out, x);
        break;
    case End::SaturatedOpening:
        saturatedOpening(out, x);
        break;
    case End::Final:
        finalDrawing(out);
        out.events.push_back(Event::Finished);
        m_phase = PhaseCount;
        return out;
    }
    out.events.push_back(Event::NextPhase);
    ++m_phase;
    return out;
}

} // namespace pages
