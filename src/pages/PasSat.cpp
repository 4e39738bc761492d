#include "pages/PasSat.h"
#include "pages/Style.h"
#include "shell/Course.h"

namespace pages {

PasSat::PasSat(shell::Course &course) : CoursePage(course, Id, Navigation::OnPage) {
    Image1 =
        new tk::ImageBox(this, QStringLiteral("Image1"), {2040, 240, 5550, 3000},
                         course.picture(art::Picture::Photo), tr("Transformateurs d'impulsions"));
    Frame2 = new tk::Frame(this, QStringLiteral("Frame2"), {120, 3360, 9255, 2535});
    TextPasSaturer = new tk::TextBox(Frame2, QStringLiteral("TextPasSaturer"), {0, 240, 9255, 2415},
                                     style::centred(fonts::Pt18, true));
    TextPasSaturer->setAccessibleName(tr("Règle de choix du transformateur"));
    setTabOrder({Suivant, Precedent, Quitter});
}

COURSE_PAGE_FACTORY(PasSat)

} // namespace pages
