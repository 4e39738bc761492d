#pragma once

#include <QString>
#include <QStringList>

/// \brief Pictures of the course: every state of every page (each reveal
/// step, each view, each finished animation), one PNG per state.
namespace gallery {

/// \brief The names of the states, in the order of the course ("08-incomp-fin", ...).
QStringList stateNames();

/// \brief Drives a new course offscreen through every state and writes
/// OUTDIR/NAME.png for each; returns the files written. Needs a QApplication.
QStringList writeAll(const QString &outputDir);

} // namespace gallery
