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

#include <QtGlobal>

// The titles are marked for Qt's translation tools, which read them here.
// clang-format off
#define COURSE_PAGES(PAGE) \
    PAGE(shell, Debut, QT_TRANSLATE_NOOP("shell::PageTitle", "Transformateur d'impulsions"), Still) \
    PAGE(pages, Fonction, QT_TRANSLATE_NOOP("shell::PageTitle", "Fonction d'un transformateur d'impulsions"), Still) \
    PAGE(pages, Convent, QT_TRANSLATE_NOOP("shell::PageTitle", "Convention"), Still) \
    PAGE(pages, Aimant, QT_TRANSLATE_NOOP("shell::PageTitle", "Courbe d'aimantation"), Still) \
    PAGE(pages, Vide, QT_TRANSLATE_NOOP("shell::PageTitle", "Fonctionnement à vide"), Animated) \
    PAGE(pages, Produit, QT_TRANSLATE_NOOP("shell::PageTitle", "Produit  E . t"), Still) \
    PAGE(pages, PasSat, QT_TRANSLATE_NOOP("shell::PageTitle", "Choix d'un transformateur d'impulsions"), Still) \
    PAGE(pages, Demag, QT_TRANSLATE_NOOP("shell::PageTitle", "Démagnétisation"), Animated) \
    PAGE(pages, Incomp, QT_TRANSLATE_NOOP("shell::PageTitle", "Démagnétisation incomplète"), Animated) \
    PAGE(pages, RappCyc, QT_TRANSLATE_NOOP("shell::PageTitle", "Rapport cyclique"), Still) \
    PAGE(pages, ChargeTi, QT_TRANSLATE_NOOP("shell::PageTitle", "Fonctionnement en charge"), Still) \
    PAGE(pages, Applic, QT_TRANSLATE_NOOP("shell::PageTitle", "Application:  Déclencheur de Pont mixte monophasé"), Still) \
    PAGE(pages, Variat, QT_TRANSLATE_NOOP("shell::PageTitle", "Domaines d'utilisation des transformateurs d'impulsions"), Still) \
    PAGE(shell, FinProg, QT_TRANSLATE_NOOP("shell::PageTitle", "Auteur"), Still)
// clang-format on

/// \brief Defines, in the namespace of the page's class, the factory through
/// which the registry creates the page \a Name: one line in the page's file.
#define COURSE_PAGE_FACTORY(Name)                                                                  \
    tk::PageWindow *create##Name(shell::Course &course) {                                          \
        return new Name(course);                                                                   \
    }
