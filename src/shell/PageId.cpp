#include "shell/PageId.h"

#include <QCoreApplication>

namespace shell {
namespace {

constexpr std::array Titles{
#define COURSE_PAGE_TITLE(layer, name, title, motion) std::string_view(title),
    COURSE_PAGES(COURSE_PAGE_TITLE)
#undef COURSE_PAGE_TITLE
};

} // namespace

QString formName(PageId id) {
    const std::string_view name = FormNames[std::size_t(number(id))];
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

QString pageTitle(PageId id) {
    // The table's literals end with their NUL, as translate() needs.
    return QCoreApplication::translate("shell::PageTitle", Titles[std::size_t(number(id))].data());
}

} // namespace shell
