#pragma once

// The painting routines of the pictures and icons. Each picture routine paints
// in logical pixels from the origin; each icon routine paints its design for
// 16 or 32 pixels. Art.cpp maps them to the pictures and icons.

class QPainter;

namespace art::painters {

// Illustrations.cpp: the "photographs" and the emblem
void photo(QPainter &p);
void emblem(QPainter &p);
void speedDrives(QPainter &p);

// Icons.cpp
void bridgeIcon(QPainter &p, int designSize);
void arrowUpIcon(QPainter &p, int designSize);
void arrowDownIcon(QPainter &p, int designSize);
void oscilloscopeIcon(QPainter &p, int designSize);
void bookIcon(QPainter &p, int designSize);
void magnifierIcon(QPainter &p, int designSize);

// Schematics.cpp: component symbols and circuits (built on Symbols.h)
void thyristor(QPainter &p);
void triac(QPainter &p);
void transistor(QPainter &p);
void dotConvention(QPainter &p);
void noLoadTransformer(QPainter &p);
void diodeKo(QPainter &p);
void diodeKf(QPainter &p);
void diodeKfo(QPainter &p);
void zenKo(QPainter &p);
void zenKf(QPainter &p);
void zenKfo(QPainter &p);
void loadCircuit(QPainter &p);
void triggerCircuit(QPainter &p);

// Plots.cpp: characteristics, pulses, axes and oscillograms
void magnetisationCurve(QPainter &p);
void pulse10V(QPainter &p);
void pulses10V5V(QPainter &p);
void noLoadAxes(QPainter &p);
void demagAxes(QPainter &p);
void loadCurves(QPainter &p);
void triggerCurves(QPainter &p);
void mainsPulses(QPainter &p);
void pulseTrain(QPainter &p);

} // namespace art::painters
