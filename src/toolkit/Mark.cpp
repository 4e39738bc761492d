#include "toolkit/Mark.h"

#include "toolkit/TextBox.h"

namespace tk {

TextBox *showMark(TextBox *box, QWidget *parent, const QString &name, const Mark &mark) {
    if (mark.words.isEmpty()) {
        if (box)
            box->hide();
        return box;
    }
    if (!box || box->place().left != mark.place.left || box->place().top != mark.place.top) {
        delete box;
        box = new TextBox(parent, name, mark.place,
                          TextStyle{.pixelSize = 11, .italic = true, .multiLine = false});
    }
    box->setText(mark.words);
    box->setForeground(mark.colour);
    box->setAccessibleName(mark.words);
    box->show();
    box->raise();
    return box;
}

} // namespace tk
