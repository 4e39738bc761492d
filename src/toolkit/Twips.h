#pragma once

#include <QRect>

namespace tk {

/// Layout positions and sizes are given in twips: 15 twips to the pixel.
inline constexpr int TwipsPerPixel = 15;

/// \brief Twips to logical pixels, rounded to the nearest pixel.
constexpr int px(double twips) {
    const double p = twips / TwipsPerPixel;
    return p < 0 ? -int(-p + 0.5) : int(p + 0.5);
}

/// \brief A rectangle in twips: left, top, width, height.
struct Tw {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    /// The same rectangle in logical pixels.
    QRect toPixels() const { return QRect(px(left), px(top), px(width), px(height)); }
};

} // namespace tk
