#include "toolkit/Timer.h"

#include "toolkit/PageWindow.h"

#include <QElapsedTimer>
#include <cmath>

namespace tk {
namespace {

// A steady clock, in nanoseconds.
qint64 now() {
    static const QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.nsecsElapsed();
}

// The clock of the course of the page that the timer belongs to, if it
// belongs to one.
Clock *clockOf(QObject *object) {
    for (; object; object = object->parent())
        if (auto *page = qobject_cast<PageWindow *>(object))
            return &page->session().clock();
    return nullptr;
}

} // namespace

Timer::Timer(QObject *parent, const QString &name, int intervalMs, bool enabled)
    : QObject(parent), m_interval(intervalMs), m_clock(clockOf(parent)) {
    if (!m_clock) {
        m_ownClock = std::make_unique<Clock>();
        m_clock = m_ownClock.get();
    }
    m_clock->attach(this);
    setObjectName(name);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        const qint64 due = m_due;
        m_due += qint64(m_interval) * 1000000;
        if (m_timer.interval() != m_interval)
            m_timer.setInterval(m_interval); // after a shortened first interval
        deliver(due);
    });
    setEnabled(enabled);
}

Timer::~Timer() {
    m_clock->detach(this);
}

void Timer::setEnabled(bool enabled) {
    if (!enabled) {
        m_enabled = false;
        m_timer.stop();
        return;
    }
    if (m_enabled)
        return;
    m_enabled = true;
    // A tick far behind (the machine was busy) is not made up for in a burst:
    // at most half an interval is caught up.
    const qint64 halfInterval = qint64(m_interval) * 500000;
    // When the tick being handled now was due: a timer enabled during a tick
    // counts its interval from there, so neither the time the handler takes
    // nor the lateness of the tick adds up over a long chain of steps.
    const qint64 tickDue = m_clock->tickDue();
    const qint64 from = tickDue >= 0 ? qMax(tickDue, now() - halfInterval) : now();
    m_due = from + qint64(m_interval) * 1000000;
    if (m_held) {
        m_left = leftOfInterval();
        return;
    }
    startTowards(m_due);
}

qint64 Timer::leftOfInterval() const {
    return qBound(qint64(0), m_due - now(), qint64(m_interval) * 1000000);
}

void Timer::startTowards(qint64 due) {
    const double left = double(due - now()) / 1e6;
    m_timer.start(int(std::lround(qBound(0.0, left, double(m_interval)))));
}

void Timer::setHeld(bool held) {
    if (held == m_held)
        return;
    m_held = held;
    if (held) {
        if (m_enabled)
            m_left = leftOfInterval();
        m_timer.stop();
        return;
    }
    if (!m_enabled)
        return;
    // The interval goes on from where it was held.
    m_due = now() + m_left;
    startTowards(m_due);
}

bool Timer::fire() {
    if (!m_enabled || m_held)
        return false;
    deliver(now());
    return true;
}

void Timer::deliver(qint64 due) {
    Clock *clock = m_clock;
    QPointer<Timer> self(this);
    QPointer<PageWindow> page = PageWindow::of(qobject_cast<QWidget *>(parent()));
    const qint64 outer = clock->tickDue();
    clock->setTickDue(due);
    emit tick();
    clock->setTickDue(outer);
    // A timer that stops has ended a step of its page: as after a button's
    // handler, the focus goes where the keyboard can go on.
    if (page && self && !self->m_enabled)
        page->keepFocus();
}

} // namespace tk
