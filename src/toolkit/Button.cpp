#include "Button.h"
#include "Colours.h"
#include "PageWindow.h"

#include "Fonts.h"

#include <QKeyEvent>
#include <QPointer>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace tk {
namespace {
constexpr int IconSize = 32;
}

Button::Button(QWidget *parent, const QString &name, Tw place, const QString &caption)
    : QPushButton(caption, parent) {
    setUp(name, place);
    setAccessibleName(caption);
}

Button::Button(QWidget *parent, const QString &name, Tw place, const QIcon &icon,
               const QString &tooltip)
    : QPushButton(parent) {
    setUp(name, place);
    setIcon(icon);
    setIconSize(QSize(IconSize, IconSize));
    setToolTip(tooltip);
    setAccessibleName(tooltip);
}

void Button::setUp(const QString &name, Tw place) {
    setObjectName(name);
    setGeometry(place.toPixels());
    setFont(fonts::font(fonts::Pt8_25));
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    QPalette pal = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::Button, PageGrey);
    setPalette(pal);
    connect(this, &QAbstractButton::clicked, this, &Button::press);
}

bool Button::press() {
    if (!isVisible() || !isEnabled())
        return false;
    QPointer<PageWindow> page = qobject_cast<PageWindow *>(window());
    emit activated();
    if (page)
        page->keepFocus();
    return true;
}

void Button::keyPressEvent(QKeyEvent *event) {
    if (PageWindow::isPageKey(event))
        event->ignore(); // for the page
    else
        QPushButton::keyPressEvent(event);
}

void Button::paintEvent(QPaintEvent *event) {
    if (icon().isNull()) {
        QPushButton::paintEvent(event);
        return;
    }
    // An icon button shows its whole 32 x 32 icon, even where the button is
    // barely larger than the icon.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.icon = QIcon();
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    const int shift = isDown() ? 1 : 0;
    const QRect target(QPoint((width() - IconSize) / 2 + shift, (height() - IconSize) / 2 + shift),
                       QSize(IconSize, IconSize));
    icon().paint(&painter, target);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace tk
