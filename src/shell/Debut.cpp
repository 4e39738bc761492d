#include "shell/Debut.h"
#include "shell/Course.h"
#include "shell/CoursePage.h"
#include "version/Version.h"

#include "art/Art.h"
#include "fonts/Fonts.h"

#include <QCoreApplication>

namespace shell {

QString contactBlock() {
    return QCoreApplication::translate("shell::Debut", "Éditions Ferrite\r\n"
                                                       "14, allée des Bobinages\r\n"
                                                       "38000 Ferriville\r\n"
                                                       "Tél. : 01 23 45 67 89\r\n"
                                                       "Fax : 01 23 45 67 90");
}

Debut::Debut(Course &course)
    : tk::PageWindow(course.session(), formName(Id), QString(18, QLatin1Char(' ')) + pageTitle(Id),
                     QSize(8490, 4740)),
      m_course(course) {
    setIcon(art::icon(art::Icon::Bridge));

    Frame1 = new tk::Frame(this, QStringLiteral("Frame1"), {0, -120, 8535, 4875});
    Timer1 = new tk::Timer(Frame1, QStringLiteral("Timer1"), TitleDelayMs, true);
    connect(Timer1, &tk::Timer::tick, this, &Debut::Timer1_Timer);

    Picture1 = new tk::PlotSurface(Frame1, QStringLiteral("Picture1"), {0, 120, 8505, 4755},
                                   course.picture(art::Picture::Photo));
    Image1 = new tk::ImageBox(Picture1, QStringLiteral("Image1"), {6240, 120, 1890, 2085},
                              course.picture(art::Picture::Emblem));

    Frame3 = new tk::Frame(Picture1, QStringLiteral("Frame3"), {5880, 2400, 2415, 1335});
    Text1 = new tk::TextBox(Frame3, QStringLiteral("Text1"), {0, 120, 2175, 975},
                            {.alignment = Qt::AlignHCenter});
    Text1->setAccessibleName(tr("Coordonnées de l'éditeur"));
    Text1->setText(contactBlock());

    TexteDebut =
        new tk::TextBox(Picture1, QStringLiteral("TexteDebut"), {360, 3360, 4935, 975},
                        {.pixelSize = fonts::Pt19_5, .bold = true, .alignment = Qt::AlignHCenter});

    TexteDebut->setAccessibleName(tr("Titre du cours"));
    TexteDebut->setText(tr("Transformateur \r\nd'impulsions\r\n"));

    Text2 = new tk::TextBox(Picture1, QStringLiteral("Text2"), {5760, 4080, 2415, 375},
                            {.pixelSize = fonts::Pt9_75,
                             .bold = true,
                             .alignment = Qt::AlignHCenter,
                             .multiLine = false});

    Text2->setAccessibleName(tr("Version"));
    Text2->setText(tr("Version %1").arg(QLatin1StringView(version::Shown)));
}

void Debut::Timer1_Timer() {
    handOver(PageId::Fonction);
}

void Debut::handOver(PageId first) {
    Timer1->setEnabled(false);
    Messages();
    for (const PageId id : CreationOrder)
        m_course.page(id);
    // The first course page: its arrival (Suite made visible), then shown.
    m_course.coursePage(first).enter();
    m_course.destroy(Id);
}

void Debut::Quitter() {
    for (const PageId id : DestructionOrder)
        m_course.destroy(id);
}

void Debut::Messages() {
    m_course.loadTexts();
}

COURSE_PAGE_FACTORY(Debut)

} // namespace shell
