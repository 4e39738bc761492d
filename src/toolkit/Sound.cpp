#include "toolkit/Sound.h"
#include "toolkit/Bell.h"

namespace tk {

void Sound::beep() {
    if (!m_on)
        return;
    ++m_beeps;
    Bell::ring();
}

} // namespace tk
