// The icons, in the sixteen colours of the classic palette. Each has a 32-pixel
// design and a simplified 16-pixel one. Drawn at their own size they are
// aliased, pixel for pixel; drawn larger (desktop sizes, high-resolution
// screens) the same shapes are painted smooth.

#include "art/Painters.h"
#include "palette/Palette.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <functional>

namespace art::painters {
namespace {

namespace pal {
using namespace ::palette; // the sixteen colours of an icon
} // namespace pal

// Whether the design is being painted well above its own size.
bool large(const QPainter &p) {
    const QTransform t = p.deviceTransform();
    return qHypot(t.m11(), t.m12()) > 1.4;
}

// Sets up the painter for an icon: aliased at its own size, smooth when large.
void begin(QPainter &p) {
    p.setRenderHint(QPainter::Antialiasing, large(p));
    p.setBrush(Qt::NoBrush);
    p.setPen(Qt::NoPen);
}

// Fills whole design pixels.
void px(QPainter &p, int x, int y, int w, int h, const QColor &c) {
    p.fillRect(QRect(x, y, w, h), c);
}

// A polygon filled with `fill` and outlined one design pixel wide. Vertices
// are given on pixel corners; the outline runs through pixel centres.
void shape(QPainter &p, const QPolygonF &poly, const QColor &fill, const QColor &outline) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPolygon(poly);
    if (outline.isValid()) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(outline, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        // Pull the outline half a pixel inwards, onto the edge pixels.
        const QPointF c = poly.boundingRect().center();
        QPolygonF inner;
        for (const QPointF &v : poly) {
            const QPointF d(v.x() < c.x()   ? 0.5
                            : v.x() > c.x() ? -0.5
                                            : 0,
                            v.y() < c.y()   ? 0.5
                            : v.y() > c.y() ? -0.5
                                            : 0);
            inner << v + d;
        }
        p.drawPolygon(inner);
    }
    p.restore();
}

// A line through the centres of design pixels (x0, y0) and (x1, y1).
void line(QPainter &p, qreal x0, qreal y0, qreal x1, qreal y1, const QColor &c, qreal w = 1) {
    p.save();
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawLine(QPointF(x0 + 0.5, y0 + 0.5), QPointF(x1 + 0.5, y1 + 0.5));
    p.restore();
}

// A curve y = f(x) through pixel centres from x0 to x1: one pixel per column,
// with the columns joined, when aliased; a smooth stroke when large.
void curve(QPainter &p, int x0, int x1, const std::function<qreal(qreal)> &f, const QColor &c,
           qreal smoothWidth = 1.1) {
    if (large(p)) {
        QPainterPath path;
        path.moveTo(x0 + 0.5, f(x0) + 0.5);
        for (qreal x = x0; x <= x1; x += 0.25)
            path.lineTo(x + 0.5, f(x) + 0.5);
        p.strokePath(path, QPen(c, smoothWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        return;
    }
    int previous = qRound(f(x0));
    for (int x = x0; x <= x1; ++x) {
        const int y = qRound(f(x));
        // Join steeper steps with a vertical run shared between the two columns.
        const int mid = (y + previous) / 2;
        if (y > previous + 1) {
            px(p, x - 1, previous + 1, 1, mid - previous, c);
            px(p, x, mid + 1, 1, y - mid - 1, c);
        } else if (y < previous - 1) {
            px(p, x - 1, mid, 1, previous - mid, c);
            px(p, x, y + 1, 1, mid - y - 1, c);
        }
        px(p, x, y, 1, 1, c);
        previous = y;
    }
}

// Paints `half` and its mirror image about the horizontal middle of the design.
void mirrored(QPainter &p, int size, const std::function<void()> &half) {
    half();
    p.save();
    p.translate(0, size);
    p.scale(1, -1);
    half();
    p.restore();
}

} // namespace

// ---------------------------------------------------------------------------
// The bridge: a red suspension bridge with two towers over a grey road with
// yellow centre markings, seen from the side and mirrored below in red.

void bridgeIcon(QPainter &p, int designSize) {
    p.save();
    begin(p);
    if (designSize <= 16) {
        mirrored(p, 16, [&] {
            // Towers, then the cables hung from their tops, then two hangers.
            px(p, 3, 0, 1, 6, pal::Red);
            px(p, 12, 0, 1, 6, pal::Red);
            const int sag[] = {1, 2, 3, 4, 4, 3, 2, 1};
            for (int i = 0; i < 8; ++i)
                px(p, 4 + i, sag[i], 1, 1, pal::Red);
            for (int i = 0; i < 3; ++i) {
                px(p, 2 - i, 1 + i, 1, 1, pal::Red);
                px(p, 13 + i, 1 + i, 1, 1, pal::Red);
            }
            px(p, 5, 3, 1, 3, pal::Maroon);
            px(p, 10, 3, 1, 3, pal::Maroon);
        });
        // The road: a grey deck with its yellow centre line.
        px(p, 0, 6, 16, 4, pal::Grey);
        px(p, 0, 6, 16, 1, pal::Black);
        px(p, 0, 9, 16, 1, pal::Black);
        for (int x = 1; x < 16; x += 4)
            px(p, x, 7, 2, 2, pal::Yellow);
        p.restore();
        return;
    }

    const auto mainCable = [](qreal x) { return 10.5 - 8.5 * qPow((x - 15.5) / 7.5, 2); };
    const auto leftCable = [](qreal x) { return 2 + (7 - x) * 9.0 / 7.5 - 0.06 * x * (7 - x); };
    const auto rightCable = [](qreal x) {
        return 2 + (x - 24) * 9.0 / 7.5 - 0.06 * (31 - x) * (x - 24);
    };
    mirrored(p, 32, [&] {
        // Hangers, from the cables down to the deck.
        for (int x = 11; x <= 20; x += 3) {
            const int top = qRound(mainCable(x)) + 1;
            if (top < 13)
                px(p, x, top, 1, 13 - top, pal::Maroon);
        }
        for (int x : {3, 28}) {
            const int top = qRound(x < 16 ? leftCable(x) : rightCable(x)) + 1;
            if (top < 13)
                px(p, x, top, 1, 13 - top, pal::Maroon);
        }
        // Cables.
        curve(p, 9, 22, mainCable, pal::Red);
        curve(p, 0, 6, leftCable, pal::Red);
        curve(p, 25, 31, rightCable, pal::Red);
        // Towers: two legs joined by a cap, with a broader foot.
        for (int x : {7, 23}) {
            px(p, x - 1, 1, 4, 2, pal::Red);
            px(p, x, 3, 2, 10, pal::Red);
            px(p, x - 1, 11, 4, 2, pal::Red);
            px(p, x + 1, 3, 1, 8, pal::Maroon); // the shaded face of the tower
        }
    });
    // The deck.
    px(p, 0, 13, 32, 6, pal::Grey);
    px(p, 0, 14, 32, 1, pal::Silver);
    for (int x = 1; x < 32; x += 5)
        px(p, x, 15, 3, 2, pal::Yellow);
    px(p, 0, 13, 32, 1, pal::Black);
    px(p, 0, 18, 32, 1, pal::Black);
    p.restore();
}

// ---------------------------------------------------------------------------
// Arrows: black, pointing up ("close K") or down ("open K").

namespace {

void arrowUp(QPainter &p, int designSize) {
    p.save();
    begin(p);
    // Head rows widen by one pixel on each side per row; the shaft is a bar.
    const int apex = designSize <= 16 ? 2 : 4;
    const int rows = designSize <= 16 ? 7 : 12;
    const int half = designSize / 2;
    const int shaft = designSize <= 16 ? 2 : 4;
    const int bottom = designSize <= 16 ? 14 : 29;
    if (large(p)) {
        const QPolygonF arrow({{qreal(half), apex - 0.5},
                               {qreal(half - rows - 0.5), apex + rows + 0.0},
                               {qreal(half - shaft), apex + rows + 0.0},
                               {qreal(half - shaft), qreal(bottom)},
                               {qreal(half + shaft), qreal(bottom)},
                               {qreal(half + shaft), apex + rows + 0.0},
                               {qreal(half + rows + 0.5), apex + rows + 0.0}});
        p.setBrush(pal::Black);
        p.drawPolygon(arrow);
    } else {
        for (int r = 0; r < rows; ++r)
            px(p, half - 1 - r, apex + r, 2 * (r + 1), 1, pal::Black);
        px(p, half - shaft, apex + rows, 2 * shaft, bottom - apex - rows, pal::Black);
    }
    p.restore();
}

} // namespace

void arrowUpIcon(QPainter &p, int designSize) {
    arrowUp(p, designSize);
}

void arrowDownIcon(QPainter &p, int designSize) {
    p.save();
    p.translate(0, designSize);
    p.scale(1, -1);
    arrowUp(p, designSize);
    p.restore();
}

// ---------------------------------------------------------------------------
// The oscilloscope: a grey cabinet, its screen showing a white sine wave over
// a green graticule, and its knobs.

void oscilloscopeIcon(QPainter &p, int designSize) {
    p.save();
    begin(p);
    if (designSize <= 16) {
        px(p, 0, 2, 16, 12, pal::Black);
        px(p, 1, 3, 14, 10, pal::Silver);
        px(p, 1, 3, 14, 1, pal::White);
        px(p, 1, 3, 1, 10, pal::White);
        px(p, 2, 4, 9, 8, pal::Black);
        for (int x : {4, 8})
            px(p, x, 4, 1, 8, pal::Green);
        for (int y : {6, 9})
            px(p, 2, y, 9, 1, pal::Green);
        // One period of the trace, pixel by pixel.
        const QPoint trace[] = {{2, 8}, {3, 7}, {3, 6},  {4, 5}, {5, 6},  {6, 7},
                                {6, 8}, {7, 9}, {8, 10}, {9, 9}, {10, 8}, {10, 7}};
        for (const QPoint &t : trace)
            px(p, t.x(), t.y(), 1, 1, pal::White);
        px(p, 12, 5, 2, 2, pal::Black);
        px(p, 12, 9, 2, 2, pal::Black);
        px(p, 12, 12, 2, 1, pal::Red);
        p.restore();
        return;
    }
    // Cabinet with a raised bevel, and its feet.
    px(p, 2, 27, 4, 2, pal::Black);
    px(p, 26, 27, 4, 2, pal::Black);
    px(p, 0, 4, 32, 24, pal::Black);
    px(p, 1, 5, 30, 22, pal::Silver);
    px(p, 1, 5, 30, 1, pal::White);
    px(p, 1, 5, 1, 22, pal::White);
    px(p, 1, 26, 30, 1, pal::Grey);
    px(p, 30, 5, 1, 22, pal::Grey);
    // Sunken screen bezel.
    px(p, 3, 7, 20, 18, pal::Grey);
    px(p, 4, 8, 19, 17, pal::White);
    px(p, 4, 8, 18, 16, pal::Black);
    // Graticule.
    for (int x = 5; x <= 21; x += 4)
        px(p, x, 9, 1, 14, pal::Green);
    for (int y = 10; y <= 22; y += 4)
        px(p, 5, y, 17, 1, pal::Green);
    px(p, 13, 9, 1, 14, pal::Lime);
    px(p, 5, 16, 17, 1, pal::Lime);
    for (int x = 5; x <= 21; x += 1)
        px(p, x, 16, 1, 1, x % 2 ? pal::Green : pal::Lime);
    // The trace.
    curve(
        p, 5, 21, [](qreal x) { return 16 - 5.5 * qSin((x - 5) * M_PI / 8); }, pal::White, 1.3);
    // Knobs and the power lamp.
    for (int y : {10, 17}) {
        p.setBrush(pal::Grey);
        p.setPen(QPen(pal::Black, 1));
        p.drawEllipse(QRectF(24.5, y - 2.5, 5, 5));
        px(p, 26, y - 1, 1, 1, pal::White);
        px(p, 27, y - 2, 1, 2, pal::Black);
    }
    px(p, 25, 22, 4, 2, pal::Black);
    px(p, 26, 22, 2, 1, pal::Lime);
    p.restore();
}

// ---------------------------------------------------------------------------
// The book: open, two white pages of text on a blue cover.

void bookIcon(QPainter &p, int designSize) {
    p.save();
    begin(p);
    if (designSize <= 16) {
        // Cover, page edges, then the two pages.
        shape(p, QPolygonF({{0, 4}, {8, 6}, {16, 4}, {16, 14}, {8, 16}, {0, 14}}), pal::Blue,
              pal::Navy);
        shape(p, QPolygonF({{1, 3}, {8, 5}, {8, 14}, {1, 12}}), pal::White, pal::Black);
        shape(p, QPolygonF({{8, 5}, {15, 3}, {15, 12}, {8, 14}}), pal::White, pal::Black);
        for (int y : {6, 8, 10}) {
            px(p, 3, y, 3, 1, pal::Grey);
            px(p, 10, y, 3, 1, pal::Grey);
        }
        px(p, 7, 5, 2, 9, pal::Black);
        p.restore();
        return;
    }
    // The blue cover shows under the pages and along their outer edges.
    shape(p, QPolygonF({{0, 8}, {16, 11}, {32, 8}, {32, 28}, {16, 31}, {0, 28}}), pal::Blue,
          pal::Navy);
    // The leaves under the open pages.
    shape(p, QPolygonF({{1, 7}, {16, 10}, {16, 29}, {1, 26}}), pal::Silver, pal::Grey);
    shape(p, QPolygonF({{16, 10}, {31, 7}, {31, 26}, {16, 29}}), pal::Silver, pal::Grey);
    // The open pages.
    shape(p, QPolygonF({{2, 5}, {16, 8}, {16, 27}, {2, 24}}), pal::White, pal::Black);
    shape(p, QPolygonF({{16, 8}, {30, 5}, {30, 24}, {16, 27}}), pal::White, pal::Black);
    // Lines of text, slanting with the pages; a blue heading on the left.
    for (int i = 0; i < 6; ++i) {
        const int y = 10 + 2 * i + (i > 0 ? 1 : 0);
        const QColor ink = i == 0 ? pal::Blue : pal::Grey;
        line(p, 4, y, 13, y + 2, ink);
        if (i != 3)
            line(p, 18, y + 2, 27, y, pal::Grey);
    }
    // A small figure on the right page.
    line(p, 19, 19, 21, 17, pal::Red);
    line(p, 21, 17, 24, 19, pal::Red);
    // The gutter.
    px(p, 15, 8, 2, 20, pal::Grey);
    px(p, 15, 8, 1, 20, pal::Black);
    p.restore();
}

// ---------------------------------------------------------------------------
// The magnifier: a magnifying glass over an open yellow folder.

void magnifierIcon(QPainter &p, int designSize) {
    p.save();
    begin(p);
    if (designSize <= 16) {
        // Folder: the back with its tab, then the front flap, stepped to lean.
        px(p, 0, 3, 11, 12, pal::Black);
        px(p, 1, 4, 9, 10, pal::Olive);
        px(p, 1, 2, 4, 1, pal::Black);
        px(p, 1, 3, 4, 1, pal::Olive);
        px(p, 2, 7, 11, 1, pal::Black);
        for (int y = 8; y <= 13; ++y) {
            const int shift = y < 11 ? 0 : 1;
            px(p, 2 - shift, y, 1, 1, pal::Black);
            px(p, 3 - shift, y, 9, 1, pal::Yellow);
            px(p, 12 - shift, y, 1, 1, pal::Black);
        }
        px(p, 3, 8, 9, 1, pal::White);
        px(p, 0, 14, 12, 1, pal::Black);
        // The handle, two pixels thick along the diagonal, then the glass.
        const QPoint handle[] = {{13, 7}, {13, 8}, {14, 8}, {14, 9}, {15, 9}, {15, 10}};
        for (const QPoint &h : handle)
            px(p, h.x(), h.y(), 1, 1, pal::Black);
        p.setBrush(pal::Aqua);
        p.setPen(QPen(pal::Black, 1));
        p.drawEllipse(QRectF(7.5, 0.5, 7, 7));
        px(p, 9, 2, 2, 1, pal::White);
        px(p, 9, 3, 1, 1, pal::White);
        p.restore();
        return;
    }
    // Folder: the back with its tab, then the front flap, open towards us.
    shape(p, QPolygonF({{1, 7}, {10, 7}, {12, 10}, {25, 10}, {25, 29}, {1, 29}}), pal::Olive,
          pal::Black);
    px(p, 2, 8, 8, 1, pal::Yellow);
    shape(p, QPolygonF({{5, 15}, {29, 15}, {25, 29}, {1, 29}}), pal::Yellow, pal::Black);
    px(p, 5, 16, 23, 1, pal::White);
    // Handle, then the rim and glass of the lens.
    line(p, 24, 19, 29, 24, pal::Black, 3.2);
    line(p, 24, 19, 28, 23, pal::Maroon, 1.2);
    p.setPen(QPen(pal::Black, 1));
    p.setBrush(pal::Grey);
    p.drawEllipse(QRectF(11.5, 2.5, 16, 16));
    p.setBrush(pal::Aqua);
    p.setPen(QPen(pal::Silver, 1));
    p.drawEllipse(QRectF(13.5, 4.5, 12, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::White);
    p.drawEllipse(QRectF(15, 6, 5, 5));
    px(p, 21, 13, 2, 1, pal::Teal);
    px(p, 22, 12, 1, 1, pal::Teal);
    p.restore();
}

} // namespace art::painters
