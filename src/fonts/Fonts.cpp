#include "Fonts.h"

#include <QFontDatabase>

namespace fonts {

void registerEmbedded() {
    static bool done = false;
    if (done)
        return;
    done = true;
    for (const char *face : {"Regular", "Bold", "Italic", "BoldItalic"}) {
        const QString path =
            QStringLiteral(":/fonts/LiberationSans-%1.ttf").arg(QLatin1StringView(face));
        if (QFontDatabase::addApplicationFont(path) < 0)
            qWarning("Embedded font %s could not be loaded", qPrintable(path));
    }
}

QString family() {
    return QStringLiteral("Liberation Sans");
}

QFont font(int pixelSize, bool bold, bool italic) {
    registerEmbedded();
    QFont f(family());
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferDefault);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

} // namespace fonts
