#include "pages/Convent.h"
#include "pages/Style.h"
#include "shell/Course.h"

namespace pages {

Convent::Convent(shell::Course &course) : CoursePage(course, Id, Navigation::OnPage) {
    Image1 = new tk::ImageBox(this, QStringLiteral("Image1"), {3720, 600, 2115, 2325},
                              course.picture(art::Picture::DotConvention),
                              tr("Transformateur d'impulsion"));
    Frame2 = new tk::Frame(this, QStringLiteral("Frame2"), {120, 3480, 9255, 2055});
    TextConvention = new tk::TextBox(Frame2, QStringLiteral("TextConvention"),
                                     {600, 240, 8415, 1695}, style::centred(fonts::Pt12, true));
    TextConvention->setAccessibleName(tr("Convention des bornes homologues"));
    setTabOrder({Suivant, Precedent, Quitter});
}

COURSE_PAGE_FACTORY(Convent)

} // namespace pages
