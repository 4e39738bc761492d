// The trigger of the half-controlled bridge (application page): the pulse
// generator drives transistor H, which switches the 15 V supply onto the
// primary of Tr; each of the two secondaries fires one thyristor of the
// bridge through a diode and a resistor; the bridge feeds the motor M through
// the smoothing inductance Lm.
//
// The gate of each thyristor is fed from the dotted (lower) end of its
// secondary, the other end going to the cathode; the primary's dot is at its
// upper end, on the 15 V side, so the gates are driven while H conducts.

#include "art/Painters.h"
#include "art/Symbols.h"

#include <QCoreApplication>
#include <QPainter>

namespace art::painters {

using namespace art::symbols;
using draw::Black;
using draw::Blue;
using draw::Red;

namespace {

constexpr int W = 550, H = 99;
constexpr int Small = 10; // labels where space is tight
constexpr int Tiny = 9;
constexpr int GroundY = 86;
const QColor BoxGrey(176, 176, 176); // the generator's box
const Shape SmallDiode{.halfWidth = 5, .length = 8};

// --- generator and transistor stage --------------------------------------------

namespace stage {
constexpr QRect Box{2, 12, 88, 68};
constexpr int RailY = 4;       // the +15 V rail
constexpr int SupplyX = 74;    // where the rail leaves the box
constexpr int BoxGroundX = 45; // the box's ground lead
constexpr int BaseY = 69;      // the pulse output vi and the base lead
constexpr int ViColumn = 97;
constexpr int RbX = 122;
constexpr QPointF BarTop{150, 60}; // transistor H
constexpr int BarLength = 20;
constexpr int CollectorX = 159, CollectorY = 48; // the node under the primary
constexpr int VceColumn = 170;
constexpr int BranchX = 182, DiodeY = 15, ZenerY = 36, IzArrowY = 22;
constexpr int PrimaryX = 212;
constexpr QRect PrimaryBar{209, 20, 8, 21};
constexpr int VColumn = 200;
} // namespace stage

void generator(QPainter &p) {
    using namespace stage;
    draw::fill(p, Box.x(), Box.y(), Box.width(), Box.height(), Black);
    draw::fill(p, Box.x() + 1, Box.y() + 1, Box.width() - 2, Box.height() - 2, BoxGrey);
    // One line of the box for each line of the text.
    const QString text = QCoreApplication::translate(
        "art::Drawing", "Alimentation 15V\nGénérateur\nd'impulsions\nsynchronisé\nsur le secteur");
    int y = Box.y() + 4;
    for (const QString &line : text.split(u'\n')) {
        textCentred(p, Box.center().x() + 1, y, line, Black, Small);
        y += 12;
    }
    wire(p, {BoxGroundX, Box.bottom() + 1}, {BoxGroundX, GroundY});
    ground(p, {BoxGroundX, GroundY});
}

void transistorStage(QPainter &p) {
    using namespace stage;
    const QPoint baseNode{int(BarTop.x()) - 3, BaseY};
    wirePath(p, {{SupplyX, Box.top() - 1}, {SupplyX, RailY}, {PrimaryX, RailY}});
    wire(p, {Box.right() + 1, BaseY}, baseNode);
    resistor(p, centre({RbX, BaseY}), false);
    textCentred(p, RbX + 1, BaseY - 14, QStringLiteral("Rb"), Black, Small);
    voltageArrowV(p, ViColumn, GroundY + 2, BaseY + 4);
    text(p, ViColumn + 4, BaseY + 8, QStringLiteral("vi"), Blue, Small);

    const NpnLeads leads = npn(p, BarTop, BarLength, 10, 2);
    const int lead = int(leads.collector.x()) - 1;
    wire(p, {lead, int(leads.collector.y()) - 1}, {lead, CollectorY});
    wire(p, {lead, int(leads.emitter.y()) - 1}, {lead, GroundY});
    ground(p, {lead, GroundY});
    textRight(p, int(BarTop.x()) - 4, BaseY + 4, QStringLiteral("H"), Black, Small);
    currentArrow(p, {lead, CollectorY + 8}, Dir::Down);
    textRight(p, lead - 6, CollectorY - 2, QStringLiteral("ic"), Red, Small);
    voltageArrowV(p, VceColumn, GroundY - 4, int(leads.collector.y()) + 2);
    text(p, VceColumn + 4, BaseY - 5, QStringLiteral("vce"), Blue, Small);
}

void primarySide(QPainter &p) {
    using namespace stage;
    wirePath(p, {{PrimaryX, RailY}, {PrimaryX, CollectorY}, {CollectorX, CollectorY}});
    wire(p, {BranchX, RailY}, {BranchX, CollectorY});
    junction(p, {BranchX, RailY});
    junction(p, {BranchX, CollectorY});
    diode(p, centre({BranchX, DiodeY}), Dir::Up, SmallDiode);
    zener(p, centre({BranchX, ZenerY}), Dir::Down, SmallDiode);
    textRight(p, BranchX - 5, DiodeY - 6, QStringLiteral("D"), Black, Small);
    currentArrow(p, {BranchX, IzArrowY}, Dir::Up);
    textRight(p, BranchX - 5, IzArrowY - 3, QStringLiteral("iz"), Red, Small);
    textRight(p, BranchX - 5, ZenerY - 6, QStringLiteral("Dz"), Black, Small);

    winding(p, PrimaryBar);
    currentArrow(p, {PrimaryX, PrimaryBar.top() - 4}, Dir::Down);
    textRight(p, PrimaryX - 5, RailY + 3, QStringLiteral("i"), Red, Small);
    voltageArrowV(p, VColumn, PrimaryBar.bottom(), PrimaryBar.top());
    textRight(p, VColumn - 4, PrimaryBar.center().y() - 6, QStringLiteral("v"), Blue, Small);
}

// --- transformer, gate circuits and bridge --------------------------------------

namespace bridge {
constexpr int CoreX = 220; // core lines in columns 220 and 223
constexpr int CoreTop = 20, CoreBottom = 80;
constexpr int SecondaryX = 230;
constexpr int PlusY = 10, MidY = 48, MinusY = 88; // bridge rails and AC midpoints
constexpr int LegA = 374, LegB = 438;             // thyristor leg, diode leg
constexpr int UpperY = 26, LowerY = 65;           // centres of K1 / D1 and K2 / D2
constexpr int SourceX = 405;
constexpr int VoltColumn = 246; // v1, v2
constexpr int ArrowX = 270;     // gate current arrows
constexpr int DiodeX = 292, ResistorX = 320, RiserX = 340;
constexpr int VgColumn = 358;
constexpr int LoadX = 486, MotorY = 66, VmColumn = 516;
constexpr QRect Inductor{483, 18, 8, 24};
} // namespace bridge

// One secondary winding and the gate circuit it feeds. The winding spans
// rows top..bottom; its upper lead goes right along cathodeY to the
// thyristor's cathode, its lower (dotted) lead along driveY through the diode
// and the resistor, then up to the gate at gateY.
struct GateCircuit {
    int top, bottom;
    int cathodeY, driveY, gateY;
    const char *number; // "1" or "2"
};

void gateCircuit(QPainter &p, const GateCircuit &g) {
    using namespace bridge;
    const QString n = QString::fromLatin1(g.number);
    wirePath(p, {{SecondaryX, g.top}, {SecondaryX, g.cathodeY}, {LegA, g.cathodeY}});
    wirePath(p, {{SecondaryX, g.bottom},
                 {SecondaryX, g.driveY},
                 {RiserX, g.driveY},
                 {RiserX, g.gateY},
                 {LegA - 10, g.gateY}});
    winding(p, QRect(SecondaryX - 3, g.top, 8, g.bottom - g.top + 1));
    polarityDot(p, QPointF(SecondaryX + 9, g.bottom - 3));

    voltageArrowV(p, VoltColumn, g.top + 2, g.bottom - 1);
    text(p, VoltColumn + 4, (g.top + g.bottom) / 2 - 7, QStringLiteral("v") + n, Blue, Small);
    currentArrow(p, {ArrowX, g.driveY}, Dir::Right);
    textCentred(p, ArrowX - 3, g.driveY - 14, QStringLiteral("i") + n, Red, Small);
    diode(p, centre({DiodeX, g.driveY}), Dir::Right, SmallDiode);
    textCentred(p, DiodeX + 1, g.driveY - 15, QStringLiteral("Dg") + n, Black, Tiny);
    resistor(p, centre({ResistorX, g.driveY}), false, 16, 7);
    textCentred(p, ResistorX + 1, g.driveY - 15, QStringLiteral("Rg") + n, Black, Tiny);
    voltageArrowV(p, VgColumn, g.cathodeY + 3, g.gateY - 2);
    textRight(p, VgColumn - 3, g.cathodeY + 3, QStringLiteral("vg") + n, Blue, Tiny);
}

void thyristorBridge(QPainter &p) {
    using namespace bridge;
    // legs and rails
    wirePath(p, {{LegA, PlusY}, {LegA, MinusY}, {LoadX, MinusY}, {LoadX, PlusY}, {LegA, PlusY}});
    wire(p, {LegB, PlusY}, {LegB, MinusY});
    wire(p, {LegA, MidY}, {LegB, MidY});
    for (const QPoint j : {QPoint(LegA, PlusY), QPoint(LegA, MidY), QPoint(LegB, PlusY),
                           QPoint(LegB, MidY), QPoint(LegB, MinusY)})
        junction(p, j);

    symbols::thyristor(p, centre({LegA, UpperY}), Dir::Up, Dir::Left, -5);
    symbols::thyristor(p, centre({LegA, LowerY}), Dir::Up, Dir::Left, -5);
    diode(p, centre({LegB, UpperY}), Dir::Up);
    diode(p, centre({LegB, LowerY}), Dir::Up);
    text(p, LegA + 9, UpperY - 5, QStringLiteral("K1"), Black, Small);
    text(p, LegA + 9, LowerY - 5, QStringLiteral("K2"), Black, Small);
    textRight(p, LegB - 7, UpperY - 5, QStringLiteral("D1"), Black, Small);
    textRight(p, LegB - 7, LowerY - 5, QStringLiteral("D2"), Black, Small);

    acSource(p, centre({SourceX, MidY}), 7);
    voltageArrowH(p, MidY - 11, SourceX + 8, SourceX - 6);
    textCentred(p, SourceX + 1, MidY - 25, QStringLiteral("vr"), Blue, Small);

    // load: smoothing inductance and motor
    winding(p, Inductor);
    text(p, Inductor.right() + 5, Inductor.center().y() - 6, QStringLiteral("Lm"), Black, Small);
    motor(p, centre({LoadX, MotorY}), 9);
    voltageArrowV(p, VmColumn, MinusY - 2, PlusY + 4);
    text(p, VmColumn + 4, MidY - 6, QStringLiteral("vm"), Blue, Small);
}

void transformer(QPainter &p) {
    using namespace bridge;
    core(p, CoreX, CoreTop, CoreBottom);
    polarityDot(p, QPointF(stage::PrimaryBar.right() + 3, stage::PrimaryBar.top() - 4));
    textCentred(p, CoreX + 2, CoreBottom + 2, QStringLiteral("Tr"), Black, Small);
    gateCircuit(
        p, {.top = 16, .bottom = 34, .cathodeY = PlusY, .driveY = 38, .gateY = 26, .number = "1"});
    gateCircuit(
        p, {.top = 54, .bottom = 74, .cathodeY = MidY, .driveY = 80, .gateY = 65, .number = "2"});
}

} // namespace

void triggerCircuit(QPainter &p) {
    background(p, W, H);
    generator(p);
    transistorStage(p);
    primarySide(p);
    transformer(p);
    thyristorBridge(p);
}

} // namespace art::painters
