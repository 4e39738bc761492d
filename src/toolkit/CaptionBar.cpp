#include "toolkit/CaptionBar.h"

#include "fonts/Fonts.h"
#include "palette/Palette.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace tk {
namespace {

constexpr int ButtonSize = 18;
constexpr int IconSize = 16;
constexpr int Margin = 4;

} // namespace

CaptionBar::CaptionBar(QWidget *window) : QWidget(window) {
    setObjectName(QStringLiteral("BarreDeTitre"));
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(tr("Barre de titre"));
    setFixedHeight(Height);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool CaptionBar::wanted() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QRect CaptionBar::closeButton() const {
    return QRect(width() - Margin - ButtonSize, (Height - ButtonSize) / 2, ButtonSize, ButtonSize);
}

bool CaptionBar::event(QEvent *event) {
    // The caption and the active state are the window's.
    switch (event->type()) {
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
        update();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void CaptionBar::paintEvent(QPaintEvent *) {
    QPainter p(this);
    const bool active = window()->isActiveWindow();
    // The title bar of the course's desktop: navy when active, grey otherwise.
    p.fillRect(rect(), active ? palette::Navy : palette::Grey);
    const QIcon icon = window()->windowIcon();
    const QRect iconPlace(Margin, (Height - IconSize) / 2, IconSize, IconSize);
    icon.paint(&p, iconPlace);
    p.setFont(fonts::font(fonts::Pt8_25, true));
    p.setPen(active ? palette::White : palette::Silver);
    const QRect text(iconPlace.right() + Margin, 0,
                     closeButton().left() - iconPlace.right() - 2 * Margin, Height);
    // The caption as the window has it, its leading blanks included.
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
               p.fontMetrics().elidedText(window()->windowTitle(), Qt::ElideRight, text.width()));
    // The close button: a raised grey square with a cross, sunken while held.
    const QRect button = closeButton();
    p.fillRect(button, palette::Silver);
    p.setPen(m_closing ? palette::Black : palette::White);
    p.drawLine(button.topLeft(), button.topRight());
    p.drawLine(button.topLeft(), button.bottomLeft());
    p.setPen(m_closing ? palette::White : palette::Black);
    p.drawLine(button.bottomLeft(), button.bottomRight());
    p.drawLine(button.topRight(), button.bottomRight());
    p.setPen(QPen(palette::Black, 2));
    const QRect cross =
        button.adjusted(5, 5, -5, -5).translated(m_closing ? 1 : 0, m_closing ? 1 : 0);
    p.drawLine(cross.topLeft(), cross.bottomRight());
    p.drawLine(cross.bottomLeft(), cross.topRight());
}

void CaptionBar::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (closeButton().contains(event->position().toPoint())) {
        m_closing = true;
        update();
        return;
    }
    // The compositor moves the window, the only way a Wayland client can.
    if (QWindow *native = window()->windowHandle())
        native->startSystemMove();
}

void CaptionBar::mouseReleaseEvent(QMouseEvent *event) {
    if (!m_closing)
        return;
    m_closing = false;
    update();
    if (closeButton().contains(event->position().toPoint()))
        emit closeClicked();
}

} // namespace tk
