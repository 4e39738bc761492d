// course-gallery OUTDIR [--scale N]: writes a picture of every state of the
// course into OUTDIR, drawn offscreen at the given scale (1 by default).
// course-gallery --pdf FILE: writes a printed handout of the course, a page
// per state, into FILE.

#include "gallery/Gallery.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const std::optional<gallery::Request> request = gallery::parseArguments(arguments);
    if (!request) {
        std::fputs(gallery::Usage, stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!request->scale.isEmpty())
        qputenv("QT_SCALE_FACTOR", request->scale.toLocal8Bit());
    QApplication application(argc, argv);
    const QByteArray path = request->path.toLocal8Bit();
    if (request->output == gallery::Request::Output::Handout) {
        const int pages = gallery::writeHandout(request->path);
        const int expected = int(gallery::stateNames().size());
        std::printf("%d of %d pages written to %s\n", pages, expected, path.constData());
        return pages == expected ? 0 : 1;
    }
    const QStringList files = gallery::writeAll(request->path);
    const int expected = int(gallery::stateNames().size());
    std::printf("%lld of %d pictures written to %s\n", static_cast<long long>(files.size()),
                expected, path.constData());
    return files.size() == expected ? 0 : 1;
}
