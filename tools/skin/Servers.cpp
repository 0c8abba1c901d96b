// Pictures of the server list: join tiles, the bars behind the game
// headers, the small game icons and the parts of the address panels.
#include "Catalogue.h"
#include "Paint.h"

#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>

namespace skin {

namespace {

QPainterPath polygon(std::initializer_list<QPointF> pts)
{
    QPainterPath p;
    p.addPolygon(QPolygonF(QVector<QPointF>(pts)));
    p.closeSubpath();
    return p;
}

void joinTile(QPainter &p, const QSizeF &s, State st)
{
    const QRectF r(0, 0, s.width(), s.height());
    buttonPlate(p, r, 3, st, 81);
    // Play arrow in its own little socket at the left end.
    const QRectF socket(3, 3, 15, s.height() - 6);
    QPainterPath well;
    well.addRoundedRect(socket, 2, 2);
    p.fillPath(well, QColor(0, 0, 0, st == State::Lit ? 110 : 150));
    p.setPen(QPen(QColor(255, 255, 255, 28), 1));
    p.drawLine(QPointF(socket.left() + 1, socket.bottom() + 0.5),
               QPointF(socket.right() - 1, socket.bottom() + 0.5));
    const QPointF c = socket.center() + QPointF(0.8, 0);
    const QPainterPath arrow =
        polygon({c + QPointF(-3.2, -4.6), c + QPointF(4.4, 0), c + QPointF(-3.2, 4.6)});
    softGlow(p, arrow, amber(st == State::Lit ? 200 : 90), st == State::Lit ? 2.6 : 1.6);
    p.fillPath(arrow, st == State::Lit ? amberHot() : amber());
    caption(p, QStringLiteral("JOIN"), QRectF(19, 0, s.width() - 22, s.height()), 11, st, 2.2);
}

void headerBar(QPainter &p, const QSizeF &s)
{
    const qreal w = s.width(), h = s.height();
    const QRectF r(0, 0, w, h);
    fillRamp(p, r, Qt::Horizontal,
             {{0, QColor(84, 44, 12)}, {0.16, QColor(52, 32, 16)}, {0.55, QColor(26, 22, 20)},
              {1, ink()}});
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    fillRamp(p, r, Qt::Vertical,
             {{0, QColor(255, 255, 255, 34)}, {0.45, QColor(255, 255, 255, 0)},
              {1, QColor(0, 0, 0, 120)}});
    brushed(p, r, 83, 14);
    scanLines(p, r, 40);
    p.restore();
    // Amber rule along the lower edge, fading out to the right.
    fillRamp(p, QRectF(0, h - 4, w, 4), Qt::Horizontal,
             {{0, amber(120)}, {0.6, amber(30)}, {1, amber(0)}});
    fillRamp(p, QRectF(0, h - 2, w, 1), Qt::Horizontal,
             {{0, amberHot(255)}, {0.35, amber(200)}, {1, amber(0)}});
    fillRamp(p, QRectF(0, 0, w, 1), Qt::Horizontal,
             {{0, QColor(255, 190, 120, 110)}, {0.7, QColor(255, 255, 255, 20)},
              {1, QColor(255, 255, 255, 0)}});
    // Notch at the left end.
    p.fillRect(QRectF(0, 1, 3, h - 3), ramp(QPointF(0, 0), QPointF(0, h),
                                            {{0, amberHot()}, {1, amber()}}));
    p.fillRect(QRectF(3, 1, 1, h - 3), QColor(0, 0, 0, 160));
}

void crosshair(QPainter &p, const QSizeF &s)
{
    const QPointF c(s.width() / 2, s.height() / 2);
    QPainterPath ring;
    ring.addEllipse(c, 4.6, 4.6);
    QPainterPath cross;
    for (const QPointF d : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)}) {
        cross.moveTo(c + d * 2.2);
        cross.lineTo(c + d * 6.4);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 200), 2.6));
    p.drawPath(ring);
    p.drawPath(cross);
    p.setPen(QPen(amber(), 1.2));
    p.drawPath(ring);
    p.setPen(QPen(amberHot(), 1.2, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(cross);
    p.setPen(Qt::NoPen);
    p.setBrush(amberHot());
    p.drawEllipse(c, 0.9, 0.9);
}

// Army tag with one or two chevrons; `dot` marks the later version.
void chevronTag(QPainter &p, const QSizeF &s, int chevrons, bool dot)
{
    const QRectF tag(1, 1, s.width() - 2, s.height() - 2);
    QPainterPath plate;
    plate.addRoundedRect(tag, 3, 3);
    p.fillPath(plate, ramp(tag.topLeft(), tag.bottomLeft(),
                           {{0, QColor(74, 66, 46)}, {1, QColor(30, 26, 18)}}));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 220), 1));
    p.drawRoundedRect(tag.adjusted(-0.5, -0.5, 0.5, 0.5), 3.5, 3.5);
    p.setPen(QPen(amber(200), 1));
    p.drawRoundedRect(tag.adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
    const qreal cx = dot ? tag.center().x() - 2 : tag.center().x();
    const qreal top = chevrons == 1 ? 4.6 : 3.6;
    QPainterPath marks;
    for (int k = 0; k < chevrons; ++k) {
        const qreal y = top + k * 3.6;
        marks.moveTo(cx - 5, y + 3.6);
        marks.lineTo(cx, y);
        marks.lineTo(cx + 5, y + 3.6);
    }
    p.setPen(QPen(QColor(0, 0, 0, 180), 2.8, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(marks.translated(0, 0.6));
    p.setPen(QPen(amberHot(), 1.6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(marks);
    if (dot) {
        p.setPen(Qt::NoPen);
        p.setBrush(amberHot());
        p.drawRect(QRectF(tag.right() - 5, tag.top() + 3, 2, 2));
        p.drawRect(QRectF(tag.right() - 5, tag.top() + 6, 2, 2));
        p.drawRect(QRectF(tag.right() - 5, tag.top() + 9, 2, 2));
    }
}

void addressToggle(QPainter &p, const QSizeF &s, bool open)
{
    const QRectF r(0, 0, s.width(), s.height());
    buttonPlate(p, r, 3, open ? State::Pressed : State::Normal, 85);
    const QRectF box = open ? r.translated(0.5, 1) : r;
    caption(p, QStringLiteral("IP"), box.adjusted(0, -1, 0, -1), 8,
            open ? State::Lit : State::Normal, 0.4);
    const QRectF led(s.width() / 2 - 3, s.height() - 4.5, 6, 1.5);
    if (open) {
        QPainterPath l;
        l.addRect(led.translated(0.5, 0.5));
        softGlow(p, l, amber(220), 1.6);
        p.fillRect(led.translated(0.5, 0.5), amberHot());
    } else {
        p.fillRect(led, QColor(96, 50, 12));
    }
}

void addressStrip(QPainter &p, const QSizeF &s)
{
    const QRectF r(0, 0, s.width(), s.height());
    fillRamp(p, r, Qt::Horizontal,
             {{0, QColor(58, 34, 14)}, {0.12, QColor(30, 26, 24)}, {0.7, grey(20)},
              {1, grey(12)}});
    brushed(p, r, 87, 14);
    scanLines(p, r, 50);
}

void smallClose(QPainter &p, const QSizeF &s)
{
    const QPointF c(s.width() / 2, s.height() / 2);
    QPainterPath x;
    x.moveTo(c + QPointF(-3, -3));
    x.lineTo(c + QPointF(3, 3));
    x.moveTo(c + QPointF(3, -3));
    x.lineTo(c + QPointF(-3, 3));
    const QPainterPath g = strokeOf(x, 1.7);
    softGlow(p, g, amber(90), 1.6);
    p.fillPath(g.translated(0, 1), QColor(0, 0, 0, 200));
    p.fillPath(g, ramp(QPointF(0, c.y() - 3), QPointF(0, c.y() + 3),
                       {{0, amberHot()}, {1, amber()}}));
}

// A small round lamp: lit green while a server answers, red once it has
// stopped, dark while nothing is known yet.
void stateLamp(QPainter &p, const QSizeF &s, const QColor &glow)
{
    const QPointF c(s.width() / 2, s.height() / 2);
    const qreal r = std::min(s.width(), s.height()) / 2 - 0.5;
    QPainterPath lamp;
    lamp.addEllipse(c, r, r);
    p.fillPath(lamp, QColor(0, 0, 0, 220));
    QRadialGradient shine(c - QPointF(r / 3, r / 3), r * 1.4);
    shine.setColorAt(0, mix(glow, Qt::white, 0.55));
    shine.setColorAt(0.5, glow);
    shine.setColorAt(1, mix(glow, Qt::black, 0.55));
    QPainterPath inner;
    inner.addEllipse(c, r - 0.7, r - 0.7);
    p.fillPath(inner, shine);
}

// A padlock: amber shackle over an amber body with a dark keyhole.
void padlock(QPainter &p, const QSizeF &s)
{
    const qreal w = s.width(), h = s.height();
    const QRectF body(0.5, h * 0.45, w - 1, h * 0.55 - 0.5);
    QPainterPath shackle;
    shackle.moveTo(w * 0.25, body.top());
    shackle.lineTo(w * 0.25, h * 0.28);
    shackle.arcTo(QRectF(w * 0.25, 1, w * 0.5, h * 0.4), 180, -180);
    shackle.lineTo(w * 0.75, body.top());
    p.fillPath(strokeOf(shackle, 1.4), grey(200));
    QPainterPath box;
    box.addRoundedRect(body, 1, 1);
    p.fillPath(box, ramp(body.topLeft(), body.bottomLeft(), {{0, amberHot()}, {1, amber()}}));
    p.fillRect(QRectF(w / 2 - 0.6, body.top() + body.height() * 0.3, 1.2, body.height() * 0.4),
               QColor(40, 20, 0));
}

} // namespace

void addServerPictures(Pictures &out)
{
    out.push_back({"tile", 93, 21, false,
                   [](QPainter &p, const QSizeF &s) { joinTile(p, s, State::Normal); }});
    out.push_back({"tile_hover", 93, 21, false,
                   [](QPainter &p, const QSizeF &s) { joinTile(p, s, State::Lit); }});
    out.push_back({"header_bar", 210, 18, false, headerBar});
    out.push_back({"icon_cs", 13, 13, true, crosshair});
    out.push_back({"icon_cod", 22, 15, true,
                   [](QPainter &p, const QSizeF &s) { chevronTag(p, s, 1, false); }});
    out.push_back({"icon_cod2", 22, 15, true,
                   [](QPainter &p, const QSizeF &s) { chevronTag(p, s, 2, false); }});
    out.push_back({"icon_cod213", 22, 15, true,
                   [](QPainter &p, const QSizeF &s) { chevronTag(p, s, 2, true); }});
    out.push_back({"toggle", 19, 19, true,
                   [](QPainter &p, const QSizeF &s) { addressToggle(p, s, false); }});
    out.push_back({"toggle_open", 19, 19, true,
                   [](QPainter &p, const QSizeF &s) { addressToggle(p, s, true); }});
    out.push_back({"ip_bg", 264, 10, false, addressStrip});
    out.push_back({"ip_close", 22, 16, true, smallClose});
    out.push_back({"state_up", 7, 7, true,
                   [](QPainter &p, const QSizeF &s) { stateLamp(p, s, QColor(60, 210, 60)); }});
    out.push_back({"state_down", 7, 7, true,
                   [](QPainter &p, const QSizeF &s) { stateLamp(p, s, QColor(220, 45, 30)); }});
    out.push_back({"state_unknown", 7, 7, true,
                   [](QPainter &p, const QSizeF &s) { stateLamp(p, s, grey(70)); }});
    // A server waited for: an amber lamp in a ring.
    out.push_back({"state_wait", 9, 9, true, [](QPainter &p, const QSizeF &s) {
                       p.setRenderHint(QPainter::Antialiasing);
                       p.setPen(QPen(amber(), 1.0));
                       p.setBrush(Qt::NoBrush);
                       p.drawEllipse(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1));
                       p.translate(1, 1);
                       stateLamp(p, QSizeF(s.width() - 2, s.height() - 2), QColor(240, 170, 30));
                   }});
    // A watched server: a light ring around its lamp.
    out.push_back({"state_watch", 9, 9, true, [](QPainter &p, const QSizeF &s) {
                       p.setRenderHint(QPainter::Antialiasing);
                       p.setPen(QPen(QColor(120, 200, 255), 1.0));
                       p.setBrush(Qt::NoBrush);
                       p.drawEllipse(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1));
                   }});
    out.push_back({"lock", 9, 11, true, padlock});
}

} // namespace skin
