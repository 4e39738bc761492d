#include "pages/Vide.h"
#include "pages/Style.h"
#include "pages/Timp.h"
#include "palette/Palette.h"
#include "shell/Course.h"

namespace pages {
namespace {

const QColor &I1Colour = palette::Red;
const QColor &V1Colour = palette::Green;
const QColor &V2Colour = palette::Blue;

constexpr int OriginX = 19;
constexpr int OriginY = 162;
constexpr int V1Level = 20; // v1 = E
constexpr int V2Level = 80; // v2 = (n2/n1) E
constexpr int LastX = 140;

const QString DrawingDescription =
    QStringLiteral("Oscillogrammes de v1, v2 et i1 en fonction du temps, en cours de tracé.");
const QString FinishedDescription = QStringLiteral(
    "À l'instant 0, la tension v1 passe de 0 à E et la tension v2 de 0 à "
    "(n2/n1) × E ; elles restent constantes jusqu'à la fin du tracé. Pendant ce temps, le "
    "courant i1 croît linéairement à partir de 0 suivant i1 = (E / L) × t, une droite de "
    "pente E / L. Le tracé s'arrête avant la saturation, que seul le texte décrit.");

} // namespace

Vide::Vide(shell::Course &course)
    : CoursePage(course, Id, Navigation::Panel), timp(course.shared<Timp>()) {
    Picture1 = new tk::PlotSurface(this, QStringLiteral("Picture1"), {960, 120, 2985, 2685},
                                   course.picture(art::Picture::NoLoadAxes),
                                   QStringLiteral("Oscillogrammes"));
    Image2 = new tk::ImageBox(this, QStringLiteral("Image2"), {6600, 120, 1620, 1275},
                              course.picture(art::Picture::NoLoadTransformer),
                              QStringLiteral("Transformateur d'impulsions"));
    Frame1_1 = new tk::Frame(this, QStringLiteral("Frame1(1)"), {6120, 1560, 3375, 975});
    TextLegende = new tk::TextBox(Frame1_1, QStringLiteral("TextLegende"), {240, 120, 3135, 735},
                                  style::Default);
    TextLegende->setAccessibleName(QStringLiteral("Légende"));
    Frame2 = new tk::Frame(this, QStringLiteral("Frame2"), {120, 3000, 9255, 1455});
    TextVide = new tk::TextBox(Frame2, QStringLiteral("TextVide"), {600, 120, 8415, 1215},
                               style::text(fonts::Pt9_75, true));
    TextVide->setAccessibleName(QStringLiteral("Fonctionnement à vide"));
    Frame3 = new tk::Frame(this, QStringLiteral("Frame3"), {120, 4560, 9255, 1575});
    TextSaturation = new tk::TextBox(Frame3, QStringLiteral("TextSaturation"), {600, 0, 8415, 1455},
                                     style::text(fonts::Pt9_75, true, true));
    TextSaturation->setAccessibleName(QStringLiteral("Saturation"));
    TextSaturation->hide();
    Suite = makeSuite();
    Timer2 = new tk::Timer(this, QStringLiteral("Timer2"), TickMs);

    connect(Timer2, &tk::Timer::tick, this, &Vide::Timer2_Timer);
    // While the plot is drawn no button is shown: the plot holds the focus.
    setFocusHolder(Picture1);
    setTabOrder({Quitter, Precedent, Suivant, Suite});

    // No button takes the focus on arrival: none is shown while the plot is drawn.
    declareArrival({.before = {shell::hide(FrameBoutons)}});
    // Suite_Click: saturation, and the way on.
    declareStep(Suite, {shell::hide(Suite), shell::show(TextSaturation), shell::show(FrameBoutons),
                        shell::focus(Suivant)});
    declareRevealed({Suite}); // at the end of the plot
    declareWalk({shell::ticks(Timer2, 60, QStringLiteral("animation")),
                 shell::untilStopped(Timer2, QStringLiteral("fin")),
                 shell::press(Suite, QStringLiteral("suite"))});
}

void Vide::prepareArrival() {
    TIMP_VARIABLES(timp);
    PrevX = OriginX;
    NextX = PrevX;
    PrevY = OriginY;
    CurY = PrevY;
    Picture1->setDrawingPosition(PrevX.pixel(), PrevY.pixel());
    // The rising edges of v1 and v2; whatever an earlier visit drew stays.
    Picture1->drawLine(PrevX.pixel(), PrevY.pixel(), PrevX.pixel(), V1Level, V1Colour);
    Picture1->drawLine(PrevX.pixel(), PrevY.pixel(), PrevX.pixel(), V2Level, V2Colour);
    Timer2->setEnabled(true);
    Picture1->setAccessibleDescription(DrawingDescription);
    Picture1->setBeingDrawn(true);
}

void Vide::Timer2_Timer() {
    TIMP_VARIABLES(timp);
    Timer2->setEnabled(false);
    // One column per tick: the loop leaves the tick after each pass but the last.
    for (CurX = NextX; CurX <= LastX; CurX += 1) {
        const int x0 = PrevX.pixel();
        const int x1 = CurX.pixel();
        Picture1->drawLine(x0, PrevY.pixel(), x1, CurY.pixel(), I1Colour);
        Picture1->drawLine(x0, V1Level, x1, V1Level, V1Colour);
        Picture1->drawLine(x0, V2Level, x1, V2Level, V2Colour);
        NextX += 1;
        PrevX = CurX;
        PrevY = CurY;
        CurY -= 1;
        if (CurX < LastX) {
            Timer2->setEnabled(true);
            return;
        }
    }
    Picture1->setAccessibleDescription(FinishedDescription);
    Picture1->setBeingDrawn(false);
    Suite->show();
    Suite->setFocus();
    announceShown({Picture1});
}

COURSE_PAGE_FACTORY(Vide)

} // namespace pages
