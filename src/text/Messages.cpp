#include "text/CourseText.h"

#include "shell/Course.h"
#include "toolkit/PageWindow.h"
#include "toolkit/TextBox.h"

namespace text {

void Messages(shell::Course &course) {
    for (const TextEntry &entry : courseTextTable()) {
        auto *box = course.page(entry.page).findChild<tk::TextBox *>(entry.box);
        // The text table and the pages are the course's own data: a text
        // without its box is a fault of the program, in every build.
        if (!box)
            qFatal("Messages: no text box %s on the page %s", qPrintable(entry.box),
                   qPrintable(shell::formName(entry.page)));
        if (entry.colour)
            box->setForeground(*entry.colour);
        box->setText(entry.text);
    }
}

} // namespace text
