#pragma once

// Small drawing helpers shared by the painters. Coordinates are logical
// pixels; filled rectangles land exactly on the pixel grid at 100 % and cover
// whole device pixels at any larger scale.

#include "fonts/Fonts.h"
#include "palette/Palette.h"

#include <QColor>
#include <QPainter>
#include <QString>

namespace art::draw {

using namespace ::palette; // the course's named colours

/// Fills the pixels x..x+w-1, y..y+h-1.
inline void fill(QPainter &p, int x, int y, int w, int h, const QColor &c) {
    p.fillRect(QRect(x, y, w, h), c);
}

/// Fills the pixels from (x1, y1) to (x2, y2), both corners included.
inline void fillSpan(QPainter &p, int x1, int y1, int x2, int y2, const QColor &c) {
    p.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), c);
}

/// Prints \a text with the top of its line box at y and its left at x.
inline void label(QPainter &p, int x, int y, const QString &text, const QColor &c,
                  int pixelSize = fonts::Pt8_25, bool bold = false, bool italic = false) {
    p.save();
    p.setFont(fonts::font(pixelSize, bold, italic));
    p.setPen(c);
    p.drawText(QPointF(x, y + p.fontMetrics().ascent()), text);
    p.restore();
}

} // namespace art::draw
