#pragma once

#include <QString>
#include <array>

namespace shell {

/// \brief The fourteen pages, in the order of the course: the title page, then
/// the thirteen course pages.
enum class PageId {
    Debut,
    Fonction,
    Convent,
    Aimant,
    Vide,
    Produit,
    PasSat,
    Demag,
    Incomp,
    RappCyc,
    ChargeTi,
    Applic,
    Variat,
    FinProg,
};

inline constexpr int PageCount = 14;

/// \brief The page's form name ("Fonction", "ChargeTi", ...).
QString formName(PageId id);

/// \brief Number of the page in the course (0 for the title page, 13 for the end page).
constexpr int number(PageId id) {
    return int(id);
}
constexpr PageId pageAt(int number) {
    return PageId(number);
}

/// Course pages in the order in which they are created at start-up (alphabetical).
inline constexpr std::array<PageId, 13> CreationOrder{
    PageId::Aimant,  PageId::Applic,   PageId::ChargeTi, PageId::Convent, PageId::Demag,
    PageId::FinProg, PageId::Fonction, PageId::Incomp,   PageId::PasSat,  PageId::Produit,
    PageId::RappCyc, PageId::Variat,   PageId::Vide};

/// Every page in the order in which the end of the program destroys them (alphabetical).
inline constexpr std::array<PageId, 14> DestructionOrder{
    PageId::Aimant,  PageId::Applic,  PageId::ChargeTi, PageId::Convent, PageId::Debut,
    PageId::Demag,   PageId::FinProg, PageId::Fonction, PageId::Incomp,  PageId::PasSat,
    PageId::Produit, PageId::RappCyc, PageId::Variat,   PageId::Vide};

} // namespace shell
