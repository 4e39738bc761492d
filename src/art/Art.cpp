#include "art/Art.h"
#include "art/Painters.h"

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

QString title(Picture picture) {
    switch (picture) {
    case Picture::Photo:
        return QStringLiteral("Photographie de transformateurs d'impulsions");
    case Picture::Emblem:
        return QStringLiteral("Emblème de l'éditeur");
    case Picture::Thyristor:
        return QStringLiteral("Symbole d'un thyristor");
    case Picture::Triac:
        return QStringLiteral("Symbole d'un triac");
    case Picture::Transistor:
        return QStringLiteral("Symbole d'un transistor");
    case Picture::DotConvention:
    case Picture::NoLoadTransformer:
        return QStringLiteral("Transformateur d'impulsions");
    case Picture::MagnetisationCurve:
        return QStringLiteral("Courbe d'aimantation");
    case Picture::Pulse10V:
        return QStringLiteral("Impulsion de 10 V");
    case Picture::Pulses10V5V:
        return QStringLiteral("Impulsions de 10 V et de 5 V");
    case Picture::SpeedDrives:
        return QStringLiteral("Variateurs de vitesse");
    case Picture::NoLoadAxes:
    case Picture::LoadCurves:
    case Picture::TriggerCurves:
        return QStringLiteral("Oscillogrammes");
    case Picture::DemagAxes:
        return QStringLiteral("Courant magnétisant");
    case Picture::DiodeKo:
    case Picture::DiodeKf:
    case Picture::DiodeKfo:
    case Picture::ZenKo:
    case Picture::ZenKf:
    case Picture::ZenKfo:
    case Picture::LoadCircuit:
        return QStringLiteral("Schéma du montage");
    case Picture::TriggerCircuit:
        return QStringLiteral("Schéma du déclencheur");
    case Picture::MainsPulses:
        return QStringLiteral("Tension du secteur et trains d'impulsions");
    case Picture::PulseTrain:
        return QStringLiteral("Détail du train d'impulsions");
    }
    return {};
}

QString description(Picture picture) {
    switch (picture) {
    case Picture::Photo:
        return QStringLiteral(
            "Photographie de trois transformateurs d'impulsions en boîtiers différents : un "
            "modèle ouvert au bobinage apparent, un bloc moulé vert et un boîtier plat noir à "
            "longues broches ; en dessous, le symbole du transformateur à deux enroulements.");
    case Picture::Emblem:
        return QStringLiteral("Emblème de l'éditeur, dans un hexagone orange.");
    case Picture::Thyristor:
        return QStringLiteral("Symbole du thyristor : une diode dont la cathode porte "
                              "l'électrode de commande, la gâchette.");
    case Picture::Triac:
        return QStringLiteral("Symbole du triac : deux thyristors montés tête-bêche avec une "
                              "gâchette commune ; il conduit dans les deux sens.");
    case Picture::Transistor:
        return QStringLiteral("Symbole du transistor NPN : la base à gauche, le collecteur en "
                              "haut, l'émetteur fléché en bas.");
    case Picture::DotConvention:
        return QStringLiteral(
            "Transformateur à deux enroulements dont un point marque les bornes homologues : "
            "v1 et i1 entrant au primaire, i2 sortant et v2 au secondaire sont orientés vers "
            "ces bornes.");
    case Picture::MagnetisationCurve:
        return QStringLiteral(
            "Le flux croît proportionnellement au courant magnétisant jusqu'à la valeur Im, "
            "puis reste constant : au-delà de Im, le circuit magnétique est saturé.");
    case Picture::Pulse10V:
        return QStringLiteral("Impulsion rectangulaire de 10 V pendant 10 µs : son aire vaut "
                              "100 V.µs.");
    case Picture::Pulses10V5V:
        return QStringLiteral("Deux impulsions de même aire, 100 V.µs : 10 V pendant 10 µs, "
                              "et 5 V pendant 20 µs, deux fois plus longue et deux fois moins "
                              "haute.");
    case Picture::SpeedDrives:
        return QStringLiteral("Photographie de variateurs de vitesse industriels pour moteurs "
                              "électriques, jaunes et gris, avec leurs claviers et afficheurs.");
    case Picture::NoLoadAxes:
        return QStringLiteral("Axes des oscillogrammes de v1, v2 et i1 en fonction du temps.");
    case Picture::NoLoadTransformer:
        return QStringLiteral(
            "Transformateur à vide : le courant i1 entre au primaire sous la tension v1 ; le "
            "secondaire ouvert ne débite pas, i2 est nul, et présente la tension v2.");
    case Picture::DemagAxes:
        return QStringLiteral("Axes du courant magnétisant i1 en fonction du temps.");
    case Picture::DiodeKo:
        return QStringLiteral("La source E, l'interrupteur K ouvert et la diode D en parallèle "
                              "sur le primaire du transformateur : aucun courant ne circule.");
    case Picture::DiodeKf:
        return QStringLiteral("K fermé : le courant i1 part de la source, traverse le primaire "
                              "et revient par K ; la diode D est bloquée.");
    case Picture::DiodeKfo:
        return QStringLiteral("K vient de s'ouvrir : le courant du primaire continue de "
                              "circuler et se referme par la diode D, qui démagnétise le "
                              "circuit magnétique.");
    case Picture::ZenKo:
        return QStringLiteral("La source E, l'interrupteur K ouvert, et la diode D en série "
                              "avec la diode Zener Dz sur le primaire : aucun courant ne "
                              "circule.");
    case Picture::ZenKf:
        return QStringLiteral("K fermé : le courant i1 part de la source, traverse le primaire "
                              "et revient par K ; les diodes D et Dz sont bloquées.");
    case Picture::ZenKfo:
        return QStringLiteral(
            "K vient de s'ouvrir : le courant du primaire se referme par la diode D et la "
            "diode Zener Dz, dont la tension Vd + Vz accélère la démagnétisation.");
    case Picture::LoadCircuit:
        return QStringLiteral(
            "Transformateur en charge : la source E et l'interrupteur K alimentent le "
            "primaire, démagnétisé par D et Dz ; le secondaire débite dans la résistance R à "
            "travers la diode Dr.");
    case Picture::LoadCurves:
        return QStringLiteral(
            "Oscillogrammes sur deux périodes : v1 et v2 valent E quand K est fermé, puis "
            "deviennent négatives pendant la démagnétisation ; i2 et v sont constants quand "
            "K est fermé ; i0 croît puis décroît en triangle ; i1 est la somme de i0 et de "
            "i2.");
    case Picture::TriggerCircuit:
        return QStringLiteral(
            "Déclencheur du pont mixte : le générateur d'impulsions commande le transistor H, "
            "qui alimente le primaire du transformateur Tr ; ses deux secondaires commandent, "
            "par Dg1 et Rg1, Dg2 et Rg2, les gâchettes des thyristors K1 et K2 du pont qui "
            "alimente le moteur M.");
    case Picture::TriggerCurves:
        return QStringLiteral(
            "Oscillogrammes du déclencheur sur deux périodes. À gauche : vi rectangulaire ; v "
            "et v1, v2 positives pendant l'impulsion, négatives pendant la démagnétisation ; "
            "vg1, vg2 positives pendant l'impulsion et nulles ensuite ; vce nulle pendant "
            "l'impulsion. À droite : i1, i2 constants pendant l'impulsion ; i en échelon ; iz, "
            "la petite décroissance de démagnétisation ; ic égal à i pendant l'impulsion.");
    case Picture::MainsPulses:
        return QStringLiteral(
            "En haut, la tension du secteur vr avec un train d'impulsions à chaque "
            "demi-période, à l'instant d'amorçage ; en bas, la tension redressée du moteur vm, "
            "remplie pendant la conduction des thyristors.");
    case Picture::PulseTrain:
        return QStringLiteral("Détail du train d'impulsions : des impulsions rectangulaires "
                              "dont la durée et l'intervalle valent chacun T/2.");
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
