#include "toolkit/Clock.h"
#include "toolkit/Timer.h"

#include <algorithm>

namespace tk {

void Clock::setPaused(bool paused) {
    if (paused == m_paused)
        return;
    m_paused = paused;
    for (Timer *timer : m_timers)
        timer->setHeld(paused);
}

void Clock::attach(Timer *timer) {
    m_timers.push_back(timer);
    if (m_paused)
        timer->setHeld(true);
}

void Clock::detach(Timer *timer) {
    m_timers.erase(std::remove(m_timers.begin(), m_timers.end(), timer), m_timers.end());
}

} // namespace tk
