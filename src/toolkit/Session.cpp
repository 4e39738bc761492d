#include "toolkit/Session.h"
#include "toolkit/HostWindow.h"

namespace tk {

Session::Session() = default;

// The window goes with the session, after the pages that it shows.
Session::~Session() = default;

HostWindow &Session::window() {
    if (!m_window)
        m_window = std::make_unique<HostWindow>(*this);
    return *m_window;
}

} // namespace tk
