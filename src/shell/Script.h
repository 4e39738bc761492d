#pragma once

#include "toolkit/Button.h"
#include "toolkit/Timer.h"

#include <QList>
#include <QString>

namespace shell {

/// \brief One change that an arrival or a step makes to its page.
struct Change {
    enum class Kind { Show, Hide, Focus };
    Kind kind;
    QWidget *target;
};

inline Change show(QWidget *target) {
    return {Change::Kind::Show, target};
}
inline Change hide(QWidget *target) {
    return {Change::Kind::Hide, target};
}
/// The focus goes to \a target.
inline Change focus(QWidget *target) {
    return {Change::Kind::Focus, target};
}

/// \brief How a page is entered: the changes made before it is shown, those
/// made once it is shown, and the control that has the focus then (none: no
/// control of the page can take it).
struct Arrival {
    QList<Change> before = {};
    QList<Change> after = {};
    QWidget *focus = nullptr;
};

/// \brief One thing that a learner, or time, does on a page: a button
/// pressed, or ticks of a timer (all of them, until it stops by itself, when
/// \a ticks is 0). \a state names the state it leads to in the gallery of the
/// course's states ("" when the gallery does not show it).
struct Move {
    tk::Button *button = nullptr; ///< the button pressed, or
    tk::Timer *timer = nullptr;   ///< the timer that ticks
    int ticks = 0;
    QString state;
};

inline Move press(tk::Button *button, const QString &state = {}) {
    return {button, nullptr, 0, state};
}
inline Move ticks(tk::Timer *timer, int count, const QString &state = {}) {
    return {nullptr, timer, count, state};
}
inline Move untilStopped(tk::Timer *timer, const QString &state = {}) {
    return ticks(timer, 0, state);
}

} // namespace shell
