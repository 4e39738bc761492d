// Time from a move of the laboratory's slider to the oscillograms redrawn:
// the circuit solved again, the figures and the verdict written, and the
// window repainted, over 100 periods.
//
//   bench-lab [moves]        (set QT_SCALE_FACTOR=2 for a 200 % screen)
//
// Each move sets the slider of E to its next position, then the event loop
// runs until the window is repainted. Prints the median, the 95th
// percentile and the largest, in ms, and the part the model takes alone.

#include "PaintMeter.h"

#include "app/CourseSetup.h"
#include "lab/Laboratory.h"
#include "lab/Oscillogram.h"
#include "lab/ValueControl.h"
#include "lab/model/Presets.h"
#include "toolkit/Session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSlider>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(p * double(v.size())))];
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    app::configureApplication();
    const int moves = argc > 1 ? std::max(10, atoi(argv[1])) : 300;
    tk::Session session;
    lab::Laboratory lab(session);
    // the incomplete demagnetisation: saturation, beeps, cut currents
    lab.choosePreset(lab::presetOf("Incomp"));
    lab::Circuit circuit = lab.circuit();
    circuit.periods = 100;
    lab.setCircuit(circuit);
    lab.resize(1180, 760);
    lab.show();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    PaintMeter meter;
    lab.oscillogram()->installEventFilter(&meter);

    QSlider *slider = lab.control(lab::Value::E)->slider();
    std::vector<double> whole;
    std::vector<double> model;
    QElapsedTimer clock;
    for (int i = 0; i < moves; ++i) {
        const int paints = meter.paints;
        clock.start();
        slider->setValue(40 + i % 60);
        while (meter.paints == paints)
            QApplication::processEvents();
        whole.push_back(double(clock.nsecsElapsed()) / 1e6);
        clock.start();
        const lab::Simulation solved(lab.circuit());
        model.push_back(double(clock.nsecsElapsed()) / 1e6 + 0 * solved.duration());
    }
    std::printf("slider to repaint, 100 periods, %dx%d at %.2f: median %.2f ms, 95 %% %.2f ms, "
                "largest %.2f ms\n",
                lab.width(), lab.height(), lab.devicePixelRatioF(), percentile(whole, 0.5),
                percentile(whole, 0.95), percentile(whole, 1.0));
    std::printf("the model alone: median %.3f ms, largest %.3f ms\n", percentile(model, 0.5),
                percentile(model, 1.0));
    return 0;
}
