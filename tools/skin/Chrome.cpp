// Window chrome: the frame strips and corners around the main window, the
// hanging bars of the top edge, the rail under the icon row and the two
// caption buttons.
#include "Catalogue.h"
#include "Paint.h"

#include <cmath>

namespace skin {

namespace {

// Metal strip of the window frame, drawn along its length. Vertical strips
// are the same strip turned by a quarter.
void frameStrip(QPainter &p, const QSizeF &size, Qt::Orientation along)
{
    qreal len = size.width(), th = size.height();
    if (along == Qt::Vertical) {
        len = size.height();
        th = size.width();
        p.translate(th, 0);
        p.rotate(90);
    }
    const QRectF r(0, 0, len, th);
    fillRamp(p, r, Qt::Vertical,
             {{0, grey(3)}, {0.06, grey(74)}, {0.13, grey(48)}, {0.34, grey(26)},
              {0.42, grey(10)}, {0.58, grey(10)}, {0.66, grey(26)}, {0.87, grey(46)},
              {0.94, grey(70)}, {1, grey(3)}});
    brushed(p, r, 11, 20);
    const qreal c = std::floor(th / 2);
    fillRamp(p, QRectF(0, c - 3, len, 7), Qt::Vertical,
             {{0, amber(0)}, {0.5, amber(70)}, {1, amber(0)}});
    p.fillRect(QRectF(0, c, len, 1), QColor(236, 132, 22, 190));
}

void corner(QPainter &p, const QSizeF &s)
{
    const QRectF r(0, 0, s.width(), s.height());
    p.fillRect(r, ramp(r.topLeft(), r.bottomRight(),
                       {{0, grey(78)}, {0.45, grey(38)}, {1, grey(14)}}));
    brushed(p, r, 23, 18);
    bevel(p, r, 90, 190);
    const QRectF groove = r.adjusted(3.5, 3.5, -3.5, -3.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 150), 1));
    p.drawRoundedRect(groove, 2, 2);
    p.setPen(QPen(QColor(255, 255, 255, 26), 1));
    p.drawRoundedRect(groove.translated(0.7, 0.7), 2, 2);
    const QPointF c(12, 13);
    QPainterPath ring;
    ring.addEllipse(c, 5.2, 5.2);
    softGlow(p, ring, amber(110), 1.8);
    rivet(p, c, 4.6);
    p.setPen(QPen(QColor(0, 0, 0, 170), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-2.2, 2.2), c + QPointF(2.2, -2.2));
}

// Dark plate hanging from the top edge with an amber lower rim; `display`
// adds the recessed window under the clock.
void hangingBar(QPainter &p, const QSizeF &s, bool display)
{
    const qreal w = s.width(), b = s.height() - 4, cut = 5;
    QPainterPath body;
    body.moveTo(0, 0);
    body.lineTo(w, 0);
    body.lineTo(w, b - cut);
    body.lineTo(w - cut, b);
    body.lineTo(cut, b);
    body.lineTo(0, b - cut);
    body.closeSubpath();
    p.save();
    p.setClipPath(body);
    const QRectF r(0, 0, w, b);
    fillRamp(p, r, Qt::Vertical,
             {{0, grey(58)}, {0.12, grey(36)}, {0.7, grey(20)}, {1, grey(12)}});
    brushed(p, r, 31, 18);
    scanLines(p, r, 34);
    p.restore();
    QPainterPath rim;
    rim.moveTo(0.5, b - cut);
    rim.lineTo(cut, b - 0.5);
    rim.lineTo(w - cut, b - 0.5);
    rim.lineTo(w - 0.5, b - cut);
    softGlow(p, rim, amber(120), 2.4);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 220), 1));
    p.drawPath(body);
    p.setPen(QPen(QColor(242, 142, 30, 220), 1));
    p.drawPath(rim);
    p.setPen(QPen(QColor(255, 255, 255, 30), 1));
    p.drawLine(QPointF(1, 1.5), QPointF(w - 1, 1.5));
    if (display) {
        const QRectF win(7, 1.5, w - 14, 18);
        QPainterPath pane;
        pane.addRoundedRect(win, 2.5, 2.5);
        p.fillPath(pane, ramp(win.topLeft(), win.bottomLeft(),
                              {{0, QColor(2, 2, 2)}, {0.8, QColor(10, 8, 6)},
                               {1, QColor(34, 20, 8)}}));
        p.save();
        p.setClipPath(pane);
        scanLines(p, win, 60);
        p.fillRect(QRectF(win.left(), win.top(), win.width(), 2), QColor(0, 0, 0, 140));
        p.restore();
        p.setPen(QPen(QColor(255, 255, 255, 34), 1));
        p.drawLine(QPointF(win.left() + 2, win.bottom() + 0.5),
                   QPointF(win.right() - 2, win.bottom() + 0.5));
    }
}

// Rail that carries the row of icon buttons.
void iconRail(QPainter &p, const QSizeF &s)
{
    const QRectF r(0, 0, s.width(), s.height());
    fillRamp(p, r, Qt::Vertical,
             {{0, grey(4)}, {0.08, grey(62)}, {0.18, grey(30)}, {0.25, grey(7)},
              {0.75, grey(11)}, {0.82, grey(30)}, {0.92, grey(52)}, {1, grey(4)}});
    brushed(p, r, 41, 16);
    const QRectF channel(0, 6, s.width(), 13);
    scanLines(p, channel, 60);
    fillRamp(p, QRectF(0, 15, s.width(), 6), Qt::Vertical,
             {{0, amber(0)}, {0.5, amber(60)}, {1, amber(0)}});
    p.fillRect(QRectF(0, 18, s.width(), 1), QColor(230, 128, 24, 150));
    fillRamp(p, QRectF(0, 0, 6, s.height()), Qt::Horizontal, {{0, ink()}, {1, QColor(0, 0, 0, 0)}});
    fillRamp(p, QRectF(s.width() - 6, 0, 6, s.height()), Qt::Horizontal,
             {{0, QColor(0, 0, 0, 0)}, {1, ink()}});
}

void closeButton(QPainter &p, const QSizeF &s, State st)
{
    const QRectF plate(1, 1, s.width() - 2, s.height() - 2);
    buttonPlate(p, plate, 2.5, st, 51);
    if (st == State::Lit) {
        p.save();
        QPainterPath shape;
        shape.addRoundedRect(plate.adjusted(2, 2, -2, -2), 1.5, 1.5);
        p.fillPath(shape, QColor(190, 40, 10, 60));
        p.restore();
    }
    const QPointF c = plate.center();
    QPainterPath x;
    x.moveTo(c + QPointF(-3.5, -3.5));
    x.lineTo(c + QPointF(3.5, 3.5));
    x.moveTo(c + QPointF(3.5, -3.5));
    x.lineTo(c + QPointF(-3.5, 3.5));
    fillGlyph(p, strokeOf(x, 1.9), st);
}

void minimizeButton(QPainter &p, const QSizeF &s, State st)
{
    const QRectF plate(1, 1, s.width() - 2, s.height() - 2);
    buttonPlate(p, plate, 2.5, st, 53);
    QPainterPath bar;
    bar.addRoundedRect(QRectF(plate.center().x() - 4, 9, 8, 2.2), 0.8, 0.8);
    fillGlyph(p, bar, st);
}

} // namespace

void addChromePictures(Pictures &out)
{
    out.push_back({"frame_h", 466, 20, false,
                   [](QPainter &p, const QSizeF &s) { frameStrip(p, s, Qt::Horizontal); }});
    out.push_back({"frame_v", 20, 466, false,
                   [](QPainter &p, const QSizeF &s) { frameStrip(p, s, Qt::Vertical); }});
    out.push_back({"corner", 24, 26, false, corner});
    out.push_back({"topbar", 70, 30, false,
                   [](QPainter &p, const QSizeF &s) { hangingBar(p, s, false); }});
    out.push_back({"clockbar", 143, 30, false,
                   [](QPainter &p, const QSizeF &s) { hangingBar(p, s, true); }});
    out.push_back({"iconstrip", 246, 25, false, iconRail});
    out.push_back({"close", 22, 16, false,
                   [](QPainter &p, const QSizeF &s) { closeButton(p, s, State::Normal); }});
    out.push_back({"close_hover", 22, 16, false,
                   [](QPainter &p, const QSizeF &s) { closeButton(p, s, State::Lit); }});
    out.push_back({"minimize", 20, 16, false,
                   [](QPainter &p, const QSizeF &s) { minimizeButton(p, s, State::Normal); }});
    out.push_back({"minimize_hover", 20, 16, false,
                   [](QPainter &p, const QSizeF &s) { minimizeButton(p, s, State::Lit); }});
}

} // namespace skin
