#pragma once

#include "fonts/Fonts.h"
#include "toolkit/TextBox.h"

// The text styles of the pages: the embedded face at the course's sizes.
namespace pages::style {

constexpr tk::TextStyle text(int pixelSize, bool bold = false, bool italic = false,
                             Qt::Alignment alignment = Qt::AlignLeft) {
    return {pixelSize, bold, italic, alignment, true};
}
constexpr tk::TextStyle centred(int pixelSize, bool bold = false, bool italic = false) {
    return text(pixelSize, bold, italic, Qt::AlignHCenter);
}
constexpr tk::TextStyle singleLine(int pixelSize, bool bold = false) {
    return {pixelSize, bold, false, Qt::AlignLeft, false};
}
constexpr tk::TextStyle Default = text(fonts::Pt8_25);

} // namespace pages::style
