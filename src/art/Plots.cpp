// The magnetisation characteristic, the two pulse pictures of the E x t
// example and the axes backgrounds of the two animated oscillograms.

#include "art/Draw.h"
#include "art/Painters.h"
#include "art/PlotKit.h"

#include <QCoreApplication>
#include <QPainter>

namespace art::painters {

using draw::Black;
using plot::Align;

namespace {

void background(QPainter &p, int w, int h) {
    p.setRenderHint(QPainter::Antialiasing, false);
    draw::fill(p, 0, 0, w, h, draw::PageGrey);
}

// Both pulse pictures: the axes, the 10 V, 10 us pulse and, for the second,
// the 5 V, 20 us pulse of the same area painted over it.
void pulses(QPainter &p, bool withFiveVolts) {
    background(p, 233, 186);
    draw::fillSpan(p, 31, 39, 105, 162, plot::Teal);
    plot::text(p, 26, 43, QStringLiteral("10v"), plot::Teal, Align::Right);
    plot::text(p, 105, 178, QStringLiteral("10µs"), plot::Teal, Align::Centre);
    if (withFiveVolts) {
        draw::fillSpan(p, 31, 101, 180, 162, plot::Azure);
        plot::text(p, 26, 105, QStringLiteral("5v"), plot::Azure, Align::Right);
        plot::text(p, 180, 178, QStringLiteral("20µs"), plot::Azure, Align::Centre);
    }
    plot::boldUpAxis(p, 29, 0, 164);
    plot::boldRightAxis(p, 29, 232, 163);
    plot::text(p, 26, 178, QStringLiteral("0"), Black, Align::Right);
    plot::text(p, 226, 178, QStringLiteral("t"), Black, Align::Centre);
}

} // namespace

void magnetisationCurve(QPainter &p) {
    background(p, 255, 184);
    constexpr int axisX = 30, axisY = 158, kneeX = 110, kneeY = 48, flatEnd = 236;

    // The knee's current: a thin line down to the current axis.
    draw::fillSpan(p, kneeX - 1, kneeY + 1, kneeX - 1, axisY - 1, draw::DarkGrey);

    plot::boldUpAxis(p, axisX, 4, axisY + 1);
    plot::boldRightAxis(p, axisX, 250, axisY);

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(plot::Magenta, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPolyline(
        QPolygonF{QPointF(axisX + 2, axisY), QPointF(kneeX, kneeY), QPointF(flatEnd, kneeY)});
    p.restore();

    plot::text(p, axisX + 9, 13, QCoreApplication::translate("art::Drawing", "Flux"), draw::Green);
    plot::text(p, axisX - 3, 172, QStringLiteral("0"), Black, Align::Right);
    plot::text(p, kneeX, 172, QStringLiteral("Im"), draw::Red, Align::Centre);
    plot::text(p, 252, 172, QCoreApplication::translate("art::Drawing", "Courant magnétisant"),
               draw::Red, Align::Right);
}

void pulse10V(QPainter &p) {
    pulses(p, false);
}

void pulses10V5V(QPainter &p) {
    pulses(p, true);
}

void noLoadAxes(QPainter &p) {
    background(p, 199, 179);
    plot::boldUpAxis(p, 17, 0, 164);
    plot::boldRightAxis(p, 17, 198, 163, 12);
    plot::text(p, 14, 29, QStringLiteral("v1"), draw::Green, Align::Right);
    plot::text(p, 14, 63, QStringLiteral("v2"), draw::Blue, Align::Right);
    plot::text(p, 14, 105, QStringLiteral("i1"), draw::Red, Align::Right);
    plot::text(p, 14, 176, QStringLiteral("0"), Black, Align::Right);
    plot::text(p, 182, 176, QStringLiteral("t"), Black, Align::Centre);
}

void demagAxes(QPainter &p) {
    background(p, 267, 137);
    plot::boldUpAxis(p, 15, 0, 121);
    plot::boldRightAxis(p, 15, 266, 120, 8);
    plot::text(p, 12, 25, QStringLiteral("i1"), draw::Red, Align::Right);
    plot::text(p, 12, 133, QStringLiteral("0"), Black, Align::Right);
    plot::text(p, 249, 133, QStringLiteral("t"), Black, Align::Centre);
}

} // namespace art::painters
