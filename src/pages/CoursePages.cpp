#include "pages/CoursePages.h"

#include "shell/Course.h"
#include "shell/PageTable.h"

// The factories of the pages, each defined in its page's file.
#define COURSE_PAGE_FACTORY_DECLARATION(layer, name, title, motion)                                \
    namespace layer {                                                                              \
    tk::PageWindow *create##name(shell::Course &course);                                           \
    }
COURSE_PAGES(COURSE_PAGE_FACTORY_DECLARATION)
#undef COURSE_PAGE_FACTORY_DECLARATION

namespace pages {

void installPages(shell::Course &course) {
#define COURSE_PAGE_INSTALL(layer, name, title, motion)                                            \
    course.setFactory(shell::PageId::name, &layer::create##name);
    COURSE_PAGES(COURSE_PAGE_INSTALL)
#undef COURSE_PAGE_INSTALL
}

} // namespace pages
