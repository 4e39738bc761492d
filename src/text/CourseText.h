#pragma once

#include "shell/PageId.h"

#include <QColor>
#include <QList>
#include <QString>
#include <optional>

namespace shell {
class Course;
}

namespace text {

/// \brief One assignment of the course text table: a text box of a page, the
/// foreground colour set before the text (if any), and the text (CR LF breaks).
struct TextEntry {
    shell::PageId page;
    QString box; ///< object name of the text box, with its index for arrays
    std::optional<QColor> colour;
    QString text;
};

/// \brief The course text table, in the order in which Messages carries it out.
const QList<TextEntry> &courseTextTable();

/// \brief Writes every course text, with its colour, into the pages, creating
/// (hidden) each page that does not exist yet when it is first reached.
void Messages(shell::Course &course);

} // namespace text
