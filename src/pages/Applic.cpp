#include "pages/Applic.h"
#include "pages/Style.h"
#include "shell/Course.h"

namespace pages {

Applic::Applic(shell::Course &course) : CoursePage(course, Id, Navigation::Panel) {
    Image1 = new tk::ImageBox(this, QStringLiteral("Image1"), {120, 120, 8250, 1485},
                              course.picture(art::Picture::TriggerCircuit));
    Frame = new tk::Frame(this, QStringLiteral("Frame"), {360, 1920, 8895, 2175},
                          tk::Frame::Kind::Active);
    TextExplication =
        new tk::TextBox(Frame, QStringLiteral("TextExplication"), {480, 120, 7935, 1815},
                        style::Default, tk::TextBox::Mode::Editable);
    TextExplication->setAccessibleName(tr("Explications relatives au montage"));
    TextCalculs =
        new tk::TextBox(this, QStringLiteral("TextCalculs"), {120, 1680, 9255, 3255},
                        style::text(fonts::Pt9_75, true), tk::TextBox::Mode::ReadOnlyScrolling);
    TextCalculs->setAccessibleName(tr("Calculs"));
    TextCalculs->hide();
    ImageGraphe =
        new tk::ImageBox(this, QStringLiteral("ImageGraphe"), {480, 2040, 7950, 3000},
                         course.picture(art::Picture::TriggerCurves), tr("Oscillogrammes"));
    ImageGraphe->hide();
    ImageImpulsions =
        new tk::ImageBox(this, QStringLiteral("ImageImpulsions"), {120, 5040, 2850, 1725},
                         course.picture(art::Picture::MainsPulses));
    ImageImpulsions->hide();
    ImageTrain = new tk::ImageBox(this, QStringLiteral("ImageTrain"), {2970, 4170, 1800, 1725},
                                  course.picture(art::Picture::PulseTrain),
                                  tr("Détail du train d'impulsions"));
    ImageTrain->hide();
    BPCourbes = new tk::Button(this, QStringLiteral("BPCourbes"), {8640, 120, 615, 495},
                               art::icon(art::Icon::Oscilloscope), tr("Oscillogrammes"));
    BPCourbes->hide();
    BPCalculs = new tk::Button(this, QStringLiteral("BPCalculs"), {8640, 720, 615, 495},
                               art::icon(art::Icon::Book), tr("Calculs"));
    BPCalculs->hide();
    BPLoupe = new tk::Button(this, QStringLiteral("BPLoupe"), {3000, 5160, 615, 495},
                             art::icon(art::Icon::Magnifier), tr("Voir le train d'impulsions"));
    BPLoupe->hide();

    setTabOrder({Suivant, Precedent, Quitter, BPCourbes, BPLoupe, BPCalculs, TextCalculs});

    declareArrival(
        {.before = {shell::hide(BPCalculs), shell::hide(BPCourbes), shell::show(ImageImpulsions),
                    shell::show(Frame), shell::show(BPLoupe)},
         .after = {shell::show(FrameBoutons)},
         .focus = Suivant});

    // The page's views: what each shows of the elements that change between
    // views (the circuit and the navigation buttons are always shown).
    struct Row {
        QWidget *element;
        bool pulseTrain, calculation, oscillogram;
    };
    const QList<Row> views{
        {Frame, true, false, false},       {ImageImpulsions, true, false, false},
        {ImageTrain, true, false, false},  {TextCalculs, false, true, false},
        {ImageGraphe, false, false, true}, {BPLoupe, false, true, true},
        {BPCalculs, true, false, true},    {BPCourbes, true, true, false},
    };
    // A view's button hides what the view does not show (its own button
    // among them), gives the focus to Suivant, then shows the view.
    const auto view = [&views, this](bool Row::*column) {
        QList<shell::Change> changes;
        for (const Row &row : views)
            if (!(row.*column))
                changes << shell::hide(row.element);
        changes << shell::focus(Suivant);
        for (const Row &row : views)
            if (row.*column)
                changes << shell::show(row.element);
        return changes;
    };
    declareStep(BPLoupe, view(&Row::pulseTrain),
                tr("Vue du train d'impulsions : les explications, la tension du "
                   "secteur et le détail du train d'impulsions."));
    declareStep(BPCalculs, view(&Row::calculation),
                tr("Vue des calculs : le dimensionnement des composants du "
                   "déclencheur."));
    declareStep(BPCourbes, view(&Row::oscillogram), tr("Vue des oscillogrammes du déclencheur."));
    declareWalk({shell::press(BPLoupe, QStringLiteral("loupe")),
                 shell::press(BPCalculs, QStringLiteral("calculs")),
                 shell::press(BPCourbes, QStringLiteral("courbes"))});
}

void Applic::prepareArrival() {
    TextCalculs->resetView(); // the calculation opens at its start on every visit
}

COURSE_PAGE_FACTORY(Applic)

} // namespace pages
