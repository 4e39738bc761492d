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

/// \brief Whether \a painter paints for paper (a PDF file or a printer),
/// where a picture is painted anew for the paper's resolution rather than
/// laid as the pixmap made for the screen.
bool paintsForPrint(const QPainter &painter);

/// \brief The device pixel ratio, whole, at which a picture painted with
/// \a painter has at least PrintDotsPerInch dots an inch on its device.
qreal printRatio(const QPainter &painter);

/// Dots an inch that a picture has at least on paper.
inline constexpr qreal PrintDotsPerInch = 300;

} // namespace tk
