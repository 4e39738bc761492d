#include "pages/Aimant.h"
#include "pages/Style.h"
#include "shell/Course.h"

namespace pages {

Aimant::Aimant(shell::Course &course) : CoursePage(course, Id, Navigation::Panel) {
    Frame1 = new tk::Frame(this, QStringLiteral("Frame1"), {120, 120, 9255, 855});
    TextModel = new tk::TextBox(Frame1, QStringLiteral("TextModel"), {240, 120, 8895, 615},
                                style::text(fonts::Pt12, true));
    TextModel->setAccessibleName(tr("Modèle du circuit magnétique"));
    Image1 = new tk::ImageBox(this, QStringLiteral("Image1"), {1200, 1080, 3825, 2760},
                              course.picture(art::Picture::MagnetisationCurve),
                              tr("Courbe d'aimantation"));
    Image2 = new tk::ImageBox(this, QStringLiteral("Image2"), {6360, 1320, 2115, 2325},
                              course.picture(art::Picture::DotConvention),
                              tr("Transformateur d'impulsions"));
    Frame2 = new tk::Frame(this, QStringLiteral("Frame2"), {120, 4080, 9255, 2055});
    TextSaturation = new tk::TextBox(Frame2, QStringLiteral("TextSaturation"),
                                     {600, 240, 8415, 1695}, style::text(fonts::Pt12, true, true));
    TextSaturation->setAccessibleName(tr("Saturation"));
    TextSaturation->hide();
    Suite = makeSuite();
    setTabOrder({Suite, Suivant, Precedent, Quitter});

    declareArrival({.before = {shell::show(Suite)}, .focus = Suite});
    // Suite_Click: saturation, and the way on.
    declareStep(Suite, {shell::hide(Suite), shell::show(TextSaturation), shell::show(FrameBoutons),
                        shell::focus(Suivant)});
    declareWalk({shell::press(Suite, QStringLiteral("suite"))});
}

COURSE_PAGE_FACTORY(Aimant)

} // namespace pages
