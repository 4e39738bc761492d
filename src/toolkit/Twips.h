#pragma once

#include <QRect>

class QWidget;

namespace tk {

/// Layout positions and sizes are given in twips: 15 twips to the pixel.
inline constexpr int TwipsPerPixel = 15;

/// \brief Twips to logical pixels, rounded to the nearest pixel, at the
/// course's scale \a zoom (1 is 100 %): the one place where the toolkit turns
/// twips into pixels.
constexpr int px(double twips, double zoom = 1.0) {
    const double p = twips * zoom / TwipsPerPixel;
    return p < 0 ? -int(-p + 0.5) : int(p + 0.5);
}

/// \brief A rectangle in twips: left, top, width, height.
struct Tw {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    /// The same rectangle in logical pixels, at the course's scale \a zoom.
    QRect toPixels(double zoom = 1.0) const {
        return QRect(px(left, zoom), px(top, zoom), px(width, zoom), px(height, zoom));
    }
};

/// \brief A control that follows the course's scale: placed in twips, it is
/// laid out again and drawn anew (never stretched) at every scale.
class Scaled {
public:
    explicit Scaled(Tw place) : m_place(place) {}
    virtual ~Scaled() = default;

    /// Where the control stands in its container, in twips.
    Tw place() const { return m_place; }
    /// The scale it is laid out at (1 is 100 %).
    double zoom() const { return m_zoom; }
    /// Its size at 100 %, in logical pixels: what it draws and lays out in.
    QSize unscaledSize() const { return m_place.toPixels().size(); }

    /// \brief Lays the control out at \a zoom, moved by \a offset (the
    /// margin of a page shown full screen, for the page's own children).
    void setZoom(double zoom, QPoint offset = {});

protected:
    /// What the control does besides taking its new place (fonts, caches).
    virtual void zoomChanged() {}

private:
    virtual QWidget &scaledWidget() = 0;

    Tw m_place;
    double m_zoom = 1.0;
};

} // namespace tk
