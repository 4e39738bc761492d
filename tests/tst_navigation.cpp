// The page sequence: forward and backward walks, the arrival state of every
// page, one page shown at a time, the beeps of each move.

#include "support/CourseDriver.h"

#include "pages/Incomp.h"
#include "pages/Vide.h"
#include "shell/Debut.h"
#include "shell/FinProg.h"
#include "toolkit/Button.h"
#include "toolkit/Timer.h"

#include <QTest>

using shell::PageId;

namespace {

// Saturation beeps of one run of the incomplete-demagnetisation plot.
constexpr int SaturationBeeps = 14 + 18;

} // namespace

class NavigationTest final : public QObject {
    Q_OBJECT
private slots:

    void walkForwardToTheEndAndBack() {
        CourseDriver driver;
        // Each page in its arrival state, every beep of the way counted.
        int expected = 0;
        driver.walkTo(PageId::FinProg, [&](const CourseDriver::Stop &stop) {
            if (!stop.complete) {
                if (stop.page != PageId::Fonction)
                    expected += 1; // the beep of "Page suivante"
                QCOMPARE(driver.beeps(), expected);
                verifyArrival(driver, stop.page);
                return;
            }
            expected += stop.pressed;
            if (stop.page == PageId::Incomp)
                expected += SaturationBeeps;
            QCOMPARE(driver.beeps(), expected);
        });
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(driver.beeps(), expected);

        // Back from the end page to the first course page.
        for (int n = shell::PageCount - 1; n >= 2; --n) {
            const PageId id = shell::pageAt(n);
            expected += driver.completeShownPage();
            if (id == PageId::Incomp)
                expected += SaturationBeeps;
            QVERIFY(driver.course().coursePage(id).Precedent->press());
            expected += n >= 3 ? 2 : 1; // its own beep and that of the handler it runs
            QCOMPARE(driver.beeps(), expected);
            verifyArrival(driver, shell::pageAt(n - 1));
        }
        QVERIFY(!driver.course().exists(PageId::Debut)); // Convent goes back directly
    }

    void everyPageExistsOnceWhileTheCourseRuns() {
        CourseDriver driver;
        driver.startCourse();
        CourseDriver::flushDeletes();
        QVERIFY(!driver.course().exists(PageId::Debut));
        for (const PageId id : shell::CreationOrder)
            QVERIFY(driver.course().exists(id));
        QCOMPARE(driver.visiblePages(), QStringList{QStringLiteral("Fonction")});
    }

    void previousOnFonctionGoesThroughTheTitlePage() {
        CourseDriver driver;
        driver.startCourse();
        auto &fonction = driver.course().coursePage(PageId::Fonction);
        driver.completeShownPage();
        QVERIFY(fonction.Precedent->press());
        QCOMPARE(driver.visiblePages(), QStringList{QStringLiteral("Debut")});
        QCOMPARE(driver.beeps(), 2);
        shell::Debut &debut = driver.course().debut();
        verifyArrival(driver, PageId::Debut);
        QVERIFY(debut.Timer1->isEnabled());
        QCOMPARE(debut.Timer1->interval(), 5000);
        QVERIFY(debut.Timer1->fire());
        verifyArrival(driver, PageId::Fonction);
        QCOMPARE(driver.beeps(), 2); // the title page's routine sounds none
    }

    void previousOnProduitRestartsTheNoLoadAnimation() {
        CourseDriver driver;
        driver.walkTo(PageId::Produit);
        driver.completeShownPage();
        QVERIFY(driver.course().coursePage(PageId::Produit).Precedent->press());
        verifyArrival(driver, PageId::Vide);
        auto &vide = driver.page<pages::Vide>();
        QVERIFY(vide.Timer2->isEnabled());
        QCOMPARE(CourseDriver::fireUntilStopped(vide.Timer2), 122);
    }

    void endPageRestartsWithoutTheTitlePage() {
        CourseDriver driver;
        driver.walkTo(PageId::FinProg);
        auto &end = driver.page<shell::FinProg>();
        const int before = driver.beeps();
        QVERIFY(end.Recommencer->press());
        QCOMPARE(driver.beeps(), before + 1);
        verifyArrival(driver, PageId::Fonction);
        QVERIFY(!driver.course().exists(PageId::Debut));
    }

    void quitEndsTheProgramFromEveryPage_data() {
        QTest::addColumn<int>("page");
        for (int n = 1; n < shell::PageCount; ++n)
            QTest::newRow(qPrintable(shell::formName(shell::pageAt(n)))) << n;
    }

    void quitEndsTheProgramFromEveryPage() {
        QFETCH(int, page);
        CourseDriver driver;
        driver.walkTo(shell::pageAt(page));
        driver.completeShownPage();
        QList<QPointer<tk::PageWindow>> pages;
        for (const PageId id : shell::CreationOrder)
            pages << driver.existing(id);
        bool finished = false;
        QObject::connect(&driver.course(), &shell::Course::finished, [&] { finished = true; });
        const int before = driver.beeps();
        QVERIFY(driver.course().coursePage(shell::pageAt(page)).Quitter->press());
        QVERIFY(finished);
        QCOMPARE(driver.beeps(), before + 1);
        QVERIFY(driver.visiblePages().isEmpty());
        CourseDriver::flushDeletes();
        for (const auto &p : pages)
            QVERIFY(p.isNull());
    }
};

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
