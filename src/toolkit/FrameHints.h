#pragma once

class QWidget;

namespace tk {

/// \brief Tells the window manager, before \a window is mapped, that its frame
/// offers a title and a border and lets the learner move the window, nothing
/// else: no window menu, no minimise, maximise or resize.
///
/// Qt's flags only remove the buttons from the decorations, a hint that some
/// window managers ignore; the allowed functions are what they follow. On
/// window systems other than X11 this does nothing.
void restrictFrameToMove(QWidget &window);

} // namespace tk
