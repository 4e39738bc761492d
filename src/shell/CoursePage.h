#pragma once

#include "shell/PageId.h"
#include "shell/Script.h"

#include "toolkit/Button.h"
#include "toolkit/Frame.h"
#include "toolkit/PageWindow.h"
#include "toolkit/TextBox.h"

#include <initializer_list>

namespace shell {

class Course;

/// \brief The template of the thirteen course pages and their navigation.
///
/// A course page has a caption, a grey client area of 9510 x 6825 twips and
/// the navigation buttons "Quitter le programme", "Page précédente" and
/// "Page suivante", either inside the panel FrameBoutons (hidden until the
/// page shows it) or directly on the page. Moving on prepares and shows the
/// next page before this one is hidden and reset, so the desktop is never
/// uncovered; moving back reuses the forward move of the page two places back.
class CoursePage : public tk::PageWindow {
    Q_OBJECT
public:
    /// The client area of every course page at the scale \a zoom, in pixels.
    static QSize clientSizeAt(double zoom);
    /// The buttons that move through the course or end it, where it has them.
    QList<tk::Button *> navigationButtons() const;
    /// Where the navigation buttons stand.
    enum class Navigation {
        Panel,   ///< in the panel FrameBoutons, hidden at first
        OnPage,  ///< on the page, visible from the start
        EndPage, ///< on the page, with "Tout recommencer" in the place of "Page suivante"
    };

    /// The page's caption is its title in the page table after 20 blanks.
    CoursePage(Course &course, PageId id, Navigation navigation);

    PageId id() const { return m_id; }
    Course &course() const { return m_course; }

    /// \brief Arrival: the page's preparation, showing it, and the focus it
    /// gets, as the page declares them.
    void enter();
    /// \brief Leaving reset: hides what the page revealed (by default every
    /// control that a step or the page's animation shows, but for those that
    /// the arrival sets again itself).
    virtual void leave();

    /// \brief How the page is entered.
    const Arrival &arrival() const { return m_arrival; }
    /// \brief The controls that a visit may reveal: those that a step shows,
    /// and those that the page's animation shows.
    QList<QWidget *> revealed() const;
    /// \brief The moves that bring the page from its arrival to its
    /// navigation buttons, and through its views.
    const QList<Move> &walk() const { return m_walk; }

    /// "Page suivante": beep, enter the next page, hide this one, reset it.
    void Suivant_Click();
    /// "Page précédente": beep, bring the previous page back, hide and reset this one.
    void Precedent_Click();
    /// "Quitter le programme": beep, end the program.
    void Quitter_Click();

    tk::Frame *FrameBoutons = nullptr; ///< the navigation panel, where the page has one
    tk::Button *Quitter = nullptr;
    tk::Button *Precedent = nullptr;
    tk::Button *Suivant = nullptr; ///< null on the end page, which has Recommencer instead

protected:
    /// \brief Declares how the page is entered (the arrival preparation and focus).
    void declareArrival(Arrival arrival) { m_arrival = std::move(arrival); }
    /// \brief Declares a reveal step or a view: pressing \a button sounds the
    /// beep, makes the changes in order, then tells the screen reader what
    /// appeared: \a intro, then what the step shows that was hidden (texts,
    /// pictures with their descriptions, the navigation buttons).
    void declareStep(tk::Button *button, QList<Change> changes, const QString &intro = {});
    /// \brief Declares what the page's animation reveals, besides the steps.
    void declareRevealed(QList<QWidget *> controls) { m_animated = std::move(controls); }
    /// \brief Declares the page's walk.
    void declareWalk(QList<Move> moves) { m_walk = std::move(moves); }

    /// \brief What the page does on arrival besides showing and hiding
    /// controls (a plot started), before it is shown.
    virtual void prepareArrival() {}

    /// \brief Makes the changes, in order.
    void apply(const QList<Change> &changes);

    /// \brief The page that "Page suivante" leads to.
    virtual PageId nextPage() const;
    /// \brief Steps of "Page précédente" between bringing the previous page
    /// back and hiding this one.
    virtual void beforeHidingOnReturn() {}

    /// \brief The words that tell the screen reader that the navigation
    /// buttons have appeared.
    static QString navigationShown();

    /// \brief Shows \a control; the list of it if it was hidden, else an empty
    /// list: what the screen reader is to be told of as new.
    static QList<const QWidget *> reveal(QWidget *control);

    /// \brief The words that tell the screen reader that a plot is being drawn.
    static QString drawingStarts();

    /// \brief What the screen reader is told of \a control when it appears:
    /// a text's name and text, a picture's name and description, the
    /// navigation buttons, or what a frame holds, in reading order.
    QString toldWhenShown(const QWidget *control) const;

    /// \brief Tells the screen reader what the controls just shown or
    /// completed say (toldWhenShown()), then \a more, without moving the focus.
    void announceShown(const QList<const QWidget *> &controls, const QString &more = {});

    /// \brief A hidden "Suite" button at its usual place, over "Page suivante".
    tk::Button *makeSuite(const QString &name = QStringLiteral("Suite"));

    /// \brief Beep, enter the next page, hide this one, reset it.
    void moveForward();

    tk::Button *m_forward = nullptr; ///< "Page suivante", or "Tout recommencer"

private:
    Course &m_course;
    PageId m_id;
    Arrival m_arrival;
    QList<QList<Change>> m_steps;
    QList<QWidget *> m_animated;
    QList<Move> m_walk;
};

/// The caption of a course page: its title after 20 blanks.
QString coursePageCaption(const QString &title);

} // namespace shell
