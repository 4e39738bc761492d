#pragma once

#include "toolkit/Accessibility.h"
#include "toolkit/Button.h"
#include "toolkit/Mark.h"
#include "toolkit/Session.h"
#include "toolkit/Twips.h"

#include <QIcon>
#include <QPointer>
#include <QWidget>
#include <initializer_list>

namespace tk {

/// \brief A page of the course: caption, fixed client size, grey background.
///
/// The pages of a course are shown one at a time in the session's one
/// window (HostWindow), which takes the caption, icon and size of the page it
/// shows. The page routes the keyboard as the course expects: Enter presses
/// the focused button, else the default button; Escape presses the cancel
/// button; held-down keys act once.
class PageWindow : public QWidget {
    Q_OBJECT
public:
    /// A page of the course whose toolkit state \a session holds, hidden.
    PageWindow(Session &session, const QString &name, const QString &caption, QSize clientTwips);

    /// \brief The page that holds \a widget (itself, if it is a page), or null.
    static PageWindow *of(const QWidget *widget);

    Session &session() const { return m_session; }
    /// \brief Sounds the system beep (through the session, which counts it).
    void beep() { m_session.sound().beep(); }

    /// \brief The icon of the window while it shows the page (the
    /// application's unless the page has one of its own).
    QIcon icon() const;
    void setIcon(const QIcon &icon) { m_icon = icon; }

    /// \brief The button that Enter presses when no button has the focus.
    void setDefaultButton(Button *button);
    void setCancelButton(Button *button) { m_cancel = button; }
    Button *defaultButton() const { return m_default; }
    Button *cancelButton() const { return m_cancel; }

    /// \brief Shows the page in the course's window, in front and active;
    /// when no visible control of the page holds the focus, the first one in
    /// the tab order takes it.
    void showPage();
    void hidePage();
    /// \brief Brings the window that shows the page back in front of the
    /// others, out of the task bar if it was put there, and makes it active.
    void bringToFront();

    /// \brief After a handler: if the shown page has no visible button or text
    /// with the focus, the default button takes it, else the first control in
    /// the tab order that can, so the keyboard can always go on; where none
    /// can, the focus holder holds it.
    void keepFocus();
    /// \brief What holds the focus while no control of the page can take it
    /// (the plot that an animation draws); the page itself when none is set.
    /// It takes no focus by the keyboard or the mouse.
    void setFocusHolder(QWidget *holder) { m_holder = holder; }
    QWidget *focusHolder() const;

    /// \brief What the page shows, as a screen reader reads it on arrival:
    /// its texts and the short names of its pictures, in reading order (top
    /// to bottom, then left to right), each a sentence of its own.
    QString reading() const;

    /// \brief Whether the key belongs to the page rather than to a control:
    /// Enter and Escape, routed to the default and cancel buttons.
    static bool isPageKey(const QKeyEvent *event);
    /// \brief Handles Enter or Escape for the page.
    void pageKey(QKeyEvent *event);

    /// \brief Tells the screen reader what has just changed on the page, without
    /// moving the focus.
    void announce(const QString &message);
    /// \brief The last message announced (empty if none).
    QString lastAnnouncement() const;

    /// \brief The client area at \a zoom, in logical pixels.
    QSize clientSize(double zoom = 1.0) const { return m_client.toPixels(zoom).size(); }
    /// \brief Shows the page at the session's scale: in a window of its client
    /// size times the scale, or full screen at the largest scale that fits,
    /// centred on the page's grey. Every control is laid out and drawn anew.
    /// showPage() does it; call it for the page on screen after a change.
    void applyScale();
    /// \brief The scale the controls are laid out at now (1 is 100 %).
    double shownZoom() const { return m_zoom; }
    /// \brief Draws every text and plot of the page again in the colours the
    /// session shows now (after high contrast is turned on or off).
    void refreshColours();
    /// \brief A mark of the page's state, in front of it (a mark without
    /// words: none).
    void setMark(const Mark &mark);
    /// The mark's words, if it is shown.
    QString mark() const;

    /// \brief Chains the focus in the given order (the controls' tab order).
    static void setTabOrder(std::initializer_list<QWidget *> widgets);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class HostWindow;
    /// Lays the controls out at the scale that the window's state gives.
    void layOut();
    /// Gives the focus to the first visible control of the page in the tab
    /// order; false when none can take it.
    bool focusFirst();
    /// Gives the focus to the focus holder, where no control can take it.
    void holdFocus();

    Session &m_session;
    QPointer<Button> m_default;
    QPointer<Button> m_cancel;
    QPointer<QWidget> m_holder;
    QIcon m_icon;
    Tw m_client;               ///< the client area, in twips
    double m_zoom = 1.0;       ///< the scale the controls are laid out at
    QPoint m_offset;           ///< where the page's client area starts (full screen)
    TextBox *m_mark = nullptr; ///< the mark of the page's state, if one was shown
};

} // namespace tk
