// Shared drawing toolkit of the skin generator: the palette, metal and
// texture fills, bevels, glows, captions and the common button plate.
// Every function draws in logical pixels; the painter may be scaled (the
// @2x pictures), textures are generated at the device resolution.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <initializer_list>
#include <utility>

namespace skin {

enum class State { Normal, Lit, Pressed };

using Stops = std::initializer_list<std::pair<qreal, QColor>>;

// Palette: near-black, charcoal metal and the community's amber.
QColor ink();                       // window black, slightly lifted
QColor grey(int level, int alpha = 255);
QColor amber(int alpha = 255);      // the community colour
QColor amberHot(int alpha = 255);   // the white-hot centre of a glow
QColor amberDeep(int alpha = 255);  // burnt orange for shadows of amber
QColor mix(const QColor &a, const QColor &b, qreal t);

// Font used for every caption; set once from the loaded font file.
void setCaptionFamily(const QString &family);

// Scale from logical to device pixels of the painter's current transform.
qreal deviceScale(const QPainter &p);

QLinearGradient ramp(QPointF from, QPointF to, Stops stops);
void fillRamp(QPainter &p, const QRectF &r, Qt::Orientation across, Stops stops);

// Fine streaks along the given orientation, like brushed steel. The
// pattern is fixed by the seed.
void brushed(QPainter &p, const QRectF &r, quint32 seed, int strength,
             Qt::Orientation along = Qt::Horizontal);
// Thin dark lines every `pitch` logical pixels.
void scanLines(QPainter &p, const QRectF &r, int alpha, qreal pitch = 2.0);
// Soft blurred halo around (and under) a path.
void softGlow(QPainter &p, const QPainterPath &path, const QColor &c, qreal radius);
// One-pixel light top/left and dark bottom/right edge inside a rectangle.
void bevel(QPainter &p, const QRectF &r, int lightAlpha, int darkAlpha, qreal radius = 0);
// Small round rivet head.
void rivet(QPainter &p, QPointF c, qreal radius, bool lit = false);

// Caption text as a path, centred in `box` on its capital height.
QPainterPath captionPath(const QString &text, qreal px, const QRectF &box,
                         qreal spacing = 0, qreal xScale = 1.0);
void fillCaption(QPainter &p, const QPainterPath &text, State state);
void caption(QPainter &p, const QString &text, const QRectF &box, qreal px,
             State state, qreal spacing = 0, qreal xScale = 1.0);

// Raised charcoal plate of a picture button. Lit adds warmth and an
// amber rim, Pressed sinks it.
void buttonPlate(QPainter &p, const QRectF &r, qreal radius, State state, quint32 seed = 7);
// Fill of a symbol on a plate: light steel, amber-hot when lit.
void fillGlyph(QPainter &p, const QPainterPath &glyph, State state);

// Outline of a stroked centre line, for building filled symbols.
QPainterPath strokeOf(const QPainterPath &line, qreal width,
                      Qt::PenCapStyle cap = Qt::RoundCap);
// Maps a symbol drawn in a 24 x 24 design box into `box`, keeping its shape.
QPainterPath placeGlyph(const QPainterPath &glyph, const QRectF &box);

} // namespace skin
