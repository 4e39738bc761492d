#include "toolkit/KeyGuard.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>

namespace tk {

KeyGuard::KeyGuard(QObject *parent) : QObject(parent) {}

void KeyGuard::installOnApplication() {
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || app->findChild<KeyGuard *>(QString(), Qt::FindDirectChildrenOnly))
        return;
    app->installEventFilter(new KeyGuard(app));
}

bool KeyGuard::isActionKey(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Space:
    case Qt::Key_Select:
        return true;
    default:
        return false;
    }
}

bool KeyGuard::isGuardedNow(int key, const QWindow *window) {
    if (key != Qt::Key_Space && key != Qt::Key_Select)
        return true;
    // On a button; in a text box a held space types spaces.
    return qobject_cast<QAbstractButton *>(window->focusObject()) != nullptr;
}

bool KeyGuard::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::ApplicationDeactivate) {
        m_keys.clear(); // releases made elsewhere are not seen
        return false;
    }
    // Each key event reaches a window first, then the widget with the focus;
    // looking at it once, at the window, is enough.
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWindowType())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (!isActionKey(key->key()))
        return false;
    KeyState &state = m_keys[key->key()];
    if (type == QEvent::KeyRelease) {
        if (!key->isAutoRepeat()) {
            state.down = false;
            state.released = true;
            state.releasedAt = key->timestamp();
        }
        return false;
    }
    if (!isGuardedNow(key->key(), static_cast<const QWindow *>(watched)))
        return false;
    if (key->isAutoRepeat())
        return true;
    // A key that moved the course to another page was released over a window
    // that the move hid: that release never reaches the course. A press on
    // another window than the last one's comes after a release, seen or not
    // (a held key's repeats come as pairs, the release first).
    if (state.down && state.window != watched)
        state.down = false;
    const bool repeat = state.down || (state.released && key->timestamp() != 0 &&
                                       key->timestamp() == state.releasedAt);
    state.down = true;
    state.window = watched;
    return repeat;
}

} // namespace tk
