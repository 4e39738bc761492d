// Bad input: double clicks, held-down keys, hidden buttons, close requests,
// and quitting from inside a handler.

#include "support/CourseDriver.h"

#include "pages/Aimant.h"
#include "pages/Demag.h"
#include "pages/Fonction.h"
#include "pages/Vide.h"
#include "shell/Debut.h"
#include "toolkit/Button.h"
#include "toolkit/Timer.h"

#include <QCloseEvent>
#include <QTest>

using shell::PageId;

class InputTest final : public QObject {
    Q_OBJECT
private slots:

    void doubleClickOnASelfHidingButtonActsOnce() {
        CourseDriver driver;
        driver.startCourse();
        auto &fonction = driver.page<pages::Fonction>();
        // The second click lands on "Page suivante", which the first revealed.
        CourseDriver::doubleClick(fonction.Suite);
        QCOMPARE(driver.beeps(), 1);
        QCOMPARE(driver.visiblePages(), QStringList{QStringLiteral("Fonction")});
        QVERIFY(fonction.FrameBoutons->isVisible());
        QCOMPARE(focusName(&fonction), QStringLiteral("Suivant"));
    }

    // Wherever a button appears where the learner has just clicked.
    void secondClickOfADoubleClickPressesNothingNew_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("revealed");
        QTest::newRow("Fonction") << 1 << "Suite"
                                  << "Suivant";
        QTest::newRow("Aimant") << 3 << "Suite"
                                << "Suivant";
        QTest::newRow("Vide") << 4 << "Suite"
                              << "Suivant";
        QTest::newRow("Produit") << 5 << "Suite1"
                                 << "Suite2";
        QTest::newRow("Demag") << 7 << "BPKf"
                               << "BPKo";
        QTest::newRow("Incomp") << 8 << "Suite"
                                << "Suivant";
        QTest::newRow("Applic") << 11 << "BPLoupe"
                                << "";
    }

    void secondClickOfADoubleClickPressesNothingNew() {
        QFETCH(int, page);
        QFETCH(QString, first);
        QFETCH(QString, revealed);
        CourseDriver driver;
        driver.walkTo(shell::pageAt(page));
        auto &shown = driver.course().coursePage(shell::pageAt(page));
        // Where an animation comes first, the button waits at its end.
        for (tk::Timer *timer : shown.findChildren<tk::Timer *>())
            CourseDriver::fireUntilStopped(timer);
        auto *button = shown.findChild<tk::Button *>(first);
        QVERIFY2(button->isVisible(), qPrintable(first));
        driver.resetBeeps();
        QStringList pressed;
        for (tk::Button *b : shown.findChildren<tk::Button *>())
            QObject::connect(b, &tk::Button::activated, b,
                             [&pressed, b] { pressed << b->objectName(); });
        CourseDriver::doubleClick(button);
        QCOMPARE(pressed, QStringList{first});
        QCOMPARE(driver.beeps(), 1);
        QCOMPARE(driver.visiblePages(), QStringList{shell::formName(shell::pageAt(page))});
        if (!revealed.isEmpty()) {
            // Two separate clicks at the same place walk on.
            auto *next = shown.findChild<tk::Button *>(revealed);
            for (tk::Timer *timer : shown.findChildren<tk::Timer *>())
                CourseDriver::fireUntilStopped(timer);
            QVERIFY(next->isVisible());
            QVERIFY(CourseDriver::clickAndSee(next));
        }
    }

    // A click that moves to another page: the clicks that follow it at the
    // same place belong to the page left, and press nothing on the page
    // that now stands under the pointer.
    void clicksAfterAMoveStayWithThePageLeft_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("reached");
        QTest::newRow("double click back") << 3 << "Precedent" << 2 << 2;
        QTest::newRow("triple click back") << 3 << "Precedent" << 3 << 2;
        QTest::newRow("double click on") << 2 << "Suivant" << 2 << 3;
        QTest::newRow("triple click on") << 9 << "Suivant" << 3 << 10;
    }
    void clicksAfterAMoveStayWithThePageLeft() {
        QFETCH(int, page);
        QFETCH(QString, button);
        QFETCH(int, count);
        QFETCH(int, reached);
        CourseDriver driver;
        driver.walkTo(shell::pageAt(page));
        driver.completeShownPage();
        driver.resetBeeps();
        auto &to = driver.course().coursePage(shell::pageAt(reached));
        QStringList pressed;
        for (tk::Button *b : to.findChildren<tk::Button *>())
            QObject::connect(b, &tk::Button::activated, b,
                             [&pressed, b] { pressed << b->objectName(); });
        CourseDriver::clicks(
            driver.course().coursePage(shell::pageAt(page)).findChild<tk::Button *>(button), count);
        QCOMPARE(pressed, QStringList{});
        verifyArrival(driver, shell::pageAt(reached));
        // A later click, on its own, is the new page's.
        if (auto *same = to.findChild<tk::Button *>(button); same && same->isVisible())
            QVERIFY(CourseDriver::clickAndSee(same));
    }

    // "Suite" reveals a step and "Page suivante" takes its place: the clicks
    // that follow a click on "Suite" press nothing that was not there.
    void clicksAfterARevealPressNothingNew_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("count");
        for (const PageId page : {PageId::Fonction, PageId::Aimant}) {
            for (const int count : {2, 3})
                QTest::addRow("%s, %d clicks", qPrintable(shell::formName(page)), count)
                    << int(page) << count;
        }
    }
    void clicksAfterARevealPressNothingNew() {
        QFETCH(int, page);
        QFETCH(int, count);
        CourseDriver driver;
        driver.walkTo(shell::pageAt(page));
        auto &shown = driver.course().coursePage(shell::pageAt(page));
        auto *suite = shown.findChild<tk::Button *>(QStringLiteral("Suite"));
        QVERIFY(suite && suite->isVisible());
        driver.resetBeeps();
        CourseDriver::clicks(suite, count);
        QCOMPARE(driver.visiblePages(), QStringList{shell::formName(shell::pageAt(page))});
        QCOMPARE(driver.beeps(), 1);
        QVERIFY(!suite->isVisible());
    }

    // Fermer K, then Ouvrir K, appear at the same place.
    void doubleClickOnTheSwitchClosesItOnce() {
        CourseDriver driver;
        driver.walkTo(PageId::Demag);
        auto &demag = driver.page<pages::Demag>();
        driver.resetBeeps();
        CourseDriver::doubleClick(demag.BPKf);
        CourseDriver::fireUntilStopped(demag.Timer1);
        QVERIFY(demag.BPKo->isVisible());
        QCOMPARE(driver.beeps(), 1);
        QVERIFY(!demag.Timer2->isEnabled());
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
        QCOMPARE(driver.beeps(), 2);
        driver.key(Qt::Key_Return);
        QCOMPARE(driver.visiblePages(), QStringList{QStringLiteral("Aimant")});
        QCOMPARE(driver.beeps(), 3);
    }

    // X11 sends a held key as release and press pairs with the same time, and
    // flags them as repeats only when both are already queued.
    void aHeldKeyActsOnceWhenItsRepeatsAreNotFlagged_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Enter") << Qt::Key_Return;
        QTest::newRow("Space") << Qt::Key_Space;
    }

    void aHeldKeyActsOnceWhenItsRepeatsAreNotFlagged() {
        QFETCH(Qt::Key, key);
        CourseDriver driver;
        driver.walkTo(PageId::Aimant);
        driver.resetBeeps();
        // Held for two seconds: the first press, then 25 repeats a second
        // after a delay, some flagged and some not.
        ulong t = CourseDriver::nextEventTime();
        driver.keyEvent(QEvent::KeyPress, key, t);
        t += 600;
        for (int i = 0; i < 35; ++i, t += 40) {
            const bool flagged = i % 5 != 2;
            driver.keyEvent(QEvent::KeyRelease, key, t, flagged);
            driver.keyEvent(QEvent::KeyPress, key, t, flagged);
        }
        driver.keyEvent(QEvent::KeyRelease, key, t + 15);
        // Suite alone was pressed; the text on saturation is there to read.
        QCOMPARE(driver.beeps(), 1);
        QCOMPARE(driver.visiblePages(), QStringList{QStringLiteral("Aimant")});
        QVERIFY(driver.page<pages::Aimant>().TextSaturation->isVisible());
        // A new press after the release acts.
        driver.key(key);
        QCOMPARE(driver.visiblePages(), QStringList{QStringLiteral("Vide")});
    }

    // Enter moves on to another page; its release comes to the same window,
    // which now shows the next page: the next press acts, once.
    void aPressActsAfterAMoveToAnotherPage() {
        CourseDriver driver;
        driver.walkTo(PageId::Convent);
        const ulong time = CourseDriver::nextEventTime();
        driver.keyEvent(QEvent::KeyPress, Qt::Key_Return, time);
        QCOMPARE(driver.visiblePages(), QStringList{QStringLiteral("Aimant")});
        driver.keyEvent(QEvent::KeyRelease, Qt::Key_Return, time + 40);
        QVERIFY(driver.page<pages::Aimant>().TextSaturation->isHidden());
        driver.key(Qt::Key_Return); // Suite
        QVERIFY(driver.page<pages::Aimant>().TextSaturation->isVisible());
        QCOMPARE(driver.visiblePages(), QStringList{QStringLiteral("Aimant")});
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
        QCOMPARE(driver.beeps(), 0);
        QCOMPARE(driver.visiblePages(), QStringList{QStringLiteral("Fonction")});

        // During the no-load animation no key reaches a button.
        driver.completeShownPage();
        fonction.Suivant->press();
        driver.completeShownPage();
        driver.course().coursePage(PageId::Convent).Suivant->press();
        driver.completeShownPage();
        driver.course().coursePage(PageId::Aimant).Suivant->press();
        const int before = driver.beeps();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Tab})
            driver.key(key);
        QCOMPARE(driver.beeps(), before);
        QCOMPARE(driver.visiblePages(), QStringList{QStringLiteral("Vide")});
    }

    void hiddenButtonsCannotBeClicked_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("over"); // the button shown at its place, if any
        QTest::newRow("Suivant") << "Suivant"
                                 << "Suite";
        QTest::newRow("Precedent") << "Precedent"
                                   << "";
        QTest::newRow("Quitter") << "Quitter"
                                 << "";
    }

    void hiddenButtonsCannotBeClicked() {
        QFETCH(QString, button);
        QFETCH(QString, over);
        CourseDriver driver;
        driver.startCourse();
        FIND_CONTROL(b, tk::Button, driver, PageId::Fonction, button);
        QVERIFY(!b->isVisible());
        bool ran = false;
        QObject::connect(b, &tk::Button::activated, [&ran] { ran = true; });
        driver.resetBeeps();
        QVERIFY(!b->press());
        QVERIFY(!ran);
        QCOMPARE(driver.beeps(), 0);
        // A click at its place presses what is shown there, if anything:
        // only that beeps.
        bool overRan = false;
        if (!over.isEmpty()) {
            FIND_CONTROL(shown, tk::Button, driver, PageId::Fonction, over);
            QVERIFY(shown->isVisible());
            QObject::connect(shown, &tk::Button::activated, [&overRan] { overRan = true; });
        }
        CourseDriver::click(b);
        QVERIFY(!ran);
        QCOMPARE(overRan, !over.isEmpty());
        QCOMPARE(driver.beeps(), over.isEmpty() ? 0 : 1);
        QCOMPARE(driver.visiblePages(), names({"Fonction"}));
        // Nor can a button of a hidden page.
        FIND_CONTROL(other, tk::Button, driver, PageId::Convent, button);
        driver.resetBeeps();
        QVERIFY(!other->press());
        QCOMPARE(driver.beeps(), 0);
        QVERIFY(!driver.course().hasEnded());
    }

    void escapeQuitsOnTheEndPageOnly() {
        CourseDriver driver;
        driver.walkTo(PageId::FinProg, [&](const CourseDriver::Stop &stop) {
            if (stop.complete) {
                driver.key(Qt::Key_Escape);
                QVERIFY2(!driver.course().hasEnded(), qPrintable(shell::formName(stop.page)));
            }
        });
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
        // As the desktop asks it: to the window that shows the page.
        QVERIFY(driver.visiblePage()->window()->windowHandle()->close() || finished);
        QVERIFY(finished);
        QVERIFY(driver.visiblePages().isEmpty());
        CourseDriver::flushDeletes();
        for (int n = 0; n < shell::PageCount; ++n)
            QVERIFY(!driver.course().exists(shell::pageAt(n)));
        QCOMPARE(driver.beeps(), 0);
    }

    void quittingStopsARunningAnimationAtOnce() {
        CourseDriver driver;
        driver.walkTo(PageId::Vide);
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
