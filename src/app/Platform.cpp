#include "app/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace app {
namespace {

// What Qt said of the platforms it tried while it started.
struct Tried {
    QStringList missing;     ///< plugins that do not exist
    QStringList unreachable; ///< plugins found that could not open their display
};

Tried tried;
QString askedDisplay; ///< -display, if given
QtMessageHandler previous = nullptr;
int savedStderr = -1;

void write(int fd, const QByteArray &bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (n <= 0)
            return;
        done += n;
    }
}

void whileStarting(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    static const QRegularExpression plugin(
        QStringLiteral("Could not (find|load) the Qt platform plugin \"([^\"]*)\""));
    const QRegularExpressionMatch match = plugin.match(message);
    if (match.hasMatch())
        (match.captured(1) == u"find" ? tried.missing : tried.unreachable) << match.captured(2);
    if (type == QtFatalMsg) {
        // Qt would abort now: the program says why in French, and ends.
        const QString said = QStringLiteral("transformateur-impulsions : ") +
                             platformFailure(tried.missing, tried.unreachable, askedDisplay) +
                             u'\n';
        write(savedStderr >= 0 ? savedStderr : 2, said.toLocal8Bit());
        std::_Exit(1);
    }
    if (previous)
        previous(type, context, message);
    else
        write(2, (qFormatLogMessage(type, context, message) + u'\n').toLocal8Bit());
}

QString quoted(const QString &text) {
    return QCoreApplication::translate("app::Platform", "« %1 »").arg(text);
}

} // namespace

PlatformStart::PlatformStart(const QString &display) {
    askedDisplay = display;
    previous = qInstallMessageHandler(whileStarting);
    // What the display libraries print themselves (libwayland, Xlib) is held
    // back with Qt's messages.
    std::fflush(stderr);
    if (std::FILE *held = std::tmpfile()) {
        m_held = ::dup(fileno(held));
        std::fclose(held);
    }
    m_stderr = m_held >= 0 ? ::dup(2) : -1;
    if (m_stderr >= 0 && ::dup2(m_held, 2) >= 0) {
        savedStderr = m_stderr;
    } else {
        if (m_stderr >= 0)
            ::close(m_stderr);
        m_stderr = -1;
    }
}

PlatformStart::~PlatformStart() {
    opened();
    if (m_held >= 0)
        ::close(m_held);
}

void PlatformStart::opened() {
    if (savedStderr < 0 && !previous)
        return;
    qInstallMessageHandler(previous);
    previous = nullptr;
    if (m_stderr < 0)
        return;
    std::fflush(stderr);
    ::dup2(m_stderr, 2);
    ::close(m_stderr);
    m_stderr = -1;
    savedStderr = -1;
    // What came while Qt started, as it came.
    QByteArray held;
    char buffer[4096];
    ::lseek(m_held, 0, SEEK_SET);
    for (ssize_t n; (n = ::read(m_held, buffer, sizeof buffer)) > 0;)
        held.append(buffer, n);
    write(2, held);
}

QString platformFailure(const QStringList &missing, const QStringList &unreachable,
                        const QString &asked) {
    const QString display = asked.isEmpty() ? qEnvironmentVariable("DISPLAY") : asked;
    if (!missing.isEmpty()) {
        return QCoreApplication::translate(
                   "app::Platform", "la plateforme graphique %1 n'existe pas.\n"
                                    "Choisissez-en une que Qt connaît, xcb (X11) ou wayland, par "
                                    "l'option -platform ou la variable QT_QPA_PLATFORM.")
            .arg(quoted(missing.first()));
    }
    const QString platform = unreachable.isEmpty() ? QString() : unreachable.first();
    if (platform.startsWith(u"wayland")) {
        const QString name = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
        return QCoreApplication::translate(
                   "app::Platform", "impossible de joindre le compositeur Wayland %1.\n"
                                    "Vérifiez que la session Wayland est ouverte et que "
                                    "WAYLAND_DISPLAY et XDG_RUNTIME_DIR la désignent, ou lancez le "
                                    "cours sous X11 : -platform xcb")
            .arg(quoted(name));
    }
    if (platform == u"xcb" || platform.isEmpty()) {
        if (display.isEmpty()) {
            return QCoreApplication::translate(
                "app::Platform", "aucun écran graphique (DISPLAY non défini).\n"
                                 "Lancez le cours dans une session graphique, ou sous Xvfb "
                                 "avec : xvfb-run transformateur-impulsions");
        }
        return QCoreApplication::translate(
                   "app::Platform",
                   "impossible d'ouvrir l'écran X %1.\n"
                   "Vérifiez que la session graphique est ouverte, que DISPLAY (ou -display) la "
                   "désigne et qu'elle vous est ouverte (XAUTHORITY), ou lancez le "
                   "cours sous Xvfb : xvfb-run transformateur-impulsions")
            .arg(quoted(display));
    }
    return QCoreApplication::translate(
               "app::Platform", "impossible d'ouvrir la plateforme graphique %1.\n"
                                "Vérifiez la session graphique, ou choisissez une autre plateforme "
                                "par l'option -platform : xcb (X11) ou wayland.")
        .arg(quoted(platform));
}

QString mendScaleFactor() {
    static constexpr char Name[] = "QT_SCALE_FACTOR";
    if (!qEnvironmentVariableIsSet(Name))
        return {};
    const QString value = qEnvironmentVariable(Name);
    bool ok = false;
    const double factor = value.toDouble(&ok);
    // Qt would draw at any factor it is given: at 0 or at 1e308 no window
    // can be shown at all.
    if (value.isEmpty() || (ok && std::isfinite(factor) && factor >= 0.5 && factor <= 4.0))
        return {};
    qunsetenv(Name);
    return QCoreApplication::translate("app::Platform",
                                       "QT_SCALE_FACTOR %1 ignoré : il faut un nombre de 0.5 à 4 ; "
                                       "pour agrandir le cours : --echelle.")
        .arg(quoted(value));
}

QString screenIdentity(const QString &platform, const QString &display) {
    if (platform == u"xcb") {
        // [host]:number[.screen]: the local host has three spellings, and
        // screen 0 is the display's own.
        static const QRegularExpression name(QStringLiteral("^(.*):(\\d+)(?:\\.(\\d+))?$"));
        const QString given = display.isEmpty() ? qEnvironmentVariable("DISPLAY") : display;
        const QRegularExpressionMatch match = name.match(given);
        if (!match.hasMatch())
            return QStringLiteral("x11-") + given;
        QString host = match.captured(1);
        if (host == u"unix")
            host.clear();
        QString identity = QStringLiteral("x11-%1:%2").arg(host, match.captured(2));
        if (const QString screen = match.captured(3); !screen.isEmpty() && screen.toInt() != 0)
            identity += u'.' + QString::number(screen.toInt());
        return identity;
    }
    if (platform.startsWith(u"wayland")) {
        // A name in the run-time folder, or a whole path to the same socket.
        QString name = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (QDir::isAbsolutePath(name) && QFileInfo(name).absolutePath() == runtime)
            name = QFileInfo(name).fileName();
        return QStringLiteral("wayland:") + name;
    }
    if (platform == u"offscreen" || platform == u"minimal")
        return {}; // nothing on a screen: each course is alone
    return platform;
}

} // namespace app
