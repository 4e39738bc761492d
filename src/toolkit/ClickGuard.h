#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>

namespace tk {

class HostWindow;
class PageWindow;

/// \brief Keeps the clicks of a double or triple click with the page that
/// took the first one.
///
/// A click that moves the course to another page, or reveals a step, is often
/// the first of a series; the clicks that follow it at the same place, within
/// the double click's time, belong to what was clicked, not to the control
/// that now stands there (the next page's, or "Page suivante" where "Suite"
/// was): they are dropped, with their releases.
/// It watches the mouse as it comes to the course's window, before Qt hands
/// it to a control.
class ClickGuard final : public QObject {
    Q_OBJECT
public:
    /// Guards the clicks on \a window, whose native window it watches.
    explicit ClickGuard(HostWindow &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    HostWindow &m_window;
    QPointer<PageWindow> m_pressedOn;   ///< the page shown at the first click of a series
    QPointer<QWidget> m_pressedControl; ///< what the first click of the series was on
    ulong m_pressedAt = 0;              ///< when the last click of the series came
    QPointF m_pressedWhere;             ///< and where
    bool m_dropping = false;            ///< the rest of the series is dropped
};

} // namespace tk
