#include "shell/PageId.h"

namespace shell {
namespace {

constexpr std::array Titles{
#define COURSE_PAGE_TITLE(layer, name, title, motion) title,
    COURSE_PAGES(COURSE_PAGE_TITLE)
#undef COURSE_PAGE_TITLE
};

} // namespace

QString formName(PageId id) {
    const std::string_view name = FormNames[std::size_t(number(id))];
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

QString pageTitle(PageId id) {
    return QString::fromUtf8(Titles[std::size_t(number(id))]);
}

} // namespace shell
