#pragma once

#include "toolkit/Twips.h"

#include <QColor>
#include <QString>

class QWidget;

namespace tk {

class TextBox;

/// \brief A mark of the program's state on its pages: a few words in a
/// colour, in front of the page at a place of its client area. No words:
/// no mark.
struct Mark {
    QString words;
    QColor colour;
    Tw place;
};

/// \brief Shows \a mark in \a box, made in \a parent (named \a name) when
/// there is none or when the mark moves; hides it when the mark has no
/// words. Returns the box that shows it (null if none was ever needed).
TextBox *showMark(TextBox *box, QWidget *parent, const QString &name, const Mark &mark);

} // namespace tk
