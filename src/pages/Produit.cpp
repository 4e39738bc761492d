#include "pages/Produit.h"
#include "pages/Style.h"
#include "shell/Course.h"

namespace pages {

Produit::Produit(shell::Course &course) : CoursePage(course, Id, Navigation::Panel) {
    const auto font = style::text(fonts::Pt9_75, true);
    const auto line = style::singleLine(fonts::Pt9_75, true);
    Frame1 = new tk::Frame(this, QStringLiteral("Frame1"), {120, 0, 9255, 1935});
    TextProduit =
        new tk::TextBox(Frame1, QStringLiteral("TextProduit"), {360, 240, 8895, 1455}, font);
    TextProduit->setAccessibleName(tr("Produit E × t"));
    Frame2 = new tk::Frame(this, QStringLiteral("Frame2"), {120, 2040, 5415, 1335});
    TextExemple =
        new tk::TextBox(Frame2, QStringLiteral("TextExemple"), {360, 240, 4815, 735}, font);
    TextExemple->setAccessibleName(tr("Exemple"));
    TextExemple->hide();
    Frame3 = new tk::Frame(this, QStringLiteral("Frame3"), {120, 3480, 5415, 855});
    Text10V = new tk::TextBox(Frame3, QStringLiteral("Text10V"), {120, 240, 5175, 495}, line);
    Text10V->setAccessibleName(tr("Impulsion de 10 V"));
    Text10V->hide();
    Frame4 = new tk::Frame(this, QStringLiteral("Frame4"), {120, 4440, 5415, 855});
    Text5V = new tk::TextBox(Frame4, QStringLiteral("Text5V"), {120, 240, 5175, 495}, line);
    Text5V->setAccessibleName(tr("Impulsion de 5 V"));
    Text5V->hide();

    const tk::Tw picturePlace{5760, 2400, 3495, 2790};
    ImageProduit1 = new tk::ImageBox(this, QStringLiteral("ImageProduit1"), picturePlace,
                                     course.picture(art::Picture::Pulse10V));
    ImageProduit1->hide();
    ImageProduit2 = new tk::ImageBox(this, QStringLiteral("ImageProduit2"), picturePlace,
                                     course.picture(art::Picture::Pulses10V5V));
    ImageProduit2->hide();

    Suite2 = makeSuite(QStringLiteral("Suite2"));
    Suite1 = makeSuite(QStringLiteral("Suite1"));
    setTabOrder({Suivant, Precedent, Quitter, Suite2, Suite1});

    declareArrival({.before = {shell::show(Suite1)}, .focus = Suite1});
    // Suite1_Click: the first example; Suite2, at the same place, takes over.
    declareStep(Suite1, {shell::hide(Suite1), shell::show(Suite2), shell::show(TextExemple),
                         shell::show(ImageProduit1), shell::show(Text10V)});
    // Suite2_Click: the second example, in front of the first, and the way on.
    declareStep(Suite2, {shell::hide(Suite2), shell::show(ImageProduit2), shell::show(Text5V),
                         shell::show(FrameBoutons)});
    declareWalk({shell::press(Suite1, QStringLiteral("suite1")),
                 shell::press(Suite2, QStringLiteral("suite2"))});
}

COURSE_PAGE_FACTORY(Produit)

} // namespace pages
