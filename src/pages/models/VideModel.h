#pragma once

#include "pages/Timp.h"
#include "pages/models/Marks.h"

namespace pages {

/// \brief The no-load oscillogram, one column per tick: v1 and v2 flat from
/// their rising edges, the magnetising current i1 a straight ramp.
///
/// It draws with the shared variables \a timp as the page always did; the
/// page owns the timer (Timer2) and the widgets.
class VideModel {
public:
    /// What the page does after the marks of a tick are drawn.
    enum class Event {
        NextTick, ///< the timer ticks again: the plot goes on
        Finished, ///< the plot is complete: the way on is shown
    };
    using Tick = plot::Tick<Event>;

    explicit VideModel(Timp &timp) : m_timp(timp) {}

    /// \brief The arrival: the rising edges of v1 and v2 from the origin;
    /// whatever an earlier visit drew stays. The timer starts.
    Tick start();
    /// \brief A tick of Timer2: the next column of the three traces, or, after
    /// the last one, the end. Before a start and after the end it draws nothing.
    Tick tick();

private:
    Timp &m_timp;
    bool m_running = false;
};

} // namespace pages
