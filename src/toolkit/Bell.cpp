#include "toolkit/Bell.h"

#include <QApplication>
#include <QPointer>

#if defined(COURSE_WITH_CANBERRA)
#include <canberra.h>
#endif

namespace tk {
namespace {

// Later than that, a beep no longer goes with what the learner did.
constexpr std::chrono::milliseconds LateBeep(250);

QPointer<Bell> &theBell() {
    static QPointer<Bell> bell;
    return bell;
}

} // namespace

void Bell::install() {
#if defined(COURSE_WITH_CANBERRA)
    if (theBell() || !qApp)
        return;
    // Owned by the application: the thread ends with it.
    auto *bell = new Bell;
    bell->setParent(qApp);
    theBell() = bell;
#endif
}

void Bell::ring() {
    Bell *bell = theBell();
    if (!bell) {
        QApplication::beep();
        return;
    }
    {
        std::lock_guard lock(bell->m_mutex);
        if (!bell->m_failed) {
            bell->m_pending.push_back(std::chrono::steady_clock::now());
            bell->m_wake.notify_one();
            return;
        }
    }
    QApplication::beep();
}

Bell::Bell() : m_thread([this] { run(); }) {}

Bell::~Bell() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_pending.clear(); // what was not played by now is not played
    }
    m_wake.notify_one();
    m_thread.join();
}

void Bell::fallBack() {
    QMetaObject::invokeMethod(
        qApp, [] { QApplication::beep(); }, Qt::QueuedConnection);
}

void Bell::run() {
#if defined(COURSE_WITH_CANBERRA)
    ca_context *context = nullptr;
    int status = ca_context_create(&context);
    if (status == CA_SUCCESS)
        status = ca_context_change_props(
            context, CA_PROP_APPLICATION_NAME, "Transformateur d'impulsions",
            CA_PROP_APPLICATION_ID, "fr.ferrite.transformateur_impulsions",
            CA_PROP_APPLICATION_ICON_NAME, "fr.ferrite.transformateur_impulsions", nullptr);
    if (status == CA_SUCCESS)
        status = ca_context_open(context);
    int played = 0;
    for (;;) {
        std::unique_lock lock(m_mutex);
        if (status != CA_SUCCESS && !m_failed) {
            // No sound server: this beep and every later one are the
            // window system's bell.
            m_failed = true;
            for (; !m_pending.empty(); m_pending.pop_front())
                fallBack();
        }
        m_wake.wait(lock, [this] { return m_stopping || !m_pending.empty(); });
        if (m_stopping)
            break;
        const auto asked = m_pending.front();
        m_pending.pop_front();
        lock.unlock();
        // Where the sound system plays one sound at a time, a beep that could
        // not start in time would come after the action it goes with: it is
        // left out.
        if (std::chrono::steady_clock::now() - asked > LateBeep)
            continue;
        // The desktop's bell, as an alert: the sound server plays it at the
        // volume the desktop gives to alerts, or not at all where the desktop
        // turned them off.
        status =
            ca_context_play(context, ++played, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                            "Bip", CA_PROP_MEDIA_ROLE, "event", nullptr);
        if (status == CA_ERROR_DISABLED)
            status = CA_SUCCESS; // the desktop's alert sounds are off: silence
        else if (status != CA_SUCCESS)
            fallBack(); // this one is heard all the same
    }
    if (context)
        ca_context_destroy(context);
#endif
}

} // namespace tk
