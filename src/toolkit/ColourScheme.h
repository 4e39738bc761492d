#pragma once

#include <QPalette>

namespace tk {

/// \brief The course's own colours for every role and state, so that pages,
/// buttons and texts look the same whatever the desktop's theme or palette.
QPalette coursePalette();

} // namespace tk
