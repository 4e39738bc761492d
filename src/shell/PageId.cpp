#include "shell/PageId.h"

#include <QCoreApplication>

namespace shell {
namespace {

constexpr std::array Titles{
#define COURSE_PAGE_TITLE(layer, name, title) std::string_view(title),
    COURSE_PAGES(COURSE_PAGE_TITLE)
#undef COURSE_PAGE_TITLE
};

// The titles again, as lupdate reads them: it does not expand the page
// table's macro. The check below keeps them identical to the table's, so
// that every title finds its translation.
constexpr std::array TranslatedTitles{
    std::string_view(QT_TRANSLATE_NOOP("shell::PageTitle", "Transformateur d'impulsions")),
    std::string_view(
        QT_TRANSLATE_NOOP("shell::PageTitle", "Fonction d'un transformateur d'impulsions")),
    std::string_view(QT_TRANSLATE_NOOP("shell::PageTitle", "Convention")),
    std::string_view(QT_TRANSLATE_NOOP("shell::PageTitle", "Courbe d'aimantation")),
    std::string_view(QT_TRANSLATE_NOOP("shell::PageTitle", "Fonctionnement à vide")),
    std::string_view(QT_TRANSLATE_NOOP("shell::PageTitle", "Produit  E . t")),
    std::string_view(
        QT_TRANSLATE_NOOP("shell::PageTitle", "Choix d'un transformateur d'impulsions")),
    std::string_view(QT_TRANSLATE_NOOP("shell::PageTitle", "Démagnétisation")),
    std::string_view(QT_TRANSLATE_NOOP("shell::PageTitle", "Démagnétisation incomplète")),
    std::string_view(QT_TRANSLATE_NOOP("shell::PageTitle", "Rapport cyclique")),
    std::string_view(QT_TRANSLATE_NOOP("shell::PageTitle", "Fonctionnement en charge")),
    std::string_view(
        QT_TRANSLATE_NOOP("shell::PageTitle", "Application:  Déclencheur de Pont mixte monophasé")),
    std::string_view(QT_TRANSLATE_NOOP("shell::PageTitle",
                                       "Domaines d'utilisation des transformateurs d'impulsions")),
    std::string_view(QT_TRANSLATE_NOOP("shell::PageTitle", "Auteur")),
};

static_assert(Titles == TranslatedTitles,
              "the translatable titles are those of the page table, in its order");

} // namespace

QString formName(PageId id) {
    const std::string_view name = FormNames[std::size_t(number(id))];
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

QString pageTitle(PageId id) {
    // The table's literals end with their NUL, as translate() needs.
    return QCoreApplication::translate("shell::PageTitle", Titles[std::size_t(number(id))].data());
}

} // namespace shell
