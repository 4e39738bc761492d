#include "art/Symbols.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace art::symbols {
namespace {

QPointF unit(Dir d) {
    switch (d) {
    case Dir::Up:
        return {0, -1};
    case Dir::Down:
        return {0, 1};
    case Dir::Left:
        return {-1, 0};
    case Dir::Right:
        return {1, 0};
    }
    return {};
}

// A unit vector at right angles to u.
QPointF normal(QPointF u) {
    return {-u.y(), u.x()};
}

// Fills, without antialiasing, the axis-aligned rectangle spanned by two points.
void fillBetween(QPainter &p, QPointF a, QPointF b, const QColor &c) {
    p.fillRect(QRectF(a, b).normalized(), c);
}

// Fills the rectangle of a symbol's own frame: from \a along1 to \a along2
// along u and from \a across1 to \a across2 along n, both measured from c.
void fillLocal(QPainter &p, QPointF c, QPointF u, QPointF n, qreal along1, qreal along2,
               qreal across1, qreal across2, const QColor &col) {
    fillBetween(p, c + u * along1 + n * across1, c + u * along2 + n * across2, col);
}

// Antialiased painting of round and slanted shapes; restores the painter.
class Smooth {
public:
    explicit Smooth(QPainter &p) : m_p(p) {
        m_p.save();
        m_p.setRenderHint(QPainter::Antialiasing, true);
    }
    ~Smooth() { m_p.restore(); }
    Smooth(const Smooth &) = delete;
    Smooth &operator=(const Smooth &) = delete;

private:
    QPainter &m_p;
};

void triangle(QPainter &p, QPointF tip, QPointF u, qreal length, qreal halfWidth, bool filled) {
    const QPointF base = tip - u * length;
    const QPointF n = normal(u);
    const QPolygonF poly{tip, base + n * halfWidth, base - n * halfWidth};
    Smooth smooth(p);
    if (filled) {
        p.setPen(Qt::NoPen);
        p.setBrush(draw::Black);
    } else {
        p.setPen(QPen(draw::Black, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(draw::PageGrey);
    }
    p.drawPolygon(poly);
}

// Half the extent of a cathode bar across the leads: an outline triangle's
// corners stand half a pixel further out.
qreal barHalf(const Shape &s) {
    return s.halfWidth + (s.filled ? 0.0 : 0.5);
}

} // namespace

void background(QPainter &p, int width, int height) {
    draw::fill(p, 0, 0, width, height, draw::PageGrey);
}

// --- wires and lines -------------------------------------------------------

void wire(QPainter &p, QPoint a, QPoint b, const QColor &c) {
    draw::fillSpan(p, qMin(a.x(), b.x()), qMin(a.y(), b.y()), qMax(a.x(), b.x()) + 1,
                   qMax(a.y(), b.y()) + 1, c);
}

void wirePath(QPainter &p, std::initializer_list<QPoint> nodes, const QColor &c) {
    const QPoint *prev = nullptr;
    for (const QPoint &n : nodes) {
        if (prev)
            wire(p, *prev, n, c);
        prev = &n;
    }
}

void junction(QPainter &p, QPoint node, const QColor &c) {
    Smooth smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(centre(node), 3.0, 3.0);
}

void terminal(QPainter &p, QPoint node) {
    Smooth smooth(p);
    p.setPen(QPen(draw::Black, 1.5));
    p.setBrush(draw::PageGrey);
    p.drawEllipse(centre(node), 2.75, 2.75);
}

void thinLine(QPainter &p, QPoint a, QPoint b, const QColor &c) {
    draw::fillSpan(p, qMin(a.x(), b.x()), qMin(a.y(), b.y()), qMax(a.x(), b.x()),
                   qMax(a.y(), b.y()), c);
}

void slantLine(QPainter &p, QPointF a, QPointF b, qreal width, const QColor &c) {
    Smooth smooth(p);
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(a, b);
}

// --- arrows ----------------------------------------------------------------

void arrowHead(QPainter &p, QPointF tip, QPointF direction, const QColor &c, qreal length,
               qreal halfWidth) {
    const qreal norm = std::hypot(direction.x(), direction.y());
    if (norm <= 0)
        return;
    const QPointF u = direction / norm;
    const QPointF base = tip - u * length;
    const QPointF n = normal(u);
    Smooth smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygonF{tip, base + n * halfWidth, base - n * halfWidth});
}

void arrowHead(QPainter &p, QPointF tip, Dir dir, const QColor &c, qreal length, qreal halfWidth) {
    arrowHead(p, tip, unit(dir), c, length, halfWidth);
}

void currentArrow(QPainter &p, QPoint node, Dir dir, const QColor &c) {
    arrowHead(p, centre(node), dir, c, 8, 4);
}

namespace {
constexpr qreal VoltageHeadLength = 6;
constexpr qreal VoltageHeadHalfWidth = 3.5;
} // namespace

void voltageArrowV(QPainter &p, int x, int from, int to, const QColor &c) {
    const bool up = to < from;
    const qreal tipY = up ? to : to + 1;
    const int headEnd = up ? to + int(VoltageHeadLength) - 1 : to - int(VoltageHeadLength) + 1;
    draw::fillSpan(p, x, qMin(from, headEnd), x, qMax(from, headEnd), c);
    arrowHead(p, QPointF(x + 0.5, tipY), up ? Dir::Up : Dir::Down, c, VoltageHeadLength,
              VoltageHeadHalfWidth);
}

void voltageArrowH(QPainter &p, int y, int from, int to, const QColor &c) {
    const bool left = to < from;
    const qreal tipX = left ? to : to + 1;
    const int headEnd = left ? to + int(VoltageHeadLength) - 1 : to - int(VoltageHeadLength) + 1;
    draw::fillSpan(p, qMin(from, headEnd), y, qMax(from, headEnd), y, c);
    arrowHead(p, QPointF(tipX, y + 0.5), left ? Dir::Left : Dir::Right, c, VoltageHeadLength,
              VoltageHeadHalfWidth);
}

// --- semiconductors --------------------------------------------------------

void diode(QPainter &p, QPointF c, Dir dir, const Shape &s) {
    const QPointF u = unit(dir);
    const QPointF n = normal(u);
    const QPointF tip = c + u * (s.length / 2);
    triangle(p, tip, u, s.length, s.halfWidth, s.filled);
    const qreal half = barHalf(s);
    fillLocal(p, tip, u, n, -s.stroke / 2, s.stroke / 2, -half, half, draw::Black);
}

void zener(QPainter &p, QPointF c, Dir dir, const Shape &s) {
    diode(p, c, dir, s);
    const QPointF u = unit(dir);
    const QPointF n = normal(u);
    const QPointF tip = c + u * (s.length / 2);
    const qreal half = barHalf(s);
    const qreal bend = qMax<qreal>(3, s.halfWidth / 2);
    // one end bends back towards the anode, the other away from it
    fillLocal(p, tip, u, n, -bend, s.stroke / 2, half - s.stroke, half, draw::Black);
    fillLocal(p, tip, u, n, -s.stroke / 2, bend, -half, -half + s.stroke, draw::Black);
}

QPointF thyristor(QPainter &p, QPointF c, Dir dir, Dir gateSide, qreal slant, const Shape &s) {
    diode(p, c, dir, s);
    const QPointF u = unit(dir);
    const QPointF g = unit(gateSide);
    const QPointF start = c + u * (s.length / 2) + g * (barHalf(s) - s.stroke / 2);
    const QPointF end = start + g * std::abs(slant) + u * slant;
    slantLine(p, start, end, s.stroke);
    return end;
}

QPointF triac(QPainter &p, QPointF c, qreal slant, const Shape &s) {
    const qreal left = c.x() - s.length / 2;
    const qreal right = c.x() + s.length / 2;
    const qreal h = s.halfWidth;
    triangle(p, QPointF(right, c.y() - h), {1, 0}, s.length, h, s.filled);
    triangle(p, QPointF(left, c.y() + h), {-1, 0}, s.length, h, s.filled);
    const qreal half = 2 * h + (s.filled ? 0.0 : 0.5);
    for (const qreal x : {left, right})
        fillBetween(p, QPointF(x - s.stroke / 2, c.y() - half),
                    QPointF(x + s.stroke / 2, c.y() + half), draw::Black);
    const QPointF start(right, c.y() + half - s.stroke / 2);
    const QPointF end = start + QPointF(slant, slant);
    slantLine(p, start, end, s.stroke);
    return end;
}

NpnLeads npn(QPainter &p, QPointF barTop, qreal barLength, qreal reach, qreal stroke) {
    const qreal x = barTop.x();
    const qreal top = barTop.y();
    fillBetween(p, QPointF(x - stroke / 2, top), QPointF(x + stroke / 2, top + barLength),
                draw::Black);
    const qreal rise = reach * 0.8;
    const QPointF cStart(x + stroke / 2, top + barLength * 0.3);
    const QPointF eStart(x + stroke / 2, top + barLength * 0.7);
    const QPointF cEnd(x + reach, cStart.y() - rise);
    const QPointF eEnd(x + reach, eStart.y() + rise);
    slantLine(p, cStart, cEnd, stroke);
    slantLine(p, eStart, eEnd, stroke);
    const QPointF along = eEnd - eStart;
    const qreal headLength = qMax<qreal>(5, reach * 0.65);
    arrowHead(p, eStart + along * 0.9, along, draw::Black, headLength, headLength * 0.5);
    return {QPointF(x - stroke / 2, top + barLength / 2), cEnd, eEnd};
}

// --- other components ------------------------------------------------------

namespace {
constexpr qreal PlateThin = 2, PlateThick = 4, PlateGap = 4;
constexpr qreal PlateLongHalf = 10, PlateShortHalf = 5;
} // namespace

void battery(QPainter &p, QPointF c, Dir plus) {
    const QPointF u = unit(plus);
    const QPointF n = normal(u);
    const qreal total = PlateThin + PlateGap + PlateThick;
    const qreal thinEnd = total / 2;
    const qreal gapEnd = thinEnd - PlateThin;
    const qreal thickEnd = gapEnd - PlateGap;
    fillLocal(p, c, u, n, gapEnd, thickEnd, -1, 1, draw::PageGrey);
    fillLocal(p, c, u, n, gapEnd, thinEnd, -PlateLongHalf, PlateLongHalf, draw::Black);
    fillLocal(p, c, u, n, -thinEnd, thickEnd, -PlateShortHalf, PlateShortHalf, draw::Black);
}

void switchK(QPainter &p, QPoint left, QPoint right, bool closed, const QColor &blade) {
    const QPointF a = centre(left);
    const QPointF b = centre(right);
    fillBetween(p, QPointF(a.x(), a.y() - 1), QPointF(b.x(), b.y() + 1),
                closed ? blade : draw::PageGrey);
    if (!closed) {
        // the blade, as long as the gap, hangs about 30 degrees below the wire
        const qreal length = b.x() - a.x();
        const QPointF end(b.x() - length * 0.87, b.y() + length * 0.5);
        slantLine(p, b, end, 2, blade);
    }
    junction(p, left);
    junction(p, right);
}

void resistor(QPainter &p, QPointF c, bool vertical, int length, int width) {
    const int w = vertical ? width : length;
    const int h = vertical ? length : width;
    const int x = qRound(c.x() - w / 2.0);
    const int y = qRound(c.y() - h / 2.0);
    draw::fill(p, x, y, w, h, draw::Black);
    draw::fill(p, x + 1, y + 1, w - 2, h - 2, draw::PageGrey);
}

void ground(QPainter &p, QPoint node) {
    const int cx = node.x() + 1;
    const int y = node.y() + 4;
    draw::fillSpan(p, node.x(), node.y(), node.x() + 1, y - 1, draw::Black);
    draw::fillSpan(p, cx - 7, y, cx + 6, y + 1, draw::Black);
    draw::fillSpan(p, cx - 4, y + 3, cx + 3, y + 4, draw::Black);
    draw::fillSpan(p, cx - 1, y + 6, cx, y + 7, draw::Black);
}

void acSource(QPainter &p, QPointF c, qreal radius) {
    Smooth smooth(p);
    p.setPen(QPen(draw::Black, 1.5));
    p.setBrush(draw::PageGrey);
    p.drawEllipse(c, radius, radius);
    // one period of a sine across the middle of the circle
    QPolygonF wave;
    const qreal w = radius * 0.6;
    const qreal a = radius * 0.35;
    for (int i = 0; i <= 24; ++i) {
        const qreal t = i / 24.0;
        wave << QPointF(c.x() - w + 2 * w * t, c.y() - a * std::sin(2 * M_PI * t));
    }
    p.setPen(QPen(draw::Black, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(wave);
}

void motor(QPainter &p, QPointF c, qreal radius) {
    {
        Smooth smooth(p);
        p.setPen(QPen(draw::Black, 1.5));
        p.setBrush(draw::PageGrey);
        p.drawEllipse(c, radius, radius);
    }
    textCentred(p, qRound(c.x()), qRound(c.y() - 6.5), QStringLiteral("M"), draw::Black,
                fonts::Pt8_25);
}

void winding(QPainter &p, const QRect &r) {
    draw::fill(p, r.x(), r.y(), r.width(), r.height(), draw::Black);
    draw::fill(p, r.x() + 1, r.y() + 1, r.width() - 2, r.height() - 2, draw::DarkGrey);
}

void coil(QPainter &p, QPointF top, int loops, qreal loopHeight, qreal bulge, Dir side,
          qreal stroke) {
    Smooth smooth(p);
    p.setPen(QPen(draw::Black, stroke, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    const bool right = side == Dir::Right;
    for (int i = 0; i < loops; ++i) {
        const QRectF box(top.x() - bulge, top.y() + i * loopHeight, 2 * bulge, loopHeight);
        p.drawArc(box, 90 * 16, (right ? -180 : 180) * 16);
    }
}

void core(QPainter &p, int x, int y1, int y2) {
    thinLine(p, QPoint(x, y1), QPoint(x, y2));
    thinLine(p, QPoint(x + 3, y1), QPoint(x + 3, y2));
}

void polarityDot(QPainter &p, QPointF c, qreal radius) {
    Smooth smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(draw::Black);
    p.drawEllipse(c, radius, radius);
}

// --- labels ----------------------------------------------------------------

void text(QPainter &p, int x, int y, const QString &s, const QColor &c, int pixelSize) {
    draw::label(p, x, y, s, c, pixelSize);
}

namespace {
int advance(const QString &s, int pixelSize) {
    return QFontMetrics(fonts::font(pixelSize)).horizontalAdvance(s);
}
} // namespace

void textCentred(QPainter &p, int cx, int y, const QString &s, const QColor &c, int pixelSize) {
    draw::label(p, cx - advance(s, pixelSize) / 2, y, s, c, pixelSize);
}

void textRight(QPainter &p, int right, int y, const QString &s, const QColor &c, int pixelSize) {
    draw::label(p, right - advance(s, pixelSize), y, s, c, pixelSize);
}

} // namespace art::symbols
