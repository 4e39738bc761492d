#pragma once

#include "toolkit/Accessibility.h"
#include "toolkit/Button.h"
#include "toolkit/Session.h"
#include "toolkit/Twips.h"

#include <QPointer>
#include <QWidget>
#include <initializer_list>

namespace tk {

/// \brief A top-level page: caption, fixed client size, grey background, no
/// close, minimise or maximise button.
///
/// The page routes the keyboard as the course expects: Enter presses the
/// focused button, else the default button; Escape presses the cancel button;
/// held-down keys act once. A close request from the window system is refused
/// and reported through closeRequested(), so the program can end as a whole.
class PageWindow : public QWidget {
    Q_OBJECT
public:
    enum class Border { Fixed, Sizable };

    /// A page of the course whose toolkit state \a session holds.
    PageWindow(Session &session, const QString &name, const QString &caption, QSize clientTwips,
               Border border = Border::Fixed);

    Session &session() const { return m_session; }
    /// \brief Sounds the system beep (through the session, which counts it).
    void beep() { m_session.beep(); }

    /// \brief The button that Enter presses when no button has the focus.
    void setDefaultButton(Button *button);
    void setCancelButton(Button *button) { m_cancel = button; }
    Button *defaultButton() const { return m_default; }
    Button *cancelButton() const { return m_cancel; }

    /// \brief Shows the page in front and makes it the active window; when no
    /// visible control holds the focus, the first one in the tab order takes it.
    void showPage();
    void hidePage();
    /// \brief Brings a shown page back in front of the other windows, out of
    /// the task bar if it was put there, and makes it the active window.
    void bringToFront();

    /// \brief After a handler: if the shown page has no visible control with
    /// the focus, the default button takes it, else the first control in the
    /// tab order that can, so the keyboard can always go on.
    void keepFocus();

    /// \brief Outer size of the window (frame and caption included), in twips:
    /// the client area plus the frame that the window manager gives the page,
    /// or, before it has given one, the frame last seen on a page (none if no
    /// page has had one).
    QSizeF outerSizeTwips() const;
    /// \brief Places the window's outer top-left corner, in twips (fractions allowed).
    void setPositionTwips(double left, double top);

    /// \brief Whether the key belongs to the page rather than to a control:
    /// Enter and Escape, routed to the default and cancel buttons.
    static bool isPageKey(const QKeyEvent *event);

    /// \brief Tells the screen reader what has just changed on the page, without
    /// moving the focus.
    void announce(const QString &message);
    /// \brief The last message announced (empty if none).
    QString lastAnnouncement() const;

    /// \brief Shows the page at the session's scale: in a window of its client
    /// size times the scale, or full screen at the largest scale that fits,
    /// centred on the page's grey. Every control is laid out and drawn anew.
    /// showPage() does it; call it for the page on screen after a change.
    void applyScale();
    /// \brief The scale the controls are laid out at now (1 is 100 %).
    double shownZoom() const { return m_zoom; }
    /// \brief Shows or hides the mark that tells that the course is paused.
    void showPauseMark(bool shown);
    bool showsPauseMark() const;

    /// \brief Chains the focus in the given order (the controls' tab order).
    static void setTabOrder(std::initializer_list<QWidget *> widgets);

signals:
    /// The window system asked to close the page (Alt+F4, task bar, end of session).
    void closeRequested();
    /// The window manager has given the page a frame other than the one its
    /// outer size counted with, so a position computed from it is off.
    void frameChanged();
    /// The page has taken a new size in a window: a position computed from
    /// its outer size is off.
    void resized();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QMargins frameMargins() const;
    /// Lays the controls out at the scale that the window's state gives.
    void layOut();
    /// Fixes the window's size to the client area at the session's scale.
    void fixSize();

    Session &m_session;
    Announcer *m_announcer;
    QPointer<Button> m_default;
    mutable QMargins m_counted; ///< the frame that outerSizeTwips() last counted
    QPointer<Button> m_cancel;
    Tw m_client;         ///< the client area, in twips
    double m_zoom = 1.0; ///< the scale the controls are laid out at
    QPoint m_offset;     ///< where the page's client area starts (full screen)
    QWidget *m_pauseMark = nullptr;
    bool m_reframe = false; ///< full screen: to be placed again when framed, after it
};

} // namespace tk
