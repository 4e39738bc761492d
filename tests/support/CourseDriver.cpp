#include "CourseDriver.h"

#include "CourseSetup.h"
#include "CourseWalk.h"
#include "Debut.h"

#include "Button.h"
#include "Timer.h"

#include <QApplication>
#include <QTest>

using shell::PageId;

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

QString focusName(const tk::PageWindow *page) {
    const QWidget *focus = page ? page->focusWidget() : nullptr;
    return focus && focus->isVisible() ? focus->objectName() : QString();
}
