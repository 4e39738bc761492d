// What a desktop program owes its users beyond the course: every control
// named for screen readers, and the whole course reachable by keyboard alone.

#include "support/CourseDriver.h"

#include "pages/Applic.h"
#include "pages/Demag.h"
#include "pages/Incomp.h"
#include "pages/Vide.h"
#include "shell/Debut.h"
#include "shell/FinProg.h"
#include "toolkit/Button.h"
#include "toolkit/ImageBox.h"
#include "toolkit/PlotSurface.h"
#include "toolkit/TextBox.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QWindow>

using shell::PageId;
using namespace Qt::StringLiterals;
using namespace pages;

class DesktopTest final : public QObject {
    Q_OBJECT
private slots:
    // Pages are panes named by their caption, buttons push buttons, texts
    // texts with a short name and their text as value, pictures and plots
    // images that say what they show.
    void everyControlSaysWhatItIs() {
        CourseDriver driver;
        driver.start();
        QStringList unnamed;
        const auto check = [&unnamed](tk::PageWindow &page) {
            QAccessibleInterface *pane = QAccessible::queryAccessibleInterface(&page);
            // A page is read as a dialog: its name, then what it shows.
            if (!pane || pane->text(QAccessible::Name) != page.windowTitle().trimmed() ||
                pane->role() != QAccessible::Dialog ||
                pane->text(QAccessible::Description) != page.reading())
                unnamed << page.objectName();
            QList<QWidget *> controls;
            for (auto *w : page.findChildren<tk::Button *>())
                controls << w;
            for (auto *w : page.findChildren<tk::TextBox *>())
                controls << w;
            for (auto *w : page.findChildren<tk::ImageBox *>())
                controls << w;
            for (auto *w : page.findChildren<tk::PlotSurface *>())
                controls << w;
            for (QWidget *w : controls) {
                // A box that the learner types or scrolls in is read through its editor.
                auto *box = qobject_cast<tk::TextBox *>(w);
                QWidget *read = box && box->editor() ? box->editor() : w;
                QAccessibleInterface *a = QAccessible::queryAccessibleInterface(read);
                const QString id = page.objectName() + u'.' + w->objectName();
                if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
                    unnamed << id;
                const bool picture =
                    qobject_cast<tk::ImageBox *>(w) ||
                    (qobject_cast<tk::PlotSurface *>(w) && !w->accessibleDescription().isEmpty());
                if (picture && a &&
                    (a->role() != QAccessible::Graphic ||
                     a->text(QAccessible::Description).size() < 20 ||
                     a->text(QAccessible::Description) == a->text(QAccessible::Name)))
                    unnamed << id + u" (description)";
                if (auto *text = qobject_cast<tk::TextBox *>(w); text && a) {
                    const QString name = a->text(QAccessible::Name);
                    const auto role =
                        text->isLabel() ? QAccessible::StaticText : QAccessible::EditableText;
                    if (a->role() != role || !a->textInterface() || name.size() > 50 ||
                        name == text->plainText() ||
                        a->textInterface()->text(0, a->textInterface()->characterCount()) !=
                            text->plainText())
                        unnamed << id + u" (text)";
                }
                if (qobject_cast<tk::Button *>(w) && a && a->role() != QAccessible::PushButton)
                    unnamed << id + u" (role)";
            }
        };
        check(driver.course().page(PageId::Debut));
        driver.course().debut().Timer1->fire();
        for (int n = 1; n < shell::PageCount; ++n)
            check(driver.course().page(shell::pageAt(n)));
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
    }

    // A page's reading holds each text it shows whole and once, and what it
    // shows top to bottom: a picture's name between texts, never inside one.
    void aPageIsReadTopToBottom() {
        CourseDriver driver;
        QStringList wrong;
        driver.walkThrough([&](const CourseDriver::Stop &stop) {
            if (!stop.complete)
                return;
            tk::PageWindow *page = driver.visiblePage();
            const QString reading = page->reading();
            QList<std::pair<int, qsizetype>> places; // (top, where in the reading)
            for (QWidget *w : page->findChildren<QWidget *>()) {
                const auto *box = qobject_cast<tk::TextBox *>(w);
                const bool picture =
                    qobject_cast<tk::ImageBox *>(w) || qobject_cast<tk::PlotSurface *>(w);
                if (!w->isVisible() || (!picture && (!box || box->isLabel())))
                    continue;
                const QString words = box ? box->plainText().simplified() : w->accessibleName();
                const qsizetype at = reading.indexOf(words);
                if (at < 0 || (box && reading.indexOf(words, at + 1) >= 0))
                    wrong << page->objectName() + u'.' + w->objectName();
                places.append({w->mapTo(page, QPoint()).y(), at});
            }
            std::sort(places.begin(), places.end());
            for (qsizetype i = 1; i < places.size(); ++i)
                if (places[i].first - places[i - 1].first >= 8 &&
                    places[i].second < places[i - 1].second)
                    wrong << page->objectName() + u" (order)";
        });
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u", ")));
    }

    // The whole course, forward, back through the title page and back again
    // from the end, in one window that is never hidden nor made anew: it
    // takes each page's caption (its blanks included), size and icon.
    void theCourseLivesInOneWindow() {
        CourseDriver driver;
        driver.start();
        QWidget *window = driver.visiblePage()->window();
        const QWindow *native = window->windowHandle();
        QVERIFY(native);
        struct Hides final : QObject {
            int count = 0;
            bool eventFilter(QObject *, QEvent *event) override {
                count += event->type() == QEvent::Hide;
                return false;
            }
        } hides;
        window->installEventFilter(&hides);
        QStringList wrong;
        const auto look = [&] {
            tk::PageWindow *page = driver.visiblePage();
            if (!page)
                return;
            const QString name = page->objectName();
            if (page->window() != window || window->windowHandle() != native)
                wrong << name + u": another window";
            if (window->windowTitle() != page->windowTitle())
                wrong << name + u": caption «" + window->windowTitle() + u'»';
            if (window->size() != page->clientSize() || page->geometry() != window->rect())
                wrong << name + u": size";
            if (window->windowIcon().cacheKey() != page->icon().cacheKey())
                wrong << name + u": icon";
            if (QApplication::focusWidget() && !page->isAncestorOf(QApplication::focusWidget()))
                wrong << name + u": the focus is elsewhere";
        };
        look();
        QCOMPARE(window->windowTitle(), QString(18, u' ').append(u"Transformateur d'impulsions"));
        driver.course().debut().Timer1->fire();
        look();
        QCOMPARE(window->windowTitle(),
                 QString(20, u' ').append(u"Fonction d'un transformateur d'impulsions"));
        // Back through the title page, and on again.
        driver.completeShownPage();
        FIND_CONTROL(precedent, tk::Button, driver, PageId::Fonction, "Precedent");
        CourseDriver::click(precedent);
        QCOMPARE(driver.visiblePages(), QStringList{u"Debut"_s});
        look();
        driver.walkThrough([&](const CourseDriver::Stop &stop) {
            if (!stop.complete)
                look();
        });
        QCOMPARE(driver.visiblePages(), QStringList{u"FinProg"_s});
        // Back from the end, each page again in the same window.
        for (int n = shell::PageCount - 1; n > 2; --n) {
            driver.completeShownPage();
            CourseDriver::click(driver.course().coursePage(shell::pageAt(n)).Precedent);
            look();
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u", ")));
        QCOMPARE(hides.count, 0);
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](const QWidget *w) { return w->isVisible(); }),
                 1);
    }

    // Every button the course shows is pressed where it is drawn, and every
    // text and picture is seen whole, in every state of every page.
    void theMouseAloneWalksTheWholeCourse() {
        CourseDriver driver;
        driver.startCourse();
        QStringList problems;
        const auto look = [&](const QString &state) {
            if (tk::PageWindow *page = driver.visiblePage())
                for (const QString &problem : stackingProblems(page))
                    problems << state + u": " + problem;
        };
        const auto click = [&](const char *name) {
            tk::PageWindow *page = driver.visiblePage();
            auto *button = page->findChild<tk::Button *>(QLatin1StringView(name));
            QVERIFY2(button && button->isVisible(), name);
            look(page->objectName() + u" before " + QLatin1StringView(name));
            QVERIFY2(CourseDriver::clickAndSee(button), name);
        };
        const auto ticks = [&](tk::Timer *timer, int count) {
            for (int i = 0; i < count && timer->fire(); ++i) {
            }
            look(driver.visiblePage()->objectName() + u" during " + timer->objectName());
            CourseDriver::fireUntilStopped(timer);
        };

        click("Suite");
        click("Suivant"); // Fonction
        click("Suivant"); // Convent
        click("Suite");
        click("Suivant"); // Aimant
        ticks(driver.page<Vide>().Timer2, 60);
        click("Suite");
        click("Suivant"); // Vide
        click("Suite1");
        click("Suite2");
        click("Suivant"); // Produit
        click("Suivant"); // PasSat
        auto &demag = driver.page<Demag>();
        for (int run = 0; run < 2; ++run) {
            click("BPKf");
            ticks(demag.Timer1, 30);
            click("BPKo");
            ticks(demag.Timer2, 30);
            if (run == 0)
                click("Suite");
        }
        click("Suivant"); // Demag
        click("Suite");
        for (tk::Timer *timer : driver.page<Incomp>().Timer)
            ticks(timer, 20);
        click("Suivant"); // Incomp
        click("Suivant"); // RappCyc
        click("BPCourbes");
        click("Suivant"); // ChargeTi
        click("BPLoupe");
        click("BPCalculs");
        click("BPCourbes");
        click("BPLoupe");
        click("Suivant"); // Applic
        click("Suivant"); // Variat
        click("Recommencer");
        QCOMPARE(driver.visiblePages(), names({"Fonction"}));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u"\n")));
    }

    // The course draws in its own colours under a dark desktop palette.
    void aDarkDesktopChangesNothing() {
        const QPalette before = QApplication::palette();
        QPalette dark;
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            dark.setColor(group, QPalette::Window, QColor(40, 40, 40));
            dark.setColor(group, QPalette::WindowText, Qt::white);
            dark.setColor(group, QPalette::Button, QColor(60, 60, 60));
            dark.setColor(group, QPalette::ButtonText, Qt::white);
            dark.setColor(group, QPalette::Base, QColor(30, 30, 30));
            dark.setColor(group, QPalette::Text, Qt::white);
            dark.setColor(group, QPalette::Light, QColor(80, 80, 80));
        }
        QApplication::setPalette(dark);
        QImage darkShot;
        {
            CourseDriver driver;
            driver.walkTo(PageId::Convent);
            darkShot = driver.visiblePage()->grab().toImage();
        }
        QApplication::setPalette(before);
        CourseDriver driver;
        driver.walkTo(PageId::Convent);
        const QImage shot = driver.visiblePage()->grab().toImage();
        QCOMPARE(darkShot, shot);
        // And that look is the course's: grey page, black captions on flat grey faces.
        QCOMPARE(shot.pixelColor(5, 5), QColor(192, 192, 192));
        const QImage button = driver.course().coursePage(PageId::Convent).Quitter->grab().toImage();
        QCOMPARE(button.pixelColor(button.width() / 2, 5), QColor(192, 192, 192));
        QCOMPARE(button.pixelColor(button.width() / 2, button.height() - 6), QColor(192, 192, 192));
        int black = 0;
        for (int x = 0; x < button.width(); ++x)
            black += button.pixelColor(x, button.height() / 2) == QColor(0, 0, 0);
        QVERIFY(black > 10); // the caption
    }

    // Where Enter goes is seen from the arrival on: the focused button has a
    // dotted rectangle and the black border of the button Enter presses.
    void theFocusedButtonIsMarkedOnArrival_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("focused");
        QTest::newRow("Fonction") << 1 << "Suite";
        QTest::newRow("Convent") << 2 << "Suivant";
        QTest::newRow("Demag") << 7 << "BPKf";
        QTest::newRow("ChargeTi") << 10 << "BPCourbes";
        QTest::newRow("FinProg") << 13 << "Quitter";
    }

    void theFocusedButtonIsMarkedOnArrival() {
        QFETCH(int, page);
        QFETCH(QString, focused);
        CourseDriver driver;
        driver.walkTo(shell::pageAt(page));
        tk::PageWindow *shown = driver.visiblePage();
        QCOMPARE(focusName(shown), focused);
        for (tk::Button *b : shown->findChildren<tk::Button *>()) {
            if (!b->isVisible())
                continue;
            const bool marked = b->objectName() == focused;
            QCOMPARE(looksFocused(b->grab().toImage()), marked);
        }
    }

    // A button clicked away with its page, shown again later with the pointer
    // elsewhere, looks as it did before: no hover or pressed look is left.
    void noLookIsLeftFromAnEarlierVisit() {
        CourseDriver driver;
        driver.walkTo(PageId::Variat);
        auto &variat = driver.course().coursePage(PageId::Variat);
        const QImage before = variat.Precedent->grab().toImage();
        CourseDriver::click(variat.Precedent);
        QCOMPARE(driver.visiblePages(), names({"Applic"}));
        CourseDriver::click(driver.course().coursePage(PageId::Applic).Suivant);
        QCOMPARE(driver.visiblePages(), names({"Variat"}));
        QVERIFY(!variat.Precedent->isDown());
        QCOMPARE(variat.Precedent->grab().toImage(), before);
    }

    // Qt's own texts, such as the context menu of a text box, are French.
    void qtSpeaksFrench() {
        CourseDriver driver;
        driver.walkTo(PageId::Applic);
        QScopedPointer<QMenu> menu(
            driver.page<Applic>().TextExplication->editor()->createStandardContextMenu());
        QStringList texts;
        for (const QAction *action : menu->actions())
            texts << action->text().remove(u'&').section(u'\t', 0, 0);
        QVERIFY2(texts.contains(u"Annuler"), qPrintable(texts.join(u", ")));
        QVERIFY2(texts.contains(u"Tout sélectionner"), qPrintable(texts.join(u", ")));
    }

    // What appears without the focus moving is told to the screen reader.
    void changesAreAnnouncedWithoutMovingTheFocus() {
        CourseDriver driver;
        driver.walkTo(PageId::Vide);
        auto &vide = driver.page<Vide>();
        CourseDriver::fireUntilStopped(vide.Timer2);
        QVERIFY(vide.Picture1->accessibleDescription().contains(u"croît linéairement"));
        CourseDriver::click(vide.Suite);
        QVERIFY(vide.lastAnnouncement().contains(u"Si l'échelon de tension"));

        driver.walkTo(PageId::Demag);
        auto &demag = driver.page<Demag>();
        QVERIFY(driver.visiblePage() == &demag);
        // While K switches, the plot holds the focus, and every text that
        // appears is told once; at the end the focus is where Enter acts.
        const QStringList texts =
            names({"Lorsque K se ferme", "Quand il atteint la valeur", "L'énergie s'évacue"});
        for (int run = 0; run < 2; ++run) {
            CourseDriver::click(demag.BPKf);
            QCOMPARE(focusName(&demag), u"Picture1"_s);
            QVERIFY(announced(demag).contains(u"Tracé des oscillogrammes en cours"));
            QCOMPARE(announced(demag).contains(texts[0]), run == 0);
            CourseDriver::fireUntilStopped(demag.Timer1);
            QCOMPARE(focusName(&demag), u"BPKo"_s);
            QCOMPARE(announced(demag).contains(texts[1]), run == 0);
            QVERIFY(announced(demag).contains(u"Courant magnétisant : "));
            CourseDriver::click(demag.BPKo);
            QCOMPARE(focusName(&demag), u"Picture1"_s);
            QCOMPARE(announced(demag).contains(texts[2]), run == 0);
            CourseDriver::fireUntilStopped(demag.Timer2);
            if (run == 0) {
                QCOMPARE(focusName(&demag), u"Suite"_s);
                QVERIFY(announced(demag).contains(u"deux fois plus lentement"));
                CourseDriver::click(demag.Suite);
                QVERIFY(announced(demag).contains(u"Pour accélérer"));
                // Each message a notification of its own: a reader that reads
                // the first late still hears it, not the second twice.
                QStringList notices;
                for (const auto *notice : demag.window()->findChildren<tk::Notice *>())
                    notices << notice->accessibleName();
                QCOMPARE(notices.filter(u"deux fois plus lentement").size(), 1);
                QCOMPARE(notices.filter(u"Pour accélérer").size(), 1);
                QVERIFY(notices.filter(u"Pour accélérer").first() !=
                        notices.filter(u"deux fois plus lentement").first());
                continue;
            }
            QCOMPARE(focusName(&demag), u"Suivant"_s);
            QVERIFY(announced(demag).contains(u"boutons de navigation"));
            QVERIFY(announced(demag).contains(u"en rouge", Qt::CaseInsensitive));
            QVERIFY(demag.Picture1->accessibleDescription().contains(u"Zener"));
        }

        CourseDriver::click(demag.Suivant);
        auto &incomp = driver.page<Incomp>();
        CourseDriver::click(incomp.Suite);
        QVERIFY(incomp.Surface->accessibleDescription().contains(u"en cours"));
        QVERIFY(announced(incomp).contains(u"Tracé des oscillogrammes en cours"));
        QCOMPARE(focusName(&incomp), u"ClientArea"_s);
        for (tk::Timer *timer : incomp.Timer)
            CourseDriver::fireUntilStopped(timer);
        QCOMPARE(focusName(&incomp), u"Suivant"_s);
        QVERIFY(announced(incomp).contains(u"raccourcies"));
        QVERIFY(announced(incomp).contains(incomp.TextIncomp[1]->plainText().simplified()));
        QVERIFY(incomp.Surface->accessibleDescription().contains(u"saturation"));

        driver.walkTo(PageId::Applic);
        auto &applic = driver.page<Applic>();
        const QList<std::pair<tk::Button *, QString>> views{
            {applic.BPLoupe, u"train d'impulsions"_s},
            {applic.BPCalculs, u"calculs"_s},
            {applic.BPCourbes, u"oscillogrammes"_s}};
        for (const auto &[button, words] : views) {
            CourseDriver::click(button);
            QVERIFY2(applic.lastAnnouncement().contains(words),
                     qPrintable(applic.lastAnnouncement()));
            QCOMPARE(focusName(&applic), u"Suivant"_s);
        }
        // The default button says so.
        auto *suivant = QAccessible::queryAccessibleInterface(applic.Suivant);
        QVERIFY(suivant->state().defaultButton);
    }

    void theKeyboardAloneWalksTheWholeCourse() {
        CourseDriver driver;
        driver.startCourse();
        const auto shown = [&] { return driver.visiblePages().value(0); };
        const auto ticks = [](tk::Timer *timer) { CourseDriver::fireUntilStopped(timer); };
        const auto enter = [&] { driver.key(Qt::Key_Return); };
        const auto tabTo = [&](const QString &name) {
            for (int i = 0; i < 12 && focusName(driver.visiblePage()) != name; ++i)
                driver.key(Qt::Key_Tab);
            QCOMPARE(focusName(driver.visiblePage()), name);
        };

        enter(); // Fonction: Suite
        enter(); // Suivant
        QCOMPARE(shown(), u"Convent"_s);
        enter();
        enter(); // Aimant: Suite
        enter();
        QCOMPARE(shown(), u"Vide"_s);
        ticks(driver.page<Vide>().Timer2);
        enter(); // Suite
        enter();
        QCOMPARE(shown(), u"Produit"_s);
        enter(); // Suite1
        enter(); // Suite2
        enter();
        QCOMPARE(shown(), u"PasSat"_s);
        enter();
        QCOMPARE(shown(), u"Demag"_s);
        auto &demag = driver.page<Demag>();
        for (int run = 0; run < 2; ++run) {
            driver.key(Qt::Key_Space); // Fermer K
            ticks(demag.Timer1);
            driver.key(Qt::Key_Space); // Ouvrir K
            ticks(demag.Timer2);
            if (run == 0)
                enter(); // Suite
        }
        enter();
        QCOMPARE(shown(), u"Incomp"_s);
        enter(); // Suite
        for (tk::Timer *timer : driver.page<Incomp>().Timer)
            ticks(timer);
        enter();
        QCOMPARE(shown(), u"RappCyc"_s);
        enter();
        QCOMPARE(shown(), u"ChargeTi"_s);
        enter(); // the oscilloscope button
        enter();
        QCOMPARE(shown(), u"Applic"_s);
        auto &applic = driver.page<Applic>();
        tabTo(u"BPLoupe"_s);
        driver.key(Qt::Key_Space);
        QVERIFY(applic.ImageTrain->isVisible());
        tabTo(u"BPCalculs"_s);
        driver.key(Qt::Key_Space);
        QVERIFY(applic.TextCalculs->isVisible());
        tabTo(u"BPCourbes"_s);
        driver.key(Qt::Key_Space);
        QVERIFY(applic.ImageGraphe->isVisible());
        enter();
        QCOMPARE(shown(), u"Variat"_s);
        enter();
        QCOMPARE(shown(), u"FinProg"_s);
        tabTo(u"Recommencer"_s);
        enter();
        QCOMPARE(shown(), u"Fonction"_s);
        // And Escape on the end page ends the course.
        QVERIFY(!driver.course().hasEnded());
    }

    void tabFollowsTheVisibleButtons() {
        CourseDriver driver;
        driver.walkTo(PageId::FinProg);
        auto &end = driver.page<shell::FinProg>();
        QCOMPARE(focusName(&end), u"Quitter"_s);
        driver.key(Qt::Key_Tab);
        QCOMPARE(focusName(&end), u"Recommencer"_s);
        driver.key(Qt::Key_Tab);
        QCOMPARE(focusName(&end), u"Precedent"_s);
        driver.key(Qt::Key_Tab);
        QCOMPARE(focusName(&end), u"Quitter"_s);
        driver.key(Qt::Key_Escape);
        QVERIFY(driver.course().hasEnded());
    }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
