#include "pages/ChargeTi.h"
#include "pages/Style.h"
#include "shell/Course.h"

namespace pages {

ChargeTi::ChargeTi(shell::Course &course) : CoursePage(course, Id, Navigation::Panel) {
    Picture1 =
        new tk::PlotSurface(this, QStringLiteral("Picture1"), {360, 240, 4425, 1440},
                            course.picture(art::Picture::LoadCircuit), tr("Schéma du montage"));
    // The indices cross: the upper frame Frame1(1) holds TextCharge(0).
    Frame1[1] = new tk::Frame(this, QStringLiteral("Frame1(1)"), {360, 1800, 4455, 2415});
    TextCharge[0] = new tk::TextBox(Frame1[1], QStringLiteral("TextCharge(0)"),
                                    {240, 120, 3855, 2175}, style::Default);
    TextCharge[0]->setAccessibleName(tr("Courants en charge"));
    Frame1[0] = new tk::Frame(this, QStringLiteral("Frame1(0)"), {360, 4320, 4455, 1815});
    TextCharge[1] = new tk::TextBox(Frame1[0], QStringLiteral("TextCharge(1)"),
                                    {240, 240, 3855, 1575}, style::text(fonts::Pt8_25, true, true));
    TextCharge[1]->setAccessibleName(tr("Exemple"));
    TextCharge[1]->hide();
    ImageCourbes = new tk::ImageBox(this, QStringLiteral("ImageCourbes"), {5280, 1440, 4050, 4245},
                                    course.picture(art::Picture::LoadCurves), tr("Oscillogrammes"));
    ImageCourbes->hide();
    BPCourbes = new tk::Button(this, QStringLiteral("BPCourbes"), {6840, 480, 615, 495},
                               art::icon(art::Icon::Oscilloscope), tr("Oscillogrammes"));
    BPCourbes->hide();
    setTabOrder({Quitter, Precedent, Suivant, BPCourbes});

    declareArrival({.before = {shell::show(BPCourbes)}, .focus = BPCourbes});
    // BPCourbes_Click: the worked example, its oscillograms and the way on.
    // The button gives the focus to no one itself; the toolkit passes it on.
    declareStep(BPCourbes, {shell::hide(BPCourbes), shell::show(FrameBoutons),
                            shell::show(TextCharge[1]), shell::show(ImageCourbes)});
    declareWalk({shell::press(BPCourbes, QStringLiteral("courbes"))});
}

COURSE_PAGE_FACTORY(ChargeTi)

} // namespace pages
