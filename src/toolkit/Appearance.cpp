#include "toolkit/Appearance.h"
#include "toolkit/ColourScheme.h"

#include "palette/Palette.h"

#include <cmath>

namespace tk {

double zoomStepAbove(double zoom) {
    return std::floor(zoom / ZoomStep + 1e-9) * ZoomStep + ZoomStep;
}

double zoomStepBelow(double zoom) {
    return std::ceil(zoom / ZoomStep - 1e-9) * ZoomStep - ZoomStep;
}

double largestFitting(double wanted, double least, const std::function<bool(double)> &fits) {
    double zoom = wanted;
    while (zoom > least && !fits(zoom))
        zoom = zoomStepBelow(zoom);
    return std::max(zoom, least);
}

QColor Appearance::shown(const QColor &colour, double ratio) const {
    if (!m_highContrast)
        return colour;
    const quint64 key = quint64(colour.rgba()) << 8 | quint64(qRound(ratio * 10));
    auto found = m_shown.constFind(key);
    if (found == m_shown.cend())
        found = m_shown.insert(key, withContrast(colour, palette::PageGrey, ratio).rgba());
    return QColor::fromRgba(*found);
}

} // namespace tk
