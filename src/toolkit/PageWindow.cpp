#include "PageWindow.h"
#include "Button.h"
#include "Colours.h"

#include "Fonts.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>

namespace tk {

namespace {
// What the window system adds around a window (frame and caption), as seen on
// the last page shown; a page not shown yet has no frame of its own to measure.
QSize g_decoration;
} // namespace

PageWindow::PageWindow(const QString &name, const QString &caption, QSize clientTwips,
                       Border border)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(name);
    setWindowTitle(caption);
    setAccessibleName(caption.trimmed());
    const QSize client(px(clientTwips.width()), px(clientTwips.height()));
    if (border == Border::Fixed)
        setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(client);
    QPalette pal = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Window, PageGrey);
        pal.setColor(group, QPalette::WindowText, WindowText);
    }
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(fonts::font(fonts::Pt8_25));
}

void PageWindow::showPage() {
    show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        raise(); // (the offscreen platform has no stacking order)
    activateWindow();
    if (frameGeometry().size() != size())
        g_decoration = frameGeometry().size() - size();
    const QWidget *focus = focusWidget();
    if (!focus || !focus->isVisible())
        focusNextChild();
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

QSizeF PageWindow::outerSizeTwips() const {
    const QSize frame = frameGeometry().size();
    const QSize outer = frame != size() ? frame : size() + g_decoration;
    return QSizeF(outer) * TwipsPerPixel;
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
