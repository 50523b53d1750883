// Inside the artwork: the painters behind cardart.h, the palette they share
// and small drawing helpers. Each painter draws in logical coordinates on a
// painter already scaled to the device pixel ratio.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "client/art/cardart.h"

namespace velmora::client::art::detail {

// The board's own colours.
inline QColor tableText() { return {243, 231, 205}; }
inline QColor windowColour() { return {153, 115, 72}; }
inline QColor ink() { return {52, 38, 26}; }

// Each colour also has its own shape, so that the four stay apart for a
// player who cannot tell blue from green or red from brown.
enum class Shape { Circle, Square, Triangle, Diamond, NoEntry };

struct Suit {
    QColor colour;
    Shape shape;
};
// Suit of a face 1..53 (53, the skip, has no colour of its own).
Suit suitOf(int face);

// Text in the table's sans-serif face; bold unless told otherwise.
QFont tableFont(qreal pixelSize, bool bold = true);

// Draws `text` centred in `box`, squeezed sideways when it would not fit.
void fitText(QPainter& p, const QRectF& box, const QString& text, const QFont& font);

void drawShape(QPainter& p, Shape shape, const QPointF& centre, qreal size, const QColor& colour);

// Card painters; `size` is the big or the small card size.
void paintCardBack(QPainter& p, QSizeF size);
void paintCardFace(QPainter& p, QSizeF size, int face);

// The other pictures.
void paintGroupLabel(QPainter& p, int kind);
void paintStageTrack(QPainter& p, int crossed);
void paintFixed(QPainter& p, Fixed which);

}  // namespace velmora::client::art::detail

namespace velmora::client::art::detail {

// Empties the cache so a benchmark can time the drawing again. Every
// reference handed out before becomes invalid: never call it in the game.
void forgetAllForBenchmark();

}  // namespace velmora::client::art::detail
