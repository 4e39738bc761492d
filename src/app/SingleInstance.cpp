#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace app {
namespace {

constexpr char Request[] = "premier-plan\n";
// Long enough for the first window to be mapped and painted, well within
// the time a later start waits for an answer.
constexpr int ListenDelayMs = 200;

// The folder of the lock and the socket: the one given, else the user's
// run-time folder, else the temporary folder.
QString folderOr(const QString &folder) {
    if (!folder.isEmpty())
        return folder;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

// The address of the socket file, if its path fits one.
bool addressOf(const QString &path, sockaddr_un &address) {
    const QByteArray name = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (name.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    return true;
}

} // namespace

SingleInstance::SingleInstance(const QString &key, const QString &folder)
    : SingleInstance(QDir(folderOr(folder)), key) {}

SingleInstance::SingleInstance(const QDir &folder, const QString &key)
    : m_socketPath(folder.filePath(key + QStringLiteral(".socket"))),
      m_lock(folder.filePath(key + QStringLiteral(".lock"))) {
    // The lock is stale only when its process is gone, never by age.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    for (auto it = m_requests.cbegin(); it != m_requests.cend(); ++it)
        ::close(it.key());
    if (m_server >= 0) {
        ::close(m_server);
        ::unlink(QFile::encodeName(m_socketPath).constData());
    }
}

QString SingleInstance::defaultKey() {
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    for (QChar &c : display)
        if (!c.isLetterOrNumber())
            c = u'_';
    return QStringLiteral("transformateur-impulsions-") + display;
}

bool SingleInstance::lock() {
    if (!m_tried) {
        m_tried = true;
        m_locked = m_lock.tryLock(0);
    }
    return m_locked;
}

bool SingleInstance::claim() {
    if (lock()) {
        // Listening waits until the course's window is on screen; a later
        // start waits for it meanwhile.
        QTimer::singleShot(ListenDelayMs, this, &SingleInstance::listen);
        return true;
    }
    if (m_lock.error() != QLockFile::LockFailedError)
        return true; // no lock can be made here: run without the guard
    return !askRunningCourse();
}

void SingleInstance::listen() {
    sockaddr_un address;
    if (!addressOf(m_socketPath, address))
        return;
    const int server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (server < 0)
        return;
    // Whatever socket file is there was left by a course that is gone. The
    // socket is the user's alone.
    ::unlink(address.sun_path);
    const mode_t mask = ::umask(0077);
    const bool bound = ::bind(server, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::umask(mask);
    if (!bound || ::listen(server, 4) != 0) {
        ::close(server);
        return;
    }
    m_server = server;
    auto *notifier = new QSocketNotifier(server, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SingleInstance::accept);
}

void SingleInstance::accept() {
    for (;;) {
        const int connection = ::accept4(m_server, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection < 0)
            return;
        m_requests.insert(connection, {});
        auto *notifier = new QSocketNotifier(connection, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, connection, notifier] {
            read(connection);
            if (!m_requests.contains(connection))
                notifier->deleteLater();
        });
    }
}

void SingleInstance::read(int connection) {
    char buffer[64];
    const ssize_t got = ::read(connection, buffer, sizeof buffer);
    if (got < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    QByteArray &request = m_requests[connection];
    if (got > 0)
        request.append(buffer, got);
    const qsizetype end = request.indexOf('\n');
    if (end >= 0 && request.left(end + 1) == QByteArrayView(Request))
        emit frontRequested();
    // The answer is the connection closed: at the end of a line, at the end
    // of what the other side sends, or at a request too long to be one.
    if (end >= 0 || got <= 0 || request.size() > qsizetype(sizeof Request))
        hangUp(connection);
}

void SingleInstance::hangUp(int connection) {
    ::close(connection);
    m_requests.remove(connection);
}

bool SingleInstance::askRunningCourse() {
    sockaddr_un address;
    if (!addressOf(m_socketPath, address))
        return false;
    // The running course may still be starting: it listens a moment after
    // it has taken the lock.
    for (int attempt = 0; attempt < 20; ++attempt) {
        const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (socket < 0)
            return false;
        if (::connect(socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0) {
            const ssize_t length = ssize_t(sizeof Request - 1);
            const bool sent = ::send(socket, Request, std::size_t(length), MSG_NOSIGNAL) == length;
            if (sent) {
                // The course answers by closing the connection.
                pollfd closed{socket, POLLIN, 0};
                ::poll(&closed, 1, 1000);
            }
            ::close(socket);
            if (sent)
                return true;
        } else {
            ::close(socket);
        }
        QThread::msleep(100);
    }
    return false; // a course holds the lock but does not answer: start anyway
}

} // namespace app
