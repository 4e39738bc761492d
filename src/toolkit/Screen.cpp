#include "toolkit/Screen.h"
#include "toolkit/Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace tk {

QSize screenSizeTwips() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->size() : QSize(800, 600);
    return size * TwipsPerPixel;
}

QRect availableAreaTwips() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    return QRect(area.topLeft() * TwipsPerPixel, area.size() * TwipsPerPixel);
}

} // namespace tk
