#pragma once

#include "toolkit/Appearance.h"
#include "toolkit/Clock.h"
#include "toolkit/Sound.h"

#include <memory>

namespace tk {

class HostWindow;

/// \brief The toolkit's state for one course, one part for each concern:
/// its beeps, the time of its timers, how its pages are shown, and its
/// window. The course owns one; a new course starts afresh.
class Session final {
public:
    Session();
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    Sound &sound() { return m_sound; }
    const Sound &sound() const { return m_sound; }
    Clock &clock() { return m_clock; }
    const Clock &clock() const { return m_clock; }
    Appearance &appearance() { return m_appearance; }
    const Appearance &appearance() const { return m_appearance; }
    /// \brief The course's one window, which shows its pages one at a time
    /// (made when the first page asks for it).
    HostWindow &window();

private:
    Sound m_sound;
    Clock m_clock;
    Appearance m_appearance;
    std::unique_ptr<HostWindow> m_window;
};

} // namespace tk
