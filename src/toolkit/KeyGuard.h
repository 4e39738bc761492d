#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QWindow;

namespace tk {

/// \brief Makes a held-down key act once, whatever the window system says
/// about repeats.
///
/// It watches the keys that press buttons (Enter, Escape, and Space on a
/// button) as the window system hands them to the course's windows, and lets
/// a press through only if the key has been released since the last press it
/// let through. X11 sends a held key as pairs of release and press with the
/// same time, and flags them as repeats only when both are already queued; a
/// press that comes at the very time of the key's last release is such a
/// repeat, flagged or not.
class KeyGuard final : public QObject {
    Q_OBJECT
public:
    explicit KeyGuard(QObject *parent = nullptr);

    /// \brief Guards every window of the application (once; later calls do nothing).
    static void installOnApplication();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct KeyState {
        bool down = false;        ///< a press was let through and no release seen since
        bool released = false;    ///< a release has been seen
        ulong releasedAt = 0;     ///< the time of the last release
        QPointer<QObject> window; ///< the window that took the press let through
    };

    static bool isActionKey(int key);
    static bool isGuardedNow(int key, const QWindow *window);

    QHash<int, KeyState> m_keys;
};

} // namespace tk
