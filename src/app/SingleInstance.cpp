#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

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

} // namespace

SingleInstance::SingleInstance(const QString &key, const QString &folder)
    : SingleInstance(QDir(folderOr(folder)), key) {}

SingleInstance::SingleInstance(const QDir &folder, const QString &key)
    : m_socketPath(folder.filePath(key + QStringLiteral(".socket"))),
      m_lock(folder.filePath(key + QStringLiteral(".lock"))) {
    // The lock is stale only when its process is gone, never by age.
    m_lock.setStaleLockTime(0);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine())
                    return;
                if (socket->readLine() == QByteArrayView(Request))
                    emit frontRequested();
                socket->disconnectFromServer();
            });
        }
    });
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
    // Whatever socket file is there was left by a course that is gone.
    QLocalServer::removeServer(m_socketPath);
    m_server.listen(m_socketPath);
}

bool SingleInstance::askRunningCourse() {
    // The running course may still be starting: it listens a moment after
    // it has taken the lock.
    for (int attempt = 0; attempt < 20; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(250)) {
            socket.write(Request);
            if (socket.waitForBytesWritten(1000)) {
                // The course answers by closing the connection.
                if (socket.state() != QLocalSocket::UnconnectedState)
                    socket.waitForDisconnected(1000);
                return true;
            }
        }
        QThread::msleep(100);
    }
    return false; // a course holds the lock but does not answer: start anyway
}

} // namespace app
