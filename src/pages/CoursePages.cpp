#include "CoursePages.h"

#include "Aimant.h"
#include "Applic.h"
#include "ChargeTi.h"
#include "Convent.h"
#include "Demag.h"
#include "Fonction.h"
#include "Incomp.h"
#include "PasSat.h"
#include "Produit.h"
#include "RappCyc.h"
#include "Variat.h"
#include "Vide.h"

#include "Course.h"

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
