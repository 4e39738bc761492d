#include "pages/Applic.h"
#include "pages/Style.h"
#include "shell/Course.h"

#include "toolkit/Beep.h"

namespace pages {

Applic::Applic(shell::Course &course) : CoursePage(course, Id, Navigation::Panel) {
    Image1 = new tk::ImageBox(this, QStringLiteral("Image1"), {120, 120, 8250, 1485},
                              course.picture(art::Picture::TriggerCircuit));
    Frame = new tk::Frame(this, QStringLiteral("Frame"), {360, 1920, 8895, 2175},
                          tk::Frame::Kind::Active);
    TextExplication =
        new tk::TextBox(Frame, QStringLiteral("TextExplication"), {480, 120, 7935, 1815},
                        style::Default, tk::TextBox::Mode::Editable);
    TextExplication->setAccessibleName(QStringLiteral("Explications relatives au montage"));
    TextCalculs =
        new tk::TextBox(this, QStringLiteral("TextCalculs"), {120, 1680, 9255, 3255},
                        style::text(fonts::Pt9_75, true), tk::TextBox::Mode::ReadOnlyScrolling);
    TextCalculs->setAccessibleName(QStringLiteral("Calculs"));
    TextCalculs->hide();
    ImageGraphe = new tk::ImageBox(this, QStringLiteral("ImageGraphe"), {480, 2040, 7950, 3000},
                                   course.picture(art::Picture::TriggerCurves),
                                   QStringLiteral("Oscillogrammes"));
    ImageGraphe->hide();
    ImageImpulsions =
        new tk::ImageBox(this, QStringLiteral("ImageImpulsions"), {120, 5040, 2850, 1725},
                         course.picture(art::Picture::MainsPulses));
    ImageImpulsions->hide();
    ImageTrain = new tk::ImageBox(this, QStringLiteral("ImageTrain"), {2970, 4170, 1800, 1725},
                                  course.picture(art::Picture::PulseTrain),
                                  QStringLiteral("Détail du train d'impulsions"));
    ImageTrain->hide();
    BPCourbes =
        new tk::Button(this, QStringLiteral("BPCourbes"), {8640, 120, 615, 495},
                       art::icon(art::Icon::Oscilloscope), QStringLiteral("Oscillogrammes"));
    BPCourbes->hide();
    BPCalculs = new tk::Button(this, QStringLiteral("BPCalculs"), {8640, 720, 615, 495},
                               art::icon(art::Icon::Book), QStringLiteral("Calculs"));
    BPCalculs->hide();
    BPLoupe = new tk::Button(this, QStringLiteral("BPLoupe"), {3000, 5160, 615, 495},
                             art::icon(art::Icon::Magnifier),
                             QStringLiteral("Voir le train d'impulsions"));
    BPLoupe->hide();

    connect(BPLoupe, &tk::Button::activated, this, &Applic::BPLoupe_Click);
    connect(BPCalculs, &tk::Button::activated, this, &Applic::BPCalculs_Click);
    connect(BPCourbes, &tk::Button::activated, this, &Applic::BPCourbes_Click);
    setTabOrder({Suivant, Precedent, Quitter, BPCourbes, BPLoupe, BPCalculs, TextCalculs});
}

void Applic::enter() {
    BPCalculs->hide();
    BPCourbes->hide();
    ImageImpulsions->show();
    Frame->show();
    BPLoupe->show();
    TextCalculs->resetView(); // the calculation opens at its start on every visit
    showPage();
    FrameBoutons->show();
    Suivant->setFocus();
}

void Applic::leave() {
    TextCalculs->hide();
    ImageGraphe->hide();
    BPCalculs->hide();
    BPCourbes->hide();
    ImageTrain->hide();
}

void Applic::BPLoupe_Click() {
    tk::beep();
    TextCalculs->hide();
    BPLoupe->hide();
    ImageGraphe->hide();
    Suivant->setFocus();
    Frame->show();
    ImageImpulsions->show();
    BPCourbes->show();
    BPCalculs->show();
    ImageTrain->show();
    announce(QStringLiteral("Vue du train d'impulsions : les explications, la tension du "
                            "secteur et le détail du train d'impulsions."));
}

void Applic::BPCalculs_Click() {
    tk::beep();
    Frame->hide();
    ImageGraphe->hide();
    ImageImpulsions->hide();
    ImageTrain->hide();
    BPCalculs->hide();
    Suivant->setFocus();
    BPCourbes->show();
    BPLoupe->show();
    TextCalculs->show();
    announce(QStringLiteral("Vue des calculs : le dimensionnement des composants du "
                            "déclencheur."));
}

void Applic::BPCourbes_Click() {
    tk::beep();
    TextCalculs->hide();
    ImageTrain->hide();
    ImageImpulsions->hide();
    Frame->hide();
    BPCourbes->hide();
    Suivant->setFocus();
    BPCalculs->show();
    BPLoupe->show();
    ImageGraphe->show();
    announce(QStringLiteral("Vue des oscillogrammes du déclencheur."));
}

COURSE_PAGE_FACTORY(Applic)

} // namespace pages
