#pragma once

#include "Twips.h"

#include <QIcon>
#include <QPushButton>

namespace tk {

/// \brief A grey command button with a caption or a 32 x 32 icon.
///
/// Its handler runs through activated(), and only while the button can be
/// seen and pressed: a hidden button (or a button of a hidden page) cannot be
/// pressed by mouse, key or code. Enter and Escape are left to the page, which
/// routes them to its default and cancel buttons.
class Button final : public QPushButton {
    Q_OBJECT
public:
    /// A caption button.
    Button(QWidget *parent, const QString &name, Tw place, const QString &caption);
    /// An icon button; its tooltip is also its accessible name.
    Button(QWidget *parent, const QString &name, Tw place, const QIcon &icon,
           const QString &tooltip);

    /// \brief Runs the handler if the button is visible and enabled; returns whether it ran.
    bool press();

signals:
    /// The button was pressed (the page's handler).
    void activated();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setUp(const QString &name, Tw place);
};

} // namespace tk
