#include "toolkit/PlotSurface.h"
#include "palette/Palette.h"
#include "toolkit/ColourScheme.h"
#include "toolkit/PageWindow.h"

#include "fonts/Fonts.h"

#include <QAccessible>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tk {

PlotSurface::PlotSurface(QWidget *parent, const QString &name, Tw place,
                         std::optional<Drawing> background, const QString &tooltip)
    : QWidget(parent), Scaled(place), m_background(std::move(background)),
      m_foreground(palette::WindowText) {
    setObjectName(name);
    setGeometry(place.toPixels());
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(fonts::font(fonts::Pt8_25));
    if (m_background)
        setAccessibleDescription(m_background->description);
    if (!tooltip.isEmpty())
        setToolTip(tooltip);
    setAccessibleName(!tooltip.isEmpty() ? tooltip : m_background ? m_background->title : name);
}

QRect PlotSurface::deviceRect(int x, int y, int w, int h) const {
    // The device pixels that Qt itself gives a logical rectangle when it
    // repaints it (its edges rounded to the nearest device pixel), so that
    // the repaint of a drawing covers every device pixel the drawing changed.
    const int left = qRound(x * m_ratio);
    const int top = qRound(y * m_ratio);
    const int right = qRound((x + w) * m_ratio);
    const int bottom = qRound((y + h) * m_ratio);
    return QRect(left, top, right - left, bottom - top);
}

void PlotSurface::ensureLayer() const {
    const qreal ratio = drawingRatio();
    if (!m_layer.isNull() && ratio == m_ratio && m_layer.size() == unscaledSize() * ratio)
        return;
    QImage layer(unscaledSize() * ratio, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    // Its pixels are device pixels: painted at the origin, one to one.
    layer.setDevicePixelRatio(ratio);
    m_ratio = ratio;
    m_layer = std::move(layer);
    // The drawings are made again, in their order, at a new ratio (lines
    // keep whole pixel blocks, prints are drawn for the new pixels) and
    // after the surface was hidden.
    for (const Stroke &stroke : m_strokes)
        rasterise(stroke);
}

void PlotSurface::rasterise(const Stroke &stroke) const {
    if (!stroke.print) {
        const int dx = std::abs(stroke.x2 - stroke.x1);
        const int dy = -std::abs(stroke.y2 - stroke.y1);
        const int sx = stroke.x1 < stroke.x2 ? 1 : -1;
        const int sy = stroke.y1 < stroke.y2 ? 1 : -1;
        int err = dx + dy;
        int x = stroke.x1;
        int y = stroke.y1;
        const QRgb rgb = shown(stroke.rgb, TraceContrast).rgba();
        while (x != stroke.x2 || y != stroke.y2) { // the last point is left out
            plot(x, y, rgb, stroke.depth);
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y += sy;
            }
        }
        return;
    }
    QPainter p(&m_layer);
    // Whole pixels only, so that printing a text again over itself changes nothing.
    const Print &print = m_prints[std::size_t(stroke.x2)];
    QFont crisp = print.font;
    crisp.setStyleStrategy(QFont::NoAntialias);
    p.setFont(crisp);
    p.setPen(shown(stroke.rgb, TextContrast));
    p.drawText(QPoint(stroke.x1, stroke.y1), print.text);
}

void PlotSurface::plot(int x, int y, QRgb rgb, Depth depth) const {
    if (x < 0 || y < 0 || x >= unscaledSize().width() || y >= unscaledSize().height())
        return;
    const QRect r = deviceRect(x, y, 1, 1) & m_layer.rect();
    if (r.isEmpty() || (depth == Depth::Beneath && qAlpha(m_layer.pixel(r.topLeft())) != 0))
        return;
    for (int row = r.top(); row <= r.bottom(); ++row) {
        auto *line = reinterpret_cast<QRgb *>(m_layer.scanLine(row));
        for (int col = r.left(); col <= r.right(); ++col)
            line[col] = rgb;
    }
}

QColor PlotSurface::shown(QRgb rgb, double ratio) const {
    const PageWindow *page = PageWindow::of(this);
    const QColor colour = QColor::fromRgba(rgb);
    return page ? page->session().appearance().shown(colour, ratio) : colour;
}

void PlotSurface::redraw() {
    m_layer = QImage(); // made again, in the colours shown now, when next painted
    update();
}

void PlotSurface::setBeingDrawn(bool drawing) {
    if (drawing == m_beingDrawn)
        return;
    m_beingDrawn = drawing;
    QAccessible::State busy;
    busy.busy = true;
    QAccessibleStateChangeEvent changed(this, busy);
    QAccessible::updateAccessibility(&changed);
}

void PlotSurface::drawLine(int x1, int y1, int x2, int y2, const QColor &colour, Depth depth) {
    if (x1 == x2 && y1 == y2)
        return;
    ensureLayer();
    m_strokes.push_back(Stroke{x1, y1, x2, y2, colour.rgba() | 0xff000000u, depth, false});
    rasterise(m_strokes.back());
    updateDrawing(QRect(QPoint(qMin(x1, x2), qMin(y1, y2)), QPoint(qMax(x1, x2), qMax(y1, y2))));
}

void PlotSurface::updateDrawing(const QRect &rect) {
    if (zoom() == 1.0) {
        update(rect);
        return;
    }
    // The device pixels of the drawing's rectangle, in the widget's logical
    // pixels, rounded outwards.
    const QRect device = deviceRect(rect.x(), rect.y(), rect.width(), rect.height());
    const qreal ratio = devicePixelRatioF();
    update(QRectF(device.x() / ratio, device.y() / ratio, device.width() / ratio,
                  device.height() / ratio)
               .toAlignedRect()
               .adjusted(-1, -1, 1, 1));
}

void PlotSurface::zoomChanged() {
    m_backgroundPixmap = QPixmap();
    m_backgroundImage = QImage();
    m_layer = QImage(); // drawn again at the new ratio when needed
}

const QImage &PlotSurface::drawings() const {
    if (!m_strokes.empty())
        ensureLayer();
    return m_layer;
}

void PlotSurface::setDrawingPosition(int x, int y) {
    m_position = QPoint(x, y);
}

void PlotSurface::print(const QString &text) {
    fonts::registerFor(font());
    ensureLayer();
    const QFontMetrics metrics(font());
    m_prints.push_back(Print{text, font()});
    m_strokes.push_back(Stroke{m_position.x(), m_position.y() + metrics.ascent(),
                               int(m_prints.size() - 1), 0, m_foreground.rgba(), Depth::Over,
                               true});
    rasterise(m_strokes.back());
    // Glyphs do not keep to the logical pixel grid: a pixel more all round.
    updateDrawing(QRect(m_position, QSize(metrics.horizontalAdvance(text), metrics.height()))
                      .adjusted(-1, -1, 2, 2));
    m_position = QPoint(0, m_position.y() + metrics.height());
}

void PlotSurface::clear() {
    m_layer = QImage(); // made again by the next drawing
    m_strokes.clear();
    m_prints.clear();
    update();
}

void PlotSurface::hideEvent(QHideEvent *) {
    m_backgroundPixmap = QPixmap(); // drawn again when shown
    // A hidden surface keeps its strokes only: the drawings are made again
    // from them, the same to the pixel, when shown, read or drawn on.
    m_layer = QImage();
}

QColor PlotSurface::pixelColour(int x, int y) const {
    QColor under = palette::PageGrey;
    if (m_background) {
        if (m_backgroundImage.isNull() || m_backgroundImage.devicePixelRatio() != m_ratio)
            m_backgroundImage = m_background->pixmap(m_ratio).toImage();
        const QImage &bg = m_backgroundImage;
        const QPoint d = deviceRect(x, y, 1, 1).topLeft();
        if (bg.rect().contains(d))
            under = bg.pixelColor(d);
    }
    const QImage &drawn = drawings();
    if (drawn.isNull())
        return under;
    const QPoint d = deviceRect(x, y, 1, 1).topLeft();
    if (!drawn.rect().contains(d))
        return under;
    const QRgb over = drawn.pixel(d);
    const int a = qAlpha(over);
    if (a == 255)
        return QColor::fromRgb(over);
    if (a == 0)
        return under;
    // Premultiplied: over + under * (1 - a)
    const auto mix = [a](int o, int u) { return o + u * (255 - a) / 255; };
    return QColor(mix(qRed(over), under.red()), mix(qGreen(over), under.green()),
                  mix(qBlue(over), under.blue()));
}

bool PlotSurface::isDrawnAt(int x, int y) const {
    const QImage &drawn = drawings();
    if (drawn.isNull())
        return false;
    const QPoint d = deviceRect(x, y, 1, 1).topLeft();
    return drawn.rect().contains(d) && qAlpha(drawn.pixel(d)) != 0;
}

void PlotSurface::paintForPrint(QPainter &painter) const {
    // The surface as it shows at a device pixel ratio k times the drawings'
    // own, k whole and large enough for paper: the background painted anew
    // at that ratio, each pixel of the drawings a block of k x k dots. Laid
    // as one picture, neither smoothed nor compressed with losses, so that a
    // reader that enlarges it further blurs no more than the edge of a dot.
    const QImage &drawn = drawings();
    const qreal own = drawn.isNull() ? devicePixelRatioF() : drawn.devicePixelRatio();
    const int k = std::max(1, int(std::ceil(printRatio(painter) / own)));
    const qreal ratio = own * k;
    QImage surface(unscaledSize() * ratio, QImage::Format_RGB32);
    surface.setDevicePixelRatio(ratio);
    surface.fill(palette::PageGrey);
    {
        QPainter p(&surface);
        if (m_background)
            p.drawPixmap(QPoint(0, 0), m_background->pixmap(ratio));
        if (!drawn.isNull()) {
            QImage blocks =
                drawn.scaled(drawn.size() * k, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            blocks.setDevicePixelRatio(ratio);
            p.drawImage(QPoint(0, 0), blocks);
        }
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(QRectF(rect()), surface, QRectF(surface.rect()));
}

void PlotSurface::paintEvent(QPaintEvent *) {
    // The background and the drawings are painted whole, one device pixel to
    // one, clipped to the region being repainted: a partial repaint gives
    // exactly the pixels of a full one, also at fractional scales, where a
    // logical pixel does not fill whole device pixels and a repainted
    // rectangle takes in parts of its neighbours.
    QPainter painter(this);
    if (paintsForPrint(painter)) {
        paintForPrint(painter);
        return;
    }
    painter.fillRect(rect(), palette::PageGrey);
    const qreal screenRatio = devicePixelRatioF();
    // Device pixels painted one to one: at the course's scale, an image of
    // drawingRatio() pixels to a pixel of the drawing covers the widget.
    const auto oneToOne = [screenRatio](QSize pixels) {
        return QRectF(QPointF(0, 0), QSizeF(pixels) / screenRatio);
    };
    if (m_background) {
        const qreal ratio = drawingRatio();
        if (m_backgroundPixmap.isNull() || m_backgroundPixmap.devicePixelRatio() != ratio)
            m_backgroundPixmap = m_background->pixmap(ratio);
        if (zoom() == 1.0)
            painter.drawPixmap(QPoint(0, 0), m_backgroundPixmap);
        else
            painter.drawPixmap(oneToOne(m_backgroundPixmap.size()), m_backgroundPixmap,
                               QRectF(m_backgroundPixmap.rect()));
    }
    const QImage &drawn = drawings();
    if (drawn.isNull())
        return; // nothing drawn yet: the layer is made by the first drawing
    if (zoom() == 1.0)
        painter.drawImage(QPointF(0, 0), drawn);
    else
        painter.drawImage(oneToOne(drawn.size()), drawn, QRectF(drawn.rect()));
}

} // namespace tk
