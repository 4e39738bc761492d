#pragma once

namespace shell {
class Course;
}
namespace tk {
class PageWindow;
class Timer;
} // namespace tk

/// \brief Walking through the course as a learner does, without waiting:
/// used by the gallery and by the tests.
namespace app::walk {

/// \brief The one page shown now, or null if none or several are.
tk::PageWindow *visiblePage(shell::Course &course);

/// \brief Fires the timer until it stops itself, at most \a limit ticks;
/// returns the ticks fired.
int fireUntilStopped(tk::Timer *timer, int limit = 100000);

/// \brief Brings the shown page to the state where its navigation buttons
/// are shown (reveal steps, animations to their end); returns the number of
/// buttons pressed.
int completeShownPage(shell::Course &course);

} // namespace app::walk
