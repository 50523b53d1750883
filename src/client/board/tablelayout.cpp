#include "client/board/tablelayout.h"

#include <QFontMetrics>
#include <algorithm>

#include "client/art/cardart.h"
#include "client/model/tablemodel.h"

namespace velmora::client {

namespace {

using Kind = BoardItem::Kind;

// Positions of one seat place: bottom, top-left, top-middle, top-right.
struct Place {
    QPoint track, playing, waiting, turn, skipped, fan, stage, set1, set2, label1, label2;
};
const Place kPlaces[4] = {
    {{128, 392}, {40, 412}, {39, 412}, {17, 440}, {16, 438}, {40, 431}, {42, 372},
     {41, 321}, {41, 249}, {19, 319}, {19, 246}},
    {{115, 8}, {44, 29}, {43, 29}, {6, 36}, {5, 34}, {28, 32}, {28, 100},
     {24, 102}, {24, 174}, {5, 101}, {5, 172}},
    {{375, 8}, {280, 29}, {279, 29}, {258, 36}, {257, 34}, {280, 32}, {280, 100},
     {277, 102}, {277, 174}, {258, 101}, {258, 172}},
    {{636, 8}, {542, 29}, {541, 29}, {521, 36}, {520, 34}, {544, 32}, {544, 100},
     {540, 102}, {540, 174}, {521, 101}, {521, 172}},
};

const QRect kDiscard(357, 280, 60, 82);
const QRect kDrawPile(421, 280, 60, 82);
const QSize kBadge(108, 17);
const QSize kMarker(20, 59);
const QSize kSmallButton(60, 18);
const QSize kBigButton(115, 34);
const QSize kSwitch(96, 21);

QString named(const char* base, int seat) { return QString::fromLatin1(base) + QString::number(seat); }

BoardItem fixed(QString name, QPoint at, QSize size, art::Fixed which, bool visible, QString tip = {},
                ItemRole role = ItemRole::None) {
    BoardItem item;
    item.target.role = role;
    item.name = std::move(name);
    item.kind = Kind::Fixed;
    item.rect = QRect(at, size);
    item.index = static_cast<int>(which);
    item.visible = visible;
    item.tip = std::move(tip);
    return item;
}

void addSeat(BoardItems& out, const TableModel& t, int place) {
    const int s = t.seatAtPlace[place];
    const Place& p = kPlaces[place];
    const SeatState& seat = t.seats[s];
    // The own hand takes the bottom place; a spectator sees seat 1's fan there.
    const bool ownAtBottom = place == 0 && s == t.ownSeat;
    BoardItem fan;
    fan.name = named("image_cards", s);
    fan.kind = Kind::Fan;
    fan.count = seat.handCount;
    fan.rect = QRect(p.fan, QSize(10 * seat.handCount + 35, art::kSmallCardSize.height()));
    fan.visible = !ownAtBottom && seat.handCount > 0;
    fan.tip = QStringLiteral("%1 cards").arg(seat.handCount);
    out.push_back(std::move(fan));
    for (int g = 1; g <= 2; ++g) {
        const std::vector<int>& faces = seat.groups[g - 1];
        BoardItem group;
        group.name = named("image_set", s * 10 + g);
        group.kind = Kind::Group;
        group.faces = faces;
        const int n = static_cast<int>(faces.size());
        group.rect = QRect(g == 1 ? p.set1 : p.set2, QSize(n ? 18 * n + 27 : 45, art::kSmallCardSize.height()));
        group.target = {ItemRole::Group, s, g};
        group.visible = n > 0;
        out.push_back(std::move(group));
        BoardItem label;
        label.name = named("image_setlabel", s * 10 + g);
        label.kind = Kind::KindLabel;
        label.index = seat.kind[g - 1];
        label.rect = QRect(g == 1 ? p.label1 : p.label2, art::kGroupLabelSize);
        label.visible = label.index != 0;
        out.push_back(std::move(label));
    }
    BoardItem track;
    track.name = named("image_completed", s);
    track.kind = Kind::Track;
    track.index = seat.track;
    track.rect = QRect(p.track, art::kStageTrackSize);
    track.tip = QString::fromStdString(seat.trackTip);
    track.visible = seat.track >= 0;
    out.push_back(std::move(track));
    out.push_back(fixed(named("image_playing", s), p.playing, kBadge, art::Fixed::NotPlaying, seat.notPlaying));
    out.push_back(fixed(named("image_waiting", s), p.waiting, kBadge, art::Fixed::Waiting, seat.waiting));
    BoardItem stage;
    stage.name = named("label_stage", s);
    stage.kind = Kind::Text;
    stage.text = QString::fromStdString(seat.stageText);
    stage.rect = QRect(p.stage, QFontMetrics(boardFont(16)).size(Qt::TextSingleLine, stage.text));
    stage.visible = !stage.text.isEmpty();
    out.push_back(std::move(stage));
    out.push_back(fixed(named("image_turn", s), p.turn, kMarker, art::Fixed::TurnMarker, seat.turn));
}

void addCentre(BoardItems& out, const TableModel& t) {
    BoardItem hatch;
    hatch.name = QStringLiteral("Shape1");
    hatch.kind = Kind::Hatch;
    hatch.rect = kDiscard;
    out.push_back(std::move(hatch));
    // The pile takes clicks even when empty: a click there discards the raised card.
    BoardItem discard;
    discard.name = QStringLiteral("image_discard");
    discard.kind = Kind::Pile;
    discard.target.role = ItemRole::DiscardPile;
    discard.index = t.discardTop;
    discard.rect = kDiscard;
    discard.tip = t.discardTop > 0 ? QStringLiteral("Discard pile (%1): pick it up, or discard your raised card")
                                         .arg(faceName(t.discardTop))
                                   : QStringLiteral("Discard pile: discard your raised card here");
    out.push_back(std::move(discard));
    out.push_back(fixed(QStringLiteral("image_draw"), kDrawPile.topLeft(), kDrawPile.size(), art::Fixed::DrawPile,
                        true, QStringLiteral("Draw pile: draw a card"), ItemRole::DrawPile));
}

void addButtons(BoardItems& out, const TableModel& t) {
    out.push_back(fixed(QStringLiteral("button_discard"), {357, 360}, kSmallButton, art::Fixed::Discard, t.showDiscard,
                        QStringLiteral("Discard the raised card"), ItemRole::DiscardButton));
    out.push_back(fixed(QStringLiteral("button_pickup"), {357, 360}, kSmallButton, art::Fixed::PickUp, t.showPickup,
                        QStringLiteral("Take the card on the discard pile"), ItemRole::PickUpButton));
    out.push_back(fixed(QStringLiteral("button_draw"), {421, 360}, kSmallButton, art::Fixed::Draw, t.showDraw,
                        QStringLiteral("Draw a card from the draw pile"), ItemRole::DrawButton));
    out.push_back(fixed(QStringLiteral("button_createstage"), {41, 337}, kBigButton, art::Fixed::CreateStage,
                        t.showCreateStage, QStringLiteral("Lay your stage with the raised cards"),
                        ItemRole::CreateStageButton));
    out.push_back(fixed(QStringLiteral("button_chatbox"), {516, 281}, kSwitch, art::Fixed::ChatBox, true,
                        QStringLiteral("Show the chat"), ItemRole::ChatSwitch));
    out.push_back(fixed(QStringLiteral("button_stagelist"), {613, 281}, kSwitch, art::Fixed::StageList, true,
                        QStringLiteral("Show the ten stages"), ItemRole::StageListSwitch));
}

void addHand(BoardItems& out, const TableModel& t) {
    for (int k = 1; k <= kHandSlots; ++k) {
        const HandSlot& slot = t.hand[k];
        if (slot.empty()) continue;
        BoardItem card;
        card.name = named("card", slot.id);
        card.kind = Kind::BigCard;
        card.index = slot.face;
        card.rect = QRect(handLeft(k), slot.selected ? kRaisedTop : kCardTop, 60, 82);
        card.target = {.role = ItemRole::HandCard, .cardId = slot.id, .slot = k};
        card.tip = faceName(slot.face);
        out.push_back(std::move(card));
    }
}

}  // namespace

QFont boardFont(int pixels, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QString faceName(int face) {
    static const char* const kColours[] = {"Blue", "Brown", "Green", "Red"};
    if (face == kSkip) return QStringLiteral("Skip");
    if (face < 1 || face > 52) return QStringLiteral("empty");
    const QString colour = QString::fromLatin1(kColours[(face - 1) / 13]);
    return face % 13 == 0 ? colour + QStringLiteral(" Wild") : colour + QLatin1Char(' ') + QString::number(face % 13);
}

int slotAt(int x) { return std::clamp((x - 10 + 15) / 30, 1, kHandSlots); }

BoardItems layoutBoard(const TableModel& t) {
    BoardItems out;
    out.reserve(96);
    addCentre(out, t);
    for (int place = 0; place < 4; ++place) addSeat(out, t, place);
    addButtons(out, t);
    addHand(out, t);
    // Skipped markers lie in front of the other controls.
    for (int place = 0; place < 4; ++place) {
        const int s = t.seatAtPlace[place];
        out.push_back(fixed(named("image_skipped", s), kPlaces[place].skipped, kMarker, art::Fixed::SkippedMarker,
                            t.seats[s].skipped));
    }
    BoardItem winner;
    winner.name = QStringLiteral("panel_winner");
    winner.kind = Kind::Winner;
    winner.rect = QRect(131, 144, 510, 49);
    winner.text = QString::fromStdString(t.winnerText);
    winner.visible = t.showWinner;
    out.push_back(std::move(winner));
    return out;
}

const BoardItem* findItem(const BoardItems& items, QStringView name) {
    for (const BoardItem& item : items)
        if (item.name == name) return &item;
    return nullptr;
}

const BoardItem* itemAt(const BoardItems& items, QPoint point) {
    for (auto it = items.rbegin(); it != items.rend(); ++it)
        if (it->visible && it->rect.contains(point)) return &*it;
    return nullptr;
}

}  // namespace velmora::client
