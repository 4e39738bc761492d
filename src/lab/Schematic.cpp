#include "lab/Schematic.h"

#include "palette/Palette.h"
#include "toolkit/Accessibility.h"

#include <QPainter>

namespace lab {

Schematic::Schematic(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Schema"));
    tk::accessibility::showAsImage(this);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setPicture(art::Picture::ZenKo);
}

void Schematic::setPicture(art::Picture picture) {
    m_picture = picture;
    setAccessibleName(art::title(picture));
    setAccessibleDescription(art::description(picture));
    update();
}

int Schematic::heightForWidth(int width) const {
    const QSize size = art::size(m_picture);
    return width * size.height() / size.width();
}

QSize Schematic::sizeHint() const {
    return art::size(m_picture) * 1.5;
}

void Schematic::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), palette::PageGrey);
    const QSizeF natural = art::size(m_picture);
    const double scale = std::min(width() / natural.width(), height() / natural.height());
    painter.translate((width() - natural.width() * scale) / 2,
                      (height() - natural.height() * scale) / 2);
    painter.scale(scale, scale);
    art::paint(m_picture, painter);
}

} // namespace lab
