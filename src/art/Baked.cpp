// The pictures drawn at build time (see Bake.cpp), embedded in this library's
// resources under :/art/.

#include "art/Baked.h"

#include <QtGlobal>

// Outside namespace art: the resource's own initialiser.
static void initResources() {
    Q_INIT_RESOURCE(baked_art);
}

namespace art {

void loadBakedPictures() {
    initResources();
}

} // namespace art
