#include "lab/model/Simulation.h"

#include "lab/model/Bounds.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lab {

namespace {

// The API speaks in mH and µs; the equations are solved in H and s.
constexpr double henriesPerMilliHenry = 1e-3;
constexpr double secondsPerMicrosecond = 1e-6;
// A flux in V·µs from L in mH and a current in A: 1 H·A = 1 V·s = 1e6 V·µs.
constexpr double voltMicrosecondsPerMilliHenryAmpere = 1e3;
// 1/2 L i^2 in µJ with L in mH: 1 mH·A² = 1 mJ = 1e3 µJ.
constexpr double microJoulesPerMilliHenrySquareAmpere = 1e3;

// Pieces into which one closed stretch may be split (the load's diodes
// switch at most once, then the core saturates): a bound that only broken
// arithmetic could reach.
constexpr int maxPiecesPerStretch = 8;

} // namespace

double magnetisingCurrent(double L, double a, double b, double i0, double dt) {
    const double henries = L * henriesPerMilliHenry;
    const double seconds = dt * secondsPerMicrosecond;
    // i0 e^{-x} + (a t / L) (1 - e^{-x}) / x with x = b t / L: the exponential
    // written so that it becomes the straight line i0 + a t / L as b goes to 0.
    const double x = b * seconds / henries;
    const double shape = x == 0 ? 1 : -std::expm1(-x) / x;
    return i0 * std::exp(-x) + a * seconds / henries * shape;
}

std::optional<double> timeToReach(double L, double a, double b, double i0, double target) {
    if (target == i0)
        return 0.0;
    const double henries = L * henriesPerMilliHenry;
    double seconds = 0;
    if (b == 0) {
        if (a == 0)
            return std::nullopt;
        seconds = henries * (target - i0) / a;
        if (!(seconds > 0))
            return std::nullopt;
    } else {
        // (i0 - a/b) e^{-b t / L} = target - a/b: the target must lie between
        // i0 and the asymptote, strictly on the side of i0.
        const double asymptote = a / b;
        const double from = i0 - asymptote;
        const double to = target - asymptote;
        if (to == 0 || (from > 0) != (to > 0) || std::abs(to) >= std::abs(from))
            return std::nullopt;
        seconds = henries / b * std::log1p((i0 - target) / to);
    }
    if (!std::isfinite(seconds))
        return std::nullopt;
    return seconds / secondsPerMicrosecond;
}

namespace {

// Solves the circuit period after period, carrying the magnetising current
// from one stretch to the next.
struct Solver {
    explicit Solver(const Circuit &c)
        : c(c), k(c.secondaries), vdem(c.demagVoltage()), isat(c.saturatingCurrent()),
          // m e > Vr with e = E - r i_m: the load conducts below this current
          loadLimit((c.E - c.Vr / c.m) / c.r), g(1 + c.r * c.m * c.m * k / c.R) {}

    void run() {
        for (int p = 1; p <= c.periods; ++p) {
            const double start = (p - 1) * c.T;
            const double opening = start + c.alpha * c.T;
            const double end = p * c.T;
            closed(p, start, opening);
            if (p == 1)
                firstOpeningCurrent = saturated ? isat : im;
            open(p, opening, end);
            if (im > 0)
                incomplete = true;
        }
    }

    const Circuit &c;
    const double k;
    const double vdem;
    const double isat;
    const double loadLimit;
    const double g;

    std::vector<Piece> pieces;
    std::vector<Event> events;
    double im = 0;
    bool saturated = false;
    bool incomplete = false;
    double firstOpeningCurrent = 0;

private:
    void add(Phase phase, int period, double t0, double t1, double im0, double a, double b,
             bool conducts) {
        if (t1 > t0)
            pieces.push_back({phase, period, t0, t1, im0, a, b, conducts});
    }

    // K closed from t0 to t1: below the rating, the load's diodes on or
    // off, then saturated until K opens.
    void closed(int p, double t0, double t1) {
        if (im >= isat) {
            im = isat;
            saturated = true;
            events.push_back({Event::Saturation, t0, p});
        }
        bool conducts = c.loaded && im < loadLimit;
        double t = t0;
        for (int n = 0; !saturated && t < t1; ++n) {
            const bool watch = n < maxPiecesPerStretch;
            // L di/dt = e = a - b i_m; with the load, e = (E + r m k Vr/R - r i_m) / g
            const double a = conducts ? (c.E + c.r * c.m * k * c.Vr / c.R) / g : c.E;
            const double b = conducts ? c.r / g : c.r;
            double end = t1;
            std::optional<Event::Kind> event;
            if (const auto dt = timeToReach(c.L, a, b, im, isat); watch && dt && t + *dt <= end) {
                end = t + *dt;
                event = Event::Saturation;
            }
            const bool towardsLimit = conducts ? im < loadLimit : im > loadLimit;
            if (c.loaded && watch && towardsLimit) {
                if (const auto dt = timeToReach(c.L, a, b, im, loadLimit); dt && t + *dt < end) {
                    end = t + *dt;
                    event = conducts ? Event::LoadStops : Event::LoadStarts;
                }
            }
            add(Phase::Closed, p, t, end, im, a, b, conducts);
            if (!event) {
                im = std::clamp(magnetisingCurrent(c.L, a, b, im, end - t), 0.0, isat);
            } else if (*event == Event::Saturation) {
                im = isat;
                saturated = true;
            } else {
                im = loadLimit;
                conducts = !conducts;
            }
            if (event)
                events.push_back({*event, end, p});
            t = end;
        }
        if (saturated)
            add(Phase::Saturated, p, t, t1, c.E / c.r, 0, 0, false);
    }

    // K open from t0 to t1: the magnetising current through the branch, then rest.
    void open(int p, double t0, double t1) {
        if (saturated) {
            // the flux is continuous: the current falls at once to the rating's
            saturated = false;
            im = isat;
        }
        double t = t0;
        if (im > 0) {
            const double a = -vdem;
            const double b = c.r;
            double end = t1;
            const auto dt = timeToReach(c.L, a, b, im, 0);
            const bool ends = dt && t + *dt <= t1;
            if (ends)
                end = t + *dt;
            add(Phase::Demagnetising, p, t, end, im, a, b, false);
            im = ends ? 0 : std::max(0.0, magnetisingCurrent(c.L, a, b, im, end - t));
            if (ends)
                events.push_back({Event::DemagEnd, end, p});
            t = end;
        }
        add(Phase::Rest, p, t, t1, 0, 0, 0, false);
    }
};

} // namespace

Simulation::Simulation(const Circuit &circuit) : m_circuit(clamped(circuit)) {
    const Circuit &c = m_circuit;
    Solver solver(c);
    solver.run();
    m_pieces = std::move(solver.pieces);
    m_events = std::move(solver.events);

    for (const Event &event : m_events) {
        if (event.kind != Event::Saturation)
            continue;
        if (m_verdict.saturatedPeriods == 0) {
            m_verdict.period = event.period;
            m_verdict.t = event.t;
        }
        ++m_verdict.saturatedPeriods;
    }
    if (m_verdict.saturatedPeriods > 0)
        m_verdict.kind = Verdict::Saturation;
    else if (solver.incomplete)
        m_verdict.kind = Verdict::Incomplete;

    Figures &f = m_figures;
    const double vdem = c.demagVoltage();
    const double i0 = solver.firstOpeningCurrent;
    f.pulseVoltSeconds = c.E * c.alpha * c.T;
    f.rating = c.rating;
    f.openTime = (1 - c.alpha) * c.T;
    f.demagTime =
        timeToReach(c.L, -vdem, c.r, i0, 0).value_or(std::numeric_limits<double>::infinity());
    f.alphaMax = vdem / (c.E + vdem);
    f.energy = 0.5 * c.L * i0 * i0 * microJoulesPerMilliHenrySquareAmpere;
    f.switchVoltage = c.E + vdem;
    // i_m and i1 are monotonic within a piece: their peaks lie at its ends.
    for (std::size_t n = 0; n < m_pieces.size(); ++n) {
        if (m_pieces[n].phase == Phase::Saturated)
            continue;
        for (const Sample &s : {sampleIn(m_pieces[n], m_pieces[n].t0), endOf(n)}) {
            f.peakMagnetising = std::max(f.peakMagnetising, s.im);
            f.peakPrimary = std::max(f.peakPrimary, s.i1);
        }
    }
    f.secondaryCurrent = at(0).i2;
    f.saturationCurrent = c.E / c.r;
}

double Simulation::duration() const {
    return m_circuit.periods * m_circuit.T;
}

Sample Simulation::sampleIn(const Piece &piece, double t) const {
    const Circuit &c = m_circuit;
    Sample s;
    s.t = t;
    switch (piece.phase) {
    case Phase::Rest:
        return s;
    case Phase::Saturated:
        s.k = 1;
        s.v1 = c.E;
        s.im = s.i1 = c.E / c.r;
        s.flux = c.rating;
        return s;
    case Phase::Closed:
    case Phase::Demagnetising:
        break;
    }
    const double dt = std::clamp(t, piece.t0, piece.t1) - piece.t0;
    s.im = std::clamp(magnetisingCurrent(c.L, piece.a, piece.b, piece.im0, dt), 0.0,
                      c.saturatingCurrent());
    const double e = piece.a - piece.b * s.im;
    if (piece.phase == Phase::Closed) {
        s.k = 1;
        s.v1 = c.E;
        if (piece.loadConducts)
            s.i2 = std::max(0.0, (c.m * e - c.Vr) / c.R);
    } else {
        s.v1 = -c.demagVoltage();
    }
    s.v2 = c.m * e;
    s.i1 = s.im + c.m * c.secondaries * s.i2;
    s.flux = std::min(c.L * voltMicrosecondsPerMilliHenryAmpere * s.im, c.rating);
    return s;
}

const Piece *Simulation::pieceAt(double t) const {
    if (m_pieces.empty())
        return nullptr;
    // the last piece that starts at or before t: just after a boundary
    auto it = std::upper_bound(m_pieces.begin(), m_pieces.end(), t,
                               [](double x, const Piece &piece) { return x < piece.t0; });
    if (it != m_pieces.begin())
        --it;
    return &*it;
}

Sample Simulation::at(double t) const {
    Sample s;
    if (const Piece *piece = pieceAt(t))
        s = sampleIn(*piece, t);
    s.t = t;
    return s;
}

Sample Simulation::endOf(std::size_t index) const {
    const Piece &piece = m_pieces.at(index);
    return sampleIn(piece, piece.t1);
}

std::vector<Sample> Simulation::samples(int count) const {
    // before = 0 sorts the left limit at a boundary ahead of the value after it
    struct Ranked {
        Sample sample;
        int rank;
    };
    std::vector<Ranked> ranked;
    ranked.reserve(std::max(count, 0) + 2 * m_pieces.size());
    const double span = duration();
    for (int n = 0; n < count; ++n) {
        const double t = count == 1 ? 0 : span * n / (count - 1);
        ranked.push_back({at(t), 1});
    }
    for (std::size_t n = 0; n + 1 < m_pieces.size(); ++n) {
        ranked.push_back({endOf(n), 0});
        ranked.push_back({sampleIn(m_pieces[n + 1], m_pieces[n + 1].t0), 1});
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked &x, const Ranked &y) {
        return x.sample.t != y.sample.t ? x.sample.t < y.sample.t : x.rank < y.rank;
    });
    std::vector<Sample> result;
    result.reserve(ranked.size());
    for (const Ranked &r : ranked)
        result.push_back(r.sample);
    return result;
}

} // namespace lab
