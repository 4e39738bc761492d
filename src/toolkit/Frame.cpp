#include "toolkit/Frame.h"
#include "toolkit/ColourScheme.h"

namespace tk {

Frame::Frame(QWidget *parent, const QString &name, Tw place, Kind kind)
    : QWidget(parent), Scaled(place), m_kind(kind) {
    setObjectName(name);
    setGeometry(place.toPixels());
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
}

bool Frame::isInsideInert(const QWidget *widget) {
    for (const QWidget *w = widget ? widget->parentWidget() : nullptr; w; w = w->parentWidget()) {
        if (const auto *frame = qobject_cast<const Frame *>(w); frame && frame->isInert())
            return true;
    }
    return false;
}

} // namespace tk
