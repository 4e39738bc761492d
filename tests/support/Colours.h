#pragma once

#include <QColor>

// The colours the tests read back from pages, plots and pictures.
namespace colour {
inline const QColor Grey(192, 192, 192); ///< every page's background
inline const QColor AxisGrey(128, 128, 128);
inline const QColor Black(0, 0, 0);
inline const QColor Red(255, 0, 0);
inline const QColor Blue(0, 0, 255);
inline const QColor Yellow(255, 255, 0);
inline const QColor Green(0, 128, 0);      ///< v1 on the no-load plot
inline const QColor LightGreen(0, 255, 0); ///< the flux on the incomplete-demagnetisation plot
inline const QColor Teal(0, 128, 128);
inline const QColor Azure(0, 128, 255);
} // namespace colour
