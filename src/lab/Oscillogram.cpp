#include "lab/Oscillogram.h"

#include "lab/LabTexts.h"
#include "palette/Palette.h"
#include "toolkit/Accessibility.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

namespace lab {
namespace {

// One band of the oscillograms: its name, its colour, what it plots.
struct Trace {
    QString name;
    QColor colour;
    double Sample::*field;
    enum Kind { Switch, Voltage, Current, Flux } kind;
};

std::vector<Trace> tracesOf(const Circuit &circuit) {
    // The course's colours: K black, voltages blue, currents red, the flux light green.
    std::vector<Trace> traces = {
        {QStringLiteral("K"), palette::Black, &Sample::k, Trace::Switch},
        {QStringLiteral("v1"), palette::Blue, &Sample::v1, Trace::Voltage},
        {QStringLiteral("i1"), palette::Red, &Sample::i1, Trace::Current},
        {QStringLiteral("im"), palette::Red, &Sample::im, Trace::Current},
        {QStringLiteral("Flux"), palette::Lime, &Sample::flux, Trace::Flux},
        {QStringLiteral("v2"), palette::Blue, &Sample::v2, Trace::Voltage},
    };
    if (circuit.loaded)
        traces.push_back({QStringLiteral("i2"), palette::Red, &Sample::i2, Trace::Current});
    return traces;
}

bool saturated(const Sample &s, const Circuit &circuit) {
    return s.k > 0.5 && s.flux >= circuit.rating * (1 - 1e-9);
}

// The span a band shows: from its lowest to its highest value, 0 included;
// a current that jumps when the core saturates is shown up to a third above
// its unsaturated peak, and drawn cut at the top of its band beyond that.
struct Span {
    double lo = 0;
    double hi = 1;
    bool cut = false;
};

Span spanOf(const Trace &trace, const std::vector<Sample> &samples, const Circuit &circuit) {
    if (trace.kind == Trace::Switch)
        return {0, 1, false};
    if (trace.kind == Trace::Flux)
        return {0, circuit.rating, false};
    Span span{0, 0, false};
    bool anySaturated = false;
    for (const Sample &s : samples) {
        const double v = s.*trace.field;
        if (trace.kind == Trace::Current && saturated(s, circuit)) {
            anySaturated = true;
            continue;
        }
        span.lo = std::min(span.lo, v);
        span.hi = std::max(span.hi, v);
    }
    if (anySaturated && (trace.field == &Sample::i1 || trace.field == &Sample::im)) {
        span.hi = std::max(span.hi, circuit.saturatingCurrent()) * 4 / 3;
        span.cut = true;
    }
    if (span.hi - span.lo < 1e-12)
        span.hi = span.lo + 1;
    return span;
}

// A value as its band labels it.
QString valueLabel(const Trace &trace, double v) {
    switch (trace.kind) {
    case Trace::Switch:
        return v > 0.5 ? QCoreApplication::translate("lab::Laboratory", "fermé")
                       : QCoreApplication::translate("lab::Laboratory", "ouvert");
    case Trace::Voltage:
        return texts::voltage(v);
    case Trace::Current:
        return texts::current(v);
    case Trace::Flux:
        return texts::number(v, 0) + QStringLiteral(" V.µs");
    }
    return {};
}

// A step of 1, 2 or 5 times a power of ten giving about \a count ticks over \a span.
double niceStep(double span, int count) {
    const double raw = span / std::max(1, count);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw)
            return m * power;
    return 10 * power;
}

} // namespace

Oscillogram::Oscillogram(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Oscillogrammes"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QCoreApplication::translate("lab::Laboratory", "Oscillogrammes"));
    tk::accessibility::showAsImage(this);
}

void Oscillogram::setSimulation(std::shared_ptr<const Simulation> simulation) {
    m_simulation = std::move(simulation);
    if (m_simulation)
        setAccessibleDescription(texts::description(*m_simulation));
    update();
}

void Oscillogram::setShownUntil(double t) {
    if (t == m_until)
        return;
    m_until = t;
    update();
}

void Oscillogram::setColours(Colours colours) {
    m_colours = std::move(colours);
    update();
}

void Oscillogram::paint(QPainter &painter, const QSizeF &size, const Simulation &simulation,
                        double until, const QFont &font, const Colours &colours) {
    const auto shown = [&colours](const QColor &c) { return colours ? colours(c) : c; };
    const Circuit &circuit = simulation.circuit();
    const double duration = simulation.duration();
    until = std::clamp(until, 0.0, duration);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRectF(QPointF(0, 0), size), palette::PageGrey);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const double line = metrics.height();
    const double left = metrics.horizontalAdvance(QStringLiteral("Flux 9999 V.µs")) + line * 0.5;
    const double right = size.width() - line;
    const double top = line * 0.5;
    const double bottom = size.height() - line * 2.2;
    if (right - left < 10 || bottom - top < 10) {
        painter.restore();
        return;
    }
    const double width = right - left;
    const auto xOf = [&](double t) { return left + t / duration * width; };

    // The samples: about two to the pixel, and both sides of every switching
    // instant and event, so that edges are drawn upright.
    const std::vector<Sample> samples = simulation.samples(int(width * 2) + 2);
    const std::vector<Trace> traces = tracesOf(circuit);
    const double band = (bottom - top) / double(traces.size());

    // The periods, lightly, across every band.
    const QColor grey = palette::Grey;
    if (circuit.periods <= 50) {
        painter.setPen(QPen(QColor(160, 160, 160), 1, Qt::DotLine));
        for (int p = 1; p < circuit.periods; ++p)
            painter.drawLine(QPointF(xOf(p * circuit.T), top), QPointF(xOf(p * circuit.T), bottom));
    }

    for (std::size_t n = 0; n < traces.size(); ++n) {
        const Trace &trace = traces[n];
        const Span span = spanOf(trace, samples, circuit);
        const double y0 = top + double(n) * band;
        const double yTop = y0 + band * 0.22;
        const double yBottom = y0 + band * 0.88;
        const auto yOf = [&](double v) {
            const double y = yBottom - (v - span.lo) / (span.hi - span.lo) * (yBottom - yTop);
            return std::clamp(y, y0 + band * 0.08, yBottom + band * 0.1);
        };
        const QColor colour = shown(trace.colour);
        // The axis at 0, the name and the scale.
        painter.setPen(QPen(grey, 1));
        painter.drawLine(QPointF(left, yOf(0)), QPointF(right, yOf(0)));
        QFont bold = font;
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(colour);
        painter.drawText(QPointF(line * 0.25, y0 + line), trace.name);
        painter.setFont(font);
        painter.setPen(shown(palette::Black));
        const QString high = valueLabel(trace, span.cut ? span.hi * 3 / 4 : span.hi);
        painter.drawText(QPointF(left - metrics.horizontalAdvance(high) - line * 0.25,
                                 yOf(span.cut ? span.hi * 3 / 4 : span.hi) + line * 0.3),
                         high);
        if (span.lo < 0) {
            const QString low = valueLabel(trace, span.lo);
            painter.drawText(QPointF(left - metrics.horizontalAdvance(low) - line * 0.25,
                                     yOf(span.lo) + line * 0.3),
                             low);
        }
        if (trace.kind == Trace::Flux) {
            // The rating: the flux the core cannot pass.
            painter.setPen(QPen(shown(palette::Maroon), 1, Qt::DashLine));
            painter.drawLine(QPointF(left, yOf(circuit.rating)),
                             QPointF(right, yOf(circuit.rating)));
        }

        // The trace, up to the instant shown.
        QList<QPointF> points;
        points.reserve(qsizetype(samples.size()) + 1);
        for (const Sample &s : samples) {
            if (s.t > until)
                break;
            points.append({xOf(s.t), yOf(s.*trace.field)});
        }
        if (until < duration) {
            const Sample last = simulation.at(until);
            points.append({xOf(until), yOf(last.*trace.field)});
        }
        painter.setPen(QPen(colour, 1));
        // In short runs: a long polyline under a pen wider than a device
        // pixel (200 %) is stroked as one large shape, many times slower.
        constexpr qsizetype Run = 32;
        for (qsizetype from = 0; from + 1 < points.size(); from += Run)
            painter.drawPolyline(points.constData() + from,
                                 int(std::min(Run + 1, points.size() - from)));
        if (span.cut) {
            // Where the current leaves the band: its value, once.
            const auto first = std::find_if(samples.begin(), samples.end(), [&](const Sample &s) {
                return s.t <= until && saturated(s, circuit);
            });
            if (first != samples.end()) {
                const QString label =
                    QStringLiteral("→ ") + texts::current(simulation.figures().saturationCurrent);
                painter.drawText(QPointF(std::min(xOf(first->t) + line * 0.3,
                                                  right - metrics.horizontalAdvance(label)),
                                         y0 + band * 0.08 + line * 0.8),
                                 label);
            }
        }
    }

    // The time axis, in µs.
    painter.setPen(QPen(shown(palette::Black), 1));
    painter.drawLine(QPointF(left, bottom), QPointF(right, bottom));
    const double step = niceStep(duration, int(width / (line * 4)));
    const int decimals = step < 1 ? 1 : 0;
    for (double t = 0; t <= duration * (1 + 1e-9); t += step) {
        const double x = xOf(t);
        painter.drawLine(QPointF(x, bottom), QPointF(x, bottom + line * 0.3));
        const QString label = texts::number(t, decimals);
        painter.drawText(QPointF(x - metrics.horizontalAdvance(label) / 2, bottom + line * 1.2),
                         label);
    }
    const QString unit = QCoreApplication::translate("lab::Laboratory", "t (µs)");
    painter.drawText(QPointF(right - metrics.horizontalAdvance(unit), bottom + line * 2.1), unit);
    painter.restore();
}

void Oscillogram::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    if (!m_simulation) {
        painter.fillRect(rect(), palette::PageGrey);
        return;
    }
    paint(painter, size(), *m_simulation, m_until, font(), m_colours);
}

QImage Oscillogram::image(double ratio) const {
    QImage picture((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(palette::PageGrey);
    if (m_simulation) {
        QPainter painter(&picture);
        paint(painter, size(), *m_simulation, m_simulation->duration(), font(), m_colours);
    }
    return picture;
}

QByteArray Oscillogram::png() const {
    if (!m_simulation)
        return {};
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return image(2).save(&buffer, "PNG") ? buffer.data() : QByteArray();
}

QByteArray Oscillogram::svg() const {
    if (!m_simulation)
        return {};
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size());
    svg.setViewBox(QRect(QPoint(0, 0), size()));
    svg.setTitle(QCoreApplication::translate("lab::Laboratory",
                                             "Transformateur d'impulsions : oscillogrammes"));
    svg.setDescription(texts::description(*m_simulation));
    QPainter painter;
    if (!painter.begin(&svg))
        return {};
    paint(painter, size(), *m_simulation, m_simulation->duration(), font(), m_colours);
    if (!painter.end())
        return {};
    return buffer.data();
}

} // namespace lab
