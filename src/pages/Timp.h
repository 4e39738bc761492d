#pragma once

#include <compare>
#include <cstdint>

namespace pages {

/// \brief A drawing coordinate or animation counter of the oscillogram pages.
///
/// It holds whole numbers and multiples of a quarter exactly (as a count of
/// quarters), so the ramps of 0.5 and 0.25 pixel per column reach their
/// levels exactly and compare equal to them.
class Coord {
public:
    constexpr Coord() = default;
    constexpr Coord(int whole) : m_quarters(whole * 4) {}

    /// \brief The value \a quarters / 4.
    static constexpr Coord fromQuarters(std::int32_t quarters) {
        Coord c;
        c.m_quarters = quarters;
        return c;
    }

    constexpr std::int32_t quarters() const { return m_quarters; }
    constexpr double value() const { return m_quarters / 4.0; }

    /// \brief The pixel row or column of this coordinate: a fraction goes to
    /// the pixel it lies in (towards smaller coordinates). The one place where
    /// fractional coordinates meet the pixel grid.
    constexpr int pixel() const {
        return m_quarters >= 0 ? m_quarters / 4 : -((-m_quarters + 3) / 4);
    }

    constexpr Coord &operator+=(Coord other) {
        m_quarters += other.m_quarters;
        return *this;
    }
    constexpr Coord &operator-=(Coord other) {
        m_quarters -= other.m_quarters;
        return *this;
    }
    friend constexpr Coord operator+(Coord a, Coord b) { return a += b; }
    friend constexpr Coord operator-(Coord a, Coord b) { return a -= b; }
    friend constexpr bool operator==(Coord a, Coord b) = default;
    friend constexpr auto operator<=>(Coord a, Coord b) = default;

private:
    std::int32_t m_quarters = 0;
};

/// Half a pixel and a quarter of a pixel: the ramps of the incomplete demagnetisation.
inline constexpr Coord Half = Coord::fromQuarters(2);
inline constexpr Coord Quarter = Coord::fromQuarters(1);

/// \brief The shared drawing variables of the oscillogram pages, in their order.
///
/// One object, owned by the course and handed to the three pages that draw
/// step by step. Each page sets every variable it reads before reading it.
/// Counted loops use them as their counters and leave them one step past
/// their bound, where the drawing that follows takes them up.
struct Timp {
    Coord CurX;
    Coord CurY;
    Coord PrevX;
    Coord PrevY;
    Coord NextX;
    Coord I1Y;
    Coord SatY;
    Coord FluxY;
    Coord V2Y;
    Coord StartX;
};

} // namespace pages

/// \brief Names the shared drawing variables of \a timp in the scope where it
/// stands (CurX, CurY, ...), as the pages' routines name them.
#define TIMP_VARIABLES(timp)                                                                       \
    [[maybe_unused]] auto &[CurX, CurY, PrevX, PrevY, NextX, I1Y, SatY, FluxY, V2Y, StartX] = (timp)

namespace pages {

/// \brief The interval of the oscillogram pages' animation timers, in
/// milliseconds: one step of a plot per tick.
inline constexpr int TickMs = 100;

} // namespace pages
