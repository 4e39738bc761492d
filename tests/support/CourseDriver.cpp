#include "support/CourseDriver.h"

#include "support/Arrivals.h"

#include "app/CourseSetup.h"
#include "shell/Debut.h"
#include "walk/CourseWalk.h"

#include "toolkit/Button.h"
#include "toolkit/Timer.h"

#include "toolkit/ImageBox.h"
#include "toolkit/PlotSurface.h"
#include "toolkit/TextBox.h"

#include <QApplication>
#include <QPainter>
#include <QRegion>
#include <QTest>
#include <QWindow>

using shell::PageId;
using namespace Qt::StringLiterals;

Q_GUI_EXPORT void qt_handleMouseEvent(QWindow *window, const QPointF &local, const QPointF &global,
                                      Qt::MouseButtons state, Qt::MouseButton button,
                                      QEvent::Type type, Qt::KeyboardModifiers mods, int timestamp);

QStringList arrivalProblems(CourseDriver &driver, PageId id) {
    tk::PageWindow *page = driver.existing(id);
    if (!page || !page->isVisible())
        return {shell::formName(id) + u" not shown"_s};
    const Arrival &expected = arrivalOf(id);
    QStringList problems;
    for (const char *name : expected.shown) {
        const QWidget *w = page->findChild<QWidget *>(QLatin1StringView(name));
        if (!w)
            problems << QLatin1StringView(name) + u" missing"_s;
        else if (!w->isVisible())
            problems << QLatin1StringView(name) + u" hidden"_s;
    }
    for (const char *name : expected.hidden) {
        const QWidget *w = page->findChild<QWidget *>(QLatin1StringView(name));
        if (!w)
            problems << QLatin1StringView(name) + u" missing"_s;
        else if (w->isVisible())
            problems << QLatin1StringView(name) + u" shown"_s;
    }
    const QString focus = QLatin1StringView(expected.focus);
    if (focusName(page) != focus)
        problems << u"focus on «%1» instead of «%2»"_s.arg(focusName(page), focus);
    return problems;
}

namespace {

bool isControl(const QWidget *w) {
    return qobject_cast<const tk::Button *>(w) || qobject_cast<const tk::TextBox *>(w) ||
           qobject_cast<const tk::ImageBox *>(w) || qobject_cast<const tk::PlotSurface *>(w);
}

// What a widget paints over whatever lies behind it, in page coordinates:
// a control its whole box, a frame only its visible controls.
QRegion opaqueRegion(const QWidget *w, const QWidget *page) {
    if (!w->isVisible())
        return {};
    if (isControl(w))
        return QRegion(QRect(w->mapTo(page, QPoint(0, 0)), w->size()));
    QRegion region;
    for (const QObject *child : w->children())
        if (child->isWidgetType())
            region += opaqueRegion(static_cast<const QWidget *>(child), page);
    return region & QRect(w->mapTo(page, QPoint(0, 0)), w->size());
}

// The places where a page lays one element over another on purpose.
bool mayCover(const QWidget *page, const QString &covered, const QString &cover) {
    const QString form = page->objectName();
    if (form == QLatin1String("Produit"))
        return covered == QLatin1String("ImageProduit1") && cover == QLatin1String("ImageProduit2");
    if (form == QLatin1String("Demag"))
        // The label tI over the plot's lower edge; the switch buttons just
        // right of and below K, over the circuit's lower edge.
        return (covered == QLatin1String("Picture1") && cover == QLatin1String("TextI(1)")) ||
               (covered.startsWith(QLatin1String("Image")) &&
                cover.startsWith(QLatin1String("BPK")));
    if (form == QLatin1String("Incomp"))
        return covered == QLatin1String("ClientArea") ||
               (covered.startsWith(QLatin1String("ImageZen")) &&
                cover.startsWith(QLatin1String("ImageZen")));
    return false;
}

} // namespace

bool looksFocused(const QImage &b) {
    const QColor black(0, 0, 0);
    const qreal r = b.devicePixelRatio();
    const int inset = int(3 * r);
    int dots = 0;
    for (int x = int(8 * r); x < b.width() - int(8 * r); ++x) {
        bool dot = false;
        for (int y = inset; y < inset + int(3 * r); ++y)
            dot = dot || b.pixelColor(x, y) == black;
        dots += dot;
    }
    const bool border = b.pixelColor(0, 0) == black && b.pixelColor(b.width() - 1, 0) == black &&
                        b.pixelColor(0, b.height() - 1) == black;
    return border && dots > (b.width() - int(16 * r)) / 3;
}

QList<qreal> nameOffsets(tk::PageWindow &fonction) {
    auto *text = fonction.findChild<tk::TextBox *>(QStringLiteral("TextFonction"));
    QList<qreal> offsets;
    const QList<std::pair<const char *, const char *>> names{
        {"Thyristors,", "Image1"}, {"Triacs,", "Image2"}, {"Transistors.", "Image3"}};
    for (const auto &[name, image] : names) {
        const QRectF word = text->fragmentRect(QLatin1StringView(name));
        const qreal centre = text->mapTo(&fonction, QPoint(0, 0)).x() + word.center().x();
        const QWidget *symbol = fonction.findChild<QWidget *>(QLatin1StringView(image));
        const qreal symbolCentre = symbol->x() + symbol->width() / 2.0;
        offsets << centre - symbolCentre;
    }
    return offsets;
}

QStringList stackingProblems(const QWidget *page) {
    QStringList problems;
    for (const QWidget *control : page->findChildren<QWidget *>()) {
        if (!control->isVisible() || !isControl(control))
            continue;
        const QRect box(control->mapTo(page, QPoint(0, 0)), control->size());
        if (qobject_cast<const tk::Button *>(control)) {
            const QPoint centre = box.center();
            const QWidget *hit = page->childAt(centre);
            if (hit != control && !control->isAncestorOf(hit))
                problems << QStringLiteral("%1 cannot be pressed: %2 is over its centre")
                                .arg(control->objectName(),
                                     hit ? hit->objectName() : QStringLiteral("nothing"));
            continue;
        }
        // Whatever lies in front of the control or of one of its frames.
        for (const QWidget *w = control; w != page; w = w->parentWidget()) {
            const QObjectList &siblings = w->parentWidget()->children();
            for (qsizetype i = siblings.indexOf(const_cast<QWidget *>(w)) + 1; i < siblings.size();
                 ++i) {
                if (!siblings[i]->isWidgetType())
                    continue;
                const auto *front = static_cast<const QWidget *>(siblings[i]);
                const QRegion over = opaqueRegion(front, page) & box;
                if (over.isEmpty())
                    continue;
                QList<const QWidget *> covers{front};
                for (const QWidget *child : front->findChildren<QWidget *>())
                    covers << child;
                for (const QWidget *cover : covers) {
                    if (!isControl(cover) || (opaqueRegion(cover, page) & box).isEmpty())
                        continue;
                    if (!mayCover(page, control->objectName(), cover->objectName()))
                        problems << QStringLiteral("%1 is covered by %2")
                                        .arg(control->objectName(), cover->objectName());
                }
            }
        }
    }
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
    return coursewalk::visiblePage(*m_course);
}

ulong CourseDriver::nextEventTime(ulong step) {
    static ulong time = 1000;
    time += step;
    return time;
}

void CourseDriver::clickAt(QWidget *page, QPoint at, int count) {
    if (!page || !page->isVisible() || !page->window()->windowHandle())
        return; // not on screen: nothing to click
    // Where the point is in the window that shows the page.
    at = page->mapTo(page->window(), at);
    QPointer<QWidget> top = page->window();
    const auto send = [&](QEvent::Type type, ulong time) {
        QWindow *window = top ? top->windowHandle() : nullptr;
        if (!window)
            return; // the window went away under the pointer
        const Qt::MouseButtons state =
            type == QEvent::MouseButtonPress ? Qt::MouseButtons(Qt::LeftButton) : Qt::NoButton;
        qt_handleMouseEvent(window, at, window->mapToGlobal(at), state, Qt::LeftButton, type,
                            Qt::NoModifier, int(time));
    };
    // Far enough from the last click not to make a double click with it.
    ulong time = nextEventTime(1000);
    for (int click = 0; click < count; ++click) {
        send(QEvent::MouseButtonPress, time);
        send(QEvent::MouseButtonRelease, time + 60);
        time = nextEventTime(120); // the second click within the double-click interval
    }
}

void CourseDriver::click(tk::Button *button) {
    QWidget *page = button->window();
    clickAt(page, button->mapTo(page, button->rect().center()));
}

void CourseDriver::doubleClick(tk::Button *button) {
    clicks(button, 2);
}

void CourseDriver::clicks(tk::Button *button, int count) {
    QWidget *page = button->window();
    clickAt(page, button->mapTo(page, button->rect().center()), count);
}

bool CourseDriver::keyEvent(QEvent::Type type, Qt::Key key, ulong time, bool autoRepeat) {
    // To the window with the keyboard focus, as the window system does; it
    // hands the key on to its focused control.
    QWindow *window = QGuiApplication::focusWindow();
    tk::PageWindow *page = visiblePage();
    if (page && (!window || window != page->window()->windowHandle()))
        window = page->window()->windowHandle();
    if (!window)
        return false; // the program has ended, or no page is shown
    const QString text = key == Qt::Key_Space                            ? QStringLiteral(" ")
                         : key == Qt::Key_Return || key == Qt::Key_Enter ? QStringLiteral("\r")
                         : key == Qt::Key_Escape                         ? QString(QChar(0x1b))
                         : key == Qt::Key_Tab                            ? QStringLiteral("\t")
                         : key >= Qt::Key_A && key <= Qt::Key_Z
                             ? QString(QChar(u'a' + (key - Qt::Key_A)))
                             : QString();
    QKeyEvent event(type, key, Qt::NoModifier, text, autoRepeat);
    event.setTimestamp(time);
    QApplication::sendEvent(window, &event);
    return true;
}

void CourseDriver::key(Qt::Key key, bool autoRepeat) {
    const ulong time = nextEventTime();
    QVERIFY2(keyEvent(QEvent::KeyPress, key, time, autoRepeat), "no window has the keyboard focus");
    if (!autoRepeat)
        keyEvent(QEvent::KeyRelease, key, time + 40);
}

int CourseDriver::fireUntilStopped(tk::Timer *timer, int limit) {
    return coursewalk::fireUntilStopped(timer, limit);
}

bool CourseDriver::clickAndSee(tk::Button *button) {
    bool pressed = false;
    QPointer<tk::Button> alive = button;
    const auto seen =
        QObject::connect(button, &tk::Button::activated, [&pressed] { pressed = true; });
    click(button);
    if (alive)
        QObject::disconnect(seen);
    return pressed;
}

int CourseDriver::completeShownPage() {
    // A learner clicks the buttons that are there, not the places of hidden ones.
    return coursewalk::completeShownPage(
        *m_course, [](tk::Button *button) { return button->isVisible() && clickAndSee(button); });
}

void CourseDriver::visitEveryPage(const Look &look) {
    if (!visiblePage())
        startCourse();
    for (int n = 1; n < shell::PageCount; ++n) {
        const shell::PageId id = shell::pageAt(n);
        m_course->goTo(id);
        QCoreApplication::processEvents();
        look({id});
        if (QTest::currentTestFailed())
            return;
        const int pressed = completeShownPage();
        QCoreApplication::processEvents();
        look({id, true, pressed});
        if (QTest::currentTestFailed())
            return;
    }
}

void CourseDriver::walkTo(shell::PageId id, const Look &look) {
    const auto seen = [&](const Stop &stop) {
        if (look)
            look(stop);
        return !QTest::currentTestFailed();
    };
    auto *shown = qobject_cast<shell::CoursePage *>(visiblePage());
    if (!shown) {
        if (!visiblePage())
            start();
        QVERIFY2(m_course->debut().Timer1->fire(), "the title page gives way to no page");
        shown = qobject_cast<shell::CoursePage *>(visiblePage());
        QVERIFY2(shown, "no course page after the title page");
        if (!seen({shown->id()}))
            return;
    }
    QVERIFY2(shell::number(shown->id()) <= shell::number(id),
             qPrintable(u"walking back from "_s + shell::formName(shown->id())));
    for (int n = shell::number(shown->id()); n < shell::number(id); ++n) {
        const PageId at = shell::pageAt(n);
        const int pressed = completeShownPage();
        if (!seen({at, true, pressed}))
            return;
        QVERIFY2(clickAndSee(m_course->coursePage(at).Suivant),
                 qPrintable(shell::formName(at) + u": \"Page suivante\" cannot be clicked"_s));
        if (!seen({shell::pageAt(n + 1)}))
            return;
    }
    QCOMPARE(visiblePages(), QStringList{shell::formName(id)});
}

void CourseDriver::walkThrough(const Look &look) {
    const PageId end = shell::pageAt(shell::PageCount - 1);
    walkTo(end, look);
    if (QTest::currentTestFailed())
        return;
    const int pressed = completeShownPage();
    if (look)
        look({end, true, pressed});
}

void CourseDriver::missingControl(PageId id, const QString &name, std::source_location where) {
    const QString message = shell::formName(id) + u" has no control «"_s + name + u"»"_s;
    QTest::qFail(qPrintable(message), where.file_name(), int(where.line()));
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

QString announced(const tk::PageWindow &page) {
    QCoreApplication::sendPostedEvents();
    return page.lastAnnouncement();
}

QString focusName(const tk::PageWindow *page) {
    // (the page itself holds the focus where no control can)
    const QWidget *focus = page ? page->focusWidget() : nullptr;
    return focus && focus != page && focus->isVisible() ? focus->objectName() : QString();
}
