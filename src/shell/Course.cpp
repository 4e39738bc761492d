#include "shell/Course.h"
#include "shell/CoursePage.h"
#include "shell/Debut.h"
#include "shell/FinProg.h"

#include "toolkit/HostWindow.h"
#include "toolkit/PageWindow.h"
#include "toolkit/Screen.h"
#include "toolkit/Timer.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace shell {
QPointF centredPosition(QSize screen, QSizeF page) {
    const float left = (float(screen.width()) - float(page.width())) / 2.0f;
    const float top = (float(screen.height()) - float(page.height())) / 2.0f;
    return QPointF(left, top);
}

namespace {

// The course's window, whenever its size changes: the title page and the
// course pages differ, and so do the scales.
// Its caption and its buttons never off the screen: a window larger than
// the screen's free area shows its caption, at the area's top left.
void centreOnScreen(tk::HostWindow &window) {
    const QSizeF outer = window.outerSizeTwips();
    const QPointF centred = centredPosition(tk::screenSizeTwips(), outer);
    const QRectF area = tk::availableAreaTwips();
    const double left = qMax(area.left(), qMin(centred.x(), area.right() - outer.width()));
    const double top = qMax(area.top(), qMin(centred.y(), area.bottom() - outer.height()));
    window.setPositionTwips(left, top);
}

} // namespace

Course::Course() : m_renderer(std::make_shared<art::Renderer>()) {
    tk::HostWindow *window = &m_session.window();
    connect(window, &tk::HostWindow::closeRequested, this, [this] { debut().Quitter(); });
    // Centred by its outer size at each new size; the window manager's frame
    // is known only once the window is on screen, and it is centred again
    // with it. Otherwise it stays where the learner put it.
    connect(window, &tk::HostWindow::resized, window, [window] { centreOnScreen(*window); });
    connect(window, &tk::HostWindow::frameChanged, window, [window] { centreOnScreen(*window); });
}

Course::~Course() {
    // The pages, those whose destruction is still deferred included: none
    // outlives the course (nor what it shares with them).
    for (auto &page : m_pages)
        delete page.data();
    for (const auto &page : std::as_const(m_dying))
        delete page.data();
}

void Course::setFactory(PageId id, Factory factory) {
    m_factories[number(id)] = std::move(factory);
}

void Course::create(PageId id) {
    const Factory &factory = m_factories[number(id)];
    if (!factory)
        qFatal("Course: no factory for the page %s", qPrintable(formName(id)));
    tk::PageWindow *page = factory(*this);
    page->setObjectName(formName(id));
    m_pages[number(id)] = page;
    m_ended = false;
}

tk::PageWindow &Course::page(PageId id) {
    if (!m_pages[number(id)])
        create(id);
    return *m_pages[number(id)];
}

CoursePage &Course::coursePage(PageId id) {
    auto *page = qobject_cast<CoursePage *>(&this->page(id));
    if (!page)
        qFatal("Course: %s is not a course page", qPrintable(formName(id)));
    return *page;
}

Debut &Course::debut() {
    return static_cast<Debut &>(page(PageId::Debut));
}

bool Course::exists(PageId id) const {
    return !m_pages[number(id)].isNull();
}

tk::PageWindow *Course::existing(PageId id) const {
    return m_pages[number(id)].data();
}

void Course::goTo(PageId target) {
    tk::PageWindow *shown = shownPage();
    if (!shown || shown == existing(PageId::Debut) || !exists(PageId::Fonction)) {
        debut().handOver(target); // from the title page: the hand-over, at that page
        return;
    }
    auto *from = qobject_cast<CoursePage *>(shown);
    if (target == PageId::Debut || !from)
        return;
    CoursePage &to = coursePage(target);
    // Left at any moment, an animation included: its timers stop with the
    // leaving reset (the buttons let a learner leave only once it has ended).
    const auto reset = [from] {
        from->leave();
        for (tk::Timer *timer : from->findChildren<tk::Timer *>())
            timer->setEnabled(false);
    };
    if (&to == from) {
        // The page again, from its arrival.
        reset();
        from->enter();
        return;
    }
    // As a forward move: the page entered, then this one hidden and reset.
    to.enter();
    from->hidePage();
    reset();
}

tk::PageWindow *Course::shownPage() const {
    for (const QPointer<tk::PageWindow> &page : m_pages)
        if (page && page->isVisible())
            return page.data();
    return nullptr;
}

bool Course::isOnScreen() {
    const QWindow *window = m_session.window().windowHandle();
    return shownPage() && window && window->isExposed();
}

void Course::destroy(PageId id) {
    QPointer<tk::PageWindow> page = m_pages[number(id)];
    if (!page)
        return;
    m_pages[number(id)] = nullptr;
    // Its timers stop now; the window itself goes once the running handler returns.
    for (tk::Timer *timer : page->findChildren<tk::Timer *>())
        timer->setEnabled(false);
    page->hidePage();
    page->deleteLater();
    m_dying << page;
    const bool anyLeft =
        std::any_of(m_pages.begin(), m_pages.end(), [](const auto &p) { return !p.isNull(); });
    if (!anyLeft) {
        m_ended = true;
        emit finished();
    }
}

void Course::loadTexts() {
    if (m_textLoader)
        m_textLoader(*this);
}

tk::Drawing Course::picture(art::Picture picture) const {
    std::shared_ptr<art::Renderer> renderer = m_renderer;
    return {art::size(picture), [picture](QPainter &p) { art::paint(picture, p); },
            [renderer, picture](qreal ratio) { return renderer->pixmap(picture, ratio); },
            art::title(picture), art::description(picture)};
}

void Course::start(PageId first) {
    if (first != PageId::Debut) {
        // Straight to a page: the course is entered as the title page
        // enters it, at that page, the title page never shown.
        debut().handOver(first);
        return;
    }
    // The title page's pictures are drawn while its windows are built.
    const QScreen *screen = QGuiApplication::primaryScreen();
    m_renderer->prerender({art::Picture::Photo, art::Picture::Emblem},
                          screen ? screen->devicePixelRatio() : 1.0);
    Debut &title = debut();
    title.showPage();
}

} // namespace shell
