#include "Paint.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainterPathStroker>

#include <cmath>

namespace skin {

namespace {

QString g_family = QStringLiteral("DejaVu Sans");

quint32 hash3(quint32 x, quint32 y, quint32 seed)
{
    quint32 h = x * 374761393u + y * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

// Deterministic value in [-1, 1].
qreal noise(quint32 x, quint32 y, quint32 seed)
{
    return (hash3(x, y, seed) & 0xffff) / 32767.5 - 1.0;
}

qreal smoothNoise(qreal x, quint32 row, quint32 seed)
{
    const qreal f = std::floor(x);
    const qreal t = x - f;
    const qreal s = t * t * (3 - 2 * t);
    const qreal a = noise(quint32(f), row, seed);
    const qreal b = noise(quint32(f) + 1, row, seed);
    return a + (b - a) * s;
}

} // namespace

QColor ink() { return QColor(5, 5, 6); }
QColor grey(int level, int alpha) { return QColor(level, level, qMin(255, level + 3), alpha); }
QColor amber(int alpha) { return QColor(255, 150, 28, alpha); }
QColor amberHot(int alpha) { return QColor(255, 222, 150, alpha); }
QColor amberDeep(int alpha) { return QColor(150, 62, 8, alpha); }

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    auto m = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()),
                  m(a.alpha(), b.alpha()));
}

void setCaptionFamily(const QString &family) { g_family = family; }

qreal deviceScale(const QPainter &p)
{
    const QTransform &t = p.transform();
    return std::sqrt(t.m11() * t.m11() + t.m12() * t.m12());
}

QLinearGradient ramp(QPointF from, QPointF to, Stops stops)
{
    QLinearGradient g(from, to);
    for (const auto &s : stops)
        g.setColorAt(s.first, s.second);
    return g;
}

void fillRamp(QPainter &p, const QRectF &r, Qt::Orientation across, Stops stops)
{
    const QPointF to = across == Qt::Vertical ? r.bottomLeft() : r.topRight();
    p.fillRect(r, ramp(r.topLeft(), to, stops));
}

void brushed(QPainter &p, const QRectF &r, quint32 seed, int strength, Qt::Orientation along)
{
    const qreal s = deviceScale(p);
    const int w = qMax(1, int(std::ceil(r.width() * s)));
    const int h = qMax(1, int(std::ceil(r.height() * s)));
    const bool horiz = along == Qt::Horizontal;
    const int len = horiz ? w : h;
    const int rows = horiz ? h : w;
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int row = 0; row < rows; ++row) {
        const qreal bias = noise(row, 0, seed ^ 0x5bd1u);
        for (int i = 0; i < len; ++i) {
            const qreal v = 0.45 * bias + 0.35 * smoothNoise(i / (9.0 * s), row, seed)
                + 0.20 * noise(i, row, seed + 17);
            const int a = qBound(0, int(std::lround(std::abs(v) * strength)), 255);
            const QRgb px = v > 0 ? qRgba(a, a, a, a) : qRgba(0, 0, 0, a);
            if (horiz)
                img.setPixel(i, row, px);
            else
                img.setPixel(row, i, px);
        }
    }
    p.drawImage(r, img);
}

void scanLines(QPainter &p, const QRectF &r, int alpha, qreal pitch)
{
    const QColor c(0, 0, 0, alpha);
    for (qreal y = r.top() + pitch / 2; y < r.bottom(); y += pitch)
        p.fillRect(QRectF(r.left(), y, r.width(), qMin(pitch / 2, r.bottom() - y)), c);
}

void softGlow(QPainter &p, const QPainterPath &path, const QColor &c, qreal radius)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    const int steps = qMax(1, int(std::ceil(radius * 2)));
    for (int i = steps; i >= 1; --i) {
        QColor k = c;
        k.setAlphaF(c.alphaF() * 1.6 / steps);
        QPen pen(k, 2.0 * radius * i / steps, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.strokePath(path, pen);
    }
    p.restore();
}

void bevel(QPainter &p, const QRectF &r, int lightAlpha, int darkAlpha, qreal radius)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    const QRectF in = r.adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(in, radius, radius);
    QLinearGradient g(in.topLeft(), in.bottomLeft());
    g.setColorAt(0, QColor(255, 255, 255, lightAlpha));
    g.setColorAt(0.45, QColor(255, 255, 255, 0));
    g.setColorAt(0.55, QColor(0, 0, 0, 0));
    g.setColorAt(1, QColor(0, 0, 0, darkAlpha));
    p.strokePath(shape, QPen(QBrush(g), 1));
    p.restore();
}

void rivet(QPainter &p, QPointF c, qreal radius, bool lit)
{
    QRadialGradient g(c - QPointF(radius * 0.35, radius * 0.4), radius * 1.3);
    g.setColorAt(0, lit ? amberHot() : grey(150));
    g.setColorAt(0.5, lit ? amber() : grey(70));
    g.setColorAt(1, grey(18));
    p.setPen(QPen(QColor(0, 0, 0, 200), 0.6));
    p.setBrush(g);
    p.drawEllipse(c, radius, radius);
}

QPainterPath captionPath(const QString &text, qreal px, const QRectF &box, qreal spacing,
                         qreal xScale)
{
    QFont f(g_family);
    f.setBold(true);
    f.setPixelSize(int(std::lround(px)));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    if (spacing != 0)
        f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF b = path.boundingRect();
    const qreal cap = QFontMetricsF(f).capHeight();
    QTransform t;
    const qreal x = std::round(box.center().x() - b.center().x() * xScale);
    const qreal y = std::round(box.center().y() + cap / 2);
    t.translate(x, y);
    t.scale(xScale, 1);
    return t.map(path);
}

void fillCaption(QPainter &p, const QPainterPath &text, State state)
{
    const QRectF b = text.boundingRect();
    p.save();
    p.setPen(Qt::NoPen);
    p.fillPath(text.translated(0, 1), QColor(0, 0, 0, 210));
    if (state == State::Lit)
        softGlow(p, text, amber(150), 2.2);
    const QLinearGradient g = state == State::Normal
        ? ramp(b.topLeft(), b.bottomLeft(), {{0, grey(238)}, {1, grey(168)}})
        : ramp(b.topLeft(), b.bottomLeft(), {{0, QColor(255, 252, 240)}, {1, amberHot()}});
    p.fillPath(text, g);
    p.restore();
}

void caption(QPainter &p, const QString &text, const QRectF &box, qreal px, State state,
             qreal spacing, qreal xScale)
{
    fillCaption(p, captionPath(text, px, box, spacing, xScale), state);
}

void buttonPlate(QPainter &p, const QRectF &r, qreal radius, State state, quint32 seed)
{
    QPainterPath shape;
    shape.addRoundedRect(r, radius, radius);
    p.save();
    p.setPen(Qt::NoPen);
    switch (state) {
    case State::Normal:
        p.fillPath(shape, ramp(r.topLeft(), r.bottomLeft(),
                               {{0, grey(64)}, {0.45, grey(36)}, {1, grey(17)}}));
        break;
    case State::Lit:
        p.fillPath(shape, ramp(r.topLeft(), r.bottomLeft(),
                               {{0, QColor(92, 70, 50)}, {0.45, QColor(52, 36, 24)},
                                {1, QColor(28, 17, 9)}}));
        break;
    case State::Pressed:
        p.fillPath(shape, ramp(r.topLeft(), r.bottomLeft(),
                               {{0, QColor(10, 8, 7)}, {0.6, QColor(30, 22, 16)},
                                {1, QColor(52, 36, 22)}}));
        break;
    }
    p.setClipPath(shape);
    brushed(p, r, seed, state == State::Pressed ? 10 : 16);
    scanLines(p, r, 26);
    if (state != State::Normal) {
        QRadialGradient g(QPointF(r.center().x(), r.top()), r.width() * 0.65);
        g.setColorAt(0, amber(state == State::Lit ? 60 : 40));
        g.setColorAt(1, amber(0));
        p.fillRect(r, g);
    }
    if (state == State::Pressed) {
        p.fillRect(QRectF(r.left(), r.top(), r.width(), 2), QColor(0, 0, 0, 150));
        p.fillRect(QRectF(r.left(), r.top() + 2, r.width(), 1), QColor(0, 0, 0, 70));
    }
    p.setClipping(false);
    if (state != State::Pressed)
        bevel(p, r.adjusted(1, 1, -1, -1), state == State::Lit ? 90 : 70, 120,
              qMax<qreal>(0, radius - 1));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 235), 1));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    if (state != State::Normal) {
        p.setPen(QPen(amber(state == State::Lit ? 235 : 150), 1));
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
        p.setPen(QPen(amber(state == State::Lit ? 70 : 45), 1.5));
        p.drawRoundedRect(r.adjusted(1.75, 1.75, -1.75, -1.75), radius - 1, radius - 1);
    }
    p.restore();
}

void fillGlyph(QPainter &p, const QPainterPath &glyph, State state)
{
    const QRectF b = glyph.boundingRect();
    p.save();
    p.setPen(Qt::NoPen);
    p.fillPath(glyph.translated(0, 1), QColor(0, 0, 0, 200));
    if (state == State::Lit) {
        softGlow(p, glyph, amber(120), 2.0);
        p.strokePath(glyph, QPen(QColor(20, 8, 0, 170), 1.2));
        p.fillPath(glyph, ramp(b.topLeft(), b.bottomLeft(),
                               {{0, QColor(255, 252, 240)}, {0.5, amberHot()}, {1, amber()}}));
    } else {
        p.fillPath(glyph, ramp(b.topLeft(), b.bottomLeft(),
                               {{0, grey(228)}, {0.55, grey(168)}, {1, QColor(196, 130, 60)}}));
    }
    p.strokePath(glyph, QPen(QColor(0, 0, 0, 90), 0.5));
    p.restore();
}

QPainterPath strokeOf(const QPainterPath &line, qreal width, Qt::PenCapStyle cap)
{
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(cap);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(line).simplified();
}

QPainterPath placeGlyph(const QPainterPath &glyph, const QRectF &box)
{
    const qreal k = qMin(box.width(), box.height()) / 24.0;
    QTransform t;
    t.translate(box.center().x() - 12 * k, box.center().y() - 12 * k);
    t.scale(k, k);
    return t.map(glyph);
}

} // namespace skin
