#pragma once

// The table of the course's pages, one row each, in the order of the course:
// the namespace of the page's class, the page's form name (which is also its
// class's name), and the title of its window (its caption, without the
// leading blanks of the page template).
//
// Everything else about the list of pages follows from this table: the
// identifiers of shell::PageId and their count, the form names and titles,
// the orders in which the pages are created and destroyed (alphabetical),
// and the factories through which the registry creates them. A page's class
// defines its factory in its own file with COURSE_PAGE_FACTORY.

// clang-format off
#define COURSE_PAGES(PAGE) \
    PAGE(shell, Debut, "Transformateur d'impulsions") \
    PAGE(pages, Fonction, "Fonction d'un transformateur d'impulsions") \
    PAGE(pages, Convent, "Convention") \
    PAGE(pages, Aimant, "Courbe d'aimantation") \
    PAGE(pages, Vide, "Fonctionnement à vide") \
    PAGE(pages, Produit, "Produit  E . t") \
    PAGE(pages, PasSat, "Choix d'un transformateur d'impulsions") \
    PAGE(pages, Demag, "Démagnétisation") \
    PAGE(pages, Incomp, "Démagnétisation incomplète") \
    PAGE(pages, RappCyc, "Rapport cyclique") \
    PAGE(pages, ChargeTi, "Fonctionnement en charge") \
    PAGE(pages, Applic, "Application:  Déclencheur de Pont mixte monophasé") \
    PAGE(pages, Variat, "Domaines d'utilisation des transformateurs d'impulsions") \
    PAGE(shell, FinProg, "Auteur")
// clang-format on

/// \brief Defines, in the namespace of the page's class, the factory through
/// which the registry creates the page \a Name: one line in the page's file.
#define COURSE_PAGE_FACTORY(Name)                                                                  \
    tk::PageWindow *create##Name(shell::Course &course) {                                          \
        return new Name(course);                                                                   \
    }
