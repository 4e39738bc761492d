// The title page: its 5000 ms, the routine that enters the course, the
// centring rule, and the returns to the first course page.

#include "support/CourseDriver.h"

#include "app/CourseSetup.h"

#include "shell/Debut.h"
#include "text/CourseText.h"
#include "toolkit/Button.h"
#include "toolkit/Screen.h"
#include "toolkit/Timer.h"
#include "toolkit/Twips.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

using shell::PageId;

namespace {

// Counts the times a page is shown.
class ShowCounter final : public QObject {
public:
    int shows = 0;
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

} // namespace

class TitlePageTest final : public QObject {
    Q_OBJECT
private slots:

    void startsOnTheTitlePageAlone() {
        CourseDriver driver;
        driver.start();
        QCOMPARE(driver.visiblePages(), QStringList{QStringLiteral("Debut")});
        shell::Debut &debut = driver.course().debut();
        QCOMPARE(
            debut.windowTitle(),
            QString(18, QLatin1Char(' ')).append(QStringLiteral("Transformateur d'impulsions")));
        QCOMPARE(debut.size(), QSize(566, 316));
        QVERIFY(debut.Timer1->isEnabled());
        QCOMPARE(debut.Timer1->interval(), 5000); // 5 s, whole
        for (const PageId id : shell::CreationOrder)
            QVERIFY(!driver.course().exists(id));
        QCOMPARE(debut.TexteDebut->text(), QStringLiteral("Transformateur \r\nd'impulsions\r\n"));
        QCOMPARE(debut.Text2->text(), QStringLiteral("Version 2.0"));
        QCOMPARE(debut.Text1->text().count(QStringLiteral("\r\n")), 4);
    }

    void keysAndClicksDoNotShortenIt() {
        CourseDriver driver;
        driver.start();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Tab})
            driver.key(key);
        shell::Debut &debut = driver.course().debut();
        QTest::mouseClick(&debut, Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseClick(debut.Text2, Qt::LeftButton);
        QCOMPARE(driver.visiblePages(), QStringList{QStringLiteral("Debut")});
        QVERIFY(debut.Timer1->isEnabled());
        QCOMPARE(focusName(&debut), QString()); // no control takes it
        QCOMPARE(driver.beeps(), 0);
    }

    void timerRoutineRunsInItsOrder() {
        CourseDriver driver;
        driver.start();
        shell::Debut &debut = driver.course().debut();
        QPointer<shell::Debut> title = &debut;
        QVERIFY(debut.Timer1->fire());
        QVERIFY(!debut.Timer1->isEnabled());
        // The texts are in (step 2), every page exists (3), Fonction is prepared
        // and shown (4, 5), the title page is gone (6).
        auto &fonction = driver.course().coursePage(PageId::Fonction);
        QVERIFY(fonction.isVisible());
        QVERIFY(fonction.findChild<QWidget *>(QStringLiteral("Suite"))->isVisible());
        QVERIFY(
            !fonction.findChild<tk::TextBox *>(QStringLiteral("TextFonction"))->text().isEmpty());
        QVERIFY(!driver.course().exists(PageId::Debut));
        CourseDriver::flushDeletes();
        QVERIFY(title.isNull());
        QCOMPARE(driver.beeps(), 0);
    }

    void runningAgainCreatesNoSecondPageAndShowsNoTitle() {
        CourseDriver driver;
        driver.startCourse();
        QList<QPointer<tk::PageWindow>> first;
        for (const PageId id : shell::CreationOrder)
            first << driver.existing(id);
        // The course's window stays where the learner put it while its size
        // does not change.
        QWidget *window = driver.visiblePage()->window();
        window->move(3, 4);

        driver.completeShownPage();
        QVERIFY(driver.course().coursePage(PageId::Fonction).Suivant->press());
        ShowCounter counter;
        driver.course().setFactory(PageId::Debut, [&counter](shell::Course &c) {
            auto *debut = new shell::Debut(c);
            debut->installEventFilter(&counter);
            return debut;
        });
        QVERIFY(driver.course().coursePage(PageId::Convent).Precedent->press());
        QCOMPARE(counter.shows, 0); // the title page was created only to run its routine
        QCOMPARE(driver.visiblePages(), QStringList{QStringLiteral("Fonction")});
        for (int i = 0; i < first.size(); ++i)
            QCOMPARE(driver.existing(shell::CreationOrder[i]), first[i].data());
        QCOMPARE(driver.visiblePage()->window(), window);
        QCOMPARE(window->pos(), QPoint(3, 4));
        QCOMPARE(driver.beeps(), 3); // Fonction's "Suite" and "Page suivante", Convent's return
    }

    void quittingDestroysThePagesInAlphabeticalOrder() {
        CourseDriver driver;
        driver.startCourse();
        QStringList destroyed;
        driver.course().debut(); // the shutdown routine belongs to the title page
        for (int n = 0; n < shell::PageCount; ++n) {
            tk::PageWindow *page = driver.existing(shell::pageAt(n));
            QVERIFY(page);
            QObject::connect(page, &QObject::destroyed,
                             [&destroyed, name = page->objectName()] { destroyed << name; });
        }
        driver.course().debut().Quitter();
        QVERIFY(destroyed.isEmpty()); // not under the running handler
        CourseDriver::flushDeletes();
        QStringList expected;
        for (const PageId id : shell::DestructionOrder)
            expected << shell::formName(id);
        QCOMPARE(destroyed, expected);
    }

    // Every page is shown in the one window of the course, which has its
    // outer frame centred.
    void pagesAreShownInOneCentredWindow() {
        CourseDriver driver;
        driver.start();
        QWidget *window = driver.visiblePage()->window();
        QVERIFY(window->isWindow());
        QVERIFY(window->isVisible());
        driver.course().debut().Timer1->fire();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QRect frame = window->frameGeometry();
        QVERIFY(qAbs(frame.center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(frame.center().y() - screen.center().y()) <= 1);
        for (int n = 0; n < shell::PageCount; ++n) {
            if (tk::PageWindow *page = driver.existing(shell::pageAt(n))) {
                QVERIFY(!page->isWindow());
                QCOMPARE(page->window(), window);
            }
        }
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](const QWidget *w) { return w->isVisible(); }),
                 1);
    }

    // Every page is centred by its outer size, the frame that the window
    // system gives it included (two pixels all round on this platform).
    void pagesAreCentredWithTheirFrame() {
        CourseDriver driver;
        driver.start();
        const QSize screen = tk::screenSizeTwips();
        const auto check = [&screen](tk::PageWindow *page) {
            const QWidget *window = page->window();
            QCOMPARE(window->size(), page->size());
            const QMargins frame = window->windowHandle()->frameMargins();
            QVERIFY(!frame.isNull());
            const QSizeF outer = QSizeF(window->size().grownBy(frame)) * tk::TwipsPerPixel;
            const QPointF place = shell::centredPosition(screen, outer);
            QCOMPARE(window->frameGeometry().topLeft(),
                     QPoint(tk::px(place.x()), tk::px(place.y())));
        };
        check(driver.visiblePage());
        driver.walkTo(PageId::FinProg, [&](const CourseDriver::Stop &stop) {
            if (!stop.complete)
                check(driver.visiblePage());
        });
    }

    // The title page, destroyed when the course is entered, goes once the
    // handler returns; a course that ends before that still takes it along,
    // and with it the pictures it was having drawn.
    void noPageOutlivesTheCourse() {
        QPointer<tk::PageWindow> title;
        {
            shell::Course course;
            app::assemble(course);
            course.start();
            title = &course.page(PageId::Debut);
            course.debut().Timer1->fire();
            QVERIFY(!course.exists(PageId::Debut));
            QVERIFY(!title.isNull()); // deferred
        }
        QVERIFY(title.isNull());
    }

    void centringRule_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSizeF>("page");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::newRow("fits") << QSize(12000, 9000) << QSizeF(9600, 7200) << 1200.0 << 900.0;
        QTest::newRow("odd difference")
            << QSize(12000, 9000) << QSizeF(9601, 7201) << 1199.5 << 899.5;
        QTest::newRow("larger than the screen")
            << QSize(9000, 6000) << QSizeF(9600, 7200) << -300.0 << -600.0;
    }

    void centringRule() {
        QFETCH(QSize, screen);
        QFETCH(QSizeF, page);
        QFETCH(double, left);
        QFETCH(double, top);
        const QPointF place = shell::centredPosition(screen, page);
        QCOMPARE(place.x(), left);
        QCOMPARE(place.y(), top);
    }
};

QTEST_MAIN(TitlePageTest)
#include "tst_titlepage.moc"
