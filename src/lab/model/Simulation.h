#pragma once

#include "lab/model/Circuit.h"

#include <optional>
#include <vector>

namespace lab {

/// The form the circuit's equations take over a stretch of time.
enum class Phase {
    Closed,        ///< K closed, the core below its rating
    Saturated,     ///< K closed, the core saturated: i1 = E / r, v2 = 0
    Demagnetising, ///< K open, the magnetising current flows through D (and Dz)
    Rest,          ///< K open, the core demagnetised: every current is 0
};

/// \brief Every quantity of the circuit at one instant. Times in µs,
/// voltages in V, currents in A, the flux as volt-seconds (L * i_m) in V·µs.
struct Sample {
    double t = 0;
    double k = 0;    ///< 1 while K is closed, 0 while it is open
    double v1 = 0;   ///< across the primary's terminals
    double i1 = 0;   ///< into the primary
    double im = 0;   ///< magnetising current
    double flux = 0; ///< L * i_m, never above the rating
    double v2 = 0;   ///< across each secondary
    double i2 = 0;   ///< out of each secondary into its load
};

/// \brief A stretch in which the equations keep one form. The magnetising
/// current obeys L di_m/dt = a - b i_m, solved exactly from im0 at t0.
struct Piece {
    Phase phase = Phase::Rest;
    int period = 1;            ///< 1 for the first period
    double t0 = 0;             ///< µs
    double t1 = 0;             ///< µs
    double im0 = 0;            ///< A, the magnetising current at t0
    double a = 0;              ///< V
    double b = 0;              ///< Ω
    bool loadConducts = false; ///< the secondaries' diodes conduct
};

/// Something that happens at a computed instant.
struct Event {
    enum Kind {
        Saturation, ///< the flux reaches the rating, K closed
        DemagEnd,   ///< the magnetising current is back to 0, K open
        LoadStops,  ///< the secondaries' diodes stop conducting, K closed
        LoadStarts, ///< they conduct again
    };
    Kind kind;
    double t;   ///< µs
    int period; ///< 1 for the first period
};

/// \brief What the figures beside the oscillograms say. Times in µs,
/// voltages in V, currents in A, volt-seconds in V·µs, energy in µJ.
struct Figures {
    double pulseVoltSeconds = 0; ///< E * alpha * T, what one pulse asks of the core
    double rating = 0;
    double openTime = 0;          ///< (1 - alpha) * T
    double demagTime = 0;         ///< from the first opening of K to i_m = 0 (as if K stayed open)
    double alphaMax = 0;          ///< (Vd + Vz) / (E + Vd + Vz)
    double energy = 0;            ///< 1/2 L i_m^2 at the end of the first pulse
    double switchVoltage = 0;     ///< across K when it opens: E + Vd + Vz
    double peakMagnetising = 0;   ///< largest i_m with the core below its rating
    double peakPrimary = 0;       ///< largest i1 with the core below its rating
    double secondaryCurrent = 0;  ///< i2 of each secondary at the start of the first pulse
    double saturationCurrent = 0; ///< E / r, what i1 jumps to when the core saturates
};

/// \brief The verdict on the whole run.
struct Verdict {
    enum Kind {
        Complete,   ///< demagnetised within every period
        Incomplete, ///< some flux left at a period's end, no saturation yet
        Saturation, ///< the core saturates
    };
    Kind kind = Complete;
    int period = 0;           ///< with Saturation: the first period that saturates (1 = first)
    double t = 0;             ///< with Saturation: when, µs from the start
    int saturatedPeriods = 0; ///< how many periods saturate
};

/// \brief The magnetising current after \a dt (µs) of L di/dt = a - b i
/// from \a i0 (A), with L in mH, a in V, b in Ω: exponential towards a / b,
/// or a straight line when b is 0.
double magnetisingCurrent(double L, double a, double b, double i0, double dt);
/// \brief How long (µs) the current of L di/dt = a - b i takes from \a i0
/// to \a target; nothing when it never gets there (the target is not
/// between \a i0 and the asymptote a / b).
std::optional<double> timeToReach(double L, double a, double b, double i0, double target);

/// \brief The circuit solved exactly, piece by piece, over its periods:
/// the events (saturation, end of demagnetisation, the load's diodes) are
/// solved for, not stepped to.
class Simulation {
public:
    /// \brief Solves \a circuit over circuit.periods periods, starting with
    /// the core demagnetised. Values outside their bounds are clamped
    /// (see Bounds.h).
    explicit Simulation(const Circuit &circuit);

    const Circuit &circuit() const { return m_circuit; }
    double duration() const; ///< periods * T, µs
    const std::vector<Piece> &pieces() const { return m_pieces; }
    const std::vector<Event> &events() const { return m_events; }
    const Figures &figures() const { return m_figures; }
    const Verdict &verdict() const { return m_verdict; }

    /// \brief The piece that \a t (µs) lies in: at a boundary, the one that
    /// starts there; the first before 0 and the last from duration() on;
    /// nothing when there is no piece.
    const Piece *pieceAt(double t) const;
    /// \brief Every quantity at \a t (µs): at a switching instant or an
    /// event, the value just after it.
    Sample at(double t) const;
    /// The quantities at the end of the piece \a index (its left limit at t1).
    Sample endOf(std::size_t index) const;
    /// \brief \a count evenly spaced samples from 0 to duration(), with,
    /// at every piece's boundary, the value just before and just after it.
    std::vector<Sample> samples(int count) const;

private:
    Sample sampleIn(const Piece &piece, double t) const;

    Circuit m_circuit;
    std::vector<Piece> m_pieces;
    std::vector<Event> m_events;
    Figures m_figures;
    Verdict m_verdict;
};

} // namespace lab
