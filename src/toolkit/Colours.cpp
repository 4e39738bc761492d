#include "Colours.h"

namespace tk {

QPalette coursePalette() {
    const QColor white(255, 255, 255);
    const QColor light(223, 223, 223);
    const QColor shadow(128, 128, 128);
    const QColor navy(0, 0, 128);
    QPalette pal;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        pal.setColor(group, QPalette::Window, PageGrey);
        pal.setColor(group, QPalette::WindowText, disabled ? shadow : WindowText);
        pal.setColor(group, QPalette::Base, PageGrey);
        pal.setColor(group, QPalette::AlternateBase, PageGrey);
        pal.setColor(group, QPalette::Text, disabled ? shadow : WindowText);
        pal.setColor(group, QPalette::PlaceholderText, shadow);
        pal.setColor(group, QPalette::Button, PageGrey);
        pal.setColor(group, QPalette::ButtonText, disabled ? shadow : WindowText);
        pal.setColor(group, QPalette::BrightText, white);
        pal.setColor(group, QPalette::Light, white);
        pal.setColor(group, QPalette::Midlight, light);
        pal.setColor(group, QPalette::Mid, QColor(160, 160, 160));
        pal.setColor(group, QPalette::Dark, shadow);
        pal.setColor(group, QPalette::Shadow, WindowText);
        pal.setColor(group, QPalette::Highlight, navy);
        pal.setColor(group, QPalette::HighlightedText, white);
        pal.setColor(group, QPalette::Link, QColor(0, 0, 255));
        pal.setColor(group, QPalette::LinkVisited, QColor(128, 0, 128));
        pal.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 225));
        pal.setColor(group, QPalette::ToolTipText, WindowText);
    }
    return pal;
}

} // namespace tk
