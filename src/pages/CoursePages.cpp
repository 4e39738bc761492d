#include "pages/CoursePages.h"

#include "pages/Aimant.h"
#include "pages/Applic.h"
#include "pages/ChargeTi.h"
#include "pages/Convent.h"
#include "pages/Demag.h"
#include "pages/Fonction.h"
#include "pages/Incomp.h"
#include "pages/PasSat.h"
#include "pages/Produit.h"
#include "pages/RappCyc.h"
#include "pages/Variat.h"
#include "pages/Vide.h"

#include "shell/Course.h"

namespace pages {
namespace {

template <class Page> void install(shell::Course &course) {
    course.setFactory(Page::Id, [](shell::Course &c) { return new Page(c); });
}

} // namespace

void installCoursePages(shell::Course &course) {
    install<Fonction>(course);
    install<Convent>(course);
    install<Aimant>(course);
    install<Vide>(course);
    install<Produit>(course);
    install<PasSat>(course);
    install<Demag>(course);
    install<Incomp>(course);
    install<RappCyc>(course);
    install<ChargeTi>(course);
    install<Applic>(course);
    install<Variat>(course);
}

} // namespace pages
