#include "ImageBox.h"

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
    setAccessibleName(tooltip.isEmpty() ? art::description(picture) : tooltip);
    setAccessibleDescription(art::description(picture));
}

void ImageBox::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    if (m_fit == Fit::Natural) {
        painter.drawPixmap(QPoint(0, 0), art::pixmap(m_picture, devicePixelRatioF()));
        return;
    }
    // Stretched: the drawing itself is painted at the box's size, so it stays sharp.
    const qreal ratio = devicePixelRatioF();
    if (m_stretched.isNull() || m_stretched.devicePixelRatio() != ratio ||
        m_stretched.deviceIndependentSize() != QSizeF(size())) {
        m_stretched = QPixmap(size() * ratio);
        m_stretched.setDevicePixelRatio(ratio);
        m_stretched.fill(Qt::transparent);
        QPainter p(&m_stretched);
        p.setRenderHint(QPainter::Antialiasing);
        const QSize natural = art::size(m_picture);
        p.scale(qreal(width()) / natural.width(), qreal(height()) / natural.height());
        art::paint(m_picture, p);
    }
    painter.drawPixmap(QPoint(0, 0), m_stretched);
}

} // namespace tk
