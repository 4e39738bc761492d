#pragma once

#include "lab/model/Bounds.h"

#include <QObject>

class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QSlider;

namespace lab {

/// \brief One value of the circuit under the learner's hands: its name, a
/// slider (on a logarithmic scale for values that span decades) and a field
/// with its unit and the French decimal comma, kept in step.
class ValueControl final : public QObject {
    Q_OBJECT
public:
    /// Puts the name, the slider and the field in \a row of \a grid.
    ValueControl(Value value, QGridLayout *grid, int row, QObject *parent = nullptr);

    Value value() const { return m_value; }
    double current() const;
    /// Shows \a x (clamped to the bounds) without saying that it changed.
    void show(double x);
    void setEnabled(bool enabled);
    QSlider *slider() const { return m_slider; }
    QDoubleSpinBox *field() const { return m_field; }

    /// The slider's position for \a x, and the value at a position.
    int positionOf(double x) const;
    double valueAt(int position) const;

signals:
    /// The learner moved the slider or changed the field.
    void changed(double x);

private:
    void fromSlider(int position);
    void fromField(double x);

    const Value m_value;
    const Bound m_bound;
    QLabel *const m_label;
    QSlider *const m_slider;
    QDoubleSpinBox *const m_field;
};

} // namespace lab
