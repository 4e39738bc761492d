#include "toolkit/Bell.h"

#include <QApplication>
#include <QPointer>
#include <memory>

#if defined(COURSE_WITH_CANBERRA)
#include <QFile>
#include <canberra.h>
#include <dlfcn.h>
#include <sys/stat.h>
#endif

namespace tk {
namespace {

// Later than that, a beep no longer goes with what the learner did.
constexpr std::chrono::milliseconds LateBeep(250);

QPointer<Bell> &theBell() {
    static QPointer<Bell> bell;
    return bell;
}

#if defined(COURSE_WITH_CANBERRA)
// Whether a sound server may answer: one named by PULSE_SERVER, or the
// socket of the user's (PulseAudio or PipeWire) or of the system's. Where
// none is there, the sound libraries are not loaded at all.
bool soundServerNear() {
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const auto isSocket = [](const QString &path) {
        struct stat info {};
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISSOCK(info.st_mode);
    };
    return (!runtime.isEmpty() && isSocket(runtime + QStringLiteral("/pulse/native"))) ||
           isSocket(QStringLiteral("/run/pulse/native")) ||
           isSocket(QStringLiteral("/var/run/pulse/native"));
}

// The desktop's sound event library, loaded by the bell's thread when it
// starts rather than with the program: the program starts without it, and
// gives it back where no sound server answers.
class Canberra {
public:
    Canberra() : m_library(dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL)) {
        if (!m_library)
            return;
        create = reinterpret_cast<decltype(create)>(dlsym(m_library, "ca_context_create"));
        changeProps =
            reinterpret_cast<decltype(changeProps)>(dlsym(m_library, "ca_context_change_props"));
        setDriver =
            reinterpret_cast<decltype(setDriver)>(dlsym(m_library, "ca_context_set_driver"));
        open = reinterpret_cast<decltype(open)>(dlsym(m_library, "ca_context_open"));
        play = reinterpret_cast<decltype(play)>(dlsym(m_library, "ca_context_play"));
        destroy = reinterpret_cast<decltype(destroy)>(dlsym(m_library, "ca_context_destroy"));
    }
    ~Canberra() {
        if (m_library)
            dlclose(m_library);
    }
    Canberra(const Canberra &) = delete;
    Canberra &operator=(const Canberra &) = delete;

    bool loaded() const { return create && changeProps && setDriver && open && play && destroy; }

    int (*create)(ca_context **) = nullptr;
    int (*changeProps)(ca_context *, ...) = nullptr;
    int (*setDriver)(ca_context *, const char *) = nullptr;
    int (*open)(ca_context *) = nullptr;
    int (*play)(ca_context *, uint32_t, ...) = nullptr;
    int (*destroy)(ca_context *) = nullptr;

private:
    void *m_library;
};
#endif

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
    std::unique_ptr<Canberra> library;
    if (soundServerNear())
        library = std::make_unique<Canberra>();
    ca_context *context = nullptr;
    int status = library && library->loaded() ? library->create(&context) : CA_ERROR_NOTAVAILABLE;
    // What the desktop's sound settings show of the course and of its beep.
    const QByteArray applicationName = tr("Transformateur d'impulsions").toUtf8();
    const QByteArray beepName = tr("Bip").toUtf8();
    if (status == CA_SUCCESS)
        status = library->changeProps(
            context, CA_PROP_APPLICATION_NAME, applicationName.constData(), CA_PROP_APPLICATION_ID,
            "fr.ferrite.transformateur_impulsions", CA_PROP_APPLICATION_ICON_NAME,
            "fr.ferrite.transformateur_impulsions", nullptr);
    // The sound servers of the desktops (PulseAudio, PipeWire) speak
    // PulseAudio's protocol; with none there, the window system's bell,
    // rather than the sound card played directly.
    if (status == CA_SUCCESS)
        status = library->setDriver(context, "pulse");
    if (status == CA_SUCCESS)
        status = library->open(context);
    if (status != CA_SUCCESS) {
        if (context)
            library->destroy(context);
        context = nullptr;
        library.reset();
    }
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
            library->play(context, ++played, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                          beepName.constData(), CA_PROP_MEDIA_ROLE, "event", nullptr);
        if (status == CA_ERROR_DISABLED)
            status = CA_SUCCESS; // the desktop's alert sounds are off: silence
        else if (status != CA_SUCCESS)
            fallBack(); // this one is heard all the same
    }
    if (context)
        library->destroy(context);
#endif
}

} // namespace tk
