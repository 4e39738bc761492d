#pragma once

// The circuit symbols that the schematics share: wires, arrows, source,
// switch, diodes, thyristor, triac, transistor, resistor, ground, windings,
// core and polarity dots.
//
// Geometry. Wires are two pixels thick and run between nodes: the node (x, y)
// is the 2 x 2 pixel square x..x+1, y..y+1, so wires that share a node meet in
// a clean corner, and the axis of a wire through the node passes through
// centre(node), a pixel corner. Components are placed by the point of their
// axis at their middle and drawn over a wire that the caller has already laid
// through them; a component clears what it must hide with the background grey.
// Straight lines and bars are exact pixel fills; slanted lines, triangles and
// dots are antialiased.

#include "art/Draw.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>

#include <initializer_list>

namespace art::symbols {

/// A direction: where a diode conducts to, where an arrow points.
enum class Dir { Up, Down, Left, Right };

/// The centre of a node: the pixel corner between its four pixels.
inline QPointF centre(QPoint node) {
    return QPointF(node.x() + 1.0, node.y() + 1.0);
}

/// Fills the whole picture with the background grey.
void background(QPainter &p, int width, int height);

// --- wires and lines -------------------------------------------------------

/// A straight horizontal or vertical wire from node a to node b, both included.
void wire(QPainter &p, QPoint a, QPoint b, const QColor &c = draw::Black);
/// A wire through the nodes in order, each step horizontal or vertical.
void wirePath(QPainter &p, std::initializer_list<QPoint> nodes, const QColor &c = draw::Black);
/// A filled junction dot on a node.
void junction(QPainter &p, QPoint node, const QColor &c = draw::Black);
/// An open terminal circle ending a wire at a node.
void terminal(QPainter &p, QPoint node);
/// A one-pixel line between two pixels on the same row or column, both included.
void thinLine(QPainter &p, QPoint a, QPoint b, const QColor &c = draw::Black);
/// An antialiased straight line of any slope.
void slantLine(QPainter &p, QPointF a, QPointF b, qreal width, const QColor &c = draw::Black);

// --- arrows ----------------------------------------------------------------

/// A filled arrowhead with its tip at \a tip, pointing along \a direction
/// (any vector).
void arrowHead(QPainter &p, QPointF tip, QPointF direction, const QColor &c, qreal length = 7,
               qreal halfWidth = 3.5);
/// The same, pointing to \a dir.
void arrowHead(QPainter &p, QPointF tip, Dir dir, const QColor &c, qreal length = 7,
               qreal halfWidth = 3.5);
/// A current arrowhead on the wire through \a node, its tip at the node's centre.
void currentArrow(QPainter &p, QPoint node, Dir dir, const QColor &c = draw::Red);
/// A voltage arrow: a one-pixel shaft in column \a x from row \a from to row
/// \a to, both included, the head ending at \a to.
void voltageArrowV(QPainter &p, int x, int from, int to, const QColor &c = draw::Blue);
/// The same, horizontal, in row \a y.
void voltageArrowH(QPainter &p, int y, int from, int to, const QColor &c = draw::Blue);

// --- semiconductors --------------------------------------------------------

/// The drawing of a diode-like symbol: half the width of the triangle, its
/// length along the leads, the thickness of the cathode bar and of the leads'
/// slanted parts, and whether the triangle is filled or a one-pixel outline.
struct Shape {
    qreal halfWidth = 6;
    qreal length = 10;
    qreal stroke = 2;
    bool filled = true;
};

/// A diode centred on \a c, conducting towards \a dir (the triangle points
/// onto the cathode bar).
void diode(QPainter &p, QPointF c, Dir dir, const Shape &s = {});
/// A Zener diode: a diode whose cathode bar has bent ends.
void zener(QPainter &p, QPointF c, Dir dir, const Shape &s = {});
/// A thyristor: a diode whose gate leaves the end of the cathode bar on the
/// side \a gateSide and slants outwards and away from the anode by \a slant
/// (back towards the anode when \a slant is negative). Returns the end of the
/// slant, from which the caller continues the gate lead.
QPointF thyristor(QPainter &p, QPointF c, Dir dir, Dir gateSide, qreal slant, const Shape &s = {});
/// A triac centred on \a c, its main leads horizontal: two opposite triangles
/// one above the other between two vertical bars. The gate leaves the lower
/// end of the right bar and slants down to the right by \a slant; returns
/// the end of the slant.
QPointF triac(QPainter &p, QPointF c, qreal slant, const Shape &s = {});

/// An NPN transistor without envelope: the base bar stands from \a barTop
/// down over \a barLength; the collector slants up and the emitter, with its
/// arrow, down to the right, each ending at the axis \a reach to the right of
/// the bar. The caller lays the base lead into the bar's middle and the
/// collector and emitter leads from the returned ends.
struct NpnLeads {
    QPointF base, collector, emitter;
};
NpnLeads npn(QPainter &p, QPointF barTop, qreal barLength, qreal reach, qreal stroke);

// --- other components ------------------------------------------------------

/// A battery in a vertical wire centred on \a c; the long thin plate (the
/// positive terminal) towards \a plus.
void battery(QPainter &p, QPointF c, Dir plus = Dir::Up);
/// The switch between two nodes of a horizontal wire: two contact dots and a
/// blade that joins them when \a closed and hangs down from the right contact
/// when open.
void switchK(QPainter &p, QPoint left, QPoint right, bool closed,
             const QColor &blade = draw::Black);
/// A resistor, a rectangle with a one-pixel outline centred on \a c, \a length
/// along the wire and \a width across.
void resistor(QPainter &p, QPointF c, bool vertical, int length = 18, int width = 8);
/// A ground symbol: three bars under the node, the wire leading down to them.
void ground(QPainter &p, QPoint node);
/// An AC source: a circle on the wire with a sine wave inside.
void acSource(QPainter &p, QPointF c, qreal radius = 7);
/// A motor: a circle with an "M".
void motor(QPainter &p, QPointF c, qreal radius = 8);

/// A winding: a dark-grey bar with a one-pixel black outline, pixels \a r.
void winding(QPainter &p, const QRect &r);
/// A winding drawn as \a loops half-loops under \a top, each \a loopHeight
/// tall, bulging by \a bulge towards \a side (Left or Right).
void coil(QPainter &p, QPointF top, int loops, qreal loopHeight, qreal bulge, Dir side,
          qreal stroke = 2);
/// A magnetic core: two thin vertical lines in columns \a x and \a x + 3,
/// rows \a y1 to \a y2.
void core(QPainter &p, int x, int y1, int y2);
/// The filled dot that marks same-polarity terminals.
void polarityDot(QPainter &p, QPointF c, qreal radius = 2.5);

// --- labels ----------------------------------------------------------------

/// Text with the top of its line box at (x, y).
void text(QPainter &p, int x, int y, const QString &s, const QColor &c = draw::Black,
          int pixelSize = fonts::Pt8_25);
/// Text centred on \a cx.
void textCentred(QPainter &p, int cx, int y, const QString &s, const QColor &c = draw::Black,
                 int pixelSize = fonts::Pt8_25);
/// Text ending at \a right.
void textRight(QPainter &p, int right, int y, const QString &s, const QColor &c = draw::Black,
               int pixelSize = fonts::Pt8_25);

} // namespace art::symbols
