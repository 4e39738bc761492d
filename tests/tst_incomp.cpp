// The incomplete demagnetisation: the plot frame, the eight phases column by
// column, the saturation edges and beeps, the final drawing.

#include "palette/Palette.h"
#include "support/CourseDriver.h"

#include "fonts/Fonts.h"
#include "pages/Incomp.h"
#include "pages/Timp.h"
#include "toolkit/Timer.h"

#include <QFontMetrics>
#include <QTest>

using shell::PageId;
using namespace palette;
using namespace pages;

namespace {

Coord q(double value) {
    return Coord::fromQuarters(int(value * 4));
}

// Fires the phase's timer until it hands over to the next one.
int runPhase(Incomp &page, int phase) {
    tk::Timer *timer = page.Timer[phase - 1];
    int ticks = 0;
    while (timer->isEnabled() && ticks < 1000) {
        timer->fire();
        ++ticks;
    }
    return ticks;
}

QList<int> enabledTimers(const Incomp &page) {
    QList<int> on;
    for (int i = 0; i < 8; ++i)
        if (page.Timer[i]->isEnabled())
            on << i + 1;
    return on;
}

} // namespace

class IncompTest final : public QObject {
    Q_OBJECT
private slots:

    void phasesEndWithTheirValues_data() {
        QTest::addColumn<int>("phase");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<double>("v1");
        QTest::addColumn<double>("i1");
        QTest::addColumn<double>("flux");
        QTest::addColumn<double>("v2");
        QTest::addColumn<int>("startX");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("picture");
        QTest::newRow("1") << 1 << 40 << 160.0 << 240.0 << 300.0 << 340.0 << 160 << 0
                           << "ImageZenKfo";
        QTest::newRow("2") << 2 << 1 << 211.0 << 240.0 << 300.0 << 391.0 << 160 << 0
                           << "ImageZenKfo";
        QTest::newRow("3") << 3 << 40 << 160.0 << 250.0 << 310.0 << 340.0 << 200 << 0
                           << "ImageZenKf";
        QTest::newRow("4") << 4 << 40 << 211.0 << 230.0 << 290.0 << 391.0 << 240 << 0
                           << "ImageZenKfo";
        QTest::newRow("5") << 5 << 40 << 160.0 << 240.0 << 300.0 << 340.0 << 280 << 0
                           << "ImageZenKf";
        QTest::newRow("6") << 6 << 40 << 211.0 << 228.0 << 286.5 << 391.0 << 320 << 14
                           << "ImageZenKfo";
        QTest::newRow("7") << 7 << 40 << 160.0 << 238.0 << 296.5 << 340.0 << 360 << 0
                           << "ImageZenKf";
        QTest::newRow("8") << 8 << 40 << 160.0 << 219.5 << 286.5 << 370.0 << 400 << 18
                           << "ImageZenKo";
    }

    void phasesEndWithTheirValues() {
        QFETCH(int, phase);
        QFETCH(int, ticks);
        QFETCH(double, v1);
        QFETCH(double, i1);
        QFETCH(double, flux);
        QFETCH(double, v2);
        QFETCH(int, startX);
        QFETCH(int, beeps);
        QFETCH(QString, picture);
        CourseDriver driver;
        driver.walkTo(PageId::Incomp);
        auto &page = driver.page<Incomp>();
        // Whatever other pages left in the shared variables does not matter.
        driver.course().shared<pages::Timp>().I1Y = 7;
        driver.course().shared<pages::Timp>().SatY = 3;
        QVERIFY(page.Suite->press());
        QCOMPARE(driver.course().shared<pages::Timp>().StartX, Coord(120));
        for (int p = 1; p < phase; ++p)
            runPhase(page, p);
        const int before = driver.beeps();
        QCOMPARE(enabledTimers(page), QList<int>{phase});
        QCOMPARE(runPhase(page, phase), ticks);
        QCOMPARE(driver.course().shared<pages::Timp>().PrevY, q(v1));
        QCOMPARE(driver.course().shared<pages::Timp>().I1Y, q(i1));
        QCOMPARE(driver.course().shared<pages::Timp>().FluxY, q(flux));
        QCOMPARE(driver.course().shared<pages::Timp>().V2Y, q(v2));
        QCOMPARE(driver.course().shared<pages::Timp>().StartX, Coord(startX));
        QCOMPARE(driver.beeps() - before, beeps);
        QCOMPARE(enabledTimers(page), phase < 8 ? QList<int>{phase + 1} : QList<int>{});
        QVERIFY(page.findChild<QWidget *>(picture)->isVisible());
        int shownPictures = 0;
        for (const tk::ImageBox *image : {page.ImageZenKo, page.ImageZenKf, page.ImageZenKfo})
            shownPictures += image->isVisible();
        QCOMPARE(shownPictures, 1);
    }

    void saturationIsFoundExactly() {
        CourseDriver driver;
        driver.walkTo(PageId::Incomp);
        auto &page = driver.page<Incomp>();
        page.Suite->press();
        for (int p = 1; p <= 5; ++p)
            runPhase(page, p);
        // Phase 6: columns 280 to 305 unsaturated, then saturated from 306.
        driver.course().shared<pages::Timp>().SatY = 0;
        for (int column = 280; column < 306; ++column) {
            page.Timer[5]->fire();
            QCOMPARE(driver.course().shared<pages::Timp>().SatY, Coord(0)); // not recorded yet
        }
        const int before = driver.beeps();
        QCOMPARE(driver.course().shared<pages::Timp>().I1Y, Coord(227));
        page.Timer[5]->fire(); // column 306
        QCOMPARE(driver.course().shared<pages::Timp>().SatY, Coord(227));
        QCOMPARE(driver.beeps(), before + 1);
        // The edges of that column: v2 down to its axis, i1 up to the short-circuit level.
        for (int y = 340; y <= 369; ++y)
            QCOMPARE(page.Surface->pixelColour(306, y), Blue);
        for (int y = 220; y <= 227; ++y)
            QCOMPARE(page.Surface->pixelColour(306, y), Red);
    }

    // Left midway through its run (the list of pages, to another page or
    // to this one again), the page comes back as it arrives: the circuit at
    // rest, whichever picture the run had shown, and the plot no longer
    // said to be drawn.
    void aRunLeftMidwayComesBackAtRest_data() {
        QTest::addColumn<int>("phases");
        QTest::addColumn<int>("back");
        QTest::newRow("K closed, the same page") << 1 << int(PageId::Incomp);
        QTest::newRow("K just opened, the same page") << 2 << int(PageId::Incomp);
        QTest::newRow("K just opened, by Vide") << 2 << int(PageId::Vide);
    }
    void aRunLeftMidwayComesBackAtRest() {
        QFETCH(int, phases);
        QFETCH(int, back);
        CourseDriver driver;
        driver.walkTo(PageId::Incomp);
        auto &page = driver.page<Incomp>();
        QVERIFY(page.Suite->press());
        for (int p = 1; p <= phases; ++p)
            runPhase(page, p);
        page.Timer[phases]->fire(); // the next phase has begun
        QVERIFY(!page.ImageZenKo->isVisible());
        driver.course().goTo(PageId(back));
        driver.course().goTo(PageId::Incomp);
        verifyArrival(driver, PageId::Incomp);
        QVERIFY(page.ImageZenKo->isVisible());
        QVERIFY(!page.ImageZenKf->isVisible());
        QVERIFY(!page.ImageZenKfo->isVisible());
        QVERIFY(!page.Surface->isBeingDrawn());
        QCOMPARE(enabledTimers(page), QList<int>{});
    }

    void finishedPlot() {
        CourseDriver driver;
        driver.walkTo(PageId::Incomp);
        auto &page = driver.page<Incomp>();
        const int before = driver.beeps();
        QVERIFY(page.Suite->press());
        int ticks = 0;
        for (int p = 1; p <= 8; ++p) {
            QVERIFY(enabledTimers(page).size() == 1);
            ticks += runPhase(page, p);
        }
        QCOMPARE(ticks, 281);
        QCOMPARE(enabledTimers(page), QList<int>{});
        QCOMPARE(driver.beeps(), before + 1 + 14 + 18);
        QVERIFY(page.TextIncomp[1]->isVisible() && page.FrameBoutons->isVisible());
        QVERIFY(page.ImageZenKo->isVisible() && page.ImageZenKf->isHidden());

        const tk::PlotSurface &s = *page.Surface;
        // K: closed at 140, open at 130.
        QCOMPARE(s.pixelColour(125, 140), Black);
        QCOMPARE(s.pixelColour(170, 130), Black);
        QCOMPARE(s.pixelColour(170, 140), Grey);
        // v1 square wave between 160 and 211, edges at 160, 200, ...
        QCOMPARE(s.pixelColour(130, 160), Blue);
        QCOMPARE(s.pixelColour(170, 211), Blue);
        for (int y = 160; y <= 210; ++y)
            QCOMPARE(s.pixelColour(200, y), Blue);
        // i1: starts on its axis, flat at 220 while saturated, back to 227 at 320.
        QCOMPARE(s.pixelColour(120, 260), Red);
        for (int x = 306; x <= 319; ++x)
            QCOMPARE(s.pixelColour(x, 220), Red);
        for (int x = 382; x <= 399; ++x)
            QCOMPARE(s.pixelColour(x, 220), Red);
        QCOMPARE(s.pixelColour(321, 228), Red);
        // Flux flat at 287 while saturated.
        for (int x = 307; x <= 319; ++x)
            QCOMPARE(s.pixelColour(x, 287), Lime);
        // v2: the filled pulses, the third and fourth cut at 306 and 382.
        for (const int x : {120, 159, 200, 239, 280, 305, 360, 381})
            for (int y = 341; y <= 370; ++y)
                QCOMPARE(s.pixelColour(x, y), Blue);
        QCOMPARE(s.pixelColour(310, 350), PageGrey);
        QCOMPARE(s.pixelColour(390, 350), PageGrey);
        QCOMPARE(s.pixelColour(310, 370), Blue); // v2 on its axis while saturated
        // The short-circuit line leads to its label.
        for (int x = 400; x < 420; ++x)
            QCOMPARE(s.pixelColour(x, 220), Black);
    }

    void labelsFitTheClientArea() {
        CourseDriver driver;
        driver.walkTo(PageId::Incomp);
        auto &page = driver.page<Incomp>();
        const QFontMetrics metrics(page.Surface->font());
        QVERIFY(420 + metrics.horizontalAdvance(
                          QStringLiteral("courant de court-circuit du générateur")) <
                634);
        QCOMPARE(page.Surface->geometry(), QRect(0, 0, 634, 455));
    }

    void secondRunDrawsTheSamePixels() {
        CourseDriver driver;
        driver.walkTo(PageId::Incomp);
        auto &page = driver.page<Incomp>();
        driver.completeShownPage();
        const QImage first = page.Surface->grab().toImage();
        // Leave forward and come back from RappCyc: the old plot, with Suite.
        QVERIFY(page.Suivant->press());
        QVERIFY(driver.course().coursePage(PageId::RappCyc).Precedent->press());
        QCOMPARE(driver.visiblePages(), names({"Incomp"}));
        QVERIFY(page.Suite->isVisible() && page.ImageZenKo->isVisible());
        QVERIFY(page.FrameBoutons->isHidden() && page.TextIncomp[1]->isHidden());
        QCOMPARE(page.Surface->grab().toImage(), first);
        const int before = driver.beeps();
        // Not one pixel of the finished plot changes at any moment of the rerun.
        CourseDriver::click(page.Suite);
        QCOMPARE(page.Surface->grab().toImage(), first);
        for (tk::Timer *timer : page.Timer)
            while (timer->fire())
                QVERIFY2(page.Surface->grab().toImage() == first,
                         qPrintable(
                             timer->objectName() + u" at column " +
                             QString::number(driver.course().shared<pages::Timp>().CurX.pixel())));
        QCOMPARE(driver.beeps(), before + 1 + 32);
        QCOMPARE(page.Surface->grab().toImage(), first);
        QVERIFY(page.FrameBoutons->isVisible());
    }
};

QTEST_MAIN(IncompTest)
#include "tst_incomp.moc"
