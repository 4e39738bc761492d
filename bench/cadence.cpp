// Real-time cadence of the incomplete-demagnetisation animation: 281 ticks of
// 100 ms from the "Suite" click to the final drawing, with real timers.
//
//   bench-cadence [runs]
//
// Prints each run's length against 28.1 s and the lateness of its ticks at
// the start and at the end of the run, so that a drift shows.

#include "app/CourseSetup.h"
#include "walk/CourseWalk.h"

#include "pages/Incomp.h"
#include "shell/Course.h"
#include "shell/Debut.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 1;
    app::configureApplication();
    shell::Course course;
    app::assemble(course);
    course.start();
    course.debut().Timer1->fire();
    for (int n = 1; n < 8; ++n) {
        coursewalk::completeShownPage(course);
        course.coursePage(shell::pageAt(n)).Suivant->press();
    }
    auto &page = course.page<pages::Incomp>();
    constexpr double Expected = 281 * 100.0;
    for (int run = 0; run < runs; ++run) {
        std::vector<qint64> tickTimes;
        QElapsedTimer clock;
        QObject watch; // the connections of this run
        for (tk::Timer *timer : page.Timer)
            QObject::connect(timer, &tk::Timer::tick, &watch,
                             [&] { tickTimes.push_back(clock.nsecsElapsed()); });
        QEventLoop loop;
        QObject::connect(
            page.Timer[7], &tk::Timer::tick, &loop,
            [&] {
                if (!page.Timer[7]->isEnabled())
                    loop.quit();
            },
            Qt::QueuedConnection);
        clock.start();
        page.Suite->press();
        loop.exec();
        const double total = clock.nsecsElapsed() / 1e6;
        const auto late = [&](size_t i) { return tickTimes[i] / 1e6 - 100.0 * double(i + 1); };
        double early = 0, last = 0;
        for (size_t i = 0; i < 20; ++i) {
            early += late(i) / 20;
            last += late(tickTimes.size() - 1 - i) / 20;
        }
        std::printf("run %d: %zu ticks in %.1f ms (expected %.0f ms, %+.2f %%); mean lateness "
                    "of the first 20 ticks %.2f ms, of the last 20 %.2f ms\n",
                    run + 1, tickTimes.size(), total, Expected,
                    100.0 * (total - Expected) / Expected, early, last);
        page.Suivant->press();
        course.coursePage(shell::PageId::RappCyc).Precedent->press();
    }
    return 0;
}
