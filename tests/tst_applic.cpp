// The load page and the application page: the revealed example, the four
// views and their buttons, the texts that take the focus, the arrivals.

#include "support/CourseDriver.h"

#include "pages/Applic.h"
#include "pages/ChargeTi.h"
#include "pages/Variat.h"
#include "shell/Debut.h"

#include "art/Art.h"
#include "toolkit/TextBox.h"

#include <QScrollBar>
#include <QTest>
#include <QTextCursor>

using shell::PageId;
using namespace pages;
using namespace Qt::StringLiterals;

namespace {

const QStringList ViewElements =
    names({"Image1", "Frame", "ImageImpulsions", "ImageTrain", "TextCalculs", "ImageGraphe",
           "BPLoupe", "BPCalculs", "BPCourbes", "FrameBoutons"});

// The visibility table of the four views, in the order of ViewElements.
const QMap<QString, QList<bool>> &views() {
    static const QMap<QString, QList<bool>> table{
        {u"arrival"_s, {1, 1, 1, 0, 0, 0, 1, 0, 0, 1}},
        {u"pulse train"_s, {1, 1, 1, 1, 0, 0, 0, 1, 1, 1}},
        {u"calculation"_s, {1, 0, 0, 0, 1, 0, 1, 0, 1, 1}},
        {u"oscillogram"_s, {1, 0, 0, 0, 0, 1, 1, 1, 0, 1}},
    };
    return table;
}

QList<bool> visibility(Applic &page) {
    QList<bool> shown;
    for (const QString &name : ViewElements)
        shown << page.findChild<QWidget *>(name)->isVisible();
    return shown;
}

const QMap<QString, QString> ButtonView{{u"BPLoupe"_s, u"pulse train"_s},
                                        {u"BPCalculs"_s, u"calculation"_s},
                                        {u"BPCourbes"_s, u"oscillogram"_s}};

} // namespace

class ApplicTest final : public QObject {
    Q_OBJECT
private slots:

    void loadPageRevealsTheExample() {
        CourseDriver driver;
        driver.walkTo(PageId::ChargeTi);
        auto &page = driver.page<ChargeTi>();
        QCOMPARE(focusName(&page), QStringLiteral("BPCourbes"));
        QVERIFY(page.FrameBoutons->isHidden() && page.TextCharge[1]->isHidden() &&
                page.ImageCourbes->isHidden());
        // The crossed indices: the upper frame holds the first text.
        QCOMPARE(page.TextCharge[0]->parentWidget()->objectName(), QStringLiteral("Frame1(1)"));
        QCOMPARE(page.TextCharge[1]->parentWidget()->objectName(), QStringLiteral("Frame1(0)"));
        QVERIFY(page.Frame1[1]->y() < page.Frame1[0]->y());
        driver.key(Qt::Key_Return);
        QVERIFY(page.BPCourbes->isHidden());
        QVERIFY(page.FrameBoutons->isVisible() && page.TextCharge[1]->isVisible() &&
                page.ImageCourbes->isVisible());
        // The focus goes on to "Page suivante", so Enter moves on.
        QCOMPARE(focusName(&page), QStringLiteral("Suivant"));
        QCOMPARE(page.ImageCourbes->size(), QSize(270, 283));
        QCOMPARE(page.Picture1->size(), QSize(295, 96));
        // Back to RappCyc and forward again: the first state.
        QVERIFY(page.Precedent->press());
        QCOMPARE(driver.visiblePages(), names({"RappCyc"}));
        QVERIFY(page.FrameBoutons->isHidden() && page.TextCharge[1]->isHidden() &&
                page.ImageCourbes->isHidden());
        driver.key(Qt::Key_Return);
        QCOMPARE(driver.visiblePages(), names({"ChargeTi"}));
        QVERIFY(page.BPCourbes->isVisible());
    }

    void viewButtonsFromEveryView_data() {
        QTest::addColumn<QStringList>("presses");
        // Every button from every view it is shown in.
        QTest::newRow("loupe from arrival") << names({"BPLoupe"});
        QTest::newRow("calculs from pulse train") << names({"BPLoupe", "BPCalculs"});
        QTest::newRow("courbes from pulse train") << names({"BPLoupe", "BPCourbes"});
        QTest::newRow("loupe from calculation") << names({"BPLoupe", "BPCalculs", "BPLoupe"});
        QTest::newRow("courbes from calculation") << names({"BPLoupe", "BPCalculs", "BPCourbes"});
        QTest::newRow("loupe from oscillogram") << names({"BPLoupe", "BPCourbes", "BPLoupe"});
        QTest::newRow("calculs from oscillogram") << names({"BPLoupe", "BPCourbes", "BPCalculs"});
    }

    void viewButtonsFromEveryView() {
        QFETCH(QStringList, presses);
        CourseDriver driver;
        driver.walkTo(PageId::Applic);
        auto &page = driver.page<Applic>();
        QCOMPARE(visibility(page), views()[u"arrival"_s]);
        const int before = driver.beeps();
        for (const QString &name : presses) {
            QVERIFY2(page.findChild<tk::Button *>(name)->press(), qPrintable(name));
            QCOMPARE(visibility(page), views()[ButtonView[name]]);
            QCOMPARE(focusName(&page), QStringLiteral("Suivant"));
        }
        QCOMPARE(driver.beeps(), before + presses.size());
        // Enter right after a view button moves on to Variat.
        driver.key(Qt::Key_Return);
        QCOMPARE(driver.visiblePages(), names({"Variat"}));
    }

    void hiddenViewButtonsDoNothing() {
        CourseDriver driver;
        driver.walkTo(PageId::Applic);
        auto &page = driver.page<Applic>();
        QVERIFY(!page.BPCalculs->press());
        QVERIFY(!page.BPCourbes->press());
        QCOMPARE(visibility(page), views()[u"arrival"_s]);
    }

    void arrivalViewForwardAndBack_data() {
        QTest::addColumn<QString>("lastView");
        QTest::addColumn<bool>("backFromVariat");
        for (const char *button : {"BPLoupe", "BPCalculs", "BPCourbes"}) {
            QTest::newRow(
                qPrintable(QStringLiteral("%1, back from Variat").arg(QLatin1StringView(button))))
                << QString::fromLatin1(button) << true;
            QTest::newRow(qPrintable(
                QStringLiteral("%1, forward from ChargeTi").arg(QLatin1StringView(button))))
                << QString::fromLatin1(button) << false;
        }
    }

    void arrivalViewForwardAndBack() {
        QFETCH(QString, lastView);
        QFETCH(bool, backFromVariat);
        CourseDriver driver;
        driver.walkTo(PageId::Applic);
        auto &page = driver.page<Applic>();
        page.BPLoupe->press();
        page.findChild<tk::Button *>(lastView)->press();
        if (backFromVariat) {
            QVERIFY(page.Suivant->press());
            QVERIFY(driver.page<Variat>().Precedent->press());
        } else {
            QVERIFY(page.Precedent->press());
            QCOMPARE(driver.visiblePages(), names({"ChargeTi"}));
            driver.completeShownPage();
            QVERIFY(driver.page<ChargeTi>().Suivant->press());
        }
        QCOMPARE(driver.visiblePages(), names({"Applic"}));
        QCOMPARE(visibility(page), views()[u"arrival"_s]);
        QCOMPARE(focusName(&page), QStringLiteral("Suivant"));
    }

    // A later visit opens the calculation at its start, with nothing selected;
    // a selection shows only while the box has the focus.
    void calculationOpensAtItsStartOnEveryVisit() {
        CourseDriver driver;
        driver.walkTo(PageId::Applic);
        auto &page = driver.page<Applic>();
        CourseDriver::click(page.BPLoupe);
        CourseDriver::click(page.BPCalculs);
        tk::TextEditor *calc = page.TextCalculs->editor();
        QScrollBar *bar = calc->verticalScrollBar();
        bar->setValue(bar->maximum() / 2);
        QTextCursor middle = calc->cursorForPosition(QPoint(20, 40));
        middle.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
        calc->setTextCursor(middle);
        QVERIFY(calc->textCursor().hasSelection());
        // Not painted once the focus is elsewhere.
        page.Suivant->setFocus();
        QImage shown = calc->grab().toImage();
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width() - 20; ++x)
                QVERIFY2(shown.pixelColor(x, y) !=
                             calc->palette().color(QPalette::Active, QPalette::Highlight),
                         "a selection is painted in a box without the focus");
        // Away to Variat and back.
        CourseDriver::click(page.Suivant);
        CourseDriver::click(driver.page<Variat>().Precedent);
        CourseDriver::click(page.BPLoupe);
        CourseDriver::click(page.BPCalculs);
        QCOMPARE(bar->value(), bar->minimum());
        QVERIFY(!calc->textCursor().hasSelection());
        QCOMPARE(calc->textCursor().position(), 0);
    }

    // During the demagnetisation Dg1 and Dg2 block: the gate voltage is 0,
    // not a negative block (which would exceed the gate's reverse rating).
    void gateVoltageIsZeroOutsideThePulses() {
        const QImage curves = renderPicture(art::Picture::TriggerCurves);
        // The time axes of the left column, top to bottom: vi, v, v1 v2, vg, vce.
        QList<int> axes;
        for (int y = 0; y < curves.height(); ++y) {
            int black = 0;
            for (int x = 140; x < 250; ++x)
                black += curves.pixelColor(x, y) == QColor(0, 0, 0);
            if (black > 80 && (axes.isEmpty() || y > axes.last() + 1))
                axes << y;
        }
        QCOMPARE(axes.size(), 5);
        const int vgAxis = axes[3];
        int below = 0;
        int above = 0;
        for (int x = 55; x < 262; ++x) {
            for (int y = vgAxis + 2; y < vgAxis + 9; ++y)
                below += curves.pixelColor(x, y) == QColor(0, 0, 255);
            for (int y = vgAxis - 8; y < vgAxis - 1; ++y)
                above += curves.pixelColor(x, y) == QColor(0, 0, 255);
        }
        QCOMPARE(below, 0);
        QVERIFY(above > 0); // the positive blocks of the pulses
    }

    void calculationScrollsButRejectsTyping() {
        CourseDriver driver;
        driver.walkTo(PageId::Applic);
        auto &page = driver.page<Applic>();
        page.BPLoupe->press();
        page.BPCalculs->press();
        const QString text = page.TextCalculs->text();
        tk::TextEditor *calc = page.TextCalculs->editor();
        QCOMPARE(calc->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
        page.TextCalculs->setFocus();
        QCOMPARE(page.focusWidget(), calc);
        QTest::keyClicks(calc, u"abc"_s);
        QTest::keyClick(calc, Qt::Key_Delete);
        QCOMPARE(page.TextCalculs->text(), text);
        QScrollBar *bar = calc->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QTest::keyClick(calc, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(bar->value(), bar->maximum());
        // Enter in the calculation still moves on.
        driver.key(Qt::Key_Return);
        QCOMPARE(driver.visiblePages(), names({"Variat"}));
    }

    void explanationKeepsTypedTextUntilTheTextsAreLoaded() {
        CourseDriver driver;
        driver.walkTo(PageId::Applic);
        auto &page = driver.page<Applic>();
        const QString original = page.TextExplication->text();
        tk::TextEditor *editor = page.TextExplication->editor();
        QVERIFY(!editor->isReadOnly());
        QTest::mouseClick(editor->viewport(), Qt::LeftButton);
        QTest::keyClicks(editor, u"note"_s);
        const QString typed = page.TextExplication->text();
        QVERIFY(typed != original);
        page.BPLoupe->press();
        page.BPCalculs->press();
        page.BPLoupe->press();
        QVERIFY(page.Suivant->press());
        QVERIFY(driver.page<Variat>().Precedent->press());
        QCOMPARE(page.TextExplication->text(), typed);
        driver.course().debut().Messages();
        QCOMPARE(page.TextExplication->text(), original);
    }
};

QTEST_MAIN(ApplicTest)
#include "tst_applic.moc"
