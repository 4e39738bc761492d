#include "art/Art.h"
#include "art/Painters.h"

#include <QIconEngine>
#include <QPainter>
#include <QResource>

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

constexpr std::array Icons{
#define ART_ICON_ENTRY(id, painter) IconFn(painters::painter),
    ART_ICONS(ART_ICON_ENTRY)
#undef ART_ICON_ENTRY
};

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
        QPixmap pm(size * scale);
        pm.fill(Qt::transparent);
        {
            QPainter p(&pm);
            paint(&p, QRect(QPoint(), pm.size()), mode, state);
        }
        pm.setDevicePixelRatio(scale);
        return pm;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine *clone() const override { return new CodeIconEngine(m_icon); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
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
    return QString::fromUtf8(entry(picture).title);
}

QString description(Picture picture) {
    return QString::fromUtf8(entry(picture).description);
}

QString name(Picture picture) {
    return QString::fromLatin1(entry(picture).name);
}

void paint(Picture picture, QPainter &painter) {
    entry(picture).paint(painter);
}

bool isBaked(Picture picture) {
    return entry(picture).baked;
}

QString bakedName(Picture picture) {
    return name(picture) + QStringLiteral("-1x.argb");
}

QIcon icon(Icon which) {
    return QIcon(new CodeIconEngine(which));
}

void paintIcon(Icon icon, QPainter &painter, int designSize) {
    Icons.at(std::size_t(icon))(painter, designSize);
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
            continue; // ready at once
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
