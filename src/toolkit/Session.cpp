#include "toolkit/Session.h"
#include "toolkit/Bell.h"
#include "toolkit/HostWindow.h"
#include "toolkit/Timer.h"

#include <algorithm>

namespace tk {

Session::Session() = default;

// The window goes with the session, after the pages that it shows.
Session::~Session() = default;

HostWindow &Session::window() {
    if (!m_window)
        m_window = std::make_unique<HostWindow>(*this);
    return *m_window;
}

void Session::beep() {
    if (!m_soundOn)
        return;
    ++m_beeps;
    Bell::ring();
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
