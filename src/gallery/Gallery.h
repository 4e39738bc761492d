#pragma once

#include <QString>
#include <QStringList>
#include <optional>

/// \brief Pictures of the course: every state of every page (each reveal
/// step, each view, each finished animation), one PNG per state, or one page
/// of a printed handout per state.
namespace gallery {

/// \brief What the command line asks for.
struct Request {
    enum class Output { Pictures, Handout };
    Output output = Output::Pictures;
    QString path;  ///< the folder of the pictures, or the handout's file
    QString scale; ///< the scale of the pictures (empty: 100 %)
};

/// \brief How the program is called.
inline constexpr const char *Usage = "usage: course-gallery OUTDIR [--scale N]\n"
                                     "       course-gallery --pdf FILE\n";

/// \brief Reads the arguments that follow the program's name: OUTDIR
/// [--scale N], N a positive number, or --pdf FILE. Nothing if they are wrong.
std::optional<Request> parseArguments(const QStringList &arguments);

/// \brief The names of the states, in the order of the course ("08-incomp-fin", ...).
QStringList stateNames();

/// \brief Drives a new course offscreen through every state and writes
/// OUTDIR/NAME.png for each; returns the files written. Needs a QApplication.
QStringList writeAll(const QString &outputDir);

/// \brief Drives a new course offscreen through every state and writes a PDF
/// handout to \a file: one A4 landscape page per state, in the same order as
/// the pictures, headed with the page's number and caption, the page drawn
/// below by its widgets (its texts are text, its pictures drawn for print).
/// Returns the number of pages written: 0 if the file could not be written.
/// Needs a QApplication.
int writeHandout(const QString &file);

} // namespace gallery
