#pragma once

#include <QPoint>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace pages::plot {

/// \brief A trace of an oscillogram, or the ink of a label: the page that
/// draws it gives each its colour.
enum class Trace : std::uint8_t {
    K,     ///< the switch K, closed or open
    V1,    ///< the primary voltage v1
    V2,    ///< the secondary voltage v2
    I1,    ///< the magnetising current i1
    Flux,  ///< the flux in the core
    Axis,  ///< an axis, beneath the traces
    Label, ///< the ink of the later labels and of the line that leads to one
    Diode, ///< i1 demagnetised through the diode D alone
    Zener, ///< i1 demagnetised through the diode D and the Zener diode Dz
};

/// \brief One thing drawn on a plotting surface: a line from \a from to \a to
/// (first pixel in, last pixel out), over what is drawn or beneath it, or a
/// text printed from \a from.
struct Mark {
    enum class Kind : std::uint8_t { Line, Beneath, Text };
    Kind kind = Kind::Line;
    QPoint from; ///< a line's first point; where a text starts
    QPoint to;   ///< a line's last point, left out (lines only)
    /// A line's trace; for a text, the ink it takes first (none: the ink as it stands).
    std::optional<Trace> trace;
    QString text; ///< what a text prints

    static Mark line(QPoint from, QPoint to, Trace trace) {
        return {Kind::Line, from, to, trace, {}};
    }
    static Mark beneath(QPoint from, QPoint to, Trace trace) {
        return {Kind::Beneath, from, to, trace, {}};
    }
    static Mark print(QPoint at, const QString &text, std::optional<Trace> ink = std::nullopt) {
        return {Kind::Text, at, {}, ink, text};
    }
    friend bool operator==(const Mark &, const Mark &) = default;
};

/// \brief What a model gives for one tick of its animation (or for the click
/// that starts it): where the surface's drawing position goes first, what is
/// drawn, in order, and what the page does then, in order.
template <typename Event> struct Tick {
    std::optional<QPoint> position;
    std::vector<Mark> marks;
    std::vector<Event> events;
    friend bool operator==(const Tick &, const Tick &) = default;
};

} // namespace pages::plot
