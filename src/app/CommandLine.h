#pragma once

#include <QString>
#include <QStringList>

namespace app {

/// \brief What the command line asks of the program.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    /// Why the command line is refused, in French (Action::Error).
    QString error;
};

/// \brief Reads the program's arguments (\a arguments without the program's
/// name), before Qt is started, so that --help and --version need no display.
/// Qt's own options (-platform, -style, -reverse...) are let through for Qt.
CommandLine parseCommandLine(const QStringList &arguments);

/// \brief The short French usage text that --help prints.
QString usage();
/// \brief "transformateur-impulsions" and the version, as --version prints them.
QString versionText();

} // namespace app
