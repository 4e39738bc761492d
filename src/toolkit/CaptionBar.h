#pragma once

#include <QWidget>

namespace tk {

/// \brief The title bar of the course's window where the course draws it
/// itself: on Wayland, where Qt's own decorations would offer minimise,
/// maximise and resizing to a window of fixed size. It shows the window's
/// icon and caption and a close button; dragging it moves the window.
class CaptionBar final : public QWidget {
    Q_OBJECT
public:
    /// Its height, in logical pixels.
    static constexpr int Height = 26;

    explicit CaptionBar(QWidget *window);

    /// \brief Whether the course draws its window's title bar on this
    /// platform (on Wayland).
    static bool wanted();

signals:
    /// The close button was clicked.
    void closeClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    QRect closeButton() const;

    bool m_closing = false; ///< the close button is held down
};

} // namespace tk
