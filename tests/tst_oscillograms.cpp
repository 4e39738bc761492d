// The no-load and demagnetisation pages: their animations tick by tick, the
// pixels of the finished plots, the state carried by the circuit pictures.

#include "palette/Palette.h"
#include "support/CourseDriver.h"

#include "art/Art.h"
#include "pages/Demag.h"
#include "pages/Produit.h"
#include "pages/Timp.h"
#include "pages/Vide.h"

#include <QPainter>
#include <QTest>

using shell::PageId;
using namespace palette;
using namespace pages;

class OscillogramTest final : public QObject {
    Q_OBJECT
private slots:

    void axesBackgroundsAreExact() {
        const QImage vide = renderPicture(art::Picture::NoLoadAxes);
        QCOMPARE(vide.size(), QSize(199, 179));
        for (int y = 12; y <= 164; ++y) {
            QCOMPARE(vide.pixelColor(17, y), Black);
            QCOMPARE(vide.pixelColor(18, y), Black);
        }
        for (int x = 17; x < 187; ++x) {
            QCOMPARE(vide.pixelColor(x, 163), Black);
            QCOMPARE(vide.pixelColor(x, 164), Black);
        }
        // The drawing area is plain grey.
        for (int y = 11; y <= 162; y += 3)
            for (int x = 19; x < 185; x += 3)
                QCOMPARE(vide.pixelColor(x, y), PageGrey);

        const QImage demag = renderPicture(art::Picture::DemagAxes);
        QCOMPARE(demag.size(), QSize(267, 137));
        for (int y = 12; y <= 121; ++y) {
            QCOMPARE(demag.pixelColor(15, y), Black);
            QCOMPARE(demag.pixelColor(16, y), Black);
        }
        for (int x = 15; x < 259; ++x) {
            QCOMPARE(demag.pixelColor(x, 120), Black);
            QCOMPARE(demag.pixelColor(x, 121), Black);
        }
        // Labels in their colours, left of the vertical axes.
        QVERIFY(vide.copy(0, 19, 17, 12).pixelColor(0, 0) == PageGrey);
        auto has = [](const QImage &image, QRect area, const QColor &colour) {
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    if (image.pixelColor(x, y) == colour)
                        return true;
            return false;
        };
        QVERIFY(has(vide, QRect(0, 19, 17, 12), Green));
        QVERIFY(has(vide, QRect(0, 53, 17, 12), Blue));
        QVERIFY(has(vide, QRect(0, 95, 17, 12), Red));
        QVERIFY(has(demag, QRect(0, 15, 15, 12), Red));
    }

    void noLoadAnimation() {
        CourseDriver driver;
        driver.walkTo(PageId::Vide);
        auto &vide = driver.page<Vide>();
        const int beeps = driver.beeps();
        QVERIFY(vide.Timer2->isEnabled());
        QVERIFY(vide.FrameBoutons->isHidden());
        // The rising edges are drawn on arrival.
        QCOMPARE(vide.Picture1->pixelColour(19, 100), Blue); // v1 drawn first, then v2 over it
        QCOMPARE(vide.Picture1->pixelColour(19, 50), Green);
        QCOMPARE(vide.Picture1->pixelColour(19, 20), PageGrey);
        for (int tick = 1; tick <= 121; ++tick) {
            QVERIFY(vide.Timer2->fire());
            QVERIFY(vide.Suite->isHidden());
        }
        QVERIFY(vide.Timer2->fire()); // the 122nd
        QVERIFY(!vide.Timer2->isEnabled());
        QVERIFY(vide.Suite->isVisible());
        QCOMPARE(focusName(&vide), QStringLiteral("Suite"));
        QCOMPARE(driver.course().shared<pages::Timp>().CurX,
                 Coord(141)); // the loop leaves its counter past its bound
        QCOMPARE(driver.course().shared<pages::Timp>().PrevX, Coord(140));
        QCOMPARE(driver.course().shared<pages::Timp>().PrevY, Coord(41));
        // The finished plot: a 45-degree ramp from (19, 162) to (140, 41).
        // (v2, drawn after i1 in each tick, crosses the ramp at x = 101.)
        for (int x = 19; x < 140; ++x)
            QCOMPARE(vide.Picture1->pixelColour(x, 181 - x), x == 101 ? Blue : Red);
        QCOMPARE(vide.Picture1->pixelColour(140, 41), PageGrey);
        QCOMPARE(vide.Picture1->pixelColour(100, 20), Green);
        QCOMPARE(vide.Picture1->pixelColour(100, 80), Blue);
        QCOMPARE(vide.Picture1->pixelColour(140, 20), PageGrey);
        QCOMPARE(driver.beeps(), beeps); // ticks never beep
        driver.key(Qt::Key_Return);
        QVERIFY(vide.TextSaturation->isVisible() && vide.FrameBoutons->isVisible());
        QCOMPARE(focusName(&vide), QStringLiteral("Suivant"));
    }

    void noLoadReentryRedrawsOverTheOldPlot_data() {
        QTest::addColumn<bool>("fromProduit");
        QTest::newRow("back from Produit") << true;
        QTest::newRow("forward from Aimant") << false;
    }

    void noLoadReentryRedrawsOverTheOldPlot() {
        QFETCH(bool, fromProduit);
        CourseDriver driver;
        driver.walkTo(PageId::Vide);
        auto &vide = driver.page<Vide>();
        driver.completeShownPage();
        const QImage finished = vide.Picture1->grab().toImage();
        QVERIFY(vide.Suivant->press());
        if (fromProduit) {
            driver.completeShownPage();
            QVERIFY(driver.page<Produit>().Precedent->press());
        } else {
            QVERIFY(driver.page<Produit>().FrameBoutons->isHidden());
            driver.completeShownPage();
            QVERIFY(driver.page<Produit>().Precedent->press()); // to Vide
            driver.completeShownPage();
            QVERIFY(vide.Precedent->press()); // to Aimant
            driver.completeShownPage();
            QVERIFY(driver.course().coursePage(PageId::Aimant).Suivant->press());
        }
        QCOMPARE(driver.visiblePages(), names({"Vide"}));
        QVERIFY(vide.TextSaturation->isHidden() && vide.FrameBoutons->isHidden());
        // Not cleared: the finished ramp is there at once.
        QCOMPARE(vide.Picture1->pixelColour(100, 81), Red);
        QCOMPARE(vide.Picture1->pixelColour(139, 42), Red);
        QCOMPARE(CourseDriver::fireUntilStopped(vide.Timer2), 122);
        QCOMPARE(vide.Picture1->grab().toImage(), finished);
    }

    void demagnetisationRuns() {
        CourseDriver driver;
        driver.walkTo(PageId::Demag);
        auto &d = driver.page<Demag>();
        const int beeps = driver.beeps();
        QCOMPARE(focusName(&d), QStringLiteral("BPKf"));
        QCOMPARE(d.BPKf->toolTip(), QStringLiteral("Fermer K"));
        QCOMPARE(d.BPKo->toolTip(), QStringLiteral("Ouvrir K"));
        QCOMPARE(d.BPKf->geometry(), d.BPKo->geometry());

        // Diode run: rise.
        driver.key(Qt::Key_Space);
        QVERIFY(d.BPKf->isHidden() && d.ImageDiodeKf->isVisible() && d.ImageDiodeKo->isHidden());
        QVERIFY(d.TextDemag[0]->isVisible());
        QVERIFY(!d.BPKf->press()); // hidden: no second animation
        QCOMPARE(CourseDriver::fireUntilStopped(d.Timer1), 74);
        QCOMPARE(driver.course().shared<pages::Timp>().CurX, Coord(90));
        QCOMPARE(driver.course().shared<pages::Timp>().CurY, Coord(46));
        QVERIFY(d.TextI[0]->isVisible() && d.TextI[1]->isVisible() && d.TextDemag[1]->isVisible());
        QCOMPARE(focusName(&d), QStringLiteral("BPKo"));
        QCOMPARE(d.Picture1->pixelColour(89, 47), Yellow);

        // Diode run: fall, 2 pixels right per pixel down.
        driver.key(Qt::Key_Return);
        QVERIFY(d.ImageDiodeKfo->isVisible() && d.ImageDiodeKf->isHidden());
        QVERIFY(d.TextDemag[2]->isVisible());
        QVERIFY(!d.BPKo->press());
        QVERIFY(!d.Timer1->isEnabled());
        QCOMPARE(CourseDriver::fireUntilStopped(d.Timer2), 74);
        QCOMPARE(driver.course().shared<pages::Timp>().CurX, Coord(236));
        QCOMPARE(driver.course().shared<pages::Timp>().CurY, Coord(119));
        QVERIFY(d.ImageDiodeKo->isVisible() && d.ImageDiodeKfo->isHidden());
        QVERIFY(d.Suite->isVisible());
        QCOMPARE(focusName(&d), QStringLiteral("Suite"));
        QVERIFY(d.FrameBoutons->isHidden());

        // Zener run.
        driver.key(Qt::Key_Return);
        QVERIFY(d.ImageZenKo->isVisible() && d.ImageDiodeKo->isHidden());
        QVERIFY(d.TextDemag[3]->isVisible() && d.BPKf->isVisible() && d.Suite->isHidden());
        QVERIFY(d.BPKf->press());
        QVERIFY(d.ImageZenKf->isVisible());
        QCOMPARE(CourseDriver::fireUntilStopped(d.Timer1), 74);
        QVERIFY(d.BPKo->press());
        QCOMPARE(CourseDriver::fireUntilStopped(d.Timer2), 74);
        QCOMPARE(driver.course().shared<pages::Timp>().CurX, Coord(163));
        QCOMPARE(driver.course().shared<pages::Timp>().CurY, Coord(119));
        QVERIFY(d.ImageZenKo->isVisible() && d.FrameBoutons->isVisible());

        // The red triangle over the yellow rise, the slow yellow fall beside it.
        for (int x = 17; x < 90; ++x)
            QCOMPARE(d.Picture1->pixelColour(x, 119 - (x - 17)), Red);
        for (int x = 90; x < 163; ++x)
            QCOMPARE(d.Picture1->pixelColour(x, 46 + (x - 90)), Red);
        for (int k = 1; k < 73; ++k) // (90, 46) starts the red fall too
            QCOMPARE(d.Picture1->pixelColour(90 + 2 * k, 46 + k), Yellow);
        QCOMPARE(d.Picture1->pixelColour(236, 119), PageGrey);
        QCOMPARE(driver.beeps(), beeps + 5); // four switch presses and Suite; ticks never beep
    }

    void leavingResetsTheDemagnetisationPage_data() {
        QTest::addColumn<bool>("forward");
        QTest::newRow("through Incomp") << true;
        QTest::newRow("through PasSat") << false;
    }

    void leavingResetsTheDemagnetisationPage() {
        QFETCH(bool, forward);
        CourseDriver driver;
        driver.walkTo(PageId::Demag);
        auto &d = driver.page<Demag>();
        driver.completeShownPage();
        if (forward) {
            QVERIFY(d.Suivant->press());
            driver.completeShownPage();
            QVERIFY(driver.course().coursePage(PageId::Incomp).Precedent->press());
        } else {
            QVERIFY(d.Precedent->press());
            QVERIFY(driver.course().coursePage(PageId::PasSat).Suivant->press());
        }
        QCOMPARE(driver.visiblePages(), names({"Demag"}));
        // Cleared plot, background kept.
        QCOMPARE(d.Picture1->pixelColour(50, 86), PageGrey);
        QCOMPARE(d.Picture1->pixelColour(15, 60), Black);
        const QStringList hidden =
            names({"ImageDiodeKf", "ImageDiodeKfo", "ImageZenKo", "ImageZenKf", "ImageZenKfo",
                   "BPKo", "TextDemag(0)", "TextDemag(1)", "TextDemag(2)", "TextDemag(3)",
                   "TextI(0)", "TextI(1)", "FrameBoutons", "Suite"});
        for (const QString &name : hidden)
            QVERIFY2(d.findChild<QWidget *>(name)->isHidden(), qPrintable(name));
        QVERIFY(d.ImageDiodeKo->isVisible() && d.BPKf->isVisible());
    }

    // The labels name a point of the plot: a click and a key change nothing.
    void labelsCannotBeTypedOver() {
        CourseDriver driver;
        driver.walkTo(PageId::Demag);
        auto &d = driver.page<Demag>();
        d.BPKf->press();
        CourseDriver::fireUntilStopped(d.Timer1);
        QCOMPARE(d.TextI[0]->parentWidget(), d.Picture1);
        QCOMPARE(d.TextI[1]->parentWidget(), &d);
        QVERIFY(d.children().indexOf(d.TextI[1]) > d.children().indexOf(d.Picture1));
        QVERIFY(!d.TextI[1]->editor());
        for (tk::TextBox *label : d.TextI) {
            const QString before = label->text();
            CourseDriver::clickAt(&d, label->mapTo(&d, label->rect().center()));
            driver.key(Qt::Key_X);
            QCOMPARE(label->text(), before);
        }
    }
};

QTEST_MAIN(OscillogramTest)
#include "tst_oscillograms.moc"
