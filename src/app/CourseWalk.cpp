#include "app/CourseWalk.h"

#include "pages/Demag.h"
#include "pages/Incomp.h"
#include "pages/Vide.h"
#include "shell/Course.h"
#include "shell/CoursePage.h"
#include "toolkit/Button.h"
#include "toolkit/Timer.h"

namespace app::walk {

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

int completeShownPage(shell::Course &course, const Presser &presser) {
    auto *page = qobject_cast<shell::CoursePage *>(visiblePage(course));
    if (!page)
        return 0;
    int presses = 0;
    const auto press = [&presses, &presser](tk::Button *button) {
        if (button && presser(button))
            ++presses;
    };
    const auto named = [page](const char *name) {
        return page->findChild<tk::Button *>(QLatin1StringView(name));
    };
    switch (page->id()) {
    case PageId::Fonction:
    case PageId::Aimant:
        press(named("Suite"));
        break;
    case PageId::Vide: {
        auto &vide = course.page<pages::Vide>();
        fireUntilStopped(vide.Timer2);
        press(vide.Suite);
        break;
    }
    case PageId::Produit:
        press(named("Suite1"));
        press(named("Suite2"));
        break;
    case PageId::Demag: {
        auto &demag = course.page<pages::Demag>();
        for (int run = 0; run < 2; ++run) {
            press(demag.BPKf);
            fireUntilStopped(demag.Timer1);
            press(demag.BPKo);
            fireUntilStopped(demag.Timer2);
            if (run == 0)
                press(demag.Suite);
        }
        break;
    }
    case PageId::Incomp: {
        auto &incomp = course.page<pages::Incomp>();
        press(incomp.Suite);
        for (tk::Timer *timer : incomp.Timer)
            fireUntilStopped(timer);
        break;
    }
    case PageId::ChargeTi:
        press(named("BPCourbes"));
        break;
    default:
        break;
    }
    return presses;
}

} // namespace app::walk
