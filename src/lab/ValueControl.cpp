#include "lab/ValueControl.h"

#include "lab/LabTexts.h"

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <cmath>

namespace lab {
namespace {

constexpr int LogPositions = 1000;

int positionsOf(const Bound &b) {
    if (b.logarithmic)
        return LogPositions;
    return int(std::lround((b.max - b.min) / b.step));
}

} // namespace

ValueControl::ValueControl(Value value, QGridLayout *grid, int row, QObject *parent)
    : QObject(parent), m_value(value), m_bound(bound(value)), m_label(new QLabel),
      m_slider(new QSlider(Qt::Horizontal)), m_field(new QDoubleSpinBox) {
    const texts::ValueText text = texts::valueText(value);
    const QString name = texts::accessibleName(value);
    const QString key = QString::number(int(value));
    m_label->setText(text.symbol + QStringLiteral(" : ") + text.label);
    m_label->setToolTip(text.what);
    m_slider->setToolTip(text.what);
    m_field->setToolTip(text.what);
    m_label->setBuddy(m_field);
    m_slider->setObjectName(QStringLiteral("Curseur") + key);
    m_slider->setRange(0, positionsOf(m_bound));
    m_slider->setSingleStep(1);
    m_slider->setPageStep(std::max(1, positionsOf(m_bound) / 20));
    m_slider->setAccessibleName(name);
    m_slider->setMinimumWidth(m_slider->fontMetrics().horizontalAdvance(u'0') * 10);
    m_field->setObjectName(QStringLiteral("Valeur") + key);
    m_field->setRange(m_bound.min, m_bound.max);
    m_field->setDecimals(m_bound.decimals);
    m_field->setSingleStep(m_bound.step);
    if (m_bound.logarithmic)
        m_field->setStepType(QAbstractSpinBox::AdaptiveDecimalStepType);
    if (!text.unit.isEmpty())
        m_field->setSuffix(u' ' + text.unit);
    // The value changes once it is typed whole (Enter, or leaving the field),
    // not at each digit; the arrows change it at once.
    m_field->setKeyboardTracking(false);
    m_field->setAccessibleName(name);
    m_field->setAlignment(Qt::AlignRight);
    grid->addWidget(m_label, row, 0);
    grid->addWidget(m_slider, row, 1);
    grid->addWidget(m_field, row, 2);
    connect(m_slider, &QSlider::valueChanged, this, &ValueControl::fromSlider);
    connect(m_field, &QDoubleSpinBox::valueChanged, this, &ValueControl::fromField);
}

double ValueControl::current() const {
    return m_field->value();
}

int ValueControl::positionOf(double x) const {
    x = std::clamp(x, m_bound.min, m_bound.max);
    if (m_bound.logarithmic)
        return int(std::lround(std::log(x / m_bound.min) / std::log(m_bound.max / m_bound.min) *
                               LogPositions));
    return int(std::lround((x - m_bound.min) / m_bound.step));
}

double ValueControl::valueAt(int position) const {
    if (m_bound.logarithmic) {
        const double x =
            m_bound.min * std::pow(m_bound.max / m_bound.min, double(position) / LogPositions);
        // Rounded as the field shows it.
        const double unit = std::pow(10.0, -m_bound.decimals);
        return std::clamp(std::round(x / unit) * unit, m_bound.min, m_bound.max);
    }
    return std::clamp(m_bound.min + position * m_bound.step, m_bound.min, m_bound.max);
}

void ValueControl::show(double x) {
    const QSignalBlocker blockField(m_field);
    const QSignalBlocker blockSlider(m_slider);
    m_field->setValue(x);
    m_slider->setValue(positionOf(m_field->value()));
}

void ValueControl::setEnabled(bool enabled) {
    m_label->setEnabled(enabled);
    m_slider->setEnabled(enabled);
    m_field->setEnabled(enabled);
}

void ValueControl::fromSlider(int position) {
    const double x = valueAt(position);
    {
        const QSignalBlocker block(m_field);
        m_field->setValue(x);
    }
    emit changed(m_field->value());
}

void ValueControl::fromField(double x) {
    {
        const QSignalBlocker block(m_slider);
        m_slider->setValue(positionOf(x));
    }
    emit changed(x);
}

} // namespace lab
