#pragma once

// Plotting helpers of the characteristic, pulse, axes and oscillogram
// pictures: axes with arrowheads, text placed by its baseline, and waveforms
// (a value at each instant) drawn on an axis at a given scale.
//
// Axes, rectangles and guide lines are integer pixel fills, exact at 100 %.
// Traces are antialiased polylines whose corners are rounded to whole pixels,
// so their flat and vertical parts are as crisp as the fills.

#include "art/Draw.h"
#include "palette/Palette.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace art::plot {

using namespace ::palette; // the course's named colours

// --- axes -------------------------------------------------------------------

/// Row r (0 at the tip) of an arrowhead \a length long sticks out by this many
/// pixels on each side of the axis; it reaches \a spread at the base.
inline int headSpread(int r, int length, int spread) {
    return r * (spread + 1) / length;
}

/// A vertical axis \a thickness pixels wide at x, from its arrow's tip at row
/// yTip down to row yEnd, both included; the head is \a length rows long.
inline void upAxis(QPainter &p, int x, int yTip, int yEnd, int thickness, int length, int spread,
                   const QColor &c = draw::Black) {
    draw::fillSpan(p, x, yTip, x + thickness - 1, yEnd, c);
    for (int r = 0; r < length; ++r) {
        const int e = headSpread(r, length, spread);
        draw::fillSpan(p, x - e, yTip + r, x + thickness - 1 + e, yTip + r, c);
    }
}

/// A horizontal axis \a thickness pixels high at y, from column xStart to its
/// arrow's tip at column xTip, both included; the head is \a length columns long.
inline void rightAxis(QPainter &p, int xStart, int xTip, int y, int thickness, int length,
                      int spread, const QColor &c = draw::Black) {
    draw::fillSpan(p, xStart, y, xTip, y + thickness - 1, c);
    for (int r = 0; r < length; ++r) {
        const int e = headSpread(r, length, spread);
        draw::fillSpan(p, xTip - r, y - e, xTip - r, y + thickness - 1 + e, c);
    }
}

/// The two-pixel axes of the large pictures: heads 11 pixels long, 8 wide.
inline void boldUpAxis(QPainter &p, int x, int yTip, int yEnd) {
    upAxis(p, x, yTip, yEnd, 2, 11, 3);
}
inline void boldRightAxis(QPainter &p, int xStart, int xTip, int y, int length = 11) {
    rightAxis(p, xStart, xTip, y, 2, length, 3);
}

/// The one-pixel axes of the stacked oscillograms: heads 6 pixels long, 5 wide.
inline void thinUpAxis(QPainter &p, int x, int yTip, int yEnd) {
    upAxis(p, x, yTip, yEnd, 1, 6, 2);
}
inline void thinRightAxis(QPainter &p, int xStart, int xTip, int y) {
    rightAxis(p, xStart, xTip, y, 1, 6, 2);
}

// --- text -------------------------------------------------------------------

enum class Align { Left, Centre, Right };

/// Prints \a text with its baseline on row \a baseline (the row just under
/// the letters) and its left edge, centre or right edge at x.
inline void text(QPainter &p, int x, int baseline, const QString &s, const QColor &c,
                 Align align = Align::Left, int pixelSize = fonts::Pt8_25) {
    const QFont f = fonts::font(pixelSize);
    const int w = QFontMetrics(f).horizontalAdvance(s);
    const int left = align == Align::Left ? x : align == Align::Centre ? x - w / 2 : x - w;
    p.save();
    p.setFont(f);
    p.setPen(c);
    p.drawText(QPointF(left, baseline), s);
    p.restore();
}

// --- waveforms --------------------------------------------------------------

/// A quantity against time: its value at each instant of one period, and the
/// instants of that period where it jumps or changes slope. The value at a
/// jump is the value just after it.
struct Waveform {
    std::function<double(double)> at; ///< value for t in [0, period)
    std::vector<double> corners;      ///< jumps and bends, in [0, period)
    double period = 0;                ///< the value repeats with this period
    bool curved = false;              ///< sampled every pixel between corners

    double operator()(double t) const { return at(t - period * std::floor(t / period)); }
};

/// Where a waveform is drawn: the instant t lies at x = x0 + t * pxPerTime,
/// the value v at y = yZero - v * pxPerUnit (y = yZero is the top edge of the
/// time axis row), from instant tBegin to instant tEnd.
struct Scale {
    double x0 = 0;
    double pxPerTime = 1;
    int yZero = 0;
    double pxPerUnit = 1;
    double tBegin = 0;
    double tEnd = 0;

    double x(double t) const { return x0 + t * pxPerTime; }
    double y(double v) const { return yZero - v * pxPerUnit; }
};

/// The outline of \a w over the scale's span: one point per corner (two where
/// it jumps), with corners on whole pixels, and one per pixel along curves.
inline QPolygonF outline(const Scale &s, const Waveform &w) {
    struct Instant {
        double t;
        bool corner;
    };
    std::vector<Instant> instants{{s.tBegin, true}, {s.tEnd, true}};
    for (double k = std::floor(s.tBegin / w.period); k * w.period <= s.tEnd; k += 1)
        for (double c : w.corners)
            if (const double t = k * w.period + c; t > s.tBegin && t < s.tEnd)
                instants.push_back({t, true});
    if (w.curved)
        for (double t = s.tBegin + 1 / s.pxPerTime; t < s.tEnd; t += 1 / s.pxPerTime)
            instants.push_back({t, false});
    std::sort(instants.begin(), instants.end(),
              [](const Instant &a, const Instant &b) { return a.t < b.t; });

    const double eps = 1e-9 * w.period;
    QPolygonF points;
    for (const Instant &i : instants) {
        if (!i.corner) {
            points << QPointF(s.x(i.t), s.y(w(i.t)));
            continue;
        }
        const double x = std::round(s.x(i.t));
        const bool first = i.t <= s.tBegin, last = i.t >= s.tEnd;
        const double before = std::round(s.y(w(i.t - eps)));
        const double after = std::round(s.y(w(i.t + eps)));
        if (!first)
            points << QPointF(x, before);
        if (!last && (first || after != before))
            points << QPointF(x, after);
    }
    return points;
}

/// Draws \a w on its axis as a line \a width pixels wide.
inline void trace(QPainter &p, const Scale &s, const Waveform &w, const QColor &c,
                  double width = 2) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPolyline(outline(s, w));
    p.restore();
}

/// Fills the area between \a w and its time axis.
inline void area(QPainter &p, const Scale &s, const Waveform &w, const QColor &c) {
    QPolygonF poly = outline(s, w);
    poly << QPointF(poly.last().x(), s.yZero) << QPointF(poly.first().x(), s.yZero);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(poly);
    p.restore();
}

} // namespace art::plot
