// Frames of the news and status boxes, the ornaments beside the
// statistics, the link and save buttons and the start-up progress panel.
#include "Catalogue.h"
#include "Paint.h"

#include <cmath>

namespace skin {

namespace {

// Thin bevelled bar with an amber seam; vertical bars are turned.
void frameBar(QPainter &p, const QSizeF &size, Qt::Orientation along)
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
             {{0, grey(4)}, {0.2, grey(78)}, {0.45, grey(34)}, {0.55, grey(28)},
              {0.8, grey(48)}, {1, grey(4)}});
    brushed(p, r, 101, 16);
    const qreal c = std::floor(th / 2);
    fillRamp(p, QRectF(0, c - 1.5, len, 4), Qt::Vertical,
             {{0, amber(0)}, {0.5, amber(80)}, {1, amber(0)}});
    p.fillRect(QRectF(0, c, len, 1), QColor(236, 132, 22, 170));
    fillRamp(p, QRectF(0, 0, 2, th), Qt::Horizontal, {{0, ink()}, {1, QColor(0, 0, 0, 0)}});
    fillRamp(p, QRectF(len - 2, 0, 2, th), Qt::Horizontal, {{0, QColor(0, 0, 0, 0)}, {1, ink()}});
}

// Bracket ornament; the right one is the mirror image of the left one.
void statBracket(QPainter &p, const QSizeF &s, bool right)
{
    if (right) {
        p.translate(s.width(), 0);
        p.scale(-1, 1);
    }
    const qreal h = s.height();
    const QRectF post(2, 3, 6, h - 6);
    fillRamp(p, post, Qt::Horizontal,
             {{0, grey(20)}, {0.3, grey(88)}, {0.7, grey(40)}, {1, grey(14)}});
    brushed(p, post, 103, 14, Qt::Vertical);
    for (qreal y : {3.0, h - 6}) {
        const QRectF arm(2, y, 40, 3);
        p.fillRect(arm, ramp(arm.topLeft(), arm.topRight(),
                             {{0, grey(80)}, {0.6, grey(36)}, {1, QColor(0, 0, 0, 0)}}));
        p.fillRect(QRectF(8, y + (y < 10 ? 3 : -1), 30, 1),
                   ramp(QPointF(8, 0), QPointF(38, 0), {{0, amber(200)}, {1, amber(0)}}));
    }
    const QRectF seam(8.5, 8, 1, h - 16);
    QPainterPath line;
    line.addRect(seam);
    softGlow(p, line, amber(110), 2.0);
    p.fillRect(seam, QColor(244, 150, 34));
    p.setPen(QPen(QColor(0, 0, 0, 200), 1));
    p.drawLine(QPointF(1.5, 3), QPointF(1.5, h - 3));
    rivet(p, QPointF(5, 11), 1.7);
    rivet(p, QPointF(5, h - 11), 1.7);
    // Three small chevrons pointing into the block.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal x = 14 + i * 5;
        p.setPen(QPen(amber(200 - 60 * i), 1.3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        QPainterPath v;
        v.moveTo(x, h / 2 - 3.5);
        v.lineTo(x + 3, h / 2);
        v.lineTo(x, h / 2 + 3.5);
        p.drawPath(v);
    }
}

void diamond(QPainter &p, QPointF c, State st)
{
    QPainterPath d;
    d.moveTo(c + QPointF(0, -3));
    d.lineTo(c + QPointF(3, 0));
    d.lineTo(c + QPointF(0, 3));
    d.lineTo(c + QPointF(-3, 0));
    d.closeSubpath();
    if (st == State::Lit)
        softGlow(p, d, amber(200), 2.0);
    p.fillPath(d.translated(0, 0.8), QColor(0, 0, 0, 180));
    p.fillPath(d, st == State::Lit ? amberHot() : amber());
}

void linkButton(QPainter &p, const QSizeF &s, const QString &text, State st, quint32 seed)
{
    buttonPlate(p, QRectF(0, 0, s.width(), s.height()), 3, st, seed);
    diamond(p, QPointF(8.5, s.height() / 2), st);
    caption(p, text, QRectF(14, 0, s.width() - 18, s.height()), 9, st, 1.1);
}

void saveButton(QPainter &p, const QSizeF &s, State st)
{
    buttonPlate(p, QRectF(0, 0, s.width(), s.height()), 4, st, 111);
    const qreal h = s.height(), gap = 11;
    const QRectF probe(0, 0.5, 0, h);
    const QPainterPath cz = captionPath(QString::fromUtf8("ULOŽIT"), 10, probe, 0.5);
    const QPainterPath en = captionPath(QStringLiteral("SAVE"), 10, probe, 0.5);
    const qreal wc = cz.boundingRect().width(), we = en.boundingRect().width();
    const qreal left = std::round((s.width() - wc - gap - we) / 2);
    fillCaption(p, cz.translated(left - cz.boundingRect().left(), 0), st);
    fillCaption(p, en.translated(left + wc + gap - en.boundingRect().left(), 0), st);
    const qreal mid = left + wc + gap / 2;
    QPainterPath slash;
    slash.moveTo(mid + 2, 8);
    slash.lineTo(mid - 2, h - 8);
    if (st == State::Lit)
        softGlow(p, slash, amber(200), 2.0);
    p.strokePath(slash, QPen(st == State::Lit ? amberHot() : amber(), 1.5, Qt::SolidLine,
                             Qt::RoundCap));
}

void progressPanel(QPainter &p, const QSizeF &s)
{
    const QRectF r(0, 0, s.width(), s.height());
    fillRamp(p, r, Qt::Vertical, {{0, grey(50)}, {0.4, grey(28)}, {1, grey(12)}});
    brushed(p, r, 113, 16);
    scanLines(p, r, 34);
    bevel(p, r, 80, 200);
    const QRectF trough(5.5, 13.5, 241, 31);
    QPainterPath well;
    well.addRoundedRect(trough, 3, 3);
    p.fillPath(well, ramp(trough.topLeft(), trough.bottomLeft(),
                          {{0, QColor(0, 0, 0)}, {0.85, QColor(10, 8, 7)}, {1, QColor(40, 22, 8)}}));
    p.strokePath(well, QPen(QColor(0, 0, 0, 230), 1));
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.drawLine(QPointF(trough.left() + 3, trough.bottom() + 1), QPointF(trough.right() - 3, trough.bottom() + 1));
    p.fillRect(QRectF(8, 6, 236, 1), ramp(QPointF(8, 0), QPointF(244, 0),
                                           {{0, amber(0)}, {0.5, amber(190)}, {1, amber(0)}}));
    caption(p, QStringLiteral("ORVANTA GAME CLIENT"), QRectF(0, 47, s.width(), 13), 8,
            State::Normal, 2.0);
}

} // namespace

void addPanelPictures(Pictures &out)
{
    auto bar = [](Qt::Orientation o) {
        return [o](QPainter &p, const QSizeF &s) { frameBar(p, s, o); };
    };
    out.push_back({"news_frame_h", 191, 6, false, bar(Qt::Horizontal)});
    out.push_back({"news_frame_v", 6, 93, false, bar(Qt::Vertical)});
    out.push_back({"status_frame_h", 385, 8, false, bar(Qt::Horizontal)});
    out.push_back({"status_frame_v", 8, 434, false, bar(Qt::Vertical)});
    out.push_back({"stat_left", 60, 70, false,
                   [](QPainter &p, const QSizeF &s) { statBracket(p, s, false); }});
    out.push_back({"stat_right", 60, 70, false,
                   [](QPainter &p, const QSizeF &s) { statBracket(p, s, true); }});
    const struct { const char *name; const char *text; quint32 seed; } links[] = {
        {"banlist", "BAN LIST", 105}, {"forum", "FORUM", 107}};
    for (const auto &l : links) {
        const QString text = QString::fromLatin1(l.text);
        const quint32 seed = l.seed;
        out.push_back({QString::fromLatin1(l.name), 80, 20, false,
                       [=](QPainter &p, const QSizeF &s) {
                           linkButton(p, s, text, State::Normal, seed);
                       }});
        out.push_back({QString::fromLatin1(l.name) + "_hover", 80, 20, false,
                       [=](QPainter &p, const QSizeF &s) { linkButton(p, s, text, State::Lit, seed); }});
    }
    out.push_back({"save", 97, 27, false,
                   [](QPainter &p, const QSizeF &s) { saveButton(p, s, State::Normal); }});
    out.push_back({"save_hover", 97, 27, false,
                   [](QPainter &p, const QSizeF &s) { saveButton(p, s, State::Lit); }});
    out.push_back({"progress_bg", 252, 63, false, progressPanel});
}

} // namespace skin
