// Everything on the board that is not a card: group kind labels, stage
// tracks, turn and skipped markers, badges, the eyes, and the picture
// buttons; plus the text and shape helpers the cards share.
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "client/art/cardart_draw.h"

namespace velmora::client::art::detail {

QFont tableFont(qreal pixelSize, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    f.setBold(bold);
    return f;
}

void fitText(QPainter& p, const QRectF& box, const QString& text, const QFont& font) {
    const QFontMetricsF fm(font);
    const qreal width = fm.horizontalAdvance(text);
    p.save();
    p.setFont(font);
    // Centre on the capital height rather than the line box, so digits and
    // capitals sit in the middle of their box.
    const qreal baseline = box.center().y() + fm.capHeight() / 2;
    p.translate(box.center().x(), baseline);
    if (width > box.width()) p.scale(box.width() / width, 1);
    p.drawText(QPointF(-width / 2, 0), text);
    p.restore();
}

void drawShape(QPainter& p, Shape shape, const QPointF& c, qreal size, const QColor& colour) {
    const qreal h = size / 2;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    switch (shape) {
    case Shape::Circle: p.drawEllipse(c, h, h); break;
    case Shape::Square: p.drawRect(QRectF(c.x() - h * 0.88, c.y() - h * 0.88, size * 0.88, size * 0.88)); break;
    case Shape::Triangle:
        p.drawPolygon(QPolygonF({{c.x(), c.y() - h * 1.05}, {c.x() + h * 1.1, c.y() + h * 0.85}, {c.x() - h * 1.1, c.y() + h * 0.85}}));
        break;
    case Shape::Diamond:
        p.drawPolygon(QPolygonF({{c.x(), c.y() - h * 1.15}, {c.x() + h * 0.85, c.y()}, {c.x(), c.y() + h * 1.15}, {c.x() - h * 0.85, c.y()}}));
        break;
    case Shape::NoEntry:
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour, size / 6.5));
        p.drawEllipse(c, h * 0.88, h * 0.88);
        p.drawLine(QPointF(c.x() - h * 0.6, c.y() + h * 0.6), QPointF(c.x() + h * 0.6, c.y() - h * 0.6));
        break;
    }
    p.restore();
}

namespace {

QString kindWord(int kind) {
    switch (kind) {
    case kRun: return QCoreApplication::translate("CardArt", "RUN");
    case kColor: return QCoreApplication::translate("CardArt", "COLOR");
    default: return QCoreApplication::translate("CardArt", "SET");
    }
}

// A raised button face in the table's warm gold, with its caption.
void paintButton(QPainter& p, QSizeF size, const QString& caption, qreal textPx) {
    const QRectF r(QPointF(0.5, 0.5), size - QSizeF(1, 1));
    const qreal radius = std::min<qreal>(6, size.height() / 3);
    QLinearGradient face(0, 0, 0, size.height());
    face.setColorAt(0, QColor(255, 236, 178));
    face.setColorAt(0.5, QColor(236, 196, 112));
    face.setColorAt(1, QColor(196, 146, 66));
    p.setPen(QPen(QColor(74, 48, 22), 1));
    p.setBrush(face);
    p.drawRoundedRect(r, radius, radius);
    p.setPen(QPen(QColor(255, 250, 230, 160), 1));
    p.drawLine(QPointF(radius, 1.5), QPointF(size.width() - radius, 1.5));
    p.setPen(QColor(62, 36, 14));
    fitText(p, r.adjusted(4, 0, -4, 0), caption, tableFont(textPx));
}

// A switch tab over the side panel.
void paintTab(QPainter& p, QSizeF size, const QString& caption) {
    QPainterPath tab;
    const QRectF r(QPointF(0.5, 0.5), size - QSizeF(1, 0.5));
    tab.addRoundedRect(r.adjusted(0, 0, 0, 6), 5, 5);
    QPainterPath clip;
    clip.addRect(QRectF(QPointF(0, 0), size));
    QLinearGradient face(0, 0, 0, size.height());
    face.setColorAt(0, QColor(128, 92, 56));
    face.setColorAt(1, QColor(96, 66, 38));
    p.setClipPath(clip);
    p.setPen(QPen(tableText(), 1));
    p.setBrush(face);
    p.drawPath(tab);
    p.setPen(tableText());
    fitText(p, r.adjusted(5, 0, -5, 0), caption, tableFont(12));
}

void paintBadge(QPainter& p, QSizeF size, const QString& caption, const QColor& fill) {
    const QRectF r(QPointF(0.5, 0.5), size - QSizeF(1, 1));
    p.setPen(QPen(tableText(), 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, 4, 4);
    p.setPen(tableText());
    fitText(p, r.adjusted(4, 0, -4, 0), caption, tableFont(11));
}

// A tab pointing right at the seat's cards.
void paintArrowTab(QPainter& p, QSizeF size, const QColor& light, const QColor& dark, bool barred) {
    const qreal w = size.width(), h = size.height();
    const QPolygonF arrow({{1, 1.5}, {w - 9, 1.5}, {w - 1, h / 2}, {w - 9, h - 1.5}, {1, h - 1.5}});
    QLinearGradient face(0, 0, w, 0);
    face.setColorAt(0, light);
    face.setColorAt(1, dark);
    p.setPen(QPen(QColor(58, 34, 16), 1));
    p.setBrush(face);
    p.drawPolygon(arrow);
    // The skipped marker also carries a bar, so it differs by more than colour.
    if (barred) {
        p.setPen(QPen(QColor(255, 246, 230), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, h / 2 - 6), QPointF(w - 7, h / 2 + 6));
        p.drawLine(QPointF(4, h / 2 + 6), QPointF(w - 7, h / 2 - 6));
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 250, 232));
        p.drawPolygon(QPolygonF({{5, h / 2 - 6}, {w - 6, h / 2}, {5, h / 2 + 6}}));
    }
}

void paintEyes(QPainter& p) {
    for (qreal cx : {5.5, 17.5}) {
        p.setPen(QPen(QColor(40, 28, 18), 1));
        p.setBrush(QColor(255, 255, 250));
        p.drawEllipse(QPointF(cx, 5), 5, 4.2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 60, 120));
        p.drawEllipse(QPointF(cx + 0.8, 5.4), 2.3, 2.3);
        p.setBrush(QColor(10, 10, 10));
        p.drawEllipse(QPointF(cx + 0.8, 5.4), 1.1, 1.1);
    }
}

}  // namespace

void paintGroupLabel(QPainter& p, int kind) {
    const QSizeF size = kGroupLabelSize;
    p.setPen(QPen(QColor(243, 231, 205, 110), 1));
    p.setBrush(QColor(80, 52, 26, 70));
    p.drawRoundedRect(QRectF(QPointF(1.5, 0.5), size - QSizeF(3, 1)), 4, 4);
    p.translate(size.width() / 2, size.height() / 2);
    p.rotate(-90);
    p.setPen(tableText());
    fitText(p, QRectF(-31, -size.width() / 2, 62, size.width()), kindWord(kind), tableFont(13));
}

// The two-figure 10 gets a wider cell than the others, so it is drawn
// unsqueezed, and each cross is as wide as its number: the cross on 10
// strikes both figures instead of printing over their middle.
void paintStageTrack(QPainter& p, int crossed) {
    const QSizeF size = kStageTrackSize;
    constexpr qreal cell = 12.2;
    constexpr qreal wide = 21;
    const qreal left = (size.width() - 9 * cell - wide) / 2;
    const QFont font = tableFont(12);
    const QFontMetricsF fm(font);
    for (int n = 1; n <= 10; ++n) {
        const QRectF box(left + (n - 1) * cell, 0, n == 10 ? wide : cell, size.height());
        const QString number = QString::number(n);
        p.setPen(tableText());
        fitText(p, box.adjusted(0.5, 0, -0.5, 0), number, font);
        if (n <= crossed) {
            // A thin cross leaves the number readable under it.
            p.setPen(QPen(QColor(226, 40, 32), 1.6, Qt::SolidLine, Qt::RoundCap));
            const QPointF c = box.center();
            const qreal half = std::min(fm.horizontalAdvance(number), box.width() - 1) / 2;
            p.drawLine(c + QPointF(-half, -5), c + QPointF(half, 5));
            p.drawLine(c + QPointF(-half, 5), c + QPointF(half, -5));
        }
    }
}

void paintFixed(QPainter& p, Fixed which) {
    const QSizeF size = fixedSize(which);
    switch (which) {
    case Fixed::DrawPile: paintCardBack(p, size); break;
    case Fixed::TurnMarker: paintArrowTab(p, size, QColor(255, 222, 110), QColor(222, 156, 30), false); break;
    case Fixed::SkippedMarker: paintArrowTab(p, size, QColor(236, 74, 60), QColor(160, 22, 22), true); break;
    case Fixed::NotPlaying: paintBadge(p, size, QCoreApplication::translate("CardArt", "NOT PLAYING"), QColor(104, 40, 30)); break;
    case Fixed::Waiting: paintBadge(p, size, QCoreApplication::translate("CardArt", "WAITING.."), QColor(66, 70, 44)); break;
    case Fixed::Eyes: paintEyes(p); break;
    case Fixed::StartGame: paintButton(p, size, QCoreApplication::translate("CardArt", "Start Game"), 16); break;
    case Fixed::CreateStage: paintButton(p, size, QCoreApplication::translate("CardArt", "Create Stage"), 16); break;
    case Fixed::Discard: paintButton(p, size, QCoreApplication::translate("CardArt", "DISCARD"), 10); break;
    case Fixed::PickUp: paintButton(p, size, QCoreApplication::translate("CardArt", "PICK UP"), 10); break;
    case Fixed::Draw: paintButton(p, size, QCoreApplication::translate("CardArt", "DRAW"), 10); break;
    case Fixed::ChatBox: paintTab(p, size, QCoreApplication::translate("CardArt", "CHAT BOX")); break;
    case Fixed::StageList: paintTab(p, size, QCoreApplication::translate("CardArt", "STAGE LIST")); break;
    case Fixed::GameLog: paintTab(p, size, QCoreApplication::translate("CardArt", "LOG")); break;
    }
}

}  // namespace velmora::client::art::detail
