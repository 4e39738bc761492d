#include "pages/Incomp.h"
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

// The axes of the five traces (rows of the page, y downwards).
constexpr int KAxis = 140;
constexpr int V1Axis = 190;
constexpr int I1Axis = 260;
constexpr int FluxAxis = 320;
constexpr int V2Axis = 370;
constexpr int AxisStart = 120;
constexpr int AxisEnd = 410;

// Levels of the traces.
constexpr int KClosed = KAxis;
constexpr int KOpen = 130;
constexpr int V1High = 160;     // +E
constexpr int V1LowEdge = 210;  // end of the falling edge; the level is one below
constexpr int V1HighEdge = 161; // end of the rising edge
constexpr int V2High = 340;
constexpr int V2LowEdge = 390;
constexpr int V2HighEdge = 341;
constexpr int Saturation = 227; // i1 level at which the core saturates
constexpr int ShortCircuit = 220;
constexpr int FluxSaturated = 287;

// Columns: a half-period T/2 is 40 columns, from x = 120.
constexpr int FirstColumn = 120;
constexpr int HalfPeriod = 40;

/// The last column of the half-period \a k (0 for the first, 120 to 159).
constexpr int lastColumn(int k) {
    return FirstColumn + (k + 1) * HalfPeriod - 1;
}

// The eight phases of the animation, one timer each. A drawing phase draws
// the columns of its half-period, one per tick, with K as it stands, then
// ends in the tick of its last column; phase 2 is the single tick in which K
// opens for the first time and the levels are labelled.
enum class Check { None, Saturation, SaturationRecorded };
enum class End { FirstOpening, Closing, Opening, SaturatedOpening, Final };
struct Phase {
    bool closed;    // K closed during the phase
    int halfPeriod; // the half-period drawn (-1: the labelling tick)
    Check check;    // the saturation test at the start of each column
    End end;        // what ends the phase, at the column after its last
};
constexpr std::array<Phase, 8> Phases{{
    {true, 0, Check::None, End::FirstOpening},                   // Timer1: 120 to 159
    {false, -1, Check::None, End::Opening},                      // Timer2: labels, K opens at 160
    {false, 1, Check::None, End::Closing},                       // Timer3: 160 to 199
    {true, 2, Check::None, End::Opening},                        // Timer4: 200 to 239
    {false, 3, Check::None, End::Closing},                       // Timer5: 240 to 279
    {true, 4, Check::SaturationRecorded, End::SaturatedOpening}, // Timer6: 280 to 319
    {false, 5, Check::None, End::Closing},                       // Timer7: 320 to 359
    {true, 6, Check::Saturation, End::Final},                    // Timer8: 360 to 399
}};
static_assert(lastColumn(0) == 159 && lastColumn(6) == 399);

// What the plot shows, for screen readers.
const QString EmptyPlot = QStringLiteral(
    "Zone des oscillogrammes de K, v1, i1, du flux et de v2 : le bouton Suite en lance le "
    "tracé.");
const QString Drawing = QStringLiteral(
    "Tracé en cours des oscillogrammes de K, v1, i1, du flux et de v2, demi-période par "
    "demi-période, pendant sept demi-périodes T/2.");
const QString Finished = QStringLiteral(
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
    : CoursePage(course, Id, Navigation::Panel), timp(course.shared<Timp>()) {
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

    // Timer1_Timer to Timer8_Timer: the phases, one row each.
    for (int i = 0; i < 8; ++i) {
        Timer[i] = new tk::Timer(this, QStringLiteral("Timer%1").arg(i + 1), TickMs);
        connect(Timer[i], &tk::Timer::tick, this, [this, i] { runPhase(i); });
    }
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

void Incomp::segment(int x, Coord y, const QColor &colour) {
    Surface->drawLine(x, y.pixel(), x + 1, y.pixel(), colour);
}

void Incomp::printAt(int x, int y, const QString &text) {
    Surface->setDrawingPosition(x, y);
    Surface->print(text);
}

void Incomp::Suite_Click() {
    TIMP_VARIABLES(timp);
    beep();
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
    for (const int axis : {KAxis, V1Axis, I1Axis, FluxAxis, V2Axis})
        Surface->drawLine(AxisStart, axis, AxisEnd, axis, AxisGrey,
                          tk::PlotSurface::Depth::Beneath);
    PrevY = V1High;
    I1Y = I1Axis;
    FluxY = FluxAxis;
    V2Y = V2High;
    printAt(125, 120, QStringLiteral("fermé"));
    Surface->setDrawingPosition(110, 150);
    Surface->setForeground(Blue);
    Surface->print(QStringLiteral("E"));
    StartX = FirstColumn;
    Surface->setAccessibleDescription(Drawing);
    Surface->setBeingDrawn(true);
    Timer[0]->setEnabled(true);
    announce(drawingStarts());
}

void Incomp::columnStep(bool closed) {
    TIMP_VARIABLES(timp);
    const int x = CurX.pixel();
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
    TIMP_VARIABLES(timp);
    if (I1Y == Saturation) {
        if (recordSaturation)
            SatY = I1Y;
        // v2 collapses to its axis, i1 jumps to the short-circuit current,
        // each from where it stands.
        for (; V2Y <= V2Axis - 1; V2Y += 1)
            segment(CurX.pixel(), V2Y, Blue);
        for (; I1Y >= ShortCircuit; I1Y -= 1)
            segment(CurX.pixel(), I1Y, Red);
    }
    if (I1Y < Saturation) {
        I1Y = ShortCircuit;
        FluxY = FluxSaturated;
        V2Y = V2Axis;
        beep();
    }
}

bool Incomp::drawColumns(int index) {
    TIMP_VARIABLES(timp);
    const Phase &phase = Phases[std::size_t(index)];
    const int last = lastColumn(phase.halfPeriod);
    for (CurX = StartX; CurX <= last; CurX += 1) {
        if (phase.check != Check::None)
            saturationTest(phase.check == Check::SaturationRecorded);
        columnStep(phase.closed);
        if (CurX < last)
            return false; // one column per tick; the timer stays enabled
    }
    return true;
}

void Incomp::openingEdges(int x) {
    TIMP_VARIABLES(timp);
    // v1 falls from +E to -(Vd+Vz), v2 to its negative level, each from
    // where it stands.
    for (; PrevY <= V1LowEdge; PrevY += 1)
        segment(x, PrevY, Blue);
    for (; V2Y <= V2LowEdge; V2Y += 1)
        segment(x, V2Y, Blue);
    printAt(x + 5, 110, QStringLiteral("ouvert"));
}

void Incomp::openingStep(int x) {
    openingEdges(x);
    showCircuit(ImageZenKfo);
    timp.StartX = x;
}

void Incomp::closingStep(int x) {
    TIMP_VARIABLES(timp);
    // v1 and v2 rise back to their positive levels, from where they stand.
    for (; PrevY >= V1HighEdge; PrevY -= 1)
        segment(x, PrevY, Blue);
    for (; V2Y >= V2HighEdge; V2Y -= 1)
        segment(x, V2Y, Blue);
    printAt(x + 5, 120, QStringLiteral("fermé"));
    showCircuit(ImageZenKf);
    StartX = x;
}

void Incomp::labels() {
    Surface->setDrawingPosition(115, 200);
    Surface->setForeground(Blue);
    Surface->print(QStringLiteral("-(Vd+Vz)"));
    // The peak current reached, above the i1 trace where K opens.
    Surface->setDrawingPosition(lastColumn(0) + 1, 225);
    Surface->setForeground(Red);
    Surface->print(QStringLiteral("I"));
    Surface->setForeground(Black); // every later label is black
}

void Incomp::saturatedOpening(int x) {
    TIMP_VARIABLES(timp);
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
}

void Incomp::runPhase(int index) {
    const Phase &phase = Phases[std::size_t(index)];
    int x = lastColumn(0) + 1; // where the labelling tick opens K
    if (phase.halfPeriod >= 0) {
        if (!drawColumns(index))
            return;
        x = timp.CurX.pixel(); // the column after the last
    }
    // The phase's timer stops, what ends it is drawn, the next one starts.
    Timer[std::size_t(index)]->setEnabled(false);
    switch (phase.end) {
    case End::FirstOpening:
        showCircuit(ImageZenKfo);
        break;
    case End::Opening:
        if (phase.halfPeriod < 0)
            labels();
        openingStep(x);
        break;
    case End::Closing:
        closingStep(x);
        break;
    case End::SaturatedOpening:
        saturatedOpening(x);
        break;
    case End::Final:
        finalDrawing();
        return;
    }
    Timer[std::size_t(index) + 1]->setEnabled(true);
}

void Incomp::finalDrawing() {
    TIMP_VARIABLES(timp);
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
    // Ten columns after the start of each half-period.
    for (int k = 0; k <= 6; ++k)
        printAt(FirstColumn + k * HalfPeriod + 10, 170, QStringLiteral("T/2"));
    TextIncomp[1]->show();
    ImageZenKo->show();
    ImageZenKf->hide();
    FrameBoutons->show();
    Surface->setAccessibleDescription(Finished);
    Surface->setBeingDrawn(false);
    announce(QStringLiteral("Le tracé des oscillogrammes est terminé."));
    announceShown({Surface, TextIncomp[1]}, navigationShown());
}

COURSE_PAGE_FACTORY(Incomp)

} // namespace pages
