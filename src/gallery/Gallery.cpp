#include "gallery/Gallery.h"

#include "app/CourseSetup.h"
#include "app/CourseWalk.h"

#include "pages/Aimant.h"
#include "pages/Applic.h"
#include "pages/ChargeTi.h"
#include "pages/Demag.h"
#include "pages/Fonction.h"
#include "pages/Incomp.h"
#include "pages/Produit.h"
#include "pages/Vide.h"
#include "shell/Course.h"
#include "shell/Debut.h"

#include <QDir>
#include <functional>

namespace gallery {
namespace {

using shell::PageId;

struct State {
    const char *name;
    std::function<void(shell::Course &)> reach; ///< from the state before
};

void next(shell::Course &course, PageId from) {
    app::walk::completeShownPage(course);
    course.coursePage(from).Suivant->press();
}

void ticks(tk::Timer *timer, int count) {
    for (int i = 0; i < count && timer->fire(); ++i) {
    }
}

QList<State> states() {
    using shell::Course;
    return {
        {"00-debut", [](Course &c) { c.start(); }},
        {"01-fonction-arrivee", [](Course &c) { c.debut().Timer1->fire(); }},
        {"01-fonction-suite", [](Course &c) { c.page<pages::Fonction>().Suite->press(); }},
        {"02-convent", [](Course &c) { c.coursePage(PageId::Fonction).Suivant->press(); }},
        {"03-aimant-arrivee", [](Course &c) { next(c, PageId::Convent); }},
        {"03-aimant-suite", [](Course &c) { c.page<pages::Aimant>().Suite->press(); }},
        {"04-vide-animation",
         [](Course &c) {
             c.coursePage(PageId::Aimant).Suivant->press();
             ticks(c.page<pages::Vide>().Timer2, 60);
         }},
        {"04-vide-fin", [](Course &c) { ticks(c.page<pages::Vide>().Timer2, 1000); }},
        {"04-vide-suite", [](Course &c) { c.page<pages::Vide>().Suite->press(); }},
        {"05-produit-arrivee", [](Course &c) { c.coursePage(PageId::Vide).Suivant->press(); }},
        {"05-produit-suite1", [](Course &c) { c.page<pages::Produit>().Suite1->press(); }},
        {"05-produit-suite2", [](Course &c) { c.page<pages::Produit>().Suite2->press(); }},
        {"06-passat", [](Course &c) { c.coursePage(PageId::Produit).Suivant->press(); }},
        {"07-demag-arrivee", [](Course &c) { c.coursePage(PageId::PasSat).Suivant->press(); }},
        {"07-demag-diode-montee",
         [](Course &c) {
             auto &d = c.page<pages::Demag>();
             d.BPKf->press();
             app::walk::fireUntilStopped(d.Timer1);
         }},
        {"07-demag-diode-descente",
         [](Course &c) {
             auto &d = c.page<pages::Demag>();
             d.BPKo->press();
             app::walk::fireUntilStopped(d.Timer2);
         }},
        {"07-demag-zener-pret", [](Course &c) { c.page<pages::Demag>().Suite->press(); }},
        {"07-demag-zener-montee",
         [](Course &c) {
             auto &d = c.page<pages::Demag>();
             d.BPKf->press();
             app::walk::fireUntilStopped(d.Timer1);
         }},
        {"07-demag-fin",
         [](Course &c) {
             auto &d = c.page<pages::Demag>();
             d.BPKo->press();
             app::walk::fireUntilStopped(d.Timer2);
         }},
        {"08-incomp-arrivee", [](Course &c) { c.coursePage(PageId::Demag).Suivant->press(); }},
        {"08-incomp-animation",
         [](Course &c) {
             auto &p = c.page<pages::Incomp>();
             p.Suite->press();
             for (int i = 0; i < 5; ++i)
                 app::walk::fireUntilStopped(p.Timer[i]);
             ticks(p.Timer[5], 30);
         }},
        {"08-incomp-fin",
         [](Course &c) {
             for (tk::Timer *t : c.page<pages::Incomp>().Timer)
                 app::walk::fireUntilStopped(t);
         }},
        {"09-rappcyc", [](Course &c) { c.coursePage(PageId::Incomp).Suivant->press(); }},
        {"10-chargeti-arrivee", [](Course &c) { c.coursePage(PageId::RappCyc).Suivant->press(); }},
        {"10-chargeti-courbes", [](Course &c) { c.page<pages::ChargeTi>().BPCourbes->press(); }},
        {"11-applic-arrivee", [](Course &c) { c.coursePage(PageId::ChargeTi).Suivant->press(); }},
        {"11-applic-loupe", [](Course &c) { c.page<pages::Applic>().BPLoupe->press(); }},
        {"11-applic-calculs", [](Course &c) { c.page<pages::Applic>().BPCalculs->press(); }},
        {"11-applic-courbes", [](Course &c) { c.page<pages::Applic>().BPCourbes->press(); }},
        {"12-variat", [](Course &c) { c.coursePage(PageId::Applic).Suivant->press(); }},
        {"13-finprog", [](Course &c) { c.coursePage(PageId::Variat).Suivant->press(); }},
    };
}

} // namespace

QStringList stateNames() {
    QStringList names;
    for (const State &state : states())
        names << QLatin1StringView(state.name);
    return names;
}

QStringList writeAll(const QString &outputDir) {
    QDir().mkpath(outputDir);
    app::configureApplication();
    shell::Course course;
    app::assemble(course);
    QStringList written;
    for (const State &state : states()) {
        state.reach(course);
        tk::PageWindow *page = app::walk::visiblePage(course);
        if (!page)
            continue;
        const QString file = QDir(outputDir).filePath(QLatin1StringView(state.name) + u".png");
        if (page->grab().save(file))
            written << file;
    }
    return written;
}

} // namespace gallery
