#include "toolkit/ClickGuard.h"
#include "toolkit/HostWindow.h"
#include "toolkit/PageWindow.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

namespace tk {

ClickGuard::ClickGuard(HostWindow &window) : QObject(&window), m_window(window) {}

bool ClickGuard::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QStyleHints *hints = QGuiApplication::styleHints();
        const bool series =
            m_pressedOn &&
            mouse->timestamp() - m_pressedAt < ulong(hints->mouseDoubleClickInterval()) &&
            (mouse->position() - m_pressedWhere).manhattanLength() <=
                hints->mouseDoubleClickDistance();
        m_pressedAt = mouse->timestamp();
        m_pressedWhere = mouse->position();
        QWidget *under = m_window.childAt(mouse->position().toPoint());
        if (!series) {
            m_pressedOn = m_window.page();
            m_pressedControl = under;
        }
        m_dropping = m_pressedOn != m_window.page() || m_pressedControl != under;
        return m_dropping;
    }
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        return m_dropping;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace tk
