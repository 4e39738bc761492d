#pragma once

#include "shell/PageId.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

namespace app {

/// \brief What the command line asks of the program.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    /// Why the command line is refused, in French (Action::Error).
    QString error;
    /// --echelle N: the scale to start at (1 to 3), for this start only.
    std::optional<double> scale;
    /// --page NOM: the page to start on, in place of the title page.
    std::optional<shell::PageId> page;
    /// --sans-son: no beep, for this start only.
    bool silent = false;
    /// --contraste: texts and traces in high contrast, for this start only.
    bool highContrast = false;
    /// --labo: the laboratory opens too, above the first page.
    bool laboratory = false;
    /// Qt's -display option: the X display to open, if given.
    QString display;
};

/// \brief The course page named \a name: its form name (in any case) or its
/// number, 1 to 13.
std::optional<shell::PageId> pageNamed(const QString &name);

/// \brief Reads the program's arguments (\a arguments without the program's
/// name), before Qt is started, so that --help and --version need no display.
/// Qt's own options (-platform, -style, -reverse...) are let through for Qt.
CommandLine parseCommandLine(const QStringList &arguments);

/// \brief The course's own options of \a line, as a running course is
/// given them by a later start (--page, --echelle, --sans-son, --contraste,
/// --labo).
QStringList forwardedOptions(const CommandLine &line);

/// \brief The course's own options and what each does, in the order that
/// the usage and the help list them.
QList<std::pair<QString, QString>> courseOptions();

/// \brief The short French usage text that --help prints: the options and
/// the teacher's keys.
QString usage();
/// \brief "transformateur-impulsions" and the version, as --version prints them.
QString versionText();

} // namespace app
