#pragma once

#include <QSize>

namespace tk {

/// \brief Size of the desktop (primary screen) in twips.
QSize screenSizeTwips();

} // namespace tk
