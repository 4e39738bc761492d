#include "CourseSetup.h"

#include "Art.h"
#include "Course.h"
#include "CoursePages.h"
#include "CourseText.h"
#include "Fonts.h"

#include <QApplication>
#include <QScreen>
#include <QStyleFactory>

namespace app {

void assemble(shell::Course &course) {
    pages::installCoursePages(course);
    course.setTextLoader(&text::Messages);
}

void configureApplication() {
    // The same look on every desktop: Qt's own style, the embedded face.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    fonts::registerEmbedded();
    QApplication::setFont(fonts::font(fonts::Pt8_25));
    QApplication::setWindowIcon(art::icon(art::Icon::Bridge));
    QApplication::setQuitOnLastWindowClosed(false);
    // The title page's pictures are drawn while its windows are built.
    const QScreen *screen = QGuiApplication::primaryScreen();
    art::prerender({art::Picture::Photo, art::Picture::Emblem},
                   screen ? screen->devicePixelRatio() : 1.0);
}

} // namespace app
