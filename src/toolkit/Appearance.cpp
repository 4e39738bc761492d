#include "toolkit/Appearance.h"
#include "toolkit/ColourScheme.h"

#include "palette/Palette.h"

namespace tk {

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
