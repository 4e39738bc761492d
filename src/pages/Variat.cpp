#include "pages/Variat.h"
#include "pages/Style.h"
#include "shell/Course.h"

namespace pages {

Variat::Variat(shell::Course &course) : CoursePage(course, Id, Navigation::OnPage) {
    Image1 = new tk::ImageBox(this, QStringLiteral("Image1"), {2160, 120, 5310, 4485},
                              course.picture(art::Picture::SpeedDrives),
                              tr("Variateurs de vitesse industriels pour moteurs électriques"),
                              tk::ImageBox::Fit::Stretch);
    Frame2 = new tk::Frame(this, QStringLiteral("Frame2"), {120, 4680, 9255, 1455});
    TextVariateur = new tk::TextBox(Frame2, QStringLiteral("TextVariateur"), {240, 120, 8895, 1155},
                                    style::centred(fonts::Pt12, true, true));
    TextVariateur->setAccessibleName(tr("Domaines d'utilisation"));
    setTabOrder({Suivant, Precedent, Quitter});
}

COURSE_PAGE_FACTORY(Variat)

} // namespace pages
