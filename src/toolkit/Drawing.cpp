#include "toolkit/Drawing.h"

#include <QPainter>

namespace tk {

QPixmap Drawing::pixmap(qreal devicePixelRatio) const {
    if (render)
        return render(devicePixelRatio);
    QPixmap pm(size * devicePixelRatio);
    pm.setDevicePixelRatio(devicePixelRatio);
    pm.fill(Qt::transparent);
    if (paint) {
        QPainter p(&pm);
        paint(p);
    }
    return pm;
}

} // namespace tk
