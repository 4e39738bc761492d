#include "app/Classroom.h"
#include "app/CommandLine.h"
#include "app/CourseSetup.h"
#include "app/SingleInstance.h"
#include "version/Version.h"

#include "shell/Course.h"
#include "toolkit/Bell.h"
#include "toolkit/PageWindow.h"

#include <QApplication>
#include <QSettings>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

// Without a display Qt would stop with an obscure platform error: say what
// to do instead, in one line.
bool displayAvailable() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const auto set = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

void print(std::FILE *stream, const QString &text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const app::CommandLine line = app::parseCommandLine(arguments);
    switch (line.action) {
    case app::CommandLine::Action::Help:
        print(stdout, app::usage());
        return 0;
    case app::CommandLine::Action::Version:
        print(stdout, app::versionText());
        return 0;
    case app::CommandLine::Action::Error:
        print(stderr, QStringLiteral("transformateur-impulsions : ") + line.error +
                          QStringLiteral("\n\n") + app::usage());
        return 2;
    case app::CommandLine::Action::Run:
        break;
    }
    if (!displayAvailable()) {
        std::fputs("transformateur-impulsions: aucun écran graphique (DISPLAY non défini) ; "
                   "lancez-le dans une session graphique, ou sous Xvfb avec : "
                   "xvfb-run transformateur-impulsions\n",
                   stderr);
        return 1;
    }
    // One course per display: the lock is taken while Qt starts.
    app::SingleInstance instance;
    std::thread locking([&instance] { instance.lock(); });
    QApplication application(argc, argv);
    locking.join();
    QApplication::setApplicationName(QStringLiteral("transformateur-impulsions"));
    QApplication::setApplicationVersion(QLatin1StringView(version::Full));
    // The desktop entry's name: the desktop shows the course's icon for its
    // windows and groups them under its launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.ferrite.transformateur_impulsions"));

    if (!instance.claim())
        return 0; // the running course came to the front
    app::configureApplication();

    shell::Course course;
    app::assemble(course);
    // The scale and the sound that the teacher chose, for the next start.
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("ferrite"),
                       QStringLiteral("transformateur-impulsions"));
    app::Classroom classroom(course, settings, line);
    QObject::connect(&instance, &app::SingleInstance::frontRequested, &course, [&course] {
        if (tk::PageWindow *page = course.shownPage())
            page->bringToFront();
    });
    QObject::connect(&course, &shell::Course::finished, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    course.start(line.page.value_or(shell::PageId::Debut));
    // The desktop's sound events, opened once the first page is on its way
    // to the screen, on a thread of their own.
    QTimer::singleShot(0, &course, [] { tk::Bell::install(); });
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
