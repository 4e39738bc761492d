#include "toolkit/PageWindow.h"
#include "toolkit/Button.h"
#include "toolkit/ColourScheme.h"
#include "toolkit/HostWindow.h"
#include "toolkit/ImageBox.h"
#include "toolkit/PlotSurface.h"
#include "toolkit/TextBox.h"

#include "palette/Palette.h"

#include "fonts/Fonts.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

namespace tk {

PageWindow::PageWindow(Session &session, const QString &name, const QString &caption,
                       QSize clientTwips)
    : QWidget(&session.window()), m_session(session) {
    accessibility::install();
    hide(); // until the course shows it
    setObjectName(name);
    setWindowTitle(caption);
    setAccessibleName(caption.trimmed());
    m_client = Tw{0, 0, clientTwips.width(), clientTwips.height()};
    resize(m_client.toPixels().size());
    // The course's own colours, whatever the desktop's palette: every role is
    // set, so nothing on the page follows the application's palette.
    setPalette(coursePalette());
    setAutoFillBackground(true);
    setFont(fonts::font(fonts::Pt8_25));
}

PageWindow *PageWindow::of(const QWidget *widget) {
    for (QWidget *w = const_cast<QWidget *>(widget); w; w = w->parentWidget())
        if (auto *page = qobject_cast<PageWindow *>(w))
            return page;
    return nullptr;
}

QIcon PageWindow::icon() const {
    return m_icon.isNull() ? QApplication::windowIcon() : m_icon;
}

void PageWindow::showPage() {
    // The focus the page had when it was last shown, if that control is
    // still there to take it, as a window brought back gives it back.
    QPointer<QWidget> kept = focusWidget();
    m_session.window().present(this);
    for (QWidget *w : findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        QAccessibleEvent shown(w, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
    // A screen reader reads the page (its name and its reading) when the
    // focus moves into it, then the control that has the focus. Where no
    // control can take it (an animation that begins, the title page), the
    // focus holder holds it, so that the page is read all the same.
    if (kept && kept->isVisible() && kept->isEnabled() && kept->focusPolicy() != Qt::NoFocus)
        kept->setFocus();
    else if (!focusFirst())
        holdFocus();
}

bool PageWindow::focusFirst() {
    // The window's focus chain runs through every page; the page's own
    // controls in it are in the page's tab order.
    QWidget *w = window();
    for (QWidget *next = w->nextInFocusChain(); next != w; next = next->nextInFocusChain()) {
        if (isAncestorOf(next) && next->isVisible() && next->isEnabled() &&
            (next->focusPolicy() & Qt::TabFocus)) {
            next->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

QWidget *PageWindow::focusHolder() const {
    if (m_holder && m_holder->isVisible())
        return m_holder;
    return const_cast<PageWindow *>(this);
}

void PageWindow::holdFocus() {
    QWidget *holder = focusHolder();
    if (!holder->hasFocus())
        holder->setFocus(Qt::OtherFocusReason);
}

QString PageWindow::reading() const {
    struct Item {
        QRect place;
        QString words;
    };
    QList<Item> items;
    for (QWidget *w : findChildren<QWidget *>()) {
        if (!w->isVisibleTo(this))
            continue;
        QString words;
        if (const auto *box = qobject_cast<const TextBox *>(w)) {
            if (box->isLabel())
                continue; // a label of a picture, read with it
            words = box->plainText().simplified();
        } else if (const auto *plot = qobject_cast<const PlotSurface *>(w)) {
            words = plot->accessibleName();
            if (plot->isBeingDrawn())
                words += tr(" : tracé en cours…");
        } else if (qobject_cast<const ImageBox *>(w)) {
            words = w->accessibleName();
        }
        if (words.isEmpty())
            continue;
        // Each its own sentence, so that a reader pauses between them.
        if (!QStringLiteral(".!?:…").contains(words.back()))
            words += QLatin1Char('.');
        items.append({QRect(w->mapTo(this, QPoint(0, 0)), w->size()), words});
    }
    // Top to bottom, then left to right: tops a few pixels apart are one row.
    const int row = qMax(1, qRound(8 * m_zoom));
    std::stable_sort(items.begin(), items.end(), [row](const Item &a, const Item &b) {
        if (qAbs(a.place.top() - b.place.top()) >= row)
            return a.place.top() < b.place.top();
        return a.place.left() < b.place.left();
    });
    QStringList words;
    for (const Item &item : items)
        words << item.words;
    return words.join(QLatin1Char(' '));
}

void PageWindow::bringToFront() {
    if (isVisible())
        m_session.window().bringToFront();
}

void PageWindow::applyScale() {
    if (m_session.window().page() == this)
        m_session.window().applyScale();
    else
        layOut();
}

void PageWindow::layOut() {
    double zoom = m_session.appearance().zoom();
    QPoint offset;
    if (m_session.window().isFullScreenNow()) {
        // The largest scale that fits the screen, the page centred on its grey.
        const QSize area = size();
        const QSize client = clientSize();
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
    layOut();
}

void PageWindow::refreshColours() {
    for (TextBox *box : findChildren<TextBox *>())
        box->setForeground(box->foreground());
    for (PlotSurface *plot : findChildren<PlotSurface *>())
        plot->redraw();
}

void PageWindow::setMark(const Mark &mark) {
    m_mark = showMark(m_mark, this, QStringLiteral("MarquePage"), mark);
    if (!mark.words.isEmpty())
        m_mark->setZoom(m_zoom, m_offset);
}

QString PageWindow::mark() const {
    return m_mark && !m_mark->isHidden() ? m_mark->text() : QString();
}

void PageWindow::announce(const QString &message) {
    m_session.window().announcer().announce(message);
}

QString PageWindow::lastAnnouncement() const {
    return m_session.window().announcer().message();
}

void PageWindow::hidePage() {
    hide();
    m_session.window().withdraw(this);
}

void PageWindow::keepFocus() {
    if (!isVisible())
        return;
    const QWidget *focus = focusWidget();
    const bool held = focus == this || focus == m_holder;
    if (focus && focus->isVisible() && isAncestorOf(focus) && !held)
        return;
    if (m_default && m_default->isVisible() && m_default->isEnabled())
        m_default->setFocus();
    else if (!focusFirst())
        holdFocus();
}

void PageWindow::setDefaultButton(Button *button) {
    if (m_default)
        m_default->setDefault(false);
    m_default = button;
    if (button)
        button->setDefault(true); // also tells accessibility clients
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
    if (isPageKey(event))
        pageKey(event);
    else
        QWidget::keyPressEvent(event);
}

void PageWindow::pageKey(QKeyEvent *event) {
    event->accept();
    if (event->isAutoRepeat())
        return; // a held-down key acts once
    if (event->key() == Qt::Key_Escape) {
        if (m_cancel)
            m_cancel->press();
        return;
    }
    if (auto *focused = qobject_cast<Button *>(focusWidget()); focused && focused->isVisible())
        focused->press();
    else if (m_default)
        m_default->press();
}

} // namespace tk
