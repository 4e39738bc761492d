#include "Fonts.h"

#include <QFontDatabase>

namespace fonts {

namespace {

void add(const char *face) {
    const QString path =
        QStringLiteral(":/fonts/LiberationSans-%1.ttf").arg(QLatin1StringView(face));
    if (QFontDatabase::addApplicationFont(path) < 0)
        qWarning("Embedded font %s could not be loaded", qPrintable(path));
}

// The upright faces are registered at start-up, the italic ones the first
// time a text asks for them (no page of the title needs them).
void registerItalic() {
    static bool done = false;
    if (done)
        return;
    done = true;
    add("Italic");
    add("BoldItalic");
}

} // namespace

void registerEmbedded() {
    static bool done = false;
    if (done)
        return;
    done = true;
    add("Regular");
    add("Bold");
}

QString family() {
    return QStringLiteral("Liberation Sans");
}

QFont font(int pixelSize, bool bold, bool italic) {
    registerEmbedded();
    if (italic)
        registerItalic();
    QFont f(family());
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferDefault);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

} // namespace fonts
