// At a device pixel ratio of 2: plots drawn in whole device-pixel blocks with
// no blended colours, pictures drawn for the ratio rather than upscaled.

#include "support/CourseDriver.h"

#include "art/Art.h"
#include "pages/PasSat.h"
#include "pages/Vide.h"
#include "toolkit/Button.h"
#include "toolkit/ImageBox.h"
#include "toolkit/TextBox.h"

#include <QTest>

using shell::PageId;

class HighDpiTest final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void plotLinesCoverWholeDevicePixels() {
        CourseDriver driver;
        driver.walkTo(PageId::Vide);
        auto &vide = driver.page<pages::Vide>();
        driver.completeShownPage();
        const QImage shot = vide.Picture1->grab().toImage();
        QCOMPARE(shot.size(), QSize(398, 358));
        const QColor red(255, 0, 0);
        for (int x = 19; x < 140; ++x) {
            if (x == 101)
                continue; // where v2 crosses the ramp
            const int y = 181 - x;
            // The logical pixel is a 2 x 2 block of red ...
            for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
                QCOMPARE(shot.pixelColor(2 * x + d.x(), 2 * y + d.y()), red);
            // ... and next to it nothing is blended: grey, the axis, or another trace.
            for (const QPoint d : {QPoint(2, 0), QPoint(-1, 0)}) {
                const QColor c = shot.pixelColor(2 * x + d.x(), 2 * y + d.y());
                QVERIFY2(c == red || c == QColor(192, 192, 192) || c == QColor(0, 0, 255) ||
                             c == QColor(0, 0, 0) || c == QColor(0, 128, 0),
                         qPrintable(c.name()));
            }
        }
    }

    // The marks of the focused button, the names above their symbols and the
    // end text's eight lines hold at 200 % too.
    void marksNamesAndLinesAt200Percent() {
        {
            CourseDriver driver;
            driver.startCourse();
            for (const qreal offset : nameOffsets(*driver.visiblePage()))
                QVERIFY2(qAbs(offset) <= 8, qPrintable(QString::number(offset)));
        }
        {
            CourseDriver driver;
            driver.walkTo(PageId::Convent);
            auto &convent = driver.course().coursePage(PageId::Convent);
            QVERIFY(looksFocused(convent.Suivant->grab().toImage()));
            QVERIFY(!looksFocused(convent.Precedent->grab().toImage()));
        }
        CourseDriver driver;
        driver.walkTo(PageId::FinProg);
        QCOMPARE(driver.control<tk::TextBox>(PageId::FinProg, "TextFin")->lineCount(), 8);
    }

    void picturesAreDrawnForTheRatio() {
        CourseDriver driver;
        driver.walkTo(PageId::PasSat);
        auto &page = driver.page<pages::PasSat>();
        const QImage shown = page.Image1->grab().toImage();
        QCOMPARE(shown.size(), QSize(740, 400));
        art::Renderer renderer;
        const QImage sharp = renderer.pixmap(art::Picture::Photo, 2).toImage();
        QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
                 sharp.convertToFormat(QImage::Format_RGB32));
        // An upscaled 100 % bitmap would repeat every pixel in 2 x 2 blocks.
        const QImage small = renderer.pixmap(art::Picture::Photo, 1).toImage();
        const QImage upscaled =
            small.scaled(740, 400, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                .convertToFormat(QImage::Format_RGB32);
        int differing = 0;
        const QImage mine = sharp.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 740; ++x)
                differing += mine.pixel(x, y) != upscaled.pixel(x, y);
        QVERIFY2(differing > 740 * 400 / 20, qPrintable(QString::number(differing)));
    }
};

QTEST_MAIN(HighDpiTest)
#include "tst_highdpi.moc"
