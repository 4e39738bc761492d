#pragma once

#include "Art.h"
#include "Course.h"
#include "CoursePage.h"

#include <QImage>
#include <QList>
#include <QString>
#include <memory>

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

    /// A control of a page by its name; fails the test if it is missing.
    template <class T = QWidget> T *control(shell::PageId id, const QString &name) {
        return m_course->page(id).findChild<T *>(name);
    }

    /// Clicks a button with the mouse (even a hidden one: it must not react).
    static void click(tk::Button *button);
    /// A key pressed and released on the shown page, where the focus is.
    void key(Qt::Key key, bool autoRepeat = false);

    /// Fires the timer until it stops or \a limit ticks; returns the ticks fired.
    static int fireUntilStopped(tk::Timer *timer, int limit = 10000);

    /// Brings the shown page to the state where its panel is shown (reveal
    /// steps, animations), as a learner would; returns the buttons pressed.
    int completeShownPage();

    /// Starts the course and walks forward, completing each page, until \a id is shown.
    void walkTo(shell::PageId id);

    /// Runs the deferred deletions of destroyed pages.
    static void flushDeletes();

private:
    std::unique_ptr<shell::Course> m_course;
};

/// A picture painted at 100 % on white, for reading its pixels.
QImage renderPicture(art::Picture picture);

/// The object name of the focused control of the page ("" if none).
QString focusName(const tk::PageWindow *page);

/// \brief How the shown page differs from its arrival state (what it shows,
/// hides and focuses when it is entered); empty when it is in that state.
QStringList arrivalProblems(CourseDriver &driver, shell::PageId id);

/// Checks that \a id alone is shown, in its arrival state.
void verifyArrival(CourseDriver &driver, shell::PageId id);
