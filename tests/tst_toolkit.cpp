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
        page.showPage();
        surface->drawLine(0, 3, 10, 3, Blue);
        page.hide();
        surface->hide();
        surface->drawLine(0, 5, 10, 5, Red); // drawing on a hidden surface
        surface->show();
        page.showPage();
        const QImage shot = surface->grab().toImage();
        QCOMPARE(shot.pixelColor(4, 3), Blue);
        QCOMPARE(shot.pixelColor(4, 5), Red);
        QCOMPARE(shot.pixelColor(10, 3), PageGrey); // the last point is left out
        surface->clear();
        QVERIFY(drawnPixels(*surface).isEmpty());
        QCOMPARE(surface->grab().toImage().pixelColor(4, 3), PageGrey);
    }

    // A hidden surface keeps its drawings in less memory: shown again, they
    // are the same to the pixel, whatever they hold.
    void hiddenDrawingsComeBackExactly_data() {
        QTest::addColumn<int>("colours");
        QTest::newRow("lines and a text") << 4;
        QTest::newRow("more colours than a byte holds") << 300;
    }

    void hiddenDrawingsComeBackExactly() {
        QFETCH(int, colours);
        tk::PageWindow page(m_session, QStringLiteral("p"), QStringLiteral("p"), {9510, 6825});
        auto *surface = new tk::PlotSurface(&page, QStringLiteral("s"), {0, 0, 6000, 4500});
        page.showPage();
        for (int i = 0; i < colours; ++i)
            surface->drawLine(i, 0, i, 200, QColor::fromHsv(i % 360, 255, 255 - i / 2));
        surface->setDrawingPosition(10, 210);
        surface->setForeground(Red);
        surface->print(QStringLiteral("i1 (t)"));
        const QImage before = surface->grab().toImage();
        const QList<QPoint> drawn = drawnPixels(*surface);
        page.hide();
        QCOMPARE(drawnPixels(*surface), drawn); // also while hidden
        page.showPage();
        QCOMPARE(surface->grab().toImage(), before);
        // Drawn on again after a hiding, the rest stays.
        page.hide();
        surface->drawLine(0, 250, 50, 250, Blue);
        page.showPage();
        const QImage after = surface->grab().toImage();
        QCOMPARE(after.pixelColor(20, 250), Blue);
        QCOMPARE(after.copy(0, 0, after.width(), 240), before.copy(0, 0, before.width(), 240));
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
        page.showPage();
        QVERIFY(button->press());
        button->hide();
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!button->press());
        QCOMPARE(pressed.size(), 1);
        QCOMPARE(button->accessibleName(), QStringLiteral("Suite"));
        const int before = m_session.sound().count();
        page.beep();
        page.beep();
        QCOMPARE(m_session.sound().count(), before + 2);
    }

    void textBoxesInAnInertFrameKeepTheirColours() {
        tk::PageWindow page(m_session, QStringLiteral("p"), QStringLiteral("p"), {9510, 6825});
        auto *frame = new tk::Frame(&page, QStringLiteral("f"), {0, 0, 6000, 2000});
        auto *text = new tk::TextBox(frame, QStringLiteral("t"), {0, 0, 6000, 2000});
        text->setForeground(Red);
        text->setText(QStringLiteral("ligne 1\r\nligne 2"));
        page.showPage();
        QCOMPARE(text->mode(), tk::TextBox::Mode::Display);
        QCOMPARE(text->focusPolicy(), Qt::NoFocus);
        QVERIFY(!text->editor());
        QCOMPARE(text->text(), QStringLiteral("ligne 1\r\nligne 2"));
        QTest::keyClicks(text, QStringLiteral("abc"));
        QCOMPARE(text->text(), QStringLiteral("ligne 1\r\nligne 2"));
        // The text is drawn in red, not greyed.
        const QImage shot = text->grab().toImage();
        bool red = false;
        for (int y = 0; y < shot.height() && !red; ++y)
            for (int x = 0; x < shot.width() && !red; ++x)
                red = shot.pixelColor(x, y) == Red;
        QVERIFY(red);
    }

    // A box that only shows its text lays it out and draws it itself: to
    // the pixel as an editor of the same box draws it, whatever the style.
    void aDisplayDrawsItsTextAsAnEditorWould_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("multiLine");
        QTest::addColumn<qreal>("stretch");
        QTest::addColumn<QString>("text");
        const QString running = QStringLiteral(
            "     Un paragraphe assez long pour aller à la ligne plusieurs fois, avec des "
            "accents (é, è, ç, µ), des  blancs  doublés\r\net une seconde ligne.\r\n");
        QTest::newRow("left, wrapped")
            << 11 << false << false << int(Qt::AlignLeft) << true << 0.0 << running;
        QTest::newRow("centred, bold")
            << 26 << true << false << int(Qt::AlignHCenter) << true << 0.0
            << QStringLiteral("Transformateur \r\nd'impulsions\r\n");
        QTest::newRow("bold italic")
            << 16 << true << true << int(Qt::AlignLeft) << true << 0.0 << running;
        QTest::newRow("wider blanks")
            << 18 << true << false << int(Qt::AlignLeft) << true << 1.1 << running;
        QTest::newRow("one line") << 13 << true << false << int(Qt::AlignLeft) << false << 0.0
                                  << QStringLiteral("10 V pendant 10 µs\tsoit 100 V.µs");
        QTest::newRow("word wider than the box")
            << 13 << false << false << int(Qt::AlignHCenter) << true << 0.0
            << QStringLiteral("Antidisestablishmentarianismes sans fin");
    }

    void aDisplayDrawsItsTextAsAnEditorWould() {
        QFETCH(int, size);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(int, alignment);
        QFETCH(bool, multiLine);
        QFETCH(qreal, stretch);
        QFETCH(QString, text);
        const tk::TextStyle style{.pixelSize = size,
                                  .bold = bold,
                                  .italic = italic,
                                  .alignment = Qt::Alignment(alignment),
                                  .multiLine = multiLine,
                                  .blankStretch = stretch};
        tk::PageWindow page(m_session, QStringLiteral("p"), QStringLiteral("p"), {9510, 6825});
        const tk::Tw place{120, 120, 3600, 2400};
        auto *shown = new tk::TextBox(&page, QStringLiteral("affiche"), place, style);
        auto *edited = new tk::TextBox(&page, QStringLiteral("edite"), place, style,
                                       tk::TextBox::Mode::Editable);
        for (tk::TextBox *box : {shown, edited}) {
            box->setForeground(Teal);
            box->setText(text);
        }
        page.showPage();
        QVERIFY(!shown->editor() && edited->editor());
        QCOMPARE(shown->lineCount(), edited->lineCount());
        edited->hide();
        const QImage display = page.grab(shown->geometry()).toImage();
        edited->show();
        shown->hide();
        const QImage editor = page.grab(edited->geometry()).toImage();
        QCOMPARE(display, editor);
    }

    void scrollingTextIsReadOnlyAndReachesItsLastLine() {
        tk::PageWindow page(m_session, QStringLiteral("p"), QStringLiteral("p"), {9510, 6825});
        auto *text = new tk::TextBox(&page, QStringLiteral("t"), {0, 0, 3000, 600}, {},
                                     tk::TextBox::Mode::ReadOnlyScrolling);
        QStringList lines;
        for (int i = 1; i <= 40; ++i)
            lines << QStringLiteral("ligne %1 : assez longue pour remplir toute la largeur de la "
                                    "boîte, et aller plus loin encore")
                         .arg(i);
        text->setText(lines.join(QStringLiteral("\r\n")));
        page.showPage();
        text->setFocus();
        tk::TextEditor *editor = text->editor();
        QCOMPARE(page.focusWidget(), editor);
        QTest::keyClicks(editor, QStringLiteral("xyz"));
        QCOMPARE(text->text(), lines.join(QStringLiteral("\r\n")));
        QVERIFY(editor->verticalScrollBar()->maximum() > 0);
        // Ctrl+End, as a reader does, brings the last line into view.
        QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(editor->verticalScrollBar()->value(), editor->verticalScrollBar()->maximum());
        QVERIFY(editor->cursorRect().bottom() <= editor->viewport()->height());
        // Between the text and the scroll bar, only the page's grey: the box
        // itself draws nothing under its editor.
        const QImage shot = page.grab(text->geometry()).toImage();
        const int strip = editor->viewport()->geometry().right() + 1;
        for (int x = strip; x < strip + 2; ++x)
            for (int y = 0; y < shot.height(); ++y)
                QCOMPARE(shot.pixelColor(x, y), PageGrey);
    }
};

QTEST_MAIN(ToolkitTest)
#include "tst_toolkit.moc"
