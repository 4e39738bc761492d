#include "lab/model/Presets.h"

// The names are marked for Qt's translation tools, which read the sources;
// the laboratory's view translates them (context "lab::Preset").
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace lab {

namespace {

// A circuit with no load and the primary's resistance of every preset.
Circuit unloaded(double E, double T, double alpha, double L, double rating, Demagnetisation demag,
                 double Vd, double Vz, int periods) {
    Circuit c;
    c.E = E;
    c.T = T;
    c.alpha = alpha;
    c.L = L;
    c.rating = rating;
    c.r = 0.1;
    c.m = 1;
    c.demag = demag;
    c.Vd = Vd;
    c.Vz = Vz;
    c.loaded = false;
    c.periods = periods;
    return c;
}

Circuit loaded(Circuit c, double m, double R, double Vr, int secondaries) {
    c.m = m;
    c.loaded = true;
    c.R = R;
    c.Vr = Vr;
    c.secondaries = secondaries;
    return c;
}

} // namespace

const std::vector<Preset> &presets() {
    using enum Demagnetisation;
    static const std::vector<Preset> list{
        // A pulse of 10 V for 10 µs: the 100 V·µs that the transformer is rated for.
        {"Vide", QT_TRANSLATE_NOOP("lab::Preset", "Fonctionnement à vide"),
         unloaded(10, 40, 0.25, 1, 100, DiodeZener, 1, 9, 1)},
        // D alone at half the source: the current falls at half the rate it rose.
        {"Demag", QT_TRANSLATE_NOOP("lab::Preset", "Démagnétisation par la diode D"),
         unloaded(2, 80, 0.25, 1, 100, Diode, 1, 0, 1)},
        // D and Dz together at the source's voltage: the fall as steep as the rise.
        {"Demag", QT_TRANSLATE_NOOP("lab::Preset", "Démagnétisation par D et Dz"),
         unloaded(2, 80, 0.25, 1, 100, DiodeZener, 1, 1, 1)},
        // Half the source in half the period: half the flux is left at each period's end.
        {"Incomp", QT_TRANSLATE_NOOP("lab::Preset", "Démagnétisation incomplète"),
         unloaded(10, 20, 0.5, 1, 165, DiodeZener, 1, 4, 4)},
        {"RappCyc", QT_TRANSLATE_NOOP("lab::Preset", "Rapport cyclique 1/2 : Vd + Vz > E"),
         unloaded(10, 20, 0.5, 1, 165, DiodeZener, 1, 12, 4)},
        {"ChargeTi",
         QT_TRANSLATE_NOOP("lab::Preset", "Fonctionnement en charge (m = 1, Vz = 2 × E)"),
         loaded(unloaded(10, 20, 0.5, 1, 165, DiodeZener, 0, 20, 2), 1, 100, 0, 1)},
        // 25 kHz, two gates of thyristors, each 1 V in Dg and Vgt = 3 V.
        {"Applic", QT_TRANSLATE_NOOP("lab::Preset", "Commande des thyristors (IT249)"),
         loaded(unloaded(15, 40, 0.5, 17, 330, DiodeZener, 1, 18, 4), 0.5, 23.3, 4, 2)},
    };
    return list;
}

int presetOf(std::string_view page) {
    const std::vector<Preset> &all = presets();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].page == page)
            return int(i);
    return -1;
}

} // namespace lab
