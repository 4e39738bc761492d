#pragma once

#include "toolkit/Twips.h"

#include <QIcon>
#include <QPushButton>

namespace tk {

/// \brief A grey command button with a caption or a 32 x 32 icon.
///
/// Its handler runs through activated(), and only while the button can be
/// seen and pressed: a hidden button (or a button of a hidden page) cannot be
/// pressed by mouse, key or code. Enter and Escape are left to the page, which
/// routes them to its default and cancel buttons.
///
/// It draws itself in the course's own look, whatever the desktop's style:
/// a flat grey face with a raised edge, a black border on the button that
/// Enter presses, and a dotted rectangle on the focused button, both shown
/// from the moment the page is.
class Button final : public QPushButton, public Scaled {
    Q_OBJECT
public:
    /// A caption button.
    Button(QWidget *parent, const QString &name, Tw place, const QString &caption);
    /// An icon button; its tooltip is also its accessible name.
    Button(QWidget *parent, const QString &name, Tw place, const QIcon &icon,
           const QString &tooltip);

    /// \brief Runs the handler if the button is visible and enabled; returns whether it ran.
    bool press();

    /// \brief Whether Enter would press this button now: it has the focus, or
    /// it is its page's default button and no other button has the focus.
    bool isEnterTarget() const;
    /// \brief Whether the button shows the focus rectangle.
    bool showsFocus() const;

signals:
    /// The button was pressed (the page's handler).
    void activated();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget &scaledWidget() override { return *this; }
    void setUp(const QString &name, Tw place);
    void updateEnterMarks();

    ulong m_lastPress = 0;      ///< when the mouse last pressed this button (event time)
    bool m_everPressed = false; ///< whether the mouse has pressed it at all
};

} // namespace tk
