// The course on the screens of a classroom (the test runs once on each of a
// 1024x768, a 1366x768, a 1280x1024 and a 1920x1080 screen): it is never larger than the
// screen, whatever scale is asked for or was kept, and its caption and
// buttons are always on it.

#include "support/CourseDriver.h"

#include "app/Classroom.h"
#include "toolkit/Button.h"
#include "toolkit/HostWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using shell::PageId;

namespace {

// The largest step that fits each screen, by hand: a course page is
// 634 x 455 pixels at 100 %, and the offscreen platform frames a window with
// 2 pixels all round. 1024x768: (1024 - 4) / 634 = 1.61, so 150 %;
// 1366x768: (768 - 4) / 455 = 1.68, so 150 %;
// 1280x1024: (1280 - 4) / 634 = 2.01, so 200 %; 1920x1080: (1080 - 4) / 455
// = 2.36, so 225 %.
double largestStep(QSize screen) {
    if (screen == QSize(1024, 768) || screen == QSize(1366, 768))
        return 1.5;
    if (screen == QSize(1280, 1024))
        return 2.0;
    if (screen == QSize(1920, 1080))
        return 2.25;
    return 0;
}

struct Lesson {
    QTemporaryDir folder;
    QSettings settings{folder.filePath(QStringLiteral("reglages.ini")), QSettings::IniFormat};
    CourseDriver driver;
    std::unique_ptr<app::Classroom> classroom;

    explicit Lesson(double kept = 0, const app::CommandLine &options = {}) {
        if (kept > 0)
            settings.setValue(QStringLiteral("echelle"), kept);
        classroom = std::make_unique<app::Classroom>(driver.course(), settings, options);
    }
};

QString offScreen(const tk::PageWindow &page) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QWidget *window = page.window();
    if (!area.contains(window->frameGeometry()))
        return QStringLiteral("the window %1 leaves the screen %2")
            .arg(QVariant(window->frameGeometry()).toString(), QVariant(area).toString());
    return {};
}

} // namespace

class ScreenFitTest final : public QObject {
    Q_OBJECT
    double m_largest = 0;
private slots:
    void initTestCase() {
        const QSize screen = QGuiApplication::primaryScreen()->size();
        m_largest = largestStep(screen);
        if (m_largest == 0)
            QSKIP("a screen of no classroom's size");
    }

    // Ctrl++ stops at the largest step that fits, and the window, its
    // caption and its buttons stay on the screen at every step.
    void zoomingInStopsAtTheScreen() {
        Lesson lesson;
        lesson.driver.walkTo(PageId::Fonction);
        tk::PageWindow *page = lesson.driver.visiblePage();
        for (int press = 0; press < 10; ++press) {
            lesson.classroom->zoomIn();
            QCoreApplication::processEvents();
            const QString problem = offScreen(*page);
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
        }
        QCOMPARE(lesson.classroom->scale(), m_largest);
        QCOMPARE(lesson.settings.value(QStringLiteral("echelle")).toDouble(), m_largest);
    }

    // A scale kept from a larger screen, or given with --echelle, is lowered
    // for this start, and the kept one is not forgotten.
    void aScaleTooLargeIsLoweredForThisStart_data() {
        QTest::addColumn<double>("kept");
        QTest::addColumn<double>("given");
        QTest::newRow("kept 300 %") << 3.0 << 0.0;
        QTest::newRow("kept 200 %") << 2.0 << 0.0;
        QTest::newRow("--echelle 3") << 0.0 << 3.0;
        QTest::newRow("--echelle 2,9") << 0.0 << 2.9;
    }
    void aScaleTooLargeIsLoweredForThisStart() {
        QFETCH(double, kept);
        QFETCH(double, given);
        app::CommandLine options;
        if (given > 0)
            options.scale = given;
        Lesson lesson(kept, options);
        lesson.driver.walkTo(PageId::Fonction);
        QCOMPARE(lesson.classroom->scale(), qMin(m_largest, qMax(kept, given)));
        const QString problem = offScreen(*lesson.driver.visiblePage());
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        if (kept > 0)
            QCOMPARE(lesson.settings.value(QStringLiteral("echelle")).toDouble(), kept);
        else
            QVERIFY(!lesson.settings.contains(QStringLiteral("echelle")));
    }
};

QTEST_MAIN(ScreenFitTest)
#include "tst_screenfit.moc"
