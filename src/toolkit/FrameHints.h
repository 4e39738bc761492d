#pragma once

class QWidget;

namespace tk {

/// \brief Tells the window manager, before \a window is mapped, that its frame
/// offers a title and a border and lets the learner move and close the
/// window, nothing else: no window menu, no minimise, maximise or resize.
///
/// Qt's flags only remove the buttons from the decorations, a hint that some
/// window managers ignore; the allowed functions are what they follow. Closing
/// stays allowed: a window manager that follows the functions refuses every
/// close request that they do not allow (Alt+F4, a panel's "Quit"). On window
/// systems other than X11 this does nothing.
void restrictFrame(QWidget &window);

} // namespace tk
