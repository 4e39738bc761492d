// The page toolkit: twips, the line rule of plotting surfaces, their drawing
// layer, printing, timers, buttons and text boxes.

#include "fonts/Fonts.h"
#include "palette/Palette.h"

#include "toolkit/Button.h"
#include "toolkit/Frame.h"
#include "toolkit/PageWindow.h"
#include "toolkit/PlotSurface.h"
#include "toolkit/Session.h"
#include "toolkit/TextBox.h"
#include "toolkit/Timer.h"
#include "toolkit/Twips.h"

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace palette;

namespace {

// The pixels drawn on a surface, as a set of points.
QList<QPoint> drawnPixels(const tk::PlotSurface &surface) {
    QList<QPoint> points;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            if (surface.isDrawnAt(x, y))
                points << QPoint(x, y);
    return points;
}

} // namespace

class ToolkitTest final : public QObject {
    Q_OBJECT
    tk::Session m_session;

private slots:
    // The toolkit alone, with the embedded faces: nothing of the course.
    void initTestCase() {
        fonts::registerEmbedded();
        QApplication::setFont(fonts::font(fonts::Pt8_25));
    }

    void twipsToPixels_data() {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("page width") << 9510 << 634;
        QTest::newRow("button") << 1695 << 113;
        QTest::newRow("negative") << -120 << -8;
        QTest::newRow("half rounds away") << 7 << 0;
        QTest::newRow("more than half") << 8 << 1;
    }

    void twipsToPixels() {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(tk::px(twips), pixels);
    }

    void linesPaintTheirFirstPixelAndNotTheirLast_data() {
        QTest::addColumn<QLine>("line");
        QTest::addColumn<QList<QPoint>>("pixels");
        QTest::newRow("one pixel") << QLine(5, 5, 6, 5) << QList<QPoint>{{5, 5}};
        QTest::newRow("zero length") << QLine(5, 5, 5, 5) << QList<QPoint>{};
        QTest::newRow("vertical up") << QLine(2, 4, 2, 1) << QList<QPoint>{{2, 2}, {2, 3}, {2, 4}};
        QTest::newRow("diagonal") << QLine(1, 3, 3, 1) << QList<QPoint>{{1, 3}, {2, 2}};
        QTest::newRow("leftwards") << QLine(4, 0, 1, 0) << QList<QPoint>{{2, 0}, {3, 0}, {4, 0}};
        QTest::newRow("off the surface") << QLine(-3, 0, 1, 0) << QList<QPoint>{{0, 0}};
    }

    void linesPaintTheirFirstPixelAndNotTheirLast() {
        QFETCH(QLine, line);
        QFETCH(QList<QPoint>, pixels);
        tk::PlotSurface surface(nullptr, QStringLiteral("s"), {0, 0, 150, 150});
        surface.drawLine(line.x1(), line.y1(), line.x2(), line.y2(), Red);
        QList<QPoint> drawn = drawnPixels(surface);
        std::sort(pixels.begin(), pixels.end(), [](QPoint a, QPoint b) {
            return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x());
        });
        QCOMPARE(drawn, pixels);
        for (const QPoint &p : drawn)
            QCOMPARE(surface.pixelColour(p.x(), p.y()), Red);
    }

    void drawingsSurviveHidingAndClearKeepsTheBackground() {
        tk::PageWindow page(m_session, QStringLiteral("p"), QStringLiteral("p"), {9510, 6825});
        auto *surface = new tk::PlotSurface(&page, QStringLiteral("s"), {0, 0, 1500, 1500});
        page.show();
        surface->drawLine(0, 3, 10, 3, Blue);
        page.hide();
        surface->hide();
        surface->drawLine(0, 5, 10, 5, Red); // drawing on a hidden surface
        surface->show();
        page.show();
        const QImage shot = surface->grab().toImage();
        QCOMPARE(shot.pixelColor(4, 3), Blue);
        QCOMPARE(shot.pixelColor(4, 5), Red);
        QCOMPARE(shot.pixelColor(10, 3), PageGrey); // the last point is left out
        surface->clear();
        QVERIFY(drawnPixels(*surface).isEmpty());
        QCOMPARE(surface->grab().toImage().pixelColor(4, 3), PageGrey);
    }

    void printUsesTheForegroundOnATransparentBackground() {
        tk::PlotSurface surface(nullptr, QStringLiteral("s"), {0, 0, 1500, 600});
        surface.drawLine(0, 0, 100, 0, Blue); // above the text, and through its box
        surface.drawLine(0, 39, 100, 39, Blue);
        surface.setDrawingPosition(2, 30);
        surface.setForeground(Red);
        surface.print(QStringLiteral("T/2"));
        QCOMPARE(surface.drawingPosition().x(), 0); // next line
        QVERIFY(surface.drawingPosition().y() > 30);
        bool red = false;
        for (int y = 30; y < 40; ++y)
            for (int x = 2; x < 20; ++x)
                red = red || surface.pixelColour(x, y) == Red;
        QVERIFY(red);
        // Around the glyphs the lines drawn before still show.
        QCOMPARE(surface.pixelColour(60, 39), Blue);
        QCOMPARE(surface.pixelColour(60, 0), Blue);
    }

    void timersTickWhileEnabled() {
        QObject owner;
        tk::Timer timer(&owner, QStringLiteral("Timer1"), 100);
        QSignalSpy ticks(&timer, &tk::Timer::tick);
        QVERIFY(!timer.isEnabled());
        QVERIFY(!timer.fire());
        timer.setEnabled(true);
        QVERIFY(timer.fire());
        QVERIFY(timer.fire());
        QCOMPARE(ticks.size(), 2);
        timer.setEnabled(false);
        QVERIFY(!timer.fire());
        QCOMPARE(timer.interval(), 100);
        // The timer is wired to a real clock (a 1 ms one, to wait next to nothing).
        tk::Timer fast(&owner, QStringLiteral("fast"), 1, true);
        QSignalSpy fastTicks(&fast, &tk::Timer::tick);
        QVERIFY(fastTicks.wait(1000));
    }

    void buttonsRunTheirHandlerOnlyWhenVisible() {
        tk::PageWindow page(m_session, QStringLiteral("p"), QStringLiteral("p"), {9510, 6825});
        auto *button =
            new tk::Button(&page, QStringLiteral("b"), {0, 0, 1695, 495}, QStringLiteral("Suite"));
        QSignalSpy pressed(button, &tk::Button::activated);
        QVERIFY(!button->press()); // page not shown
        page.show();
        QVERIFY(button->press());
        button->hide();
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!button->press());
        QCOMPARE(pressed.size(), 1);
        QCOMPARE(button->accessibleName(), QStringLiteral("Suite"));
        const int before = m_session.beepCount();
        page.beep();
        page.beep();
        QCOMPARE(m_session.beepCount(), before + 2);
    }

    void textBoxesInAnInertFrameKeepTheirColours() {
        tk::PageWindow page(m_session, QStringLiteral("p"), QStringLiteral("p"), {9510, 6825});
        auto *frame = new tk::Frame(&page, QStringLiteral("f"), {0, 0, 6000, 2000});
        auto *text = new tk::TextBox(frame, QStringLiteral("t"), {0, 0, 6000, 2000});
        text->setForeground(Red);
        text->setText(QStringLiteral("ligne 1\r\nligne 2"));
        page.show();
        QCOMPARE(text->mode(), tk::TextBox::Mode::Display);
        QCOMPARE(text->focusPolicy(), Qt::NoFocus);
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->text(), QStringLiteral("ligne 1\r\nligne 2"));
        QTest::keyClicks(text, QStringLiteral("abc"));
        QCOMPARE(text->text(), QStringLiteral("ligne 1\r\nligne 2"));
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            QCOMPARE(text->palette().color(group, QPalette::Text), Red);
        // The text is drawn in red, not greyed.
        const QImage shot = text->grab().toImage();
        bool red = false;
        for (int y = 0; y < shot.height() && !red; ++y)
            for (int x = 0; x < shot.width() && !red; ++x)
                red = shot.pixelColor(x, y) == Red;
        QVERIFY(red);
    }

    void scrollingTextIsReadOnlyAndReachesItsLastLine() {
        tk::PageWindow page(m_session, QStringLiteral("p"), QStringLiteral("p"), {9510, 6825});
        auto *text = new tk::TextBox(&page, QStringLiteral("t"), {0, 0, 3000, 600}, {},
                                     tk::TextBox::Mode::ReadOnlyScrolling);
        QStringList lines;
        for (int i = 1; i <= 40; ++i)
            lines << QStringLiteral("ligne %1").arg(i);
        text->setText(lines.join(QStringLiteral("\r\n")));
        page.show();
        text->setFocus();
        QTest::keyClicks(text, QStringLiteral("xyz"));
        QCOMPARE(text->text(), lines.join(QStringLiteral("\r\n")));
        QVERIFY(text->verticalScrollBar()->maximum() > 0);
        QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
        text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum());
        QCOMPARE(text->verticalScrollBar()->value(), text->verticalScrollBar()->maximum());
        QVERIFY(text->cursorRect().bottom() <= text->viewport()->height());
    }
};

QTEST_MAIN(ToolkitTest)
#include "tst_toolkit.moc"
