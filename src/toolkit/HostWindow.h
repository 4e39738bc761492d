#pragma once

#include "toolkit/Accessibility.h"
#include "toolkit/Mark.h"
#include "toolkit/Twips.h"

#include <QMargins>
#include <QPointer>
#include <QSizeF>
#include <QWidget>

namespace tk {

class CaptionBar;
class TextBox;
class ClickGuard;
class PageWindow;
class Session;

/// \brief The one top-level window of a course, which shows one page at a
/// time: its caption, icon and size are those of the page it shows.
///
/// Going from page to page changes what the window shows, never maps a new
/// window: no Wayland compositor lets a program place its windows, and each
/// new window would be placed (and animated in) anew. The window has a title
/// bar with no minimise or maximise button and a fixed size (on Wayland the
/// course draws that bar itself, CaptionBar); a close request
/// from the desktop is reported through closeRequested(), so the program can
/// end as a whole.
class HostWindow final : public QWidget {
    Q_OBJECT
public:
    explicit HostWindow(Session &session);

    /// \brief Shows \a page in the window: the window takes its caption, its
    /// icon and its size at the session's scale (or the screen, full screen),
    /// comes to the front and becomes the active window. The page shown
    /// before stays until it is withdrawn.
    void present(PageWindow *page);
    /// \brief The page has been hidden: if the window was showing it, nothing
    /// is left to show and the window is hidden.
    void withdraw(PageWindow *page);

    /// \brief Where the pages say something to the screen reader. It lies
    /// outside every page, so that a reader tells its message alone, not
    /// the page it is said on.
    Announcer &announcer() const { return *m_announcer; }
    /// \brief The page the window shows (null if none).
    PageWindow *page() const;

    /// \brief Brings the window back in front of the others, out of the task
    /// bar if it was put there, and makes it the active window.
    void bringToFront();

    /// \brief Takes the session's scale and full screen: the window's size or
    /// state, and the page laid out anew at the scale they give.
    void applyScale();
    /// \brief A mark of the course's state on whatever page is shown, in
    /// front of it (a mark without words: none).
    void setMark(const Mark &mark);
    /// The mark's words, if it is shown.
    QString mark() const;

    /// \brief Whether the window fills the screen now.
    bool isFullScreenNow() const { return windowState() & Qt::WindowFullScreen; }

    /// \brief Outer size of the window (frame and caption included), in twips:
    /// the client area plus the frame that the window manager gives it, or,
    /// before it has given one, the frame last seen (none before).
    QSizeF outerSizeTwips() const;
    /// \brief Places the window's outer top-left corner, in twips (fractions allowed).
    void setPositionTwips(double left, double top);
    /// \brief Whether a window showing a page of \a client pixels, its caption
    /// and frame included, fits the part of the screen that windows may take.
    /// Before the window manager has framed the window, its frame is guessed.
    bool fits(QSize client) const;

signals:
    /// The desktop asked to close the window (Alt+F4, a panel, the end of the session).
    void closeRequested();
    /// The window manager has given the window a frame other than the one its
    /// outer size counted with, so a position computed from it is off.
    void frameChanged();
    /// The window has taken a new size: a position computed from its outer
    /// size is off.
    void resized();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QMargins frameMargins() const;
    /// Fixes the window's size to the page's client area at the session's scale.
    void fixSize();
    /// The page fills the window below the caption bar, if any, and is laid
    /// out at the scale that its state gives.
    void layOutPage();
    /// The height of the caption bar that the course draws (0 if none, or full screen).
    int captionHeight() const;

    Session &m_session;
    QPointer<PageWindow> m_page;
    CaptionBar *m_caption = nullptr; ///< where the course draws its title bar
    Announcer *m_announcer;
    mutable QMargins m_frame;   ///< the frame last seen, kept for a window not framed yet
    mutable QMargins m_counted; ///< the frame that outerSizeTwips() last counted
    bool m_reframe = false;     ///< out of full screen: to be placed again once framed
    ClickGuard *m_clicks;       ///< the clicks of a series stay with the page clicked first
    TextBox *m_mark = nullptr;  ///< the mark of the course's state, if one was shown
};

} // namespace tk
