#pragma once

#include "lab/model/Circuit.h"

#include <array>

namespace lab {

/// The values of the circuit that the learner sets.
enum class Value { E, T, Alpha, L, Rating, R_primary, M, Vd, Vz, R_load, Vr, Secondaries, Periods };

/// \brief Where a value may go and how finely: its bounds, the step of its
/// field, the decimals it is shown with, and whether its slider moves on a
/// logarithmic scale (values that span decades).
struct Bound {
    Value value;
    double min;
    double max;
    double step;
    int decimals;
    bool logarithmic;
};

/// The bounds of every value, in the order of Value.
const std::array<Bound, 13> &bounds();
const Bound &bound(Value value);

/// The value of \a circuit that \a value names, and setting it (clamped to its bounds).
double get(const Circuit &circuit, Value value);
void set(Circuit &circuit, Value value, double x);
/// \brief Whether \a value takes part in \a circuit: Vz only with the Zener
/// diode, the load's values only with a load.
bool takesPart(const Circuit &circuit, Value value);
/// \a circuit with every value within its bounds (and a number: NaN takes the minimum).
Circuit clamped(Circuit circuit);

} // namespace lab
