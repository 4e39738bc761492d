#include "toolkit/Button.h"
#include "palette/Palette.h"
#include "toolkit/ColourScheme.h"
#include "toolkit/PageWindow.h"

#include "fonts/Fonts.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleHints>

namespace tk {
namespace {

constexpr int IconSize = 32;
// The edges of the raised face: light above and left, dark below and right.
const QColor &Highlight = palette::White;
const QColor &Light = palette::LightGrey;
const QColor &Shadow = palette::Grey;
const QColor &DarkShadow = palette::Black;
// The focus rectangle lies this far inside the button's edge.
constexpr int FocusInset = 4;

void frame(QPainter &p, const QRect &r, const QColor &topLeft, const QColor &bottomRight) {
    p.fillRect(r.left(), r.top(), r.width(), 1, topLeft);
    p.fillRect(r.left(), r.top(), 1, r.height(), topLeft);
    p.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    p.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}

// Every other pixel of the rectangle's outline, as a classic focus rectangle.
void dottedFrame(QPainter &p, const QRect &r, const QColor &colour) {
    for (int x = r.left(); x <= r.right(); x += 2) {
        p.fillRect(x, r.top(), 1, 1, colour);
        p.fillRect(x, r.bottom(), 1, 1, colour);
    }
    for (int y = r.top(); y <= r.bottom(); y += 2) {
        p.fillRect(r.left(), y, 1, 1, colour);
        p.fillRect(r.right(), y, 1, 1, colour);
    }
}

} // namespace

Button::Button(QWidget *parent, const QString &name, Tw place, const QString &caption)
    : QPushButton(caption, parent), Scaled(place) {
    setUp(name, place);
    setAccessibleName(caption);
}

Button::Button(QWidget *parent, const QString &name, Tw place, const QIcon &icon,
               const QString &tooltip)
    : QPushButton(parent), Scaled(place) {
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
    setFocusPolicy(Qt::StrongFocus);
    setPalette(coursePalette());
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(this, &QAbstractButton::clicked, this, &Button::press);
}

bool Button::press() {
    if (!isVisible() || !isEnabled())
        return false;
    QPointer<PageWindow> page = PageWindow::of(this);
    emit activated();
    if (page)
        page->keepFocus();
    return true;
}

bool Button::isEnterTarget() const {
    const auto *page = PageWindow::of(this);
    const QWidget *focus = page ? page->focusWidget() : nullptr;
    const auto *focusedButton = qobject_cast<const Button *>(focus);
    if (focusedButton && focusedButton->isVisible())
        return focusedButton == this;
    return page && page->defaultButton() == this;
}

bool Button::showsFocus() const {
    return window()->focusWidget() == this;
}

void Button::keyPressEvent(QKeyEvent *event) {
    if (PageWindow::isPageKey(event))
        event->ignore(); // for the page
    else
        QPushButton::keyPressEvent(event);
}

void Button::mousePressEvent(QMouseEvent *event) {
    m_lastPress = event->timestamp();
    m_everPressed = true;
    QPushButton::mousePressEvent(event);
}

void Button::mouseDoubleClickEvent(QMouseEvent *event) {
    // The second click of a double click presses this button only if the
    // first one pressed it too: a button that has just appeared under the
    // pointer (revealed by the first click) is not pressed by the second.
    const ulong interval = ulong(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    if (!m_everPressed || event->timestamp() - m_lastPress > interval) {
        event->ignore();
        return;
    }
    QPushButton::mouseDoubleClickEvent(event);
}

void Button::focusInEvent(QFocusEvent *event) {
    QPushButton::focusInEvent(event);
    updateEnterMarks();
}

void Button::focusOutEvent(QFocusEvent *event) {
    QPushButton::focusOutEvent(event);
    updateEnterMarks();
}

void Button::updateEnterMarks() {
    // The default button's border depends on where the focus is.
    if (auto *page = PageWindow::of(this); page && page->defaultButton())
        page->defaultButton()->update();
    update();
}

void Button::hideEvent(QHideEvent *event) {
    // A button hidden while held down (its page left under the pointer)
    // comes back up.
    if (isDown())
        setDown(false);
    QPushButton::hideEvent(event);
}

void Button::paintEvent(QPaintEvent *) {
    QPainter p(this);
    // Drawn at 100 % and scaled as a whole: edges, caption and focus marks
    // keep their proportions at every scale.
    p.scale(zoom(), zoom());
    const QRect base(QPoint(0, 0), unscaledSize());
    QRect r = base;
    const bool down = isDown();
    p.fillRect(r, palette::PageGrey);
    if (isEnterTarget() || down) {
        frame(p, r, DarkShadow, DarkShadow);
        r.adjust(1, 1, -1, -1);
    }
    if (down) {
        frame(p, r, Shadow, Shadow);
    } else {
        frame(p, r, Highlight, DarkShadow);
        r.adjust(1, 1, -1, -1);
        frame(p, r, Light, Shadow);
    }
    const int shift = down ? 1 : 0;
    if (!icon().isNull()) {
        const QRect target(
            QPoint((base.width() - IconSize) / 2 + shift, (base.height() - IconSize) / 2 + shift),
            QSize(IconSize, IconSize));
        if (zoom() == 1.0) {
            icon().paint(&p, target);
        } else {
            // The icon drawn for the device pixels it covers at this scale.
            const qreal ratio = devicePixelRatioF() * zoom();
            QPixmap pixmap = icon().pixmap(QSize(IconSize, IconSize), ratio);
            pixmap.setDevicePixelRatio(ratio);
            p.drawPixmap(target.topLeft(), pixmap);
        }
    } else {
        fonts::registerFor(font());
        p.setPen(palette::WindowText);
        p.setFont(font());
        p.drawText(base.translated(shift, shift), Qt::AlignCenter, text());
    }
    if (showsFocus()) {
        // Inside the raised edge; around the caption, or just around an icon.
        const int inset = icon().isNull() ? FocusInset : FocusInset - 1;
        dottedFrame(p, base.adjusted(inset, inset, -inset, -inset), palette::WindowText);
    }
}

} // namespace tk
