#pragma once

namespace tk {

/// \brief The course's beeps: each one sounds through here, unless the sound
/// is off, and is counted.
class Sound final {
public:
    /// Sounds the system beep, unless the sound is off.
    void beep();
    /// The beeps sounded since the course began, or since the last reset.
    int count() const { return m_beeps; }
    void resetCount() { m_beeps = 0; }
    /// Whether beeps sound (and are counted).
    bool isOn() const { return m_on; }
    void setOn(bool on) { m_on = on; }

private:
    int m_beeps = 0;
    bool m_on = true;
};

} // namespace tk
