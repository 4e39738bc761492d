#pragma once

#include <QColor>

/// \brief The course's named colours, the one place where each is defined:
/// the sixteen colours of the desktop the course was written for, by their
/// usual names, and the few of its own.
namespace palette {

inline const QColor Black(0, 0, 0);
inline const QColor Maroon(128, 0, 0);
inline const QColor Green(0, 128, 0);
inline const QColor Olive(128, 128, 0);
inline const QColor Navy(0, 0, 128);
inline const QColor Purple(128, 0, 128);
inline const QColor Teal(0, 128, 128);
inline const QColor Grey(128, 128, 128);
inline const QColor Silver(192, 192, 192);
inline const QColor Red(255, 0, 0);
inline const QColor Lime(0, 255, 0);
inline const QColor Yellow(255, 255, 0);
inline const QColor Blue(0, 0, 255);
inline const QColor Magenta(255, 0, 255);
inline const QColor Aqua(0, 255, 255);
inline const QColor White(255, 255, 255);

/// The grey of every page, frame, text box and button.
inline const QColor PageGrey = Silver;
/// The window-text colour, the first foreground of texts and surfaces.
inline const QColor WindowText = Black;

/// Between blue and teal: the 5 V pulse of the E x t page.
inline const QColor Azure(0, 128, 255);
/// A dark teal: the advantages and the saturation text.
inline const QColor GreyGreen(64, 128, 128);
/// The windings of the transformer symbols.
inline const QColor DarkGrey(100, 100, 100);
/// The light inner edge of a raised button.
inline const QColor LightGrey(223, 223, 223);

} // namespace palette
