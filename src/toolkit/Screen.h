#pragma once

#include <QRect>
#include <QSize>

namespace tk {

/// \brief Size of the desktop (primary screen) in twips.
QSize screenSizeTwips();
/// \brief The part of the desktop (primary screen) that windows may take, its
/// panels left out, in twips.
QRect availableAreaTwips();

} // namespace tk
