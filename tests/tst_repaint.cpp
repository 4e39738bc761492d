// What is on screen after an animation has repainted only what each tick
// drew is what a whole repaint of the page shows, at every scale: at
// fractional scales a logical pixel does not fill whole device pixels, and a
// small repaint takes in parts of its neighbours. Run once per scale.

#include "support/CourseDriver.h"

#include "pages/Demag.h"
#include "pages/Incomp.h"
#include "pages/Vide.h"
#include "toolkit/Timer.h"

#include <QBackingStore>
#include <QTest>
#include <QWindow>

using shell::PageId;

namespace {

// The page's pixels as they stand in its window's backing store, the device
// pixels that the window system shows.
QImage onScreen(QWidget *page) {
    QCoreApplication::processEvents(); // the pending repaints
    QPaintDevice *store = page->backingStore()->paintDevice();
    if (store->devType() != QInternal::Image)
        qFatal("the backing store is not an image on this platform");
    // A deep copy: the backing store keeps painting into its own pixels.
    return static_cast<QImage *>(store)->copy().convertToFormat(QImage::Format_RGB32);
}

// The same after the whole page has been repainted, as on an expose.
QImage wholeRepaint(QWidget *page) {
    page->update();
    for (QWidget *child : page->findChildren<QWidget *>())
        child->update();
    return onScreen(page);
}

// Fires the timer tick by tick, letting each tick repaint what it drew.
void tickByTick(tk::Timer *timer, int limit = 1000) {
    for (int i = 0; i < limit && timer->fire(); ++i)
        QCoreApplication::processEvents();
}

int differingPixels(const QImage &a, const QImage &b) {
    if (a.size() != b.size())
        return -1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

} // namespace

class RepaintTest final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qInfo("device pixel ratio %g", qApp->devicePixelRatio()); }

    void animationsLeaveWhatAWholeRepaintShows_data() {
        QTest::addColumn<int>("page");
        QTest::newRow("Vide") << 4;
        QTest::newRow("Demag") << 7;
        QTest::newRow("Incomp") << 8;
    }

    void animationsLeaveWhatAWholeRepaintShows() {
        QFETCH(int, page);
        CourseDriver driver;
        driver.walkTo(shell::pageAt(page));
        tk::PageWindow *shown = driver.visiblePage();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        onScreen(shown);
        switch (shell::pageAt(page)) {
        case PageId::Vide:
            tickByTick(driver.page<pages::Vide>().Timer2);
            break;
        case PageId::Demag: {
            auto &demag = driver.page<pages::Demag>();
            for (int run = 0; run < 2; ++run) {
                CourseDriver::click(demag.BPKf);
                tickByTick(demag.Timer1);
                CourseDriver::click(demag.BPKo);
                tickByTick(demag.Timer2);
                if (run == 0)
                    CourseDriver::click(demag.Suite);
            }
            break;
        }
        case PageId::Incomp: {
            auto &incomp = driver.page<pages::Incomp>();
            CourseDriver::click(incomp.Suite);
            for (tk::Timer *timer : incomp.Timer)
                tickByTick(timer);
            break;
        }
        default:
            QFAIL("no animation on this page");
        }
        const QImage ticked = onScreen(shown);
        const QImage whole = wholeRepaint(shown);
        QCOMPARE(ticked.size(), whole.size());
        const int differing = differingPixels(ticked, whole);
        if (qEnvironmentVariableIsSet("REPAINT_SAVE") || differing != 0) {
            ticked.save(QStringLiteral("repaint-ticked-%1.png").arg(page));
            whole.save(QStringLiteral("repaint-whole-%1.png").arg(page));
        }
        QCOMPARE(differing, 0);
    }
};

QTEST_MAIN(RepaintTest)
#include "tst_repaint.moc"
