#pragma once

#include "lab/model/Simulation.h"

#include <QString>

/// \brief What a teacher takes away from the laboratory: the samples as a
/// table, the figures as text.
namespace lab::exports {

/// \brief The samples of \a simulation as CSV for a French spreadsheet:
/// columns separated by ";", decimal comma, a header with the units; about
/// \a perPeriod samples a period, and both sides of every switching instant.
QString csv(const Simulation &simulation, int perPeriod = 200);

/// The circuit's values, the figures and the verdict, as plain text.
QString figuresText(const Simulation &simulation);

/// \brief Writes \a bytes to \a path, whole or not at all; false if it could not.
bool save(const QString &path, const QByteArray &bytes);

} // namespace lab::exports
