// What a teacher asks of the course: its scale and full screen, a pause of
// the animation, going straight to a page, the sound, the help; and that none
// of it changes the course for a learner who does not ask for it.

#include "support/CourseDriver.h"
#include "support/Lesson.h"

#include "app/Classroom.h"
#include "app/CommandLine.h"
#include "pages/Applic.h"
#include "pages/Incomp.h"
#include "pages/Vide.h"
#include "palette/Palette.h"
#include "shell/Debut.h"
#include "toolkit/Button.h"
#include "toolkit/ColourScheme.h"
#include "toolkit/HostWindow.h"
#include "toolkit/ImageBox.h"
#include "toolkit/PlotSurface.h"
#include "toolkit/TextBox.h"
#include "toolkit/Timer.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using shell::PageId;
using namespace Qt::StringLiterals;
using namespace pages;

namespace {

// Every pixel of a surface drawn at 100 %, and the device pixels that cover
// it at \a zoom, hold the same colour.
QString blockProblems(const QImage &at100, const QImage &scaled, double zoom) {
    for (int y = 0; y < at100.height(); ++y) {
        for (int x = 0; x < at100.width(); ++x) {
            const QRgb want = at100.pixel(x, y);
            for (int dy = qRound(y * zoom); dy < qRound((y + 1) * zoom); ++dy)
                for (int dx = qRound(x * zoom); dx < qRound((x + 1) * zoom); ++dx)
                    if (scaled.pixel(dx, dy) != want)
                        return QStringLiteral("pixel (%1, %2) differs at device (%3, %4)")
                            .arg(x)
                            .arg(y)
                            .arg(dx)
                            .arg(dy);
        }
    }
    return {};
}

// The phase timer of Incomp that runs now, if one does.
tk::Timer *running(Incomp &incomp) {
    for (tk::Timer *timer : incomp.Timer)
        if (timer->isEnabled())
            return timer;
    return nullptr;
}

QImage grabbed(QWidget *widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class ClassroomTest final : public QObject {
    Q_OBJECT
private slots:
    // Window, controls and editor fonts follow the scale; the window stays
    // centred on the screen; Ctrl+0 forgets the scale.
    void theWholeCourseScales_data() {
        QTest::addColumn<double>("zoom");
        QTest::newRow("125 %") << 1.25;
        QTest::newRow("200 %") << 2.0;
        QTest::newRow("300 %") << 3.0;
    }
    void theWholeCourseScales() {
        QFETCH(double, zoom);
        Lesson lesson;
        lesson.driver.walkTo(PageId::Applic);
        tk::PageWindow *page = lesson.driver.visiblePage();
        const QSize client = page->size();
        auto *suivant = lesson.driver.control<tk::Button>(PageId::Applic, "Suivant");
        const QRect button = suivant->geometry();
        auto *calculs = lesson.driver.control<tk::TextBox>(PageId::Applic, "TextCalculs");
        const int fontPixels = calculs->editor()->font().pixelSize();

        lesson.classroom->setScale(zoom);
        QCOMPARE(page->size(),
                 QSize(tk::px(client.width() * 15, zoom), tk::px(client.height() * 15, zoom)));
        QCOMPARE(suivant->geometry(), suivant->place().toPixels(zoom));
        QVERIFY(qAbs(suivant->width() - button.width() * zoom) <= 1);
        QCOMPARE(calculs->editor()->font().pixelSize(), qRound(fontPixels * zoom));
        const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
        QCOMPARE(page->window()->size(), page->size());
        QVERIFY2((page->window()->frameGeometry().center() - screenCentre).manhattanLength() <= 2,
                 "the page is not centred at its new size");
        QCOMPARE(lesson.settings.value("echelle").toDouble(), zoom);

        lesson.driver.key(Qt::Key_0); // a digit alone is the learner's
        QCOMPARE(lesson.classroom->scale(), zoom);
        lesson.classroom->resetScale();
        QCOMPARE(page->size(), client);
        QCOMPARE(calculs->editor()->font().pixelSize(), fontPixels);
        QVERIFY(!lesson.settings.contains(u"echelle"));
    }

    // Ctrl++ and Ctrl+- walk 100 % to 300 % by 25 %, from wherever the scale
    // was; the scale chosen is the next start's, unless --echelle says.
    void theScaleStepsAndIsRemembered() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("reglages.ini"));
        {
            QSettings settings(file, QSettings::IniFormat);
            CourseDriver driver;
            app::Classroom classroom(driver.course(), settings);
            QList<double> steps;
            for (int i = 0; i < 10; ++i) {
                classroom.zoomIn();
                steps << classroom.scale();
            }
            QCOMPARE(steps, (QList<double>{1.25, 1.5, 1.75, 2, 2.25, 2.5, 2.75, 3, 3, 3}));
            classroom.setScale(1.6);
            classroom.zoomOut();
            QCOMPARE(classroom.scale(), 1.5);
            classroom.zoomIn();
            classroom.zoomIn();
            QCOMPARE(classroom.scale(), 2.0);
        }
        QSettings settings(file, QSettings::IniFormat);
        CourseDriver next;
        app::Classroom remembered(next.course(), settings);
        QCOMPARE(remembered.scale(), 2.0);
        app::CommandLine options;
        options.scale = 1.5;
        CourseDriver third;
        app::Classroom told(third.course(), settings, options);
        QCOMPARE(told.scale(), 1.5);
        QCOMPARE(settings.value("echelle").toDouble(), 2.0); // for this start only
    }

    // A plot's pixels are whole blocks at 200 %, and cover exactly their
    // places at 250 %; an animation goes on across a change of scale and
    // ends with the same drawing, tick for tick.
    void plotsKeepTheirPixelsAndTheirTicks_data() {
        QTest::addColumn<double>("zoom");
        QTest::newRow("200 %") << 2.0;
        QTest::newRow("250 %") << 2.5;
    }
    void plotsKeepTheirPixelsAndTheirTicks() {
        QFETCH(double, zoom);
        CourseDriver plain;
        plain.walkTo(PageId::Vide);
        Vide &reference = plain.page<Vide>();
        const int ticks = CourseDriver::fireUntilStopped(reference.Timer2);
        const QImage at100 = grabbed(reference.Picture1);

        Lesson lesson;
        lesson.driver.walkTo(PageId::Vide);
        Vide &vide = lesson.driver.page<Vide>();
        int fired = 0;
        for (; fired < 10 && vide.Timer2->fire(); ++fired) {
        }
        lesson.classroom->setScale(zoom);
        fired += CourseDriver::fireUntilStopped(vide.Timer2);
        QCOMPARE(fired, ticks);
        QCOMPARE(vide.Picture1->size(), vide.Picture1->place().toPixels(zoom).size());
        // The traces and axes, without the prints, which are drawn anew.
        QImage plotOnly = at100;
        QImage scaled = grabbed(vide.Picture1);
        for (int y = 0; y < at100.height(); ++y)
            for (int x = 0; x < at100.width(); ++x)
                if (!vide.Picture1->isDrawnAt(x, y) ||
                    reference.Picture1->pixelColour(x, y) != vide.Picture1->pixelColour(x, y))
                    plotOnly.setPixel(x, y, 0);
        for (int y = 0; y < at100.height(); ++y)
            for (int x = 0; x < at100.width(); ++x)
                if (plotOnly.pixel(x, y) == 0xff000000u)
                    for (int dy = qRound(y * zoom); dy < qRound((y + 1) * zoom); ++dy)
                        for (int dx = qRound(x * zoom); dx < qRound((x + 1) * zoom); ++dx)
                            scaled.setPixel(dx, dy, 0xff000000u);
        QCOMPARE(blockProblems(plotOnly, scaled, zoom), QString());
        for (int y = 0; y < at100.height(); y += 3)
            for (int x = 0; x < at100.width(); x += 3)
                QCOMPARE(vide.Picture1->isDrawnAt(x, y), reference.Picture1->isDrawnAt(x, y));
    }

    // F11: the page fills the screen at the largest scale that fits, centred
    // on its grey; F11 again gives the window back at the chosen scale.
    void fullScreenFitsThePageToTheScreen() {
        Lesson lesson;
        lesson.driver.startCourse();
        tk::PageWindow *page = lesson.driver.visiblePage();
        const QSize window = page->size();
        auto *suite = page->findChild<tk::Button *>(u"Suite"_s);
        lesson.driver.key(Qt::Key_F11);
        QTRY_VERIFY(page->window()->windowState() & Qt::WindowFullScreen);
        const QSize screen = page->screen()->geometry().size();
        QTRY_COMPARE(page->size(), screen);
        const double zoom = qMin(double(screen.width()) / window.width(),
                                 double(screen.height()) / window.height());
        QCOMPARE(page->shownZoom(), zoom);
        const QPoint offset((screen.width() - qRound(window.width() * zoom)) / 2,
                            (screen.height() - qRound(window.height() * zoom)) / 2);
        QVERIFY((suite->geometry().topLeft() - suite->place().toPixels(zoom).topLeft() - offset)
                    .manhattanLength() <= 2);
        // The next page comes full screen too.
        CourseDriver::click(suite);
        CourseDriver::click(lesson.driver.control<tk::Button>(PageId::Fonction, "Suivant"));
        QCOMPARE(lesson.driver.visiblePages(), names({"Convent"}));
        QVERIFY(lesson.driver.visiblePage()->window()->windowState() & Qt::WindowFullScreen);
        lesson.driver.key(Qt::Key_F11);
        QTRY_COMPARE(lesson.driver.visiblePage()->size(), window);
        QCOMPARE(lesson.driver.visiblePage()->shownZoom(), 1.0);
    }

    // Full screen, then back through the title page (its own size): the title
    // page and the first page again are laid out at the full-screen scale.
    void fullScreenHoldsThroughTheTitlePage() {
        Lesson lesson;
        lesson.driver.startCourse();
        lesson.driver.key(Qt::Key_F11);
        QWidget *window = lesson.driver.visiblePage()->window();
        QTRY_VERIFY(window->windowState() & Qt::WindowFullScreen);
        const QSize screen = window->screen()->geometry().size();
        QTRY_COMPARE(window->size(), screen);
        CourseDriver::click(lesson.driver.control<tk::Button>(PageId::Fonction, "Suite"));
        CourseDriver::click(lesson.driver.control<tk::Button>(PageId::Fonction, "Precedent"));
        for (const PageId id : {PageId::Debut, PageId::Fonction}) {
            if (id == PageId::Fonction)
                QVERIFY(lesson.driver.course().debut().Timer1->fire());
            QCOMPARE(lesson.driver.visiblePages(), QStringList{shell::formName(id)});
            tk::PageWindow *page = lesson.driver.visiblePage();
            QCOMPARE(page->window(), window);
            QCOMPARE(page->size(), screen);
            const QSize client = page->clientSize();
            QCOMPARE(page->shownZoom(), qMin(double(screen.width()) / client.width(),
                                             double(screen.height()) / client.height()));
        }
    }

    // Pause: no tick and no beep while paused, the page shows it, the
    // buttons still act; on resuming the animation goes on to its end with
    // every tick. Leaving the page ends the pause.
    void pauseHoldsTheAnimation() {
        Lesson lesson;
        lesson.driver.walkTo(PageId::Incomp);
        Incomp &incomp = lesson.driver.page<Incomp>();
        CourseDriver plain;
        plain.walkTo(PageId::Incomp);
        CourseDriver::click(plain.page<Incomp>().Suite);
        const int beepsBefore = plain.beeps();
        int all = 0;
        while (tk::Timer *t = running(plain.page<Incomp>()))
            all += CourseDriver::fireUntilStopped(t);
        const int animationBeeps = plain.beeps() - beepsBefore;
        QVERIFY(all > 0);

        CourseDriver::click(incomp.Suite);
        const int start = lesson.driver.beeps();
        tk::Timer *timer = running(incomp);
        QVERIFY(timer);
        int fired = timer->fire() ? 1 : 0;
        lesson.driver.key(Qt::Key_P);
        QVERIFY(lesson.classroom->isPaused());
        QCOMPARE(incomp.mark(), QStringLiteral("Pause"));
        const int beeps = lesson.driver.beeps();
        QVERIFY(!timer->fire());
        QVERIFY(timer->isEnabled());
        QTest::qWait(250); // real ticks are 100 ms apart
        QCOMPARE(lesson.driver.beeps(), beeps);
        QCOMPARE(running(incomp), timer);
        lesson.driver.key(Qt::Key_Pause);
        QVERIFY(!lesson.classroom->isPaused());
        QVERIFY(incomp.mark().isEmpty());
        while (tk::Timer *t = running(incomp))
            fired += CourseDriver::fireUntilStopped(t);
        QCOMPARE(fired, all);
        QCOMPARE(lesson.driver.beeps() - start, animationBeeps);

        // Paused, then the page left for another (the list of pages): the
        // pause ends with the page, and the other page's animation runs.
        lesson.driver.course().goTo(PageId::Incomp);
        CourseDriver::click(incomp.Suite);
        lesson.driver.key(Qt::Key_P);
        QVERIFY(lesson.classroom->isPaused());
        lesson.driver.course().goTo(PageId::Vide);
        QCOMPARE(lesson.driver.visiblePages(), names({"Vide"}));
        QVERIFY(!lesson.classroom->isPaused());
        QVERIFY(!running(incomp)); // the animation left stopped with the page
        QVERIFY(lesson.driver.page<Vide>().Timer2->fire());
    }

    // The interval in progress when the course is paused goes on from where
    // it was, not from its start, when the course resumes.
    void aHeldTimerKeepsWhatWasLeftOfItsInterval() {
        tk::Timer timer(nullptr, QStringLiteral("essai"), 1000, true);
        QSignalSpy ticks(&timer, &tk::Timer::tick);
        QTest::qWait(600);
        timer.setHeld(true);
        QTest::qWait(700);
        QCOMPARE(ticks.count(), 0);
        QElapsedTimer clock;
        clock.start();
        timer.setHeld(false);
        QVERIFY(ticks.wait(2000));
        QVERIFY2(clock.elapsed() < 850, qPrintable(QString::number(clock.elapsed())));
    }

    // P is a letter in a box that the learner types in.
    void pTypesInATextBox() {
        Lesson lesson;
        lesson.driver.walkTo(PageId::Applic);
        auto *box = lesson.driver.control<tk::TextBox>(PageId::Applic, "TextExplication");
        QVERIFY(box->editor() && !box->editor()->isReadOnly());
        QVERIFY(box->isVisible());
        tk::PageWindow *page = lesson.driver.visiblePage();
        CourseDriver::clickAt(page, box->mapTo(page, box->rect().center()));
        QTRY_COMPARE(QApplication::focusWidget(), box->editor());
        const QString before = box->plainText();
        lesson.driver.key(Qt::Key_P);
        QVERIFY(!lesson.classroom->isPaused());
        QCOMPARE(box->plainText().size(), before.size() + 1);
    }

    // Straight to a page, from the command line or the list: one page shown,
    // in its arrival state; the page left is reset.
    void goingStraightToAPage_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::newRow("by name") << "Incomp" << 8;
        QTest::newRow("in lower case") << "demag" << 7;
        QTest::newRow("by number") << "11" << 11;
        QTest::newRow("the end page") << "FinProg" << shell::number(PageId::FinProg);
        QTest::newRow("the first page") << "1" << 1;
    }
    void goingStraightToAPage() {
        QFETCH(QString, name);
        QFETCH(int, number);
        const app::CommandLine line = app::parseCommandLine({u"--page"_s, name});
        QCOMPARE(int(line.action), int(app::CommandLine::Action::Run));
        QVERIFY(line.page);
        QCOMPARE(int(*line.page), int(shell::pageAt(number)));
        CourseDriver driver;
        driver.course().start(*line.page);
        verifyArrival(driver, *line.page);
        QVERIFY(!driver.existing(PageId::Debut));

        // From there, through the list of pages, to the application page.
        Lesson lesson;
        lesson.driver.course().start(*line.page);
        lesson.driver.completeShownPage();
        lesson.driver.key(Qt::Key_G); // G alone is nothing
        QVERIFY(!lesson.classroom->openDialog());
        lesson.classroom->showPageList();
        QDialog *list = lesson.classroom->openDialog();
        QVERIFY(list);
        auto *pages = list->findChild<QListWidget *>(u"Pages"_s);
        QCOMPARE(pages->count(), shell::PageCount); // the course pages, then the laboratory
        QCOMPARE(pages->item(7)->text(), QStringLiteral("8. ") + shell::pageTitle(PageId::Incomp));
        QCOMPARE(pages->currentRow(), number - 1);
        pages->setCurrentRow(10);
        list->accept();
        verifyArrival(lesson.driver, PageId::Applic);
        if (number != 11) {
            auto *left = qobject_cast<shell::CoursePage *>(lesson.driver.existing(*line.page));
            for (QWidget *revealed : left->revealed())
                QVERIFY2(!revealed->isVisible(), qPrintable(revealed->objectName()));
        }
    }

    void unknownPagesAndScalesAreRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        QTest::newRow("page 0") << names({"--page", "0"}) << "page inconnue « 0 »";
        QTest::newRow("page 14") << names({"--page=14"}) << "page inconnue « 14 »";
        QTest::newRow("no such page") << names({"--page", "Debut"}) << "page inconnue « Debut »";
        QTest::newRow("page missing") << names({"--page"}) << "« --page » attend une valeur";
        QTest::newRow("scale too small")
            << names({"--echelle", "0,5"}) << "échelle « 0,5 » impossible";
        QTest::newRow("scale too large")
            << names({"--echelle=3.5"}) << "échelle « 3.5 » impossible";
        QTest::newRow("not a scale")
            << names({"--echelle", "grand"}) << "échelle « grand » impossible";
        QTest::newRow("silence with a value")
            << names({"--sans-son=1"}) << "« --sans-son » ne prend pas de valeur";
    }
    void unknownPagesAndScalesAreRefused() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        const app::CommandLine line = app::parseCommandLine(arguments);
        QCOMPARE(int(line.action), int(app::CommandLine::Action::Error));
        QVERIFY2(line.error.contains(error), qPrintable(line.error));
        const app::CommandLine good =
            app::parseCommandLine(names({"--echelle", "1,5", "--sans-son", "--page", "Vide"}));
        QCOMPARE(good.scale.value_or(0), 1.5);
        QVERIFY(good.silent);
    }

    // Escape closes the list and nothing else happens.
    void escapeClosesTheList() {
        Lesson lesson;
        lesson.driver.walkTo(PageId::Convent);
        QTest::keyClick(lesson.driver.visiblePage(), Qt::Key_G, Qt::ControlModifier);
        QDialog *list = lesson.classroom->openDialog();
        QVERIFY(list);
        QTRY_VERIFY(list->isVisible());
        QTest::keyClick(list->findChild<QListWidget *>(u"Pages"_s), Qt::Key_Escape);
        QTRY_VERIFY(!lesson.classroom->openDialog());
        QCOMPARE(lesson.driver.visiblePages(), names({"Convent"}));
    }

    // A screen reader hears what the teacher's keys change, and the list
    // names itself and the page it opens at.
    void theTeachersKeysAreSpoken() {
        Lesson lesson;
        lesson.driver.walkTo(PageId::Produit);
        tk::PageWindow *page = lesson.driver.visiblePage();
        const auto told = [page] { return announced(*page); };
        const QList<std::pair<std::function<void()>, QString>> keys{
            {[&] { QTest::keyClick(page, Qt::Key_Plus, Qt::ControlModifier); },
             u"Échelle : 125 %."_s},
            {[&] { QTest::keyClick(page, Qt::Key_0, Qt::ControlModifier); }, u"Échelle : 100 %."_s},
            {[&] { QTest::keyClick(page, Qt::Key_F11); }, u"Plein écran."_s},
            {[&] { QTest::keyClick(page, Qt::Key_F11); }, u"Fin du plein écran."_s},
            {[&] { QTest::keyClick(page, Qt::Key_M, Qt::ControlModifier); }, u"Son coupé."_s},
        };
        told(); // what the walk here said
        for (const auto &[press, words] : keys) {
            press();
            QCOMPARE(told(), words);
        }
        QTest::keyClick(page, Qt::Key_G, Qt::ControlModifier);
        QDialog *dialog = lesson.classroom->openDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->findChild<QListWidget *>(u"Pages"_s)->accessibleName(),
                 u"Pages du cours"_s);
        QCOMPARE(dialog->accessibleDescription(), u"Page actuelle : 5. Produit  E . t"_s);
        dialog->reject();
    }

    // Ctrl+H: every text stands out at 4.5:1 on its grey and every trace at
    // 3:1, the traces of a plot still told apart by their colours; the
    // course's own colours otherwise; kept for the next start.
    void highContrastMakesEveryTextAndTraceStandOut() {
        const auto traceColours = [](tk::PlotSurface *plot) {
            QSet<QRgb> colours;
            const QSize size = plot->size() / plot->zoom();
            for (int y = 0; y < size.height(); y += 2)
                for (int x = 0; x < size.width(); ++x)
                    if (plot->isDrawnAt(x, y))
                        colours << plot->pixelColour(x, y).rgb();
            return colours;
        };
        QMap<QString, int> plain; // the colours of each plot, in the course's colours
        QStringList faint;
        for (const bool high : {false, true}) {
            Lesson lesson;
            lesson.driver.walkTo(PageId::Fonction);
            if (high) {
                QTest::keyClick(lesson.driver.visiblePage(), Qt::Key_H, Qt::ControlModifier);
                QVERIFY(lesson.settings.value("contraste").toBool());
            }
            lesson.driver.walkThrough([&](const CourseDriver::Stop &stop) {
                if (!stop.complete)
                    return;
                tk::PageWindow *page = lesson.driver.visiblePage();
                for (tk::TextBox *box : page->findChildren<tk::TextBox *>()) {
                    if (!box->isVisible())
                        continue;
                    if (!high)
                        QCOMPARE(box->shownForeground(), box->foreground());
                    else if (tk::contrastRatio(box->shownForeground(), palette::PageGrey) <
                             tk::TextContrast)
                        faint << page->objectName() + u'.' + box->objectName();
                }
                for (tk::PlotSurface *plot : page->findChildren<tk::PlotSurface *>()) {
                    if (!plot->isVisible())
                        continue;
                    const QSet<QRgb> colours = traceColours(plot);
                    const QString id = page->objectName() + u'.' + plot->objectName();
                    if (!high) {
                        plain[id] = int(colours.size());
                        continue;
                    }
                    // None merged (a label printed in a trace's colour is darker still).
                    QVERIFY2(int(colours.size()) >= plain.value(id), qPrintable(id));
                    for (const QRgb rgb : colours)
                        if (tk::contrastRatio(QColor(rgb), palette::PageGrey) < tk::TraceContrast)
                            faint << id + u' ' + QColor(rgb).name();
                }
            });
        }
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(u", ")));
        QVERIFY(!plain.isEmpty());
        Lesson next;
        next.settings.setValue("contraste", true);
        app::Classroom kept(next.driver.course(), next.settings);
        QVERIFY(next.driver.course().session().appearance().highContrast());
    }

    // Ctrl+M: no beep sounds nor is counted, the saturation's included;
    // remembered for the next start; --sans-son is for one start only.
    void theSoundGoesOffAndOn() {
        Lesson lesson;
        lesson.driver.walkTo(PageId::Vide);
        QTest::keyClick(lesson.driver.visiblePage(), Qt::Key_M, Qt::ControlModifier);
        QVERIFY(!lesson.driver.course().session().sound().isOn());
        QCOMPARE(lesson.settings.value("son").toBool(), false);
        lesson.driver.resetBeeps();
        lesson.driver.completeShownPage();
        CourseDriver::click(lesson.driver.control<tk::Button>(PageId::Vide, "Suivant"));
        QCOMPARE(lesson.driver.beeps(), 0);
        lesson.classroom->toggleSound();
        CourseDriver::click(lesson.driver.control<tk::Button>(PageId::Produit, "Suite1"));
        QCOMPARE(lesson.driver.beeps(), 1);

        app::CommandLine silent;
        silent.silent = true;
        Lesson quiet(silent);
        QVERIFY(!quiet.driver.course().session().sound().isOn());
        QVERIFY(!quiet.settings.contains(u"son"));
    }

    // Without sound, every page says so, low on the left, and the mark
    // covers nothing the page shows, in any state; F1 says so too.
    void aCourseWithoutSoundShowsIt() {
        Lesson lesson;
        tk::HostWindow &window = lesson.driver.course().session().window();
        lesson.driver.startCourse();
        QCOMPARE(window.mark(), QString());
        QTest::keyClick(lesson.driver.visiblePage(), Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(window.mark(), u"Son coupé"_s);
        auto *mark = window.findChild<tk::TextBox *>(u"Marque"_s);
        QVERIFY(mark);
        QStringList covered;
        // What the page shows under the mark: its grey alone.
        const auto look = [&] {
            tk::PageWindow *page = lesson.driver.visiblePage();
            QVERIFY(mark->isVisible());
            const QRect area(page->mapFrom(&window, mark->pos()), mark->size());
            mark->hide();
            const QImage under = page->grab(area).toImage();
            mark->show();
            for (int y = 0; y < under.height(); ++y)
                for (int x = 0; x < under.width(); ++x)
                    if (QColor(under.pixel(x, y)) != palette::PageGrey) {
                        covered << page->objectName();
                        return;
                    }
        };
        lesson.driver.visitEveryPage([&](const CourseDriver::Stop &) { look(); });
        QVERIFY2(covered.isEmpty(), qPrintable(covered.join(u", ")));
        lesson.driver.key(Qt::Key_F1);
        auto *help = lesson.classroom->openDialog()->findChild<QLabel *>(u"TexteAide"_s);
        QVERIFY(help->text().contains(u"son : coupé"));
        lesson.classroom->openDialog()->reject();
        lesson.classroom->toggleSound();
        QCOMPARE(window.mark(), QString());
        Lesson next;
        next.settings.setValue("son", false);
        app::Classroom kept(next.driver.course(), next.settings);
        QCOMPARE(next.driver.course().session().window().mark(), u"Son coupé"_s);
    }

    // The list of pages and the help follow the course's scale, and leave
    // the course's window free: a close request still ends the course.
    void theDialogsFollowTheScale() {
        Lesson lesson;
        lesson.driver.walkTo(PageId::Convent);
        lesson.classroom->setScale(2.0);
        for (const auto open : {&app::Classroom::showHelp, &app::Classroom::showPageList}) {
            (lesson.classroom.get()->*open)();
            QDialog *dialog = lesson.classroom->openDialog();
            QVERIFY(dialog);
            QCOMPARE(dialog->font().pixelSize(), 22);
            QVERIFY(!dialog->isModal());
            dialog->reject();
            QTRY_VERIFY(!lesson.classroom->openDialog());
        }
    }

    // F1: the keys and the options, in French.
    void helpListsTheKeysAndOptions() {
        Lesson lesson;
        lesson.driver.startCourse();
        lesson.driver.key(Qt::Key_F1);
        QDialog *help = lesson.classroom->openDialog();
        QVERIFY(help);
        const QString text = app::Classroom::helpText();
        for (const char *item : {"Ctrl++", "Ctrl+-", "Ctrl+0", "F11", "Pause", "Ctrl+G", "Ctrl+M",
                                 "--echelle", "--page", "--sans-son"})
            QVERIFY2(text.contains(QLatin1StringView(item)), item);
        help->reject();
        QTRY_VERIFY(!lesson.classroom->openDialog());
    }
};

QTEST_MAIN(ClassroomTest)
#include "tst_classroom.moc"
