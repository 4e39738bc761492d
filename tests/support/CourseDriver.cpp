#include "CourseDriver.h"

#include "CourseSetup.h"
#include "Debut.h"

#include "Button.h"
#include "Demag.h"
#include "Incomp.h"
#include "Timer.h"
#include "Vide.h"

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
    tk::PageWindow *shown = nullptr;
    for (int i = 0; i < shell::PageCount; ++i) {
        tk::PageWindow *page = m_course->existing(shell::pageAt(i));
        if (page && page->isVisible()) {
            if (shown)
                return nullptr;
            shown = page;
        }
    }
    return shown;
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
    int ticks = 0;
    while (ticks < limit && timer->fire())
        ++ticks;
    return ticks;
}

int CourseDriver::completeShownPage() {
    auto *page = qobject_cast<shell::CoursePage *>(visiblePage());
    if (!page)
        return 0;
    const auto press = [](QWidget *w) {
        auto *b = qobject_cast<tk::Button *>(w);
        return b && b->press() ? 1 : 0;
    };
    int presses = 0;
    switch (page->id()) {
    case PageId::Fonction:
    case PageId::Aimant:
        presses += press(page->findChild<tk::Button *>(QStringLiteral("Suite")));
        break;
    case PageId::Vide: {
        auto &vide = m_course->page<pages::Vide>();
        fireUntilStopped(vide.Timer2);
        presses += press(vide.Suite);
        break;
    }
    case PageId::Produit:
        presses += press(page->findChild<tk::Button *>(QStringLiteral("Suite1")));
        presses += press(page->findChild<tk::Button *>(QStringLiteral("Suite2")));
        break;
    case PageId::Demag: {
        auto &demag = m_course->page<pages::Demag>();
        for (int run = 0; run < 2; ++run) {
            presses += press(demag.BPKf);
            fireUntilStopped(demag.Timer1);
            presses += press(demag.BPKo);
            fireUntilStopped(demag.Timer2);
            if (run == 0)
                presses += press(demag.Suite);
        }
        break;
    }
    case PageId::Incomp: {
        auto &incomp = m_course->page<pages::Incomp>();
        presses += press(incomp.Suite);
        for (tk::Timer *timer : incomp.Timer)
            fireUntilStopped(timer);
        break;
    }
    case PageId::ChargeTi:
        presses += press(page->findChild<tk::Button *>(QStringLiteral("BPCourbes")));
        break;
    default:
        break;
    }
    return presses;
}

void CourseDriver::flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString focusName(const tk::PageWindow *page) {
    const QWidget *focus = page ? page->focusWidget() : nullptr;
    return focus && focus->isVisible() ? focus->objectName() : QString();
}
