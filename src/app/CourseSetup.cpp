#include "app/CourseSetup.h"

#include "art/Art.h"
#include "art/Baked.h"
#include "fonts/Fonts.h"
#include "pages/CoursePages.h"
#include "shell/Course.h"
#include "text/CourseText.h"

#include "toolkit/ColourScheme.h"
#include "toolkit/KeyGuard.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QStyleFactory>
#include <QToolTip>
#include <QTranslator>

namespace app {

void assemble(shell::Course &course) {
    pages::installPages(course);
    course.setTextLoader(&text::Messages);
}

void loadQtTranslations() {
    // Qt's own words (the context menus of the text boxes) in French, from
    // the catalogues the system ships.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

void configureApplication() {
    // The same look on every desktop: Qt's own style, the embedded face (its
    // faces are registered when a text first needs them), the course's
    // colours also in tooltips and menus.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(fonts::font(fonts::Pt8_25));
    QToolTip::setPalette(tk::coursePalette());
    tk::KeyGuard::installOnApplication();
    // The course speaks French, whatever the desktop's language: so do its
    // numbers, and so it tells screen readers.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    loadQtTranslations();
    QApplication::setWindowIcon(art::icon(art::Icon::Bridge));
    QApplication::setQuitOnLastWindowClosed(false);
    art::loadBakedPictures();
}

} // namespace app
