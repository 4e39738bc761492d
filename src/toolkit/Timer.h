#pragma once

#include "toolkit/Clock.h"
#include <QObject>

#include <QTimer>
#include <memory>

namespace tk {

/// \brief A page timer: an interval and an enabled flag.
///
/// While enabled it ticks every interval (a precise timer: never early, never
/// coarse). A tick handler that disables its timer first and enables it again
/// at its end makes one step per tick; enabling restarts the interval, counted
/// from when the tick being handled was due if there is one, so that neither
/// drawing time nor lateness accumulates over an animation. Tests call fire() to deliver a
/// tick at once, without waiting.
class Timer final : public QObject {
    Q_OBJECT
public:
    Timer(QObject *parent, const QString &name, int intervalMs, bool enabled = false);

    ~Timer() override;

    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }
    int interval() const { return m_interval; }

    /// \brief Delivers one tick now if the timer is enabled and not held;
    /// returns whether it did.
    bool fire();

    /// \brief Holds the timer (the course is paused): no tick until it is
    /// let go, and then the next tick comes after what was left of the
    /// interval. It stays enabled or not, and may be enabled or disabled
    /// meanwhile.
    void setHeld(bool held);

signals:
    void tick();

private:
    void deliver(qint64 due);
    void startTowards(qint64 due);
    /// What is left of the interval until the next tick is due (ns).
    qint64 leftOfInterval() const;

    QTimer m_timer;
    int m_interval;
    Clock *m_clock;                    ///< its page's course's, or its own
    std::unique_ptr<Clock> m_ownClock; ///< for a timer outside any page
    qint64 m_due = 0;                  ///< when the next tick is due, on a steady clock (ns)
    bool m_enabled = false;
    bool m_held = false;
    qint64 m_left = 0; ///< while held: what was left of the interval (ns)
};

} // namespace tk
