#pragma once

#include <QColor>
#include <QHash>
#include <functional>

namespace tk {

/// The step of the scales that the zoom keys go through: 25 %.
inline constexpr double ZoomStep = 0.25;
/// The steps of ZoomStep just above and just below \a zoom, whatever \a zoom.
double zoomStepAbove(double zoom);
double zoomStepBelow(double zoom);
/// \brief \a wanted if it \a fits, else the largest step below it that
/// does, never below \a least.
double largestFitting(double wanted, double least, const std::function<bool(double)> &fits);

/// \brief How the pages are shown: their scale, full screen or not, and
/// their colours, as the course's or in high contrast.
class Appearance final {
public:
    /// \brief The scale of the pages in a window (1 is 100 %); a page takes
    /// it when it is shown (PageWindow::applyScale() for the page on screen).
    double zoom() const { return m_zoom; }
    void setZoom(double zoom) { m_zoom = zoom; }
    /// \brief Whether the pages are shown full screen, at the largest scale that fits.
    bool fullScreen() const { return m_fullScreen; }
    void setFullScreen(bool on) { m_fullScreen = on; }

    /// \brief Whether texts and traces are drawn in high contrast: each
    /// colour darkened, in its hue, until it stands out clearly on the grey.
    bool highContrast() const { return m_highContrast; }
    void setHighContrast(bool on) { m_highContrast = on; }
    /// \brief A colour as the pages draw it: itself, or in high contrast
    /// the same hue with at least \a ratio against the page's grey.
    QColor shown(const QColor &colour, double ratio) const;

private:
    double m_zoom = 1.0;
    bool m_fullScreen = false;
    bool m_highContrast = false;
    mutable QHash<quint64, QRgb> m_shown; ///< the colours high contrast gives, as asked for
};

} // namespace tk
