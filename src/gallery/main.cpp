// course-gallery OUTDIR [--scale N]: writes a picture of every state of the
// course into OUTDIR, drawn offscreen at the given scale (1 by default).

#include "gallery/Gallery.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char *argv[]) {
    if (argc != 2 && !(argc == 4 && std::strcmp(argv[2], "--scale") == 0)) {
        std::fputs("usage: course-gallery OUTDIR [--scale N]\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 4)
        qputenv("QT_SCALE_FACTOR", argv[3]);
    QApplication application(argc, argv);
    const QStringList files = gallery::writeAll(QString::fromLocal8Bit(argv[1]));
    const int expected = int(gallery::stateNames().size());
    std::printf("%lld of %d pictures written to %s\n", static_cast<long long>(files.size()),
                expected, argv[1]);
    return files.size() == expected ? 0 : 1;
}
