// The course texts: the loader's table, its order and colours, the exact
// fragments, and every text whole in its box with the embedded face.

#include "support/CourseDriver.h"

#include "shell/Debut.h"
#include "text/CourseText.h"
#include "toolkit/TextBox.h"

#include <QTest>

using shell::PageId;

namespace {

tk::TextBox *box(CourseDriver &driver, PageId page, const QString &name) {
    return driver.control<tk::TextBox>(page, name);
}

QString textOf(CourseDriver &driver, PageId page, const char *name) {
    tk::TextBox *b = box(driver, page, QLatin1StringView(name));
    return b ? b->text() : QStringLiteral("<missing %1>").arg(QLatin1StringView(name));
}

} // namespace

class CourseTextTest final : public QObject {
    Q_OBJECT
private slots:
    void tableOrderAndColours() {
        struct Row {
            PageId page;
            const char *box;
            QColor colour; // invalid: none
        };
        const QList<Row> expected{
            {PageId::Vide, "TextLegende", {}},
            {PageId::Vide, "TextVide", {}},
            {PageId::Aimant, "TextModel", {}},
            {PageId::Aimant, "TextSaturation", QColor(64, 128, 128)},
            {PageId::Convent, "TextConvention", {}},
            {PageId::Produit, "Text10V", QColor(0, 128, 128)},
            {PageId::Produit, "Text5V", QColor(0, 128, 255)},
            {PageId::Produit, "TextProduit", {}},
            {PageId::Produit, "TextExemple", {}},
            {PageId::Vide, "TextSaturation", QColor(255, 0, 0)},
            {PageId::Fonction, "TextFonction", {}},
            {PageId::Fonction, "TextAvantages", QColor(64, 128, 128)},
            {PageId::PasSat, "TextPasSaturer", QColor(255, 255, 0)},
            {PageId::Demag, "TextDemag(0)", {}},
            {PageId::Demag, "TextDemag(1)", {}},
            {PageId::Demag, "TextDemag(2)", {}},
            {PageId::Demag, "TextDemag(3)", QColor(255, 0, 0)},
            {PageId::Incomp, "TextIncomp(0)", {}},
            {PageId::Incomp, "TextIncomp(1)", QColor(255, 0, 0)},
            {PageId::RappCyc, "TextRappCyc", QColor(255, 255, 0)},
            {PageId::ChargeTi, "TextCharge(0)", {}},
            {PageId::ChargeTi, "TextCharge(1)", QColor(0, 128, 128)},
            {PageId::Variat, "TextVariateur", {}},
            {PageId::FinProg, "TextFin", {}},
            {PageId::Applic, "TextExplication", {}},
            {PageId::Applic, "TextCalculs", {}},
        };
        const auto &table = text::courseTextTable();
        QCOMPARE(table.size(), expected.size());
        for (int i = 0; i < table.size(); ++i) {
            QCOMPARE(table[i].page, expected[i].page);
            QCOMPARE(table[i].box, QLatin1StringView(expected[i].box));
            QCOMPARE(table[i].colour.has_value(), expected[i].colour.isValid());
            if (expected[i].colour.isValid())
                QCOMPARE(*table[i].colour, expected[i].colour);
        }
    }

    void firstRunCreatesEveryCoursePageHidden() {
        CourseDriver driver;
        driver.start();
        QStringList created;
        driver.course().debut().Messages();
        for (const PageId id : shell::CreationOrder) {
            QVERIFY2(driver.course().exists(id), qPrintable(shell::formName(id)));
            QVERIFY(!driver.existing(id)->isVisible());
        }
        QCOMPARE(driver.visiblePages(), QStringList{QStringLiteral("Debut")});
        for (const auto &entry : text::courseTextTable()) {
            tk::TextBox *b = box(driver, entry.page, entry.box);
            QVERIFY2(b, qPrintable(entry.box));
            QCOMPARE(b->text(), entry.text);
            QCOMPARE(b->foreground(), entry.colour.value_or(QColor(0, 0, 0)));
        }
    }

    void runningTwiceChangesNothing() {
        CourseDriver driver;
        driver.startCourse();
        QList<QPair<QString, QColor>> first;
        for (const auto &entry : text::courseTextTable()) {
            tk::TextBox *b = box(driver, entry.page, entry.box);
            first.append({b->text(), b->foreground()});
        }
        driver.course().debut().Messages();
        int i = 0;
        for (const auto &entry : text::courseTextTable()) {
            tk::TextBox *b = box(driver, entry.page, entry.box);
            QCOMPARE(b->text(), first[i].first);
            QCOMPARE(b->foreground(), first[i].second);
            ++i;
        }
    }

    void typedTextIsRestoredByTheLoader() {
        CourseDriver driver;
        driver.startCourse();
        tk::TextBox *explanation = box(driver, PageId::Applic, QStringLiteral("TextExplication"));
        const QString original = explanation->text();
        QTest::keyClicks(explanation->editor(), QStringLiteral("xyz"));
        QVERIFY(explanation->text() != original);
        driver.course().debut().Messages();
        QCOMPARE(explanation->text(), original);
    }

    void exactFragments_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("fragment");
        const auto row = [](const char *tag, PageId page, const char *box,
                            const QString &fragment) {
            QTest::newRow(tag) << shell::number(page) << QString::fromUtf8(box) << fragment;
        };
        const QString x = QStringLiteral("\u00D7");
        row("product example", PageId::Produit, "TextExemple",
            u"le produit   E " + x + u" t = 100 V.µs   peut");
        row("symbol blanks", PageId::Vide, "TextVide", QStringLiteral("le courant  i1  croît"));
        row("no-load formula", PageId::Vide, "TextVide",
            u" v1 = E = L " + x + u" di1/dt    =>    i1 = ( E / L ) " + x +
                u" t    =>    le courant  i1  croît linéairement.\r\n");
        row("no-load end", PageId::Vide, "TextVide", u"v2 = ( n2/n1 ) " + x + u" E \r\n");
        row("current law", PageId::Produit, "TextProduit",
            u"régi par l'équation: i = ( E " + x + u" t ) / L \r\n");
        row("diode", PageId::Demag, "TextDemag(2)",
            u"\r\nL " + x + u" di1/dt = Vd   =>   i1 = I - Vd " + x + u" (t - tI) / L \r\n");
        row("zener", PageId::Demag, "TextDemag(3)",
            u"i1 = I - (Vd + Vz) " + x + u" (t - t I) / L ");
        row("energy", PageId::Demag, "TextDemag(1)", u"W = 1/2 " + x + u" L " + x + u" I ² .");
        row("symbols line", PageId::Fonction, "TextFonction",
            QStringLiteral(
                "\r\n          Thyristors,               Triacs,               Transistors."));
        row("tab items", PageId::Fonction, "TextAvantages",
            QStringLiteral("\r\n\t- simplicité de mise en oeuvre."));
        row("duty cycle", PageId::RappCyc, "TextRappCyc",
            QStringLiteral("que le terme  Vd+Vz  soit supérieur à  E ."));
        row("choice", PageId::PasSat, "TextPasSaturer", u"dont le produit  E " + x + u" t\r\n");
        row("load", PageId::ChargeTi, "TextCharge(0)",
            u"Lorsque  K  est fermé:  i1 = i0 + m " + x + u" i2 \r\n");
        row("zener choice", PageId::ChargeTi, "TextCharge(1)", u"\r\nVz = 2 " + x + u" E \r\n");
        row("pulse duration", PageId::Applic, "TextCalculs",
            u"La durée d'une impulsion est:  1 / (2 " + x + u" 25000) = 20µs .  ");
        row("E x t", PageId::Applic, "TextCalculs", u"15 " + x + u" 20 = 300 V.µs .\r\n");
        row("IT249", PageId::Applic, "TextCalculs",
            QStringLiteral("m=1/2,  E\u00D7t=330V.µs,  L=17mH ,  Ig(max)=250mA ."));
        row("end title", PageId::FinProg, "TextFin",
            QStringLiteral("TRANSFORMATEUR  D'IMPULSIONS V2.0\r\n"));
    }

    void exactFragments() {
        QFETCH(int, page);
        QFETCH(QString, box);
        QFETCH(QString, fragment);
        CourseDriver driver;
        driver.startCourse();
        const QString text = textOf(driver, shell::pageAt(page), box.toUtf8().constData());
        QVERIFY2(text.contains(fragment),
                 qPrintable(u"missing «" + fragment + u"» in «" + text + u"»"));
    }

    void lineStructure() {
        CourseDriver driver;
        driver.startCourse();
        const QString charge = textOf(driver, PageId::ChargeTi, "TextCharge(0)");
        QVERIFY(charge.endsWith(QStringLiteral("K  ouvert:  i1 = i0 \r\n\r\n")));
        QCOMPARE(charge.split(QStringLiteral("\r\n")).size(), 13);
        const QString calculs = textOf(driver, PageId::Applic, "TextCalculs");
        QVERIFY(!calculs.endsWith(QStringLiteral("\r\n")));
        const QStringList lines = calculs.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 29);
        for (const int empty : {4, 9, 12, 17, 21, 26})
            QVERIFY2(lines[empty - 1].isEmpty(), qPrintable(QString::number(empty)));
        QCOMPARE(
            textOf(driver, PageId::Fonction, "TextFonction").split(QStringLiteral("\r\n")).size(),
            4);
        QCOMPARE(textOf(driver, PageId::Vide, "TextVide").split(QStringLiteral("\r\n")).size(), 4);
        QCOMPARE(textOf(driver, PageId::FinProg, "TextFin").split(QStringLiteral("\r\n")).size(),
                 8);
        QCOMPARE(
            textOf(driver, PageId::RappCyc, "TextRappCyc").split(QStringLiteral("\r\n")).size(), 6);
        QVERIFY(textOf(driver, PageId::PasSat, "TextPasSaturer").endsWith(QStringLiteral(" !")));
        // No text uses a bare line feed or carriage return.
        for (const auto &entry : text::courseTextTable()) {
            QString stripped = entry.text;
            stripped.remove(QStringLiteral("\r\n"));
            QVERIFY2(!stripped.contains(QLatin1Char('\n')) && !stripped.contains(QLatin1Char('\r')),
                     qPrintable(entry.box));
        }
    }

    void everyTextShowsWholeInItsBox() {
        CourseDriver driver;
        driver.startCourse();
        QStringList cut;
        for (int n = 0; n < shell::PageCount; ++n) {
            const PageId id = shell::pageAt(n);
            tk::PageWindow &page = driver.course().page(id);
            for (tk::TextBox *b : page.findChildren<tk::TextBox *>()) {
                if (!b->showsWholeText())
                    cut << QStringLiteral("%1.%2 (%3 x %4 in %5 x %6)")
                               .arg(shell::formName(id), b->objectName())
                               .arg(b->textExtent().width())
                               .arg(b->textExtent().height())
                               .arg(b->width())
                               .arg(b->height());
            }
            if (id == PageId::Debut)
                driver.course().debut().Timer1->setEnabled(false);
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u", ")));
    }

    // The end text is eight lines: none of them wraps in its box.
    void theEndTextIsEightLines() {
        CourseDriver driver;
        driver.walkTo(PageId::FinProg);
        auto *text = driver.control<tk::TextBox>(PageId::FinProg, "TextFin");
        QCOMPARE(text->text().count(QStringLiteral("\r\n")) + 1, 8);
        QCOMPARE(text->lineCount(), 8);
    }
};

QTEST_MAIN(CourseTextTest)
#include "tst_coursetext.moc"
