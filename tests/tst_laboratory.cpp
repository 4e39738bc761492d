// The laboratory as the learner and the teacher meet it: opened from any page
// and closed back to the page as it was left, its values under the hands,
// the verdict and the figures, the drawing step by step, the exports, and
// what a screen reader is told.

#include "support/CourseDriver.h"
#include "support/Lesson.h"

#include "app/Classroom.h"
#include "app/CommandLine.h"
#include "lab/Export.h"
#include "lab/LabTexts.h"
#include "lab/Laboratory.h"
#include "lab/Oscillogram.h"
#include "lab/Schematic.h"
#include "lab/ValueControl.h"
#include "lab/model/Presets.h"
#include "pages/Demag.h"
#include "pages/Incomp.h"
#include "palette/Palette.h"
#include "toolkit/Accessibility.h"
#include "toolkit/Button.h"
#include "toolkit/HostWindow.h"
#include "toolkit/Timer.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

using shell::PageId;
using namespace Qt::StringLiterals;
using namespace pages;

namespace {

// The laboratory opened by the classroom, once it is the active window.
lab::Laboratory *openLaboratory(Lesson &lesson) {
    lesson.classroom->openLaboratory();
    lab::Laboratory *lab = lesson.classroom->laboratory();
    if (lab && !QTest::qWaitForWindowActive(lab))
        qWarning("the laboratory did not become the active window");
    return lab;
}

tk::Timer *running(Incomp &incomp) {
    for (tk::Timer *timer : incomp.Timer)
        if (timer->isEnabled())
            return timer;
    return nullptr;
}

QPushButton *labButton(lab::Laboratory *lab, const QString &name) {
    auto *button = lab->findChild<QPushButton *>(name);
    if (!button)
        qWarning("the laboratory has no button %s", qPrintable(name));
    return button;
}

} // namespace

class LaboratoryTest final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { tk::accessibility::install(); }

    // Opened in the middle of Incomp's animation and closed each way, the
    // laboratory gives back the page as it was: the same drawing, the same
    // focus, the animation going on from where it stopped; the course's
    // window waits behind it, as behind a dialog.
    void closingGivesThePageBack_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Échap") << u"escape"_s;
        QTest::newRow("bouton") << u"button"_s;
        QTest::newRow("fermeture de la fenêtre") << u"close"_s;
        QTest::newRow("Ctrl+L de nouveau") << u"ctrl-l"_s;
    }
    void closingGivesThePageBack() {
        QFETCH(QString, how);
        Lesson lesson;
        lesson.driver.walkTo(PageId::Incomp);
        Incomp &incomp = lesson.driver.page<Incomp>();
        CourseDriver::click(incomp.Suite);
        tk::Timer *timer = running(incomp);
        QVERIFY(timer);
        for (int i = 0; i < 30; ++i)
            timer->fire();
        const QImage before = incomp.grab().toImage();
        QWidget *focus = QApplication::focusWidget();

        lesson.driver.key(Qt::Key_L); // a letter alone is not the laboratory
        QVERIFY(!lesson.classroom->laboratory());
        QTest::keyClick(lesson.driver.visiblePage(), Qt::Key_L, Qt::ControlModifier);
        lab::Laboratory *lab = lesson.classroom->laboratory();
        QVERIFY(lab);
        QVERIFY(QTest::qWaitForWindowActive(lab));
        QVERIFY(!timer->fire()); // the page waits
        QTest::qWait(250);

        if (how == u"escape")
            QTest::keyClick(lab->findChild<QDoubleSpinBox *>(), Qt::Key_Escape);
        else if (how == u"button")
            QTest::mouseClick(labButton(lab, u"Fermer"_s), Qt::LeftButton);
        else if (how == u"close")
            QVERIFY(!lab->close()); // hidden, not destroyed: its values stay
        else
            QTest::keyClick(lab->findChild<QDoubleSpinBox *>(), Qt::Key_L, Qt::ControlModifier);
        QTRY_VERIFY(!lab->isVisible());
        QVERIFY(!lesson.classroom->laboratory());
        QCOMPARE(lesson.driver.visiblePages(), names({"Incomp"}));
        QCOMPARE(incomp.grab().toImage(), before);
        QCOMPARE(QApplication::focusWidget(), focus);
        QCOMPARE(running(incomp), timer);
        QVERIFY(timer->fire()); // and goes on
    }

    // While the laboratory is open, the course's window waits behind it as
    // behind a dialog: a click on one of its buttons goes nowhere.
    void theCourseWaitsBehind() {
        Lesson lesson;
        lesson.driver.walkTo(PageId::Demag);
        Demag &demag = lesson.driver.page<Demag>();
        QVERIFY(demag.BPKf->isVisible());
        QVERIFY(openLaboratory(lesson));
        const int beeps = lesson.driver.beeps();
        CourseDriver::clickAt(&demag, demag.BPKf->mapTo(&demag, demag.BPKf->rect().center()));
        QCOMPARE(lesson.driver.beeps(), beeps);
        QVERIFY(demag.BPKf->isVisible());
        lesson.classroom->laboratory()->close();
        CourseDriver::clickAt(&demag, demag.BPKf->mapTo(&demag, demag.BPKf->rect().center()));
        QCOMPARE(lesson.driver.beeps(), beeps + 1);
        QVERIFY(!demag.BPKf->isVisible());
    }

    // A pause the teacher asked for stays after the laboratory; P in the
    // laboratory is nothing of the course's.
    void theTeachersPauseOutlivesTheLaboratory() {
        Lesson lesson;
        lesson.driver.walkTo(PageId::Incomp);
        CourseDriver::click(lesson.driver.page<Incomp>().Suite);
        lesson.driver.key(Qt::Key_P);
        QVERIFY(lesson.classroom->isPaused());
        lab::Laboratory *lab = openLaboratory(lesson);
        QVERIFY(lab);
        QTest::keyClick(lab->findChild<QPushButton *>(u"Tracer"_s), Qt::Key_P);
        QVERIFY(lesson.classroom->isPaused());
        lab->close();
        QVERIFY(lesson.classroom->isPaused());
        QCOMPARE(lesson.driver.page<Incomp>().mark(), u"Pause"_s);
    }

    // The list of pages offers the laboratory after the thirteenth page; the
    // command line and a later start open it too; the course never shows it unasked.
    void theWaysIn() {
        Lesson lesson;
        lesson.driver.walkTo(PageId::Convent);
        QVERIFY(!lesson.classroom->laboratory());
        QTest::keyClick(lesson.driver.visiblePage(), Qt::Key_G, Qt::ControlModifier);
        QDialog *list = lesson.classroom->openDialog();
        QVERIFY(list);
        auto *pages = list->findChild<QListWidget *>(u"Pages"_s);
        QCOMPARE(pages->count(), shell::PageCount);
        QCOMPARE(pages->item(shell::PageCount - 1)->text(), u"Laboratoire"_s);
        pages->setCurrentRow(shell::PageCount - 1);
        QTest::keyClick(pages, Qt::Key_Return);
        QTRY_VERIFY(lesson.classroom->laboratory());
        QCOMPARE(lesson.driver.visiblePages(), names({"Convent"}));
        lesson.classroom->laboratory()->close();

        const app::CommandLine line = app::parseCommandLine({u"--labo"_s});
        QCOMPARE(line.action, app::CommandLine::Action::Run);
        QVERIFY(line.laboratory);
        QVERIFY(app::forwardedOptions(line).contains(u"--labo"_s));
        QCOMPARE(app::parseCommandLine({u"--labo=oui"_s}).action, app::CommandLine::Action::Error);
        lesson.classroom->take(line);
        QVERIFY(lesson.classroom->laboratory());
        QVERIFY(app::usage().contains(u"--labo"_s));
        QVERIFY(app::Classroom::helpText().contains(u"Ctrl+L"_s));
    }

    // The laboratory follows the course's scale, contrast and silence.
    void itFollowsTheClassroom() {
        Lesson lesson;
        lesson.driver.walkTo(PageId::Demag);
        lab::Laboratory *lab = openLaboratory(lesson);
        QVERIFY(lab);
        const int small = lab->font().pixelSize();
        QTest::keyClick(lab->findChild<QPushButton *>(u"Tracer"_s), Qt::Key_Plus,
                        Qt::ControlModifier);
        QCOMPARE(lesson.classroom->scale(), 1.25);
        QVERIFY2(lab->font().pixelSize() > small, qPrintable(QString::number(small)));
        // Never larger than the screen: at 300 % the laboratory takes the
        // largest step that fits (760 × 2,5 = 1900 of the 2160 pixels).
        lesson.classroom->setScale(3);
        QCOMPARE(lab->shownZoom(), 2.5);
        QVERIFY(lab->screen()->availableGeometry().contains(lab->frameGeometry()));
        lesson.classroom->setScale(1.25);
        // F11 is the laboratory's own: the course's window waits as it was.
        QTest::keyClick(lab->findChild<QPushButton *>(u"Tracer"_s), Qt::Key_F11);
        QVERIFY(lab->isFullScreen());
        QVERIFY(!lesson.driver.course().session().appearance().fullScreen());
        QTest::keyClick(lab->findChild<QPushButton *>(u"Tracer"_s), Qt::Key_F11);
        QVERIFY(!lab->isFullScreen());

        lab->choosePreset(lab::presetOf("Incomp"));
        const QImage course = lab->oscillogram()->image(1);
        QTest::keyClick(lab->findChild<QPushButton *>(u"Tracer"_s), Qt::Key_H, Qt::ControlModifier);
        QVERIFY(lesson.classroom->isPaused()); // still waiting for the learner
        const QImage contrast = lab->oscillogram()->image(1);
        QVERIFY(contrast != course);
        // The flux's light green is darkened.
        int lime = 0;
        for (int y = 0; y < contrast.height(); ++y)
            for (int x = 0; x < contrast.width(); ++x)
                lime += contrast.pixel(x, y) == palette::Lime.rgb();
        QCOMPARE(lime, 0);

        lesson.driver.resetBeeps();
        QTest::mouseClick(labButton(lab, u"ToutTracer"_s), Qt::LeftButton);
        QCOMPARE(lesson.driver.beeps(), 1);
        QTest::keyClick(lab->findChild<QPushButton *>(u"Tracer"_s), Qt::Key_M, Qt::ControlModifier);
        QTest::mouseClick(labButton(lab, u"ToutTracer"_s), Qt::LeftButton);
        QCOMPARE(lesson.driver.beeps(), 1);
    }

    // A slider and its field say the same value; typed values take the
    // French comma and stay within their bounds; what does not take part
    // in the circuit cannot be set.
    void valuesUnderTheHands() {
        CourseDriver driver;
        lab::Laboratory lab(driver.course().session());
        lab.choosePreset(lab::presetOf("Incomp"));
        lab::ValueControl *e = lab.control(lab::Value::E);
        QTest::keyClick(e->slider(), Qt::Key_Right);
        QCOMPARE(lab.circuit().E, 10.5);
        QCOMPARE(e->field()->value(), 10.5);
        QCOMPARE(e->field()->text(), u"10,5 V"_s);

        QDoubleSpinBox *field = lab.control(lab::Value::Vz)->field();
        field->selectAll();
        QTest::keyClicks(field, u"2,5"_s);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(lab.circuit().Vz, 2.5);
        field->setValue(1e6);
        QCOMPARE(lab.circuit().Vz, lab::bound(lab::Value::Vz).max);

        // A logarithmic slider and its field agree at both ends and between.
        lab::ValueControl *l = lab.control(lab::Value::L);
        for (double x : {0.01, 1.0, 17.0, 100.0})
            QVERIFY2(std::abs(l->valueAt(l->positionOf(x)) - x) / x < 0.01,
                     qPrintable(QString::number(x)));
        l->slider()->setValue(l->slider()->maximum());
        QCOMPARE(lab.circuit().L, 100.0);

        lab.findChild<QRadioButton *>(u"DiodeSeule"_s)->click();
        QCOMPARE(lab.circuit().demag, lab::Demagnetisation::Diode);
        QVERIFY(!lab.control(lab::Value::Vz)->slider()->isEnabled());
        QVERIFY(!lab.control(lab::Value::R_load)->field()->isEnabled());
        lab.findChild<QCheckBox *>(u"Charge"_s)->click();
        QVERIFY(lab.circuit().loaded);
        QVERIFY(lab.control(lab::Value::R_load)->field()->isEnabled());
    }

    // Each preset is its page's case, and breaking it on purpose tells the
    // course's story: the verdict and the figures change with it.
    void presetsAndTheirStory() {
        CourseDriver driver;
        lab::Laboratory lab(driver.course().session());
        lab.choosePreset(lab::presetOf("Incomp"));
        QCOMPARE(lab.verdictText(), u"Saturation à la période 3, à t = 46,5 µs"_s);
        QVERIFY(lab.oscillogram()->accessibleDescription().contains(u"troisième période"_s));
        QVERIFY(lab.figuresText().contains(u"Rapport cyclique maximal : αmax = (Vd + Vz) / (E + "
                                           u"Vd + Vz) = 0,33, pour α = 0,50"_s));

        lab.choosePreset(lab::presetOf("RappCyc"));
        QCOMPARE(lab.verdictText(), u"Démagnétisation complète à chaque période"_s);
        // Shorten the demagnetisation: a Zener voltage too low.
        lab.control(lab::Value::Vz)->field()->setValue(4);
        QVERIFY(lab.verdictText().startsWith(u"Saturation à la période 3"_s));
        // Or raise the duty cycle past αmax = 13 / 23.
        lab.choosePreset(lab::presetOf("RappCyc"));
        lab.control(lab::Value::Alpha)->field()->setValue(0.6);
        QVERIFY2(lab.verdictText() != u"Démagnétisation complète à chaque période"_s,
                 qPrintable(lab.verdictText()));

        lab.choosePreset(lab::presetOf("Applic"));
        QCOMPARE(lab.verdictText(), u"Démagnétisation complète à chaque période"_s);
        const QString figures = lab.figuresText();
        for (const QString &wanted : {u"15,0 V × 20,0 µs = 300 V.µs, pour 330 V.µs"_s,
                                      u"E + Vd + Vz = 34,0 V"_s, u"i2 = 150 mA par secondaire"_s})
            QVERIFY2(figures.contains(wanted), qPrintable(wanted + u" in "_s + figures));
    }

    // Step by step as the course draws: a step is T / 80 at the course's
    // speed, the circuit follows K, a beep when the core saturates.
    void drawingStepByStep() {
        CourseDriver driver;
        lab::Laboratory lab(driver.course().session());
        lab.choosePreset(lab::presetOf("Incomp"));
        const double duration = lab.simulation().duration();
        QCOMPARE(lab.shownUntil(), duration); // drawn at once after each change
        QCOMPARE(lab.stepLength(), lab.circuit().T / 80);
        lab.play();
        QVERIFY(lab.isPlaying());
        QCOMPARE(lab.shownUntil(), 0.0);
        auto *schematic = lab.findChild<lab::Schematic *>();
        lab.togglePause();
        QVERIFY(!lab.isPlaying());
        lab.step();
        QCOMPARE(lab.shownUntil(), lab.stepLength());
        QCOMPARE(schematic->picture(), art::Picture::ZenKf);
        while (lab.shownUntil() < lab.circuit().alpha * lab.circuit().T + 0.01)
            lab.step();
        QCOMPARE(schematic->picture(), art::Picture::ZenKfo);
        driver.resetBeeps();
        int steps = 0;
        while (lab.shownUntil() < duration && steps < 10000) {
            lab.step();
            ++steps;
        }
        QCOMPARE(lab.shownUntil(), duration);
        QCOMPARE(driver.beeps(), 2); // the two saturations
        lab.findChild<QComboBox *>(u"Vitesse"_s)->setCurrentIndex(1);
        QCOMPARE(lab.stepLength(), lab.circuit().T / 20);
        QTest::mouseClick(labButton(&lab, u"Tracer"_s), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(lab.shownUntil() > 0, 1000);
        // A change of scale or colours leaves the drawing where it is.
        const double drawn = lab.shownUntil();
        lab.applyAppearance();
        QVERIFY(lab.isPlaying());
        QVERIFY(lab.shownUntil() >= drawn && lab.shownUntil() < duration);
        QTest::mouseClick(labButton(&lab, u"ToutTracer"_s), Qt::LeftButton);
        QVERIFY(!lab.isPlaying());
        QCOMPARE(lab.shownUntil(), duration);
    }

    // The exports: PNG and SVG of the oscillograms, the samples as CSV for
    // a French spreadsheet, the figures to the clipboard; a file that cannot
    // be written is said, not taken for written.
    void exports() {
        CourseDriver driver;
        lab::Laboratory lab(driver.course().session());
        lab.resize(1000, 700);
        lab.choosePreset(lab::presetOf("ChargeTi"));
        QTemporaryDir folder;
        const QString png = folder.filePath(u"o.png"_s);
        QVERIFY(lab.exportPng(png));
        QImage image(png);
        QCOMPARE(image.size(), lab.oscillogram()->size() * 2);
        const QString svg = folder.filePath(u"o.svg"_s);
        QVERIFY(lab.exportSvg(svg));
        QFile svgFile(svg);
        QVERIFY(svgFile.open(QIODevice::ReadOnly));
        const QByteArray svgText = svgFile.readAll();
        QVERIFY(svgText.contains("<svg"));
        QVERIFY(svgText.contains("i2"));

        const QString csv = folder.filePath(u"o.csv"_s);
        QVERIFY(lab.exportCsv(csv));
        QFile csvFile(csv);
        QVERIFY(csvFile.open(QIODevice::ReadOnly));
        const QStringList rows =
            QString::fromUtf8(csvFile.readAll()).split(u"\r\n"_s, Qt::SkipEmptyParts);
        QCOMPARE(rows.first(), u"temps (µs);K (1 fermé, 0 ouvert);v1 (V);i1 (A);i_m (A);"
                               u"flux (V.µs);v2 (V);i2 (A)"_s);
        QVERIFY(rows.size() > 2 * 200);
        const QStringList first = rows.at(1).split(u';');
        QCOMPARE(first.size(), 8);
        QCOMPARE(first.at(0), u"0"_s);
        QCOMPARE(first.at(1), u"1"_s);
        QCOMPARE(first.at(2), u"10"_s);
        // i1 = i_m + m i2 in every row, read back with the decimal comma.
        const QLocale french(QLocale::French);
        for (qsizetype r = 1; r < rows.size(); ++r) {
            const QStringList f = rows.at(r).split(u';');
            const double i1 = french.toDouble(f.at(3)), im = french.toDouble(f.at(4)),
                         i2 = french.toDouble(f.at(7));
            QVERIFY2(std::abs(i1 - (im + i2)) < 1e-6, qPrintable(rows.at(r)));
        }

        const QString nowhere = folder.filePath(u"pas/de/dossier/o.csv"_s);
        QVERIFY(!lab.exportCsv(nowhere));
        QVERIFY(!lab.exportPng(folder.filePath(u"pas/o.png"_s)));
        QVERIFY(!lab.exportSvg(folder.filePath(u"pas/o.svg"_s)));
        QVERIFY(lab.findChild<QLabel *>(u"Etat"_s)->text().startsWith(u"Impossible d'écrire"_s));

        lab.copyFigures();
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY2(copied.contains(u"Verdict : démagnétisation complète à chaque période"_s),
                 qPrintable(copied));
        QVERIFY(copied.contains(u"R = 100,0 Ω (charge de chaque secondaire)"_s));
    }

    // The keyboard starts at the starting points, marked, and Tab goes
    // from control to control with no stop that shows nothing.
    void theKeyboardWalksThroughIt() {
        CourseDriver driver;
        lab::Laboratory lab(driver.course().session());
        lab.show();
        QVERIFY(QTest::qWaitForWindowActive(&lab));
        QCOMPARE(QApplication::focusWidget(), lab.findChild<QComboBox *>(u"Presets"_s));
        QVERIFY(lab.testAttribute(Qt::WA_KeyboardFocusChange));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), lab.control(lab::Value::E)->slider());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), lab.control(lab::Value::E)->field());
    }

    // Every control is named with its unit; the verdict is text, and a new
    // one is announced.
    void screenReadersHearIt() {
        CourseDriver driver;
        lab::Laboratory lab(driver.course().session());
        lab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&lab));
        for (lab::Value v : {lab::Value::E, lab::Value::T, lab::Value::L, lab::Value::Rating,
                             lab::Value::R_primary, lab::Value::R_load}) {
            const QString name = lab.control(v)->field()->accessibleName();
            QVERIFY2(name.contains(u", en "_s), qPrintable(name));
            QCOMPARE(lab.control(v)->slider()->accessibleName(), name);
        }
        QCOMPARE(lab.control(lab::Value::E)->field()->accessibleName(),
                 u"E, tension de la source, en volts"_s);
        for (QWidget *w : lab.findChildren<QWidget *>())
            if (w->focusPolicy() != Qt::NoFocus && w->isVisibleTo(&lab) &&
                (qobject_cast<QSlider *>(w) || qobject_cast<QComboBox *>(w)))
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));

        lab.choosePreset(lab::presetOf("RappCyc"));
        QTest::qWait(20);
        auto *announcer = lab.findChild<tk::Announcer *>();
        QVERIFY(announcer);
        lab.control(lab::Value::Vz)->field()->setValue(4);
        QVERIFY2(announcer->message().startsWith(u"Saturation à la période 3"_s),
                 qPrintable(announcer->message()));
        QCOMPARE(lab.findChild<QLabel *>(u"Verdict"_s)->text(), announcer->message());
    }

    // What the laboratory writes: French numbers, currents in mA or A,
    // periods in words.
    void frenchFigures_data() {
        QTest::addColumn<QString>("got");
        QTest::addColumn<QString>("wanted");
        QTest::newRow("virgule") << lab::texts::time(46.5) << u"46,5 µs"_s;
        QTest::newRow("mA") << lab::texts::current(0.01764) << u"17,6 mA"_s;
        QTest::newRow("A") << lab::texts::current(100) << u"100 A"_s;
        QTest::newRow("zéro sans signe") << lab::texts::number(-0.00001, 1) << u"0,0"_s;
        QTest::newRow("troisième") << lab::texts::ordinal(3) << u"troisième"_s;
        QTest::newRow("12e") << lab::texts::ordinal(12) << u"12e"_s;
    }
    void frenchFigures() {
        QFETCH(QString, got);
        QFETCH(QString, wanted);
        QCOMPARE(got, wanted);
    }
};

QTEST_MAIN(LaboratoryTest)
#include "tst_laboratory.moc"
