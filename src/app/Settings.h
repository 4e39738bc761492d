#pragma once

#include <optional>

class QSettings;

namespace app {

/// \brief What the course keeps for its next start, typed: the scale that a
/// teacher chose, the sound, the contrast. Each has its key, its default and
/// its range here, and nowhere else; a kept value out of its range is as if
/// it had never been kept.
class Settings final {
public:
    explicit Settings(QSettings &store) : m_store(store) {}

    /// The scales a teacher may choose: 100 % to 300 %.
    static constexpr double MinScale = 1.0;
    static constexpr double MaxScale = 3.0;
    static bool isScale(double scale) { return scale >= MinScale && scale <= MaxScale; }

    /// The kept scale, if one is kept and lies in its range.
    std::optional<double> scale() const;
    void setScale(double scale);
    void forgetScale();

    /// Whether the beeps sound (by default, yes).
    bool soundOn() const;
    void setSoundOn(bool on);

    /// Whether texts and traces are in high contrast (by default, no).
    bool highContrast() const;
    void setHighContrast(bool on);

private:
    QSettings &m_store;
};

} // namespace app
