// The program as the system meets it: its command line, read before any
// window, and one course per display, a second start bringing the first to
// the front.

#include "app/CommandLine.h"
#include "app/SingleInstance.h"
#include "version/Version.h"

#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using app::CommandLine;
using Action = CommandLine::Action;

class ProgramTest final : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("error");
        const auto row = [](const char *name, QStringList args, Action action,
                            const char *error = "") {
            QTest::newRow(name) << args << int(action) << QString::fromUtf8(error);
        };
        row("nothing", {}, Action::Run);
        row("help", {"--help"}, Action::Help);
        row("short help", {"-h"}, Action::Help);
        row("help wins over a fault", {"--inconnue", "--help"}, Action::Help);
        row("version", {"--version"}, Action::Version);
        row("version after Qt's options", {"-platform", "offscreen", "-v"}, Action::Version);
        row("Qt's options", {"-style", "Fusion", "-reverse", "--platform", "xcb"}, Action::Run);
        row("Qt's option with =", {"-stylesheet=a.qss", "-qmljsdebugger=port:1"}, Action::Run);
        row("unknown option", {"--inconnue"}, Action::Error, "option inconnue « --inconnue »");
        row("unknown short option", {"-x"}, Action::Error, "option inconnue « -x »");
        row("a flag with a value", {"-reverse=1"}, Action::Error, "option inconnue « -reverse=1 »");
        row("value missing", {"-platform"}, Action::Error,
            "l'option « -platform » attend une valeur");
        row("stray argument", {"cours.txt"}, Action::Error, "argument inattendu « cours.txt »");
        row("lone dash", {"-"}, Action::Error, "argument inattendu « - »");
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, error);
        const CommandLine line = app::parseCommandLine(arguments);
        QCOMPARE(int(line.action), action);
        QCOMPARE(line.error, error);
    }

    // The real program, without any display: the help and the version need
    // none, and a fault says what is wrong, shows the usage and exits 2.
    void theProgramAnswersWithoutADisplay_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("help") << QStringList{"--help"} << 0
                              << "Usage : transformateur-impulsions [options]" << QString();
        QTest::newRow("version") << QStringList{"--version"} << 0
                                 << QStringLiteral("transformateur-impulsions ") +
                                        QLatin1StringView(version::Full) + u'\n'
                                 << QString();
        QTest::newRow("unknown") << QStringList{"--vitesse"} << 2 << QString()
                                 << "transformateur-impulsions : option inconnue « --vitesse »\n"
                                    "\nUsage : transformateur-impulsions";
        QTest::newRow("no display") << QStringList{} << 1 << QString() << "aucun écran graphique";
    }
    void theProgramAnswersWithoutADisplay() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(COURSE_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        const QString printed = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString complained = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(out.isEmpty() ? printed.isEmpty() : printed.startsWith(out), qPrintable(printed));
        QVERIFY2(err.isEmpty() ? complained.isEmpty() : complained.contains(err),
                 qPrintable(complained));
    }

    // A second start asks the first to come to the front, and is refused the
    // course; when the first is gone, the next start is the course again.
    void aSecondStartBringsTheFirstToTheFront() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        auto first = std::make_unique<app::SingleInstance>(QStringLiteral("essai"), folder.path());
        QVERIFY(first->claim());
        QTRY_VERIFY(first->isListening()); // once the course's window is up
        QSignalSpy front(first.get(), &app::SingleInstance::frontRequested);
        app::SingleInstance second(QStringLiteral("essai"), folder.path());
        QVERIFY(!second.claim());
        QTRY_COMPARE(front.count(), 1);
        first.reset();
        app::SingleInstance third(QStringLiteral("essai"), folder.path());
        QVERIFY(third.claim());
    }

    // A course that crashed leaves its lock and its socket behind: the lock
    // names a process that is gone, and the next start takes both over.
    void aCrashedCourseNeverBlocksAStart() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QProcess gone;
        gone.start(QStringLiteral("true"));
        QVERIFY(gone.waitForFinished());
        const qint64 deadPid = gone.processId() ? gone.processId() : 999999;
        QFile lock(folder.filePath(QStringLiteral("essai.lock")));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(deadPid) + '\n' +
                   QCoreApplication::applicationName().toUtf8() + '\n' +
                   QSysInfo::machineHostName().toUtf8() + '\n');
        lock.close();
        QFile socket(folder.filePath(QStringLiteral("essai.socket")));
        QVERIFY(socket.open(QIODevice::WriteOnly)); // a leftover file in the way
        socket.close();

        app::SingleInstance restarted(QStringLiteral("essai"), folder.path());
        QVERIFY(restarted.claim());
        QTRY_VERIFY(restarted.isListening());
        QSignalSpy front(&restarted, &app::SingleInstance::frontRequested);
        app::SingleInstance later(QStringLiteral("essai"), folder.path());
        QVERIFY(!later.claim());
        QTRY_COMPARE(front.count(), 1);
    }
};

QTEST_MAIN(ProgramTest)
#include "tst_program.moc"
