// course-icon-export OUTDIR: writes the program's icon for the desktops, as
// drawn by the program itself: OUTDIR/hicolor/NxN/apps/ID.png for the
// hicolor sizes, OUTDIR/hicolor/scalable/apps/ID.svg, and OUTDIR/ID.ico for
// Windows. Run at build time.

#include "art/Art.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

int main(int argc, char *argv[]) {
    if (argc != 3) {
        std::fputs("usage: course-icon-export OUTDIR ID\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString id = QString::fromLocal8Bit(argv[2]);
    const QIcon icon = art::icon(art::Icon::Bridge);
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        out.mkpath(dir);
        if (!icon.pixmap(QSize(size, size)).save(out.filePath(dir + u'/' + id + u".png")))
            return 1;
    }
    out.mkpath(QStringLiteral("hicolor/scalable/apps"));
    QSvgGenerator svg;
    svg.setFileName(out.filePath(QStringLiteral("hicolor/scalable/apps/") + id + u".svg"));
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Transformateur d'impulsions"));
    {
        // Drawn large, so the design takes its smooth form rather than the
        // pixel-exact one of the small sizes.
        QPainter painter(&svg);
        painter.scale(8, 8);
        art::paintIcon(art::Icon::Bridge, painter, 32);
    }
    // Windows: one file with the 16 and 32 pixel designs and a large one.
    if (QImageWriter::supportedImageFormats().contains("ico")) {
        QImageWriter ico(out.filePath(id + u".ico"), "ico");
        ico.write(icon.pixmap(QSize(256, 256)).toImage());
    }
    return 0;
}
