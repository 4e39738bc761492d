#include "app/CommandLine.h"

#include "version/Version.h"

#include <QSet>

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
    return CommandLine{CommandLine::Action::Error, why};
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments) {
    CommandLine line;
    // The help answers whatever else the line holds.
    for (const QString &argument : arguments)
        if (argument == u"-h" || argument == u"--help")
            return CommandLine{CommandLine::Action::Help, {}};
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
        if (valueGiven)
            option.truncate(equals);
        if (qtFlags().contains(option) && !valueGiven)
            continue;
        if (qtValued().contains(option)) {
            if (!valueGiven && ++i >= arguments.size())
                return refuse(QStringLiteral("l'option « %1 » attend une valeur").arg(argument));
            continue;
        }
        return refuse(QStringLiteral("option inconnue « %1 »").arg(argument));
    }
    return line;
}

QString usage() {
    return QStringLiteral("Usage : transformateur-impulsions [options]\n"
                          "Cours interactif sur le transformateur d'impulsions.\n"
                          "\n"
                          "Options :\n"
                          "  -h, --help      affiche cette aide et s'arrête\n"
                          "  -v, --version   affiche la version et s'arrête\n"
                          "\n"
                          "Les options de Qt (-platform, -style, -reverse…) sont acceptées.\n"
                          "Si le cours est déjà ouvert, il revient au premier plan.\n");
}

QString versionText() {
    return QStringLiteral("transformateur-impulsions ") + QLatin1StringView(version::Full) + u'\n';
}

} // namespace app
