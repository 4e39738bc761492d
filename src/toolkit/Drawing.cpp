#include "toolkit/Drawing.h"

#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>

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

bool paintsForPrint(const QPainter &painter) {
    const QPaintEngine *engine = painter.paintEngine();
    if (!engine)
        return false;
    switch (engine->type()) {
    case QPaintEngine::Pdf:
    case QPaintEngine::MacPrinter:
    case QPaintEngine::Windows: // only printers paint through GDI
        return true;
    default:
        return engine->paintDevice() && engine->paintDevice()->devType() == QInternal::Printer;
    }
}

qreal printRatio(const QPainter &painter) {
    const QTransform toDevice = painter.deviceTransform();
    const qreal dotsPerPixel = std::hypot(toDevice.m11(), toDevice.m12()) /
                               painter.paintEngine()->paintDevice()->logicalDpiX() *
                               PrintDotsPerInch;
    return std::max(1.0, std::ceil(dotsPerPixel));
}

} // namespace tk
