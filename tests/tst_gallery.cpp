// The gallery writes a picture of every state of the course, or a printed
// handout with a page per state.

#include "gallery/Gallery.h"
#include "shell/PageId.h"
#include "support/Names.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// What a tool of poppler-utils prints.
QString run(const QString &tool, const QStringList &arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The heading of the handout's page for a state ("08-incomp-fin"): the
// number of its course page and the page's title, or the title alone for the
// title page.
QString headingOf(const QString &state) {
    const int number = state.left(2).toInt();
    const QString title = shell::pageTitle(shell::pageAt(number));
    return number == 0 ? title : QStringLiteral("%1. %2").arg(number).arg(title);
}

} // namespace

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
        QCOMPARE(QImage(dir.filePath(u"00-debut.png"_s)).size(), QSize(566, 316));
        QCOMPARE(QImage(dir.filePath(u"08-incomp-fin.png"_s)).size(), QSize(634, 455));
    }

    void readsTheArguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<bool>("handout");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("scale");
        QTest::newRow("pictures") << names({"out"}) << true << false << "out"
                                  << "";
        QTest::newRow("pictures at a scale")
            << names({"out", "--scale", "1.5"}) << true << false << "out"
            << "1.5";
        QTest::newRow("handout") << names({"--pdf", "cours.pdf"}) << true << true << "cours.pdf"
                                 << "";
        QTest::newRow("nothing") << QStringList{} << false << false << ""
                                 << "";
        QTest::newRow("handout without its file") << names({"--pdf"}) << false << false << ""
                                                  << "";
        QTest::newRow("handout at a scale")
            << names({"--pdf", "cours.pdf", "--scale", "2"}) << false << false << ""
            << "";
        QTest::newRow("scale without its number")
            << names({"out", "--scale"}) << false << false << ""
            << "";
        QTest::newRow("scale not a number")
            << names({"out", "--scale", "deux"}) << false << false << ""
            << "";
        QTest::newRow("scale zero") << names({"out", "--scale", "0"}) << false << false << ""
                                    << "";
        QTest::newRow("two folders") << names({"out", "autre"}) << false << false << ""
                                     << "";
        QTest::newRow("an option for a folder") << names({"--png", "out"}) << false << false << ""
                                                << "";
    }
    void readsTheArguments() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, valid);
        const std::optional<gallery::Request> request = gallery::parseArguments(arguments);
        QCOMPARE(request.has_value(), valid);
        if (!valid)
            return;
        QFETCH(bool, handout);
        QFETCH(QString, path);
        QFETCH(QString, scale);
        QCOMPARE(request->output == gallery::Request::Output::Handout, handout);
        QCOMPARE(request->path, path);
        QCOMPARE(request->scale, scale);
    }

    // Read back with poppler-utils: one A4 landscape page per state, in the
    // order of the pictures, each headed with its page's number and title;
    // texts are text; pictures and oscillograms are at print resolution,
    // lossless and never smoothed by the reader.
    void writesTheHandout() {
        for (const QString &tool : ::names({"pdfinfo", "pdftotext", "pdfimages"})) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP("pdfinfo, pdftotext and pdfimages (Debian's poppler-utils) are needed "
                      "to read the handout back");
        }
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath(u"cours.pdf"_s);
        const QStringList names = gallery::stateNames();
        QCOMPARE(gallery::writeHandout(file), names.size());

        const QString info = run(u"pdfinfo"_s, {u"-l"_s, QString::number(names.size()), file});
        const auto line = [&info](const QString &pattern) {
            return info.contains(QRegularExpression(pattern, QRegularExpression::MultilineOption));
        };
        QVERIFY2(line(QStringLiteral("^Pages:\\s+%1$").arg(names.size())), qPrintable(info));
        QVERIFY(line(u"^Title:\\s+Transformateur d'impulsions$"_s));
        int sized = 0;
        for (const QRegularExpressionMatch &size :
             QRegularExpression(u"^Page\\s+\\d+ size:\\s+([\\d.]+) x ([\\d.]+) pts"_s,
                                QRegularExpression::MultilineOption)
                 .globalMatch(info)) {
            QCOMPARE(qRound(size.captured(1).toDouble()), 842); // A4 across
            QCOMPARE(qRound(size.captured(2).toDouble()), 595);
            ++sized;
        }
        QCOMPARE(sized, names.size());

        // pdftotext ends every page with a form feed.
        const QStringList pages = run(u"pdftotext"_s, {file, u"-"_s}).split(u'\f');
        QCOMPARE(pages.size(), names.size() + 1);
        for (int i = 0; i < names.size(); ++i) {
            const QString heading = pages[i].trimmed().section(u'\n', 0, 0);
            QCOMPARE(heading.simplified(), headingOf(names[i]).simplified());
        }
        const auto textOf = [&](const QString &state) {
            return pages.value(names.indexOf(state)).simplified();
        };
        QVERIFY(textOf(u"01-fonction-arrivee"_s).contains(u"permet la transmission d'un signal"));
        // The navigation buttons mean nothing on paper.
        for (const QString &state : names)
            for (const char *button : {"Page suivante", "Page précédente", "Quitter le programme"})
                QVERIFY2(!textOf(state).contains(QString::fromUtf8(button)),
                         qPrintable(state + u": " + QString::fromUtf8(button)));
        QVERIFY(textOf(u"08-incomp-fin"_s).contains(u"Les impulsions de sortie sont raccourcies"));
        QVERIFY(textOf(u"11-applic-calculs"_s).contains(u"BTW66-400"));

        // The title page (a photograph on a plotting surface, an emblem in an
        // image box) and an oscillogram page with its circuit diagram.
        for (const QString &state : ::names({"00-debut", "08-incomp-fin"})) {
            const QString page = QString::number(names.indexOf(state) + 1);
            // page num type width height color comp bpc enc interp object ID x-ppi ...
            const QStringList images =
                run(u"pdfimages"_s, {u"-list"_s, u"-f"_s, page, u"-l"_s, page, file})
                    .split(u'\n', Qt::SkipEmptyParts)
                    .mid(2);
            QVERIFY2(!images.isEmpty(), qPrintable(state));
            for (const QString &image : images) {
                const QStringList column = image.simplified().split(u' ');
                QVERIFY2(column.size() >= 13, qPrintable(image));
                QVERIFY2(column[8] == u"image", qPrintable(state + u": " + image)); // not JPEG
                QVERIFY2(column[9] == u"no", qPrintable(state + u": " + image));
                QVERIFY2(column[12].toInt() >= 300, qPrintable(state + u": " + image));
            }
        }
    }
};

QTEST_MAIN(GalleryTest)
#include "tst_gallery.moc"
