#pragma once

#include <QMargins>
#include <QtGlobal>

namespace tk {

/// \brief The toolkit's state for one course: the beeps it has sounded, the
/// tick being handled now, and the frame that the window manager gives its
/// pages. The course owns one; a new course starts afresh.
class Session final {
public:
    /// \brief Sounds the system beep. Every beep of the course goes through here.
    void beep();
    /// \brief The beeps sounded since the session began, or since the last reset.
    int beepCount() const { return m_beeps; }
    void resetBeepCount() { m_beeps = 0; }

    /// \brief When the timer tick being handled now was due, on a steady
    /// clock (ns); -1 when no tick is being handled.
    qint64 tickDue() const { return m_tickDue; }
    void setTickDue(qint64 due) { m_tickDue = due; }

    /// \brief What the window manager adds around a page (frame and caption),
    /// as last seen on a page; none until a page has been framed.
    QMargins frame() const { return m_frame; }
    void setFrame(QMargins frame) { m_frame = frame; }

private:
    int m_beeps = 0;
    qint64 m_tickDue = -1;
    QMargins m_frame;
};

} // namespace tk
