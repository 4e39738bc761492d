#pragma once

#include "lab/model/Simulation.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace lab {

/// \brief The laboratory's oscillograms: K, v1, i1, the magnetising current,
/// the flux and v2 (and i2 with a load), one band each, over a time axis in
/// µs, drawn up to a chosen instant so that they can grow as the course's do.
///
/// One routine paints them on any painter: the widget, a PNG, an SVG.
class Oscillogram final : public QWidget {
    Q_OBJECT
public:
    /// A colour as it is shown (the course's, or in high contrast).
    using Colours = std::function<QColor(const QColor &)>;

    explicit Oscillogram(QWidget *parent = nullptr);

    void setSimulation(std::shared_ptr<const Simulation> simulation);
    const Simulation *simulation() const { return m_simulation.get(); }
    /// Draws the traces from 0 to \a t (µs); the whole run from its duration on.
    void setShownUntil(double t);
    double shownUntil() const { return m_until; }
    void setColours(Colours colours);

    /// \brief Paints \a simulation from 0 to \a until in \a size (logical
    /// pixels) at the painter's origin, with \a font for its labels.
    static void paint(QPainter &painter, const QSizeF &size, const Simulation &simulation,
                      double until, const QFont &font, const Colours &colours = {});

    /// The whole oscillograms, at the widget's size, as a picture for \a ratio.
    QImage image(double ratio) const;
    /// \brief The whole oscillograms as a PNG file (at twice the widget's
    /// size) or an SVG file; empty without a simulation.
    QByteArray png() const;
    QByteArray svg() const;

    QSize sizeHint() const override { return {640, 480}; }
    QSize minimumSizeHint() const override { return {320, 280}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::shared_ptr<const Simulation> m_simulation;
    double m_until = 0;
    Colours m_colours;
};

} // namespace lab
