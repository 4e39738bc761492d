// The program as the system meets it: its command line, read before any
// window, and one course per display, a second start bringing the first to
// the front.

#include "app/CommandLine.h"
#include "app/Platform.h"
#include "app/SingleInstance.h"
#include "support/Names.h"
#include "version/Version.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <future>

using app::CommandLine;
using Action = CommandLine::Action;

namespace {

// A later start's claim, made while the running course's event loop runs
// (here, in this thread), as from another process.
bool claimWhileTheCourseRuns(app::SingleInstance &later, const QStringList &options = {}) {
    std::future<bool> claimed =
        std::async(std::launch::async, [&later, options] { return later.claim(options); });
    while (claimed.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents();
    return claimed.get();
}

} // namespace

class ProgramTest final : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("error");
        const auto row = [](const char *name, std::initializer_list<const char *> args,
                            Action action, const char *error = "") {
            QTest::newRow(name) << names(args) << int(action) << QString::fromUtf8(error);
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
        for (const char *scale : {"nan", "inf", "-inf", "1e308", "0,5", "3,01"}) {
            const QByteArray error = QByteArray("échelle « ") + scale +
                                     " » impossible : donnez un nombre de 1 à 3, comme 1,5";
            QTest::newRow(scale) << names({"--echelle", scale}) << int(Action::Error)
                                 << QString::fromUtf8(error);
        }
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
        QTest::newRow("help") << names({"--help"}) << 0
                              << "Usage : transformateur-impulsions [options]" << QString();
        QTest::newRow("version") << names({"--version"}) << 0
                                 << QStringLiteral("transformateur-impulsions ") +
                                        QLatin1StringView(version::Full) + u'\n'
                                 << QString();
        QTest::newRow("unknown") << names({"--vitesse"}) << 2 << QString()
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

    // A second start asks the first to come to the front, with its options,
    // and is refused the course; when the first is gone, the next start is
    // the course again.
    void aSecondStartBringsTheFirstToTheFront() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        auto first = std::make_unique<app::SingleInstance>(QStringLiteral("essai"), folder.path());
        QVERIFY(first->claim());
        bool onScreen = false;
        first->listenWhen([&onScreen] { return onScreen; });
        QTest::qWait(300);
        QVERIFY(!first->isListening()); // not before the course's window is up
        onScreen = true;
        QTRY_VERIFY(first->isListening());
        QSignalSpy front(first.get(), &app::SingleInstance::frontRequested);
        app::SingleInstance second(QStringLiteral("essai"), folder.path());
        QVERIFY(!claimWhileTheCourseRuns(second, names({"--page=5", "--echelle=2"})));
        QTRY_COMPARE(front.count(), 1);
        QCOMPARE(front.at(0).at(0).toStringList(), names({"--page=5", "--echelle=2"}));
        first.reset();
        app::SingleInstance third(QStringLiteral("essai"), folder.path());
        QVERIFY(third.claim());
    }

    // A lock that no running course holds, whatever it says, is taken over
    // at once, and so is the socket file left beside it.
    void aLockNoCourseHoldsNeverBlocksAStart_data() {
        QTest::addColumn<QByteArray>("content");
        QProcess gone;
        gone.start(QStringLiteral("true"));
        gone.waitForFinished();
        const qint64 deadPid = gone.processId() ? gone.processId() : 999999;
        QTest::newRow("a course that crashed")
            << QByteArray::number(deadPid) + '\n' + QCoreApplication::applicationName().toUtf8() +
                   '\n' + QSysInfo::machineHostName().toUtf8() + '\n';
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x01\xff n'importe quoi\n\n\n");
        // A living process, but not a course: this very test.
        QTest::newRow("another program") << QByteArray::number(QCoreApplication::applicationPid()) +
                                                "\ntransformateur-impulsions\n" +
                                                QSysInfo::machineHostName().toUtf8() + '\n';
    }
    void aLockNoCourseHoldsNeverBlocksAStart() {
        QFETCH(QByteArray, content);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString key = app::SingleInstance::keyFor(QStringLiteral("essai"));
        QFile lock(folder.filePath(key + QStringLiteral(".lock")));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(content);
        lock.close();
        // Older than a lock file that its course is writing.
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-5),
                                 QFileDevice::FileModificationTime));
        lock.close();
        QFile socket(folder.filePath(key + QStringLiteral(".socket")));
        QVERIFY(socket.open(QIODevice::WriteOnly)); // a leftover file in the way
        socket.close();

        QElapsedTimer clock;
        clock.start();
        app::SingleInstance restarted(QStringLiteral("essai"), folder.path());
        QVERIFY(restarted.claim());
        QCOMPARE_LT(clock.elapsed(), 200);
        restarted.listenWhen([] { return true; });
        QTRY_VERIFY(restarted.isListening());
        QSignalSpy front(&restarted, &app::SingleInstance::frontRequested);
        app::SingleInstance later(QStringLiteral("essai"), folder.path());
        QVERIFY(!claimWhileTheCourseRuns(later));
        QTRY_COMPARE(front.count(), 1);
    }

    // A course that holds the lock but never shows its window never listens;
    // one that hangs listens but never answers: a later start waits less
    // than a second, then runs a course of its own.
    void aCourseThatCannotAnswerBlocksNoStart_data() {
        QTest::addColumn<bool>("onScreen");
        QTest::newRow("no window") << false;
        QTest::newRow("hung") << true;
    }
    void aCourseThatCannotAnswerBlocksNoStart() {
        QFETCH(bool, onScreen);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        app::SingleInstance stuck(QStringLiteral("essai"), folder.path());
        QVERIFY(stuck.claim());
        stuck.listenWhen([onScreen] { return onScreen; });
        QCOMPARE(stuck.isListening(), onScreen);
        QElapsedTimer clock;
        clock.start();
        app::SingleInstance later(QStringLiteral("essai"), folder.path());
        QVERIFY(later.claim()); // this thread, the stuck course's, answers nothing meanwhile
        QCOMPARE_LT(clock.elapsed(), 1000);
    }

    // The guard knows a screen by what it is, not by how its name is spelt;
    // a platform with no screen has no guard.
    void oneScreenHasOneName_data() {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("identity");
        QTest::newRow(":0") << "xcb"
                            << ":0"
                            << "x11-:0";
        QTest::newRow(":0.0") << "xcb"
                              << ":0.0"
                              << "x11-:0";
        QTest::newRow("unix:0") << "xcb"
                                << "unix:0"
                                << "x11-:0";
        QTest::newRow("screen 1") << "xcb"
                                  << ":0.1"
                                  << "x11-:0.1";
        QTest::newRow("remote") << "xcb"
                                << "salle:12.0"
                                << "x11-salle:12";
        QTest::newRow("offscreen") << "offscreen"
                                   << ""
                                   << "";
    }
    void oneScreenHasOneName() {
        QFETCH(QString, platform);
        QFETCH(QString, display);
        QFETCH(QString, identity);
        QCOMPARE(app::screenIdentity(platform, display), identity);
    }
};

QTEST_MAIN(ProgramTest)
#include "tst_program.moc"
