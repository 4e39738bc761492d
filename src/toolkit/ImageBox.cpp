#include "toolkit/ImageBox.h"

#include <QPainter>

namespace tk {

ImageBox::ImageBox(QWidget *parent, const QString &name, Tw place, art::Picture picture,
                   const QString &tooltip, Fit fit)
    : QWidget(parent), m_picture(picture), m_fit(fit) {
    setObjectName(name);
    setGeometry(place.toPixels());
    setFocusPolicy(Qt::NoFocus);
    if (!tooltip.isEmpty())
        setToolTip(tooltip);
    setAccessibleName(tooltip.isEmpty() ? art::title(picture) : tooltip);
    setAccessibleDescription(art::description(picture));
}

void ImageBox::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    if (m_fit == Fit::Natural) {
        const qreal ratio = devicePixelRatioF();
        if (m_pixmap.isNull() || m_pixmap.devicePixelRatio() != ratio)
            m_pixmap = art::pixmap(m_picture, ratio);
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
        const QSize natural = art::size(m_picture);
        p.scale(qreal(width()) / natural.width(), qreal(height()) / natural.height());
        art::paint(m_picture, p);
    }
    painter.drawPixmap(QPoint(0, 0), m_pixmap);
}

void ImageBox::hideEvent(QHideEvent *) {
    m_pixmap = QPixmap(); // a hidden picture holds no memory; drawn again when shown
}

} // namespace tk
