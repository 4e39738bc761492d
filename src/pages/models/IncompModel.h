#pragma once

#include "pages/Timp.h"
#include "pages/models/Marks.h"

#include <QCoreApplication>

namespace pages {

/// \brief The incomplete demagnetisation's plot, phase by phase: K closed
/// for a half-period, then open, alternately, over seven half-periods, one
/// column per tick, until the core saturates twice.
///
/// It draws with the shared variables \a timp as the page always did; the
/// page owns the timers (one per phase, Timer1 to Timer8) and the widgets.
class IncompModel {
    Q_DECLARE_TR_FUNCTIONS(pages::IncompModel)
public:
    static constexpr int PhaseCount = 8;

    /// What the page does after the marks of a tick are drawn.
    enum class Event {
        CircuitClosed, ///< the circuit picture with K closed replaces the one shown
        CircuitOpen,   ///< the circuit picture with K open replaces the one shown
        Saturated,     ///< the core is saturated in this column: a beep
        PhaseOver,     ///< the timer of the phase that ticked stops
        NextPhase,     ///< the timer of the next phase starts
        Finished,      ///< the run is over: the conclusion, the circuit at rest, the panel
    };
    using Tick = plot::Tick<Event>;

    explicit IncompModel(Timp &timp) : m_timp(timp) {}

    /// \brief "Suite": the names of the traces, their axes beneath them, the
    /// starting levels; the first phase's timer starts.
    Tick start();
    /// \brief A tick of the running phase's timer: K closed (phase 0),
    /// opening (1, the single tick that labels the levels), open (2), closed
    /// (3), open (4), closed as the core saturates (5), open (6), closed as
    /// it saturates again (7, then the final drawing). Once the run is over,
    /// or before it starts, a tick draws nothing.
    Tick tick();

    /// The phase whose timer ticks now (0 to 7), -1 before a run, PhaseCount after it.
    int phase() const { return m_phase; }

private:
    bool drawColumns(Tick &out);
    void columnStep(Tick &out, bool closed);
    void saturationTest(Tick &out, bool recordSaturation);
    void openingEdges(Tick &out, int x);
    void closingStep(Tick &out, int x);
    void labels(Tick &out);
    void saturatedOpening(Tick &out, int x);
    void finalDrawing(Tick &out);

    Timp &m_timp;
    int m_phase = -1;
};

} // namespace pages
