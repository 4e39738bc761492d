#include "pages/Demag.h"
#include "pages/Style.h"
#include "pages/Timp.h"
#include "palette/Palette.h"
#include "shell/Course.h"

namespace pages {
namespace {

const QColor &DiodeTrace = palette::Yellow;
const QColor &ZenerTrace = palette::Red;

constexpr int OriginX = 17;
constexpr int OriginY = 119;
constexpr int PeakX = 90; // the current reaches I at tI

// What the plot shows, for screen readers, as the two runs draw it.
const QString EmptyPlot =
    QStringLiteral("Courant magnétisant i1 en fonction du temps : rien n'est encore tracé.");
const QString Rising =
    QStringLiteral("Tracé en cours : K est fermé, le courant i1 croît linéairement à partir de 0.");
const QString DiodePeak =
    QStringLiteral("Le courant i1 a crû linéairement de 0 jusqu'à I, atteint à l'instant tI.");
const QString DiodeFalling =
    QStringLiteral("Tracé en cours : K est ouvert, le courant i1 décroît à travers la diode D.");
const QString DiodeDone = QStringLiteral(
    "En jaune, avec la diode D seule : K fermé, le courant i1 croît linéairement de 0 "
    "jusqu'à I, atteint à l'instant tI ; K ouvert, il décroît suivant i1 = I - Vd × (t - "
    "tI) / L, deux fois plus lentement qu'il n'a crû, et revient à 0 au bout d'une durée "
    "double de celle de la montée.");
const QString ZenerPeak = QStringLiteral(
    "En rouge, le courant i1 a de nouveau crû de 0 jusqu'à I ; en jaune, la décroissance "
    "lente par la diode D seule.");
const QString ZenerFalling = QStringLiteral(
    "Tracé en cours : K est ouvert, le courant i1 décroît à travers la diode D et la diode "
    "Zener Dz.");
const QString Done = QStringLiteral(
    "Le courant i1 croît linéairement de 0 jusqu'à I, atteint à l'instant tI, puis "
    "décroît jusqu'à 0. En jaune, par la diode D seule, suivant i1 = I - Vd × (t - tI) / "
    "L : la descente dure deux fois la montée. En rouge, par la diode D et la diode Zener "
    "Dz, suivant i1 = I - (Vd + Vz) × (t - tI) / L : la descente est aussi rapide que la "
    "montée, et la démagnétisation deux fois plus courte.");

} // namespace

Demag::Demag(shell::Course &course)
    : CoursePage(course, Id, Navigation::Panel), timp(course.shared<Timp>()) {
    const tk::Tw circuit{600, 240, 3585, 1440};
    const QString circuitTip = QStringLiteral("Schéma du montage");
    const auto image = [&](const char *name, art::Picture picture) {
        auto *box = new tk::ImageBox(this, QLatin1StringView(name), circuit,
                                     course.picture(picture), circuitTip);
        box->hide();
        return box;
    };
    ImageDiodeKo = image("ImageDiodeKo", art::Picture::DiodeKo);
    ImageDiodeKf = image("ImageDiodeKf", art::Picture::DiodeKf);
    ImageDiodeKfo = image("ImageDiodeKfo", art::Picture::DiodeKfo);
    ImageZenKo = image("ImageZenKo", art::Picture::ZenKo);
    ImageZenKf = image("ImageZenKf", art::Picture::ZenKf);
    ImageZenKfo = image("ImageZenKfo", art::Picture::ZenKfo);

    const tk::Tw switchPlace{1320, 1560, 495, 495};
    BPKf = new tk::Button(this, QStringLiteral("BPKf"), switchPlace, art::icon(art::Icon::ArrowUp),
                          QStringLiteral("Fermer K"));
    BPKf->hide();
    BPKo = new tk::Button(this, QStringLiteral("BPKo"), switchPlace,
                          art::icon(art::Icon::ArrowDown), QStringLiteral("Ouvrir K"));
    BPKo->hide();

    Picture1 = new tk::PlotSurface(this, QStringLiteral("Picture1"), {5160, 240, 4005, 2055},
                                   course.picture(art::Picture::DemagAxes),
                                   QStringLiteral("Courant magnétisant"));
    const auto label = style::singleLine(fonts::Pt9_75, true);
    TextI[0] = new tk::TextBox(Picture1, QStringLiteral("TextI(0)"), {1320, 360, 255, 285}, label);
    TextI[0]->setText(QStringLiteral("I"));
    TextI[0]->setLabel(true);
    TextI[0]->setAccessibleName(QStringLiteral("Étiquette du courant I"));
    TextI[0]->hide();
    // On the page, in front of the plot, overlapping its lower edge.
    TextI[1] = new tk::TextBox(this, QStringLiteral("TextI(1)"), {6480, 2160, 255, 285}, label);
    TextI[1]->setText(QStringLiteral("tI"));
    TextI[1]->setLabel(true);
    TextI[1]->setAccessibleName(QStringLiteral("Étiquette de l'instant tI"));
    TextI[1]->hide();

    const std::array<tk::Tw, 4> frames{{{120, 2280, 4935, 375},
                                        {120, 2760, 9135, 735},
                                        {120, 3600, 9135, 975},
                                        {120, 4680, 9135, 975}}};
    const std::array<QString, 4> TextDemagNames{
        QStringLiteral("Fermeture de K"), QStringLiteral("Énergie accumulée"),
        QStringLiteral("Démagnétisation par la diode D"),
        QStringLiteral("Démagnétisation par la diode Zener")};
    const std::array<tk::Tw, 4> texts{
        {{240, 0, 4335, 375}, {240, 0, 8775, 615}, {240, 0, 8775, 855}, {240, 0, 8775, 855}}};
    for (int i = 0; i < 4; ++i) {
        FrameDemag[i] = new tk::Frame(this, QStringLiteral("FrameDemag(%1)").arg(i), frames[i]);
        TextDemag[i] = new tk::TextBox(FrameDemag[i], QStringLiteral("TextDemag(%1)").arg(i),
                                       texts[i], style::text(fonts::Pt9_75, true));
        TextDemag[i]->setAccessibleName(TextDemagNames[i]);
        TextDemag[i]->hide();
    }
    Suite = makeSuite();
    Timer1 = new tk::Timer(this, QStringLiteral("Timer1"), TickMs);
    Timer2 = new tk::Timer(this, QStringLiteral("Timer2"), TickMs);

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
    Picture1->setAccessibleDescription(EmptyPlot);
    Picture1->setBeingDrawn(false);
}

void Demag::BPKf_Click() {
    TIMP_VARIABLES(timp);
    beep();
    BPKf->hide();
    const QList<const QWidget *> text = reveal(TextDemag[0]);
    swapIfShown(ImageDiodeKo, ImageDiodeKf);
    swapIfShown(ImageZenKo, ImageZenKf);
    PrevX = OriginX;
    PrevY = OriginY;
    CurX = PrevX;
    CurY = PrevY;
    Picture1->setDrawingPosition(OriginX, OriginY);
    Picture1->setAccessibleDescription(Rising);
    Picture1->setBeingDrawn(true);
    Timer1->setEnabled(true);
    announceShown(text, drawingStarts());
}

void Demag::Timer1_Timer() {
    TIMP_VARIABLES(timp);
    Timer1->setEnabled(false);
    if (CurX == PeakX) {
        TextI[0]->show();
        TextI[1]->show();
        BPKo->show();
        BPKo->setFocus();
        const QList<const QWidget *> text = reveal(TextDemag[1]);
        Picture1->setAccessibleDescription(ImageDiodeKf->isHidden() ? ZenerPeak : DiodePeak);
        Picture1->setBeingDrawn(false);
        // The plot as it stands; the text on the energy, the first time only.
        announceShown(QList<const QWidget *>{Picture1} + text);
        return;
    }
    PrevX = CurX;
    PrevY = CurY;
    CurX += 1;
    CurY -= 1;
    if (!ImageDiodeKf->isHidden())
        Picture1->drawLine(PrevX.pixel(), PrevY.pixel(), CurX.pixel(), CurY.pixel(), DiodeTrace);
    if (!ImageZenKf->isHidden())
        Picture1->drawLine(PrevX.pixel(), PrevY.pixel(), CurX.pixel(), CurY.pixel(), ZenerTrace);
    Timer1->setEnabled(true);
}

void Demag::BPKo_Click() {
    beep();
    BPKo->hide();
    swapIfShown(ImageDiodeKf, ImageDiodeKfo);
    swapIfShown(ImageZenKf, ImageZenKfo);
    Timer2->setEnabled(true);
    const QList<const QWidget *> text = reveal(TextDemag[2]);
    Picture1->setAccessibleDescription(ImageDiodeKfo->isHidden() ? ZenerFalling : DiodeFalling);
    Picture1->setBeingDrawn(true);
    announceShown(text, drawingStarts());
}

void Demag::Timer2_Timer() {
    TIMP_VARIABLES(timp);
    Timer2->setEnabled(false);
    if (CurY == OriginY) {
        if (!ImageDiodeKfo->isHidden()) {
            ImageDiodeKo->show();
            ImageDiodeKfo->hide();
            Suite->show();
            Suite->setFocus();
            Picture1->setAccessibleDescription(DiodeDone);
            Picture1->setBeingDrawn(false);
            announceShown({Picture1});
        }
        if (!ImageZenKfo->isHidden()) {
            ImageZenKo->show();
            ImageZenKfo->hide();
            FrameBoutons->show();
            Picture1->setAccessibleDescription(Done);
            Picture1->setBeingDrawn(false);
            announceShown({Picture1}, navigationShown());
        }
        return;
    }
    PrevX = CurX;
    PrevY = CurY;
    if (!ImageDiodeKfo->isHidden())
        CurX += 2; // through D alone the current falls at half the rate it rose
    if (!ImageZenKfo->isHidden())
        CurX += 1;
    CurY += 1;
    if (!ImageDiodeKfo->isHidden())
        Picture1->drawLine(PrevX.pixel(), PrevY.pixel(), CurX.pixel(), CurY.pixel(), DiodeTrace);
    if (!ImageZenKfo->isHidden())
        Picture1->drawLine(PrevX.pixel(), PrevY.pixel(), CurX.pixel(), CurY.pixel(), ZenerTrace);
    Timer2->setEnabled(true);
}

COURSE_PAGE_FACTORY(Demag)

} // namespace pages
