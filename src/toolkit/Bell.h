#pragma once

#include <QObject>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace tk {

/// \brief The beep as the desktop sounds it: its bell sound event (the sound
/// theme's "bell", played by the desktop's sound event library), so that it
/// is heard on every desktop, X11 and Wayland alike, at the desktop's volume
/// for alerts. Where no sound server answers, the window system's bell.
///
/// The sound is played by a thread of its own: opening the connection to the
/// sound server and playing never hold up the course. Until install() is
/// called, and in a build without the sound event library, every beep is
/// the window system's bell.
class Bell final : public QObject {
    Q_OBJECT
public:
    /// \brief Starts the thread that opens the desktop's sound events, once
    /// per application (later calls do nothing). The program calls it once
    /// its first window is on screen.
    static void install();
    /// \brief Sounds one beep, at once, without waiting for the sound.
    static void ring();

    ~Bell() override;

private:
    Bell();
    void run();
    /// The sound events cannot be played: the window system's bell, on the
    /// thread of the user interface.
    void fallBack();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    /// When each beep not played yet was asked for.
    std::deque<std::chrono::steady_clock::time_point> m_pending;
    bool m_failed = false; ///< no sound server: the window system's bell from now on
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace tk
