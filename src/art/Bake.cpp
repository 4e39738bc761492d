// course-art-bake OUTDIR: draws, at build time, the pictures that the
// catalogue marks to be embedded ready-made (those the title page shows at
// once), at 100 %, into OUTDIR as raw premultiplied ARGB32 pixels, with the
// resource file that lists them. The program embeds them and so shows its
// title page without first drawing them; at other scales it draws them itself.

#include "art/Art.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <cstdio>

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::fputs("usage: course-art-bake OUTDIR\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("."));
    QString qrc;
    QTextStream list(&qrc);
    list << "<RCC>\n  <qresource prefix=\"/art\">\n";
    for (const art::Picture picture : art::pictures()) {
        if (!art::isBaked(picture))
            continue;
        QImage image(art::size(picture), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            art::paint(picture, p);
        }
        QFile file(out.filePath(art::bakedName(picture)));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()) !=
                image.sizeInBytes())
            return 1;
        list << "    <file>" << art::bakedName(picture) << "</file>\n";
    }
    for (const art::Icon icon : art::icons()) {
        if (!art::isBaked(icon))
            continue;
        for (const int pixels : art::bakedIconPixels()) {
            const QImage image = art::drawIcon(icon, pixels);
            QFile file(out.filePath(art::bakedName(icon, pixels)));
            if (!file.open(QIODevice::WriteOnly) ||
                file.write(reinterpret_cast<const char *>(image.constBits()),
                           image.sizeInBytes()) != image.sizeInBytes())
                return 1;
            list << "    <file>" << art::bakedName(icon, pixels) << "</file>\n";
        }
    }
    list << "  </qresource>\n</RCC>\n";
    QFile resources(out.filePath(QStringLiteral("baked.qrc")));
    if (!resources.open(QIODevice::WriteOnly) || resources.write(qrc.toUtf8()) < 0)
        return 1;
    return 0;
}
