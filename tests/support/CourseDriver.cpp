#include "CourseDriver.h"

#include "CourseSetup.h"
#include "CourseWalk.h"
#include "Debut.h"

#include "Button.h"
#include "Timer.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

using shell::PageId;

namespace {

struct Arrival {
    PageId page;
    QStringList shown;
    QStringList hidden;
    QString focus; ///< control focused on arrival, "" for none given
};

// What every page shows on arrival, forward or backward.
const QList<Arrival> &arrivals() {
    static const QList<Arrival> table{
        {PageId::Fonction, {"TextFonction", "Suite"}, {"TextAvantages", "FrameBoutons"}, "Suite"},
        {PageId::Convent, {"Suivant", "Precedent", "Quitter"}, {}, "Suivant"},
        {PageId::Aimant, {"TextModel", "Suite"}, {"TextSaturation", "FrameBoutons"}, "Suite"},
        {PageId::Vide, {"Picture1", "TextVide"}, {"FrameBoutons", "Suite", "TextSaturation"}, ""},
        {PageId::Produit,
         {"TextProduit", "Suite1"},
         {"Suite2", "TextExemple", "ImageProduit1", "ImageProduit2", "Text10V", "Text5V",
          "FrameBoutons"},
         "Suite1"},
        {PageId::PasSat, {"Suivant", "TextPasSaturer"}, {}, "Suivant"},
        {PageId::Demag,
         {"ImageDiodeKo", "BPKf"},
         {"ImageDiodeKf", "ImageDiodeKfo", "ImageZenKo", "ImageZenKf", "ImageZenKfo", "BPKo",
          "TextDemag(0)", "TextDemag(1)", "TextDemag(2)", "TextDemag(3)", "TextI(0)", "TextI(1)",
          "FrameBoutons", "Suite"},
         "BPKf"},
        {PageId::Incomp,
         {"Suite", "ImageZenKo", "TextIncomp(0)"},
         {"FrameBoutons", "TextIncomp(1)", "ImageZenKf", "ImageZenKfo"},
         "Suite"},
        {PageId::RappCyc, {"Suivant", "TextRappCyc"}, {}, "Suivant"},
        {PageId::ChargeTi,
         {"BPCourbes", "TextCharge(0)"},
         {"FrameBoutons", "TextCharge(1)", "ImageCourbes"},
         "BPCourbes"},
        {PageId::Applic,
         {"ImageImpulsions", "Frame", "BPLoupe", "FrameBoutons"},
         {"BPCalculs", "BPCourbes", "TextCalculs", "ImageGraphe", "ImageTrain"},
         "Suivant"},
        {PageId::Variat, {"Suivant", "TextVariateur"}, {}, "Suivant"},
        {PageId::FinProg, {"Recommencer", "Precedent", "Quitter", "TextFin"}, {}, "Quitter"},
    };
    return table;
}

} // namespace

QStringList arrivalProblems(CourseDriver &driver, PageId id) {
    const Arrival &expected = arrivals().at(shell::number(id) - 1);
    QStringList problems;
    tk::PageWindow *page = driver.existing(id);
    if (!page || !page->isVisible())
        return {shell::formName(id) + QStringLiteral(" not shown")};
    for (const QString &name : expected.shown) {
        QWidget *w = page->findChild<QWidget *>(name);
        if (!w || !w->isVisible())
            problems << name + QStringLiteral(" hidden");
    }
    for (const QString &name : expected.hidden) {
        QWidget *w = page->findChild<QWidget *>(name);
        if (!w || w->isVisible())
            problems << name + QStringLiteral(" shown");
    }
    if (focusName(page) != expected.focus)
        problems
            << QStringLiteral("focus on «%1» instead of «%2»").arg(focusName(page), expected.focus);
    return problems;
}

void verifyArrival(CourseDriver &driver, PageId id) {
    QCOMPARE(driver.visiblePages(), QStringList{shell::formName(id)});
    const QStringList problems = arrivalProblems(driver, id);
    QVERIFY2(problems.isEmpty(), qPrintable(shell::formName(id) + u": " + problems.join(u", ")));
}

CourseDriver::CourseDriver() : m_course(std::make_unique<shell::Course>()) {
    static bool configured = false;
    if (!configured) {
        app::configureApplication();
        configured = true;
    }
    app::assemble(*m_course);
}

CourseDriver::~CourseDriver() {
    m_course.reset();
    flushDeletes();
}

void CourseDriver::start() {
    m_course->start();
}

void CourseDriver::startCourse() {
    start();
    QVERIFY(m_course->debut().Timer1->fire());
}

QStringList CourseDriver::visiblePages() const {
    QStringList names;
    for (int i = 0; i < shell::PageCount; ++i) {
        const tk::PageWindow *page = m_course->existing(shell::pageAt(i));
        if (page && page->isVisible())
            names << page->objectName();
    }
    return names;
}

tk::PageWindow *CourseDriver::visiblePage() const {
    return app::walk::visiblePage(*m_course);
}

void CourseDriver::click(tk::Button *button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

void CourseDriver::key(Qt::Key key, bool autoRepeat) {
    tk::PageWindow *page = visiblePage();
    QVERIFY2(page, "no single page is shown");
    QWidget *target =
        page->focusWidget() && page->focusWidget()->isVisible() ? page->focusWidget() : page;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(target, &press);
    if (!autoRepeat) {
        QPointer<QWidget> alive = target;
        if (alive) {
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
            QApplication::sendEvent(alive, &release);
        }
    }
}

int CourseDriver::fireUntilStopped(tk::Timer *timer, int limit) {
    return app::walk::fireUntilStopped(timer, limit);
}

int CourseDriver::completeShownPage() {
    return app::walk::completeShownPage(*m_course);
}

void CourseDriver::walkTo(shell::PageId id) {
    startCourse();
    for (int n = 1; n < shell::number(id); ++n) {
        completeShownPage();
        QVERIFY(m_course->coursePage(shell::pageAt(n)).Suivant->press());
    }
    QCOMPARE(visiblePages(), QStringList{shell::formName(id)});
}

void CourseDriver::flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QImage renderPicture(art::Picture picture) {
    QImage image(art::size(picture), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    art::paint(picture, p);
    return image;
}

QString focusName(const tk::PageWindow *page) {
    const QWidget *focus = page ? page->focusWidget() : nullptr;
    return focus && focus->isVisible() ? focus->objectName() : QString();
}
