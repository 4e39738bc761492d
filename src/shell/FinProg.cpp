#include "shell/FinProg.h"
#include "shell/Course.h"
#include "shell/Debut.h"

#include "fonts/Fonts.h"

namespace shell {

FinProg::FinProg(Course &course) : CoursePage(course, Id, Navigation::EndPage) {
    Recommencer = m_forward;
    Image2 = new tk::ImageBox(this, QStringLiteral("Image2"), {600, 0, 1890, 2085},
                              course.picture(art::Picture::Emblem));
    Image1 =
        new tk::ImageBox(this, QStringLiteral("Image1"), {3360, 120, 5550, 3000},
                         course.picture(art::Picture::Photo), tr("Transformateurs d'impulsions"));
    Frame3 = new tk::Frame(this, QStringLiteral("Frame3"), {360, 2160, 2415, 1095});
    Text1 = new tk::TextBox(Frame3, QStringLiteral("Text1"), {120, 0, 2175, 975},
                            {.alignment = Qt::AlignHCenter});
    Text1->setAccessibleName(tr("Coordonnées de l'éditeur"));
    Text1->setText(contactBlock());
    Frame2 = new tk::Frame(this, QStringLiteral("Frame2"), {120, 3360, 9255, 2775});
    TextFin = new tk::TextBox(Frame2, QStringLiteral("TextFin"), {600, 120, 8535, 2595},
                              {.pixelSize = fonts::Pt12, .bold = true});
    TextFin->setAccessibleName(tr("Auteur et collection"));
    setTabOrder({Precedent, Quitter, Recommencer});
    declareArrival({.focus = Quitter});
}

COURSE_PAGE_FACTORY(FinProg)

} // namespace shell
