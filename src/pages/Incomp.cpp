#include "pages/Incomp.h"
#include "pages/PlotMarks.h"
#include "pages/Style.h"
#include "pages/Timp.h"
#include "palette/Palette.h"
#include "shell/Course.h"

namespace pages {
namespace {

// The colours of the traces.
const QColor &Black = palette::Black;
const QColor &Blue = palette::Blue;
const QColor &Red = palette::Red;
const QColor &FluxColour = palette::Lime;
const QColor &AxisGrey = palette::Grey;

// Where the circuit pictures stand.
const tk::Tw Circuit{240, 120, 3585, 1440};

template <typename Widget> Widget *hidden(Widget *widget) {
    widget->hide();
    return widget;
}

/// The colour of each trace on the page.
const QColor &colourOf(plot::Trace trace) {
    switch (trace) {
    case plot::Trace::V1:
    case plot::Trace::V2:
        return Blue;
    case plot::Trace::I1:
        return Red;
    case plot::Trace::Flux:
        return FluxColour;
    case plot::Trace::Axis:
        return AxisGrey;
    default:
        return Black; // K, and the labels
    }
}

// What the plot shows, for screen readers.
const char *const EmptyPlot = QT_TRANSLATE_NOOP(
    "pages::Incomp",
    "Zone des oscillogrammes de K, v1, i1, du flux et de v2 : le bouton Suite en lance le "
    "tracé.");
const char *const Drawing = QT_TRANSLATE_NOOP(
    "pages::Incomp",
    "Tracé en cours des oscillogrammes de K, v1, i1, du flux et de v2, demi-période par "
    "demi-période, pendant sept demi-périodes T/2.");
const char *const Finished = QT_TRANSLATE_NOOP(
    "pages::Incomp",
    "Oscillogrammes sur sept demi-périodes T/2 : K est fermé pendant T/2, puis ouvert "
    "pendant T/2, alternativement, en commençant fermé. v1 vaut E quand K est fermé et "
    "-(Vd + Vz) quand il est ouvert ; v2 suit v1 : positive quand K est fermé, négative "
    "quand il est ouvert. Vd + Vz étant inférieur à E, i1 et le flux croissent pendant "
    "chaque fermeture mais ne redescendent pendant chaque ouverture que de la moitié de "
    "leur montée : i1 ne revient pas de I à 0 en T/2, et ils montent de période en "
    "période jusqu'à la saturation, atteinte pendant la troisième fermeture. i1 bondit "
    "alors au courant de court-circuit du générateur, le flux reste à son maximum et v2 "
    "tombe à zéro. La saturation revient, plus tôt, à la quatrième fermeture : les deux "
    "premières impulsions de sortie v2, remplies en bleu, durent T/2, les deux dernières "
    "sont raccourcies.");

} // namespace

Incomp::Incomp(shell::Course &course)
    : CoursePage(course, Id, Navigation::Panel), Surface([this] {
          auto *surface =
              new tk::PlotSurface(this, QStringLiteral("ClientArea"), {0, 0, 9510, 6825});
          surface->setFont(fonts::font(fonts::Pt8_25));
          surface->setAccessibleName(tr("Oscillogrammes"));
          surface->setAccessibleDescription(tr(EmptyPlot));
          // The client area lies beneath every control of the page.
          surface->lower();
          return surface;
      }()),
      m_boxes(makeBoxes()), FrameDemag(m_boxes.frames), TextIncomp(m_boxes.texts),
      ImageZenKo(new tk::ImageBox(this, QStringLiteral("ImageZenKo"), Circuit,
                                  course.picture(art::Picture::ZenKo), tr("Schéma du montage"))),
      ImageZenKf(
          hidden(new tk::ImageBox(this, QStringLiteral("ImageZenKf"), Circuit,
                                  course.picture(art::Picture::ZenKf), tr("Schéma du montage")))),
      ImageZenKfo(
          hidden(new tk::ImageBox(this, QStringLiteral("ImageZenKfo"), Circuit,
                                  course.picture(art::Picture::ZenKfo), tr("Schéma du montage")))),
      Suite(makeSuite()), Timer([this] {
          // Timer1_Timer to Timer8_Timer: the phases, one row each.
          std::array<tk::Timer *, IncompModel::PhaseCount> timers;
          for (int i = 0; i < IncompModel::PhaseCount; ++i) {
              timers[std::size_t(i)] =
                  new tk::Timer(this, QStringLiteral("Timer%1").arg(i + 1), TickMs);
              connect(timers[std::size_t(i)], &tk::Timer::tick, this, [this, i] { runPhase(i); });
          }
          return timers;
      }()),
      timp(course.shared<Timp>()), m_model(timp) {
    connect(Suite, &tk::Button::activated, this, &Incomp::Suite_Click);
    setTabOrder({Suivant, Precedent, Quitter, Suite});
    // While the plot is drawn no button is shown: the plot holds the focus.
    setFocusHolder(Surface);

    // No focus is given; Suite is the one control that can take it.
    declareArrival({.before = {shell::show(Suite)}, .focus = Suite});
    // What the end of the animation reveals, hidden when the page is left.
    declareRevealed({FrameBoutons, TextIncomp[1]});
    QList<shell::Move> walk{shell::press(Suite)};
    for (int phase = 0; phase < 5; ++phase)
        walk << shell::untilStopped(Timer[phase]);
    walk << shell::ticks(Timer[5], 30, QStringLiteral("animation")) << shell::untilStopped(Timer[5])
         << shell::untilStopped(Timer[6]) << shell::untilStopped(Timer[7], QStringLiteral("fin"));
    declareWalk(walk);
}

Incomp::Boxes Incomp::makeBoxes() {
    Boxes boxes;
    boxes.frames[0] = new tk::Frame(this, QStringLiteral("FrameDemag(0)"), {3960, 120, 5415, 1335});
    boxes.texts[0] = new tk::TextBox(boxes.frames[0], QStringLiteral("TextIncomp(0)"),
                                     {120, 0, 5175, 1215}, style::centred(fonts::Pt9_75));
    boxes.texts[0]->setAccessibleName(tr("Démagnétisation incomplète"));
    boxes.frames[1] = new tk::Frame(this, QStringLiteral("FrameDemag(1)"), {840, 5880, 6015, 255});
    boxes.texts[1] = new tk::TextBox(boxes.frames[1], QStringLiteral("TextIncomp(1)"),
                                     {480, 0, 5295, 255}, style::centred(fonts::Pt9_75));
    boxes.texts[1]->setAccessibleName(tr("Conclusion"));
    boxes.texts[1]->hide();
    return boxes;
}

void Incomp::showCircuit(tk::ImageBox *picture) {
    for (tk::ImageBox *box : {ImageZenKo, ImageZenKf, ImageZenKfo})
        if (box == picture)
            box->show();
    for (tk::ImageBox *box : {ImageZenKo, ImageZenKf, ImageZenKfo})
        if (box != picture)
            box->hide();
}

void Incomp::leave() {
    CoursePage::leave();
    showCircuit(ImageZenKo);
}

void Incomp::Suite_Click() {
    beep();
    Suite->hide();
    apply(-1, m_model.start());
    Surface->setAccessibleDescription(tr(Drawing));
    Surface->setBeingDrawn(true);
    announce(drawingStarts());
}

void Incomp::runPhase(int index) {
    apply(index, m_model.tick());
}

void Incomp::apply(int phase, const IncompModel::Tick &tick) {
    paint(*Surface, tick, colourOf);
    for (const IncompModel::Event event : tick.events) {
        switch (event) {
        case IncompModel::Event::CircuitClosed:
            showCircuit(ImageZenKf);
            break;
        case IncompModel::Event::CircuitOpen:
            showCircuit(ImageZenKfo);
            break;
        case IncompModel::Event::Saturated:
            beep();
            break;
        case IncompModel::Event::PhaseOver:
            Timer[std::size_t(phase)]->setEnabled(false);
            break;
        case IncompModel::Event::NextPhase:
            Timer[std::size_t(phase + 1)]->setEnabled(true);
            break;
        case IncompModel::Event::Finished:
            finish();
            break;
        }
    }
}

void Incomp::finish() {
    TextIncomp[1]->show();
    ImageZenKo->show();
    ImageZenKf->hide();
    FrameBoutons->show();
    Surface->setAccessibleDescription(tr(Finished));
    Surface->setBeingDrawn(false);
    announce(tr("Le tracé des oscillogrammes est terminé."));
    announceShown({Surface, TextIncomp[1]}, navigationShown());
}

COURSE_PAGE_FACTORY(Incomp)

} // namespace pages
