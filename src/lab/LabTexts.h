#pragma once

#include "lab/model/Bounds.h"
#include "lab/model/Presets.h"
#include "lab/model/Simulation.h"

#include <QString>
#include <QStringList>

/// \brief What the laboratory says, in French: the names and units of the
/// values, the figures, the verdict and the oscillograms in words.
namespace lab::texts {

/// How the learner reads one value of the circuit.
struct ValueText {
    QString symbol; ///< "E", "α", "E × t"
    QString label;  ///< what the learner reads beside the slider: "source"
    QString what;   ///< what the value is, in full: "tension de la source"
    QString unit;   ///< "V", "µs", "" (none)
    QString spoken; ///< the unit in words, for screen readers: "volts"
};
ValueText valueText(Value value);
/// \brief The control's name for a screen reader: "E, tension de la source, en volts".
QString accessibleName(Value value);

/// \a x with \a decimals decimals and the French decimal comma: "46,5".
QString number(double x, int decimals);
/// A current in A as the learner reads it: "17,6 mA", "1,50 A".
QString current(double amperes);
/// A time in µs: "46,5 µs".
QString time(double microseconds);
/// A voltage in V: "34,0 V".
QString voltage(double volts);

/// \brief The verdict: "démagnétisation complète à chaque période",
/// "saturation à la période 3, à t = 46,5 µs"...
QString verdict(const Simulation &simulation);
/// The figures beside the oscillograms, one line each (the verdict apart).
QStringList figures(const Simulation &simulation);
/// \brief What the oscillograms show, in words: the plot's description for
/// screen readers ("Le noyau sature à la troisième période, à t = 46,5 µs...").
QString description(const Simulation &simulation);
/// "troisième", for the periods 1 to 10; "3e" beyond.
QString ordinal(int n);

/// The preset's name as the learner reads it (translated).
QString presetName(const Preset &preset);

} // namespace lab::texts
