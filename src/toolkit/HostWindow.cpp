#include "toolkit/HostWindow.h"
#include "toolkit/CaptionBar.h"
#include "toolkit/ClickGuard.h"
#include "toolkit/ColourScheme.h"
#include "toolkit/FrameHints.h"
#include "toolkit/PageWindow.h"
#include "toolkit/Session.h"
#include "toolkit/TextBox.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace tk {
namespace {

// Time for a window manager to frame a window that leaves full screen.
constexpr int ReframeDelayMs = 200;
// A window manager's frame, before it has framed the window: a title bar and
// thin borders, as the desktops' largest.
constexpr QMargins GuessedFrame(8, 40, 8, 8);

// A title bar with a close button and no other; on Wayland, no decorations
// from Qt, which would offer minimise, maximise and resizing: the course
// draws its own title bar there.
Qt::WindowFlags hostFlags() {
    if (CaptionBar::wanted())
        return Qt::Window | Qt::FramelessWindowHint;
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
           Qt::MSWindowsFixedSizeDialogHint;
}

} // namespace

HostWindow::HostWindow(Session &session)
    : QWidget(nullptr, hostFlags()), m_session(session), m_clicks(new ClickGuard(*this)) {
    setObjectName(QStringLiteral("Cours"));
    // The course's own grey, whatever the desktop's palette, where no page is laid.
    setPalette(coursePalette());
    setAutoFillBackground(true);
    m_announcer = new Announcer(this);
    if (CaptionBar::wanted()) {
        m_caption = new CaptionBar(this);
        connect(m_caption, &CaptionBar::closeClicked, this, &HostWindow::closeRequested);
    }
}

int HostWindow::captionHeight() const {
    return m_caption && !isFullScreenNow() && !m_session.appearance().fullScreen()
               ? CaptionBar::Height
               : 0;
}

void HostWindow::present(PageWindow *page) {
    m_page = page;
    const QString caption = page->windowTitle();
    setWindowTitle(caption);
    setAccessibleName(caption.trimmed());
    setWindowIcon(page->icon());
    applyScale();
    page->show();
    page->raise();
    if (m_mark)
        m_mark->raise();
    if (!isVisible())
        show();
    else
        raise();
    activateWindow();
}

void HostWindow::withdraw(PageWindow *page) {
    if (page != m_page)
        return; // the next page is already shown
    m_page = nullptr;
    hide();
}

PageWindow *HostWindow::page() const {
    return m_page.data();
}

void HostWindow::bringToFront() {
    if (!isVisible())
        return;
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void HostWindow::applyScale() {
    const bool full = m_session.appearance().fullScreen();
    if (full != isFullScreenNow()) {
        if (full) {
            setMinimumSize(0, 0);
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            // The screen's size at once, as the X window manager will give
            // it. A Wayland compositor gives it with the state, and applies
            // the state only with a new frame of the window, which a window
            // already at the screen's size would not send.
            if (!m_caption)
                setGeometry(screen()->geometry());
            setWindowState(windowState() | Qt::WindowFullScreen);
        } else {
            setWindowState(windowState() & ~Qt::WindowFullScreen);
        }
    }
    if (!full)
        fixSize();
    layOutPage();
}

void HostWindow::fixSize() {
    if (!m_page)
        return;
    const QSize scaled =
        m_page->clientSize(m_session.appearance().zoom()) + QSize(0, captionHeight());
    if (minimumSize() == scaled && maximumSize() == scaled && size() == scaled)
        return;
    setFixedSize(scaled);
    emit resized();
}

void HostWindow::layOutPage() {
    const int top = captionHeight();
    if (m_caption) {
        m_caption->setGeometry(0, 0, width(), top);
        m_caption->setVisible(top > 0);
    }
    if (!m_page)
        return;
    m_page->setGeometry(rect().adjusted(0, top, 0, 0));
    m_page->layOut();
    if (m_mark) {
        m_mark->setZoom(m_page->m_zoom, m_page->m_offset + m_page->pos());
        m_mark->raise();
    }
}

void HostWindow::setMark(const Mark &mark) {
    m_mark = showMark(m_mark, this, QStringLiteral("Marque"), mark);
    if (!mark.words.isEmpty())
        layOutPage();
}

QString HostWindow::mark() const {
    return m_mark && !m_mark->isHidden() ? m_mark->text() : QString();
}

void HostWindow::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    // Out of full screen, a window manager may give back the size the
    // window had before: the window asks for the page's again.
    if (!isFullScreenNow() && !m_session.appearance().fullScreen())
        fixSize();
    layOutPage();
}

void HostWindow::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;

    // The window manager has the last word on full screen: the window follows
    // the state it reports, back to the page's size when it leaves full screen.
    if (isFullScreenNow()) {
        m_reframe = true;
    } else if (!m_session.appearance().fullScreen()) {
        fixSize();
        if (m_reframe) {
            // Out of full screen the frame comes back a moment after the
            // state, and a window placed before is placed without it: it is
            // placed again once the window manager has framed it.
            m_reframe = false;
            QTimer::singleShot(ReframeDelayMs, this, [this] {
                if (isVisible() && !isFullScreenNow())
                    emit frameChanged();
            });
        }
    }
    layOutPage();
}

QMargins HostWindow::frameMargins() const {
    const QWindow *window = windowHandle();
    // A window not shown yet has no frame of its own: the one last seen.
    const QMargins own = window ? window->frameMargins() : QMargins();
    if (!own.isNull())
        m_frame = own;
    return m_frame;
}

QSizeF HostWindow::outerSizeTwips() const {
    m_counted = frameMargins();
    const QSize outer = size().grownBy(m_counted);
    return QSizeF(outer) * TwipsPerPixel;
}

void HostWindow::setPositionTwips(double left, double top) {
    move(px(left), px(top));
}

bool HostWindow::fits(QSize client) const {
    const QScreen *shown = screen();
    if (!shown)
        return true;
    const bool framed = m_caption || !frameMargins().isNull();
    const QSize outer = (client + QSize(0, m_caption ? CaptionBar::Height : 0))
                            .grownBy(framed ? frameMargins() : GuessedFrame);
    const QSize area = shown->availableGeometry().size();
    return outer.width() <= area.width() && outer.height() <= area.height();
}

bool HostWindow::event(QEvent *event) {
    if (event->type() == QEvent::Show) {
        restrictFrame(*this); // the native window exists and is not mapped yet
        windowHandle()->removeEventFilter(m_clicks);
        windowHandle()->installEventFilter(m_clicks);
    }
    const bool handled = QWidget::event(event);
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Expose:
        // The window manager frames a window once it is on screen.
        if (isVisible() && windowHandle() && !windowHandle()->frameMargins().isNull() &&
            windowHandle()->frameMargins() != m_counted)
            emit frameChanged();
        break;
    default:
        break;
    }
    return handled;
}

void HostWindow::keyPressEvent(QKeyEvent *event) {
    // With no control focused, the keys come to the window: Enter and Escape
    // are the page's.
    if (m_page && PageWindow::isPageKey(event))
        m_page->pageKey(event);
    else
        QWidget::keyPressEvent(event);
}

void HostWindow::closeEvent(QCloseEvent *event) {
    event->ignore();
    emit closeRequested();
}

} // namespace tk
