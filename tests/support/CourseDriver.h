#pragma once

#include "art/Art.h"
#include "shell/Course.h"
#include "shell/CoursePage.h"
#include "support/Names.h"

#include <QAnyStringView>
#include <QEvent>
#include <QImage>
#include <QList>
#include <QString>
#include <QTest>
#include <functional>
#include <memory>
#include <source_location>

namespace tk {
class Button;
class Timer;
} // namespace tk

/// \brief Drives the course as a learner does, for the tests: starts it,
/// presses buttons and keys, fires timer ticks, and reads what is shown.
class CourseDriver {
public:
    CourseDriver();
    ~CourseDriver();

    shell::Course &course() { return *m_course; }

    /// The beeps the course has sounded (since the last reset).
    int beeps() const { return m_course->session().sound().count(); }
    void resetBeeps() { m_course->session().sound().resetCount(); }

    /// Start-up: the title page, shown.
    void start();
    /// Start-up, then the title page's timer: the first course page is shown.
    void startCourse();

    template <class T> T &page() { return m_course->page<T>(); }
    tk::PageWindow *existing(shell::PageId id) const { return m_course->existing(id); }

    /// The pages shown now, by form name.
    QStringList visiblePages() const;
    /// The one page shown now (null if none or several).
    tk::PageWindow *visiblePage() const;

    /// \brief A control of a page by its name; if the page has none of that
    /// name and type, fails the test, naming the control and the place that
    /// asked for it, and returns null (FIND_CONTROL() then stops the test).
    template <class T = QWidget>
    T *control(shell::PageId id, QAnyStringView name,
               std::source_location where = std::source_location::current()) {
        const QString wanted = name.toString();
        T *found = m_course->page(id).findChild<T *>(wanted);
        if (!found)
            missingControl(id, wanted, where);
        return found;
    }

    /// \brief Clicks with the mouse where the button is on screen: a press and
    /// a release on its page's window, where Qt finds the control under the
    /// pointer, as a learner's click. Over a hidden button the click lands on
    /// whatever is there; on a page that is not shown, nothing happens.
    static void click(tk::Button *button);
    /// \brief Clicks the button as click() does; returns whether its handler ran.
    static bool clickAndSee(tk::Button *button);
    /// \brief A double click at the button's place (two clicks in quick succession).
    static void doubleClick(tk::Button *button);
    /// \brief Clicks at the button's place \a count times in quick succession
    /// (2 a double click, 3 a triple click).
    static void clicks(tk::Button *button, int count);
    /// \brief A click at a point of a page's client area (\a count clicks in
    /// quick succession).
    static void clickAt(QWidget *page, QPoint at, int count = 1);

    /// \brief A key pressed and released on the window that has the keyboard
    /// focus (the shown page), as the window system delivers it; a held-down
    /// key is a press flagged as a repeat.
    void key(Qt::Key key, bool autoRepeat = false);
    /// \brief One key event as the window system sends it, with its own time
    /// (ms) and repeat flag; false if no window could take it.
    bool keyEvent(QEvent::Type type, Qt::Key key, ulong time, bool autoRepeat = false);
    /// \brief The time of the next input event (ms); each call moves it on.
    static ulong nextEventTime(ulong step = 100);

    /// Fires the timer until it stops or \a limit ticks; returns the ticks fired.
    static int fireUntilStopped(tk::Timer *timer, int limit = 10000);

    /// Brings the shown page to the state where its panel is shown (reveal
    /// steps, animations), as a learner would; returns the buttons pressed.
    int completeShownPage();

    /// \brief A page on the way of a walk, as it arrives or once complete.
    struct Stop {
        shell::PageId page;
        bool complete =
            false;       ///< false as the page arrives, true once completed, before it is left
        int pressed = 0; ///< (complete) the buttons that completing the page pressed
    };
    using Look = std::function<void(const Stop &)>;

    /// \brief Walks forward as a learner does, from the page shown (the
    /// course is started first if it has not been, the title page's time
    /// is let run out) until \a id is shown: completes each page on the way
    /// and clicks its "Page suivante". Calls \a look as each page that the
    /// walk brings arrives, and as each page that it leaves is complete;
    /// stops at the first failure.
    void walkTo(shell::PageId id, const Look &look = {});

    /// \brief Walks as walkTo() does up to the end page, and completes it too
    /// (calling \a look then as well).
    void walkThrough(const Look &look);

    /// \brief Goes to each course page in turn (the course is started first
    /// if it has not been) and calls \a look as the page arrives, then once
    /// it is complete (completeShownPage()), the events of each let through.
    void visitEveryPage(const Look &look);

    /// Runs the deferred deletions of destroyed pages.
    static void flushDeletes();

private:
    static void missingControl(shell::PageId id, const QString &name, std::source_location where);

    std::unique_ptr<shell::Course> m_course;
};

/// \brief Declares \a var, the control \a name (of type \a Type) of the page
/// \a id of \a driver; where the page has none, the test fails, naming it,
/// and the test function returns.
#define FIND_CONTROL(var, Type, driver, id, name)                                                  \
    Type *const var = (driver).control<Type>(id, name);                                            \
    if (!var)                                                                                      \
    return

/// A picture painted at 100 % on white, for reading its pixels.
QImage renderPicture(art::Picture picture);

/// The object name of the focused control of the page ("" if none).
QString focusName(const tk::PageWindow *page);
/// \brief What \a page told the screen reader last, once the handler that
/// told it has returned (as the event loop lets it appear).
QString announced(const tk::PageWindow &page);

/// \brief How the shown page differs from its arrival state, as the table
/// of arrivals of the tests gives it (support/Arrivals.cpp): what it shows,
/// hides and focuses when it is entered; empty when it is in that state.
QStringList arrivalProblems(CourseDriver &driver, shell::PageId id);

/// Checks that \a id alone is shown, in its arrival state.
void verifyArrival(CourseDriver &driver, shell::PageId id);

/// \brief Whether a button's picture shows the marks of the button that
/// Enter presses: a black border all round, and a dotted focus rectangle.
bool looksFocused(const QImage &buttonShot);

/// \brief How far (pixels) the centre of each component name of the last
/// line of TextFonction lies from the centre of the symbol below it.
QList<qreal> nameOffsets(tk::PageWindow &fonction);

/// \brief What on a shown page cannot be seen or pressed where it is drawn:
/// visible buttons whose centre does not reach them, and visible texts and
/// pictures that a control in front of them covers (except where the page
/// puts one in front of another on purpose). Empty when all is well.
QStringList stackingProblems(const QWidget *page);
