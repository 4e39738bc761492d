// The gallery writes a picture of every state of the course.

#include "gallery/Gallery.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

class GalleryTest final : public QObject {
    Q_OBJECT
private slots:
    void writesEveryState() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QStringList written = gallery::writeAll(dir.path());
        const QStringList names = gallery::stateNames();
        QCOMPARE(written.size(), names.size());
        for (const QString &name : names) {
            const QImage image(dir.filePath(name + u".png"));
            QVERIFY2(!image.isNull(), qPrintable(name));
        }
        QCOMPARE(QImage(dir.filePath("00-debut.png")).size(), QSize(566, 316));
        QCOMPARE(QImage(dir.filePath("08-incomp-fin.png")).size(), QSize(634, 455));
    }
};

QTEST_MAIN(GalleryTest)
#include "tst_gallery.moc"
