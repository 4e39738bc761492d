// Bad input: double clicks, held-down keys, hidden buttons, close requests,
// and quitting from inside a handler.

#include "CourseDriver.h"

#include "Beep.h"
#include "Button.h"
#include "Debut.h"
#include "Fonction.h"
#include "Vide.h"

#include <QCloseEvent>
#include <QTest>

using shell::PageId;

class InputTest final : public QObject {
    Q_OBJECT
private slots:
    void init() { tk::resetBeepCount(); }

    void doubleClickOnASelfHidingButtonActsOnce() {
        CourseDriver driver;
        driver.startCourse();
        auto &fonction = driver.page<pages::Fonction>();
        QTest::mouseDClick(fonction.Suite, Qt::LeftButton);
        CourseDriver::click(fonction.Suite);
        QCOMPARE(tk::beepCount(), 1);
        QVERIFY(fonction.FrameBoutons->isVisible());
        QCOMPARE(focusName(&fonction), QStringLiteral("Suivant"));
    }

    void enterMovesOnePagePerPress() {
        CourseDriver driver;
        driver.startCourse();
        driver.key(Qt::Key_Return); // Suite, focused
        driver.key(Qt::Key_Return); // Suivant, focused: on to Convent
        QCOMPARE(driver.visiblePages(), QStringList{QStringLiteral("Convent")});
        // Held down: the repeats act on nothing.
        for (int i = 0; i < 20; ++i)
            driver.key(Qt::Key_Return, true);
        QCOMPARE(driver.visiblePages(), QStringList{QStringLiteral("Convent")});
        QCOMPARE(tk::beepCount(), 2);
        driver.key(Qt::Key_Return);
        QCOMPARE(driver.visiblePages(), QStringList{QStringLiteral("Aimant")});
        QCOMPARE(tk::beepCount(), 3);
    }

    void keysNeverPressAHiddenButton() {
        CourseDriver driver;
        driver.startCourse();
        auto &fonction = driver.page<pages::Fonction>();
        fonction.Suite->clearFocus();
        fonction.setFocus();
        // The default button Suivant is hidden: Enter and Space do nothing.
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            driver.key(key);
        QCOMPARE(tk::beepCount(), 0);
        QCOMPARE(driver.visiblePages(), QStringList{QStringLiteral("Fonction")});

        // During the no-load animation no key reaches a button.
        driver.completeShownPage();
        fonction.Suivant->press();
        driver.completeShownPage();
        driver.course().coursePage(PageId::Convent).Suivant->press();
        driver.completeShownPage();
        driver.course().coursePage(PageId::Aimant).Suivant->press();
        const int before = tk::beepCount();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Tab})
            driver.key(key);
        QCOMPARE(tk::beepCount(), before);
        QCOMPARE(driver.visiblePages(), QStringList{QStringLiteral("Vide")});
    }

    void hiddenButtonsCannotBeClicked_data() {
        QTest::addColumn<QString>("button");
        for (const char *name : {"Suivant", "Precedent", "Quitter"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void hiddenButtonsCannotBeClicked() {
        QFETCH(QString, button);
        CourseDriver driver;
        driver.startCourse();
        auto *b = driver.control<tk::Button>(PageId::Fonction, button);
        QVERIFY(b && !b->isVisible());
        CourseDriver::click(b);
        QVERIFY(!b->press());
        QCOMPARE(tk::beepCount(), 0);
        QCOMPARE(driver.visiblePages(), QStringList{QStringLiteral("Fonction")});
        // Nor can a button of a hidden page.
        auto *other = driver.control<tk::Button>(PageId::Convent, button);
        QVERIFY(!other->press());
        QVERIFY(!driver.course().hasEnded());
    }

    void escapeQuitsOnTheEndPageOnly() {
        CourseDriver driver;
        driver.startCourse();
        for (int n = 1; n <= 12; ++n) {
            driver.completeShownPage();
            driver.key(Qt::Key_Escape);
            QVERIFY(!driver.course().hasEnded());
            driver.course().coursePage(shell::pageAt(n)).Suivant->press();
        }
        driver.key(Qt::Key_Escape);
        QVERIFY(driver.course().hasEnded());
    }

    void closeRequestEndsTheWholeProgram_data() {
        QTest::addColumn<bool>("onTitlePage");
        QTest::newRow("title page") << true;
        QTest::newRow("course page") << false;
    }

    void closeRequestEndsTheWholeProgram() {
        QFETCH(bool, onTitlePage);
        CourseDriver driver;
        if (onTitlePage)
            driver.start();
        else
            driver.startCourse();
        bool finished = false;
        QObject::connect(&driver.course(), &shell::Course::finished, [&] { finished = true; });
        QCloseEvent close;
        QApplication::sendEvent(driver.visiblePage(), &close);
        QVERIFY(finished);
        QVERIFY(driver.visiblePages().isEmpty());
        CourseDriver::flushDeletes();
        for (int n = 0; n < shell::PageCount; ++n)
            QVERIFY(!driver.course().exists(shell::pageAt(n)));
        QCOMPARE(tk::beepCount(), 0);
    }

    void quittingStopsARunningAnimationAtOnce() {
        CourseDriver driver;
        driver.startCourse();
        for (int n = 1; n <= 3; ++n) {
            driver.completeShownPage();
            driver.course().coursePage(shell::pageAt(n)).Suivant->press();
        }
        QPointer<pages::Vide> vide = &driver.page<pages::Vide>();
        QPointer<tk::Timer> timer = vide->Timer2;
        QVERIFY(timer->isEnabled());
        driver.course().debut().Quitter();
        QVERIFY(driver.course().hasEnded());
        QVERIFY(!timer->isEnabled());
        QVERIFY(!timer->fire());
        CourseDriver::flushDeletes();
        QVERIFY(vide.isNull());
    }

    void quittingFromAHandlerOfADestroyedPage() {
        CourseDriver driver;
        driver.startCourse();
        auto &fonction = driver.page<pages::Fonction>();
        QPointer<tk::Button> quit = fonction.Quitter;
        driver.completeShownPage();
        // The click handler runs on a page that the shutdown destroys.
        CourseDriver::click(quit);
        QVERIFY(driver.course().hasEnded());
        QVERIFY(!quit.isNull()); // still alive until the handler has returned
        CourseDriver::flushDeletes();
        QVERIFY(quit.isNull());
    }
};

QTEST_MAIN(InputTest)
#include "tst_input.moc"
