#include "toolkit/Beep.h"

#include <QApplication>

namespace tk {
namespace {
int g_beeps = 0;
}

void beep() {
    ++g_beeps;
    QApplication::beep();
}

int beepCount() {
    return g_beeps;
}

void resetBeepCount() {
    g_beeps = 0;
}

} // namespace tk
