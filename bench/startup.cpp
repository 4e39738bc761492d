// Start-up and hand-over of the course, against a bare Qt window.
//
//   bench-startup bare      a bare window of the title page's size, until exposed
//   bench-startup course    the course, until its title page is exposed
//   bench-startup handover  the hand-over at the end of the title page, in-process:
//                           texts, the thirteen pages, the first page shown
//   bench-startup walk      a whole walk through the course, every page painted,
//                           every animation run (ticks fired at once); for the
//                           peak resident memory (/usr/bin/time -f %M)
//
// The first two are timed as whole processes by an outside tool (hyperfine);
// the third prints its own figures.

#include "app/CourseSetup.h"
#include "app/CourseWalk.h"

#include "shell/Course.h"
#include "shell/CoursePage.h"
#include "shell/Debut.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

void waitExposed(QWidget &widget) {
    while (!widget.windowHandle() || !widget.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

int bare() {
    QWidget window;
    window.setFixedSize(566, 316);
    window.show();
    waitExposed(window);
    return 0;
}

int course() {
    app::configureApplication();
    shell::Course course;
    app::assemble(course);
    course.start();
    waitExposed(course.debut());
    return 0;
}

int walk() {
    app::configureApplication();
    shell::Course course;
    app::assemble(course);
    course.start();
    waitExposed(course.debut());
    course.debut().Timer1->fire();
    for (int n = 1; n <= 13; ++n) {
        QWidget &page = course.page(shell::pageAt(n));
        waitExposed(page);
        app::walk::completeShownPage(course);
        QCoreApplication::processEvents();
        if (n < 13)
            course.coursePage(shell::pageAt(n)).Suivant->press();
    }
    course.debut().Quitter();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}

int handover(int runs) {
    app::configureApplication();
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        shell::Course course;
        app::assemble(course);
        course.start();
        waitExposed(course.debut());
        QElapsedTimer clock;
        clock.start();
        course.debut().Timer1_Timer();
        QWidget &first = course.page(shell::PageId::Fonction);
        waitExposed(first);
        ms.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("hand-over: min %.2f ms, median %.2f ms, max %.2f ms over %d runs\n", ms.front(),
                ms[ms.size() / 2], ms.back(), runs);
    return 0;
}

} // namespace

int main(int argc, char *argv[]) {
    const char *mode = argc > 1 ? argv[1] : "";
    QApplication application(argc, argv);
    if (std::strcmp(mode, "bare") == 0)
        return bare();
    if (std::strcmp(mode, "course") == 0)
        return course();
    if (std::strcmp(mode, "walk") == 0)
        return walk();
    if (std::strcmp(mode, "handover") == 0)
        return handover(argc > 2 ? std::atoi(argv[2]) : 20);
    std::fputs("usage: bench-startup bare|course|walk|handover [runs]\n", stderr);
    return 2;
}
