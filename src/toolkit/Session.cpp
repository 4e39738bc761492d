#include "toolkit/Session.h"
#include "toolkit/Bell.h"
#include "toolkit/ColourScheme.h"
#include "toolkit/HostWindow.h"
#include "toolkit/Timer.h"

#include "palette/Palette.h"

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

QColor Session::shown(const QColor &colour, double ratio) const {
    if (!m_highContrast)
        return colour;
    const quint64 key = quint64(colour.rgba()) << 8 | quint64(qRound(ratio * 10));
    auto found = m_shown.constFind(key);
    if (found == m_shown.cend())
        found = m_shown.insert(key, withContrast(colour, palette::PageGrey, ratio).rgba());
    return QColor::fromRgba(*found);
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
