#pragma once

#include <QColor>
#include <QHash>

#include <QtGlobal>
#include <memory>
#include <vector>

namespace tk {

class HostWindow;
class Timer;

/// \brief The toolkit's state for one course: its window, the beeps it has
/// sounded, the tick being handled now, the scale the pages are shown at, and
/// whether the timers are paused. The course owns one; a new course starts
/// afresh.
class Session final {
public:
    Session();
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    /// \brief Sounds the system beep, unless the sound is off. Every beep of
    /// the course goes through here.
    void beep();
    /// \brief The beeps sounded since the session began, or since the last reset.
    int beepCount() const { return m_beeps; }
    void resetBeepCount() { m_beeps = 0; }
    /// \brief Whether beeps sound (and are counted).
    bool soundOn() const { return m_soundOn; }
    void setSoundOn(bool on) { m_soundOn = on; }

    /// \brief When the timer tick being handled now was due, on a steady
    /// clock (ns); -1 when no tick is being handled.
    qint64 tickDue() const { return m_tickDue; }
    void setTickDue(qint64 due) { m_tickDue = due; }
    /// \brief The course's one window, which shows its pages one at a time
    /// (made when the first page asks for it).
    HostWindow &window();

    /// \brief The scale of the pages in a window (1 is 100 %); a page takes
    /// it when it is shown (PageWindow::applyScale() for the page on screen).
    double zoom() const { return m_zoom; }
    void setZoom(double zoom) { m_zoom = zoom; }
    /// \brief Whether the pages are shown full screen, at the largest scale that fits.
    bool fullScreen() const { return m_fullScreen; }
    void setFullScreen(bool on) { m_fullScreen = on; }

    /// \brief Whether texts and traces are drawn in high contrast: each
    /// colour darkened, in its hue, until it stands out clearly on the grey.
    bool highContrast() const { return m_highContrast; }
    void setHighContrast(bool on) { m_highContrast = on; }
    /// \brief A colour as the pages draw it: itself, or in high contrast
    /// the same hue with at least \a ratio against the page's grey.
    QColor shown(const QColor &colour, double ratio) const;

    /// \brief Holds every timer of the course: no tick while paused, and on
    /// resuming each timer goes on with what was left of its interval.
    void setPaused(bool paused);
    bool isPaused() const { return m_paused; }

    /// The timers of the course's pages register themselves.
    void attach(Timer *timer);
    void detach(Timer *timer);

private:
    int m_beeps = 0;
    bool m_soundOn = true;
    qint64 m_tickDue = -1;
    std::unique_ptr<HostWindow> m_window;
    double m_zoom = 1.0;
    bool m_fullScreen = false;
    bool m_paused = false;
    bool m_highContrast = false;
    mutable QHash<quint64, QRgb> m_shown; ///< the colours high contrast gives, as asked for
    std::vector<Timer *> m_timers;
};

} // namespace tk
