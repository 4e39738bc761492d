#pragma once

#include <QPalette>

namespace tk {

/// \brief The course's own colours for every role and state, so that pages,
/// buttons and texts look the same whatever the desktop's theme or palette.
QPalette coursePalette();

/// \brief The contrast ratio of two colours, from 1 (the same) to 21
/// (black and white), as the accessibility guidelines reckon it.
double contrastRatio(const QColor &a, const QColor &b);

/// \brief \a colour, made darker (on a light background) or lighter (on a
/// dark one) in steps that keep its hue, until its contrast with \a background
/// is at least \a ratio; unchanged if it already is.
QColor withContrast(const QColor &colour, const QColor &background, double ratio);

/// The contrast that high-contrast mode gives texts, and traces.
inline constexpr double TextContrast = 4.5;
inline constexpr double TraceContrast = 3.0;

} // namespace tk
