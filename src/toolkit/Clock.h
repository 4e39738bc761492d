#pragma once

#include <QtGlobal>
#include <vector>

namespace tk {

class Timer;

/// \brief The time of the course's timers: the tick being handled now, and
/// the pause that holds every timer.
class Clock final {
public:
    /// \brief When the timer tick being handled now was due, on a steady
    /// clock (ns); -1 when no tick is being handled.
    qint64 tickDue() const { return m_tickDue; }
    void setTickDue(qint64 due) { m_tickDue = due; }

    /// \brief Holds every timer: no tick while paused, and on resuming each
    /// timer goes on with what was left of its interval.
    void setPaused(bool paused);
    bool isPaused() const { return m_paused; }

    /// The timers register themselves.
    void attach(Timer *timer);
    void detach(Timer *timer);

private:
    qint64 m_tickDue = -1;
    bool m_paused = false;
    std::vector<Timer *> m_timers;
};

} // namespace tk
