#include "walk/CourseWalk.h"

#include "shell/Course.h"
#include "shell/CoursePage.h"
#include "toolkit/Button.h"
#include "toolkit/Timer.h"

namespace coursewalk {

using shell::PageId;

tk::PageWindow *visiblePage(shell::Course &course) {
    tk::PageWindow *shown = nullptr;
    for (int i = 0; i < shell::PageCount; ++i) {
        tk::PageWindow *page = course.existing(shell::pageAt(i));
        if (page && page->isVisible()) {
            if (shown)
                return nullptr;
            shown = page;
        }
    }
    return shown;
}

int fireUntilStopped(tk::Timer *timer, int limit) {
    int ticks = 0;
    while (ticks < limit && timer->fire())
        ++ticks;
    return ticks;
}

bool pressByCode(tk::Button *button) {
    return button->press();
}

bool make(const shell::Move &move, const Presser &press) {
    if (move.button)
        return press(move.button);
    if (move.ticks == 0)
        fireUntilStopped(move.timer);
    else
        for (int i = 0; i < move.ticks && move.timer->fire(); ++i) {
        }
    return false;
}

int completeShownPage(shell::Course &course, const Presser &press) {
    auto *page = qobject_cast<shell::CoursePage *>(visiblePage(course));
    if (!page)
        return 0;
    int presses = 0;
    for (const shell::Move &move : page->walk())
        presses += make(move, press) ? 1 : 0;
    return presses;
}

} // namespace coursewalk
