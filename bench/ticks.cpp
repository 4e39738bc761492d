// Processor time of one animation tick, drawing and repaint included, for
// each animation of the course; and the area repainted per tick.
//
//   bench-ticks [rounds]        (set QT_SCALE_FACTOR=2 for a 200 % screen)
//
// Each tick is fired directly, then the event loop runs until the page is
// repainted, so the figure holds the drawing, the update and the paint.

#include "PaintMeter.h"

#include "app/CourseSetup.h"
#include "walk/CourseWalk.h"

#include "pages/Demag.h"
#include "pages/Incomp.h"
#include "pages/Vide.h"
#include "shell/Course.h"
#include "shell/Debut.h"

#include <QApplication>
#include <QWindow>
#include <cstdio>
#include <ctime>

namespace {

double cpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

struct Figure {
    int ticks = 0;
    double ms = 0;
    qint64 pixels = 0;
};

void settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

Figure measure(tk::Timer *timer, tk::PlotSurface *surface, PaintMeter &meter) {
    Figure f;
    surface->installEventFilter(&meter);
    meter.pixels = 0;
    const double start = cpuMs();
    while (timer->isEnabled()) {
        timer->fire();
        QCoreApplication::processEvents(); // the update request: only the dirty region
        ++f.ticks;
    }
    f.ms = cpuMs() - start;
    f.pixels = meter.pixels;
    surface->removeEventFilter(&meter);
    return f;
}

void report(const char *name, const Figure &f) {
    std::printf("%-34s %4d ticks  %.4f ms/tick  %6.1f px repainted/tick\n", name, f.ticks,
                f.ms / f.ticks, double(f.pixels) / f.ticks);
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
    app::configureApplication();
    shell::Course course;
    app::assemble(course);
    course.start();
    course.debut().Timer1->fire();
    using shell::PageId;
    std::printf("device pixel ratio %.2f, %d rounds\n", application.devicePixelRatio(), rounds);

    PaintMeter meter;
    Figure vide, rise, fall, incomp;
    for (int round = 0; round < rounds; ++round) {
        // Walk to the no-load page and animate it.
        course.coursePage(PageId::Fonction).enter();
        for (int n = 1; n < 4; ++n) {
            coursewalk::completeShownPage(course);
            course.coursePage(shell::pageAt(n)).Suivant->press();
        }
        settle();
        auto &v = course.page<pages::Vide>();
        const Figure fv = measure(v.Timer2, v.Picture1, meter);
        vide = {vide.ticks + fv.ticks, vide.ms + fv.ms, vide.pixels + fv.pixels};
        for (int n = 4; n < 7; ++n) {
            coursewalk::completeShownPage(course);
            course.coursePage(shell::pageAt(n)).Suivant->press();
        }
        settle();
        auto &d = course.page<pages::Demag>();
        for (int run = 0; run < 2; ++run) {
            d.BPKf->press();
            settle();
            const Figure fr = measure(d.Timer1, d.Picture1, meter);
            rise = {rise.ticks + fr.ticks, rise.ms + fr.ms, rise.pixels + fr.pixels};
            d.BPKo->press();
            settle();
            const Figure ff = measure(d.Timer2, d.Picture1, meter);
            fall = {fall.ticks + ff.ticks, fall.ms + ff.ms, fall.pixels + ff.pixels};
            if (run == 0)
                d.Suite->press();
        }
        d.Suivant->press();
        settle();
        auto &p = course.page<pages::Incomp>();
        p.Suite->press();
        settle();
        for (tk::Timer *timer : p.Timer) {
            const Figure fi = measure(timer, p.Surface, meter);
            incomp = {incomp.ticks + fi.ticks, incomp.ms + fi.ms, incomp.pixels + fi.pixels};
        }
        p.FrameBoutons->show();
        p.Suivant->press();
        course.coursePage(PageId::RappCyc).hidePage();
    }
    report("no-load ramp (Vide)", vide);
    report("demagnetisation rise (Demag)", rise);
    report("demagnetisation fall (Demag)", fall);
    report("incomplete demagnetisation (Incomp)", incomp);
    return 0;
}
