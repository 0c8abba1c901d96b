// Buttons of the icon row (settings, update, voice chat, speed test, info,
// bug report), the chat button of the top bar and the bug-report window
// icon. Symbols are drawn in a 24 x 24 design box.
#include "Catalogue.h"
#include "Paint.h"

#include <QPolygonF>

#include <cmath>

namespace skin {

namespace {

constexpr qreal kPi = 3.14159265358979323846;

QPointF polar(QPointF c, qreal degrees, qreal r)
{
    const qreal a = degrees * kPi / 180.0;
    return c + QPointF(r * std::cos(a), -r * std::sin(a));
}

QPainterPath circle(QPointF c, qreal r)
{
    QPainterPath p;
    p.addEllipse(c, r, r);
    return p;
}

QPainterPath arc(QPointF c, qreal r, qreal start, qreal sweep)
{
    QPainterPath p;
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.arcMoveTo(box, start);
    p.arcTo(box, start, sweep);
    return p;
}

QPainterPath line(QPointF a, QPointF b)
{
    QPainterPath p;
    p.moveTo(a);
    p.lineTo(b);
    return p;
}

QPainterPath gear()
{
    const QPointF c(12, 12);
    QPolygonF teeth;
    for (int k = 0; k < 8; ++k) {
        const qreal a0 = k * 45.0;
        teeth << polar(c, a0 - 15, 8.0) << polar(c, a0 - 8, 11.2) << polar(c, a0 + 8, 11.2)
              << polar(c, a0 + 15, 8.0);
    }
    QPainterPath g;
    g.addPolygon(teeth);
    g.closeSubpath();
    g.addEllipse(c, 6.0, 6.0);
    g.addEllipse(c, 4.4, 4.4);
    g.addEllipse(c, 2.1, 2.1);
    g.setFillRule(Qt::OddEvenFill);
    return g;
}

// Arc with an arrow head at its end, turning counter-clockwise.
QPainterPath arrowArc(QPointF c, qreal r, qreal start, qreal sweep)
{
    QPainterPath g = strokeOf(arc(c, r, start, sweep - 20), 2.4, Qt::FlatCap);
    const qreal end = start + sweep;
    const qreal a = end * kPi / 180.0;
    const QPointF n(std::cos(a), -std::sin(a));
    const QPointF d(-std::sin(a), -std::cos(a));
    const QPointF base = polar(c, end - 24, r);
    QPolygonF head;
    head << base + n * 4.4 << base + d * 5.6 << base - n * 4.4;
    QPainterPath h;
    h.addPolygon(head);
    h.closeSubpath();
    return g.united(h);
}

QPainterPath circularArrows()
{
    const QPointF c(12, 12);
    return arrowArc(c, 7.6, 30, 160).united(arrowArc(c, 7.6, 210, 160));
}

QPainterPath headset()
{
    QPainterPath g = strokeOf(arc(QPointF(12, 13), 8.6, 180, -180), 2.2, Qt::FlatCap);
    QPainterPath cups;
    cups.addRoundedRect(QRectF(1.6, 11.5, 5.2, 8.6), 1.8, 1.8);
    cups.addRoundedRect(QRectF(17.2, 11.5, 5.2, 8.6), 1.8, 1.8);
    QPainterPath boom;
    boom.moveTo(4.8, 19.5);
    boom.quadTo(5.4, 22.6, 10.0, 22.2);
    return g.united(cups).united(strokeOf(boom, 1.4)).united(circle(QPointF(11.4, 22.1), 1.7));
}

QPainterPath microphone()
{
    QPainterPath head;
    head.addRoundedRect(QRectF(8.4, 1.0, 7.2, 13.0), 3.6, 3.6);
    QPainterPath grille;
    for (int k = 0; k < 3; ++k)
        grille.addRect(QRectF(9.2, 4.4 + 2.5 * k, 5.6, 0.9));
    QPainterPath g = head.subtracted(grille);
    g = g.united(strokeOf(arc(QPointF(12, 8.6), 6.2, 180, 180), 1.6, Qt::RoundCap));
    g = g.united(strokeOf(line(QPointF(12, 15), QPointF(12, 20)), 1.8, Qt::FlatCap));
    return g.united(strokeOf(line(QPointF(7.4, 20.8), QPointF(16.6, 20.8)), 2.0));
}

QPainterPath gaugeDial()
{
    const QPointF c(12, 14);
    QPainterPath g = strokeOf(arc(c, 10, 210, -240), 2.0, Qt::RoundCap);
    for (int k = 0; k <= 6; ++k) {
        const qreal a = 210 - 40 * k;
        g = g.united(strokeOf(line(polar(c, a, 5.6), polar(c, a, 7.4)), 1.2, Qt::FlatCap));
    }
    return g.united(circle(c, 2.2));
}

QPainterPath gaugeNeedle()
{
    const QPointF c(12, 14);
    QPolygonF n;
    n << polar(c, 35, 8.6) << polar(c, 125, 1.3) << polar(c, 215, 1.6) << polar(c, 305, 1.3);
    QPainterPath g;
    g.addPolygon(n);
    g.closeSubpath();
    return g;
}

QPainterPath infoMark()
{
    QPainterPath ring = circle(QPointF(12, 12), 10.6).subtracted(circle(QPointF(12, 12), 8.6));
    QPainterPath i;
    i.addEllipse(QPointF(12, 6.9), 1.75, 1.75);
    i.addRoundedRect(QRectF(10.6, 10.0, 2.8, 8.6), 0.6, 0.6);
    i.addRect(QRectF(9.4, 10.0, 2.4, 1.5));
    i.addRect(QRectF(9.4, 17.2, 5.2, 1.5));
    return ring.united(i.simplified());
}

QPainterPath bug()
{
    QPainterPath body;
    body.addEllipse(QPointF(12, 14.8), 5.2, 6.8);
    body = body.subtracted([] {
        QPainterPath s;
        s.addRect(QRectF(11.55, 9.6, 0.9, 12.4));
        return s;
    }());
    QPainterPath head;
    head.addEllipse(QPointF(12, 6.9), 3.2, 2.7);
    QPainterPath legs;
    for (int side : {-1, 1}) {
        const qreal m = side;
        legs.addPath(line(QPointF(12 + m * 4.2, 11.2), QPointF(12 + m * 8.6, 8.4)));
        legs.addPath(line(QPointF(12 + m * 4.6, 14.6), QPointF(12 + m * 9.6, 14.6)));
        legs.addPath(line(QPointF(12 + m * 4.2, 18.2), QPointF(12 + m * 8.8, 21.4)));
        QPainterPath feeler;
        feeler.moveTo(12 + m * 1.4, 4.6);
        feeler.quadTo(12 + m * 2.2, 1.6, 12 + m * 5.2, 1.0);
        legs.addPath(feeler);
    }
    return body.united(head).united(strokeOf(legs, 1.35));
}

QPainterPath speechBubble()
{
    QPainterPath b;
    b.addRoundedRect(QRectF(1, 2.5, 22, 14.5), 5, 5);
    QPolygonF tail;
    tail << QPointF(4.5, 14) << QPointF(3.5, 22.5) << QPointF(12, 15.5);
    QPainterPath t;
    t.addPolygon(tail);
    t.closeSubpath();
    return b.united(t);
}

using GlyphFn = QPainterPath (*)();

// Plate with one symbol centred in `box`.
void iconButton(QPainter &p, const QSizeF &s, State st, GlyphFn glyph, const QRectF &box,
                quint32 seed)
{
    buttonPlate(p, QRectF(0, 0, s.width(), s.height()), 4, st, seed);
    fillGlyph(p, placeGlyph(glyph(), box), st);
}

void addPair(Pictures &out, const QString &name, int w, int h, GlyphFn glyph, QRectF box,
             quint32 seed)
{
    out.push_back({name, w, h, false, [=](QPainter &p, const QSizeF &s) {
                       iconButton(p, s, State::Normal, glyph, box, seed);
                   }});
    out.push_back({name + "_hover", w, h, false, [=](QPainter &p, const QSizeF &s) {
                       iconButton(p, s, State::Lit, glyph, box, seed);
                   }});
}

void speedButton(QPainter &p, const QSizeF &s, State st)
{
    const QRectF box(6.5, 2.5, 20, 20);
    iconButton(p, s, st, gaugeDial, box, 67);
    const QPainterPath needle = placeGlyph(gaugeNeedle(), box);
    if (st == State::Lit)
        softGlow(p, needle, amber(200), 2.0);
    p.fillPath(needle.translated(0, 0.8), QColor(0, 0, 0, 180));
    p.fillPath(needle, st == State::Lit ? amberHot() : amber());
}

void chatButton(QPainter &p, const QSizeF &s, State st)
{
    buttonPlate(p, QRectF(0, 0, s.width(), s.height()), 3, st, 71);
    fillGlyph(p, placeGlyph(speechBubble(), QRectF(4, 2.5, 12, 12)), st);
    caption(p, QStringLiteral("CHAT"), QRectF(18, 0, 32, s.height()), 9, st, 0.9);
}

// Two players side by side, heads over shoulders.
QPainterPath people()
{
    QPainterPath path;
    auto player = [&path](qreal x, qreal scale) {
        path.addEllipse(QPointF(x, 4.2 * scale + (1 - scale) * 6), 2.6 * scale, 2.6 * scale);
        QPainterPath body;
        body.moveTo(x - 4.6 * scale, 12);
        body.cubicTo(x - 4.6 * scale, 8 + (1 - scale) * 4, x + 4.6 * scale, 8 + (1 - scale) * 4, x + 4.6 * scale, 12);
        body.closeSubpath();
        path.addPath(body);
    };
    player(11.5, 0.85);
    player(6, 1.0);
    return path.simplified();
}

void friendsButton(QPainter &p, const QSizeF &s, State st)
{
    buttonPlate(p, QRectF(0, 0, s.width(), s.height()), 3, st, 74);
    fillGlyph(p, placeGlyph(people(), QRectF(3, 2, s.width() - 6, s.height() - 4)), st);
}

void bugWindowIcon(QPainter &p, const QSizeF &s)
{
    const QRectF r(0, 0, s.width(), s.height());
    buttonPlate(p, r, 5, State::Normal, 73);
    QRadialGradient g(r.center(), 14);
    g.setColorAt(0, amber(60));
    g.setColorAt(1, amber(0));
    p.fillRect(r, g);
    fillGlyph(p, placeGlyph(bug(), r.adjusted(5, 5, -5, -5)), State::Lit);
}

} // namespace

void addIconPictures(Pictures &out)
{
    addPair(out, "settings", 26, 29, gear, QRectF(3.5, 5, 19, 19), 61);
    addPair(out, "update", 26, 29, circularArrows, QRectF(3.5, 5, 19, 19), 62);
    addPair(out, "teamspeak", 27, 24, headset, QRectF(4.5, 3, 18, 18), 63);
    addPair(out, "ventrilo", 33, 27, microphone, QRectF(7.5, 3.5, 18, 19), 64);
    addPair(out, "info", 26, 29, infoMark, QRectF(4, 5.5, 18, 18), 65);
    addPair(out, "bugreport", 33, 27, bug, QRectF(6.5, 3, 20, 20), 66);
    out.push_back({"bugreport_hover28", 33, 28, false, [](QPainter &p, const QSizeF &s) {
                       iconButton(p, s, State::Lit, bug, QRectF(6.5, 3.5, 20, 20), 66);
                   }});
    out.push_back({"speedtest", 33, 27, false,
                   [](QPainter &p, const QSizeF &s) { speedButton(p, s, State::Normal); }});
    out.push_back({"speedtest_hover", 33, 27, false,
                   [](QPainter &p, const QSizeF &s) { speedButton(p, s, State::Lit); }});
    out.push_back({"chat", 53, 17, false,
                   [](QPainter &p, const QSizeF &s) { chatButton(p, s, State::Normal); }});
    out.push_back({"chat_hover", 53, 17, false,
                   [](QPainter &p, const QSizeF &s) { chatButton(p, s, State::Lit); }});
    out.push_back({"bugicon", 32, 32, false, bugWindowIcon});
    out.push_back({"friends", 22, 15, false,
                   [](QPainter &p, const QSizeF &s) { friendsButton(p, s, State::Normal); }});
    out.push_back({"friends_hover", 22, 15, false,
                   [](QPainter &p, const QSizeF &s) { friendsButton(p, s, State::Lit); }});
}

} // namespace skin
