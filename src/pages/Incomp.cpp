#include "pages/Incomp.h"
#include "pages/Style.h"
#include "pages/Timp.h"
#include "palette/Palette.h"
#include "shell/Course.h"

#include "toolkit/Beep.h"

namespace pages {
namespace {

// The colours of the traces.
const QColor &Black = palette::Black;
const QColor &Blue = palette::Blue;
const QColor &Red = palette::Red;
const QColor &FluxColour = palette::Lime;
const QColor &AxisGrey = palette::Grey;

// Levels of the traces (pixels of the page, y downwards).
constexpr int KClosed = 140;
constexpr int KOpen = 130;
constexpr int V1High = 160;     // +E
constexpr int V1LowEdge = 210;  // end of the falling edge; the level is one below
constexpr int V1HighEdge = 161; // end of the rising edge
constexpr int V2High = 340;
constexpr int V2LowEdge = 390;
constexpr int V2HighEdge = 341;
constexpr int V2Axis = 370;
constexpr int Saturation = 227; // i1 level at which the core saturates
constexpr int ShortCircuit = 220;
constexpr int FluxSaturated = 287;

// Columns: a half-period T/2 is 40 columns, from x = 120.
constexpr int FirstColumn = 120;

// What the plot shows, for screen readers.
const QString EmptyPlot = QStringLiteral(
    "Zone des oscillogrammes de K, v1, i1, du flux et de v2 : le bouton Suite en lance le "
    "tracé.");
const QString Drawing = QStringLiteral(
    "Tracé en cours des oscillogrammes de K, v1, i1, du flux et de v2, demi-période par "
    "demi-période, pendant sept demi-périodes T/2.");
const QString Finished = QStringLiteral(
    "Oscillogrammes sur sept demi-périodes T/2 : K est fermé, puis ouvert, alternativement. "
    "v1 vaut E quand K est fermé et -(Vd+Vz) quand il est ouvert. i1 et le flux croissent "
    "pendant chaque fermeture mais ne décroissent que de la moitié pendant chaque ouverture : "
    "ils montent de période en période jusqu'à la saturation, atteinte pendant la troisième "
    "fermeture. i1 bondit alors au courant de court-circuit du générateur, le flux reste à "
    "son maximum et v2 tombe à zéro. La saturation revient, plus tôt, à la quatrième "
    "fermeture : les impulsions de sortie v2, remplies en bleu, sont raccourcies.");

} // namespace

Incomp::Incomp(shell::Course &course) : CoursePage(course, Id, Navigation::Panel) {
    Surface = new tk::PlotSurface(this, QStringLiteral("ClientArea"), {0, 0, 9510, 6825});
    Surface->setFont(fonts::font(fonts::Pt8_25));
    Surface->setAccessibleName(QStringLiteral("Oscillogrammes"));
    Surface->setAccessibleDescription(EmptyPlot);
    // The client area lies beneath every control of the page.
    Surface->lower();

    FrameDemag[0] = new tk::Frame(this, QStringLiteral("FrameDemag(0)"), {3960, 120, 5415, 1335});
    TextIncomp[0] = new tk::TextBox(FrameDemag[0], QStringLiteral("TextIncomp(0)"),
                                    {120, 0, 5175, 1215}, style::centred(fonts::Pt9_75));
    TextIncomp[0]->setAccessibleName(QStringLiteral("Démagnétisation incomplète"));
    FrameDemag[1] = new tk::Frame(this, QStringLiteral("FrameDemag(1)"), {840, 5880, 6015, 255});
    TextIncomp[1] = new tk::TextBox(FrameDemag[1], QStringLiteral("TextIncomp(1)"),
                                    {480, 0, 5295, 255}, style::centred(fonts::Pt9_75));
    TextIncomp[1]->setAccessibleName(QStringLiteral("Conclusion"));
    TextIncomp[1]->hide();

    const tk::Tw circuit{240, 120, 3585, 1440};
    const QString tip = QStringLiteral("Schéma du montage");
    ImageZenKo = new tk::ImageBox(this, QStringLiteral("ImageZenKo"), circuit,
                                  course.picture(art::Picture::ZenKo), tip);
    ImageZenKf = new tk::ImageBox(this, QStringLiteral("ImageZenKf"), circuit,
                                  course.picture(art::Picture::ZenKf), tip);
    ImageZenKf->hide();
    ImageZenKfo = new tk::ImageBox(this, QStringLiteral("ImageZenKfo"), circuit,
                                   course.picture(art::Picture::ZenKfo), tip);
    ImageZenKfo->hide();

    Suite = makeSuite();
    connect(Suite, &tk::Button::activated, this, &Incomp::Suite_Click);

    using Handler = void (Incomp::*)();
    const std::array<Handler, 8> handlers{
        &Incomp::Timer1_Timer, &Incomp::Timer2_Timer, &Incomp::Timer3_Timer, &Incomp::Timer4_Timer,
        &Incomp::Timer5_Timer, &Incomp::Timer6_Timer, &Incomp::Timer7_Timer, &Incomp::Timer8_Timer};
    for (int i = 0; i < 8; ++i) {
        Timer[i] = new tk::Timer(this, QStringLiteral("Timer%1").arg(i + 1), TickMs);
        connect(Timer[i], &tk::Timer::tick, this, handlers[i]);
    }
    setTabOrder({Suivant, Precedent, Quitter, Suite});
}

void Incomp::enter() {
    Suite->show();
    showPage();
}

void Incomp::leave() {
    FrameBoutons->hide();
    TextIncomp[1]->hide();
}

void Incomp::showCircuit(tk::ImageBox *picture) {
    for (tk::ImageBox *box : {ImageZenKo, ImageZenKf, ImageZenKfo})
        if (box == picture)
            box->show();
    for (tk::ImageBox *box : {ImageZenKo, ImageZenKf, ImageZenKfo})
        if (box != picture)
            box->hide();
}

void Incomp::segment(int x, Coord y, const QColor &colour) {
    Surface->drawLine(x, y.pixel(), x + 1, y.pixel(), colour);
}

void Incomp::printAt(int x, int y, const QString &text) {
    Surface->setDrawingPosition(x, y);
    Surface->print(text);
}

void Incomp::Suite_Click() {
    using namespace Timp;
    tk::beep();
    Suite->hide();
    ImageZenKf->show();
    ImageZenKo->hide();
    printAt(90, 130, QStringLiteral("K"));
    printAt(90, 180, QStringLiteral("v1"));
    printAt(90, 250, QStringLiteral("i1"));
    printAt(90, 310, QStringLiteral("Flux"));
    printAt(90, 360, QStringLiteral("v2"));
    // The axes lie beneath the traces: on a later run they do not cover the
    // plot that the earlier run left.
    for (const int axis : {140, 190, 260, 320, 370})
        Surface->drawLine(120, axis, 410, axis, AxisGrey, tk::PlotSurface::Depth::Beneath);
    PrevY = V1High;
    I1Y = 260;
    FluxY = 320;
    V2Y = V2High;
    printAt(125, 120, QStringLiteral("fermé"));
    Surface->setDrawingPosition(110, 150);
    Surface->setForeground(Blue);
    Surface->print(QStringLiteral("E"));
    StartX = FirstColumn;
    Surface->setAccessibleDescription(Drawing);
    Timer[0]->setEnabled(true);
}

void Incomp::columnStep(Switch k) {
    using namespace Timp;
    const int x = CurX.pixel();
    const bool closed = k == Switch::Closed;
    segment(x, closed ? KClosed : KOpen, Black);
    segment(x, PrevY, Blue);
    segment(x, I1Y, Red);
    segment(x, FluxY, FluxColour);
    segment(x, V2Y, Blue);
    StartX += 1;
    // While K is closed i1 and the flux rise (y falls) twice as fast as they fall.
    const Coord d = closed ? Coord() - Half : Quarter;
    I1Y += d;
    FluxY += d;
}

void Incomp::saturationTest(bool recordSaturation) {
    using namespace Timp;
    if (I1Y == Saturation) {
        if (recordSaturation)
            SatY = I1Y;
        for (V2Y = V2Y; V2Y <= V2Axis - 1; V2Y += 1)
            segment(CurX.pixel(), V2Y, Blue);
        for (I1Y = I1Y; I1Y >= ShortCircuit; I1Y -= 1)
            segment(CurX.pixel(), I1Y, Red);
    }
    if (I1Y < Saturation) {
        I1Y = ShortCircuit;
        FluxY = FluxSaturated;
        V2Y = V2Axis;
        tk::beep();
    }
}

bool Incomp::drawColumns(Switch k, int last, bool withSaturationTest, bool recordSaturation) {
    using namespace Timp;
    for (CurX = StartX; CurX <= last; CurX += 1) {
        if (withSaturationTest)
            saturationTest(recordSaturation);
        columnStep(k);
        if (CurX < last)
            return false; // one column per tick; the timer stays enabled
    }
    return true;
}

void Incomp::openingEdges(int x) {
    using namespace Timp;
    for (PrevY = PrevY; PrevY <= V1LowEdge; PrevY += 1)
        segment(x, PrevY, Blue);
    for (V2Y = V2Y; V2Y <= V2LowEdge; V2Y += 1)
        segment(x, V2Y, Blue);
    printAt(x + 5, 110, QStringLiteral("ouvert"));
}

void Incomp::openingStep(tk::Timer *phase, int x) {
    phase->setEnabled(false);
    openingEdges(x);
    showCircuit(ImageZenKfo);
    Timp::StartX = x;
}

void Incomp::closingStep(tk::Timer *phase, int x) {
    using namespace Timp;
    phase->setEnabled(false);
    for (PrevY = PrevY; PrevY >= V1HighEdge; PrevY -= 1)
        segment(x, PrevY, Blue);
    for (V2Y = V2Y; V2Y >= V2HighEdge; V2Y -= 1)
        segment(x, V2Y, Blue);
    printAt(x + 5, 120, QStringLiteral("fermé"));
    showCircuit(ImageZenKf);
    StartX = x;
}

void Incomp::Timer1_Timer() {
    if (!drawColumns(Switch::Closed, 159, false, false))
        return;
    Timer[0]->setEnabled(false);
    showCircuit(ImageZenKfo);
    Timer[1]->setEnabled(true);
}

void Incomp::Timer2_Timer() {
    Timer[1]->setEnabled(false);
    Surface->setDrawingPosition(115, 200);
    Surface->setForeground(Blue);
    Surface->print(QStringLiteral("-(Vd+Vz)"));
    Surface->setDrawingPosition(160, 225);
    Surface->setForeground(Red);
    Surface->print(QStringLiteral("I"));
    Surface->setForeground(Black); // every later label is black
    openingEdges(160);
    Timp::StartX = 160;
    Timer[2]->setEnabled(true);
}

void Incomp::Timer3_Timer() {
    if (!drawColumns(Switch::Open, 199, false, false))
        return;
    closingStep(Timer[2], Timp::CurX.pixel());
    Timer[3]->setEnabled(true);
}

void Incomp::Timer4_Timer() {
    if (!drawColumns(Switch::Closed, 239, false, false))
        return;
    openingStep(Timer[3], Timp::CurX.pixel());
    Timer[4]->setEnabled(true);
}

void Incomp::Timer5_Timer() {
    if (!drawColumns(Switch::Open, 279, false, false))
        return;
    closingStep(Timer[4], Timp::CurX.pixel());
    Timer[5]->setEnabled(true);
}

void Incomp::Timer6_Timer() {
    using namespace Timp;
    if (!drawColumns(Switch::Closed, 319, true, true))
        return;
    const int x = CurX.pixel(); // 320
    Timer[5]->setEnabled(false);
    printAt(x + 5, 110, QStringLiteral("ouvert"));
    showCircuit(ImageZenKfo);
    // K opens: the current falls back from the short-circuit value to the saturation level.
    for (I1Y = ShortCircuit; I1Y <= SatY; I1Y += 1)
        segment(x, I1Y, Red);
    for (PrevY = V1High; PrevY <= V1LowEdge; PrevY += 1)
        segment(x, PrevY, Blue);
    for (V2Y = V2Axis; V2Y <= V2LowEdge; V2Y += 1)
        segment(x, V2Y, Blue);
    StartX = x;
    Timer[6]->setEnabled(true);
}

void Incomp::Timer7_Timer() {
    if (!drawColumns(Switch::Open, 359, false, false))
        return;
    closingStep(Timer[6], Timp::CurX.pixel());
    Timer[7]->setEnabled(true);
}

void Incomp::Timer8_Timer() {
    if (!drawColumns(Switch::Closed, 399, true, false))
        return;
    Timer[7]->setEnabled(false);
    finalDrawing();
}

void Incomp::finalDrawing() {
    using namespace Timp;
    // The output pulses: v2 filled between its positive level and its axis.
    const std::array<std::pair<int, int>, 4> pulses{
        {{120, 159}, {200, 239}, {280, 305}, {360, 381}}};
    for (const auto &[first, last] : pulses) {
        for (CurX = first; CurX <= last; CurX += 1)
            for (CurY = V2HighEdge; CurY <= V2Axis; CurY += 1)
                Surface->drawLine(CurX.pixel(), CurY.pixel(), CurX.pixel(), CurY.pixel() + 1, Blue);
    }
    Surface->drawLine(400, ShortCircuit, 420, ShortCircuit, Black);
    printAt(420, 215, QStringLiteral("courant de court-circuit du générateur"));
    for (int x = 130; x <= 370; x += 40)
        printAt(x, 170, QStringLiteral("T/2"));
    TextIncomp[1]->show();
    ImageZenKo->show();
    ImageZenKf->hide();
    FrameBoutons->show();
    Surface->setAccessibleDescription(Finished);
    announceShown({TextIncomp[1]},
                  QStringLiteral("Le tracé des oscillogrammes est terminé. ") + navigationShown());
}

COURSE_PAGE_FACTORY(Incomp)

} // namespace pages
