#include "toolkit/Twips.h"

#include <QWidget>

namespace tk {

void Scaled::setZoom(double zoom, QPoint offset) {
    QWidget &widget = scaledWidget();
    widget.setGeometry(m_place.toPixels(zoom).translated(offset));
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    zoomChanged();
    widget.update();
}

} // namespace tk
