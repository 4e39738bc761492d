// The laboratory's physics on its own: the exact solution of the circuit
// piece by piece, its figures and verdict, the presets against what the
// course's pages say of them, and the bounds of the learner's values.
// Expected values are worked out by hand in the comments beside them.

#include "lab/model/Bounds.h"
#include "lab/model/Presets.h"
#include "lab/model/Simulation.h"

#include <QTest>

#include <cmath>
#include <cstring>
#include <limits>

using namespace lab;

Q_DECLARE_METATYPE(lab::Circuit)
Q_DECLARE_METATYPE(lab::Verdict::Kind)

namespace {

const Circuit &preset(const char *name) {
    for (const Preset &p : presets())
        if (std::strcmp(p.name, name) == 0)
            return p.circuit;
    qFatal("no preset %s", name);
}

const char *const Vide = "Fonctionnement à vide";
const char *const DemagD = "Démagnétisation par la diode D";
const char *const DemagDz = "Démagnétisation par D et Dz";
const char *const Incomp = "Démagnétisation incomplète";
const char *const RappCyc = "Rapport cyclique 1/2 : Vd + Vz > E";
const char *const ChargeTi = "Fonctionnement en charge (m = 1, Vz = 2 × E)";
const char *const Applic = "Commande des thyristors (IT249)";

bool near(double actual, double expected, double tolerance) {
    return std::abs(actual - expected) <= tolerance;
}

#define QVERIFY_NEAR(actual, expected, tolerance)                                                  \
    QVERIFY2(near(double(actual), double(expected), double(tolerance)),                            \
             qPrintable(QStringLiteral("%1 = %2, expected %3 ± %4")                                \
                            .arg(QLatin1String(#actual))                                           \
                            .arg(double(actual), 0, 'g', 12)                                       \
                            .arg(double(expected), 0, 'g', 12)                                     \
                            .arg(double(tolerance), 0, 'g', 3)))

Circuit with(Circuit c, auto change) {
    change(c);
    return c;
}

// A long pulse into a loaded transformer whose primary loses much in r:
// m = 2, two secondaries into 100 Ω behind 4 V, r = 10 Ω, E = 10 V,
// K closed for 500 µs, Isat = 5 A out of reach.
Circuit thresholdLoad() {
    Circuit c;
    c.E = 10;
    c.T = 1000;
    c.alpha = 0.5;
    c.L = 1;
    c.rating = 5000;
    c.r = 10;
    c.m = 2;
    c.loaded = true;
    c.secondaries = 2;
    c.Vr = 4;
    c.periods = 1;
    return c;
}

double isat(const Circuit &c) {
    return c.rating / (c.L * 1e3);
}

std::vector<Event> eventsOf(const Simulation &sim, Event::Kind kind) {
    std::vector<Event> found;
    for (const Event &e : sim.events())
        if (e.kind == kind)
            found.push_back(e);
    return found;
}

} // namespace

class LabModelTest final : public QObject {
    Q_OBJECT

private slots:
    // The current of L di/dt = a - b i and the time to a target, closed form.
    void solver_data() {
        QTest::addColumn<double>("L");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("i0");
        QTest::addColumn<double>("dt");
        QTest::addColumn<double>("i");
        QTest::addColumn<double>("tolerance");
        // b = 0: i = a t / L = 10 V × 10 µs / 1 mH = 0.1 A
        QTest::newRow("straight line") << 1.0 << 10.0 << 0.0 << 0.0 << 10.0 << 0.1 << 1e-15;
        // b = 1e-12 Ω: a/b = 1e13 A, the exponential is the line to 1e-12 relative
        QTest::newRow("linear limit") << 1.0 << 10.0 << 1e-12 << 0.0 << 10.0 << 0.1 << 1e-12;
        // tau = L/b = 1 mH / 10 Ω = 100 µs: i = a/b (1 - 1/e) = 0.632120559 A
        QTest::newRow("one time constant")
            << 1.0 << 10.0 << 10.0 << 0.0 << 100.0 << 0.6321205588285577 << 1e-12;
        // demagnetising: -50 + (0.1 + 50) e^{-0.1 × 10e-6 / 1e-3} = 0.0499250417 A
        QTest::newRow("falling to a negative asymptote")
            << 1.0 << -5.0 << 0.1 << 0.1 << 10.0 << 0.049925041652088 << 1e-12;
    }

    void solver() {
        QFETCH(double, L);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, i0);
        QFETCH(double, dt);
        QFETCH(double, i);
        QFETCH(double, tolerance);
        QVERIFY_NEAR(magnetisingCurrent(L, a, b, i0, dt), i, tolerance);
        // and back: the time to reach that current is dt
        const auto back = timeToReach(L, a, b, i0, i);
        QVERIFY(back);
        QVERIFY_NEAR(*back, dt, dt * 1e-6);
    }

    void solverNeverReaches_data() {
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("i0");
        QTest::addColumn<double>("target");
        // a/b = 1 A with a = 10 V, b = 10 Ω
        QTest::newRow("beyond the asymptote") << 10.0 << 10.0 << 0.0 << 1.5;
        QTest::newRow("the asymptote itself") << 10.0 << 10.0 << 0.0 << 1.0;
        QTest::newRow("behind the start") << 10.0 << 10.0 << 0.5 << 0.2;
        QTest::newRow("from above the asymptote, below it") << 10.0 << 10.0 << 2.0 << 0.5;
        QTest::newRow("no drive, no loss") << 0.0 << 0.0 << 0.1 << 0.0;
        QTest::newRow("straight line away") << 0.0 << -5.0 << 0.1 << 0.2;
        // a = 0 (Vd = 0): the current decays towards 0 and never gets there
        QTest::newRow("decay to zero") << 0.1 << 0.0 << 0.1 << 0.0;
    }

    void solverNeverReaches() {
        QFETCH(double, b);
        QFETCH(double, a);
        QFETCH(double, i0);
        QFETCH(double, target);
        QVERIFY(!timeToReach(1, a, b, i0, target));
    }

    // One closed piece against the closed forms, with and without the load.
    void closedPiece_data() {
        QTest::addColumn<Circuit>("circuit");
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("im");
        QTest::addColumn<double>("v2");
        QTest::addColumn<double>("i2");
        QTest::addColumn<double>("i1");
        Circuit c;
        c.E = 10;
        c.T = 1000;
        c.alpha = 0.5;
        c.L = 1;
        c.rating = 5000; // Isat = 5 A, out of reach
        c.periods = 1;
        // E/r (1 - e^{-r t / L}) = 1000 (1 - e^{-1e-4}) = 0.0999950002 A; e = 10 - 0.01 im
        QTest::newRow("r small, no load")
            << with(c, [](Circuit &x) { x.r = 0.01; }) << 10.0 << 0.09999500016666385
            << 9.999000049998333 << 0.0 << 0.09999500016666385;
        // tau = 100 µs: 1 (1 - 1/e) = 0.632120559 A; e = 10 - 10 im = 3.678794412 V
        QTest::newRow("r large, no load")
            << with(c, [](Circuit &x) { x.r = 10; }) << 100.0 << 0.6321205588285577
            << 3.6787944117144233 << 0.0 << 0.6321205588285577;
        // g = 1 + 0.01/100 = 1.0001, a/b = E/r = 1000 A, b = 0.01/g:
        // im = 1000 (1 - e^{-1e-4/g}) = 0.0999850022, e = a - b im = 9.99800035,
        // i2 = e/R = 0.0999800035, i1 = im + i2
        QTest::newRow("r small, loaded") << with(c,
                                                 [](Circuit &x) {
                                                     x.r = 0.01;
                                                     x.loaded = true;
                                                 })
                                         << 10.0 << 0.0999850021663473 << 9.998000349943341
                                         << 0.09998000349943341 << 0.1999650056657807;
        // m 2, two secondaries, R 100, Vr 4, r 10: g = 1 + 10·4·2/100 = 1.8,
        // a = (10 + 10·2·2·4/100)/g = 6.4444 V, b = 10/g = 5.5556 Ω, a/b = 1.16 A,
        // tau = 180 µs: im(50) = 1.16 (1 - e^{-50/180}) = 0.281340451 A,
        // e = a - b im = 4.88144194, v2 = 2e = 9.76288388, i2 = (v2 - 4)/100,
        // i1 = im + 2·2·i2 = 0.511855806
        QTest::newRow("r large, loaded, threshold")
            << thresholdLoad() << 50.0 << 0.2813404510595189 << 9.762883877116455
            << 0.057628838771164544 << 0.511855806144177;
    }

    void closedPiece() {
        QFETCH(Circuit, circuit);
        QFETCH(double, t);
        QFETCH(double, im);
        QFETCH(double, v2);
        QFETCH(double, i2);
        QFETCH(double, i1);
        const Simulation sim(circuit);
        const Sample s = sim.at(t);
        QCOMPARE(s.k, 1.0);
        QCOMPARE(s.v1, circuit.E);
        QVERIFY_NEAR(s.im, im, 1e-12);
        QVERIFY_NEAR(s.v2, v2, 1e-10);
        QVERIFY_NEAR(s.i2, i2, 1e-12);
        QVERIFY_NEAR(s.i1, i1, 1e-12);
        QVERIFY_NEAR(s.flux, circuit.L * 1e3 * im, 1e-9);
    }

    // The load's diodes stop mid-pulse once m e falls to Vr: with the
    // threshold row above, at im = (E - Vr/m)/r = (10 - 2)/10 = 0.8 A, reached
    // after 180 µs × ln(1.16 / 0.36) = 210.612825 µs; then i_m goes on towards
    // E/r = 1 A unloaded, and the load stays off until K opens.
    void loadStopsMidPulse() {
        const Circuit c = with(thresholdLoad(), [](Circuit &x) { x.periods = 2; });
        const Simulation sim(c);
        const auto stops = eventsOf(sim, Event::LoadStops);
        QCOMPARE(stops.size(), 2u); // once in each period
        QVERIFY_NEAR(stops[0].t, 210.61282547704585, 1e-9);
        QVERIFY(eventsOf(sim, Event::LoadStarts).empty());
        const Sample before = sim.at(stops[0].t - 1e-6);
        const Sample after = sim.at(stops[0].t);
        QVERIFY_NEAR(after.im, 0.8, 1e-12);
        QVERIFY_NEAR(after.v2, 4.0, 1e-9); // m e = Vr, continuous
        QVERIFY(before.i2 > 0);
        QCOMPARE(after.i2, 0.0);
        // unloaded from 0.8 A: 1 - 0.2 e^{-(400 - 210.6128) / 100} = 0.969902394 A,
        // v2 = 2 (10 - 10 im) = 0.601952113 V
        QVERIFY_NEAR(sim.at(400).im, 0.9699023943728957, 1e-12);
        QVERIFY_NEAR(sim.at(400).v2, 0.6019521125420866, 1e-10);
        QCOMPARE(sim.at(400).i2, 0.0);
    }

    // Vide with a pulse twice as long: 100 V·µs at E - r i ≈ 10 V, reached after
    // 10 ms × ln(1 / (1 - 0.1 × 0.1 / 10)) = 10.005 µs; the figures then take
    // the current the flux is held at, Isat = 100 V·µs / 1 mH = 0.1 A, not
    // the E/r = 100 A the primary draws: ½ 1 mH (0.1 A)² = 5 µJ, and
    // 10 ms × ln(1 + 0.1 × 0.1 / 10) = 9.995 µs back through 10 V.
    void saturatedFirstPulse() {
        const Simulation sim(with(preset(Vide), [](Circuit &c) { c.alpha = 0.5; }));
        const Verdict &v = sim.verdict();
        QCOMPARE(v.kind, Verdict::Saturation);
        QCOMPARE(v.period, 1);
        QCOMPARE(v.saturatedPeriods, 1);
        QVERIFY_NEAR(v.t, 10.00500333583622, 1e-9);
        const Figures &f = sim.figures();
        QVERIFY_NEAR(f.energy, 5, 1e-9);
        QVERIFY_NEAR(f.demagTime, 9.995003330834232, 1e-9);
        QVERIFY_NEAR(f.peakMagnetising, 0.1, 1e-12);
        QVERIFY_NEAR(f.peakPrimary, 0.1, 1e-12);
        QCOMPARE(sim.at(15).i1, 100.0);
    }

    // Vide: "E × t = 100 V.µs peut transmettre une impulsion d'amplitude 10V
    // et de durée 10µs": the pulse asks exactly the rating, and r = 0.1 keeps
    // the flux below it: 1000 × 0.1 (1 - e^{-1e-3}) = 99.95 V·µs.
    void vide() {
        const Simulation sim(preset(Vide));
        QCOMPARE(sim.figures().pulseVoltSeconds, 100.0);
        QCOMPARE(sim.figures().rating, 100.0);
        QCOMPARE(sim.verdict().kind, Verdict::Complete);
        QVERIFY_NEAR(sim.at(10).flux, 99.95, 0.001);
        QVERIFY(sim.at(10).flux < 100);
    }

    // Demag: the pulse of 2 V × 20 µs = 40 V·µs comes back through
    // Vd = 1 V in 40 µs (twice the pulse), through Vd + Vz = 2 V in 20 µs.
    void demagnetisation_data() {
        QTest::addColumn<Circuit>("circuit");
        QTest::addColumn<double>("demagTime");
        QTest::addColumn<double>("energy");
        QTest::newRow("D") << preset(DemagD) << 40.0 << 0.8; // ½ 1 mH (0.04 A)² = 0.8 µJ
        QTest::newRow("D and Dz") << preset(DemagDz) << 20.0 << 0.8;
    }

    void demagnetisation() {
        QFETCH(Circuit, circuit);
        QFETCH(double, demagTime);
        QFETCH(double, energy);
        const Simulation sim(circuit);
        QVERIFY_NEAR(sim.figures().demagTime, demagTime, demagTime * 0.005);
        QVERIFY_NEAR(sim.figures().energy, energy, energy * 0.005);
        QCOMPARE(sim.verdict().kind, Verdict::Complete);
        const auto ends = eventsOf(sim, Event::DemagEnd);
        QCOMPARE(ends.size(), 1u);
        QCOMPARE(ends[0].t, 20 + sim.figures().demagTime);
    }

    // Incomp: 10 V for 10 µs puts 100 V·µs in, 5 V for 10 µs takes 50 out:
    // 0 → 100 → 50 → 150 → 100, then 100 → 165 after 6.5 µs of the third
    // pulse (t = 46.5 µs), out at 165 → 115, and 115 → 165 after 5 µs of
    // the fourth (t = 65 µs).
    void incomplete() {
        const Simulation sim(preset(Incomp));
        QVERIFY_NEAR(sim.at(20).flux, 50, 0.5);
        QVERIFY_NEAR(sim.at(40).flux, 100, 1);
        const Verdict &v = sim.verdict();
        QCOMPARE(v.kind, Verdict::Saturation);
        QCOMPARE(v.period, 3);
        QVERIFY_NEAR(v.t, 46.5, 0.2);
        QCOMPARE(v.saturatedPeriods, 2);
        const auto saturations = eventsOf(sim, Event::Saturation);
        QCOMPARE(saturations.size(), 2u);
        QCOMPARE(saturations[1].period, 4);
        QVERIFY_NEAR(saturations[1].t, 65, 0.3);
        // saturated: i1 = E/r = 100 A, nothing reaches the secondary
        const Sample s = sim.at(48);
        QCOMPARE(s.i1, 100.0);
        QCOMPARE(s.v2, 0.0);
        QCOMPARE(s.flux, 165.0);
        QCOMPARE(sim.figures().saturationCurrent, 100.0);
        // the flux is continuous when K opens saturated: 165 V·µs = 0.165 A
        QVERIFY_NEAR(sim.at(50).im, 0.165, 1e-12);
        QVERIFY(sim.figures().peakMagnetising <= 0.165);
    }

    // RappCyc: Vd + Vz = 13 V > E, alpha_max = 13 / 23 = 0.565 > 1/2, and
    // 100 V·µs comes back in 100/13 = 7.7 µs < 10 µs.
    void dutyCycle() {
        const Simulation sim(preset(RappCyc));
        QCOMPARE(sim.verdict().kind, Verdict::Complete);
        QVERIFY_NEAR(sim.figures().alphaMax, 13.0 / 23.0, 1e-15);
        QVERIFY(sim.figures().alphaMax > sim.circuit().alpha);
        QVERIFY_NEAR(sim.figures().demagTime, 100.0 / 13.0, 100.0 / 13.0 * 0.005);
        QCOMPARE(sim.figures().switchVoltage, 23.0);
    }

    // ChargeTi: m = 1, R = 100 Ω: v2 = v1 = E, i2 = E/R = 0.1 A on top of
    // i_m; Vz = 2E brings the 100 V·µs back in 100/20 = 5 µs, half the pulse.
    void loaded() {
        const Simulation sim(preset(ChargeTi));
        for (double t : {0.0, 5.0, 9.99}) {
            const Sample s = sim.at(t);
            QVERIFY_NEAR(s.v2, s.v1, 0.002 * s.v1);
            QCOMPARE(s.v1, 10.0);
            QVERIFY_NEAR(s.i2, 0.1, 0.0005);
            QVERIFY_NEAR(s.i1, s.im + s.i2, 1e-12);
        }
        QVERIFY_NEAR(sim.figures().secondaryCurrent, 0.1, 0.0005);
        QVERIFY_NEAR(sim.figures().demagTime, 5, 0.025);
        // while demagnetising, the load's diode blocks: v2 = m e < 0, i2 = 0
        const Sample out = sim.at(12);
        QCOMPARE(out.i2, 0.0);
        QVERIFY(out.v2 < -20);
        QCOMPARE(sim.verdict().kind, Verdict::Complete);
    }

    // Applic: 15 V for 20 µs (25 kHz) into 17 mH, two gates through
    // m = 0.5: "15 × 0,00002 / 0,017 = 18 mA" of magnetising current,
    // v2 = 7.5 V, i2 = (7.5 - 3 - 1) / 23.3 = 150 mA per gate,
    // "i1 = 150 + 18 = 168 mA", "Vce0 > 15 + 18 + 1 = 34V".
    void thyristorGates() {
        const Simulation sim(preset(Applic));
        const Figures &f = sim.figures();
        QCOMPARE(sim.circuit().alpha * sim.circuit().T, 20.0);
        QCOMPARE(f.pulseVoltSeconds, 300.0);
        QVERIFY(f.pulseVoltSeconds < f.rating);
        QVERIFY_NEAR(f.peakMagnetising, 0.0176, 0.0003);
        QVERIFY_NEAR(f.secondaryCurrent, 0.150, 0.001);
        QVERIFY_NEAR(sim.at(0).v2, 7.5, 0.02);
        QVERIFY_NEAR(f.peakPrimary, 0.168, 0.0015);
        QCOMPARE(f.switchVoltage, 34.0);
        QCOMPARE(sim.verdict().kind, Verdict::Complete);
    }

    void verdict_data() {
        QTest::addColumn<Circuit>("circuit");
        QTest::addColumn<Verdict::Kind>("kind");
        QTest::newRow("Vide") << preset(Vide) << Verdict::Complete;
        // 0 → 100 → 50 → 150 → 100 V·µs: never 165, never back to 0
        QTest::newRow("Incomp, two periods")
            << with(preset(Incomp), [](Circuit &c) { c.periods = 2; }) << Verdict::Incomplete;
        QTest::newRow("Incomp") << preset(Incomp) << Verdict::Saturation;
        // Vd = 0 at alpha = 0.95: the current only decays while K is open;
        // 10 periods of 190 V·µs stay below 5000, 100 do not
        const Circuit stuck = with(preset(DemagD), [](Circuit &c) {
            c.alpha = 0.95;
            c.Vd = 0;
            c.E = 10;
            c.T = 20;
            c.L = 100;
            c.rating = 5000;
        });
        QTest::newRow("never demagnetised")
            << with(stuck, [](Circuit &c) { c.periods = 10; }) << Verdict::Incomplete;
        QTest::newRow("never demagnetised, saturates")
            << with(stuck, [](Circuit &c) { c.periods = 100; }) << Verdict::Saturation;
    }

    void verdict() {
        QFETCH(Circuit, circuit);
        QFETCH(Verdict::Kind, kind);
        const Simulation sim(circuit);
        QCOMPARE(sim.verdict().kind, kind);
        QCOMPARE(sim.verdict().saturatedPeriods > 0, kind == Verdict::Saturation);
        if (circuit.Vd == 0 && circuit.demag == Demagnetisation::Diode)
            QVERIFY(std::isinf(sim.figures().demagTime));
    }

    // What holds for every circuit: the pieces tile the run, i1 = i_m + m k i2,
    // the flux reaches the rating only when the core saturates, and the
    // events sit exactly where the pieces change.
    void invariants_data() {
        QTest::addColumn<Circuit>("circuit");
        for (const Preset &p : presets())
            QTest::newRow(p.name) << p.circuit;
        QTest::newRow("alpha raised")
            << with(preset(DemagD), [](Circuit &c) { c.alpha = 0.8, c.periods = 10; });
        QTest::newRow("Vz lowered") << with(preset(Incomp), [](Circuit &c) { c.Vz = 0.5; });
        QTest::newRow("heavy load") << with(preset(ChargeTi), [](Circuit &c) {
            c.R = 1;
            c.Vr = 5;
            c.secondaries = 2;
        });
        const Circuit stops = with(thresholdLoad(), [](Circuit &c) { c.periods = 3; });
        QTest::newRow("load stops mid-pulse") << stops;
        // off at 0.8 A after 210.6 µs, then unloaded towards 1 A: Isat = 0.9 A
        // after 100 µs × ln 2 more
        QTest::newRow("load stops, then saturates")
            << with(stops, [](Circuit &c) { c.rating = 900; });
        QTest::newRow("100 periods") << with(preset(Applic), [](Circuit &c) { c.periods = 100; });
        QTest::newRow("100 periods saturating")
            << with(preset(Incomp), [](Circuit &c) { c.periods = 100; });
    }

    void invariants() {
        QFETCH(Circuit, circuit);
        const Simulation sim(circuit);
        const Circuit &c = sim.circuit();
        const auto &pieces = sim.pieces();
        QVERIFY(!pieces.empty());
        QCOMPARE(pieces.front().t0, 0.0);
        QVERIFY_NEAR(pieces.back().t1, sim.duration(), 1e-9 * sim.duration());
        for (std::size_t n = 0; n < pieces.size(); ++n) {
            QVERIFY(pieces[n].t0 < pieces[n].t1);
            if (n + 1 < pieces.size())
                QCOMPARE(pieces[n + 1].t0, pieces[n].t1);
            QVERIFY(pieces[n].t0 >= (pieces[n].period - 1) * c.T);
            QVERIFY(pieces[n].t1 <= pieces[n].period * c.T);
            QVERIFY(pieces[n].phase != Phase::Saturated ||
                    sim.verdict().kind == Verdict::Saturation);
        }

        double peakFlux = 0;
        const auto samples = sim.samples(1000);
        for (std::size_t n = 0; n < samples.size(); ++n) {
            const Sample &s = samples[n];
            if (n > 0)
                QVERIFY(samples[n - 1].t <= s.t);
            const double sum = s.im + c.m * c.secondaries * s.i2;
            QVERIFY_NEAR(s.i1, sum, 1e-9 * std::max(1.0, std::abs(sum)));
            QVERIFY(s.flux <= c.rating);
            QVERIFY(s.im >= 0 && s.i2 >= 0);
            peakFlux = std::max(peakFlux, s.flux);
        }
        QCOMPARE(peakFlux == c.rating, sim.verdict().kind == Verdict::Saturation);

        for (const Event &e : sim.events()) {
            // the piece that ends at the event, and the one that starts there
            auto ending = std::find_if(pieces.begin(), pieces.end(),
                                       [&](const Piece &p) { return p.t1 == e.t; });
            QVERIFY(ending != pieces.end());
            const Sample end = sim.endOf(ending - pieces.begin());
            switch (e.kind) {
            case Event::DemagEnd:
                QCOMPARE(ending->phase, Phase::Demagnetising);
                QVERIFY_NEAR(end.im, 0, 1e-12);
                QCOMPARE(sim.at(e.t).im, 0.0);
                break;
            case Event::Saturation:
                QCOMPARE(ending->phase, Phase::Closed);
                QVERIFY_NEAR(end.im, isat(c), 1e-12);
                QVERIFY_NEAR(end.flux, c.rating, 1e-9);
                QCOMPARE(sim.at(e.t).i1, c.E / c.r);
                break;
            case Event::LoadStops:
            case Event::LoadStarts:
                QVERIFY_NEAR(end.v2, c.Vr, 1e-9);
                QCOMPARE(sim.at(e.t).i2 == 0, e.kind == Event::LoadStops);
                break;
            }
        }
    }

    // With r at its smallest and a complete demagnetisation, what a pulse
    // puts in comes back out: E alpha T = Vdem t_demag, to 0.5 %.
    void voltSecondsBalance_data() {
        QTest::addColumn<Circuit>("circuit");
        for (const char *name : {DemagD, DemagDz, RappCyc, ChargeTi, Applic})
            QTest::newRow(name) << with(preset(name), [](Circuit &c) {
                c.r = 0.01;
                c.periods = 3;
            });
    }

    void voltSecondsBalance() {
        QFETCH(Circuit, circuit);
        const Simulation sim(circuit);
        QCOMPARE(sim.verdict().kind, Verdict::Complete);
        const auto ends = eventsOf(sim, Event::DemagEnd);
        QCOMPARE(int(ends.size()), circuit.periods);
        const double opening = (circuit.periods - 1 + circuit.alpha) * circuit.T;
        const double in = circuit.E * circuit.alpha * circuit.T;
        const double out = circuit.demagVoltage() * (ends.back().t - opening);
        QVERIFY_NEAR(out, in, 0.005 * in);
    }

    // Both sides of every boundary, in time order; at() gives the side after.
    void samplesAtBoundaries() {
        const Simulation sim(preset(Incomp));
        const auto samples = sim.samples(11);
        QCOMPARE(samples.size(), 11 + 2 * (sim.pieces().size() - 1));
        QCOMPARE(samples.front().t, 0.0);
        QCOMPARE(samples.back().t, sim.duration());
        for (std::size_t n = 0; n + 1 < sim.pieces().size(); ++n) {
            const double t = sim.pieces()[n].t1;
            auto it = std::find_if(samples.begin(), samples.end(),
                                   [&](const Sample &s) { return s.t == t; });
            QVERIFY(it != samples.end());
            QCOMPARE(it->k, sim.endOf(n).k);
            QCOMPARE(it->i1, sim.endOf(n).i1);
            const auto after = std::find_if(it, samples.end(), [&](const Sample &s) {
                return s.t == t && (s.k != it->k || s.i1 != it->i1 || s.v1 != it->v1);
            });
            if (after != samples.end()) // a boundary where something jumps
                QCOMPARE(after->i1, sim.at(t).i1);
        }
        // K opens at 10 µs: closed just before, open just after
        const Sample open = sim.at(10);
        QCOMPARE(open.k, 0.0);
        QCOMPARE(open.v1, -5.0);
        QCOMPARE(sim.endOf(0).k, 1.0);
        QCOMPARE(sim.endOf(0).v1, 10.0);
    }

    void clampedValues_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<bool>("toMax");
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << false;
        QTest::newRow("negative") << -1e9 << false;
        QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << false;
        QTest::newRow("huge") << 1e300 << true;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << true;
    }

    void clampedValues() {
        QFETCH(double, x);
        QFETCH(bool, toMax);
        QCOMPARE(int(bounds().size()), int(Value::Periods) + 1);
        Circuit c;
        for (const Bound &b : bounds())
            set(c, b.value, x);
        Circuit raw;
        for (const Bound &b : bounds()) {
            QCOMPARE(bound(b.value).value, b.value);
            QVERIFY(b.min < b.max);
            QCOMPARE(get(c, b.value), toMax ? b.max : b.min);
        }
        // clamped() and the simulation do the same to the raw circuit
        raw.E = raw.T = raw.alpha = raw.L = raw.rating = raw.r = raw.m = x;
        raw.Vd = raw.Vz = raw.R = raw.Vr = x;
        raw.secondaries = toMax ? 1000 : -5;
        raw.periods = toMax ? 1000 : -5;
        QCOMPARE(clamped(raw), c);
        const Simulation sim(raw);
        QCOMPARE(sim.circuit(), c);
        QVERIFY(std::isfinite(sim.pieces().back().t1));
    }

    void clampedKeepsAndRounds() {
        // the presets are within bounds as they are
        for (const Preset &p : presets())
            QCOMPARE(clamped(p.circuit), p.circuit);
        Circuit c;
        set(c, Value::Secondaries, 1.6);
        set(c, Value::Periods, 7.4);
        set(c, Value::Alpha, 0.97);
        QCOMPARE(c.secondaries, 2);
        QCOMPARE(c.periods, 7);
        QCOMPARE(c.alpha, 0.95);
    }

    void presetsInOrder() {
        const char *pages[] = {"Vide", "Demag", "Demag", "Incomp", "RappCyc", "ChargeTi", "Applic"};
        QCOMPARE(presets().size(), std::size(pages));
        for (std::size_t n = 0; n < std::size(pages); ++n) {
            QCOMPARE(presets()[n].page, pages[n]);
            QCOMPARE(presets()[n].circuit.r, 0.1);
        }
    }

    // A hundred periods are solved in well under a millisecond.
    void hundredPeriods() {
        const Circuit c = with(preset(Applic), [](Circuit &x) { x.periods = 100; });
        QBENCHMARK {
            const Simulation sim(c);
            QVERIFY(!sim.pieces().empty());
        }
    }
};

QTEST_APPLESS_MAIN(LabModelTest)
#include "tst_labmodel.moc"
