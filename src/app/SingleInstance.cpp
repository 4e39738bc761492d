#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace app {
namespace {

// A request is one line: this word, then the options, each after a tab.
constexpr char Request[] = "premier-plan";
constexpr qsizetype LongestRequest = 512;
// How often a course not yet on screen looks again before it listens.
constexpr int ReadyPollMs = 100;
// How long a later start asks a course that holds the lock, in all: a
// course on screen answers at once.
constexpr int AskAttempts = 5;
constexpr int AskPauseMs = 100;
// How long a course that listens takes to answer, at most.
constexpr int AnswerMs = 400;
// A lock file just made is empty for a moment, before its owner writes.
constexpr int NewLockAgeS = 1;

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

// A course holds its lock file locked (flock) while it runs: a lock file
// that can be locked belongs to no running course, whatever it says (a
// course that crashed, a process number used again, an empty or damaged
// file), and is removed.
void removeAbandoned(const QString &path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return;
    struct stat status {};
    const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    const bool justMade = status.st_size == 0 && ::time(nullptr) - status.st_mtime < NewLockAgeS;
    if (regular && !justMade && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
        ::unlink(name.constData());
    ::close(fd);
}

} // namespace

SingleInstance::SingleInstance(const QString &screen, const QString &folder)
    : SingleInstance(QDir(folderOr(folder)), keyFor(screen)) {
    m_alone = screen.isEmpty();
}

SingleInstance::SingleInstance(const QDir &folder, const QString &key)
    : m_socketPath(folder.filePath(key + QStringLiteral(".socket"))),
      m_lockPath(folder.filePath(key + QStringLiteral(".lock"))), m_lock(m_lockPath) {
    // The lock is stale only when no course holds it, never by age.
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

QString SingleInstance::keyFor(const QString &screen) {
    QString name = screen;
    for (QChar &c : name)
        if (!c.isLetterOrNumber() && c != u'-')
            c = u'_';
    return QStringLiteral("transformateur-impulsions-") + name;
}

bool SingleInstance::lock() {
    if (!m_tried) {
        m_tried = true;
        removeAbandoned(m_lockPath);
        m_locked = m_lock.tryLock(0);
    }
    return m_locked;
}

bool SingleInstance::claim(const QStringList &options) {
    if (m_alone)
        return true;
    if (lock())
        return true;
    if (m_lock.error() != QLockFile::LockFailedError)
        return true; // no lock can be made here: run without the guard
    return !askRunningCourse(options);
}

void SingleInstance::listenWhen(std::function<bool()> ready) {
    if (!m_locked || isListening())
        return;
    if (ready()) {
        listen();
        return;
    }
    // A course that never shows its window never answers: a later start
    // runs a course of its own after a second.
    QTimer::singleShot(ReadyPollMs, this, [this, ready = std::move(ready)]() mutable {
        listenWhen(std::move(ready));
    });
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
    if (end >= 0) {
        QStringList words = QString::fromUtf8(request.left(end)).split(u'\t');
        if (words.takeFirst() == QLatin1StringView(Request))
            emit frontRequested(words);
    }
    // The answer is the connection closed: at the end of a line, at the end
    // of what the other side sends, or at a request too long to be one.
    if (end >= 0 || got <= 0 || request.size() > LongestRequest)
        hangUp(connection);
}

void SingleInstance::hangUp(int connection) {
    ::close(connection);
    m_requests.remove(connection);
}

bool SingleInstance::askRunningCourse(const QStringList &options) {
    sockaddr_un address;
    if (!addressOf(m_socketPath, address))
        return false;
    QByteArray request(Request);
    for (const QString &option : options)
        request += '\t' + option.toUtf8();
    request += '\n';
    if (request.size() > LongestRequest)
        return false;
    // The running course may still be starting: it listens once its window
    // is on screen.
    for (int attempt = 0; attempt < AskAttempts; ++attempt) {
        const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (socket < 0)
            return false;
        if (::connect(socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0) {
            const ssize_t length = ssize_t(request.size());
            const bool sent =
                ::send(socket, request.constData(), std::size_t(length), MSG_NOSIGNAL) == length;
            // The course answers by closing the connection; one that does
            // not (it hangs, or is stopped) is no course to wait for.
            bool answered = false;
            pollfd closed{socket, POLLIN, 0};
            if (sent && ::poll(&closed, 1, AnswerMs) > 0) {
                char rest;
                answered = ::recv(socket, &rest, 1, MSG_DONTWAIT) == 0;
            }
            ::close(socket);
            return answered;
        } else {
            ::close(socket);
        }
        QThread::msleep(AskPauseMs);
    }
    return false; // a course holds the lock but does not listen: start anyway
}

} // namespace app
