#include "fonts/Fonts.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QResource>
#include <QThread>
#include <atomic>

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

// Set on the GUI thread, read by the threads that draw pictures.
std::atomic<bool> uprightDone = false;
std::atomic<bool> italicDone = false;

void onGuiThread(const char *what) {
    const QCoreApplication *application = QCoreApplication::instance();
    if (!application || QThread::currentThread() != application->thread())
        qFatal("fonts::%s: faces are registered on the GUI thread of a running application", what);
}

} // namespace

void registerEmbedded() {
    if (uprightDone)
        return;
    onGuiThread("registerEmbedded");
    add("Regular");
    add("Bold");
    uprightDone = true;
}

void registerItalic() {
    registerEmbedded();
    if (italicDone)
        return;
    onGuiThread("registerItalic");
    add("Italic");
    add("BoldItalic");
    italicDone = true;
}

void registerFor(const QFont &font) {
    if (font.italic())
        registerItalic();
    else
        registerEmbedded();
}

Faces registered() {
    if (italicDone)
        return Faces::All;
    return uprightDone ? Faces::Upright : Faces::None;
}

bool allRegistered() {
    return registered() == Faces::All;
}

QString family() {
    return QStringLiteral("Liberation Sans");
}

QFont font(int pixelSize, bool bold, bool italic) {
    QFont f(family());
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferDefault);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

} // namespace fonts
