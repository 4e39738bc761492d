#pragma once

#include <QByteArray>
#include <QDir>
#include <QHash>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QSocketNotifier;

namespace app {

/// \brief One course per user and screen: a second start asks the running
/// course to come to the front, with the options it was given, and ends.
///
/// The first course holds a lock file and listens on a local socket beside it
/// (a Unix socket, watched by the event loop: Qt's network library is not
/// needed for this, nor loaded) once its window is on screen.
/// A later start that finds the lock held connects to that socket and asks
/// for the front. A lock that no running course holds, whatever it holds
/// (a course that crashed, an empty or damaged file), is taken over at once,
/// and so is the socket file beside it; a course that holds the lock and
/// never answers (it could not show its window) keeps no later start waiting
/// more than a second.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    /// \a screen names the lock and the socket in \a folder (the user's
    /// run-time folder by default, else the temporary folder); with no
    /// screen (screenIdentity()), each course is alone and nothing is guarded.
    explicit SingleInstance(const QString &screen, const QString &folder = {});
    ~SingleInstance() override;

    /// \brief Takes the lock if no course holds it; returns whether this
    /// process holds it. It is tried once.
    bool lock();

    /// \brief True when this process is the course to run. False when a
    /// running course was asked to come to the front, and to take \a options
    /// (the course's own options: forwardedOptions()).
    bool claim(const QStringList &options = {});

    /// \brief Listens for later starts as soon as \a ready says that the
    /// course's window is on screen (asked every tenth of a second).
    void listenWhen(std::function<bool()> ready);

    /// "transformateur-impulsions-" and the screen, as a file name.
    static QString keyFor(const QString &screen);

    /// Whether the course listens for later starts.
    bool isListening() const { return m_server >= 0; }

signals:
    /// A later start asked this course to come to the front, and to take
    /// \a options (read with parseCommandLine).
    void frontRequested(const QStringList &options);

private:
    /// The lock and the socket of \a key in \a folder.
    SingleInstance(const QDir &folder, const QString &key);
    void listen();
    /// A later start has connected: its request is read as it comes.
    void accept();
    void read(int connection);
    void hangUp(int connection);
    bool askRunningCourse(const QStringList &options);

    QString m_socketPath;
    QString m_lockPath;
    QLockFile m_lock;
    int m_server = -1;                 ///< the listening socket, once the course listens
    QHash<int, QByteArray> m_requests; ///< what each connection has sent so far
    bool m_tried = false;
    bool m_locked = false;
    bool m_alone = false; ///< no screen to share: no guard
};

} // namespace app
