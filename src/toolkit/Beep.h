#pragma once

namespace tk {

/// \brief Sounds the system beep. Every beep of the course goes through here.
void beep();

/// \brief Beeps sounded since the start, or since the last reset.
int beepCount();

/// \brief Sets the beep count back to zero (tests).
void resetBeepCount();

} // namespace tk
