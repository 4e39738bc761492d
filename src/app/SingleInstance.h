#pragma once

#include <QByteArray>
#include <QDir>
#include <QHash>
#include <QLockFile>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace app {

/// \brief One course per user and display: a second start asks the running
/// course to come to the front and ends.
///
/// The first course holds a lock file and listens on a local socket beside it
/// (a Unix socket, watched by the event loop: Qt's network library is not
/// needed for this, nor loaded).
/// A later start that finds the lock held connects to that socket and asks
/// for the front. A lock left by a course that crashed belongs to no running
/// process and is taken over, and so is the socket file beside it.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    /// \a key names the lock and the socket in \a folder (the user's run-time
    /// folder by default, else the temporary folder).
    explicit SingleInstance(const QString &key = defaultKey(), const QString &folder = {});
    ~SingleInstance() override;

    /// \brief Takes the lock if no course holds it; returns whether this
    /// process holds it. It may run on another thread, while Qt starts; it
    /// is tried once.
    bool lock();

    /// \brief True when this process is the course to run: it listens as
    /// soon as the event loop runs. False when a running course was asked to
    /// come to the front.
    bool claim();

    QString socketPath() const { return m_socketPath; }

    /// "transformateur-impulsions-" and the display the course is on.
    static QString defaultKey();

    /// Whether the course listens for later starts (once the event loop has run).
    bool isListening() const { return m_server >= 0; }

signals:
    /// A later start asked this course to come to the front.
    void frontRequested();

private:
    /// The lock and the socket of \a key in \a folder.
    SingleInstance(const QDir &folder, const QString &key);
    void listen();
    /// A later start has connected: its request is read as it comes.
    void accept();
    void read(int connection);
    void hangUp(int connection);
    bool askRunningCourse();

    QString m_socketPath;
    QLockFile m_lock;
    int m_server = -1;                 ///< the listening socket, once the course listens
    QHash<int, QByteArray> m_requests; ///< what each connection has sent so far
    bool m_tried = false;
    bool m_locked = false;
};

} // namespace app
