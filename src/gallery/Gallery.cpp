#include "gallery/Gallery.h"

#include "app/CourseSetup.h"
#include "shell/Course.h"
#include "shell/CoursePage.h"
#include "shell/Debut.h"
#include "toolkit/Button.h"
#include "walk/CourseWalk.h"

#include "fonts/Fonts.h"
#include "palette/Palette.h"
#include "version/Version.h"

#include <QDir>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <functional>

namespace gallery {
namespace {

using shell::PageId;

// Takes a new course through every state that the pages declare: the title
// page, then each page's arrival and the states its walk names, calling
// \a shoot with the state's name while it is shown.
void visit(const std::function<void(const QString &, shell::Course &)> &shoot) {
    app::configureApplication();
    shell::Course course;
    app::assemble(course);
    course.start();
    shoot(QStringLiteral("00-debut"), course);
    course.debut().Timer1->fire();
    for (int n = 1; n < shell::PageCount; ++n) {
        shell::CoursePage &page = course.coursePage(shell::pageAt(n));
        const QString prefix = QStringLiteral("%1-%2")
                                   .arg(n, 2, 10, QLatin1Char('0'))
                                   .arg(shell::formName(page.id()).toLower());
        const bool named = std::any_of(page.walk().begin(), page.walk().end(),
                                       [](const shell::Move &m) { return !m.state.isEmpty(); });
        shoot(named ? prefix + QStringLiteral("-arrivee") : prefix, course);
        for (const shell::Move &move : page.walk()) {
            coursewalk::make(move);
            if (!move.state.isEmpty())
                shoot(prefix + u'-' + move.state, course);
        }
        if (page.Suivant)
            page.Suivant->press();
    }
}

// The heading of a page of the handout: the page's number in the course and
// its caption, or the caption alone for the title page.
QString heading(shell::Course &course, const tk::PageWindow &page) {
    const QString caption = page.windowTitle().trimmed();
    for (int n = 1; n < shell::PageCount; ++n) {
        if (course.existing(shell::pageAt(n)) == &page)
            return QStringLiteral("%1. %2").arg(n).arg(caption);
    }
    return caption;
}

// Prints one page of the handout: its heading at the top of the printable
// area, then the course page below it, as large as fits with its proportions
// kept, centred in the room left.
void printPage(QPainter &painter, const QRectF &area, const QString &title, QWidget &page) {
    QFont font = fonts::font(fonts::Pt18, true);
    font.setPointSizeF(16); // on paper, in points
    fonts::registerFor(font);
    painter.setFont(font);
    painter.setPen(palette::WindowText);
    const qreal line = painter.fontMetrics().height();
    painter.drawText(QRectF(area.topLeft(), QSizeF(area.width(), line)),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title);

    const QRectF room = area.adjusted(0, line * 1.6, 0, 0);
    const qreal scale = std::min(room.width() / page.width(), room.height() / page.height());
    const QSizeF size = QSizeF(page.size()) * scale;
    painter.save();
    painter.translate(room.center() - QPointF(size.width(), size.height()) / 2);
    painter.scale(scale, scale);
    // The navigation buttons mean nothing on paper: the page's grey stands
    // where they are.
    QRegion printed(page.rect());
    if (const auto *coursePage = qobject_cast<const shell::CoursePage *>(&page)) {
        for (const tk::Button *button : coursePage->navigationButtons()) {
            if (!button->isVisible())
                continue;
            const QRect place(button->mapTo(&page, QPoint(0, 0)), button->size());
            painter.fillRect(place, palette::PageGrey);
            printed -= place;
        }
    }
    // The widgets paint themselves into the PDF: texts stay text, and
    // pictures are painted for print (tk::paintsForPrint()).
    page.render(&painter, QPoint(), printed, QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter.restore();
}

} // namespace

std::optional<Request> parseArguments(const QStringList &arguments) {
    const auto isOption = [](const QString &argument) { return argument.startsWith(u'-'); };
    if (arguments.size() == 2 && arguments[0] == u"--pdf" && !isOption(arguments[1]))
        return Request{Request::Output::Handout, arguments[1], {}};
    if (arguments.isEmpty() || isOption(arguments[0]))
        return std::nullopt;
    if (arguments.size() == 1)
        return Request{Request::Output::Pictures, arguments[0], {}};
    if (arguments.size() == 3 && arguments[1] == u"--scale") {
        bool number = false;
        const double scale = arguments[2].toDouble(&number);
        if (number && scale > 0)
            return Request{Request::Output::Pictures, arguments[0], arguments[2]};
    }
    return std::nullopt;
}

QStringList stateNames() {
    QStringList names;
    visit([&names](const QString &name, shell::Course &) { names << name; });
    return names;
}

QStringList writeAll(const QString &outputDir) {
    QDir().mkpath(outputDir);
    QStringList written;
    visit([&](const QString &name, shell::Course &course) {
        tk::PageWindow *page = coursewalk::visiblePage(course);
        const QString file = QDir(outputDir).filePath(name + u".png");
        if (page && page->grab().save(file))
            written << file;
    });
    return written;
}

int writeHandout(const QString &file) {
    QPdfWriter writer(file);
    writer.setTitle(QStringLiteral("Transformateur d'impulsions"));
    writer.setCreator(
        QStringLiteral("Transformateur d'impulsions %1").arg(QLatin1StringView(version::Full)));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(12, 10, 12, 10), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer))
        return 0;
    painter.setRenderHint(QPainter::LosslessImageRendering); // no JPEG
    // The painter's origin is the top-left corner of the printable area.
    const QRectF area(0, 0, writer.width(), writer.height());
    int pages = 0;
    visit([&](const QString &, shell::Course &course) {
        tk::PageWindow *page = coursewalk::visiblePage(course);
        if (!page || (pages > 0 && !writer.newPage()))
            return;
        printPage(painter, area, heading(course, *page), *page);
        ++pages;
    });
    return painter.end() ? pages : 0;
}

} // namespace gallery
