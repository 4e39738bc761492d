#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <functional>

class QPainter;

namespace tk {

/// \brief A picture as the toolkit shows it: its size, how it is painted,
/// and what it is and shows, for screen readers. The toolkit knows nothing
/// more of it.
struct Drawing {
    QSize size;                            ///< in logical pixels
    std::function<void(QPainter &)> paint; ///< from the origin, in logical pixels
    /// A rendering for a device pixel ratio made ready elsewhere, if any.
    std::function<QPixmap(qreal)> render;
    QString title;       ///< what it is, in a few words
    QString description; ///< what it shows and teaches

    /// \brief The drawing for a device pixel ratio: the ready-made one, else
    /// painted anew for that ratio (never an upscaled bitmap).
    QPixmap pixmap(qreal devicePixelRatio) const;
};

} // namespace tk
