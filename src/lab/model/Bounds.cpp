#include "lab/model/Bounds.h"

#include <algorithm>
#include <cmath>

namespace lab {

const std::array<Bound, 13> &bounds() {
    static const std::array<Bound, 13> table{{
        {Value::E, 1, 100, 0.5, 1, false},
        {Value::T, 1, 1000, 0.5, 1, true},
        {Value::Alpha, 0.05, 0.95, 0.01, 2, false},
        {Value::L, 0.01, 100, 0.001, 3, true},
        {Value::Rating, 1, 5000, 1, 0, true},
        {Value::R_primary, 0.01, 10, 0.01, 2, true},
        {Value::M, 0.1, 10, 0.05, 2, true},
        {Value::Vd, 0, 2, 0.1, 1, false},
        {Value::Vz, 0, 200, 0.5, 1, false},
        {Value::R_load, 1, 10000, 0.1, 1, true},
        {Value::Vr, 0, 20, 0.1, 1, false},
        {Value::Secondaries, 1, 2, 1, 0, false},
        {Value::Periods, 1, 100, 1, 0, false},
    }};
    return table;
}

const Bound &bound(Value value) {
    return bounds()[static_cast<std::size_t>(value)];
}

namespace {

double within(Value value, double x) {
    const Bound &b = bound(value);
    if (std::isnan(x))
        return b.min;
    return std::clamp(x, b.min, b.max);
}

int wholeWithin(Value value, double x) {
    return static_cast<int>(std::lround(within(value, x)));
}

} // namespace

double get(const Circuit &circuit, Value value) {
    switch (value) {
    case Value::E:
        return circuit.E;
    case Value::T:
        return circuit.T;
    case Value::Alpha:
        return circuit.alpha;
    case Value::L:
        return circuit.L;
    case Value::Rating:
        return circuit.rating;
    case Value::R_primary:
        return circuit.r;
    case Value::M:
        return circuit.m;
    case Value::Vd:
        return circuit.Vd;
    case Value::Vz:
        return circuit.Vz;
    case Value::R_load:
        return circuit.R;
    case Value::Vr:
        return circuit.Vr;
    case Value::Secondaries:
        return circuit.secondaries;
    case Value::Periods:
        return circuit.periods;
    }
    return 0;
}

void set(Circuit &circuit, Value value, double x) {
    switch (value) {
    case Value::E:
        circuit.E = within(value, x);
        break;
    case Value::T:
        circuit.T = within(value, x);
        break;
    case Value::Alpha:
        circuit.alpha = within(value, x);
        break;
    case Value::L:
        circuit.L = within(value, x);
        break;
    case Value::Rating:
        circuit.rating = within(value, x);
        break;
    case Value::R_primary:
        circuit.r = within(value, x);
        break;
    case Value::M:
        circuit.m = within(value, x);
        break;
    case Value::Vd:
        circuit.Vd = within(value, x);
        break;
    case Value::Vz:
        circuit.Vz = within(value, x);
        break;
    case Value::R_load:
        circuit.R = within(value, x);
        break;
    case Value::Vr:
        circuit.Vr = within(value, x);
        break;
    case Value::Secondaries:
        circuit.secondaries = wholeWithin(value, x);
        break;
    case Value::Periods:
        circuit.periods = wholeWithin(value, x);
        break;
    }
}

bool takesPart(const Circuit &circuit, Value value) {
    switch (value) {
    case Value::Vz:
        return circuit.demag == Demagnetisation::DiodeZener;
    case Value::R_load:
    case Value::Vr:
    case Value::Secondaries:
        return circuit.loaded;
    default:
        return true;
    }
}

Circuit clamped(Circuit circuit) {
    for (const Bound &b : bounds())
        set(circuit, b.value, get(circuit, b.value));
    return circuit;
}

} // namespace lab
