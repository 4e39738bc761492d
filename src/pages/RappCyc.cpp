#include "pages/RappCyc.h"
#include "pages/Style.h"
#include "shell/Course.h"

namespace pages {

RappCyc::RappCyc(shell::Course &course) : CoursePage(course, Id, Navigation::OnPage) {
    Image1 =
        new tk::ImageBox(this, QStringLiteral("Image1"), {2040, 240, 5550, 3000},
                         course.picture(art::Picture::Photo), tr("Transformateurs d'impulsions"));
    Frame2 = new tk::Frame(this, QStringLiteral("Frame2"), {120, 3360, 9255, 2775});
    TextRappCyc = new tk::TextBox(Frame2, QStringLiteral("TextRappCyc"), {0, 0, 9255, 2775},
                                  style::centred(fonts::Pt18, true));
    TextRappCyc->setAccessibleName(tr("Règle du rapport cyclique"));
    setTabOrder({Suivant, Precedent, Quitter});
}

COURSE_PAGE_FACTORY(RappCyc)

} // namespace pages
