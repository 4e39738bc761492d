#include "Timer.h"

namespace tk {

Timer::Timer(QObject *parent, const QString &name, int intervalMs, bool enabled) : QObject(parent) {
    setObjectName(name);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &Timer::tick);
    setEnabled(enabled);
}

void Timer::setEnabled(bool enabled) {
    if (!enabled)
        m_timer.stop();
    else if (!m_timer.isActive())
        m_timer.start();
}

bool Timer::fire() {
    if (!isEnabled())
        return false;
    emit tick();
    return true;
}

} // namespace tk
