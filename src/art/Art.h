#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <initializer_list>

class QPainter;

/// \brief Every picture and icon of the course, drawn by code.
///
/// Pictures are painted in logical pixels on a painter whose origin is the
/// picture's top-left corner; pixmap() renders them for a device pixel ratio,
/// so they are as sharp at 200 % as at 100 %.
namespace art {

enum class Picture {
    Photo,              ///< three pulse transformers and a transformer symbol, 370 x 200
    Emblem,             ///< the emblem in an orange hexagon, 126 x 139
    Thyristor,          ///< 38 x 35
    Triac,              ///< 43 x 54
    Transistor,         ///< NPN transistor, 26 x 42
    DotConvention,      ///< transformer diagram of the dot convention, 141 x 155
    MagnetisationCurve, ///< flux against magnetising current, 255 x 184
    Pulse10V,           ///< the 10 V, 10 us pulse, 233 x 186
    Pulses10V5V,        ///< the 10 V and the 5 V pulse, 233 x 186
    SpeedDrives,        ///< industrial variable-speed drives, 350 x 295
    NoLoadAxes,         ///< axes of the no-load oscillogram, 199 x 179
    NoLoadTransformer,  ///< transformer symbol of the no-load page, 108 x 85
    DemagAxes,          ///< axes of the demagnetisation oscillogram, 267 x 137
    DiodeKo,            ///< diode circuit, K open, 239 x 96
    DiodeKf,            ///< diode circuit, K closed
    DiodeKfo,           ///< diode circuit, K opened, current through D
    ZenKo,              ///< diode and Zener circuit, K open
    ZenKf,              ///< diode and Zener circuit, K closed
    ZenKfo,             ///< diode and Zener circuit, K opened, current through D and Dz
    LoadCircuit,        ///< circuit of the load page, 295 x 96
    LoadCurves,         ///< oscillograms of the load page, 270 x 283
    TriggerCircuit,     ///< trigger of the mixed bridge, 550 x 99
    TriggerCurves,      ///< oscillograms of the application, 530 x 200
    MainsPulses,        ///< mains voltage, pulse trains and motor voltage, 190 x 115
    PulseTrain,         ///< magnified pulse train, 120 x 115
};

enum class Icon {
    Bridge,       ///< program and window icon: a red bridge mirrored below
    ArrowUp,      ///< "Fermer K"
    ArrowDown,    ///< "Ouvrir K"
    Oscilloscope, ///< oscilloscope screen, green grid, white sine wave
    Book,         ///< an open book
    Magnifier,    ///< a magnifying glass over a yellow folder
};

/// \brief Size of a picture in logical pixels.
QSize size(Picture picture);

/// \brief What the picture is, in a few French words: its name for screen
/// readers where it has no tooltip.
QString title(Picture picture);

/// \brief What the picture shows and teaches, in French, for screen readers.
QString description(Picture picture);

/// \brief Paints the picture at the painter's origin, in logical pixels.
void paint(Picture picture, QPainter &painter);

/// \brief The picture rendered for a device pixel ratio (drawn anew on each call,
/// unless prerender() has it ready).
QPixmap pixmap(Picture picture, qreal devicePixelRatio);

/// \brief The pictures drawn at build time at 100 % and embedded in the program
/// (those the title page shows at once).
QList<Picture> bakedPictures();
/// \brief The file name of a picture drawn at build time.
QString bakedName(Picture picture);

/// \brief Starts drawing the pictures on a worker thread, so that they are
/// ready (or nearly) when pixmap() first asks for them. Call after the
/// application and its fonts are set up.
void prerender(std::initializer_list<Picture> pictures, qreal devicePixelRatio);

/// \brief The icon, drawn for whatever size and ratio it is asked for.
QIcon icon(Icon icon);

/// \brief Paints the icon's design for \a designSize (16 or 32) in a square of that size.
void paintIcon(Icon icon, QPainter &painter, int designSize);

} // namespace art
