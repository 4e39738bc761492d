#include "lab/Export.h"

#include "lab/LabTexts.h"
#include "lab/model/Bounds.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSaveFile>
#include <QStringList>

namespace lab::exports {

QString csv(const Simulation &simulation, int perPeriod) {
    const QLocale french(QLocale::French, QLocale::France);
    const auto field = [&french](double x) { return french.toString(x, 'g', 10); };
    QString text = QCoreApplication::translate("lab::Laboratory",
                                               "temps (µs);K (1 fermé, 0 ouvert);v1 (V);i1 (A);"
                                               "i_m (A);flux (V.µs);v2 (V);i2 (A)") +
                   QStringLiteral("\r\n");
    const int count = std::max(2, perPeriod * simulation.circuit().periods);
    for (const Sample &s : simulation.samples(count)) {
        text += QStringList{field(s.t),  field(s.k),    field(s.v1), field(s.i1),
                            field(s.im), field(s.flux), field(s.v2), field(s.i2)}
                    .join(u';') +
                QStringLiteral("\r\n");
    }
    return text;
}

QString figuresText(const Simulation &simulation) {
    const Circuit &circuit = simulation.circuit();
    QStringList lines;
    for (const Bound &b : bounds()) {
        const Value value = b.value;
        if (!takesPart(circuit, value))
            continue;
        const texts::ValueText name = texts::valueText(value);
        QString line =
            name.symbol + QStringLiteral(" = ") + texts::number(get(circuit, value), b.decimals);
        if (!name.unit.isEmpty())
            line += u' ' + name.unit;
        lines << line + QStringLiteral(" (") + name.what + u')';
    }
    lines << (circuit.demag == Demagnetisation::DiodeZener
                  ? QCoreApplication::translate("lab::Laboratory", "Démagnétisation par D et Dz")
                  : QCoreApplication::translate("lab::Laboratory", "Démagnétisation par D seule"));
    lines << QString();
    lines << texts::figures(simulation);
    lines << QCoreApplication::translate("lab::Laboratory", "Verdict : %1")
                 .arg(texts::verdict(simulation));
    return lines.join(u'\n') + u'\n';
}

bool save(const QString &path, const QByteArray &bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    return file.write(bytes) == bytes.size() && file.commit();
}

} // namespace lab::exports
