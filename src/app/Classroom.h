#pragma once

#include "app/CommandLine.h"
#include "app/Settings.h"
#include "toolkit/Appearance.h"

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <utility>

class QAction;
class QSettings;

class QKeyEvent;

namespace shell {
class Course;
}
namespace tk {
class PageWindow;
}
namespace lab {
class Laboratory;
}

namespace app {

/// \brief What a teacher asks of the course beyond the learner's walk: its
/// scale (Ctrl++, Ctrl+-, Ctrl+0, --echelle), full screen (F11), a pause of
/// the animation (Pause, P), going to a page (Ctrl+G, --page), the sound
/// (Ctrl+M, --sans-son) and the help (F1).
///
/// None of it changes the course for a learner who does not ask for it. The
/// scale and the sound chosen by the keys are kept in \a settings for the next
/// start; Ctrl+0 forgets the scale. The course is never shown larger than
/// the screen: a scale asked for that does not fit is lowered to the largest
/// step that does, and kept as asked for a larger screen.
class Classroom final : public QObject {
    Q_OBJECT
public:
    Classroom(shell::Course &course, QSettings &settings, const CommandLine &options = {});
    ~Classroom() override;

    /// The scales that Ctrl++ and Ctrl+- step through: 100 % to 300 % by 25 %.
    static constexpr double MinScale = Settings::MinScale;
    static constexpr double MaxScale = Settings::MaxScale;
    static constexpr double ScaleStep = tk::ZoomStep;

    /// The scale the pages are shown at.
    double scale() const;
    /// \brief Asks for \a scale (kept for the next start if \a remember):
    /// the pages take it, or the largest step below it that fits the screen.
    void setScale(double scale, bool remember = true);
    /// \brief What a later start asks of the running course: its page, its
    /// scale (for now), its silence and its contrast.
    void take(const CommandLine &options);
    void zoomIn();
    void zoomOut();
    void resetScale();
    void toggleFullScreen();
    /// Pauses or resumes the animation of the page on screen, where it has one.
    void togglePause();
    bool isPaused() const;
    void toggleSound();
    /// \brief Ctrl+H: texts and traces in high contrast, or back to the
    /// course's colours; remembered for the next start.
    void toggleHighContrast();
    /// \brief The list of the pages; choosing one goes there (Course::goTo).
    void showPageList();
    void showHelp();
    /// \brief Ctrl+L: opens the laboratory above the page, or closes it;
    /// closing it gives back the page as it was left.
    void toggleLaboratory();
    void openLaboratory();
    /// The laboratory, while it is on screen.
    lab::Laboratory *laboratory() const;
    /// Whether the page takes the teacher's page keys (not while the laboratory is open).
    bool onPage() const;

    /// The window of the list of pages or of the help, while it is open (tests).
    QDialog *openDialog() const { return m_dialog; }

    /// The text of the help window: the keys and the options.
    static QString helpText();
    /// \brief The teacher's keys and what each does, in the order of their
    /// table, as the help and the usage list them.
    static QList<std::pair<QString, QString>> keyHelp();
    /// \brief The teacher's actions, one for each key of the table, with
    /// their keys (the course's own, then the desktop's standard ones).
    const QList<QAction *> &actions() const { return m_actions; }
    /// Whether the pause key applies now: an animation to pause or to resume.
    bool canPause() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKey(QKeyEvent *key);
    /// The timers go on and the pause mark goes.
    void endPause();
    void applyScale();
    /// The scale asked for, or the largest step below it that fits the screen.
    double fitting(double wanted) const;
    void setHighContrast(bool on, bool remember);
    /// A dialog of the course, \a name and \a title, at its scale (m_dialog).
    QDialog *openDialogFor(const QString &name, const QString &title);
    /// Brings the open dialog to the front, if one is open.
    bool raiseOpenDialog();
    /// What the help says of the scale, the sound and the contrast now.
    QString stateText() const;
    /// The sound on or off, and its mark on the pages.
    void setSoundOn(bool on);
    /// Shows the pages at \a scale, and says so.
    void showAt(double scale);
    tk::PageWindow *shownPage() const;
    /// The page is given back: its animation goes on, its focus comes back.
    void laboratoryClosed();
    /// Whether \a event is the learner's input to the course's window while
    /// the laboratory is open (it goes to the laboratory instead).
    bool blockedByLaboratory(QObject *watched, QEvent *event) const;

    shell::Course &m_course;
    Settings m_settings;
    QList<QAction *> m_actions;        ///< the teacher's keys, in the order of their table
    QPointer<tk::PageWindow> m_paused; ///< the page whose animation is paused
    QPointer<QDialog> m_dialog;
    QPointer<lab::Laboratory> m_laboratory;
    QPointer<QWidget> m_focusBeforeLaboratory; ///< where the focus goes back
    bool m_pausedForLaboratory = false;        ///< the laboratory paused the animation
    double m_wanted = MinScale; ///< the scale asked for, which the screen may not fit
};

} // namespace app
