#include "app/CommandLine.h"

#include "version/Version.h"

#include <QSet>

#include <cmath>

namespace app {
namespace {

// The options that Qt reads itself (QGuiApplication, QApplication and the X11
// platform), with one or two leading dashes, and whether they take a value.
const QSet<QString> &qtFlags() {
    static const QSet<QString> flags{
        QStringLiteral("reverse"), QStringLiteral("sync"),   QStringLiteral("widgetcount"),
        QStringLiteral("nograb"),  QStringLiteral("dograb"), QStringLiteral("testability"),
    };
    return flags;
}

const QSet<QString> &qtValued() {
    static const QSet<QString> valued{
        QStringLiteral("platform"),
        QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"),
        QStringLiteral("plugin"),
        QStringLiteral("qwindowgeometry"),
        QStringLiteral("geometry"),
        QStringLiteral("qwindowtitle"),
        QStringLiteral("title"),
        QStringLiteral("qwindowicon"),
        QStringLiteral("icon"),
        QStringLiteral("session"),
        QStringLiteral("display"),
        QStringLiteral("name"),
        QStringLiteral("style"),
        QStringLiteral("stylesheet"),
        QStringLiteral("qmljsdebugger"),
    };
    return valued;
}

CommandLine refuse(const QString &why) {
    CommandLine line;
    line.action = CommandLine::Action::Error;
    line.error = why;
    return line;
}

// "1,5" as well as "1.5", as a French user may write it.
std::optional<double> scaleFrom(QString text) {
    bool ok = false;
    const double scale = text.replace(u',', u'.').toDouble(&ok);
    if (!ok || !std::isfinite(scale) || scale < 1.0 || scale > 3.0)
        return std::nullopt;
    return scale;
}

QString pageList() {
    QStringList names;
    for (int n = 1; n < shell::PageCount; ++n)
        names << shell::formName(shell::pageAt(n));
    return names.join(QStringLiteral(", "));
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments) {
    CommandLine line;
    // The help answers whatever else the line holds.
    for (const QString &argument : arguments) {
        if (argument == u"-h" || argument == u"--help") {
            line.action = CommandLine::Action::Help;
            return line;
        }
    }
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == u"-v" || argument == u"--version") {
            line.action = CommandLine::Action::Version;
            continue;
        }
        if (!argument.startsWith(u'-') || argument == u"-" || argument == u"--")
            return refuse(QStringLiteral("argument inattendu « %1 »").arg(argument));
        QString option = argument.mid(argument.startsWith(u"--") ? 2 : 1);
        const qsizetype equals = option.indexOf(u'=');
        const bool valueGiven = equals >= 0;
        QString value = valueGiven ? option.mid(equals + 1) : QString();
        if (valueGiven)
            option.truncate(equals);
        if (argument.startsWith(u"--") && (option == u"echelle" || option == u"page" ||
                                           option == u"sans-son" || option == u"contraste")) {
            if (option == u"sans-son" || option == u"contraste") {
                if (valueGiven)
                    return refuse(
                        QStringLiteral("l'option « --%1 » ne prend pas de valeur").arg(option));
                (option == u"sans-son" ? line.silent : line.highContrast) = true;
                continue;
            }
            if (!valueGiven) {
                if (++i >= arguments.size())
                    return refuse(
                        QStringLiteral("l'option « --%1 » attend une valeur").arg(option));
                value = arguments.at(i);
            }
            if (option == u"echelle") {
                line.scale = scaleFrom(value);
                if (!line.scale)
                    return refuse(QStringLiteral("échelle « %1 » impossible : donnez un nombre "
                                                 "de 1 à 3, comme 1,5")
                                      .arg(value));
            } else {
                line.page = pageNamed(value);
                if (!line.page)
                    return refuse(QStringLiteral("page inconnue « %1 » : donnez son numéro, de 1 "
                                                 "à %2, ou son nom (%3)")
                                      .arg(value)
                                      .arg(shell::PageCount - 1)
                                      .arg(pageList()));
            }
            continue;
        }
        if (qtFlags().contains(option) && !valueGiven)
            continue;
        if (qtValued().contains(option)) {
            if (!valueGiven) {
                if (++i >= arguments.size())
                    return refuse(
                        QStringLiteral("l'option « %1 » attend une valeur").arg(argument));
                value = arguments.at(i);
            }
            if (option == u"display")
                line.display = value;
            continue;
        }
        return refuse(QStringLiteral("option inconnue « %1 »").arg(argument));
    }
    return line;
}

std::optional<shell::PageId> pageNamed(const QString &name) {
    bool isNumber = false;
    const int number = name.toInt(&isNumber);
    if (isNumber)
        return number >= 1 && number < shell::PageCount ? std::optional(shell::pageAt(number))
                                                        : std::nullopt;
    for (int n = 1; n < shell::PageCount; ++n) {
        if (shell::formName(shell::pageAt(n)).compare(name, Qt::CaseInsensitive) == 0)
            return shell::pageAt(n);
    }
    return std::nullopt;
}

QStringList forwardedOptions(const CommandLine &line) {
    QStringList options;
    if (line.page)
        options << QStringLiteral("--page=%1").arg(shell::number(*line.page));
    if (line.scale)
        options << QStringLiteral("--echelle=%1").arg(*line.scale);
    if (line.silent)
        options << QStringLiteral("--sans-son");
    if (line.highContrast)
        options << QStringLiteral("--contraste");
    return options;
}

QString usage() {
    return QStringLiteral(
        "Usage : transformateur-impulsions [options]\n"
        "Cours interactif sur le transformateur d'impulsions.\n"
        "\n"
        "Options :\n"
        "  --echelle N     ouvre le cours à l'échelle N, de 1 à 3 (1,5 pour 150 %)\n"
        "  --page NOM      ouvre le cours à une page : son numéro, de 1 à 13, ou son\n"
        "                  nom (Fonction, Convent, Aimant, Vide, Produit, PasSat,\n"
        "                  Demag, Incomp, RappCyc, ChargeTi, Applic, Variat, FinProg)\n"
        "  --sans-son      ouvre le cours sans les bips\n"
        "  --contraste     ouvre le cours en contraste élevé\n"
        "  -h, --help      affiche cette aide et s'arrête\n"
        "  -v, --version   affiche la version et s'arrête\n"
        "\n"
        "Touches : Ctrl++ et Ctrl+- agrandissent et réduisent le cours, sans dépasser\n"
        "l'écran, Ctrl+0 le remet à 100 % ; F11 plein écran ; Pause ou P suspend\n"
        "l'animation ; Ctrl+G liste des pages ; Ctrl+M coupe ou rétablit le son ;\n"
        "Ctrl+H contraste élevé ; F1 aide.\n"
        "\n"
        "Les options de Qt (-platform, -style, -reverse…) sont acceptées.\n"
        "Si le cours est déjà ouvert, il revient au premier plan, à la page et à\n"
        "l'échelle demandées.\n");
}

QString versionText() {
    return QStringLiteral("transformateur-impulsions ") + QLatin1StringView(version::Full) + u'\n';
}

} // namespace app
