#pragma once

// The table of the course's pages, one row each, in the order of the course:
// the namespace of the page's class, the page's form name (which is also its
// class's name), the title of its window (its caption, without the leading
// blanks of the page template), and whether it draws an animation that a
// teacher may pause (Animated) or not (Still).
//
// Everything else about the list of pages follows from this table: the
// identifiers of shell::PageId and their count, the form names and titles,
// the orders in which the pages are created and destroyed (alphabetical),
// the factories through which the registry creates them, and the lists of
// pages that the usage, the help and the page list show. A page's class
// defines its factory in its own file with COURSE_PAGE_FACTORY.

// clang-format off
#define COURSE_PAGES(PAGE) \
    PAGE(shell, Debut, "Transformateur d'impulsions", Still) \
    PAGE(pages, Fonction, "Fonction d'un transformateur d'impulsions", Still) \
    PAGE(pages, Convent, "Convention", Still) \
    PAGE(pages, Aimant, "Courbe d'aimantation", Still) \
    PAGE(pages, Vide, "Fonctionnement à vide", Animated) \
    PAGE(pages, Produit, "Produit  E . t", Still) \
    PAGE(pages, PasSat, "Choix d'un transformateur d'impulsions", Still) \
    PAGE(pages, Demag, "Démagnétisation", Animated) \
    PAGE(pages, Incomp, "Démagnétisation incomplète", Animated) \
    PAGE(pages, RappCyc, "Rapport cyclique", Still) \
    PAGE(pages, ChargeTi, "Fonctionnement en charge", Still) \
    PAGE(pages, Applic, "Application:  Déclencheur de Pont mixte monophasé", Still) \
    PAGE(pages, Variat, "Domaines d'utilisation des transformateurs d'impulsions", Still) \
    PAGE(shell, FinProg, "Auteur", Still)
// clang-format on

/// \brief Defines, in the namespace of the page's class, the factory through
/// which the registry creates the page \a Name: one line in the page's file.
#define COURSE_PAGE_FACTORY(Name)                                                                  \
    tk::PageWindow *create##Name(shell::Course &course) {                                          \
        return new Name(course);                                                                   \
    }
