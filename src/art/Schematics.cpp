// The symbols of the three driven components and the two transformer
// diagrams. The circuits of the demagnetisation and load pages are in
// SchematicDemag.cpp, the trigger of the application page in
// SchematicTrigger.cpp.

#include "art/Painters.h"
#include "art/Symbols.h"

#include <QPainter>

namespace art::painters {

using namespace art::symbols;
using draw::Black;
using draw::Blue;
using draw::Red;

// --- component symbols, one-pixel lines ---------------------------------------

namespace {

// The symbols of the function page are drawn with one-pixel leads whose axis
// runs through pixel centres (hence the halves).
const Shape ThinShape{.halfWidth = 7, .length = 12, .stroke = 1, .filled = false};

} // namespace

void thyristor(QPainter &p) {
    constexpr int W = 38, H = 35;
    constexpr int LeadRow = 12;
    background(p, W, H);
    const QPointF c(18.5, LeadRow + 0.5);
    thinLine(p, {0, LeadRow}, {12, LeadRow});
    thinLine(p, {24, LeadRow}, {W - 1, LeadRow});
    const QPointF gate = symbols::thyristor(p, c, Dir::Right, Dir::Down, 5, ThinShape);
    const int gx = int(gate.x());
    thinLine(p, {gx, int(gate.y())}, {gx, H - 1});
}

void triac(QPainter &p) {
    constexpr int W = 43, H = 54;
    constexpr int LeadRow = 21;
    background(p, W, H);
    const QPointF c(21.5, LeadRow + 0.5);
    thinLine(p, {0, LeadRow}, {15, LeadRow});
    thinLine(p, {27, LeadRow}, {W - 1, LeadRow});
    const QPointF gate = symbols::triac(p, c, 6, ThinShape);
    const int gx = int(gate.x());
    thinLine(p, {gx, int(gate.y())}, {gx, H - 1});
}

void transistor(QPainter &p) {
    constexpr int W = 26, H = 42;
    constexpr int BaseRow = 20;
    background(p, W, H);
    const NpnLeads leads = npn(p, QPointF(9.5, 11), 20, 10, 1);
    thinLine(p, {0, BaseRow}, {int(leads.base.x()) - 1, BaseRow});
    const int lx = int(leads.collector.x());
    thinLine(p, {lx, 0}, {lx, int(leads.collector.y())});
    thinLine(p, {lx, int(leads.emitter.y())}, {lx, H - 1});
}

// --- transformer diagrams -----------------------------------------------------

namespace dotConv {
constexpr int W = 141, H = 155;
constexpr int TopLead = 28, BottomLead = 138;           // rows of the lead nodes
constexpr int CoilTop = 43, Loops = 4, LoopHeight = 20; // coils from row 43 to 122
constexpr int PrimaryX = 51, SecondaryX = 89;           // lead nodes (axis one pixel right)
constexpr int TerminalLeft = 18, TerminalRight = 121;   // lead ends
constexpr int CoreLeft = 67, CoreRight = 74, CoreTop = 35, CoreBottom = 130;
constexpr int V1Column = 7, V2Column = 133; // voltage arrows
} // namespace dotConv

void dotConvention(QPainter &p) {
    using namespace dotConv;
    background(p, W, H);
    constexpr int CoilBottom = CoilTop + Loops * LoopHeight;

    // core
    draw::fillSpan(p, CoreLeft, CoreTop, CoreRight, CoreBottom, Black);
    draw::fillSpan(p, CoreLeft + 1, CoreTop + 1, CoreRight - 1, CoreBottom - 1,
                   QColor(128, 128, 128));

    // windings and their leads
    for (const int x : {PrimaryX, SecondaryX}) {
        const int end = x == PrimaryX ? TerminalLeft : TerminalRight;
        wirePath(p, {{x, CoilTop - 1}, {x, TopLead}, {end, TopLead}});
        wirePath(p, {{x, CoilBottom - 1}, {x, BottomLead}, {end, BottomLead}});
        terminal(p, {end, TopLead});
        terminal(p, {end, BottomLead});
        coil(p, QPointF(x + 1, CoilTop), Loops, LoopHeight, 8,
             x == PrimaryX ? Dir::Right : Dir::Left);
    }
    polarityDot(p, QPointF(PrimaryX + 9, CoilTop - 6), 3);
    polarityDot(p, QPointF(SecondaryX - 7, CoilTop - 6), 3);

    // currents on the top leads, both to the right
    currentArrow(p, {38, TopLead}, Dir::Right);
    text(p, 25, TopLead - 15, QStringLiteral("i1"), Red);
    currentArrow(p, {110, TopLead}, Dir::Right);
    text(p, 97, TopLead - 15, QStringLiteral("i2"), Red);

    // voltages along the edges, pointing to the dotted ends
    voltageArrowV(p, V1Column, BottomLead - 2, TopLead + 3);
    text(p, V1Column + 5, 76, QStringLiteral("v1"), Blue);
    voltageArrowV(p, V2Column, BottomLead - 2, TopLead + 3);
    textRight(p, V2Column - 4, 76, QStringLiteral("v2"), Blue);
}

namespace noLoad {
constexpr int W = 108, H = 85;
constexpr int TopLead = 15, BottomLead = 74;
constexpr QRect Primary{36, 27, 8, 37};
constexpr QRect Secondary{64, 27, 8, 37};
constexpr int CoreX = 52; // the two core lines: 52 and 55
constexpr int TerminalLeft = 8, TerminalRight = 97;
constexpr int V1Column = 24, V2Column = 83;
} // namespace noLoad

void noLoadTransformer(QPainter &p) {
    using namespace noLoad;
    background(p, W, H);
    for (const QRect &bar : {Primary, Secondary}) {
        const int x = bar.center().x();
        const int end = bar == Primary ? TerminalLeft : TerminalRight;
        wirePath(p, {{x, bar.top()}, {x, TopLead}, {end, TopLead}});
        wirePath(p, {{x, bar.bottom() - 1}, {x, BottomLead}, {end, BottomLead}});
        terminal(p, {end, TopLead});
        terminal(p, {end, BottomLead});
        winding(p, bar);
    }
    core(p, CoreX, Primary.top() - 6, Primary.bottom() + 6);
    polarityDot(p, QPointF(Primary.right() + 3, Primary.top() - 5));
    polarityDot(p, QPointF(Secondary.left() - 2, Secondary.top() - 5));

    currentArrow(p, {28, TopLead}, Dir::Right);
    text(p, 13, 0, QStringLiteral("i1"), Red);
    currentArrow(p, {88, TopLead}, Dir::Right);
    text(p, 73, 0, QStringLiteral("i2"), Red);

    voltageArrowV(p, V1Column, BottomLead - 7, TopLead + 10);
    textRight(p, V1Column - 3, 39, QStringLiteral("v1"), Blue);
    voltageArrowV(p, V2Column, BottomLead - 7, TopLead + 10);
    text(p, V2Column + 5, 39, QStringLiteral("v2"), Blue);
}

} // namespace art::painters
