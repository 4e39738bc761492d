#include "pages/Demag.h"
#include "pages/PlotMarks.h"
#include "pages/Style.h"
#include "pages/Timp.h"
#include "palette/Palette.h"
#include "shell/Course.h"

#include <QCoreApplication>

namespace pages {
namespace {

const QColor &DiodeTrace = palette::Yellow;
const QColor &ZenerTrace = palette::Red;

/// The colour of each trace on the page.
const QColor &colourOf(plot::Trace trace) {
    return trace == plot::Trace::Diode ? DiodeTrace : ZenerTrace;
}

// Where the circuit pictures stand, and the switch buttons.
const tk::Tw Circuit{600, 240, 3585, 1440};
const tk::Tw SwitchPlace{1320, 1560, 495, 495};

// What the plot shows, for screen readers, as the two runs draw it.
const char *const EmptyPlot = QT_TRANSLATE_NOOP(
    "pages::Demag", "Courant magnétisant i1 en fonction du temps : rien n'est encore tracé.");
const char *const Rising = QT_TRANSLATE_NOOP(
    "pages::Demag",
    "Tracé en cours : K est fermé, le courant i1 croît linéairement à partir de 0.");
const char *const DiodePeak = QT_TRANSLATE_NOOP(
    "pages::Demag", "Le courant i1 a crû linéairement de 0 jusqu'à I, atteint à l'instant tI.");
const char *const DiodeFalling = QT_TRANSLATE_NOOP(
    "pages::Demag", "Tracé en cours : K est ouvert, le courant i1 décroît à travers la diode D.");
const char *const DiodeDone = QT_TRANSLATE_NOOP(
    "pages::Demag",
    "En jaune, avec la diode D seule : K fermé, le courant i1 croît linéairement de 0 "
    "jusqu'à I, atteint à l'instant tI ; K ouvert, il décroît suivant i1 = I - Vd × (t - "
    "tI) / L, deux fois plus lentement qu'il n'a crû, et revient à 0 au bout d'une durée "
    "double de celle de la montée.");
const char *const ZenerPeak = QT_TRANSLATE_NOOP(
    "pages::Demag",
    "En rouge, le courant i1 a de nouveau crû de 0 jusqu'à I ; en jaune, la décroissance "
    "lente par la diode D seule.");
const char *const ZenerFalling = QT_TRANSLATE_NOOP(
    "pages::Demag",
    "Tracé en cours : K est ouvert, le courant i1 décroît à travers la diode D et la diode "
    "Zener Dz.");
const char *const Done = QT_TRANSLATE_NOOP(
    "pages::Demag",
    "Le courant i1 croît linéairement de 0 jusqu'à I, atteint à l'instant tI, puis "
    "décroît jusqu'à 0. En jaune, par la diode D seule, suivant i1 = I - Vd × (t - tI) / "
    "L : la descente dure deux fois la montée. En rouge, par la diode D et la diode Zener "
    "Dz, suivant i1 = I - (Vd + Vz) × (t - tI) / L : la descente est aussi rapide que la "
    "montée, et la démagnétisation deux fois plus courte.");

template <typename Widget> Widget *hidden(Widget *widget) {
    widget->hide();
    return widget;
}

/// A circuit picture of \a page, hidden until a run shows it.
tk::ImageBox *circuit(Demag *page, shell::Course &course, const char *name, art::Picture picture) {
    const QString tip = QCoreApplication::translate("pages::Demag", "Schéma du montage");
    return hidden(
        new tk::ImageBox(page, QLatin1StringView(name), Circuit, course.picture(picture), tip));
}

} // namespace

Demag::Boxes Demag::makeBoxes() {
    const std::array<tk::Tw, 4> frames{{{120, 2280, 4935, 375},
                                        {120, 2760, 9135, 735},
                                        {120, 3600, 9135, 975},
                                        {120, 4680, 9135, 975}}};
    const std::array<QString, 4> names{tr("Fermeture de K"), tr("Énergie accumulée"),
                                       tr("Démagnétisation par la diode D"),
                                       tr("Démagnétisation par la diode Zener")};
    const std::array<tk::Tw, 4> texts{
        {{240, 0, 4335, 375}, {240, 0, 8775, 615}, {240, 0, 8775, 855}, {240, 0, 8775, 855}}};
    Boxes boxes;
    for (std::size_t i = 0; i < 4; ++i) {
        boxes.frames[i] = new tk::Frame(this, QStringLiteral("FrameDemag(%1)").arg(i), frames[i]);
        boxes.texts[i] = new tk::TextBox(boxes.frames[i], QStringLiteral("TextDemag(%1)").arg(i),
                                         texts[i], style::text(fonts::Pt9_75, true));
        boxes.texts[i]->setAccessibleName(names[i]);
        boxes.texts[i]->hide();
    }
    return boxes;
}

Demag::Demag(shell::Course &course)
    : CoursePage(course, Id, Navigation::Panel),
      ImageDiodeKo(circuit(this, course, "ImageDiodeKo", art::Picture::DiodeKo)),
      ImageDiodeKf(circuit(this, course, "ImageDiodeKf", art::Picture::DiodeKf)),
      ImageDiodeKfo(circuit(this, course, "ImageDiodeKfo", art::Picture::DiodeKfo)),
      ImageZenKo(circuit(this, course, "ImageZenKo", art::Picture::ZenKo)),
      ImageZenKf(circuit(this, course, "ImageZenKf", art::Picture::ZenKf)),
      ImageZenKfo(circuit(this, course, "ImageZenKfo", art::Picture::ZenKfo)),
      BPKf(hidden(new tk::Button(this, QStringLiteral("BPKf"), SwitchPlace,
                                 art::icon(art::Icon::ArrowUp), tr("Fermer K")))),
      BPKo(hidden(new tk::Button(this, QStringLiteral("BPKo"), SwitchPlace,
                                 art::icon(art::Icon::ArrowDown), tr("Ouvrir K")))),
      Picture1(new tk::PlotSurface(this, QStringLiteral("Picture1"), {5160, 240, 4005, 2055},
                                   course.picture(art::Picture::DemagAxes),
                                   tr("Courant magnétisant"))),
      TextI([this] {
          const auto label = style::singleLine(fonts::Pt9_75, true);
          std::array<tk::TextBox *, 2> texts;
          texts[0] =
              new tk::TextBox(Picture1, QStringLiteral("TextI(0)"), {1320, 360, 255, 285}, label);
          texts[0]->setText(tr("I"));
          texts[0]->setLabel(true);
          texts[0]->setAccessibleName(tr("Étiquette du courant I"));
          texts[0]->hide();
          // On the page, in front of the plot, overlapping its lower edge.
          texts[1] =
              new tk::TextBox(this, QStringLiteral("TextI(1)"), {6480, 2160, 255, 285}, label);
          texts[1]->setText(tr("tI"));
          texts[1]->setLabel(true);
          texts[1]->setAccessibleName(tr("Étiquette de l'instant tI"));
          texts[1]->hide();
          return texts;
      }()),
      m_boxes(makeBoxes()), FrameDemag(m_boxes.frames), TextDemag(m_boxes.texts),
      Suite(makeSuite()), Timer1(new tk::Timer(this, QStringLiteral("Timer1"), TickMs)),
      Timer2(new tk::Timer(this, QStringLiteral("Timer2"), TickMs)), timp(course.shared<Timp>()),
      m_model(timp) {
    connect(BPKf, &tk::Button::activated, this, &Demag::BPKf_Click);
    connect(BPKo, &tk::Button::activated, this, &Demag::BPKo_Click);
    connect(Timer1, &tk::Timer::tick, this, &Demag::Timer1_Timer);
    connect(Timer2, &tk::Timer::tick, this, &Demag::Timer2_Timer);
    // While K switches no button is shown: the plot holds the focus.
    setFocusHolder(Picture1);

    declareArrival({.before = {shell::show(ImageDiodeKo), shell::show(BPKf)}, .focus = BPKf});
    // Suite_Click: the Zener diode added; the run starts again from K open.
    // It does not move the focus.
    declareStep(Suite, {shell::show(BPKf), shell::show(TextDemag[3]), shell::show(ImageZenKo),
                        shell::hide(ImageDiodeKo), shell::hide(Suite)});
    // What the two runs reveal, in the order in which InitDemag hides it.
    declareRevealed({ImageDiodeKf, ImageDiodeKo, ImageDiodeKfo, ImageZenKf, ImageZenKo, ImageZenKfo,
                     BPKf, BPKo, TextDemag[0], TextDemag[1], TextDemag[2], TextDemag[3],
                     FrameBoutons, TextI[0], TextI[1], Suite});
    declareWalk({shell::press(BPKf), shell::untilStopped(Timer1, QStringLiteral("diode-montee")),
                 shell::press(BPKo), shell::untilStopped(Timer2, QStringLiteral("diode-descente")),
                 shell::press(Suite, QStringLiteral("zener-pret")), shell::press(BPKf),
                 shell::untilStopped(Timer1, QStringLiteral("zener-montee")), shell::press(BPKo),
                 shell::untilStopped(Timer2, QStringLiteral("fin"))});
    setTabOrder({Suivant, Precedent, Quitter, Suite, BPKo, BPKf});
}

void Demag::swapIfShown(tk::ImageBox *hide, tk::ImageBox *show) {
    if (!hide->isHidden()) {
        show->show();
        hide->hide();
    }
}

void Demag::InitDemag() {
    // Every circuit, switch button, text, label and the panel hidden; the
    // plot cleared (its axes stay).
    for (QWidget *control : revealed())
        control->hide();
    Picture1->clear();
    Picture1->setAccessibleDescription(tr(EmptyPlot));
    Picture1->setBeingDrawn(false);
    m_model.reset();
}

void Demag::apply(tk::Timer *timer, const DemagModel::Tick &tick) {
    paint(*Picture1, tick, colourOf);
    for (const DemagModel::Event event : tick.events) {
        switch (event) {
        case DemagModel::Event::NextTick:
            timer->setEnabled(true);
            break;
        case DemagModel::Event::Peak:
            peak();
            break;
        case DemagModel::Event::DiodeRunOver:
            diodeRunOver();
            break;
        case DemagModel::Event::ZenerRunOver:
            zenerRunOver();
            break;
        }
    }
}

void Demag::BPKf_Click() {
    beep();
    BPKf->hide();
    const QList<const QWidget *> text = reveal(TextDemag[0]);
    // K closes on the circuit shown.
    const DemagModel::Circuit circuit = !ImageDiodeKo->isHidden() ? DemagModel::Circuit::Diode
                                        : !ImageZenKo->isHidden() ? DemagModel::Circuit::Zener
                                                                  : DemagModel::Circuit::None;
    swapIfShown(ImageDiodeKo, ImageDiodeKf);
    swapIfShown(ImageZenKo, ImageZenKf);
    const DemagModel::Tick tick = m_model.closeK(circuit);
    Picture1->setAccessibleDescription(tr(Rising));
    Picture1->setBeingDrawn(true);
    apply(Timer1, tick);
    announceShown(text, drawingStarts());
}

void Demag::Timer1_Timer() {
    Timer1->setEnabled(false);
    apply(Timer1, m_model.rise());
}

void Demag::peak() {
    TextI[0]->show();
    TextI[1]->show();
    BPKo->show();
    BPKo->setFocus();
    const QList<const QWidget *> text = reveal(TextDemag[1]);
    Picture1->setAccessibleDescription(
        tr(m_model.circuit() == DemagModel::Circuit::Diode ? DiodePeak : ZenerPeak));
    Picture1->setBeingDrawn(false);
    // The plot as it stands; the text on the energy, the first time only.
    announceShown(QList<const QWidget *>{Picture1} + text);
}

void Demag::BPKo_Click() {
    beep();
    BPKo->hide();
    swapIfShown(ImageDiodeKf, ImageDiodeKfo);
    swapIfShown(ImageZenKf, ImageZenKfo);
    apply(Timer2, m_model.openK());
    const QList<const QWidget *> text = reveal(TextDemag[2]);
    Picture1->setAccessibleDescription(
        tr(m_model.circuit() == DemagModel::Circuit::Diode ? DiodeFalling : ZenerFalling));
    Picture1->setBeingDrawn(true);
    announceShown(text, drawingStarts());
}

void Demag::Timer2_Timer() {
    Timer2->setEnabled(false);
    apply(Timer2, m_model.fall());
}

void Demag::diodeRunOver() {
    ImageDiodeKo->show();
    ImageDiodeKfo->hide();
    Suite->show();
    Suite->setFocus();
    Picture1->setAccessibleDescription(tr(DiodeDone));
    Picture1->setBeingDrawn(false);
    announceShown({Picture1});
}

void Demag::zenerRunOver() {
    ImageZenKo->show();
    ImageZenKfo->hide();
    FrameBoutons->show();
    Picture1->setAccessibleDescription(tr(Done));
    Picture1->setBeingDrawn(false);
    announceShown({Picture1}, navigationShown());
}

COURSE_PAGE_FACTORY(Demag)

} // namespace pages
