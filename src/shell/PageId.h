#pragma once

#include "shell/PageTable.h"

#include <QString>
#include <algorithm>
#include <array>
#include <string_view>

namespace shell {

/// \brief The fourteen pages, in the order of the course: the title page,
/// then the thirteen course pages (the page table).
enum class PageId {
#define COURSE_PAGE_ID(layer, name, title, motion) name,
    COURSE_PAGES(COURSE_PAGE_ID)
#undef COURSE_PAGE_ID
};

/// \brief The form names, in the order of the course.
inline constexpr std::array FormNames{
#define COURSE_PAGE_NAME(layer, name, title, motion) std::string_view(#name),
    COURSE_PAGES(COURSE_PAGE_NAME)
#undef COURSE_PAGE_NAME
};

inline constexpr int PageCount = int(FormNames.size());

/// \brief Whether a page draws an animation that a teacher may pause.
enum class Motion { Still, Animated };

inline constexpr std::array Motions{
#define COURSE_PAGE_MOTION(layer, name, title, motion) Motion::motion,
    COURSE_PAGES(COURSE_PAGE_MOTION)
#undef COURSE_PAGE_MOTION
};

/// \brief The page's form name ("Fonction", "ChargeTi", ...).
QString formName(PageId id);

/// \brief The title of the page's window, without the template's leading blanks.
QString pageTitle(PageId id);

/// \brief Number of the page in the course (0 for the title page, 13 for the end page).
constexpr int number(PageId id) {
    return int(id);
}
constexpr PageId pageAt(int number) {
    return PageId(number);
}
/// Whether the page draws an animation (Vide, Demag, Incomp).
constexpr bool animates(PageId id) {
    return Motions[std::size_t(number(id))] == Motion::Animated;
}

namespace detail {

template <std::size_t N> constexpr auto alphabetical(std::array<PageId, N> ids) {
    std::sort(ids.begin(), ids.end(),
              [](PageId a, PageId b) { return FormNames[number(a)] < FormNames[number(b)]; });
    return ids;
}

constexpr auto allPages() {
    std::array<PageId, PageCount> ids{};
    for (int i = 0; i < PageCount; ++i)
        ids[std::size_t(i)] = pageAt(i);
    return ids;
}

constexpr auto coursePages() {
    std::array<PageId, PageCount - 1> ids{};
    for (int i = 1; i < PageCount; ++i)
        ids[std::size_t(i - 1)] = pageAt(i);
    return ids;
}

} // namespace detail

/// Course pages in the order in which they are created at start-up (alphabetical).
inline constexpr auto CreationOrder = detail::alphabetical(detail::coursePages());

/// Every page in the order in which the end of the program destroys them (alphabetical).
inline constexpr auto DestructionOrder = detail::alphabetical(detail::allPages());

static_assert(pageAt(0) == PageId::Debut, "the title page comes first");

} // namespace shell
