#pragma once

namespace shell {
class Course;
struct Move;
} // namespace shell
namespace tk {
class Button;
class PageWindow;
class Timer;
} // namespace tk

#include <functional>

/// \brief Walking through the course as a learner does, without waiting:
/// used by the gallery and by the tests.
namespace coursewalk {

/// \brief The one page shown now, or null if none or several are.
tk::PageWindow *visiblePage(shell::Course &course);

/// \brief Fires the timer until it stops itself, at most \a limit ticks;
/// returns the ticks fired.
int fireUntilStopped(tk::Timer *timer, int limit = 100000);

/// \brief How a walk presses a button; returns whether the button's handler ran.
using Presser = std::function<bool(tk::Button *)>;

/// \brief Presses the button by code (its handler runs if it can be pressed).
bool pressByCode(tk::Button *button);

/// \brief Makes one move of a page's walk: presses its button with \a press
/// (returns whether its handler ran), or fires its timer's ticks.
bool make(const shell::Move &move, const Presser &press = pressByCode);

/// \brief Walks the shown page as it declares it (its reveal steps, its
/// animations to their ends, its views), which brings out its navigation
/// buttons, pressing buttons with \a press; returns the number of buttons
/// pressed.
int completeShownPage(shell::Course &course, const Presser &press = pressByCode);

} // namespace coursewalk
