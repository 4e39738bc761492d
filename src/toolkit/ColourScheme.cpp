#include "toolkit/ColourScheme.h"

#include "palette/Palette.h"

namespace tk {

namespace {

QPalette makeCoursePalette() {
    using namespace palette;
    QPalette pal;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        pal.setColor(group, QPalette::Window, PageGrey);
        pal.setColor(group, QPalette::WindowText, disabled ? Grey : WindowText);
        pal.setColor(group, QPalette::Base, PageGrey);
        pal.setColor(group, QPalette::AlternateBase, PageGrey);
        pal.setColor(group, QPalette::Text, disabled ? Grey : WindowText);
        pal.setColor(group, QPalette::PlaceholderText, Grey);
        pal.setColor(group, QPalette::Button, PageGrey);
        pal.setColor(group, QPalette::ButtonText, disabled ? Grey : WindowText);
        pal.setColor(group, QPalette::BrightText, White);
        pal.setColor(group, QPalette::Light, White);
        pal.setColor(group, QPalette::Midlight, LightGrey);
        pal.setColor(group, QPalette::Mid, QColor(160, 160, 160));
        pal.setColor(group, QPalette::Dark, Grey);
        pal.setColor(group, QPalette::Shadow, WindowText);
        pal.setColor(group, QPalette::Highlight, Navy);
        pal.setColor(group, QPalette::HighlightedText, White);
        pal.setColor(group, QPalette::Link, Blue);
        pal.setColor(group, QPalette::LinkVisited, Purple);
        pal.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 225));
        pal.setColor(group, QPalette::ToolTipText, WindowText);
    }
    return pal;
}

} // namespace

QPalette coursePalette() {
    // One palette, shared by every control that takes it (a palette is
    // copied on write).
    static const QPalette pal = makeCoursePalette();
    return pal;
}

} // namespace tk
