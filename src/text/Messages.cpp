#include "text/CourseText.h"

#include "shell/Course.h"
#include "toolkit/PageWindow.h"
#include "toolkit/TextBox.h"

namespace text {

void Messages(shell::Course &course) {
    for (const TextEntry &entry : courseTextTable()) {
        auto *box = course.page(entry.page).findChild<tk::TextBox *>(entry.box);
        Q_ASSERT_X(box, "Messages", qPrintable(entry.box));
        if (!box)
            continue;
        if (entry.colour)
            box->setForeground(*entry.colour);
        box->setText(entry.text);
    }
}

} // namespace text
