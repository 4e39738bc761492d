#include "art/IllustrationKit.h"

#include <QPainter>
#include <QPen>

namespace art::illustration {

QLinearGradient gradient(QPointF from, QPointF to, Stops stops) {
    QLinearGradient g(from, to);
    for (const auto &[at, colour] : stops)
        g.setColorAt(at, colour);
    return g;
}

QPainterPath polygonPath(const QPolygonF &poly) {
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

void softShadow(QPainter &p, const QPainterPath &shape, qreal blur, int alpha) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath outside;
    outside.addRect(shape.boundingRect().adjusted(-blur - 2, -blur - 2, blur + 2, blur + 2));
    p.setClipPath(outside.subtracted(shape), Qt::IntersectClip);
    constexpr int Steps = 10;
    const int each = qMax(1, alpha / Steps);
    for (int i = Steps; i >= 1; --i)
        p.strokePath(shape, QPen(QColor(0, 0, 0, each), 2 * blur * i / Steps, Qt::SolidLine,
                                 Qt::RoundCap, Qt::RoundJoin));
    p.restore();
    p.fillPath(shape, QColor(0, 0, 0, alpha));
}

void softShadow(QPainter &p, const QPolygonF &poly, qreal blur, int alpha) {
    softShadow(p, polygonPath(poly), blur, alpha);
}

} // namespace art::illustration
