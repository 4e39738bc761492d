#include "support/Arrivals.h"

#include <QtGlobal>
#include <algorithm>

using shell::PageId;

namespace {

// Every page as it is entered, written out control by control: what a
// learner sees at first, and where Enter and Space act. The navigation
// buttons of a panel page sit in FrameBoutons, hidden until the page has
// been gone through; a page with a plot being drawn gives the focus to the
// plot, which tells the screen reader of it.
const Arrival Arrivals[] = {
    {PageId::Debut,
     {"Frame1", "Picture1", "Image1", "Frame3", "Text1", "TexteDebut", "Text2"},
     {},
     ""},
    {PageId::Fonction,
     {"Frame1", "TextFonction", "Image1", "Image2", "Image3", "Frame2", "Suite"},
     {"FrameBoutons", "Quitter", "Precedent", "Suivant", "TextAvantages"},
     "Suite"},
    {PageId::Convent,
     {"Quitter", "Precedent", "Suivant", "Image1", "Frame2", "TextConvention"},
     {},
     "Suivant"},
    {PageId::Aimant,
     {"Frame1", "TextModel", "Image1", "Image2", "Frame2", "Suite"},
     {"FrameBoutons", "Quitter", "Precedent", "Suivant", "TextSaturation"},
     "Suite"},
    {PageId::Vide,
     {"Picture1", "Image2", "Frame1(1)", "TextLegende", "Frame2", "TextVide", "Frame3"},
     {"FrameBoutons", "Quitter", "Precedent", "Suivant", "TextSaturation", "Suite"},
     "Picture1"},
    {PageId::Produit,
     {"Frame1", "TextProduit", "Frame2", "Frame3", "Frame4", "Suite1"},
     {"FrameBoutons", "Quitter", "Precedent", "Suivant", "TextExemple", "Text10V", "Text5V",
      "ImageProduit1", "ImageProduit2", "Suite2"},
     "Suite1"},
    {PageId::PasSat,
     {"Quitter", "Precedent", "Suivant", "Image1", "Frame2", "TextPasSaturer"},
     {},
     "Suivant"},
    {PageId::Demag,
     {"ImageDiodeKo", "BPKf", "Picture1", "FrameDemag(0)", "FrameDemag(1)", "FrameDemag(2)",
      "FrameDemag(3)"},
     {"FrameBoutons", "Quitter", "Precedent", "Suivant", "ImageDiodeKf", "ImageDiodeKfo",
      "ImageZenKo", "ImageZenKf", "ImageZenKfo", "BPKo", "TextI(0)", "TextI(1)", "TextDemag(0)",
      "TextDemag(1)", "TextDemag(2)", "TextDemag(3)", "Suite"},
     "BPKf"},
    {PageId::Incomp,
     {"ClientArea", "FrameDemag(0)", "TextIncomp(0)", "FrameDemag(1)", "ImageZenKo", "Suite"},
     {"FrameBoutons", "Quitter", "Precedent", "Suivant", "TextIncomp(1)", "ImageZenKf",
      "ImageZenKfo"},
     "Suite"},
    {PageId::RappCyc,
     {"Quitter", "Precedent", "Suivant", "Image1", "Frame2", "TextRappCyc"},
     {},
     "Suivant"},
    {PageId::ChargeTi,
     {"Picture1", "Frame1(1)", "TextCharge(0)", "Frame1(0)", "BPCourbes"},
     {"FrameBoutons", "Quitter", "Precedent", "Suivant", "TextCharge(1)", "ImageCourbes"},
     "BPCourbes"},
    {PageId::Applic,
     {"FrameBoutons", "Quitter", "Precedent", "Suivant", "Image1", "Frame", "TextExplication",
      "ImageImpulsions", "BPLoupe"},
     {"TextCalculs", "ImageGraphe", "ImageTrain", "BPCourbes", "BPCalculs"},
     "Suivant"},
    {PageId::Variat,
     {"Quitter", "Precedent", "Suivant", "Image1", "Frame2", "TextVariateur"},
     {},
     "Suivant"},
    {PageId::FinProg,
     {"Quitter", "Precedent", "Recommencer", "Image2", "Image1", "Frame3", "Text1", "Frame2",
      "TextFin"},
     {},
     "Quitter"},
};

static_assert(std::size(Arrivals) == shell::PageCount, "one arrival for each page");

} // namespace

const Arrival &arrivalOf(PageId page) {
    const auto *found = std::find_if(std::begin(Arrivals), std::end(Arrivals),
                                     [page](const Arrival &a) { return a.page == page; });
    Q_ASSERT(found != std::end(Arrivals));
    return *found;
}
