#include "app/CourseSetup.h"
#include "version/Version.h"

#include "shell/Course.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

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

} // namespace

int main(int argc, char *argv[]) {
    if (!displayAvailable()) {
        std::fputs("transformateur-impulsions: aucun écran graphique (DISPLAY non défini) ; "
                   "lancez-le dans une session graphique, ou sous Xvfb avec : "
                   "xvfb-run transformateur-impulsions\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("transformateur-impulsions"));
    QApplication::setApplicationVersion(QLatin1StringView(version::Full));
    app::configureApplication();

    shell::Course course;
    app::assemble(course);
    QObject::connect(&course, &shell::Course::finished, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    course.start();
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
