// The hand-over, a whole walk and the processor time of a walk in real time.
//
//   bench-startup handover  the hand-over at the end of the title page, in-process:
//                           texts, the thirteen pages, the first page shown
//   bench-startup walk      a whole walk through the course, every page painted,
//                           every animation run, each tick painted as it comes
//                           but fired without waiting; for the peak resident
//                           memory (/usr/bin/time -f %M)
//   bench-startup realtime  a whole walk as a learner makes it who never pauses:
//                           the title page's 5 s, every animation at its own
//                           pace; prints the processor time against the time
//                           taken
//
// Start-up itself is timed from outside, as the learner sees it: bench-mapped.

#include "app/CourseSetup.h"
#include "walk/CourseWalk.h"

#include "shell/Course.h"
#include "shell/CoursePage.h"
#include "shell/Debut.h"

#include "shell/Script.h"
#include "toolkit/Button.h"
#include "toolkit/Timer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <vector>

namespace {

// Until the window that shows the page is on screen.
void waitExposed(QWidget &page) {
    const QWidget *window = page.window();
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Processor time of this process so far, user and system, in milliseconds.
double processorMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval &t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Makes a move of a page's walk with the real timers: a button pressed at
// once, a timer's ticks waited for as they come.
void makeInRealTime(const shell::Move &move) {
    if (move.button) {
        move.button->press();
        return;
    }
    tk::Timer *timer = move.timer;
    if (!timer->isEnabled())
        return;
    int ticks = 0;
    QEventLoop loop;
    QObject::connect(
        timer, &tk::Timer::tick, &loop,
        [&] {
            ++ticks;
            if ((move.ticks > 0 && ticks >= move.ticks) || !timer->isEnabled())
                loop.quit();
        },
        Qt::QueuedConnection);
    loop.exec();
}

void waitUntilShown(shell::Course &course, shell::PageId id) {
    while (!course.existing(id) || !course.existing(id)->isVisible())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    waitExposed(course.page(id));
}

int realtime() {
    QElapsedTimer clock;
    clock.start();
    const double startCpu = processorMs();
    app::configureApplication();
    shell::Course course;
    app::assemble(course);
    course.start();
    waitUntilShown(course, shell::pageAt(1)); // after the title page's own 5 s
    for (int n = 1; n <= 13; ++n) {
        const shell::PageId id = shell::pageAt(n);
        waitUntilShown(course, id);
        for (const shell::Move &move : course.coursePage(id).walk())
            makeInRealTime(move);
        QCoreApplication::processEvents();
        if (n < 13)
            course.coursePage(id).Suivant->press();
    }
    const double wall = clock.nsecsElapsed() / 1e6;
    const double cpu = processorMs() - startCpu;
    std::printf("whole walk in real time: %.1f s, processor %.0f ms: %.2f %%\n", wall / 1e3, cpu,
                100 * cpu / wall);
    course.debut().Quitter();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}

// Makes a move of a page's walk without waiting for the timers, but painting
// after every press and every tick, as the learner sees them.
void makePainted(const shell::Move &move) {
    if (move.button) {
        move.button->press();
        QCoreApplication::processEvents();
        return;
    }
    for (int ticks = 0; (move.ticks == 0 || ticks < move.ticks) && move.timer->fire(); ++ticks)
        QCoreApplication::processEvents();
}

int walk() {
    app::configureApplication();
    shell::Course course;
    app::assemble(course);
    course.start();
    waitExposed(course.debut());
    course.debut().Timer1->fire();
    for (int n = 1; n <= 13; ++n) {
        const shell::PageId id = shell::pageAt(n);
        waitExposed(course.page(id));
        for (const shell::Move &move : course.coursePage(id).walk())
            makePainted(move);
        if (n < 13)
            course.coursePage(id).Suivant->press();
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
    if (std::strcmp(mode, "realtime") == 0)
        return realtime();
    if (std::strcmp(mode, "walk") == 0)
        return walk();
    if (std::strcmp(mode, "handover") == 0)
        return handover(argc > 2 ? std::atoi(argv[2]) : 20);
    std::fputs("usage: bench-startup handover [runs] | walk | realtime\n", stderr);
    return 2;
}
