#pragma once

#include <QColor>

namespace tk {

/// The grey of every page, frame, text box and button.
inline const QColor PageGrey(192, 192, 192);

/// The system's window-text colour, the initial foreground of texts and surfaces.
inline const QColor WindowText(0, 0, 0);

} // namespace tk
