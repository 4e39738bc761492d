// The oscillograms of the load and application pages, computed from the
// circuits these pages describe: every trace is a waveform, a value at each
// instant, drawn on its own axis.

#include "art/Draw.h"
#include "art/Painters.h"
#include "art/PlotKit.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace art::painters {

using draw::Black;
using plot::Align;
using plot::Waveform;

namespace {

// --- the load page's example ------------------------------------------------
//
// Source E, switch K closed for the first half of each period, ratio m = 1,
// Zener voltage Vz = 2E, diode thresholds neglected. Voltages are in units of
// E, currents in units of E / R, time in periods.
namespace load {

constexpr double E = 1.0, Period = 1.0;
constexpr double OnTime = 0.5;            // K closed
constexpr double Vz = 2 * E;              // v1 = -Vz while the core demagnetises
constexpr double I2 = 1.0;                // v2 / R, with v2 = v1 = E
constexpr double I0Peak = 0.5;            // E x OnTime / L
constexpr double Demag = OnTime * E / Vz; // i0 falls at Vz / L after rising at E / L
constexpr double DemagEnd = OnTime + Demag;

Waveform wave(double (*f)(double)) {
    return {f, {0.0, OnTime, DemagEnd}, Period};
}

double i0(double t) {
    return t < OnTime ? I0Peak * t / OnTime : t < DemagEnd ? I0Peak * (DemagEnd - t) / Demag : 0;
}
double v1(double t) {
    return t < OnTime ? E : t < DemagEnd ? -Vz : 0.0;
}
double i2(double t) {
    return t < OnTime ? I2 : 0.0;
}
double i1(double t) { // i0 + m x i2, with m = 1
    return i0(t) + i2(t);
}
double v(double t) { // v2 while Dr conducts
    return t < OnTime ? E : 0.0;
}

} // namespace load

// --- the trigger of the application page -------------------------------------
//
// 15 V supply, command vi of 10 V at 25 kHz with a duty cycle of 1/2, ratio
// m = 1/2 to each of two secondaries, 150 mA in each gate, L = 17 mH, Zener
// 18 V in series with a diode of 1 V, 1 V in the gate diodes, gate resistors
// of 22 ohms. Volts, milliamperes, microseconds.
namespace trigger {

constexpr double E = 15, Vi = 10, Vz = 18, Vd = 1, M = 0.5;
constexpr double Period = 1e6 / 25000;           // 40 us
constexpr double OnTime = Period / 2;            // 20 us
constexpr double L = 17e-3;                      // H
constexpr double Ig = 150;                       // mA in each gate
constexpr double Vdg = 1, Rg = 22;               // gate diode and resistor
constexpr double I0Peak = E * OnTime / L * 1e-3; // mA: 17.6
constexpr double Demag = OnTime * E / (Vz + Vd); // us: 15.8
constexpr double DemagEnd = OnTime + Demag;

Waveform wave(double (*f)(double)) {
    return {f, {0.0, OnTime, DemagEnd}, Period};
}

bool on(double t) {
    return t < OnTime;
}
bool demag(double t) {
    return t >= OnTime && t < DemagEnd;
}

double vi(double t) {
    return on(t) ? Vi : 0.0;
}
double v(double t) {
    return on(t) ? E : demag(t) ? -(Vz + Vd) : 0.0;
}
double v1(double t) {
    return M * v(t);
}
// During the pulse the gate takes what the diode and the gate resistor leave
// of the secondary voltage. During the demagnetisation Dg1 and Dg2 block: no
// current flows in the gate circuit, and the gate stays at 0 V (the diodes
// are there to keep the reverse voltage off the gate).
double vg(double t) {
    return on(t) ? M * E - Vdg - Rg * Ig * 1e-3 : 0.0;
}
double vce(double t) {
    return on(t) ? 0.0 : demag(t) ? E + Vz + Vd : E;
}
double i0(double t) {
    return on(t) ? I0Peak * t / OnTime : demag(t) ? I0Peak * (DemagEnd - t) / Demag : 0.0;
}
double ig(double t) {
    return on(t) ? Ig : 0.0;
}
double i(double t) {
    return i0(t) + M * 2 * ig(t);
}
double iz(double t) {
    return demag(t) ? i0(t) : 0.0;
}
double ic(double t) {
    return on(t) ? i(t) : 0.0;
}

} // namespace trigger

// --- stacked traces -----------------------------------------------------------

struct Row {
    QString label;
    QColor colour;
    Waveform wave;
    double pxPerUnit;
    double high; // the largest value drawn
    double low;  // the smallest value drawn
};

// A column of traces, each on its own thin axes, sharing one time base.
struct Stack {
    static constexpr int Head = 8;       // from the arrow's tip to the highest value
    static constexpr int MinHeight = 22; // of a row, from tip to lowest value
    int axisX;                           // column of the vertical axes
    int tipX;                            // arrow tip of the time axes
    double x0;                           // x of t = 0
    double pxPerTime;
    double tEnd;              // last instant drawn
    int top, bottom;          // rows available
    std::vector<int> zeros{}; // time axis row of each trace, set by layout()

    // Spreads the rows evenly over top..bottom; a row is at least MinHeight
    // pixels high, the room above a small trace going to its label.
    void layout(const std::vector<Row> &rows) {
        constexpr int Below = 3, TLabel = 12;
        int used = TLabel;
        for (const Row &r : rows)
            used += height(r) + Below;
        const double gap = double(bottom - top + 1 - used) / double(rows.size() - 1);
        double y = top;
        zeros.clear();
        for (const Row &r : rows) {
            const int zero = int(std::lround(y)) + height(r) - 1 - extent(-r.low, r);
            zeros.push_back(zero);
            y = zero + 1 + extent(-r.low, r) + Below + gap;
        }
    }

    // Rows from the arrow's tip to the lowest point of the trace.
    static int height(const Row &r) {
        return std::max(MinHeight, Head + extent(r.high, r) + 1 + extent(-r.low, r));
    }

    static int extent(double value, const Row &r) { return int(std::ceil(value * r.pxPerUnit)); }

    int tip(std::size_t k, const Row &r) const {
        return zeros[k] + 1 + extent(-r.low, r) - height(r);
    }

    plot::Scale scale(std::size_t k, const Row &r) const {
        return {x0, pxPerTime, zeros[k], r.pxPerUnit, (axisX + 1 - x0) / pxPerTime, tEnd};
    }

    // Thin vertical guides at the given instants across all the traces.
    void guides(QPainter &p, const std::vector<Row> &rows, std::initializer_list<double> ts) const {
        for (double t : ts) {
            const int x = int(std::lround(x0 + t * pxPerTime)) - 1;
            draw::fillSpan(p, x, tip(0, rows.front()), x, zeros.back() + 4, palette::Grey);
        }
    }

    void paint(QPainter &p, const std::vector<Row> &rows) const {
        for (std::size_t k = 0; k < rows.size(); ++k) {
            const Row &r = rows[k];
            const int zero = zeros[k];
            const int yTip = tip(k, r);
            plot::trace(p, scale(k, r), r.wave, r.colour);
            plot::thinUpAxis(p, axisX, yTip, zero + extent(-r.low, r) + 2);
            plot::thinRightAxis(p, axisX, tipX, zero);
            plot::text(p, axisX - 5, (yTip + zero) / 2 + 5, r.label, r.colour, Align::Right);
            plot::text(p, tipX - 3, zero + 12, QStringLiteral("t"), Black, Align::Centre);
        }
    }
};

void background(QPainter &p, int w, int h) {
    p.setRenderHint(QPainter::Antialiasing, false);
    draw::fill(p, 0, 0, w, h, draw::PageGrey);
}

} // namespace

void loadCurves(QPainter &p) {
    background(p, 270, 283);
    using namespace load;
    constexpr double V = 17, I = 30; // pixels per E and per E / R
    const std::vector<Row> rows{
        {QStringLiteral("v1, v2"), draw::Blue, wave(v1), V, E, -Vz},
        {QStringLiteral("i1"), draw::Red, wave(i1), I, I2 + I0Peak, 0},
        {QStringLiteral("i0"), draw::Red, wave(i0), I, I0Peak, 0},
        {QStringLiteral("i2"), draw::Red, wave(i2), I, I2, 0},
        {QStringLiteral("v"), draw::Blue, wave(v), V, E, 0},
    };
    Stack stack{38, 262, 45, 100, 2 * Period, 2, 282};
    stack.layout(rows);
    stack.guides(p, rows, {0, OnTime, Period, Period + OnTime, 2 * Period});
    stack.paint(p, rows);
}

void triggerCurves(QPainter &p) {
    background(p, 530, 200);
    using namespace trigger;
    constexpr double V = 1.0, I = 0.19; // pixels per volt and per milliampere
    const Row command{QStringLiteral("vi"), draw::Blue, wave(vi), V, Vi, 0};
    const std::vector<Row> voltages{
        command,
        {QStringLiteral("v"), draw::Blue, wave(v), V, E, -(Vz + Vd)},
        {QStringLiteral("v1, v2"), draw::Blue, wave(v1), V, M * E, -M * (Vz + Vd)},
        {QStringLiteral("vg1, vg2"), draw::Blue, wave(vg), V, vg(0), 0},
        {QStringLiteral("vce"), draw::Blue, wave(vce), V, E + Vz + Vd, 0},
    };
    const std::vector<Row> currents{
        command,
        {QStringLiteral("i1, i2"), plot::Magenta, wave(ig), I, Ig, 0},
        {QStringLiteral("i"), plot::Magenta, wave(i), I, i(OnTime - 1e-9), 0},
        {QStringLiteral("iz"), plot::Magenta, wave(iz), I, I0Peak, 0},
        {QStringLiteral("ic"), plot::Magenta, wave(ic), I, i(OnTime - 1e-9), 0},
    };
    constexpr double PxPerUs = 2.4;
    for (int column = 0; column < 2; ++column) {
        const int left = column * 265;
        Stack stack{left + 50, left + 262, left + 55.0, PxPerUs, 2 * Period, 1, 199};
        const auto &rows = column == 0 ? voltages : currents;
        stack.layout(rows);
        stack.paint(p, rows);
    }
}

void mainsPulses(QPainter &p) {
    background(p, 190, 115);
    // 50 Hz mains, thyristors fired 60 degrees after each zero crossing by a
    // train of pulses lasting 1 ms. Milliseconds.
    constexpr double Half = 10, Firing = Half / 3, Train = 1;
    constexpr double Omega = std::numbers::pi / Half;
    constexpr int axisX = 19, tipX = 188;
    constexpr int mainsZero = 40, motorZero = 100;
    constexpr double PxPerMs = 3.9;

    const Waveform mains{[](double t) { return std::sin(Omega * t); }, {}, 2 * Half, true};
    const Waveform rectified{[](double t) { return std::sin(Omega * t); }, {0.0}, Half, true};
    const Waveform motor{
        [](double t) { return t < Firing ? 0.0 : std::sin(Omega * t); }, {0.0, Firing}, Half, true};
    const Waveform pulses{[](double t) { return t >= Firing && t < Firing + Train ? 1.0 : 0.0; },
                          {Firing, Firing + Train},
                          Half};
    const double x0 = axisX + 1, tEnd = 4 * Half;
    const plot::Scale upper{x0, PxPerMs, mainsZero, 22, 0, tEnd};
    const plot::Scale train{x0, PxPerMs, mainsZero, 8, 0, tEnd};
    const plot::Scale lower{x0, PxPerMs, motorZero, 24, 0, tEnd};

    plot::trace(p, upper, mains, draw::Blue);
    plot::area(p, train, pulses, draw::Red);
    plot::area(p, lower, motor, draw::Blue);
    plot::trace(p, lower, rectified, draw::Blue, 1);

    plot::thinUpAxis(p, axisX, 8, mainsZero + 24);
    plot::thinRightAxis(p, axisX, tipX, mainsZero);
    plot::thinUpAxis(p, axisX, 68, motorZero);
    plot::thinRightAxis(p, axisX, tipX, motorZero);
    plot::text(p, axisX - 3, 20, QStringLiteral("vr"), draw::Blue, Align::Right);
    plot::text(p, axisX - 3, 80, QStringLiteral("vm"), draw::Blue, Align::Right);
    plot::text(p, tipX - 4, mainsZero + 12, QStringLiteral("t"), Black, Align::Centre);
    plot::text(p, tipX - 4, motorZero + 12, QStringLiteral("t"), Black, Align::Centre);

    // The label points at the train of the second half period, under which
    // the mains voltage is negative and leaves the way clear.
    const int pointX = int(std::lround(upper.x(Half + Firing + Train / 2))) - 1;
    plot::text(p, pointX, 11, QCoreApplication::translate("art::Drawing", "train d'impulsions"),
               draw::Red, Align::Centre);
    plot::upAxis(p, pointX, 14, mainsZero - 10, 1, 1, 0, draw::Red);
    for (int r = 0; r < 3; ++r)
        draw::fillSpan(p, pointX - 2 + r, mainsZero - 12 + r, pointX + 2 - r, mainsZero - 12 + r,
                       draw::Red);
}

void pulseTrain(QPainter &p) {
    background(p, 120, 115);
    using namespace trigger;
    constexpr int cx = 60, cy = 56, radius = 52, axisY = 80, tipX = 119;
    constexpr double PxPerUs = 26.0 / OnTime;
    constexpr double x0 = cx - 26; // a pulse starts here
    const Waveform command = wave(vi);
    const plot::Scale scale{
        x0, PxPerUs, axisY, 34 / Vi, (cx - radius - x0) / PxPerUs, (cx + radius - x0) / PxPerUs};

    QPainterPath lens;
    lens.addEllipse(QPointF(cx, cy), radius, radius);
    p.save();
    p.setClipPath(lens);
    plot::trace(p, scale, command, draw::Red);
    p.restore();

    plot::thinRightAxis(p, 0, tipX, axisY);
    plot::text(p, tipX - 3, axisY + 12, QStringLiteral("t"), Black, Align::Centre);

    // The two halves of a period, with their dimension lines.
    const int top = int(scale.y(Vi)) - 1;
    const int dimY = top - 8;
    const int edges[] = {int(scale.x(0)), int(scale.x(OnTime)), int(scale.x(Period))};
    for (int x : edges)
        draw::fillSpan(p, x - 1, dimY - 3, x - 1, top - 2, Black);
    for (int k = 0; k < 2; ++k) {
        const int a = edges[k], b = edges[k + 1] - 2;
        draw::fillSpan(p, a, dimY, b, dimY, Black);
        for (int r = 1; r < 4; ++r) {
            draw::fillSpan(p, a + r, dimY - r, a + r, dimY + r, Black);
            draw::fillSpan(p, b - r, dimY - r, b - r, dimY + r, Black);
        }
        plot::text(p, (a + b + 1) / 2, dimY - 4, QStringLiteral("T/2"), Black, Align::Centre);
    }

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Black, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(cx, cy), radius, radius);
    p.restore();
}

} // namespace art::painters
