// The photograph of three pulse transformers and the publisher's emblem.
//
// The "photograph" is a shaded drawing: every part is a box or a cylinder seen
// in an oblique view (depth runs up and to the right), lit from the upper left,
// standing on a grey studio backdrop with soft contact shadows.

#include "art/Draw.h"
#include "art/IllustrationKit.h"
#include "art/Painters.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <initializer_list>
#include <utility>

namespace art::painters {
namespace {

using namespace art::illustration;

// An oblique view: x to the right, y up, z away from the viewer. `ground` is
// where the point (0, 0, 0) lands on the picture.
struct View {
    QPointF ground;
    qreal kx = 0.32;
    qreal ky = 0.42;

    QPointF at(qreal x, qreal y, qreal z) const {
        return {ground.x() + x + kx * z, ground.y() - y - ky * z};
    }
};

// An axis-aligned box of the view.
struct Box {
    qreal x0, x1, y0, y1, z0, z1;
};

QPolygonF frontFace(const View &v, const Box &b) {
    return QPolygonF({v.at(b.x0, b.y0, b.z0), v.at(b.x1, b.y0, b.z0), v.at(b.x1, b.y1, b.z0),
                      v.at(b.x0, b.y1, b.z0)});
}

QPolygonF topFace(const View &v, const Box &b) {
    return QPolygonF({v.at(b.x0, b.y1, b.z0), v.at(b.x1, b.y1, b.z0), v.at(b.x1, b.y1, b.z1),
                      v.at(b.x0, b.y1, b.z1)});
}

QPolygonF sideFace(const View &v, const Box &b) {
    return QPolygonF({v.at(b.x1, b.y0, b.z0), v.at(b.x1, b.y0, b.z1), v.at(b.x1, b.y1, b.z1),
                      v.at(b.x1, b.y1, b.z0)});
}

QPolygonF footprint(const View &v, const Box &b, qreal y) {
    return QPolygonF(
        {v.at(b.x0, y, b.z0), v.at(b.x1, y, b.z0), v.at(b.x1, y, b.z1), v.at(b.x0, y, b.z1)});
}

void fillPolygon(QPainter &p, const QPolygonF &poly, const QBrush &brush) {
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    p.fillPath(path, brush);
}

// Colours of a solid box: its faces and the glints on its lit edges.
struct Finish {
    QColor frontTop, frontBottom; // vertical gradient of the front face
    QColor topFront, topBack;     // gradient of the top face, front edge to back edge
    QColor sideFront, sideBack;   // gradient of the right face
    QColor glint;                 // the lit front-top edge (alpha gives its strength)
};

// Paints the three visible faces of a box and the glint of its front-top edge.
void paintBox(QPainter &p, const View &v, const Box &b, const Finish &f) {
    const QPolygonF front = frontFace(v, b), top = topFace(v, b), side = sideFace(v, b);
    fillPolygon(p, side,
                gradient(v.at(b.x1, b.y1, b.z0), v.at(b.x1, b.y1, b.z1),
                         {{0, f.sideFront}, {1, f.sideBack}}));
    fillPolygon(p, top,
                gradient(v.at(b.x0, b.y1, b.z0), v.at(b.x0, b.y1, b.z1),
                         {{0, f.topFront}, {1, f.topBack}}));
    fillPolygon(p, front,
                gradient(v.at(b.x0, b.y1, b.z0), v.at(b.x0, b.y0, b.z0),
                         {{0, f.frontTop}, {1, f.frontBottom}}));
    p.save();
    p.setPen(QPen(f.glint, 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(v.at(b.x0 + 0.5, b.y1, b.z0), v.at(b.x1 - 0.5, b.y1, b.z0));
    // The vertical edges: the left one faces the light, the right one turns away.
    QColor edge = f.glint;
    edge.setAlphaF(edge.alphaF() * 0.5);
    p.setPen(QPen(edge, 0.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(v.at(b.x1, b.y1, b.z0), v.at(b.x1, b.y0 + 0.5, b.z0));
    edge.setAlphaF(f.glint.alphaF() * 0.35);
    p.setPen(QPen(edge, 0.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(v.at(b.x0 + 0.3, b.y1 - 0.5, b.z0), v.at(b.x0 + 0.3, b.y0 + 0.5, b.z0));
    p.restore();
}

// An elliptic shadow that fades from its centre.
void contactShadow(QPainter &p, QPointF centre, qreal rx, qreal ry, int alpha) {
    p.save();
    QRadialGradient g(QPointF(0, 0), 1);
    g.setColorAt(0, QColor(0, 0, 0, alpha));
    g.setColorAt(0.55, QColor(0, 0, 0, alpha * 2 / 5));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.translate(centre);
    p.scale(rx, ry);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), 1, 1);
    p.restore();
}

// A tinned pin standing from `top` down to `bottom` (picture coordinates).
void pin(QPainter &p, QPointF top, qreal bottom, qreal width) {
    const QRectF r(top.x() - width / 2, top.y(), width, bottom - top.y());
    const QLinearGradient metal = gradient(r.topLeft(), r.topRight(),
                                           {{0, QColor(96, 96, 100)},
                                            {0.3, QColor(238, 238, 242)},
                                            {0.55, QColor(176, 176, 182)},
                                            {1, QColor(70, 70, 74)}});
    QPainterPath path;
    path.addRoundedRect(r, width / 2.5, width / 2.5);
    p.fillPath(path, metal);
}

// The matte grain of ferrite or moulding compound over a face: tiny specks,
// a little lighter or darker, placed by a fixed pseudo-random sequence.
void grain(QPainter &p, const QPolygonF &face, quint32 seed, int alpha) {
    p.save();
    QPainterPath clip;
    clip.addPolygon(face);
    p.setClipPath(clip, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    const QRectF r = face.boundingRect();
    const int count = int(r.width() * r.height() / 2.5);
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) / qreal(1 << 24);
    };
    for (int i = 0; i < count; ++i) {
        const QPointF at(r.left() + next() * r.width(), r.top() + next() * r.height());
        const bool light = next() < 0.5;
        p.setBrush(light ? QColor(255, 255, 255, alpha) : QColor(0, 0, 0, alpha));
        p.drawEllipse(at, 0.4, 0.4);
    }
    p.restore();
}

// The shadow that the light from the upper left throws behind a part of
// the given height, onto the table.
void castShadow(QPainter &p, const View &v, const Box &foot, qreal height) {
    const Box stretched{foot.x0 + 4, foot.x1 + height * 0.25, 0, 0,
                        foot.z0 + 4, foot.z1 + height * 0.45};
    softShadow(p, footprint(v, stretched, 0), 12, 36);
}

// ---------------------------------------------------------------------------
// The studio backdrop: a light grey sweep, slightly brighter in the middle.

void backdrop(QPainter &p) {
    p.fillRect(QRectF(0, 0, 370, 200), gradient({0, 0}, {0, 200},
                                                {{0, QColor(188, 188, 189)},
                                                 {0.45, QColor(198, 198, 199)},
                                                 {1, QColor(190, 190, 191)}}));
    QRadialGradient light(QPointF(175, 95), 190);
    light.setColorAt(0, QColor(255, 255, 255, 46));
    light.setColorAt(0.6, QColor(255, 255, 255, 14));
    light.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, 370, 200), light);
}

// ---------------------------------------------------------------------------
// Left: the open type. A bobbin on a black base with pins underneath, its
// taped winding showing between the legs of a dark ferrite core.

const Finish Ferrite{QColor(74, 74, 78),        QColor(42, 42, 46), QColor(112, 112, 117),
                     QColor(86, 86, 91),        QColor(36, 36, 39), QColor(26, 26, 28),
                     QColor(190, 190, 200, 150)};
const Finish BlackPlastic{QColor(44, 44, 48),        QColor(18, 18, 20), QColor(86, 86, 92),
                          QColor(56, 56, 61),        QColor(22, 22, 24), QColor(12, 12, 13),
                          QColor(220, 220, 230, 170)};

void copperTurns(QPainter &p, const View &v, qreal x0, qreal x1, qreal y0, qreal y1, qreal z) {
    const QPolygonF band({v.at(x0, y0, z), v.at(x1, y0, z), v.at(x1, y1, z), v.at(x0, y1, z)});
    fillPolygon(p, band,
                gradient(v.at(x0, y0, z), v.at(x1, y0, z),
                         {{0, QColor(96, 48, 18)},
                          {0.14, QColor(176, 98, 44)},
                          {0.36, QColor(236, 160, 96)},
                          {0.62, QColor(190, 110, 52)},
                          {0.9, QColor(120, 62, 24)},
                          {1, QColor(80, 40, 14)}}));
    // The individual turns: fine dark lines, slightly slanted by the pitch.
    p.save();
    p.setPen(QPen(QColor(70, 30, 8, 120), 0.45));
    for (qreal x = x0 + 1.2; x < x1; x += 1.6)
        p.drawLine(v.at(x, y0, z), v.at(x + 0.7, y1, z));
    p.restore();
}

void openTransformer(QPainter &p) {
    const View v{{24, 166}};
    constexpr qreal Lift = 16; // length of the pins below the base

    // Shadows of the whole part and of each pin tip.
    castShadow(p, v, {0, 100, 0, 0, 0, 46}, 98);
    softShadow(p, footprint(v, {4, 108, 0, 0, 4, 52}, 0), 8, 95);
    const qreal pinsX[] = {10, 34, 66, 90};
    for (qreal x : pinsX) {
        contactShadow(p, v.at(x + 1.5, 0, 6) + QPointF(0, 0.5), 4, 1.6, 120);
        contactShadow(p, v.at(x + 1.5, 0, 40) + QPointF(0, 0.5), 4, 1.6, 90);
    }

    for (qreal x : pinsX)
        pin(p, v.at(x, Lift, 40), v.at(x, 0, 40).y(), 2.6);

    const Box base{0, 100, Lift, Lift + 12, 0, 46};
    paintBox(p, v, base, BlackPlastic);
    // The front pins rise in front of the base, where the leads are wrapped.
    for (qreal x : pinsX)
        pin(p, v.at(x, Lift + 7, -1.2), v.at(x, 0, -1.2).y(), 2.6);

    const qreal y0 = Lift + 12; // top of the base
    // Ferrite core: bottom bar, two outer legs, top bar.
    for (const Box &part : {Box{2, 98, y0, y0 + 12, 8, 38}, Box{2, 16, y0 + 12, y0 + 58, 8, 38},
                            Box{84, 98, y0 + 12, y0 + 58, 8, 38}}) {
        paintBox(p, v, part, Ferrite);
        grain(p, frontFace(v, part), quint32(part.x0 * 7 + part.y0), 8);
        grain(p, sideFace(v, part), quint32(part.x0 * 5 + part.y0), 5);
    }

    // Lower flange of the bobbin.
    paintBox(p, v, {14, 86, y0 + 12, y0 + 15, 0, 46}, BlackPlastic);

    // The winding: copper turns at both ends, cream insulating tape in between,
    // bulging slightly out of the core window.
    const qreal wz = 3.5, wy0 = y0 + 15, wy1 = y0 + 55;
    const QPolygonF windingSide(
        {v.at(84, wy0, wz), v.at(84, wy0, 8), v.at(84, wy1, 8), v.at(84, wy1, wz)});
    fillPolygon(p, windingSide, QColor(120, 100, 70));
    copperTurns(p, v, 16, 84, wy0, wy0 + 5, wz);
    copperTurns(p, v, 16, 84, wy1 - 5, wy1, wz);
    const QPolygonF tape({v.at(16, wy0 + 4, wz), v.at(84, wy0 + 4, wz), v.at(84, wy1 - 4, wz),
                          v.at(16, wy1 - 4, wz)});
    fillPolygon(p, tape,
                gradient(v.at(16, 0, wz), v.at(84, 0, wz),
                         {{0, QColor(140, 122, 88)},
                          {0.1, QColor(206, 190, 150)},
                          {0.32, QColor(250, 243, 222)},
                          {0.45, QColor(244, 234, 204)},
                          {0.75, QColor(218, 202, 160)},
                          {0.93, QColor(160, 140, 100)},
                          {1, QColor(118, 100, 70)}}));
    {
        // Vertical shading of the tape: a slight shadow under the upper flange.
        const QPointF t = v.at(16, wy1 - 4, wz), b = v.at(16, wy0 + 4, wz);
        fillPolygon(p, tape,
                    gradient(t, b,
                             {{0, QColor(60, 40, 10, 70)},
                              {0.18, QColor(0, 0, 0, 0)},
                              {0.8, QColor(0, 0, 0, 0)},
                              {1, QColor(60, 40, 10, 40)}}));
        // Overlapping layers of tape and the specular sheen of the polyester.
        p.save();
        p.setPen(QPen(QColor(150, 130, 90, 70), 0.5));
        for (qreal y : {wy0 + 11.0, wy0 + 19.5, wy0 + 27.0})
            p.drawLine(v.at(17, y, wz), v.at(83, y + 1.5, wz));
        p.restore();
        const QPolygonF sheen({v.at(30, wy0 + 4, wz), v.at(38, wy0 + 4, wz), v.at(40, wy1 - 4, wz),
                               v.at(32, wy1 - 4, wz)});
        fillPolygon(p, sheen,
                    gradient(v.at(30, 0, wz), v.at(40, 0, wz),
                             {{0, QColor(255, 255, 255, 0)},
                              {0.5, QColor(255, 255, 255, 120)},
                              {1, QColor(255, 255, 255, 0)}}));
    }

    // Lead-out wires from the winding down to the first and last terminals.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (const auto &[from, to] : {std::pair{QPointF(22, wy0 + 2), QPointF(10, Lift + 5)},
                                   std::pair{QPointF(78, wy0 + 2), QPointF(90, Lift + 5)}}) {
        QPainterPath wire;
        const QPointF a = v.at(from.x(), from.y(), wz - 0.5);
        const QPointF b = v.at(to.x(), to.y(), -1.2);
        wire.moveTo(a);
        wire.cubicTo(a + QPointF(0, 8), b + QPointF((from.x() - to.x()) * 0.4, -9), b);
        p.strokePath(wire, QPen(QColor(90, 45, 15), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.strokePath(wire, QPen(QColor(235, 160, 95), 0.5, Qt::SolidLine, Qt::RoundCap));
        // The wrap and its solder.
        p.setPen(Qt::NoPen);
        p.setBrush(gradient(
            b - QPointF(2, 0), b + QPointF(2, 0),
            {{0, QColor(120, 110, 100)}, {0.35, QColor(240, 236, 228)}, {1, QColor(100, 96, 90)}}));
        p.drawRoundedRect(QRectF(b.x() - 2, b.y() - 1.6, 4, 3.6), 1.2, 1.2);
    }
    p.restore();

    // Upper flange, then the top bar of the core that it holds.
    paintBox(p, v, {14, 86, wy1, wy1 + 3, 0, 8}, BlackPlastic);
    const Box topBar{2, 98, wy1 + 3, wy1 + 15, 8, 38};
    paintBox(p, v, topBar, Ferrite);
    grain(p, frontFace(v, topBar), 11, 8);
    grain(p, topFace(v, topBar), 12, 7);
    grain(p, sideFace(v, topBar), 13, 5);
    // The joint between the two halves of the core, across the outer legs.
    p.save();
    p.setPen(QPen(QColor(16, 16, 18, 220), 0.7));
    const qreal joint = y0 + 34;
    p.drawLine(v.at(2, joint, 8), v.at(16, joint, 8));
    p.drawLine(v.at(84, joint, 8), v.at(98, joint, 8));
    p.drawLine(v.at(98, joint, 8), v.at(98, joint, 38));
    p.setPen(QPen(QColor(150, 150, 160, 110), 0.5));
    p.drawLine(v.at(2.5, joint - 0.8, 8), v.at(15.5, joint - 0.8, 8));
    p.drawLine(v.at(84.5, joint - 0.8, 8), v.at(97.5, joint - 0.8, 8));
    p.restore();
}

// ---------------------------------------------------------------------------
// Middle, behind: a small green moulded block with pins.

void greenBlock(QPainter &p) {
    const View v{{162, 86}, 0.3, 0.4};
    constexpr qreal Lift = 8;
    const Box body{0, 58, Lift, Lift + 30, 0, 28};

    castShadow(p, v, {0, 58, 0, 0, 0, 28}, 38);
    softShadow(p, footprint(v, {3, 63, 0, 0, 3, 32}, 0), 6, 80);
    const qreal pinsX[] = {8, 22, 36, 50};
    for (qreal x : pinsX)
        pin(p, v.at(x, Lift, 24), v.at(x, 0, 24).y(), 2.0);

    const QPolygonF side = sideFace(v, body), top = topFace(v, body);
    fillPolygon(p, side,
                gradient(v.at(58, 0, 0), v.at(58, 0, 28),
                         {{0, QColor(16, 84, 44)}, {1, QColor(10, 58, 30)}}));
    fillPolygon(p, top,
                gradient(v.at(0, 0, 0), v.at(58, 0, 28),
                         {{0, QColor(96, 186, 122)}, {1, QColor(52, 140, 84)}}));
    // The front face, with rounded vertical edges.
    const QPolygonF front = frontFace(v, body);
    fillPolygon(
        p, front,
        gradient(v.at(0, Lift + 30, 0), v.at(0, Lift, 0),
                 {{0, QColor(44, 150, 84)}, {0.55, QColor(30, 122, 66)}, {1, QColor(18, 88, 46)}}));
    fillPolygon(p, front,
                gradient(v.at(0, 0, 0), v.at(58, 0, 0),
                         {{0, QColor(255, 255, 255, 40)},
                          {0.06, QColor(255, 255, 255, 0)},
                          {0.92, QColor(0, 0, 0, 0)},
                          {1, QColor(0, 0, 0, 60)}}));
    // Glossy epoxy: a soft window reflection and a lit top edge.
    fillPolygon(p, front,
                gradient(v.at(0, Lift + 30, 0), v.at(0, Lift, 0),
                         {{0, QColor(255, 255, 255, 70)},
                          {0.12, QColor(255, 255, 255, 22)},
                          {0.45, QColor(255, 255, 255, 0)}}));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(210, 255, 225, 190), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(v.at(1, Lift + 30, 0), v.at(57, Lift + 30, 0));
    p.setPen(QPen(QColor(210, 255, 225, 90), 0.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(v.at(58, Lift + 30, 1), v.at(58, Lift + 30, 27));
    p.restore();

    for (qreal x : pinsX) {
        contactShadow(p, v.at(x + 1, 0, 4) + QPointF(0, 0.4), 3, 1.3, 110);
        pin(p, v.at(x, Lift, 4), v.at(x, 0, 4).y(), 2.0);
    }

    // Printed marking on the front face.
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(fonts::font(8, true));
    p.setPen(QColor(235, 245, 235, 220));
    const QPointF at = v.at(8, Lift + 18, 0);
    p.drawText(at, QStringLiteral("1 : 1"));
    p.setFont(fonts::font(6));
    p.drawText(v.at(8, Lift + 9, 0), QStringLiteral("2 kV  150 \u00b5Vs"));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 245, 235, 220));
    p.drawEllipse(v.at(49, Lift + 22, 0), 1.5, 1.5);
    p.restore();
}

// ---------------------------------------------------------------------------
// Right: a flat black encapsulated type on long pins, its pin numbers printed
// on the top face.

void flatPackage(QPainter &p) {
    const View v{{234, 154}, 0.3, 0.6};
    constexpr qreal Lift = 24;
    const Box body{0, 104, Lift, Lift + 13, 0, 56};

    castShadow(p, v, {0, 104, 0, 0, 0, 56}, 37);
    softShadow(p, footprint(v, {4, 109, 0, 0, 3, 60}, 0), 8, 85);
    const qreal pinsX[] = {14, 38, 66, 90};
    for (qreal x : pinsX) {
        contactShadow(p, v.at(x + 1.5, 0, 7) + QPointF(0, 0.5), 4, 1.5, 120);
        contactShadow(p, v.at(x + 1.5, 0, 50) + QPointF(0, 0.5), 4, 1.5, 80);
    }
    for (qreal x : pinsX)
        pin(p, v.at(x, Lift, 50), v.at(x, 0, 50).y(), 2.4);

    const Finish glossyBlack{QColor(40, 40, 44),        QColor(12, 12, 14), QColor(46, 46, 52),
                             QColor(70, 70, 78),        QColor(20, 20, 22), QColor(10, 10, 11),
                             QColor(235, 235, 245, 200)};
    paintBox(p, v, body, glossyBlack);
    // Reflection of a softbox on the glossy top.
    const qreal yt = Lift + 13;
    p.save();
    QPainterPath clip;
    clip.addPolygon(topFace(v, body));
    p.setClipPath(clip);
    p.fillPath(clip, gradient(v.at(0, yt, 56), v.at(104, yt, 0),
                              {{0, QColor(255, 255, 255, 40)},
                               {0.5, QColor(255, 255, 255, 0)},
                               {1, QColor(0, 0, 0, 30)}}));
    QPainterPath glare;
    glare.moveTo(v.at(0, yt, 40));
    glare.lineTo(v.at(26, yt, 56));
    glare.lineTo(v.at(62, yt, 56));
    glare.lineTo(v.at(12, yt, 22));
    glare.lineTo(v.at(0, yt, 18));
    glare.closeSubpath();
    p.fillPath(glare, gradient(v.at(0, yt, 56), v.at(36, yt, 18),
                               {{0, QColor(255, 255, 255, 64)},
                                {0.6, QColor(255, 255, 255, 16)},
                                {1, QColor(255, 255, 255, 0)}}));
    p.restore();

    // The printing lies in the plane of the top face: map its (x, z) there.
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing);
    const QPointF o = v.at(0, yt, 0);
    // Plane coordinates: u along x, w along the depth (w grows towards the back).
    QTransform plane(1, 0, -v.kx, v.ky, o.x(), o.y());
    p.setTransform(plane, true);
    const QColor ink(228, 228, 232, 230);
    p.setPen(ink);
    p.setFont(fonts::font(11, true));
    const QString front[] = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                             QStringLiteral("4")};
    const QString back[] = {QStringLiteral("8"), QStringLiteral("7"), QStringLiteral("6"),
                            QStringLiteral("5")};
    for (int i = 0; i < 4; ++i) {
        p.drawText(QRectF(pinsX[i] - 6, -15, 12, 13), Qt::AlignCenter, front[i]);
        p.drawText(QRectF(pinsX[i] - 6, -55, 12, 13), Qt::AlignCenter, back[i]);
    }
    p.setFont(fonts::font(11, true));
    p.drawText(QRectF(0, -40, 104, 14), Qt::AlignCenter, QStringLiteral("1 : 1 : 1"));
    p.setFont(fonts::font(8));
    p.drawText(QRectF(0, -28, 104, 10), Qt::AlignCenter, QStringLiteral("4 kV   400 \u00b5Vs"));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(5, -6), 2, 2);
    p.restore();

    for (qreal x : pinsX)
        pin(p, v.at(x, Lift, 7), v.at(x, 0, 7).y(), 2.4);
}

// ---------------------------------------------------------------------------
// Bottom centre: the transformer symbol, two dotted windings about a core.

void transformerSymbol(QPainter &p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPen ink(palette::Black, 1.3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    p.setPen(ink);
    p.setBrush(Qt::NoBrush);
    const qreal cx = 185, top = 156, loop = 8, loops = 4;
    const qreal bottom = top + loop * loops;
    // The core: two parallel lines.
    p.drawLine(QPointF(cx - 2.5, top - 3), QPointF(cx - 2.5, bottom + 3));
    p.drawLine(QPointF(cx + 2.5, top - 3), QPointF(cx + 2.5, bottom + 3));
    for (int side : {-1, 1}) {
        const qreal x = cx + side * 9;
        QPainterPath coil;
        coil.moveTo(x + side * 12, top);
        coil.lineTo(x, top);
        for (int i = 0; i < loops; ++i) {
            const QRectF r(x - loop / 2, top + i * loop, loop, loop);
            coil.arcTo(r, 90, side * 180);
        }
        coil.lineTo(x + side * 12, bottom);
        p.drawPath(coil);
        p.setPen(Qt::NoPen);
        p.setBrush(palette::Black);
        p.drawEllipse(QPointF(x + side * 6, top - 4), 1.7, 1.7);
        p.setPen(ink);
        p.setBrush(Qt::NoBrush);
    }
    p.restore();
}

} // namespace

void photo(QPainter &p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    backdrop(p);
    // Each part is placed and sized about its own foot on the table.
    auto place = [&p](QPointF foot, qreal scale, void (*part)(QPainter &)) {
        p.save();
        p.translate(foot);
        p.scale(scale, scale);
        p.translate(-foot);
        part(p);
        p.restore();
    };
    place({162, 86}, 1.08, greenBlock);
    place({24, 166}, 1.14, openTransformer);
    place({234, 154}, 1.1, flatPackage);
    transformerSymbol(p);
    p.restore();
}

// ---------------------------------------------------------------------------
// The emblem: an orange hexagon, bevelled and glazed, holding a white
// transformer glyph (two dotted windings about a core) over a square pulse.

void emblem(QPainter &p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(63, 69.5);
    auto hexagon = [&](qreal r) {
        QPolygonF h;
        for (int i = 0; i < 6; ++i) {
            const qreal a = qDegreesToRadians(90.0 + 60.0 * i);
            h << c + QPointF(r * qCos(a), -r * qSin(a));
        }
        return h;
    };
    QPainterPath outer, inner;
    outer.addPolygon(hexagon(69));
    outer.closeSubpath();
    inner.addPolygon(hexagon(61));
    inner.closeSubpath();

    // Rim, then the face.
    p.fillPath(outer, gradient({0, 0}, {126, 139},
                               {{0, QColor(255, 196, 110)},
                                {0.5, QColor(236, 120, 20)},
                                {1, QColor(168, 70, 0)}}));
    p.fillPath(inner, gradient({0, 10}, {0, 130},
                               {{0, QColor(255, 166, 48)},
                                {0.6, QColor(246, 128, 16)},
                                {1, QColor(222, 100, 4)}}));
    p.strokePath(outer, QPen(QColor(150, 62, 0), 1));
    p.strokePath(inner, QPen(QColor(180, 80, 0, 160), 0.8));

    // The glyph, with a soft drop shadow.
    const qreal top = 42, loop = 10, loops = 4, bottom = top + loop * loops;
    auto glyph = [&](QPainter &q, QPointF offset, const QColor &colour) {
        q.save();
        q.translate(offset);
        const QPen pen(colour, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        q.setPen(pen);
        q.setBrush(Qt::NoBrush);
        q.drawLine(QPointF(59, top - 4), QPointF(59, bottom + 4));
        q.drawLine(QPointF(67, top - 4), QPointF(67, bottom + 4));
        for (int side : {-1, 1}) {
            const qreal x = 63 + side * 17;
            QPainterPath coil;
            coil.moveTo(x + side * 12, top);
            coil.lineTo(x, top);
            for (int i = 0; i < loops; ++i)
                coil.arcTo(QRectF(x - loop / 2, top + i * loop, loop, loop), 90, side * 180);
            coil.lineTo(x + side * 12, bottom);
            q.drawPath(coil);
            q.setPen(Qt::NoPen);
            q.setBrush(colour);
            q.drawEllipse(QPointF(x + side * 13, top - 9), 4, 4);
            q.setPen(pen);
            q.setBrush(Qt::NoBrush);
        }
        // A square pulse underneath.
        QPainterPath pulse;
        pulse.moveTo(24, 108);
        pulse.lineTo(46, 108);
        pulse.lineTo(46, 96);
        pulse.lineTo(80, 96);
        pulse.lineTo(80, 108);
        pulse.lineTo(102, 108);
        q.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        q.drawPath(pulse);
        q.restore();
    };
    glyph(p, QPointF(1.2, 1.8), QColor(140, 50, 0, 120));
    glyph(p, QPointF(0, 0), QColor(255, 252, 244));

    // Glaze over the upper half.
    QPainterPath glaze;
    glaze.moveTo(c.x() - 70, 0);
    glaze.lineTo(c.x() + 70, 0);
    glaze.lineTo(c.x() + 70, 52);
    glaze.quadTo(c.x(), 76, c.x() - 70, 60);
    glaze.closeSubpath();
    p.setClipPath(inner);
    p.fillPath(glaze, gradient({0, 8}, {0, 70},
                               {{0, QColor(255, 255, 255, 90)}, {1, QColor(255, 255, 255, 8)}}));
    p.restore();
}

} // namespace art::painters
