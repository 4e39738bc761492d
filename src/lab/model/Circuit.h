#pragma once

namespace lab {

/// How the magnetising current is led away when K opens.
enum class Demagnetisation {
    Diode,      ///< through D alone: v1 = -Vd
    DiodeZener, ///< through D and the Zener diode Dz in series: v1 = -(Vd + Vz)
};

/// \brief The values of the laboratory's circuit, in the units the learner
/// reads: a source E switched onto the primary by K (closed for alpha * T at
/// the start of each period T), the transformer (magnetising inductance L,
/// its E x t rating, the resistance r of its primary, the ratio m = n2/n1),
/// the demagnetising branch across the primary, and a resistive load R fed
/// by each secondary through a diode.
struct Circuit {
    double E = 10;       ///< V, the source
    double T = 20;       ///< µs, the switching period
    double alpha = 0.5;  ///< duty cycle: K is closed for alpha * T
    double L = 1;        ///< mH, magnetising inductance seen from the primary
    double rating = 165; ///< V·µs, the E x t product of the transformer
    double r = 0.1;      ///< Ω, resistance of the primary winding
    double m = 1;        ///< n2 / n1
    Demagnetisation demag = Demagnetisation::DiodeZener;
    double Vd = 1;       ///< V, threshold of D
    double Vz = 4;       ///< V, Zener voltage of Dz (unused with D alone)
    bool loaded = false; ///< a load on the secondary
    double R = 100;      ///< Ω, the load of each secondary
    double Vr = 0;       ///< V, threshold in series with R (its diode, a gate...)
    int secondaries = 1; ///< identical loaded secondaries (the application has two)
    int periods = 4;     ///< periods simulated and drawn

    /// Vd, plus Vz with the Zener diode: what v1 is while the core demagnetises.
    double demagVoltage() const { return demag == Demagnetisation::DiodeZener ? Vd + Vz : Vd; }
    /// A, the magnetising current at which the flux L i_m reaches the rating
    /// (1 mH·A = 1e3 V·µs).
    double saturatingCurrent() const { return rating / (L * 1e3); }
    bool operator==(const Circuit &) const = default;
};

} // namespace lab
