#pragma once

#include "shell/PageId.h"

#include <QList>

/// \brief The state in which a page is entered, written out by the tests
/// for every page: the controls shown and hidden as it arrives, and the
/// control that has the focus.
struct Arrival {
    shell::PageId page;
    QList<const char *> shown;
    QList<const char *> hidden;
    const char *focus; ///< the control focused on arrival, "" for none
};

/// \brief The arrival state of \a page, from the table of the tests.
const Arrival &arrivalOf(shell::PageId page);
