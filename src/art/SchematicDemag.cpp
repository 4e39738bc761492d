// The circuits of the demagnetisation pages and of the load page: a DC source
// E switched by K onto the primary of the transformer, with a diode D (and,
// in the Zener versions, a Zener diode Dz under it) across the primary. The
// six demagnetisation pictures differ in the Zener diode, the state of K and
// the current path drawn in red; the load circuit adds a loaded secondary.

#include "art/Painters.h"
#include "art/Symbols.h"

#include <QPainter>

namespace art::painters {

using namespace art::symbols;
using draw::Black;
using draw::Blue;
using draw::Red;

namespace {

// Layout of the primary side, shared by the demagnetisation and load
// circuits. x and y are wire nodes unless stated otherwise.
namespace primary {
constexpr int TopY = 16, BottomY = 80; // the two supply wires
constexpr int SourceX = 26, BatteryY = 47;
constexpr int EArrowColumn = 10;
constexpr int SwitchLeftX = 36, SwitchRightX = 53;
constexpr int BranchX = 96, DiodeY = 33, ZenerY = 61;
constexpr int BranchArrowY = 43; // current arrow between D and Dz
constexpr int VdColumn = 83;     // voltage arrows beside the branch
constexpr int PrimaryX = 152;    // lead of the primary winding
constexpr QRect PrimaryBar{149, 31, 8, 36};
constexpr int CoreX = 163; // core lines in columns 163 and 166
constexpr int SecondaryX = 176;
constexpr QRect SecondaryBar{173, 31, 8, 36};
constexpr int V1Column = 137;
} // namespace primary

// Which loop carries current, drawn in red.
enum class Path {
    None,   ///< K open, no current
    Source, ///< K closed: source, top wire, primary, bottom wire, K
    Demag,  ///< K just opened: primary, bottom wire, up the branch, top wire
};

struct PrimarySide {
    bool zener = false;
    bool closed = false;
    Path path = Path::None;
};

// Lays the wires of the primary side, black, then the current loop over them
// in red.
void primaryWires(QPainter &p, const PrimarySide &c) {
    using namespace primary;
    const QColor sourceLoop = c.path == Path::Source ? Red : Black;
    const QColor demagLoop = c.path != Path::None ? Red : Black;
    const QColor branch = c.path == Path::Demag ? Red : Black;
    wirePath(p, {{SourceX, BatteryY}, {SourceX, TopY}, {BranchX, TopY}}, sourceLoop);
    wirePath(p, {{SourceX, BatteryY}, {SourceX, BottomY}, {BranchX, BottomY}}, sourceLoop);
    wire(p, {BranchX, TopY}, {BranchX, BottomY}, branch);
    wirePath(p, {{BranchX, TopY}, {PrimaryX, TopY}, {PrimaryX, BottomY}, {BranchX, BottomY}},
             demagLoop);
}

void primaryComponents(QPainter &p, const PrimarySide &c) {
    using namespace primary;
    battery(p, centre({SourceX, BatteryY}), Dir::Up);
    switchK(p, {SwitchLeftX, BottomY}, {SwitchRightX, BottomY}, c.closed,
            c.path == Path::Source ? Red : Black);
    diode(p, centre({BranchX, DiodeY}), Dir::Up);
    if (c.zener)
        zener(p, centre({BranchX, ZenerY}), Dir::Down);
    junction(p, {BranchX, TopY});
    junction(p, {BranchX, BottomY});
    winding(p, PrimaryBar);
    core(p, CoreX, PrimaryBar.top() - 2, PrimaryBar.bottom() + 2);
    polarityDot(p, QPointF(PrimaryBar.right() + 4, PrimaryBar.top() - 5));
}

void primaryArrowsAndLabels(QPainter &p, const PrimarySide &c) {
    using namespace primary;
    // the loop's direction
    if (c.path == Path::Source) {
        currentArrow(p, {SourceX, TopY + 13}, Dir::Up);
        currentArrow(p, {SourceX + 30, TopY}, Dir::Right);
        currentArrow(p, {BranchX + 26, BottomY}, Dir::Left);
        currentArrow(p, {SwitchRightX + 22, BottomY}, Dir::Left);
    } else if (c.path == Path::Demag) {
        currentArrow(p, {BranchX, BranchArrowY}, Dir::Up);
        currentArrow(p, {BranchX + 26, BottomY}, Dir::Left);
    }
    currentArrow(p, {PrimaryX - 10, TopY}, Dir::Right);
    text(p, PrimaryX - 22, TopY - 16, QStringLiteral("i1"), Red);

    // source and switch
    voltageArrowV(p, EArrowColumn, BatteryY + 14, BatteryY - 12);
    text(p, EArrowColumn - 9, BatteryY - 5, QStringLiteral("E"), Blue);
    textCentred(p, (SwitchLeftX + SwitchRightX) / 2 + 1, BottomY - 16, QStringLiteral("K"));

    // the branch
    text(p, BranchX + 10, DiodeY - 5, QStringLiteral("D"));
    voltageArrowV(p, VdColumn, DiodeY - 7, DiodeY + 9);
    textRight(p, VdColumn - 5, DiodeY - 5, QStringLiteral("Vd"), Blue);
    if (c.zener) {
        text(p, BranchX + 10, ZenerY - 5, QStringLiteral("Dz"));
        voltageArrowV(p, VdColumn, ZenerY - 7, ZenerY + 9);
        textRight(p, VdColumn - 5, ZenerY - 5, QStringLiteral("Vz"), Blue);
    }

    // primary voltage
    voltageArrowV(p, V1Column, PrimaryBar.bottom() - 2, PrimaryBar.top() + 2);
    textRight(p, V1Column - 3, PrimaryBar.center().y() - 6, QStringLiteral("v1"), Blue);
}

// The secondary winding and its leads, up to the nodes (endX, TopY) and
// (endX, BottomY).
void secondary(QPainter &p, int endX) {
    using namespace primary;
    wirePath(p, {{endX, TopY}, {SecondaryX, TopY}, {SecondaryX, BottomY}, {endX, BottomY}});
    winding(p, SecondaryBar);
    polarityDot(p, QPointF(SecondaryBar.left() - 3, SecondaryBar.top() - 5));
    currentArrow(p, {SecondaryX + 20, TopY}, Dir::Right);
    text(p, SecondaryX + 10, TopY - 16, QStringLiteral("i2"), Red);
}

// --- the six demagnetisation pictures ---------------------------------------

namespace demag {
constexpr int W = 239, H = 96;
constexpr int TerminalX = 207;
constexpr int V2Column = 217;
} // namespace demag

void demagCircuit(QPainter &p, const PrimarySide &c) {
    using namespace primary;
    using namespace demag;
    background(p, W, H);
    primaryWires(p, c);
    primaryComponents(p, c);
    primaryArrowsAndLabels(p, c);
    secondary(p, TerminalX);
    terminal(p, {TerminalX, TopY});
    terminal(p, {TerminalX, BottomY});
    voltageArrowV(p, V2Column, BottomY - 4, TopY + 6);
    text(p, V2Column + 5, SecondaryBar.center().y() - 6, QStringLiteral("v2"), Blue);
}

} // namespace

void diodeKo(QPainter &p) {
    demagCircuit(p, {.zener = false, .closed = false, .path = Path::None});
}
void diodeKf(QPainter &p) {
    demagCircuit(p, {.zener = false, .closed = true, .path = Path::Source});
}
void diodeKfo(QPainter &p) {
    demagCircuit(p, {.zener = false, .closed = false, .path = Path::Demag});
}
void zenKo(QPainter &p) {
    demagCircuit(p, {.zener = true, .closed = false, .path = Path::None});
}
void zenKf(QPainter &p) {
    demagCircuit(p, {.zener = true, .closed = true, .path = Path::Source});
}
void zenKfo(QPainter &p) {
    demagCircuit(p, {.zener = true, .closed = false, .path = Path::Demag});
}

// --- the load circuit ---------------------------------------------------------

namespace load {
constexpr int W = 295, H = 96;
constexpr int V2Column = 190;
constexpr int RectifierX = 226; // node at the middle of Dr
constexpr int LoadX = 262, LoadY = 48;
constexpr int VColumn = 278;
} // namespace load

void loadCircuit(QPainter &p) {
    using namespace primary;
    using namespace load;
    const PrimarySide side{.zener = true, .closed = false, .path = Path::None};
    background(p, W, H);
    primaryWires(p, side);
    wirePath(p, {{SecondaryX, TopY}, {LoadX, TopY}, {LoadX, BottomY}, {SecondaryX, BottomY}});
    primaryComponents(p, side);
    primaryArrowsAndLabels(p, side);
    secondary(p, SecondaryX);
    voltageArrowV(p, V2Column, SecondaryBar.bottom() - 2, SecondaryBar.top() + 2);
    text(p, V2Column + 5, SecondaryBar.center().y() - 6, QStringLiteral("v2"), Blue);

    diode(p, centre({RectifierX, TopY}), Dir::Right);
    textCentred(p, RectifierX + 1, TopY + 9, QStringLiteral("Dr"));
    resistor(p, centre({LoadX, LoadY}), true, 20, 8);
    textRight(p, LoadX - 6, LoadY - 5, QStringLiteral("R"));
    voltageArrowV(p, VColumn, LoadY + 16, LoadY - 14);
    text(p, VColumn + 5, LoadY - 5, QStringLiteral("v"), Blue);
}

} // namespace art::painters
