#include "app/Classroom.h"
#include "app/CommandLine.h"
#include "app/CourseSetup.h"
#include "app/Platform.h"
#include "app/SingleInstance.h"
#include "version/Version.h"

#include "shell/Course.h"
#include "toolkit/Bell.h"
#include "toolkit/PageWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

namespace {

void print(std::FILE *stream, const QString &text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

void say(const QString &text) {
    print(stderr, QStringLiteral("transformateur-impulsions : ") + text + u'\n');
}

// The teacher's settings file, if it is a file: a pipe, a device or a
// folder in its place is neither read (reading a pipe would wait for ever)
// nor written; the course then starts with its defaults and keeps nothing.
std::unique_ptr<QSettings> openSettings(QTemporaryDir &instead) {
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/ferrite/transformateur-impulsions.ini");
    const QFileInfo file(path);
    if (!file.exists() || file.isFile())
        return std::make_unique<QSettings>(path, QSettings::IniFormat);
    say(QCoreApplication::translate(
            "main", "« %1 » n'est pas un fichier : les réglages ne sont ni lus ni gardés.")
            .arg(path));
    return std::make_unique<QSettings>(instead.filePath(QStringLiteral("reglages.ini")),
                                       QSettings::IniFormat);
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
    if (const QString mended = app::mendScaleFactor(); !mended.isEmpty())
        say(mended);
    std::optional<app::PlatformStart> platform(std::in_place, line.display);
    QApplication application(argc, argv);
    platform.reset(); // the platform is open: Qt's messages as they come

    // One course per screen (none on a platform with no screen, offscreen).
    app::SingleInstance instance(
        app::screenIdentity(QGuiApplication::platformName(), line.display));
    if (!instance.claim(app::forwardedOptions(line))) {
        say(QCoreApplication::translate("main",
                                        "le cours est déjà ouvert : il revient au premier plan."));
        return 0;
    }
    QApplication::setApplicationName(QStringLiteral("transformateur-impulsions"));
    QApplication::setApplicationVersion(QLatin1StringView(version::Full));
    // The desktop entry's name: the desktop shows the course's icon for its
    // windows and groups them under its launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.ferrite.transformateur_impulsions"));
    app::configureApplication();

    shell::Course course;
    app::assemble(course);
    // The scale and the sound that the teacher chose, for the next start.
    QTemporaryDir noSettings;
    const std::unique_ptr<QSettings> settings = openSettings(noSettings);
    app::Classroom classroom(course, *settings, line);
    QObject::connect(&instance, &app::SingleInstance::frontRequested, &course,
                     [&course, &classroom](const QStringList &options) {
                         classroom.take(app::parseCommandLine(options));
                         if (tk::PageWindow *page = course.shownPage())
                             page->bringToFront();
                     });
    QObject::connect(&course, &shell::Course::finished, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    course.start(line.page.value_or(shell::PageId::Debut));
    if (line.laboratory)
        classroom.openLaboratory();
    instance.listenWhen([&course] { return course.isOnScreen(); });
    // The desktop's sound events, opened once the first page is on its way
    // to the screen, on a thread of their own.
    QTimer::singleShot(0, &course, [] { tk::Bell::install(); });
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
