#include "art/Art.h"
#include "art/Painters.h"

#include "fonts/Fonts.h"

#include <QCoreApplication>
#include <QIconEngine>
#include <QPainter>
#include <QResource>
#include <QThread>

#include <array>

namespace art {
namespace {

using PaintFn = void (*)(QPainter &);
using IconFn = void (*)(QPainter &, int);

// A row of the catalogue.
struct PictureEntry {
    const char *name;
    QSize size;
    PaintFn paint;
    bool baked;
    const char *title;
    const char *description;
};

constexpr std::array Pictures{
#define ART_PICTURE_ENTRY(id, width, height, painter, baked, title, description)                   \
    PictureEntry{#id, QSize(width, height), painters::painter, baked, title, description},
    ART_PICTURES(ART_PICTURE_ENTRY)
#undef ART_PICTURE_ENTRY
};

struct IconEntry {
    const char *name;
    IconFn paint;
    bool baked;
};

constexpr std::array Icons{
#define ART_ICON_ENTRY(id, painter, baked) IconEntry{#id, painters::painter, baked},
    ART_ICONS(ART_ICON_ENTRY)
#undef ART_ICON_ENTRY
};

// The icon as drawn at build time at this size in pixels, if the program
// embeds it.
QImage bakedIcon(Icon icon, int pixels) {
    if (!isBaked(icon) || !bakedIconPixels().contains(pixels))
        return {};
    const QResource resource(QStringLiteral(":/art/") + bakedName(icon, pixels));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() != qint64(pixels) * pixels * 4)
        return {};
    return QImage(resource.data(), pixels, pixels, pixels * 4, QImage::Format_ARGB32_Premultiplied);
}

const PictureEntry &entry(Picture picture) {
    return Pictures.at(std::size_t(picture));
}

// Draws an icon for any requested size: the 16-pixel design up to 16 pixels,
// the 32-pixel design scaled above that, always at the device's own resolution.
class CodeIconEngine final : public QIconEngine {
public:
    explicit CodeIconEngine(Icon icon) : m_icon(icon) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override {
        const int design = qMin(rect.width(), rect.height()) <= 16 ? 16 : 32;
        painter->save();
        painter->translate(rect.topLeft());
        painter->scale(qreal(rect.width()) / design, qreal(rect.height()) / design);
        paintIcon(m_icon, *painter, design);
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        // Qt asks in device pixels before 6.8, in logical pixels since.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        const QSize pixels = size * scale;
#else
        const QSize pixels = size;
#endif
        if (pixels.width() == pixels.height()) {
            if (const QImage baked = bakedIcon(m_icon, pixels.width()); !baked.isNull()) {
                QPixmap pm = QPixmap::fromImage(baked); // a copy, out of the program's data
                pm.setDevicePixelRatio(scale);
                return pm;
            }
        }
        QPixmap pm(pixels);
        pm.fill(Qt::transparent);
        {
            QPainter p(&pm);
            paint(&p, QRect(QPoint(), pm.size()), mode, state);
        }
        pm.setDevicePixelRatio(scale);
        return pm;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override {
        return size;
    }
    QIconEngine *clone() const override {
        return new CodeIconEngine(m_icon);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int size : windowIconSizes())
            sizes << QSize(size, size);
        return sizes;
    }

private:
    Icon m_icon;
};

} // namespace

QList<Picture> pictures() {
    QList<Picture> all;
    for (std::size_t i = 0; i < Pictures.size(); ++i)
        all << Picture(i);
    return all;
}

QSize size(Picture picture) {
    return entry(picture).size;
}

QString title(Picture picture) {
    return QCoreApplication::translate("art::Picture", entry(picture).title);
}

QString description(Picture picture) {
    return QCoreApplication::translate("art::Picture", entry(picture).description);
}

QString name(Picture picture) {
    return QString::fromLatin1(entry(picture).name);
}

void paint(Picture picture, QPainter &painter) {
    // Labels are set in the course's face: registered here on the GUI
    // thread, before a worker is started elsewhere (Renderer::prerender).
    if (QThread::currentThread() == QCoreApplication::instance()->thread())
        fonts::registerItalic();
    else if (!fonts::allRegistered())
        qFatal("art::paint: a picture is drawn off the GUI thread before the faces are registered");
    entry(picture).paint(painter);
}

bool isBaked(Picture picture) {
    return entry(picture).baked;
}

QString bakedName(Picture picture) {
    return name(picture) + QStringLiteral("-1x.argb");
}

QList<Icon> icons() {
    QList<Icon> all;
    for (std::size_t i = 0; i < Icons.size(); ++i)
        all << Icon(i);
    return all;
}

QImage drawIcon(Icon which, int pixels) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    CodeIconEngine(which).paint(&painter, image.rect(), QIcon::Normal, QIcon::Off);
    return image;
}

QIcon icon(Icon which) {
    return QIcon(new CodeIconEngine(which));
}

void paintIcon(Icon icon, QPainter &painter, int designSize) {
    Icons.at(std::size_t(icon)).paint(painter, designSize);
}

QList<int> windowIconSizes() {
    return {16, 32, 48, 64};
}

QList<int> bakedIconPixels() {
    return {16, 24, 32, 48, 64, 72, 96, 128};
}

bool isBaked(Icon icon) {
    return Icons.at(std::size_t(icon)).baked;
}

QString bakedName(Icon icon, int pixels) {
    return QStringLiteral("%1-icon-%2.argb")
        .arg(QLatin1StringView(Icons.at(std::size_t(icon)).name))
        .arg(pixels);
}

namespace {

QPair<int, int> cacheKey(Picture picture, qreal ratio) {
    return {int(picture), qRound(ratio * 100)};
}

// The embedded drawing of the picture, if the program has one, valid.
QResource embedded(Picture picture) {
    return QResource(QStringLiteral(":/art/") + bakedName(picture));
}

bool isEmbedded(Picture picture, qreal ratio) {
    if (ratio != 1.0 || !isBaked(picture))
        return false;
    const QResource resource = embedded(picture);
    const QSize size = art::size(picture);
    return resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression &&
           resource.size() == qint64(size.width()) * size.height() * 4;
}

// The picture as drawn at build time, if the program embeds it at this ratio.
QImage baked(Picture picture, qreal ratio) {
    if (!isEmbedded(picture, ratio))
        return {};
    const QResource resource = embedded(picture);
    const QSize size = art::size(picture);
    // Copied out of the program's read-only data.
    return QImage(resource.data(), size.width(), size.height(), size.width() * 4,
                  QImage::Format_ARGB32_Premultiplied)
        .copy();
}

QImage render(Picture picture, qreal ratio) {
    if (QImage image = baked(picture, ratio); !image.isNull())
        return image;
    QImage image(size(picture) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paint(picture, p);
    return image;
}

} // namespace

Renderer::~Renderer() {
    for (auto &job : m_pending)
        job.wait();
}

void Renderer::prerender(std::initializer_list<Picture> pictures, qreal devicePixelRatio) {
    for (const Picture picture : pictures) {
        if (isEmbedded(picture, devicePixelRatio))
            continue;            // ready at once
        fonts::registerItalic(); // before the worker draws the picture's labels
        const auto key = cacheKey(picture, devicePixelRatio);
        if (!m_pending.contains(key))
            m_pending.insert(
                key, std::async(std::launch::async, render, picture, devicePixelRatio).share());
    }
}

QPixmap Renderer::pixmap(Picture picture, qreal devicePixelRatio) {
    QImage image;
    if (const auto job = m_pending.find(cacheKey(picture, devicePixelRatio));
        job != m_pending.end()) {
        image = job->get();
        m_pending.erase(job);
    } else {
        image = render(picture, devicePixelRatio);
    }
    return QPixmap::fromImage(std::move(image));
}

} // namespace art
