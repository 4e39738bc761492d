#include "toolkit/Session.h"
#include "toolkit/Timer.h"

#include <QApplication>
#include <algorithm>

namespace tk {

void Session::beep() {
    if (!m_soundOn)
        return;
    ++m_beeps;
    QApplication::beep();
}

void Session::setPaused(bool paused) {
    if (paused == m_paused)
        return;
    m_paused = paused;
    for (Timer *timer : m_timers)
        timer->setHeld(paused);
}

void Session::attach(Timer *timer) {
    m_timers.push_back(timer);
    if (m_paused)
        timer->setHeld(true);
}

void Session::detach(Timer *timer) {
    m_timers.erase(std::remove(m_timers.begin(), m_timers.end(), timer), m_timers.end());
}

} // namespace tk
