// Card faces and backs. A face shows its number (or W / S) and its colour's
// shape in the top-left corner, the only part that stays visible where cards
// overlap (half of a card in the hand, 18 of 45 pixels in a laid group), and
// on the right a column of as many bars as the number, or the word Wild or
// Skip standing upright.
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <array>

#include "client/art/cardart_draw.h"

namespace velmora::client::art::detail {
namespace {

// Where things stand on a card of one size. Whole-pixel bar pitches keep the
// bars sharp at ratio 1.
struct CardLayout {
    qreal radius;
    QRectF number;    // corner index box
    qreal numberPx;   // its font size
    QPointF shapeAt;  // centre of the colour's shape under the index
    qreal shapeSize;
    QRectF column;    // the bar column / upright word
    int barPitch;
    int barHeight;
};

constexpr CardLayout kBig{5, {2, 3, 26, 24}, 23, {15, 37}, 13, {37, 5, 17, 72}, 6, 4};
constexpr CardLayout kSmall{4, {1, 2, 16, 18}, 17, {9, 28}, 10, {28, 6, 12, 48}, 4, 3};

const CardLayout& layoutFor(QSizeF size) { return size.width() >= kBigCardSize.width() ? kBig : kSmall; }

constexpr int kRanks = 13;  // 12 numbers and the wild card per colour

const std::array<Suit, 4> kSuits{{
    {{28, 84, 196}, Shape::Circle},     // blue
    {{133, 78, 32}, Shape::Square},     // brown
    {{22, 134, 58}, Shape::Triangle},   // green
    {{206, 32, 40}, Shape::Diamond},    // red
}};
const Suit kSkipSuit{{40, 40, 46}, Shape::NoEntry};

void paintPaper(QPainter& p, QSizeF size, qreal radius) {
    const QRectF r(QPointF(0.5, 0.5), size - QSizeF(1, 1));
    QLinearGradient paper(0, 0, 0, size.height());
    paper.setColorAt(0, QColor(255, 254, 249));
    paper.setColorAt(1, QColor(244, 238, 224));
    p.setPen(QPen(QColor(86, 68, 50), 1));
    p.setBrush(paper);
    p.drawRoundedRect(r, radius, radius);
}

void paintBars(QPainter& p, const CardLayout& l, int count, const QColor& colour) {
    const int places = static_cast<int>(l.column.height()) / l.barPitch;
    QColor faint = colour;
    faint.setAlpha(38);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < places; ++i) {
        // Filled from the bottom up, so the column's height reads as the number.
        const qreal top = l.column.bottom() - (i + 1) * l.barPitch + (l.barPitch - l.barHeight);
        p.setBrush(i < count ? colour : faint);
        p.drawRoundedRect(QRectF(l.column.left(), top, l.column.width(), l.barHeight), 1, 1);
    }
}

void paintUprightWord(QPainter& p, const CardLayout& l, const QString& word, const QColor& colour) {
    p.save();
    p.translate(l.column.center());
    p.rotate(-90);
    const QRectF box(-l.column.height() / 2, -l.column.width() / 2 - 4, l.column.height(), l.column.width() + 8);
    p.setPen(colour);
    fitText(p, box, word, tableFont(l.column.width() * 1.25));
    p.restore();
}

QString cornerText(int face) {
    if (face == kSkip) return QStringLiteral("S");
    const int rank = face % kRanks;
    return rank == 0 ? QStringLiteral("W") : QString::number(rank);
}

}  // namespace

Suit suitOf(int face) {
    if (face < 1 || face >= kSkip) return kSkipSuit;
    return kSuits[(face - 1) / kRanks];
}

void paintCardFace(QPainter& p, QSizeF size, int face) {
    const CardLayout& l = layoutFor(size);
    const Suit suit = suitOf(face);
    paintPaper(p, size, l.radius);

    p.setPen(suit.colour);
    fitText(p, l.number, cornerText(face), tableFont(l.numberPx));
    drawShape(p, suit.shape, l.shapeAt, l.shapeSize, suit.colour);

    const int rank = face % kRanks;
    if (face == kSkip)
        paintUprightWord(p, l, QCoreApplication::translate("CardArt", "Skip"), suit.colour);
    else if (rank == 0)
        paintUprightWord(p, l, QCoreApplication::translate("CardArt", "Wild"), suit.colour);
    else
        paintBars(p, l, rank, suit.colour);
}

void paintCardBack(QPainter& p, QSizeF size) {
    // Drawn on the big card's grid and scaled, so both sizes look alike.
    p.save();
    p.scale(size.width() / kBigCardSize.width(), size.height() / kBigCardSize.height());
    const QRectF outer(0.5, 0.5, 59, 81);
    p.setPen(QPen(QColor(60, 24, 24), 1));
    p.setBrush(tableText());
    p.drawRoundedRect(outer, 5, 5);

    const QRectF field = outer.adjusted(3.5, 3.5, -3.5, -3.5);
    QLinearGradient deep(field.topLeft(), field.bottomRight());
    deep.setColorAt(0, QColor(140, 36, 46));
    deep.setColorAt(1, QColor(92, 22, 34));
    p.setPen(Qt::NoPen);
    p.setBrush(deep);
    p.drawRoundedRect(field, 3, 3);

    // A lattice of fine diagonal lines, clipped to the field.
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(field, 3, 3);
    p.setClipPath(clip);
    p.setPen(QPen(QColor(176, 88, 86, 150), 0.8));
    for (qreal d = -82; d < 82; d += 7) {
        p.drawLine(QPointF(field.left() + d, field.top()), QPointF(field.left() + d + 74, field.bottom()));
        p.drawLine(QPointF(field.right() - d, field.top()), QPointF(field.right() - d - 74, field.bottom()));
    }
    p.restore();

    // A medallion with the game's initial.
    const QRectF medal(14, 24, 32, 34);
    p.setPen(QPen(tableText(), 1.5));
    p.setBrush(QColor(92, 22, 34));
    p.drawEllipse(medal);
    p.setPen(tableText());
    fitText(p, medal.adjusted(0, 1, 0, 0), QStringLiteral("V"), tableFont(22));
    p.restore();
}

}  // namespace velmora::client::art::detail
