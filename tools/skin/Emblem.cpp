// The community crest (logo and application icon), the two language flags
// and the warning picture of the error dialog.
#include "Catalogue.h"
#include "Paint.h"

#include <QPolygonF>

namespace skin {

namespace {

QPainterPath shield(const QRectF &b)
{
    const qreal l = b.left(), r = b.right(), t = b.top(), w = b.width(), h = b.height();
    const qreal cx = b.center().x(), shoulder = t + h * 0.09;
    QPainterPath s;
    s.moveTo(l, shoulder);
    s.lineTo(cx - w * 0.2, shoulder);
    s.lineTo(cx, t);
    s.lineTo(cx + w * 0.2, shoulder);
    s.lineTo(r, shoulder);
    s.lineTo(r, t + h * 0.5);
    s.cubicTo(r, t + h * 0.78, cx + w * 0.22, t + h * 0.9, cx, b.bottom());
    s.cubicTo(cx - w * 0.22, t + h * 0.9, l, t + h * 0.78, l, t + h * 0.5);
    s.closeSubpath();
    return s;
}

void fillAmber(QPainter &p, const QPainterPath &g)
{
    const QRectF b = g.boundingRect();
    p.fillPath(g, ramp(b.topLeft(), b.bottomLeft(),
                       {{0, QColor(255, 246, 220)}, {0.35, amberHot()}, {0.7, amber()},
                        {1, amberDeep()}}));
}

// Shield with the interlocked "OV" letters, filling `box`.
void crest(QPainter &p, const QRectF &box)
{
    const QPainterPath outer = shield(box);
    softGlow(p, outer, amber(70), 3.0);
    p.fillPath(outer, ramp(box.topLeft(), box.bottomRight(),
                           {{0, grey(190)}, {0.35, grey(92)}, {0.7, grey(40)}, {1, grey(20)}}));
    p.strokePath(outer, QPen(QColor(0, 0, 0, 230), 1));
    const qreal k = box.width() / 58.0;
    const QRectF fieldBox = box.adjusted(3.6 * k, 3.6 * k, -3.6 * k, -3.6 * k);
    const QPainterPath field = shield(fieldBox);
    p.fillPath(field, ramp(fieldBox.topLeft(), fieldBox.bottomLeft(),
                           {{0, QColor(40, 34, 30)}, {0.6, QColor(16, 14, 13)}, {1, ink()}}));
    p.save();
    p.setClipPath(field);
    brushed(p, fieldBox, 91, 14);
    scanLines(p, fieldBox, 60);
    QRadialGradient halo(QPointF(fieldBox.center().x(), fieldBox.top() + fieldBox.height() * 0.4),
                         fieldBox.width() * 0.6);
    halo.setColorAt(0, amber(70));
    halo.setColorAt(1, amber(0));
    p.fillRect(fieldBox, halo);
    p.restore();
    p.strokePath(field, QPen(amber(170), qMax<qreal>(1, 0.9 * k)));

    const qreal w = fieldBox.width(), h = fieldBox.height();
    const qreal cx = fieldBox.center().x(), t = fieldBox.top();
    const QPointF oc(cx - w * 0.15, t + h * 0.44);
    QPainterPath o;
    o.addEllipse(oc, w * 0.2, h * 0.22);
    QPainterPath hole;
    hole.addEllipse(oc, w * 0.1, h * 0.13);
    o = o.subtracted(hole);
    const qreal yT = t + h * 0.22, yB = t + h * 0.68, aw = w * 0.12;
    const qreal xL = cx - w * 0.02, xR = cx + w * 0.42, xb = (xL + xR) / 2;
    QPolygonF vp;
    vp << QPointF(xL, yT) << QPointF(xL + aw, yT) << QPointF(xb, yB - aw * 2.0)
       << QPointF(xR - aw, yT) << QPointF(xR, yT) << QPointF(xb + aw * 0.5, yB)
       << QPointF(xb - aw * 0.5, yB);
    QPainterPath v;
    v.addPolygon(vp);
    v.closeSubpath();
    softGlow(p, o.united(v), amber(130), 2.4 * k);
    p.fillPath(o.translated(0, k), QColor(0, 0, 0, 200));
    fillAmber(p, o);
    p.strokePath(v, QPen(QColor(8, 6, 5), 2.4 * k, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    fillAmber(p, v);
    // Bright edge on the upper rims of the letters.
    p.strokePath(o, QPen(QColor(255, 255, 255, 50), 0.6 * k));
}

// Tapered speed streaks to either side of the crest.
void wings(QPainter &p, const QRectF &crestBox)
{
    for (int side : {-1, 1}) {
        for (int i = 0; i < 3; ++i) {
            const qreal y = crestBox.top() + crestBox.height() * (0.34 + 0.1 * i);
            const qreal len = 17 - 4 * i;
            const qreal x0 = side < 0 ? crestBox.left() - 2 : crestBox.right() + 2;
            const qreal x1 = x0 + side * len;
            QPolygonF streak;
            streak << QPointF(x0, y - 1.2) << QPointF(x1, y) << QPointF(x0, y + 1.2);
            p.setPen(Qt::NoPen);
            p.setBrush(ramp(QPointF(x0, y), QPointF(x1, y), {{0, amber(230)}, {1, amber(0)}}));
            p.drawPolygon(streak);
        }
    }
}

// The first game header is drawn across the logo's lowest 20 pixels, so
// crest and word mark keep above them and that strip stays bare skin.
void logo(QPainter &p, const QSizeF &s)
{
    const qreal height = 47, width = height * 58 / 68;
    const QRectF box((s.width() - width) / 2, 2, width, height);
    wings(p, box);
    crest(p, box);
    const QPainterPath text = captionPath(QStringLiteral("ORVANTA"), 10,
                                          QRectF(0, 51, s.width(), 11), 2.4);
    fillCaption(p, text, State::Lit);
}

void appIcon(QPainter &p, const QSizeF &s)
{
    crest(p, QRectF(5, 2, s.width() - 10, s.height() - 4));
}

void gloss(QPainter &p, const QRectF &r)
{
    p.fillRect(r, ramp(r.topLeft(), r.bottomLeft(),
                       {{0, QColor(255, 255, 255, 60)}, {0.5, QColor(255, 255, 255, 0)},
                        {1, QColor(0, 0, 0, 50)}}));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 110), 1));
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

void flagCz(QPainter &p, const QSizeF &s)
{
    const qreal w = s.width(), h = s.height();
    p.fillRect(QRectF(0, 0, w, h / 2), QColor(246, 246, 246));
    p.fillRect(QRectF(0, h / 2, w, h / 2), QColor(214, 20, 36));
    QPolygonF wedge;
    wedge << QPointF(0, 0) << QPointF(w / 2, h / 2) << QPointF(0, h);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(18, 68, 128));
    p.drawPolygon(wedge);
    gloss(p, QRectF(0, 0, w, h));
}

void flagEn(QPainter &p, const QSizeF &s)
{
    const qreal w = s.width(), h = s.height();
    const QRectF r(0, 0, w, h);
    p.fillRect(r, QColor(10, 36, 110));
    p.save();
    p.setClipRect(r);
    QPainterPath diag;
    diag.moveTo(0, 0);
    diag.lineTo(w, h);
    diag.moveTo(w, 0);
    diag.lineTo(0, h);
    p.strokePath(diag, QPen(QColor(246, 246, 246), h * 0.2, Qt::SolidLine, Qt::FlatCap));
    p.strokePath(diag, QPen(QColor(204, 22, 40), h * 0.075, Qt::SolidLine, Qt::FlatCap));
    const QColor white(246, 246, 246), red(204, 22, 40);
    p.fillRect(QRectF(0, h / 2 - h * 0.17, w, h * 0.34), white);
    p.fillRect(QRectF(w / 2 - h * 0.17, 0, h * 0.34, h), white);
    p.fillRect(QRectF(0, h / 2 - h * 0.09, w, h * 0.18), red);
    p.fillRect(QRectF(w / 2 - h * 0.09, 0, h * 0.18, h), red);
    p.restore();
    gloss(p, r);
}

void warning(QPainter &p, const QSizeF &s)
{
    const QRectF r(0, 0, s.width(), s.height());
    fillRamp(p, r, Qt::Vertical, {{0, grey(46)}, {0.5, grey(24)}, {1, grey(12)}});
    brushed(p, r, 95, 16);
    scanLines(p, r, 40);
    QRadialGradient halo(QPointF(r.center().x(), 38), 40);
    halo.setColorAt(0, amber(70));
    halo.setColorAt(1, amber(0));
    p.fillRect(r, halo);
    bevel(p, r, 80, 200);
    const qreal cx = r.center().x();
    QPolygonF tri;
    tri << QPointF(cx, 10) << QPointF(cx + 26, 57) << QPointF(cx - 26, 57);
    QPainterPath t;
    t.addPolygon(tri);
    t.closeSubpath();
    QPainterPath outline;
    outline.addPolygon(tri);
    outline.closeSubpath();
    t = t.united(strokeOf(outline, 5));
    softGlow(p, t, amber(140), 3.5);
    p.fillPath(t.translated(0, 1.5), QColor(0, 0, 0, 200));
    fillAmber(p, t);
    QPolygonF inner;
    inner << QPointF(cx, 17) << QPointF(cx + 21, 54.5) << QPointF(cx - 21, 54.5);
    QPainterPath in;
    in.addPolygon(inner);
    in.closeSubpath();
    p.strokePath(in, QPen(QColor(120, 50, 6, 160), 1));
    QPolygonF bar;
    bar << QPointF(cx - 3.2, 25) << QPointF(cx + 3.2, 25) << QPointF(cx + 1.8, 44)
        << QPointF(cx - 1.8, 44);
    QPainterPath mark;
    mark.addPolygon(bar);
    mark.closeSubpath();
    mark.addEllipse(QPointF(cx, 49.5), 2.7, 2.7);
    p.fillPath(mark, QColor(14, 10, 8));
}

} // namespace

void addEmblemPictures(Pictures &out)
{
    out.push_back({"logo", 98, 89, false, logo});
    out.push_back({"appicon", 64, 64, true, appIcon});
    out.push_back({"flag_cz", 18, 12, true, flagCz});
    out.push_back({"flag_en", 18, 12, true, flagEn});
    out.push_back({"error", 90, 70, false, warning});
}

} // namespace skin
