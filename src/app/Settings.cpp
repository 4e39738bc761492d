#include "app/Settings.h"

#include <QSettings>

namespace app {
namespace {

const QString ScaleKey = QStringLiteral("echelle");
const QString SoundKey = QStringLiteral("son");
const QString ContrastKey = QStringLiteral("contraste");

} // namespace

std::optional<double> Settings::scale() const {
    bool ok = false;
    const double kept = m_store.value(ScaleKey).toDouble(&ok);
    if (!ok || !isScale(kept))
        return std::nullopt;
    return kept;
}

void Settings::setScale(double scale) {
    m_store.setValue(ScaleKey, scale);
}

void Settings::forgetScale() {
    m_store.remove(ScaleKey);
}

bool Settings::soundOn() const {
    return m_store.value(SoundKey, true).toBool();
}

void Settings::setSoundOn(bool on) {
    m_store.setValue(SoundKey, on);
}

bool Settings::highContrast() const {
    return m_store.value(ContrastKey, false).toBool();
}

void Settings::setHighContrast(bool on) {
    m_store.setValue(ContrastKey, on);
}

} // namespace app
