#include "toolkit/ImageBox.h"

#include <QPainter>

namespace tk {

ImageBox::ImageBox(QWidget *parent, const QString &name, Tw place, Drawing drawing,
                   const QString &tooltip, Fit fit)
    : QWidget(parent), Scaled(place), m_drawing(std::move(drawing)), m_fit(fit) {
    setObjectName(name);
    setGeometry(place.toPixels());
    setFocusPolicy(Qt::NoFocus);
    if (!tooltip.isEmpty())
        setToolTip(tooltip);
    setAccessibleName(tooltip.isEmpty() ? m_drawing.title : tooltip);
    setAccessibleDescription(m_drawing.description);
}

void ImageBox::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    if (m_fit == Fit::Natural) {
        // Drawn anew for the device pixels it covers at the course's scale.
        const qreal ratio = devicePixelRatioF();
        if (m_pixmap.isNull() || m_pixmap.devicePixelRatio() != ratio) {
            m_pixmap = m_drawing.pixmap(ratio * zoom());
            m_pixmap.setDevicePixelRatio(ratio);
        }
        painter.drawPixmap(QPoint(0, 0), m_pixmap);
        return;
    }
    // Stretched: the drawing itself is painted at the box's size, so it stays sharp.
    const qreal ratio = devicePixelRatioF();
    if (m_pixmap.isNull() || m_pixmap.devicePixelRatio() != ratio ||
        m_pixmap.deviceIndependentSize() != QSizeF(size())) {
        m_pixmap = QPixmap(size() * ratio);
        m_pixmap.setDevicePixelRatio(ratio);
        m_pixmap.fill(Qt::transparent);
        QPainter p(&m_pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const QSize natural = m_drawing.size;
        p.scale(qreal(width()) / natural.width(), qreal(height()) / natural.height());
        m_drawing.paint(p);
    }
    painter.drawPixmap(QPoint(0, 0), m_pixmap);
}

void ImageBox::hideEvent(QHideEvent *) {
    m_pixmap = QPixmap(); // a hidden picture holds no memory; drawn again when shown
}

} // namespace tk
