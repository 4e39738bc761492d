#include "gallery/Gallery.h"

#include "app/CourseSetup.h"
#include "app/CourseWalk.h"
#include "shell/Course.h"
#include "shell/CoursePage.h"
#include "shell/Debut.h"

#include <QDir>
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
            app::walk::make(move);
            if (!move.state.isEmpty())
                shoot(prefix + u'-' + move.state, course);
        }
        if (page.Suivant)
            page.Suivant->press();
    }
}

} // namespace

QStringList stateNames() {
    QStringList names;
    visit([&names](const QString &name, shell::Course &) { names << name; });
    return names;
}

QStringList writeAll(const QString &outputDir) {
    QDir().mkpath(outputDir);
    QStringList written;
    visit([&](const QString &name, shell::Course &course) {
        tk::PageWindow *page = app::walk::visiblePage(course);
        const QString file = QDir(outputDir).filePath(name + u".png");
        if (page && page->grab().save(file))
            written << file;
    });
    return written;
}

} // namespace gallery
