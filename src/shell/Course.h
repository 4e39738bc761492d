#pragma once

#include "shell/PageId.h"

#include "art/Art.h"
#include "toolkit/Drawing.h"
#include "toolkit/Session.h"

#include <QHash>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QSizeF>
#include <functional>
#include <memory>

namespace tk {
class PageWindow;
}

namespace shell {

class CoursePage;
class Debut;

/// \brief The centring rule: the outer top-left corner, in twips, that centres
/// a page of outer size \a page on a screen of size \a screen. Computed in
/// single precision, not rounded to whole twips, not clamped (a page larger
/// than the screen gets a negative left or top).
QPointF centredPosition(QSize screen, QSizeF page);

/// \brief The page registry: every page is created on first use (hidden),
/// then only shown and hidden in the course's one window, until the end of
/// the program destroys them all. The window is centred on the screen
/// whenever its size changes.
///
/// Destroying a page is deferred until the handler that asked for it has
/// returned. When the last page is gone, finished() tells that the program ends.
class Course final : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<tk::PageWindow *(Course &)>;
    using TextLoader = std::function<void(Course &)>;

    Course();
    ~Course() override;

    /// \brief Tells the registry how to build a page.
    void setFactory(PageId id, Factory factory);
    /// \brief The routine that writes every course text into the pages.
    void setTextLoader(TextLoader loader) { m_textLoader = std::move(loader); }

    /// \brief The page, created (hidden) if it does not exist yet.
    tk::PageWindow &page(PageId id);
    /// \brief A course page (every page but the title page).
    CoursePage &coursePage(PageId id);
    /// \brief The title page, created hidden if it does not exist.
    Debut &debut();

    template <class T> T &page() { return static_cast<T &>(page(T::Id)); }

    bool exists(PageId id) const;
    /// \brief The page if it exists, else null.
    tk::PageWindow *existing(PageId id) const;
    /// The page on screen, if one is (one at most is, at any moment).
    tk::PageWindow *shownPage() const;
    /// \brief Whether a page is on screen: shown, in a window that the
    /// desktop has mapped and exposed.
    bool isOnScreen();
    /// \brief Destroys the page (deferred); the program ends when no page is left.
    void destroy(PageId id);

    /// \brief Writes the course texts into the pages (the title page's Messages).
    void loadTexts();

    /// \brief Start-up: creates and shows the title page.
    void start(PageId first = PageId::Debut);
    /// \brief Leaves the page on screen with its leaving reset and enters
    /// \a target as a forward move does (from the title page, through the
    /// hand-over). The page on screen itself is entered again from its arrival.
    void goTo(PageId target);

    /// \brief The toolkit's state for this course (beeps, ticks, window frame).
    tk::Session &session() { return m_session; }

    /// \brief An object that the course owns and that its pages share (made
    /// at the first request, the same for every later one).
    template <class T> T &shared() {
        static const char kind = 0; // one for each type
        std::shared_ptr<void> &slot = m_shared[&kind];
        if (!slot)
            slot = std::make_shared<T>();
        return *static_cast<T *>(slot.get());
    }

    /// \brief A picture of the course as the toolkit shows it, rendered by
    /// the course's renderer (ready-made where the program embeds it or has
    /// started it ahead).
    tk::Drawing picture(art::Picture picture) const;

    /// \brief True once every page has been destroyed.
    bool hasEnded() const { return m_ended; }

signals:
    /// No page is left: the program ends.
    void finished();

private:
    void create(PageId id);

    std::array<Factory, PageCount> m_factories;
    std::array<QPointer<tk::PageWindow>, PageCount> m_pages;
    TextLoader m_textLoader;
    tk::Session m_session;
    QList<QPointer<tk::PageWindow>> m_dying; ///< destroyed, their deletion deferred
    std::shared_ptr<art::Renderer> m_renderer;
    QHash<const void *, std::shared_ptr<void>> m_shared;
    bool m_ended = false;
};

} // namespace shell
