// The explanatory pages: their controls, reveal steps, focus, leaving resets,
// and the pictures whose pixels the course fixes exactly.

#include "palette/Palette.h"
#include "support/CourseDriver.h"

#include "art/Art.h"
#include "pages/Aimant.h"
#include "pages/Convent.h"
#include "pages/Fonction.h"
#include "pages/PasSat.h"
#include "pages/Produit.h"
#include "pages/RappCyc.h"
#include "pages/Variat.h"
#include "toolkit/ImageBox.h"

#include <QPainter>
#include <QResource>
#include <QTest>

using shell::PageId;
using namespace palette;

namespace {

QStringList shownOf(tk::PageWindow &page, const QStringList &names) {
    QStringList shown;
    for (const QString &name : names) {
        QWidget *w = page.findChild<QWidget *>(name);
        if (w && w->isVisible())
            shown << name;
    }
    return shown;
}

int countColour(const QImage &image, const QColor &colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

} // namespace

class ExplanatoryTest final : public QObject {
    Q_OBJECT
private slots:

    void fonctionRevealsItsAdvantages() {
        CourseDriver driver;
        driver.startCourse();
        auto &page = driver.page<pages::Fonction>();
        const QStringList watched =
            names({"Suite", "TextAvantages", "FrameBoutons", "Image1", "Image2", "Image3"});
        QCOMPARE(shownOf(page, watched), names({"Suite", "Image1", "Image2", "Image3"}));
        driver.key(Qt::Key_Return); // Suite has the focus
        QCOMPARE(shownOf(page, watched),
                 names({"TextAvantages", "FrameBoutons", "Image1", "Image2", "Image3"}));
        QCOMPARE(focusName(&page), QStringLiteral("Suivant"));
        QCOMPARE(page.TextAvantages->foreground(), QColor(64, 128, 128));
        driver.key(Qt::Key_Return);
        QCOMPARE(driver.visiblePages(), names({"Convent"}));
        QCOMPARE(shownOf(page, watched), (QStringList{}));
        QVERIFY(page.TextAvantages->isHidden() && page.FrameBoutons->isHidden());
        QCOMPARE(driver.beeps(), 2);
    }

    // The blanks of the last line of TextFonction put each name above the
    // symbol of its component.
    void namesStandAboveTheirSymbols() {
        CourseDriver driver;
        driver.startCourse();
        auto &page = driver.page<pages::Fonction>();
        QVERIFY(page.TextFonction->text().endsWith(QString(10, u' ') + u"Thyristors," +
                                                   QString(15, u' ') + u"Triacs," +
                                                   QString(15, u' ') + u"Transistors."));
        for (const qreal offset : nameOffsets(page))
            QVERIFY2(qAbs(offset) <= 8, qPrintable(QString::number(offset)));
    }

    void symbolsAreTheSizeOfTheirBoxes_data() {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("thyristor") << "Image1" << QSize(38, 35) << "Symbole d'un thyristor";
        QTest::newRow("triac") << "Image2" << QSize(43, 54) << "Symbole d'un triac";
        QTest::newRow("transistor") << "Image3" << QSize(26, 42) << "Symbole d'un transistor";
    }

    void symbolsAreTheSizeOfTheirBoxes() {
        QFETCH(QString, image);
        QFETCH(QSize, size);
        QFETCH(QString, tooltip);
        CourseDriver driver;
        driver.startCourse();
        auto *box = driver.control<tk::ImageBox>(PageId::Fonction, image);
        QCOMPARE(box->size(), size);
        QCOMPARE(box->drawing().size, size);
        QCOMPARE(box->toolTip(), tooltip);
    }

    void conventionGoesBackWithoutTheTitlePage() {
        CourseDriver driver;
        driver.walkTo(PageId::Convent);
        auto &page = driver.page<pages::Convent>();
        QCOMPARE(page.Image1->toolTip(), QStringLiteral("Transformateur d'impulsion"));
        QCOMPARE(page.Image1->size(), QSize(141, 155));
        const int before = driver.beeps();
        QVERIFY(page.Precedent->press());
        QCOMPARE(driver.beeps(), before + 1);
        QCOMPARE(driver.visiblePages(), names({"Fonction"}));
        QVERIFY(driver.page<pages::Fonction>().Suite->isVisible());
        // Enter on arrival moves on, forward or back.
        driver.completeShownPage();
        driver.key(Qt::Key_Return);
        driver.key(Qt::Key_Return);
        QCOMPARE(driver.visiblePages(), names({"Aimant"}));
    }

    void aimantRevealsSaturationAndIsResetFromBothSides() {
        CourseDriver driver;
        driver.walkTo(PageId::Aimant);
        auto &page = driver.page<pages::Aimant>();
        const QStringList watched =
            names({"TextModel", "Image1", "Image2", "TextSaturation", "Suite", "FrameBoutons"});
        QCOMPARE(shownOf(page, watched), names({"TextModel", "Image1", "Image2", "Suite"}));
        QCOMPARE(page.Image1->size(), QSize(255, 184));
        driver.key(Qt::Key_Return);
        QCOMPARE(shownOf(page, watched),
                 names({"TextModel", "Image1", "Image2", "TextSaturation", "FrameBoutons"}));
        QVERIFY(page.Precedent->press()); // back to Convent, two beeps
        QCOMPARE(driver.visiblePages(), names({"Convent"}));
        QCOMPARE(focusName(driver.existing(PageId::Convent)), QStringLiteral("Suivant"));
        QVERIFY(page.TextSaturation->isHidden() && page.FrameBoutons->isHidden());
        driver.key(Qt::Key_Return);
        QCOMPARE(shownOf(page, watched), names({"TextModel", "Image1", "Image2", "Suite"}));
        QCOMPARE(driver.beeps(), 1 + 1 + 1 + 2 + 1 + 1);
    }

    void produitStepsThroughBothPulses() {
        CourseDriver driver;
        driver.walkTo(PageId::Produit);
        auto &page = driver.page<pages::Produit>();
        const QStringList watched = names({"Suite1", "Suite2", "TextExemple", "ImageProduit1",
                                           "ImageProduit2", "Text10V", "Text5V", "FrameBoutons"});
        QCOMPARE(shownOf(page, watched), names({"Suite1"}));
        QCOMPARE(page.Suite1->geometry(), page.Suite2->geometry());
        CourseDriver::click(page.Suite1);
        QCOMPARE(shownOf(page, watched),
                 names({"Suite2", "TextExemple", "ImageProduit1", "Text10V"}));
        CourseDriver::click(page.Suite2); // the same place: two clicks walk both steps
        QCOMPARE(shownOf(page, watched), names({"TextExemple", "ImageProduit1", "ImageProduit2",
                                                "Text10V", "Text5V", "FrameBoutons"}));
        // The second picture lies in front of the first.
        QVERIFY(page.children().indexOf(page.ImageProduit2) >
                page.children().indexOf(page.ImageProduit1));
        QCOMPARE(page.ImageProduit2->geometry(), page.ImageProduit1->geometry());

        QVERIFY(page.Suivant->press());
        QCOMPARE(driver.visiblePages(), names({"PasSat"}));
        QCOMPARE(shownOf(page, watched), QStringList{});
        for (const QString &name : watched)
            if (name != u"Suite1")
                QVERIFY2(page.findChild<QWidget *>(name)->isHidden(), qPrintable(name));
        // Back from PasSat: the explanation alone, with Suite1.
        QVERIFY(driver.page<pages::PasSat>().Precedent->press());
        QCOMPARE(shownOf(page, watched), names({"Suite1"}));
    }

    void keyboardWalksThroughProduit() {
        CourseDriver driver;
        driver.walkTo(PageId::Produit);
        auto &page = driver.page<pages::Produit>();
        QCOMPARE(focusName(&page), QStringLiteral("Suite1"));
        driver.key(Qt::Key_Return);
        QCOMPARE(focusName(&page), QStringLiteral("Suite2"));
        driver.key(Qt::Key_Space);
        QVERIFY(page.FrameBoutons->isVisible());
        driver.key(Qt::Key_Return); // the default button
        QCOMPARE(driver.visiblePages(), names({"PasSat"}));
    }

    void staticPagesFocusTheirNextButton_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("next");
        QTest::newRow("PasSat") << shell::number(PageId::PasSat) << "Demag";
        QTest::newRow("RappCyc") << shell::number(PageId::RappCyc) << "ChargeTi";
        QTest::newRow("Variat") << shell::number(PageId::Variat) << "FinProg";
    }

    void staticPagesFocusTheirNextButton() {
        QFETCH(int, page);
        QFETCH(QString, next);
        CourseDriver driver;
        driver.walkTo(shell::pageAt(page));
        QCOMPARE(focusName(driver.visiblePage()), QStringLiteral("Suivant"));
        driver.key(Qt::Key_Return);
        QCOMPARE(driver.visiblePages(), QStringList{next});
        // Coming back gives the focus to Suivant again.
        auto &nextPage = driver.course().coursePage(shell::pageAt(page + 1));
        driver.completeShownPage();
        QVERIFY(nextPage.Precedent->press());
        QCOMPARE(driver.visiblePages(), QStringList{shell::formName(shell::pageAt(page))});
        QCOMPARE(focusName(driver.visiblePage()), QStringLiteral("Suivant"));
    }

    void photographsAndDrives() {
        CourseDriver driver;
        driver.startCourse();
        for (const PageId id : {PageId::PasSat, PageId::RappCyc}) {
            auto *image = driver.control<tk::ImageBox>(id, "Image1");
            QCOMPARE(image->drawing().title, art::title(art::Picture::Photo));
            QCOMPARE(image->size(), QSize(370, 200));
            QCOMPARE(image->toolTip(), QStringLiteral("Transformateurs d'impulsions"));
        }
        auto *drives = driver.control<tk::ImageBox>(PageId::Variat, "Image1");
        QCOMPARE(drives->size(), QSize(354, 299)); // 350 x 295 stretched to its box
        QCOMPARE(drives->toolTip(),
                 QStringLiteral("Variateurs de vitesse industriels pour moteurs électriques"));
        // Stretched, not cropped: the blue background reaches the box's corners.
        driver.existing(PageId::Variat)->show();
        const QImage shot = drives->grab().toImage();
        const QColor corner = shot.pixelColor(shot.width() - 1, shot.height() - 1);
        QVERIFY(corner.blue() > corner.red() + 40);
    }

    void theEmbeddedPhotographIsTheDrawnOne() {
        // Drawn at build time for the title page; the same pixels as drawn now.
        QImage drawn(art::size(art::Picture::Photo), QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        {
            QPainter p(&drawn);
            art::paint(art::Picture::Photo, p);
        }
        QVERIFY(QResource(u":/art/" + art::bakedName(art::Picture::Photo)).isValid());
        art::Renderer renderer;
        QCOMPARE(
            renderer.pixmap(art::Picture::Photo, 1.0).toImage().convertToFormat(drawn.format()),
            drawn);
    }

    void theEmbeddedWindowIconIsTheDrawnOne() {
        // Every size a window asks for at 100 %, 150 % and 200 % is embedded,
        // with the pixels the icon has when drawn now.
        QVERIFY(art::isBaked(art::Icon::Bridge));
        const QIcon icon = art::icon(art::Icon::Bridge);
        for (const int size : art::windowIconSizes()) {
            for (const qreal scale : {1.0, 1.5, 2.0}) {
                const int pixels = qRound(size * scale);
                QVERIFY2(art::bakedIconPixels().contains(pixels),
                         qPrintable(QString::number(pixels)));
                QVERIFY(QResource(u":/art/" + art::bakedName(art::Icon::Bridge, pixels)).isValid());
                QImage shown = icon.pixmap(QSize(size, size), scale).toImage();
                QCOMPARE(shown.size(), QSize(pixels, pixels));
                shown.setDevicePixelRatio(1);
                QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                         art::drawIcon(art::Icon::Bridge, pixels));
            }
        }
    }

    void pulsePicturesAreExact() {
        const QImage one = renderPicture(art::Picture::Pulse10V);
        const QImage two = renderPicture(art::Picture::Pulses10V5V);
        QCOMPARE(one.size(), QSize(233, 186));
        // Axes two pixels thick.
        for (const QImage &image : {one, two}) {
            for (int y = 20; y < 163; y += 7) {
                QCOMPARE(image.pixelColor(29, y), Black);
                QCOMPARE(image.pixelColor(30, y), Black);
            }
            for (int x = 31; x < 210; x += 9) {
                QCOMPARE(image.pixelColor(x, 163), Black);
                QCOMPARE(image.pixelColor(x, 164), Black);
            }
        }
        // The teal rectangle: x 31..105, y 39..162.
        QCOMPARE(one.pixelColor(31, 39), Teal);
        QCOMPARE(one.pixelColor(105, 162), Teal);
        QCOMPARE(one.pixelColor(106, 100), PageGrey);
        QCOMPARE(one.pixelColor(60, 38), PageGrey);
        QCOMPARE(countColour(one.copy(31, 39, 75, 124), Teal), 75 * 124);
        // The azure rectangle over its lower part: x 31..180, y 101..162.
        QCOMPARE(two.pixelColor(31, 101), Azure);
        QCOMPARE(two.pixelColor(180, 162), Azure);
        QCOMPARE(two.pixelColor(181, 130), PageGrey);
        QCOMPARE(two.pixelColor(105, 100), Teal);
        QCOMPARE(two.pixelColor(106, 100), PageGrey);
        QCOMPARE(countColour(two.copy(31, 101, 150, 62), Azure), 150 * 62);
        // The two pulses have the same area.
        QCOMPARE(countColour(one.copy(31, 39, 75, 124), Teal),
                 countColour(two.copy(31, 101, 150, 62), Azure));
        QCOMPARE(countColour(two.copy(31, 39, 75, 62), Teal), 75 * 62);
    }
};

QTEST_MAIN(ExplanatoryTest)
#include "tst_explanatory.moc"
