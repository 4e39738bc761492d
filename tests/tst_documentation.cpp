// The manual page and the README tell a teacher the pages and the keys of
// the program: those of the page table and of the table of the teacher's keys,
// no more and no fewer.
#include "app/Classroom.h"
#include "app/CommandLine.h"
#include "shell/PageId.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

QString source(const QString &path) {
    QFile file(QStringLiteral(COURSE_SOURCE_DIR "/") + path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    return QString::fromUtf8(file.readAll());
}

// The text of \a document from \a start to the next \a end after it.
QString section(const QString &document, const QString &start, const QString &end) {
    const qsizetype from = document.indexOf(start);
    if (from < 0)
        return {};
    const qsizetype to = document.indexOf(end, from + start.size());
    return document.mid(from, to < 0 ? -1 : to - from);
}

// The manual page's text as it reads, without roff's escapes.
QString manualPage() {
    return source(QStringLiteral("dist/debian/transformateur-impulsions.1"))
        .remove(QStringLiteral("\\"));
}

QStringList coursePageNames() {
    QStringList names;
    for (int n = 1; n < shell::PageCount; ++n)
        names << shell::formName(shell::pageAt(n));
    return names;
}

// The teacher's keys as the table gives them.
QStringList tableKeys() {
    QStringList keys;
    for (const auto &[names, what] : app::Classroom::keyHelp())
        keys << names.split(QStringLiteral(" ou "));
    keys.sort();
    return keys;
}

QStringList sorted(QStringList list) {
    list.removeDuplicates();
    list.sort();
    return list;
}

} // namespace

class DocumentationTest : public QObject {
    Q_OBJECT
private slots:
    void theManualPageNamesEveryPageOfTheTable() {
        const QString option =
            section(manualPage(), QStringLiteral(".BI --page"), QStringLiteral(".TP"));
        QVERIFY2(!option.isEmpty(), "the manual page has no --page option");
        QVERIFY2(option.contains(QStringLiteral("(1 à %1)").arg(shell::PageCount - 1)),
                 qPrintable(option));
        const QRegularExpression list(QStringLiteral("nom :\\s*([A-Za-z,\\s]+)\\."));
        const QRegularExpressionMatch match = list.match(option);
        QVERIFY2(match.hasMatch(), qPrintable(option));
        QStringList names = match.captured(1).split(u',');
        for (QString &name : names)
            name = name.trimmed();
        QCOMPARE(names, coursePageNames());
    }

    void theManualPageListsTheTeachersKeys() {
        const QString keysSection =
            section(manualPage(), QStringLiteral(".SH TOUCHES"), QStringLiteral(".SH "));
        QVERIFY(!keysSection.isEmpty());
        // The line after each .TP names the keys of the entry: ".BR Pause ", " P".
        const QStringList lines = keysSection.split(u'\n');
        QStringList keys;
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            if (lines.at(i) != u".TP")
                continue;
            const QString term = lines.at(i + 1).section(u' ', 1);
            for (const QString &part : term.split(u'"'))
                for (const QString &key : part.split(QStringLiteral(", ")))
                    if (!key.trimmed().isEmpty())
                        keys << key.trimmed();
        }
        QCOMPARE(sorted(keys), tableKeys());
    }

    void theReadmeListsTheTeachersKeysAndOptions() {
        const QString table =
            section(source(QStringLiteral("README.md")), QStringLiteral("## In the classroom"),
                    QStringLiteral("\n## "));
        QStringList keys;
        QStringList options;
        for (const QString &line : table.split(u'\n')) {
            if (!line.startsWith(QStringLiteral("| ")) || line.startsWith(QStringLiteral("| key")))
                continue;
            const QString cell = line.section(u'|', 1, 1).trimmed();
            if (cell.startsWith(u'`')) {
                options << QString(cell).remove(u'`');
                continue;
            }
            for (const QString &part : cell.split(QStringLiteral(", ")))
                keys << part.split(QStringLiteral(" or "));
        }
        QCOMPARE(sorted(keys), tableKeys());
        QStringList courseOptions;
        for (const auto &[option, what] : app::courseOptions())
            if (option.startsWith(QStringLiteral("--")))
                courseOptions << option;
        QCOMPARE(sorted(options), sorted(courseOptions));
    }
};

QTEST_GUILESS_MAIN(DocumentationTest)
#include "tst_documentation.moc"
