#pragma once

// Helpers of the shaded illustrations: gradients, polygons and soft shadows.

#include <QColor>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

#include <initializer_list>
#include <utility>

class QPainter;

namespace art::illustration {

using Stops = std::initializer_list<std::pair<qreal, QColor>>;

/// A linear gradient from \a from to \a to through the given stops.
QLinearGradient gradient(QPointF from, QPointF to, Stops stops);

/// The closed path of a polygon.
QPainterPath polygonPath(const QPolygonF &poly);

/// A blurred shadow of a shape: full strength inside, fading out over \a blur
/// pixels around it.
void softShadow(QPainter &p, const QPainterPath &shape, qreal blur, int alpha);
void softShadow(QPainter &p, const QPolygonF &poly, qreal blur, int alpha);

} // namespace art::illustration
