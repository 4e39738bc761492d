#include "lab/LabTexts.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

namespace lab::texts {
namespace {

class Texts {
    Q_DECLARE_TR_FUNCTIONS(lab::Laboratory)
};

// The demagnetising voltage as its symbols: "Vd + Vz", or "Vd" with D alone.
QString demagSymbols(const Circuit &circuit) {
    return circuit.demag == Demagnetisation::DiodeZener ? QStringLiteral("Vd + Vz")
                                                        : QStringLiteral("Vd");
}

// Decimals enough for three significant figures, at most \a most.
int decimalsFor(double x, int most = 2) {
    // Judged on the value as it is shown: 99,99 is shown "100", not "100,0".
    const double a = std::abs(x);
    if (a >= 99.95 || a == 0)
        return 0;
    if (a >= 9.995)
        return qMin(1, most);
    return most;
}

} // namespace

ValueText valueText(Value value) {
    switch (value) {
    case Value::E:
        return {QStringLiteral("E"), Texts::tr("source"), Texts::tr("tension de la source"),
                QStringLiteral("V"), Texts::tr("volts")};
    case Value::T:
        return {QStringLiteral("T"), Texts::tr("période"), Texts::tr("période de commutation"),
                QStringLiteral("µs"), Texts::tr("microsecondes")};
    case Value::Alpha:
        return {QStringLiteral("α"),
                Texts::tr("rapport cyclique"),
                Texts::tr("rapport cyclique, K fermé pendant α × T"),
                {},
                {}};
    case Value::L:
        return {QStringLiteral("L"), Texts::tr("inductance magnétisante"),
                Texts::tr("inductance magnétisante"), QStringLiteral("mH"),
                Texts::tr("millihenrys")};
    case Value::Rating:
        return {QStringLiteral("E × t"), Texts::tr("produit du transformateur"),
                Texts::tr("produit du transformateur"), QStringLiteral("V.µs"),
                Texts::tr("volts-microsecondes")};
    case Value::R_primary:
        return {QStringLiteral("r"), Texts::tr("résistance du primaire"),
                Texts::tr("résistance du primaire"), QStringLiteral("Ω"), Texts::tr("ohms")};
    case Value::M:
        return {QStringLiteral("m"),
                Texts::tr("rapport n2 / n1"),
                Texts::tr("rapport de transformation n2 / n1"),
                {},
                {}};
    case Value::Vd:
        return {QStringLiteral("Vd"), Texts::tr("seuil de D"), Texts::tr("seuil de la diode D"),
                QStringLiteral("V"), Texts::tr("volts")};
    case Value::Vz:
        return {QStringLiteral("Vz"), Texts::tr("tension de Dz"),
                Texts::tr("tension de la diode Zener Dz"), QStringLiteral("V"), Texts::tr("volts")};
    case Value::R_load:
        return {QStringLiteral("R"), Texts::tr("charge par secondaire"),
                Texts::tr("charge de chaque secondaire"), QStringLiteral("Ω"), Texts::tr("ohms")};
    case Value::Vr:
        return {QStringLiteral("Vr"), Texts::tr("seuil de la charge"),
                Texts::tr("seuil en série avec R (diode, gâchette)"), QStringLiteral("V"),
                Texts::tr("volts")};
    case Value::Secondaries:
        return {QStringLiteral("n"),
                Texts::tr("secondaires chargés"),
                Texts::tr("secondaires chargés"),
                {},
                {}};
    case Value::Periods:
        return {QStringLiteral("N"),
                Texts::tr("périodes tracées"),
                Texts::tr("périodes tracées"),
                {},
                {}};
    }
    return {};
}

QString accessibleName(Value value) {
    const ValueText text = valueText(value);
    if (text.spoken.isEmpty())
        return text.symbol + QStringLiteral(", ") + text.what;
    return Texts::tr("%1, %2, en %3").arg(text.symbol, text.what, text.spoken);
}

QString number(double x, int decimals) {
    if (!std::isfinite(x))
        return QStringLiteral("∞");
    // No "-0,0".
    const double shown = std::abs(x) < 0.5 * std::pow(10.0, -decimals) ? 0.0 : x;
    return QLocale().toString(shown, 'f', decimals);
}

QString current(double amperes) {
    const double a = std::abs(amperes);
    if (a != 0 && a < 1)
        return number(amperes * 1000, decimalsFor(amperes * 1000, 1)) + QStringLiteral(" mA");
    return number(amperes, decimalsFor(amperes)) + QStringLiteral(" A");
}

QString time(double microseconds) {
    return number(microseconds, decimalsFor(microseconds, 1)) + QStringLiteral(" µs");
}

QString voltage(double volts) {
    return number(volts, decimalsFor(volts, 1)) + QStringLiteral(" V");
}

QString ordinal(int n) {
    static const char *const words[] = {
        QT_TRANSLATE_NOOP("lab::Laboratory", "première"),
        QT_TRANSLATE_NOOP("lab::Laboratory", "deuxième"),
        QT_TRANSLATE_NOOP("lab::Laboratory", "troisième"),
        QT_TRANSLATE_NOOP("lab::Laboratory", "quatrième"),
        QT_TRANSLATE_NOOP("lab::Laboratory", "cinquième"),
        QT_TRANSLATE_NOOP("lab::Laboratory", "sixième"),
        QT_TRANSLATE_NOOP("lab::Laboratory", "septième"),
        QT_TRANSLATE_NOOP("lab::Laboratory", "huitième"),
        QT_TRANSLATE_NOOP("lab::Laboratory", "neuvième"),
        QT_TRANSLATE_NOOP("lab::Laboratory", "dixième"),
    };
    if (n >= 1 && n <= 10)
        return Texts::tr(words[n - 1]);
    return Texts::tr("%1e").arg(n);
}

QString verdict(const Simulation &simulation) {
    const Verdict &v = simulation.verdict();
    switch (v.kind) {
    case Verdict::Complete:
        return Texts::tr("démagnétisation complète à chaque période");
    case Verdict::Incomplete:
        return Texts::tr("démagnétisation incomplète : le flux monte de période en période");
    case Verdict::Saturation:
        return Texts::tr("saturation à la période %1, à t = %2").arg(v.period).arg(time(v.t));
    }
    return {};
}

QStringList figures(const Simulation &simulation) {
    const Circuit &c = simulation.circuit();
    const Figures &f = simulation.figures();
    const QString demag = demagSymbols(c);
    QStringList lines;
    lines << Texts::tr("E × t d'une impulsion : %1 × %2 = %3 V.µs, pour %4 V.µs que le "
                       "transformateur supporte")
                 .arg(voltage(c.E), time(c.alpha * c.T), number(f.pulseVoltSeconds, 0),
                      number(f.rating, 0));
    lines << (std::isfinite(f.demagTime)
                  ? Texts::tr("Démagnétisation : %1, pour %2 de K ouvert")
                        .arg(time(f.demagTime), time(f.openTime))
                  : Texts::tr("Démagnétisation : jamais achevée, pour %1 de K ouvert")
                        .arg(time(f.openTime)));
    const QString ratio = c.demag == Demagnetisation::DiodeZener
                              ? QStringLiteral("(Vd + Vz) / (E + Vd + Vz)")
                              : QStringLiteral("Vd / (E + Vd)");
    lines << Texts::tr("Rapport cyclique maximal : αmax = %1 = %2, pour α = %3")
                 .arg(ratio, number(f.alphaMax, 2), number(c.alpha, 2));
    lines << Texts::tr("Énergie stockée en fin d'impulsion : W = 1/2 × L × I² = %1 µJ")
                 .arg(number(f.energy, decimalsFor(f.energy)));
    lines << Texts::tr("Tension aux bornes de K à son ouverture : E + %1 = %2")
                 .arg(demag, voltage(f.switchVoltage));
    QString currents = Texts::tr("Courants : im jusqu'à %1, i1 jusqu'à %2")
                           .arg(current(f.peakMagnetising), current(f.peakPrimary));
    if (c.loaded)
        currents += Texts::tr(", i2 = %1 par secondaire").arg(current(f.secondaryCurrent));
    if (simulation.verdict().kind == Verdict::Saturation)
        currents += Texts::tr(" ; saturé, i1 = E / r = %1").arg(current(f.saturationCurrent));
    lines << currents;
    return lines;
}

QString description(const Simulation &simulation) {
    const Circuit &c = simulation.circuit();
    const Figures &f = simulation.figures();
    const Verdict &v = simulation.verdict();
    QString text =
        Texts::tr("Oscillogrammes sur %n période(s) de %1 : K fermé pendant %2, v1 = %3.", "",
                  c.periods)
            .arg(time(c.T), time(c.alpha * c.T), voltage(c.E));
    switch (v.kind) {
    case Verdict::Complete:
        text += u' ' + Texts::tr("Le courant magnétisant monte jusqu'à %1 pendant que K est fermé, "
                                 "puis revient à 0 en %2, avant que K ne se referme : le noyau se "
                                 "démagnétise à chaque période.")
                           .arg(current(f.peakMagnetising), time(f.demagTime));
        break;
    case Verdict::Incomplete:
        text +=
            u' ' + Texts::tr("Le courant magnétisant ne revient pas à 0 pendant que K est ouvert : "
                             "il part de plus haut à chaque période, sans atteindre la saturation "
                             "sur les périodes tracées.");
        break;
    case Verdict::Saturation:
        text += u' ' + Texts::tr("Le noyau sature à la %1 période, à t = %2 : i1 monte brusquement "
                                 "jusqu'à %3, le flux reste à %4 V.µs et v2 tombe à 0.")
                           .arg(ordinal(v.period), time(v.t), current(f.saturationCurrent),
                                number(f.rating, 0));
        if (v.saturatedPeriods > 1)
            text += u' ' + Texts::tr("Il sature encore dans %n autre(s) période(s).", "",
                                     v.saturatedPeriods - 1);
        break;
    }
    if (c.loaded)
        text += u' ' + Texts::tr("Chaque secondaire débite %1 dans sa charge pendant l'impulsion.")
                           .arg(current(f.secondaryCurrent));
    return text;
}

QString presetName(const Preset &preset) {
    return QCoreApplication::translate("lab::Preset", preset.name);
}

} // namespace lab::texts
