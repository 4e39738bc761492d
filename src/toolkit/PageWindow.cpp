#include "toolkit/PageWindow.h"
#include "toolkit/Button.h"
#include "toolkit/ColourScheme.h"
#include "toolkit/FrameHints.h"

#include "fonts/Fonts.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

namespace tk {

PageWindow::PageWindow(Session &session, const QString &name, const QString &caption,
                       QSize clientTwips, Border border)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_session(session), m_announcer(new Announcer(this)) {
    accessibility::install();
    setObjectName(name);
    setWindowTitle(caption);
    setAccessibleName(caption.trimmed());
    const QSize client(px(clientTwips.width()), px(clientTwips.height()));
    if (border == Border::Fixed)
        setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(client);
    // The course's own colours, whatever the desktop's palette: every role is
    // set, so nothing on the page follows the application's palette.
    setPalette(coursePalette());
    setAutoFillBackground(true);
    setFont(fonts::font(fonts::Pt8_25));
}

void PageWindow::showPage() {
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
