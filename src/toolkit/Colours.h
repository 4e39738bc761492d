#pragma once

#include <QColor>
#include <QPalette>

namespace tk {

/// The grey of every page, frame, text box and button.
inline const QColor PageGrey(192, 192, 192);

/// The system's window-text colour, the initial foreground of texts and surfaces.
inline const QColor WindowText(0, 0, 0);

/// \brief The course's own colours for every role and state, so that pages,
/// buttons and texts look the same whatever the desktop's theme or palette.
QPalette coursePalette();

} // namespace tk
