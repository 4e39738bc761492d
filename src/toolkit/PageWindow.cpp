#include "toolkit/PageWindow.h"
#include "toolkit/Button.h"
#include "toolkit/ColourScheme.h"
#include "toolkit/FrameHints.h"
#include "toolkit/TextBox.h"

#include "palette/Palette.h"

#include "fonts/Fonts.h"

#include <QAccessible>
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

} // namespace

PageWindow::PageWindow(Session &session, const QString &name, const QString &caption,
                       QSize clientTwips, Border border)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_session(session), m_announcer(new Announcer(this)) {
    accessibility::install();
    setObjectName(name);
    setWindowTitle(caption);
    setAccessibleName(caption.trimmed());
    m_client = Tw{0, 0, clientTwips.width(), clientTwips.height()};
    if (border == Border::Fixed)
        setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(m_client.toPixels().size());
    // The course's own colours, whatever the desktop's palette: every role is
    // set, so nothing on the page follows the application's palette.
    setPalette(coursePalette());
    setAutoFillBackground(true);
    setFont(fonts::font(fonts::Pt8_25));
}

void PageWindow::showPage() {
    applyScale();
    show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        raise(); // (the offscreen platform has no stacking order)
    activateWindow();
    for (QWidget *w : findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        QAccessibleEvent shown(w, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
    const QWidget *focus = focusWidget();
    if (!focus || !focus->isVisible())
        focusNextChild();
}

void PageWindow::bringToFront() {
    if (!isVisible())
        return;
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void PageWindow::applyScale() {
    const bool full = m_session.fullScreen();
    if (full != bool(windowState() & Qt::WindowFullScreen)) {
        if (full) {
            setMinimumSize(0, 0);
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            // The screen's size at once, as the window system will give it.
            setGeometry(screen()->geometry());
            setWindowState(windowState() | Qt::WindowFullScreen);
        } else {
            setWindowState(windowState() & ~Qt::WindowFullScreen);
        }
    }
    if (!full)
        fixSize();
    layOut();
}

void PageWindow::fixSize() {
    const QSize scaled = m_client.toPixels(m_session.zoom()).size();
    if (minimumSize() == scaled && maximumSize() == scaled && size() == scaled)
        return;
    setFixedSize(scaled);
    emit resized();
}

void PageWindow::layOut() {
    double zoom = m_session.zoom();
    QPoint offset;
    if (windowState() & Qt::WindowFullScreen) {
        // The largest scale that fits the screen, the page centred on its grey.
        const QSize area = size();
        const QSize client = m_client.toPixels().size();
        zoom = qMin(double(area.width()) / client.width(), double(area.height()) / client.height());
        offset = QPoint(qRound((area.width() - client.width() * zoom) / 2),
                        qRound((area.height() - client.height() * zoom) / 2));
    }
    if (zoom == m_zoom && offset == m_offset)
        return;
    m_zoom = zoom;
    m_offset = offset;
    for (QWidget *child : findChildren<QWidget *>()) {
        if (auto *scaled = dynamic_cast<Scaled *>(child))
            scaled->setZoom(zoom, child->parentWidget() == this ? offset : QPoint());
    }
}

void PageWindow::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    // Out of full screen, a window manager may give back the size the
    // window had before: the page asks for its own again.
    if (!(windowState() & Qt::WindowFullScreen) && !m_session.fullScreen())
        fixSize();
    layOut();
}

void PageWindow::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // The window manager has the last word on full screen: the page follows
    // the state it reports, back to its fixed size when it leaves full screen.
    const bool full = windowState() & Qt::WindowFullScreen;
    if (full) {
        m_reframe = true;
    } else if (!m_session.fullScreen()) {
        fixSize();
        if (m_reframe) {
            // Out of full screen the frame comes back a moment after the
            // state, and a page placed before is placed without it: it is
            // placed again once the window manager has framed it.
            m_reframe = false;
            QTimer::singleShot(ReframeDelayMs, this, [this] {
                if (isVisible() && !(windowState() & Qt::WindowFullScreen))
                    emit frameChanged();
            });
        }
    }
    layOut();
}

void PageWindow::showPauseMark(bool shown) {
    if (!m_pauseMark && !shown)
        return;
    if (!m_pauseMark) {
        // Low on the left, where no page has a control.
        auto *mark = new TextBox(this, QStringLiteral("MarquePause"), {120, 6480, 1200, 255},
                                 TextStyle{.pixelSize = 11, .italic = true});
        mark->setText(QStringLiteral("Pause"));
        mark->setForeground(palette::Maroon);
        mark->setAccessibleName(QStringLiteral("Pause"));
        mark->setZoom(m_zoom, m_offset);
        m_pauseMark = mark;
    }
    m_pauseMark->setVisible(shown);
    if (shown)
        m_pauseMark->raise();
}

bool PageWindow::showsPauseMark() const {
    return m_pauseMark && m_pauseMark->isVisible();
}

void PageWindow::announce(const QString &message) {
    m_announcer->announce(message);
}

QString PageWindow::lastAnnouncement() const {
    return m_announcer->message();
}

void PageWindow::hidePage() {
    hide();
    // A hidden page gives its native window and backing store back to the
    // window system; showing it makes them again (its widgets, texts and
    // drawings are untouched). Thirteen hidden pages would otherwise hold a
    // full-size backing store each.
    if (testAttribute(Qt::WA_WState_Created))
        destroy(true, true);
}

void PageWindow::keepFocus() {
    if (!isVisible())
        return;
    const QWidget *focus = focusWidget();
    if (focus && focus->isVisible())
        return;
    if (m_default && m_default->isVisible() && m_default->isEnabled())
        m_default->setFocus();
    else
        focusNextChild();
}

void PageWindow::setDefaultButton(Button *button) {
    if (m_default)
        m_default->setDefault(false);
    m_default = button;
    if (button)
        button->setDefault(true); // also tells accessibility clients
}

QMargins PageWindow::frameMargins() const {
    const QWindow *window = windowHandle();
    // A page not shown yet has no frame of its own: the one last seen.
    const QMargins own = window ? window->frameMargins() : QMargins();
    if (!own.isNull())
        m_session.setFrame(own);
    return own.isNull() ? m_session.frame() : own;
}

QSizeF PageWindow::outerSizeTwips() const {
    m_counted = frameMargins();
    const QSize outer = size().grownBy(m_counted);
    return QSizeF(outer) * TwipsPerPixel;
}

bool PageWindow::event(QEvent *event) {
    if (event->type() == QEvent::Show)
        restrictFrameToMove(*this); // the native window exists and is not mapped yet
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

void PageWindow::setPositionTwips(double left, double top) {
    move(px(left), px(top));
}

void PageWindow::setTabOrder(std::initializer_list<QWidget *> widgets) {
    QWidget *previous = nullptr;
    for (QWidget *w : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

bool PageWindow::isPageKey(const QKeyEvent *event) {
    const int key = event->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

void PageWindow::keyPressEvent(QKeyEvent *event) {
    const int key = event->key();
    if (!isPageKey(event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat())
        return; // a held-down key acts once
    if (key == Qt::Key_Escape) {
        if (m_cancel)
            m_cancel->press();
        return;
    }
    if (auto *focused = qobject_cast<Button *>(focusWidget()); focused && focused->isVisible())
        focused->press();
    else if (m_default)
        m_default->press();
}

void PageWindow::closeEvent(QCloseEvent *event) {
    event->ignore();
    emit closeRequested();
}

} // namespace tk
