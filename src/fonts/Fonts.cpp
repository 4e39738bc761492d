#include "fonts/Fonts.h"

#include <QFontDatabase>
#include <QResource>

namespace fonts {

namespace {

void add(const char *face) {
    const QString path =
        QStringLiteral(":/fonts/LiberationSans-%1.ttf").arg(QLatin1StringView(face));
    // The face is read where it lies in the program, not copied to the heap.
    const QResource resource(path);
    const bool inPlace =
        resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression;
    const int id =
        inPlace ? QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
                      reinterpret_cast<const char *>(resource.data()), qsizetype(resource.size())))
                : QFontDatabase::addApplicationFont(path);
    if (id < 0)
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
