#include "Art.h"
#include "Painters.h"

#include <QCoreApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QResource>
#include <future>

namespace art {
namespace {

using PaintFn = void (*)(QPainter &);
using IconFn = void (*)(QPainter &, int);

struct PictureEntry {
    QSize size;
    PaintFn paint = nullptr;
};

PictureEntry entry(Picture picture) {
    using namespace painters;
    switch (picture) {
    case Picture::Photo:
        return {{370, 200}, photo};
    case Picture::Emblem:
        return {{126, 139}, emblem};
    case Picture::Thyristor:
        return {{38, 35}, thyristor};
    case Picture::Triac:
        return {{43, 54}, triac};
    case Picture::Transistor:
        return {{26, 42}, transistor};
    case Picture::DotConvention:
        return {{141, 155}, dotConvention};
    case Picture::MagnetisationCurve:
        return {{255, 184}, magnetisationCurve};
    case Picture::Pulse10V:
        return {{233, 186}, pulse10V};
    case Picture::Pulses10V5V:
        return {{233, 186}, pulses10V5V};
    case Picture::SpeedDrives:
        return {{350, 295}, speedDrives};
    case Picture::NoLoadAxes:
        return {{199, 179}, noLoadAxes};
    case Picture::NoLoadTransformer:
        return {{108, 85}, noLoadTransformer};
    case Picture::DemagAxes:
        return {{267, 137}, demagAxes};
    case Picture::DiodeKo:
        return {{239, 96}, diodeKo};
    case Picture::DiodeKf:
        return {{239, 96}, diodeKf};
    case Picture::DiodeKfo:
        return {{239, 96}, diodeKfo};
    case Picture::ZenKo:
        return {{239, 96}, zenKo};
    case Picture::ZenKf:
        return {{239, 96}, zenKf};
    case Picture::ZenKfo:
        return {{239, 96}, zenKfo};
    case Picture::LoadCircuit:
        return {{295, 96}, loadCircuit};
    case Picture::LoadCurves:
        return {{270, 283}, loadCurves};
    case Picture::TriggerCircuit:
        return {{550, 99}, triggerCircuit};
    case Picture::TriggerCurves:
        return {{530, 200}, triggerCurves};
    case Picture::MainsPulses:
        return {{190, 115}, mainsPulses};
    case Picture::PulseTrain:
        return {{120, 115}, pulseTrain};
    }
    return {};
}

IconFn iconPainter(Icon icon) {
    switch (icon) {
    case Icon::Bridge:
        return painters::bridgeIcon;
    case Icon::ArrowUp:
        return painters::arrowUpIcon;
    case Icon::ArrowDown:
        return painters::arrowDownIcon;
    case Icon::Oscilloscope:
        return painters::oscilloscopeIcon;
    case Icon::Book:
        return painters::bookIcon;
    case Icon::Magnifier:
        return painters::magnifierIcon;
    }
    return nullptr;
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

QString description(Picture picture) {
    switch (picture) {
    case Picture::Photo:
        return QStringLiteral("Photographie de trois transformateurs d'impulsions et symbole "
                              "du transformateur");
    case Picture::Emblem:
        return QStringLiteral("Emblème de l'éditeur dans un hexagone orange");
    case Picture::Thyristor:
        return QStringLiteral("Symbole du thyristor");
    case Picture::Triac:
        return QStringLiteral("Symbole du triac");
    case Picture::Transistor:
        return QStringLiteral("Symbole du transistor NPN");
    case Picture::DotConvention:
        return QStringLiteral("Transformateur avec ses bornes homologues marquées d'un point, "
                              "les courants i1 et i2 et les tensions v1 et v2");
    case Picture::MagnetisationCurve:
        return QStringLiteral("Flux en fonction du courant magnétisant : une droite jusqu'au "
                              "courant Im, puis un palier");
    case Picture::Pulse10V:
        return QStringLiteral("Impulsion de 10 V pendant 10 µs");
    case Picture::Pulses10V5V:
        return QStringLiteral("Impulsions de 10 V pendant 10 µs et de 5 V pendant 20 µs, de "
                              "même surface");
    case Picture::SpeedDrives:
        return QStringLiteral("Photographie de variateurs de vitesse industriels");
    case Picture::NoLoadAxes:
        return QStringLiteral("Oscillogrammes de v1, v2 et i1 en fonction du temps");
    case Picture::NoLoadTransformer:
        return QStringLiteral("Symbole du transformateur d'impulsions, n1 et n2 spires");
    case Picture::DemagAxes:
        return QStringLiteral("Courant magnétisant i1 en fonction du temps");
    case Picture::DiodeKo:
        return QStringLiteral("Source E, interrupteur K ouvert, diode D et transformateur");
    case Picture::DiodeKf:
        return QStringLiteral("Interrupteur K fermé : le courant circule dans le primaire");
    case Picture::DiodeKfo:
        return QStringLiteral("Interrupteur K ouvert : le courant se referme par la diode D");
    case Picture::ZenKo:
        return QStringLiteral("Source E, interrupteur K ouvert, diode D, diode Zener Dz et "
                              "transformateur");
    case Picture::ZenKf:
        return QStringLiteral("Interrupteur K fermé : le courant circule dans le primaire");
    case Picture::ZenKfo:
        return QStringLiteral("Interrupteur K ouvert : le courant se referme par D et Dz");
    case Picture::LoadCircuit:
        return QStringLiteral("Transformateur débitant sur une résistance R à travers la "
                              "diode Dr");
    case Picture::LoadCurves:
        return QStringLiteral("Oscillogrammes de v1, v2, i1, i0, i2 et v sur deux périodes");
    case Picture::TriggerCircuit:
        return QStringLiteral("Déclencheur du pont mixte : générateur, transistor H, "
                              "transformateur Tr à deux secondaires, thyristors K1 et K2");
    case Picture::TriggerCurves:
        return QStringLiteral("Oscillogrammes des tensions et des courants du déclencheur");
    case Picture::MainsPulses:
        return QStringLiteral("Tension du secteur avec les trains d'impulsions, et tension du "
                              "moteur");
    case Picture::PulseTrain:
        return QStringLiteral("Train d'impulsions agrandi : deux intervalles T/2");
    }
    return {};
}

QSize size(Picture picture) {
    return entry(picture).size;
}

void paint(Picture picture, QPainter &painter) {
    if (const PaintFn fn = entry(picture).paint)
        fn(painter);
}

namespace {

using CacheKey = QPair<int, int>;

CacheKey cacheKey(Picture picture, qreal ratio) {
    return {int(picture), qRound(ratio * 100)};
}

// The picture as drawn at build time, if the program embeds it at this ratio.
QImage baked(Picture picture, qreal ratio) {
    if (ratio != 1.0)
        return {};
    const QResource resource(QStringLiteral(":/art/") + bakedName(picture));
    const QSize size = art::size(picture);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() != qint64(size.width()) * size.height() * 4)
        return {};
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

// Pictures being drawn on a worker thread, and the pictures drawn.
QHash<CacheKey, std::shared_future<QImage>> &pending() {
    static QHash<CacheKey, std::shared_future<QImage>> jobs;
    return jobs;
}

} // namespace

QList<Picture> bakedPictures() {
    return {Picture::Photo};
}

QString bakedName(Picture picture) {
    return QStringLiteral("picture-%1-1x.argb").arg(int(picture));
}

void prerender(std::initializer_list<Picture> pictures, qreal devicePixelRatio) {
    // A drawing still in flight is waited for before the application goes.
    static const bool waitsAtExit = [] {
        qAddPostRoutine([] {
            for (auto &job : pending())
                job.wait();
            pending().clear();
        });
        return true;
    }();
    Q_UNUSED(waitsAtExit);
    for (const Picture picture : pictures) {
        const CacheKey key = cacheKey(picture, devicePixelRatio);
        if (QResource(QStringLiteral(":/art/") + bakedName(picture)).isValid() &&
            devicePixelRatio == 1.0)
            continue; // embedded, ready at once
        if (!pending().contains(key))
            pending().insert(
                key, std::async(std::launch::async, render, picture, devicePixelRatio).share());
    }
}

QPixmap pixmap(Picture picture, qreal devicePixelRatio) {
    // Not kept here: the boxes that show a picture hold it while they are shown.
    const CacheKey key = cacheKey(picture, devicePixelRatio);
    QImage image;
    if (const auto job = pending().find(key); job != pending().end()) {
        image = job->get();
        pending().erase(job);
    } else {
        image = render(picture, devicePixelRatio);
    }
    return QPixmap::fromImage(std::move(image));
}

QIcon icon(Icon which) {
    return QIcon(new CodeIconEngine(which));
}

void paintIcon(Icon icon, QPainter &painter, int designSize) {
    if (const IconFn fn = iconPainter(icon))
        fn(painter, designSize);
}

} // namespace art
