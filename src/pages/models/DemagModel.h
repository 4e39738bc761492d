#pragma once

#include "pages/Timp.h"
#include "pages/models/Marks.h"

namespace pages {

/// \brief The magnetising current as K closes and opens: a rise from the
/// origin to I at tI, one pixel up and right per tick, then a fall back to
/// zero through the diode D alone (two pixels right per pixel down) or
/// through D and the Zener diode Dz (one right per pixel down).
///
/// It draws with the shared variables \a timp as the page always did; the
/// page owns the timers (Timer1 the rise, Timer2 the fall), the switch
/// buttons and the circuit pictures, and says which circuit K closes.
class DemagModel {
public:
    /// The circuit of a run: the diode D alone, D and the Zener diode Dz, or none shown.
    enum class Circuit { None, Diode, Zener };

    /// What the page does after the marks of a tick are drawn.
    enum class Event {
        NextTick,     ///< the timer ticks again: the trace goes on
        Peak,         ///< the current has reached I: its labels, the way to open K
        DiodeRunOver, ///< back to zero through D: the circuit at rest, the Zener diode next
        ZenerRunOver, ///< back to zero through D and Dz: the circuit at rest, the panel
    };
    using Tick = plot::Tick<Event>;

    explicit DemagModel(Timp &timp) : m_timp(timp) {}

    /// \brief K closes on \a circuit: the trace starts from the origin and Timer1 starts.
    Tick closeK(Circuit circuit);
    /// \brief A tick of Timer1: one step of the rise, or at tI the peak.
    Tick rise();
    /// \brief K opens: Timer2 starts.
    Tick openK();
    /// \brief A tick of Timer2: one step of the fall, or back at zero the end of the run.
    Tick fall();
    /// \brief The page is put back as it was made: no run.
    void reset();

    Circuit circuit() const { return m_circuit; }

private:
    enum class Stage { Idle, Rising, Peaked, Falling };
    Timp &m_timp;
    Circuit m_circuit = Circuit::None;
    Stage m_stage = Stage::Idle;
};

} // namespace pages
