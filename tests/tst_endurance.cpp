// Random input, many times over: clicks and double clicks where any button
// of the shown page is (visible or not: the click lands on whatever is
// there), keys, held-down keys, timer ticks, close requests and the
// teacher's keys (scale, full screen, pause, sound, going to a page), with the
// course's rules checked after every event. A failure prints the
// seed and the shortest sequence of events found that still shows it.
//
// ENDURANCE_EVENTS sets the events per seed (100000 by default; a long run
// takes 1000000), ENDURANCE_SEEDS the number of seeds.

#include "support/CourseDriver.h"

#include "app/Classroom.h"
#include "pages/Incomp.h"
#include "shell/Debut.h"
#include "toolkit/Button.h"
#include "toolkit/PageWindow.h"
#include "toolkit/Timer.h"

#include <QCloseEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <random>
#include <set>

using shell::PageId;
using namespace Qt::StringLiterals;

namespace {

enum class Kind { Click, DoubleClick, Key, HeldKey, Tick, Close, Teacher };

struct Event {
    Kind kind;
    quint32 arg;
};

QString describe(const Event &e) {
    switch (e.kind) {
    case Kind::Click:
        return QStringLiteral("click #%1").arg(e.arg);
    case Kind::DoubleClick:
        return QStringLiteral("double click #%1").arg(e.arg);
    case Kind::Key:
        return QStringLiteral("key #%1").arg(e.arg);
    case Kind::HeldKey:
        return QStringLiteral("held key #%1").arg(e.arg);
    case Kind::Tick:
        return QStringLiteral("tick #%1").arg(e.arg);
    case Kind::Close:
        return QStringLiteral("close request");
    case Kind::Teacher:
        return QStringLiteral("teacher #%1").arg(e.arg);
    }
    return {};
}

const Qt::Key Keys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space,
                        Qt::Key_Tab,    Qt::Key_A,     Qt::Key_Z,      Qt::Key_Backspace};

// The page a timer belongs to.
QWidget *pageOf(const QObject *object) {
    for (QObject *o = object->parent(); o; o = o->parent())
        if (auto *w = qobject_cast<QWidget *>(o))
            return tk::PageWindow::of(w);
    return nullptr;
}

Event randomEvent(std::mt19937 &rng) {
    const quint32 arg = rng();
    const int roll = int(rng() % 1000);
    if (roll < 270)
        return {Kind::Click, arg};
    if (roll < 300)
        return {Kind::DoubleClick, arg};
    if (roll < 420)
        return {Kind::Key, arg};
    if (roll < 440)
        return {Kind::HeldKey, arg};
    if (roll < 455)
        return {Kind::Teacher, arg};
    if (roll < 999)
        return {Kind::Tick, arg};
    return {Kind::Close, arg};
}

// Runs a sequence of events on a fresh course and returns the first broken
// rule, with the index of the event after which it was seen (-1: none).
class Run {
public:
    QString failure;
    int failedAt = -1;
    bool trace = false;    ///< print each action as it is done
    QSet<QString> entered; ///< the pages the run reached
    int programEnds = 0;   ///< times the program ended (quit, close)

    void play(const QList<Event> &events) {
        restart();
        for (int i = 0; i < events.size() && failure.isEmpty(); ++i) {
            apply(events[i]);
            check();
            if (!failure.isEmpty())
                failedAt = i;
        }
        m_classroom.reset();
        m_driver.reset();
    }

private:
    void restart() {
        if (m_driver && m_driver->course().hasEnded())
            ++programEnds;
        m_classroom.reset();
        m_driver.reset();
        CourseDriver::flushDeletes();
        m_connected.clear(); // a new course may reuse the old buttons' addresses
        m_driver = std::make_unique<CourseDriver>();
        m_classroom = std::make_unique<app::Classroom>(m_driver->course(), m_settings);
        m_driver->start();
        m_expectedBeeps = m_driver->beeps();
        m_shown = QStringLiteral("Debut");
        entered.insert(m_shown);
        connectButtons();
    }

    void connectButtons() {
        for (int n = 0; n < shell::PageCount; ++n) {
            tk::PageWindow *page = m_driver->existing(shell::pageAt(n));
            if (!page)
                continue;
            for (tk::Button *b : page->findChildren<tk::Button *>()) {
                if (m_connected.count(b))
                    continue;
                m_connected.insert(b);
                QObject::connect(b, &tk::Button::activated, b, [this, b, page] {
                    m_pressed << b;
                    if (!m_driver->course().session().sound().isOn())
                        return; // no beep is sounded nor counted
                    ++m_expectedBeeps;
                    // "Page précédente" from the third page on runs the forward
                    // move of the page two places back, with its own beep.
                    if (b->objectName() == QLatin1String("Precedent") &&
                        shell::number(static_cast<shell::CoursePage *>(page)->id()) >= 3)
                        ++m_expectedBeeps;
                });
            }
        }
    }

    QList<tk::Timer *> timers() const {
        QList<tk::Timer *> all;
        for (int n = 0; n < shell::PageCount; ++n)
            if (tk::PageWindow *page = m_driver->existing(shell::pageAt(n)))
                all << page->findChildren<tk::Timer *>();
        return all;
    }

    void apply(const Event &e) {
        if (m_driver->course().hasEnded())
            restart();
        tk::PageWindow *page = m_driver->visiblePage();
        m_visibleButtons.clear();
        if (page)
            for (tk::Button *b : page->findChildren<tk::Button *>())
                if (b->isVisible())
                    m_visibleButtons.insert(b);
        m_pressed.clear();
        m_beepsBefore = m_driver->beeps();
        m_saturationTick = false;
        switch (e.kind) {
        case Kind::Click:
        case Kind::DoubleClick: {
            if (!page)
                return;
            // A quarter of the clicks go to any button, hidden ones included;
            // the others to a visible one, seldom "Quitter" and less often
            // "Page précédente", so that runs get deep into the course.
            const auto buttons = page->findChildren<tk::Button *>();
            QList<tk::Button *> pool;
            if (e.arg % 4 != 0) {
                for (tk::Button *b : buttons) {
                    const QString name = b->objectName();
                    if (!b->isVisible() || (name == QLatin1String("Quitter") && e.arg % 97 != 1) ||
                        (name == QLatin1String("Precedent") && e.arg % 5 != 1))
                        continue;
                    pool << b;
                }
            }
            if (pool.isEmpty())
                pool = buttons;
            if (pool.isEmpty())
                return;
            tk::Button *button = pool[int((e.arg / 4) % pool.size())];
            if (trace)
                qInfo("%s %s.%s%s", e.kind == Kind::Click ? "click" : "double click",
                      qPrintable(page->objectName()), qPrintable(button->objectName()),
                      button->isVisible() ? "" : " (hidden)");
            if (e.kind == Kind::Click)
                CourseDriver::click(button);
            else
                CourseDriver::doubleClick(button);
            break;
        }
        case Kind::Key:
        case Kind::HeldKey:
            if (!page)
                return;
            if (trace)
                qInfo("key %d%s on %s, focus %s", int(Keys[e.arg % std::size(Keys)]),
                      e.kind == Kind::HeldKey ? " (held)" : "", qPrintable(page->objectName()),
                      qPrintable(focusName(page)));
            m_driver->key(Keys[e.arg % std::size(Keys)], e.kind == Kind::HeldKey);
            break;
        case Kind::Tick: {
            // Mostly a timer that runs, so that the animations get to their ends.
            QList<tk::Timer *> all = timers();
            QList<tk::Timer *> running;
            for (tk::Timer *t : all)
                if (t->isEnabled())
                    running << t;
            const QList<tk::Timer *> &pool = (e.arg % 8 != 0 && !running.isEmpty()) ? running : all;
            if (pool.isEmpty())
                return;
            tk::Timer *timer = pool[int((e.arg / 8) % pool.size())];
            const QString name = timer->objectName();
            m_saturationTick = pageOf(timer)->objectName() == QLatin1String("Incomp") &&
                               (name == QLatin1String("Timer6") || name == QLatin1String("Timer8"));
            if (trace)
                qInfo("tick %s.%s%s", qPrintable(pageOf(timer)->objectName()), qPrintable(name),
                      timer->isEnabled() ? "" : " (stopped)");
            timer->fire();
            break;
        }
        case Kind::Close:
            if (page) {
                QCloseEvent close; // to the window that shows the page, as the desktop sends it
                QApplication::sendEvent(page->window(), &close);
            }
            break;
        case Kind::Teacher:
            teach(e.arg);
            break;
        }
        // What the event loop would do next: posted events (repaints,
        // deferred deletions), but no timer: ticks come from the events.
        QCoreApplication::sendPostedEvents();
        if (!m_driver->course().hasEnded())
            connectButtons(); // pages created by the event
    }

    // One of the teacher's keys or choices.
    void teach(quint32 arg) {
        if (trace)
            qInfo("teacher %u", arg % 8);
        switch (arg % 8) {
        case 0:
            m_classroom->zoomIn();
            break;
        case 1:
            m_classroom->zoomOut();
            break;
        case 2:
            m_classroom->resetScale();
            break;
        case 3:
            m_driver->key(Qt::Key_P);
            break;
        case 4:
            m_driver->key(Qt::Key_Pause);
            break;
        case 5:
            m_classroom->toggleSound();
            break;
        case 6:
            m_classroom->toggleFullScreen();
            break;
        case 7:
            // A page of the list (the list's choice, as Ctrl+G makes it).
            m_driver->course().goTo(shell::pageAt(1 + int((arg / 8) % (shell::PageCount - 1))));
            break;
        }
    }

    void fail(const QString &why) {
        if (failure.isEmpty())
            failure = why;
    }

    void check() {
        for (tk::Button *b : std::as_const(m_pressed))
            if (!m_visibleButtons.count(b))
                fail(QStringLiteral("the hidden button %1 was pressed").arg(b->objectName()));
        const int beeps = m_driver->beeps() - m_beepsBefore;
        if (m_saturationTick) {
            if (beeps > 1)
                fail(QStringLiteral("%1 beeps in one tick").arg(beeps));
            m_expectedBeeps += beeps;
        }
        if (m_driver->beeps() != m_expectedBeeps)
            fail(QStringLiteral("%1 beeps for %2 expected")
                     .arg(m_driver->beeps())
                     .arg(m_expectedBeeps));

        if (m_driver->course().hasEnded()) {
            if (!m_driver->visiblePages().isEmpty())
                fail(QStringLiteral("a page is shown after the end"));
            return;
        }
        const QStringList shown = m_driver->visiblePages();
        if (shown.size() != 1) {
            fail(QStringLiteral("pages shown: %1").arg(shown.join(u", ")));
            return;
        }
        tk::PageWindow *page = m_driver->visiblePage();
        if (const QStringList covered = stackingProblems(page); !covered.isEmpty())
            fail(shown[0] + QStringLiteral(": ") + covered.join(u", "));
        for (tk::Timer *t : timers())
            if (t->isEnabled() && pageOf(t) != page)
                fail(QStringLiteral("%1 of %2 runs while %3 is shown")
                         .arg(t->objectName(), pageOf(t)->objectName(), shown[0]));
        if (shown[0] != m_shown) {
            m_shown = shown[0];
            entered.insert(m_shown);
            int n = 0;
            while (n < shell::PageCount && shell::formName(shell::pageAt(n)) != m_shown)
                ++n;
            const QStringList problems = arrivalProblems(*m_driver, shell::pageAt(n));
            if (!problems.isEmpty())
                fail(m_shown + QStringLiteral(" entered out of its arrival state: ") +
                     problems.join(u", "));
        }
    }

    QTemporaryDir m_folder;
    QSettings m_settings{m_folder.filePath(QStringLiteral("reglages.ini")), QSettings::IniFormat};
    std::unique_ptr<CourseDriver> m_driver;
    std::unique_ptr<app::Classroom> m_classroom;
    std::set<tk::Button *> m_connected;
    std::set<tk::Button *> m_visibleButtons;
    QList<tk::Button *> m_pressed;
    QString m_shown;
    int m_expectedBeeps = 0;
    int m_beepsBefore = 0;
    bool m_saturationTick = false;
};

// The shortest sequence found, by dropping events while the failure stays.
QList<Event> shrink(QList<Event> events) {
    for (int chunk = events.size() / 2; chunk >= 1; chunk /= 2) {
        for (int start = 0; start + chunk <= events.size();) {
            QList<Event> fewer = events;
            fewer.remove(start, chunk);
            Run run;
            run.play(fewer);
            if (!run.failure.isEmpty())
                events = fewer.mid(0, run.failedAt + 1);
            else
                start += chunk;
        }
    }
    return events;
}

// Events of a run, unless ENDURANCE_EVENTS says otherwise.
constexpr int DefaultEvents = 100000;

int envOr(const char *name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

} // namespace

class EnduranceTest final : public QObject {
    Q_OBJECT
private slots:
    void randomInput_data() {
        QTest::addColumn<quint32>("seed");
        const int seeds = envOr("ENDURANCE_SEEDS", 2);
        for (int i = 0; i < seeds; ++i)
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(1000 + i))) << quint32(1000 + i);
    }

    void randomInput() {
        QFETCH(quint32, seed);
        const int count = envOr("ENDURANCE_EVENTS", DefaultEvents);
        std::mt19937 rng(seed);
        QList<Event> events;
        events.reserve(count);
        for (int i = 0; i < count; ++i)
            events << randomEvent(rng);
        Run run;
        run.play(events);
        if (run.failure.isEmpty()) {
            qInfo("%d pages reached, the program ended %d times", int(run.entered.size()),
                  run.programEnds);
            // A run of the usual length reaches every page and ends the
            // program more than once (quit, close); a shorter one need not.
            if (count >= DefaultEvents) {
                QStringList missed;
                for (int n = 0; n < shell::PageCount; ++n)
                    if (!run.entered.contains(shell::formName(shell::pageAt(n))))
                        missed << shell::formName(shell::pageAt(n));
                QVERIFY2(missed.isEmpty(), qPrintable(u"never reached: "_s + missed.join(u", ")));
                QVERIFY2(run.programEnds >= 2, qPrintable(QString::number(run.programEnds)));
            }
            return;
        }
        const QList<Event> shortest = shrink(events.mid(0, run.failedAt + 1));
        Run replay;
        replay.trace = true;
        replay.play(shortest);
        QStringList steps;
        for (const Event &e : shortest)
            steps << describe(e);
        QFAIL(qPrintable(QStringLiteral("seed %1, after event %2: %3\nshortest sequence (%4 "
                                        "events): %5")
                             .arg(seed)
                             .arg(run.failedAt)
                             .arg(run.failure)
                             .arg(shortest.size())
                             .arg(steps.join(u", "))));
    }
};

QTEST_MAIN(EnduranceTest)
#include "tst_endurance.moc"
