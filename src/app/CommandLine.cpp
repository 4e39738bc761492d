#include "app/CommandLine.h"

#include "app/Classroom.h"
#include "app/Settings.h"
#include "version/Version.h"

#include <QCoreApplication>

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
    if (!ok || !std::isfinite(scale) || !Settings::isScale(scale))
        return std::nullopt;
    return scale;
}

QString pageList() {
    QStringList names;
    for (int n = 1; n < shell::PageCount; ++n)
        names << shell::formName(shell::pageAt(n));
    return names.join(QStringLiteral(", "));
}

// The context of the command line's texts, for Qt's translation tools.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(app::CommandLine)
};

// The course's own options, as the usage and the help describe them.
struct OptionHelp {
    const char *option;
    const char *what;
};
constexpr OptionHelp Options[] = {
    {"--echelle N", QT_TRANSLATE_NOOP("app::CommandLine",
                                      "ouvre le cours à l'échelle N, de 1 à 3 (1,5 pour 150 %)")},
    {"--page NOM", QT_TRANSLATE_NOOP("app::CommandLine",
                                     "ouvre le cours à une page : son numéro, de 1 à %1, ou son "
                                     "nom (%2)")},
    {"--labo", QT_TRANSLATE_NOOP("app::CommandLine",
                                 "ouvre aussi le laboratoire, où l'on règle le circuit et voit "
                                 "le transformateur répondre")},
    {"--sans-son", QT_TRANSLATE_NOOP("app::CommandLine", "ouvre le cours sans les bips")},
    {"--contraste", QT_TRANSLATE_NOOP("app::CommandLine", "ouvre le cours en contraste élevé")},
    {"-h, --help", QT_TRANSLATE_NOOP("app::CommandLine", "affiche l'aide des options et s'arrête")},
    {"-v, --version", QT_TRANSLATE_NOOP("app::CommandLine", "affiche la version et s'arrête")},
};

// "  term          what", the description wrapped at the width of a
// terminal, never before a French sign that follows a blank ("%", ":"...).
QString entry(const QString &term, const QString &what) {
    constexpr qsizetype Indent = 18;
    constexpr qsizetype Width = 78;
    const QString margin(Indent, u' ');
    QString text = QStringLiteral("  ") + term;
    text = text.size() < Indent ? text.leftJustified(Indent) : text + u'\n' + margin;
    qsizetype length = Indent;
    const QStringList words = what.split(u' ');
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString &word = words.at(i);
        if (i > 0) {
            const bool glued = QStringLiteral("%:;!?»").contains(word.front());
            if (!glued && length + 1 + word.size() > Width) {
                text += u'\n' + margin;
                length = Indent;
            } else {
                text += u' ';
                ++length;
            }
        }
        text += word;
        length += word.size();
    }
    return text + u'\n';
}

} // namespace

QList<std::pair<QString, QString>> courseOptions() {
    QList<std::pair<QString, QString>> options;
    for (const OptionHelp &option : Options)
        options.append({QString::fromUtf8(option.option), Texts::tr(option.what)});
    // The pages, from the page table.
    for (auto &[option, what] : options) {
        if (option.startsWith(u"--page"))
            what = what.arg(shell::PageCount - 1).arg(pageList());
    }
    return options;
}

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
            return refuse(Texts::tr("argument inattendu « %1 »").arg(argument));
        QString option = argument.mid(argument.startsWith(u"--") ? 2 : 1);
        const qsizetype equals = option.indexOf(u'=');
        const bool valueGiven = equals >= 0;
        QString value = valueGiven ? option.mid(equals + 1) : QString();
        if (valueGiven)
            option.truncate(equals);
        if (argument.startsWith(u"--") &&
            (option == u"echelle" || option == u"page" || option == u"sans-son" ||
             option == u"contraste" || option == u"labo")) {
            if (option == u"sans-son" || option == u"contraste" || option == u"labo") {
                if (valueGiven)
                    return refuse(
                        QStringLiteral("l'option « --%1 » ne prend pas de valeur").arg(option));
                (option == u"sans-son"    ? line.silent
                 : option == u"contraste" ? line.highContrast
                                          : line.laboratory) = true;
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
                    return refuse(Texts::tr("échelle « %1 » impossible : donnez un nombre de 1 à "
                                            "3, comme 1,5")
                                      .arg(value));
            } else {
                line.page = pageNamed(value);
                if (!line.page)
                    return refuse(Texts::tr("page inconnue « %1 » : donnez son numéro, de 1 "
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
        return refuse(Texts::tr("option inconnue « %1 »").arg(argument));
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
    if (line.laboratory)
        options << QStringLiteral("--labo");
    return options;
}

QString usage() {
    QString text = Texts::tr("Usage : transformateur-impulsions [options]\n"
                             "Cours interactif sur le transformateur d'impulsions.\n"
                             "\n"
                             "Options :\n");
    for (const auto &[option, what] : courseOptions())
        text += entry(option, what);
    text += Texts::tr("\nTouches :\n");
    for (const auto &[keys, what] : Classroom::keyHelp())
        text += entry(keys, what);
    text += Texts::tr("\n"
                      "Les options de Qt (-platform, -style, -reverse…) sont acceptées.\n"
                      "Si le cours est déjà ouvert, il revient au premier plan, à la page et à\n"
                      "l'échelle demandées.\n");
    return text;
}

QString versionText() {
    return QStringLiteral("transformateur-impulsions ") + QLatin1StringView(version::Full) + u'\n';
}

} // namespace app
