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

QPixmap ImageBox::drawn(qreal ratio) const {
    if (m_fit == Fit::Natural) {
        // Drawn anew for the device pixels it covers at the course's scale.
        QPixmap pm = m_drawing.pixmap(ratio * zoom());
        pm.setDevicePixelRatio(ratio);
        return pm;
    }
    // Stretched: the drawing itself is painted at the box's size, so it stays sharp.
    QPixmap pm(size() * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QSize natural = m_drawing.size;
    p.scale(qreal(width()) / natural.width(), qreal(height()) / natural.height());
    m_drawing.paint(p);
    return pm;
}

void ImageBox::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    if (paintsForPrint(painter)) {
        // On paper, the drawing painted anew for the paper's resolution, not
        // the screen's pixmap enlarged; and painted as a picture rather than
        // as vectors, which Qt's PDF writer would make wrong wherever a
        // gradient fades out (its transparent stops come out opaque).
        painter.setRenderHint(QPainter::LosslessImageRendering);
        painter.drawPixmap(QPoint(0, 0), drawn(printRatio(painter)));
        return;
    }
    const qreal ratio = devicePixelRatioF();
    if (m_pixmap.isNull() || m_pixmap.devicePixelRatio() != ratio ||
        (m_fit == Fit::Stretch && m_pixmap.deviceIndependentSize() != QSizeF(size())))
        m_pixmap = drawn(ratio);
    painter.drawPixmap(QPoint(0, 0), m_pixmap);
}

void ImageBox::hideEvent(QHideEvent *) {
    m_pixmap = QPixmap(); // a hidden picture holds no memory; drawn again when shown
}

} // namespace tk
