#include "toolkit/Session.h"

#include <QApplication>

namespace tk {

void Session::beep() {
    ++m_beeps;
    QApplication::beep();
}

} // namespace tk
