// The photograph of industrial variable-speed drives: a group of enclosures
// of several sizes, yellow and light grey, each with its operator panel
// (display and keypad), ventilation grilles and terminal cover, standing on a
// blue studio sweep. Depth runs up and to the right; the light comes from the
// upper left.

#include "art/Draw.h"
#include "art/IllustrationKit.h"
#include "art/Painters.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <initializer_list>
#include <utility>

namespace art::painters {
namespace {

using namespace art::illustration;

enum class Body { Yellow, Grey };
enum class Readout { Led, Lcd };

// One drive: where its front-left foot stands, its size and finish.
struct Drive {
    QPointF foot;
    qreal w, h, d;
    Body body;
    Readout readout;
    QString reading;
};

constexpr qreal Kx = 0.45; // depth, across
constexpr qreal Ky = 0.3;  // depth, up

struct Palette {
    QColor frontTop, frontBottom, top, topBack, side, sideBack, trim, trimDark;
};

Palette paletteOf(Body body) {
    if (body == Body::Yellow)
        return {QColor(255, 212, 40),  QColor(232, 174, 0),  QColor(255, 232, 120),
                QColor(242, 204, 62),  QColor(198, 144, 0),  QColor(150, 104, 0),
                QColor(214, 216, 220), QColor(170, 173, 178)};
    return {QColor(232, 234, 237), QColor(198, 201, 206), QColor(246, 247, 249),
            QColor(224, 226, 230), QColor(160, 165, 172), QColor(118, 123, 130),
            QColor(250, 206, 30),  QColor(214, 166, 0)};
}

// A rounded rectangle with a soft inner bevel: lit at the top left edge, in
// shade at the bottom right.
void panel(QPainter &p, const QRectF &r, qreal radius, const QColor &top, const QColor &bottom) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    p.fillPath(path, gradient(r.topLeft(), r.bottomLeft(), {{0, top}, {1, bottom}}));
    p.strokePath(path, QPen(QColor(0, 0, 0, 70), 0.7));
    QPainterPath lit;
    lit.addRoundedRect(r.adjusted(0.7, 0.7, -0.7, -0.7), radius, radius);
    p.strokePath(lit,
                 QPen(gradient(r.topLeft(), r.bottomRight(),
                               {{0, QColor(255, 255, 255, 120)}, {0.5, QColor(255, 255, 255, 0)}}),
                      0.7));
}

void screw(QPainter &p, QPointF at, qreal r) {
    p.setPen(Qt::NoPen);
    QRadialGradient g(at - QPointF(r / 3, r / 3), r * 1.4);
    g.setColorAt(0, QColor(250, 250, 252));
    g.setColorAt(1, QColor(110, 112, 118));
    p.setBrush(g);
    p.drawEllipse(at, r, r);
    p.setPen(QPen(QColor(60, 60, 66), r * 0.35));
    p.drawLine(at + QPointF(-r * 0.6, r * 0.3), at + QPointF(r * 0.6, -r * 0.3));
}

// Slots of a ventilation grille in a rectangle, vertical or horizontal.
void grille(QPainter &p, const QRectF &r, int count, bool vertical, const QColor &shade) {
    for (int i = 0; i < count; ++i) {
        QRectF slot;
        if (vertical) {
            const qreal step = r.width() / count;
            slot = QRectF(r.left() + i * step + step * 0.25, r.top(), step * 0.5, r.height());
        } else {
            const qreal step = r.height() / count;
            slot = QRectF(r.left(), r.top() + i * step + step * 0.25, r.width(), step * 0.5);
        }
        QPainterPath path;
        const qreal round = qMin(slot.width(), slot.height()) / 2;
        path.addRoundedRect(slot, round, round);
        p.fillPath(path, shade);
        // The lower lip of the slot catches the light.
        p.setPen(QPen(QColor(255, 255, 255, 70), 0.5));
        if (vertical)
            p.drawLine(slot.topRight() + QPointF(0.4, round),
                       slot.bottomRight() + QPointF(0.4, -round));
        else
            p.drawLine(slot.bottomLeft() + QPointF(round, 0.4),
                       slot.bottomRight() + QPointF(-round, 0.4));
    }
}

// The operator panel: a dark bezel with the readout and the keypad.
void operatorPanel(QPainter &p, const QRectF &r, const Drive &u) {
    panel(p, r, r.width() * 0.06, QColor(70, 74, 82), QColor(34, 36, 40));
    const qreal m = r.width() * 0.09;
    // Readout window.
    const QRectF window(r.left() + m, r.top() + m, r.width() - 2 * m, r.height() * 0.3);
    QPainterPath glass;
    glass.addRoundedRect(window, 1, 1);
    if (u.readout == Readout::Led) {
        p.fillPath(glass, gradient(window.topLeft(), window.bottomLeft(),
                                   {{0, QColor(30, 8, 8)}, {1, QColor(12, 2, 2)}}));
        p.setPen(QColor(255, 60, 40));
    } else {
        p.fillPath(glass, gradient(window.topLeft(), window.bottomLeft(),
                                   {{0, QColor(176, 214, 120)}, {1, QColor(132, 176, 84)}}));
        p.setPen(QColor(30, 44, 20));
    }
    p.setFont(fonts::font(qMax(5, int(window.height() * 0.78)), true));
    p.drawText(window.adjusted(0, 0, -window.width() * 0.08, 0), Qt::AlignRight | Qt::AlignVCenter,
               u.reading);
    // Glass reflection.
    QPainterPath sheen;
    sheen.moveTo(window.topLeft());
    sheen.lineTo(window.left() + window.width() * 0.55, window.top());
    sheen.lineTo(window.left() + window.width() * 0.35, window.bottom());
    sheen.lineTo(window.left(), window.bottom());
    sheen.closeSubpath();
    p.fillPath(sheen.intersected(glass), QColor(255, 255, 255, 38));

    // Keypad: two rows of three keys, then the run and stop keys.
    const qreal top = window.bottom() + m * 0.9;
    const qreal keyW = (r.width() - 2 * m) / 3, keyH = (r.bottom() - m - top) / 3;
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col) {
            const QRectF key(r.left() + m + col * keyW + keyW * 0.12,
                             top + row * keyH + keyH * 0.14, keyW * 0.76, keyH * 0.72);
            panel(p, key, qMin(key.width(), key.height()) * 0.25, QColor(196, 200, 206),
                  QColor(130, 134, 142));
        }
    const qreal y = top + 2 * keyH + keyH * 0.5;
    const qreal rr = qMin(keyH * 0.42, keyW * 0.34);
    for (const auto &[x, lit, dark] :
         {std::tuple{r.left() + m + keyW * 0.6, QColor(120, 230, 120), QColor(20, 120, 30)},
          std::tuple{r.right() - m - keyW * 0.6, QColor(255, 120, 100), QColor(170, 20, 10)}}) {
        QRadialGradient g(QPointF(x - rr / 3, y - rr / 3), rr * 1.5);
        g.setColorAt(0, lit);
        g.setColorAt(1, dark);
        p.setPen(QPen(QColor(0, 0, 0, 120), 0.5));
        p.setBrush(g);
        p.drawEllipse(QPointF(x, y), rr, rr);
    }
}

void paintDrive(QPainter &p, const Drive &u) {
    const Palette c = paletteOf(u.body);
    auto at = [&u](qreal x, qreal y, qreal z) {
        return QPointF(u.foot.x() + x + Kx * z, u.foot.y() - y - Ky * z);
    };

    // Shadows on the floor: contact shadow, then the long soft one thrown back.
    const QPolygonF foot(
        {at(1, 0, 0), at(u.w + 2, 0, 0), at(u.w + 2, 0, u.d + 2), at(1, 0, u.d + 2)});
    const QPolygonF thrown({at(6, 0, 4), at(u.w + u.h * 0.22, 0, 4),
                            at(u.w + u.h * 0.22, 0, u.d + u.h * 0.35), at(6, 0, u.d + u.h * 0.35)});
    softShadow(p, polygonPath(thrown), 14, 40);
    softShadow(p, polygonPath(foot), 5, 120);

    // Faint reflection of the front in the glossy floor.
    const QRectF front(u.foot.x(), u.foot.y() - u.h, u.w, u.h);
    p.fillRect(
        QRectF(front.left(), front.bottom(), front.width(), u.h * 0.16),
        gradient(
            front.bottomLeft(), front.bottomLeft() + QPointF(0, u.h * 0.16),
            {{0, QColor(c.frontBottom.red(), c.frontBottom.green(), c.frontBottom.blue(), 60)},
             {1, QColor(c.frontBottom.red(), c.frontBottom.green(), c.frontBottom.blue(), 0)}}));

    // The three faces.
    const QPolygonF side({at(u.w, 0, 0), at(u.w, 0, u.d), at(u.w, u.h, u.d), at(u.w, u.h, 0)});
    const QPolygonF top({at(0, u.h, 0), at(u.w, u.h, 0), at(u.w, u.h, u.d), at(0, u.h, u.d)});
    p.fillPath(polygonPath(side),
               gradient(at(u.w, u.h, 0), at(u.w, 0, u.d), {{0, c.side}, {1, c.sideBack}}));
    p.fillPath(polygonPath(top),
               gradient(at(0, u.h, 0), at(0, u.h, u.d), {{0, c.top}, {1, c.topBack}}));
    p.fillRect(front, gradient(front.topLeft(), front.bottomRight(),
                               {{0, c.frontTop}, {1, c.frontBottom}}));

    // Heat-sink grille on the side, in its upper two thirds.
    {
        const int cols = qMax(3, int(u.d / 7));
        p.save();
        QTransform shear(1, -Ky / Kx, 0, 1, 0, 0); // along the depth, the side climbs
        const QPointF o = at(u.w, u.h * 0.86, u.d * 0.15);
        p.translate(o);
        p.setTransform(shear, true);
        grille(p, QRectF(0, 0, Kx * u.d * 0.7, u.h * 0.5), cols, true, QColor(40, 30, 10, 150));
        p.restore();
    }
    // Ventilation slots on the top, running along the depth.
    {
        const int n = qMax(4, int(u.w / 9));
        for (int i = 0; i < n; ++i) {
            const qreal x0 = u.w * 0.2 + i * (u.w * 0.6 / n), x1 = x0 + u.w * 0.6 / n * 0.45;
            const QPolygonF slot({at(x0, u.h, u.d * 0.25), at(x1, u.h, u.d * 0.25),
                                  at(x1, u.h, u.d * 0.8), at(x0, u.h, u.d * 0.8)});
            p.fillPath(polygonPath(slot), QColor(60, 44, 10, u.body == Body::Yellow ? 110 : 90));
        }
    }

    // Rounded vertical edges of the front and the lit top edge.
    p.fillRect(QRectF(front.left(), front.top(), 2.2, front.height()),
               gradient(front.topLeft(), front.topLeft() + QPointF(2.2, 0),
                        {{0, QColor(255, 255, 255, 110)}, {1, QColor(255, 255, 255, 0)}}));
    p.fillRect(QRectF(front.right() - 2.2, front.top(), 2.2, front.height()),
               gradient(front.topRight() - QPointF(2.2, 0), front.topRight(),
                        {{0, QColor(0, 0, 0, 0)}, {1, QColor(0, 0, 0, 50)}}));
    p.setPen(QPen(QColor(255, 255, 255, 170), 0.8));
    p.drawLine(front.topLeft() + QPointF(0.5, 0), front.topRight() - QPointF(0.5, 0));
    p.setPen(QPen(QColor(255, 255, 255, 90), 0.6));
    p.drawLine(at(u.w, u.h, 0), at(u.w, u.h, u.d));

    // Front cover of the other colour on the grey units.
    const qreal coverBottom = front.top() + u.h * (u.body == Body::Grey ? 0.46 : 0.56);
    if (u.body == Body::Grey)
        panel(p, QRectF(front.left() + 3, front.top() + 3, u.w - 6, coverBottom - front.top() - 3),
              2, c.trim, c.trimDark);

    // The operator panel in the upper part.
    const qreal pw = qMin(u.w * 0.62, u.h * 0.42);
    const QRectF op(front.center().x() - pw / 2, front.top() + u.h * 0.08, pw, pw * 0.92);
    operatorPanel(p, op, u);

    // Front grille between the panel and the terminal cover, on the taller units.
    const qreal coverTop = front.top() + u.h * 0.68;
    if (u.h > 100) {
        const QRectF g(front.left() + u.w * 0.2, coverBottom + u.h * 0.02, u.w * 0.6,
                       coverTop - coverBottom - u.h * 0.05);
        grille(p, g, qMax(3, int(g.height() / 4)), false, QColor(40, 30, 10, 140));
    } else {
        // A blank rating plate.
        const QRectF plate(front.left() + u.w * 0.3, coverBottom + 2, u.w * 0.4, u.h * 0.07);
        p.fillRect(plate, QColor(244, 244, 240));
        p.setPen(QPen(QColor(140, 140, 140), 0.5));
        for (int i = 1; i <= 2; ++i)
            p.drawLine(QPointF(plate.left() + 1.5, plate.top() + i * plate.height() / 3),
                       QPointF(plate.right() - 1.5, plate.top() + i * plate.height() / 3));
    }

    // The terminal cover: its own moulding, two captive screws, cable entries.
    const QRectF cover(front.left() + 3, coverTop, u.w - 6, front.bottom() - coverTop - 3);
    if (u.body == Body::Yellow)
        panel(p, cover, 2, c.trim, c.trimDark);
    else
        panel(p, cover, 2, QColor(214, 217, 222), QColor(178, 182, 188));
    const qreal sr = qMax(1.3, u.w * 0.025);
    screw(p, cover.topLeft() + QPointF(sr * 2.4, sr * 2.4), sr);
    screw(p, cover.topRight() + QPointF(-sr * 2.4, sr * 2.4), sr);
    // A yellow and black warning triangle.
    {
        const qreal t = qMax(5.0, u.w * 0.12);
        const QPointF a = cover.center() + QPointF(0, -t * 0.2);
        const QPolygonF tri(
            {a + QPointF(0, -t / 2), a + QPointF(t / 2, t / 2.6), a + QPointF(-t / 2, t / 2.6)});
        p.setPen(QPen(QColor(20, 20, 20), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(255, 214, 0));
        p.drawPolygon(tri);
        p.setPen(QPen(QColor(20, 20, 20), 0.7));
        p.drawLine(a + QPointF(0, -t * 0.2), a + QPointF(0, t * 0.12));
        p.drawPoint(a + QPointF(0, t * 0.24));
    }
    // Cable entries along the bottom of the cover.
    const int holes = qMax(2, int(u.w / 22));
    for (int i = 0; i < holes; ++i) {
        const QPointF h(cover.left() + cover.width() * (i + 0.5) / holes,
                        cover.bottom() - cover.height() * 0.2);
        const qreal r = qMin(cover.height() * 0.12, cover.width() / holes * 0.26);
        QRadialGradient g(h + QPointF(0, -r / 2), r * 1.3);
        g.setColorAt(0, QColor(20, 20, 24));
        g.setColorAt(1, QColor(70, 72, 78));
        p.setPen(QPen(QColor(255, 255, 255, 90), 0.5));
        p.setBrush(g);
        p.drawEllipse(h, r, r * 0.8);
    }
}

void blueSweep(QPainter &p) {
    const QRectF all(0, 0, 350, 295);
    p.fillRect(all, gradient({0, 0}, {0, 295},
                             {{0, QColor(10, 36, 104)},
                              {0.55, QColor(28, 82, 176)},
                              {0.75, QColor(36, 96, 192)},
                              {1, QColor(18, 58, 146)}}));
    QRadialGradient light(QPointF(170, 120), 210);
    light.setColorAt(0, QColor(130, 190, 255, 120));
    light.setColorAt(0.5, QColor(90, 150, 240, 40));
    light.setColorAt(1, QColor(60, 120, 220, 0));
    p.fillRect(all, light);
    // Vignette.
    QRadialGradient dark(QPointF(175, 150), 260);
    dark.setColorAt(0.6, QColor(0, 0, 30, 0));
    dark.setColorAt(1, QColor(0, 0, 30, 90));
    p.fillRect(all, dark);
}

} // namespace

void speedDrives(QPainter &p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    blueSweep(p);
    // The group stands a little back from the camera, with blue all round.
    p.translate(16, 20);
    p.scale(0.88, 0.88);
    using R = Readout;
    const Drive drives[] = {
        // Back row, left to right.
        {{26, 214}, 88, 170, 50, Body::Grey, R::Lcd, QStringLiteral("1450")},
        {{144, 218}, 104, 200, 56, Body::Yellow, R::Led, QStringLiteral("50.0")},
        {{266, 210}, 56, 140, 44, Body::Grey, R::Led, QStringLiteral("0.75")},
        // Front row, left to right.
        {{12, 286}, 72, 118, 44, Body::Yellow, R::Led, QStringLiteral("25.0")},
        {{102, 284}, 64, 92, 40, Body::Grey, R::Lcd, QStringLiteral("0.00")},
        {{192, 288}, 84, 128, 46, Body::Yellow, R::Lcd, QStringLiteral("37.5")},
        {{296, 284}, 38, 70, 32, Body::Grey, R::Led, QStringLiteral("60")},
    };
    for (const Drive &d : drives)
        paintDrive(p, d);
    p.restore();
}

} // namespace art::painters
