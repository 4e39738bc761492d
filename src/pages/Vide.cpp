#include "pages/Vide.h"
#include "pages/PlotMarks.h"
#include "pages/Style.h"
#include "pages/Timp.h"
#include "palette/Palette.h"
#include "shell/Course.h"

namespace pages {
namespace {

const QColor &I1Colour = palette::Red;
const QColor &V1Colour = palette::Green;
const QColor &V2Colour = palette::Blue;

/// The colour of each trace on the page.
const QColor &colourOf(plot::Trace trace) {
    switch (trace) {
    case plot::Trace::V1:
        return V1Colour;
    case plot::Trace::V2:
        return V2Colour;
    default:
        return I1Colour;
    }
}

const char *const DrawingDescription = QT_TRANSLATE_NOOP(
    "pages::Vide", "Oscillogrammes de v1, v2 et i1 en fonction du temps, en cours de tracé.");
const char *const FinishedDescription = QT_TRANSLATE_NOOP(
    "pages::Vide",
    "À l'instant 0, la tension v1 passe de 0 à E et la tension v2 de 0 à "
    "(n2/n1) × E ; elles restent constantes jusqu'à la fin du tracé. Pendant ce temps, le "
    "courant i1 croît linéairement à partir de 0 suivant i1 = (E / L) × t, une droite de "
    "pente E / L. Le tracé s'arrête avant la saturation, que seul le texte décrit.");

/// \a text, with its accessible name \a name.
tk::TextBox *named(tk::TextBox *text, const QString &name) {
    text->setAccessibleName(name);
    return text;
}

} // namespace

Vide::Vide(shell::Course &course)
    : CoursePage(course, Id, Navigation::Panel),
      Picture1(new tk::PlotSurface(this, QStringLiteral("Picture1"), {960, 120, 2985, 2685},
                                   course.picture(art::Picture::NoLoadAxes), tr("Oscillogrammes"))),
      Image2(new tk::ImageBox(this, QStringLiteral("Image2"), {6600, 120, 1620, 1275},
                              course.picture(art::Picture::NoLoadTransformer),
                              tr("Transformateur d'impulsions"))),
      Frame1_1(new tk::Frame(this, QStringLiteral("Frame1(1)"), {6120, 1560, 3375, 975})),
      TextLegende(named(new tk::TextBox(Frame1_1, QStringLiteral("TextLegende"),
                                        {240, 120, 3135, 735}, style::Default),
                        tr("Légende"))),
      Frame2(new tk::Frame(this, QStringLiteral("Frame2"), {120, 3000, 9255, 1455})),
      TextVide(named(new tk::TextBox(Frame2, QStringLiteral("TextVide"), {600, 120, 8415, 1215},
                                     style::text(fonts::Pt9_75, true)),
                     tr("Fonctionnement à vide"))),
      Frame3(new tk::Frame(this, QStringLiteral("Frame3"), {120, 4560, 9255, 1575})),
      TextSaturation([this] {
          auto *text =
              named(new tk::TextBox(Frame3, QStringLiteral("TextSaturation"), {600, 0, 8415, 1455},
                                    style::text(fonts::Pt9_75, true, true)),
                    tr("Saturation"));
          text->hide();
          return text;
      }()),
      Suite(makeSuite()), Timer2(new tk::Timer(this, QStringLiteral("Timer2"), TickMs)),
      timp(course.shared<Timp>()), m_model(timp) {
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
    apply(m_model.start());
    Picture1->setAccessibleDescription(tr(DrawingDescription));
    Picture1->setBeingDrawn(true);
}

void Vide::Timer2_Timer() {
    Timer2->setEnabled(false);
    apply(m_model.tick());
}

void Vide::apply(const VideModel::Tick &tick) {
    paint(*Picture1, tick, colourOf);
    for (const VideModel::Event event : tick.events) {
        switch (event) {
        case VideModel::Event::NextTick:
            Timer2->setEnabled(true);
            break;
        case VideModel::Event::Finished:
            Picture1->setAccessibleDescription(tr(FinishedDescription));
            Picture1->setBeingDrawn(false);
            Suite->show();
            Suite->setFocus();
            announceShown({Picture1});
            break;
        }
    }
}

COURSE_PAGE_FACTORY(Vide)

} // namespace pages
