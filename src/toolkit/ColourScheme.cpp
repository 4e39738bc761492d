#include "toolkit/ColourScheme.h"

#include "palette/Palette.h"

#include <cmath>

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

namespace {

double luminance(const QColor &c) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor withContrast(const QColor &colour, const QColor &background, double ratio) {
    if (contrastRatio(colour, background) >= ratio)
        return colour;
    // Towards black on a light background, towards white on a dark one: the
    // nearest colour of the same hue that is far enough.
    const QColor end = luminance(background) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    QColor shown = end;
    for (int step = 1; step <= 100; ++step) {
        const double t = step / 100.0;
        // (in whole steps of 1/255, as the colour is drawn)
        const auto mix = [t](int from, int to) { return qRound(from + (to - from) * t); };
        const QColor mixed(mix(colour.red(), end.red()), mix(colour.green(), end.green()),
                           mix(colour.blue(), end.blue()));
        if (contrastRatio(mixed, background) >= ratio) {
            shown = mixed;
            break;
        }
    }
    return shown;
}

} // namespace tk
