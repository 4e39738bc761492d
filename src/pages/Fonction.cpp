#include "pages/Fonction.h"
#include "pages/Style.h"
#include "shell/Course.h"

namespace pages {

Fonction::Fonction(shell::Course &course) : CoursePage(course, Id, Navigation::Panel) {
    Frame1 = new tk::Frame(this, QStringLiteral("Frame1"), {120, 360, 9255, 2535});
    // Blanks a little wider than the face's own, so that the blanks of the
    // last line put each component's name above its symbol.
    tk::TextStyle names = style::text(fonts::Pt13_5, true);
    names.blankStretch = BlankStretch;
    TextFonction =
        new tk::TextBox(Frame1, QStringLiteral("TextFonction"), {240, 120, 8895, 2295}, names);
    TextFonction->setAccessibleName(tr("Fonction du transformateur d'impulsions"));
    Image1 =
        new tk::ImageBox(this, QStringLiteral("Image1"), {1680, 2880, 570, 525},
                         course.picture(art::Picture::Thyristor), tr("Symbole d'un thyristor"));
    Image2 = new tk::ImageBox(this, QStringLiteral("Image2"), {4200, 2880, 645, 810},
                              course.picture(art::Picture::Triac), tr("Symbole d'un triac"));
    Image3 =
        new tk::ImageBox(this, QStringLiteral("Image3"), {6840, 2880, 390, 630},
                         course.picture(art::Picture::Transistor), tr("Symbole d'un transistor"));
    Frame2 = new tk::Frame(this, QStringLiteral("Frame2"), {120, 3960, 9255, 2055});
    TextAvantages = new tk::TextBox(Frame2, QStringLiteral("TextAvantages"), {600, 240, 8415, 1695},
                                    style::text(fonts::Pt12, true, true));
    TextAvantages->setAccessibleName(tr("Avantages"));
    TextAvantages->hide();
    Suite = makeSuite();
    setTabOrder({Suite, Suivant, Precedent, Quitter});

    declareArrival({.before = {shell::show(Suite)}, .focus = Suite});
    // Suite_Click: the advantages, and the way on.
    declareStep(Suite, {shell::hide(Suite), shell::show(TextAvantages), shell::show(FrameBoutons),
                        shell::focus(Suivant)});
    declareWalk({shell::press(Suite, QStringLiteral("suite"))});
}

COURSE_PAGE_FACTORY(Fonction)

} // namespace pages
