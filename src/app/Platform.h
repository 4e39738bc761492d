#pragma once

#include <QString>
#include <QStringList>

namespace app {

/// \brief Opens the graphical platform with a French answer to every way it
/// can fail.
///
/// Qt stops the program (SIGABRT, with advice to reinstall it) when no
/// platform can be opened: no display, a refused connection, a plugin that
/// does not exist, no compositor. While the application object is built,
/// what Qt and the display libraries print is held back; if Qt gives up,
/// the program says in French what to check, in two lines, and exits 1. If
/// it starts, what was held back is printed as it came.
class PlatformStart final {
public:
    /// \a display is Qt's -display option, if given.
    explicit PlatformStart(const QString &display = {});
    ~PlatformStart();
    PlatformStart(const PlatformStart &) = delete;
    PlatformStart &operator=(const PlatformStart &) = delete;

    /// \brief The platform is open: what was held back is printed.
    void opened();

private:
    int m_stderr = -1; ///< the program's standard error, while it is held back
    int m_held = -1;   ///< where it goes meanwhile
};

/// \brief Why no platform could be opened and what to check, in French, in
/// two lines: \a missing are the platforms that Qt does not have, \a
/// unreachable those it has that could not reach their display; \a display is
/// the X display asked for (-display), else DISPLAY's.
QString platformFailure(const QStringList &missing, const QStringList &unreachable,
                        const QString &display = {});

/// \brief A scale factor for Qt (QT_SCALE_FACTOR) that it cannot draw at is
/// removed from the environment before Qt reads it; returns what to say, or
/// nothing if the variable is sound or unset.
QString mendScaleFactor();

/// \brief The screen the course will be on, whatever the spelling of its name,
/// for the one-course guard: "x11-:0" for ":0", ":0.0" and "unix:0",
/// "wayland:wayland-0" for a Wayland display; empty for a platform with no
/// screen to share (offscreen, minimal). \a platform is the platform Qt
/// opened, \a display the -display option, if given.
QString screenIdentity(const QString &platform, const QString &display);

} // namespace app
