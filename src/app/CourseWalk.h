#pragma once

namespace shell {
class Course;
}
namespace tk {
class Button;
class PageWindow;
class Timer;
} // namespace tk

#include <functional>

/// \brief Walking through the course as a learner does, without waiting:
/// used by the gallery and by the tests.
namespace app::walk {

/// \brief The one page shown now, or null if none or several are.
tk::PageWindow *visiblePage(shell::Course &course);

/// \brief Fires the timer until it stops itself, at most \a limit ticks;
/// returns the ticks fired.
int fireUntilStopped(tk::Timer *timer, int limit = 100000);

/// \brief How a walk presses a button; returns whether the button's handler ran.
using Presser = std::function<bool(tk::Button *)>;

/// \brief Presses the button by code (its handler runs if it can be pressed).
bool pressByCode(tk::Button *button);

/// \brief Brings the shown page to the state where its navigation buttons
/// are shown (reveal steps, animations to their end), pressing buttons with
/// \a press; returns the number of buttons pressed.
int completeShownPage(shell::Course &course, const Presser &press = pressByCode);

} // namespace app::walk
