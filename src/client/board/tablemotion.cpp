#include "client/board/tablemotion.h"

#include <QEasingCurve>
#include <algorithm>

#include "client/art/cardart.h"
#include "client/model/tablemodel.h"

namespace velmora::client {

namespace {

using Kind = BoardItem::Kind;

const BoardItem* shown(const BoardItems& items, const QString& name) {
    const BoardItem* it = findItem(items, name);
    return it && it->visible ? it : nullptr;
}

QString seatName(const char* base, int n) { return QString::fromLatin1(base) + QString::number(n); }

// The top card of a seat's fan: where a card leaves it or joins it.
QRect fanEnd(const BoardItems& items, int seat) {
    const BoardItem* fan = shown(items, seatName("image_cards", seat));
    if (!fan) return {};
    return QRect(fan->rect.right() + 1 - art::kSmallCardSize.width(), fan->rect.y(), art::kSmallCardSize.width(),
                 fan->rect.height());
}

BoardItem card(Kind kind, int face, QRect rect) {
    BoardItem c;
    c.kind = kind;
    c.index = face;
    c.count = 1;
    c.faces = {face};
    c.rect = rect;
    return c;
}

}  // namespace

const Motion* TableMotion::hiding(const QString& name) const {
    for (const Motion& m : motions_)
        if (m.hides == name) return &m;
    return nullptr;
}

BoardItem TableMotion::at(const Motion& m, qint64 now) const {
    static const QEasingCurve kEase(QEasingCurve::OutCubic);
    const qreal p = kEase.valueForProgress(std::clamp((now - m.start) / qreal(kDurationMs), 0.0, 1.0));
    BoardItem sprite = m.sprite;
    const QPoint to = m.sprite.rect.topLeft();
    sprite.rect.moveTopLeft(QPoint(qRound(m.from.x() + (to.x() - m.from.x()) * p),
                                   qRound(m.from.y() + (to.y() - m.from.y()) * p)));
    return sprite;
}

bool TableMotion::advance(qint64 now) {
    std::erase_if(motions_, [now](const Motion& m) { return now - m.start >= kDurationMs; });
    return moving();
}

void TableMotion::add(Motion m, qint64 now) {
    m.start = now;
    const auto old = std::find_if(motions_.begin(), motions_.end(), [&m](const Motion& o) { return o.hides == m.hides; });
    if (old != motions_.end()) {
        // Caught in flight: on from where it is, with what stood in for it.
        if (m.sprite.kind == old->sprite.kind) m.from = at(*old, now).rect.topLeft();
        if (!m.standIn) m.standIn = old->standIn;
        motions_.erase(old);
    }
    if (m.from != m.sprite.rect.topLeft()) motions_.push_back(std::move(m));
}

void TableMotion::start(const BoardItems& before, const BoardItems& after, const TableModel& t, qint64 now) {
    const BoardItem* turnBefore = nullptr;
    for (const BoardItem& it : before)
        if (it.visible && it.kind == Kind::Fixed && it.name.startsWith(QLatin1String("image_turn"))) turnBefore = &it;
    // Hand cards that changed place (a sort, a gap closing, a raise), and the turn marker.
    for (const BoardItem& it : after) {
        if (!it.visible) continue;
        if (it.kind == Kind::BigCard) {
            if (const BoardItem* was = shown(before, it.name)) add({it.name, std::nullopt, it, was->rect.topLeft()}, now);
        } else if (turnBefore && it.kind == Kind::Fixed && it.name.startsWith(QLatin1String("image_turn")) &&
                   it.name != turnBefore->name) {
            add({it.name, std::nullopt, it, turnBefore->rect.topLeft()}, now);  // the marker slides
        }
    }
    if (t.moves != seenMoves_) {
        seenMoves_ = t.moves;
        addMove(before, after, t, now);
    }
}

// The card the last event moved, from where it was to where it went.
void TableMotion::addMove(const BoardItems& before, const BoardItems& after, const TableModel& t, qint64 now) {
    const LastMove& m = t.lastMove;
    using To = LastMove::To;
    using From = LastMove::From;
    const BoardItem* drawPile = findItem(before, u"image_draw");
    const BoardItem* pile = findItem(before, u"image_discard");
    if (!drawPile || !pile) return;
    QRect origin;
    if (m.from == From::DrawPile) origin = drawPile->rect;
    else if (m.from == From::Discard) origin = pile->rect;
    else if (m.from == From::Hand) {
        const BoardItem* c = shown(before, seatName("card", m.fromId));
        origin = c ? c->rect : QRect();
    } else if (m.from == From::Fan) origin = fanEnd(before, m.seat);
    if (origin.isEmpty()) return;
    const auto old = [&before](const QString& name) {
        const BoardItem* it = shown(before, name);
        return it ? std::optional<BoardItem>(*it) : std::nullopt;
    };
    switch (m.to) {
        case To::None:
            return;
        case To::Hand:
            if (const BoardItem* c = shown(after, seatName("card", m.id)); c && !shown(before, c->name))
                add({c->name, std::nullopt, *c, origin.topLeft()}, now);
            return;
        case To::Discard:
            add({pile->name, old(pile->name), card(Kind::BigCard, t.discardTop, pile->rect), origin.topLeft()}, now);
            return;
        case To::Fan: {
            const QString fan = seatName("image_cards", m.seat);
            const QRect end = fanEnd(after, m.seat);
            if (end.isEmpty()) return;
            BoardItem moving = m.from == From::Discard ? card(Kind::BigCard, pile->index, end) : card(Kind::Fan, 0, end);
            add({fan, old(fan), std::move(moving), origin.topLeft()}, now);
            return;
        }
        case To::Group: {
            if (m.position < 0) {  // a stage: both groups come from the layer
                for (int g = 1; g <= 2; ++g)
                    if (const BoardItem* group = shown(after, seatName("image_set", m.seat * 10 + g)))
                        add({group->name, std::nullopt, *group, origin.topLeft()}, now);
                return;
            }
            const BoardItem* group = shown(after, seatName("image_set", m.id));
            if (!group || m.position >= static_cast<int>(group->faces.size())) return;
            const QRect place(group->rect.x() + 18 * m.position, group->rect.y(), art::kSmallCardSize.width(),
                              art::kSmallCardSize.height());
            add(
                {group->name, old(group->name), card(Kind::Group, group->faces[m.position], place), origin.topLeft()}, now);
            return;
        }
    }
}

}  // namespace velmora::client
