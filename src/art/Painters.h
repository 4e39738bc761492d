#pragma once

// The painting routines of the pictures and icons, declared from the
// catalogue; each is defined with the picture or icon it paints.

#include "art/Catalogue.h"

class QPainter;

namespace art::painters {

#define ART_PICTURE_PAINTER(id, width, height, painter, ...) void painter(QPainter &p);
ART_PICTURES(ART_PICTURE_PAINTER)
#undef ART_PICTURE_PAINTER

#define ART_ICON_PAINTER(id, painter, baked) void painter(QPainter &p, int designSize);
ART_ICONS(ART_ICON_PAINTER)
#undef ART_ICON_PAINTER

} // namespace art::painters
