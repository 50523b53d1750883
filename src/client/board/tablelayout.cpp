#include "client/board/tablelayout.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <algorithm>
#include <numeric>

#include "client/art/cardart.h"
#include "client/model/tablemodel.h"

namespace velmora::client {

namespace {

using Kind = BoardItem::Kind;

// Positions of one seat place: bottom, top-left, top-middle, top-right.
struct Place {
    QPoint name, track, playing, waiting, turn, skipped, fan, stage, set1, set2, label1, label2;
};
// The bottom place's stage text, name and track stand three pixels above
// their first places, so a raised card (top 410) covers no number of the track.
const Place kPlaces[4] = {
    {{25, 391}, {128, 389}, {40, 412}, {39, 412}, {17, 440}, {16, 438}, {40, 431}, {42, 369},
     {41, 321}, {41, 249}, {19, 319}, {19, 246}},
    {{14, 12}, {115, 8}, {44, 29}, {43, 29}, {6, 36}, {5, 34}, {28, 32}, {28, 100},
     {24, 102}, {24, 174}, {5, 101}, {5, 172}},
    {{272, 12}, {375, 8}, {280, 29}, {279, 29}, {258, 36}, {257, 34}, {280, 32}, {280, 100},
     {277, 102}, {277, 174}, {258, 101}, {258, 172}},
    {{533, 12}, {636, 8}, {542, 29}, {541, 29}, {521, 36}, {520, 34}, {544, 32}, {544, 100},
     {540, 102}, {540, 174}, {521, 101}, {521, 172}},
};

// A stage text's room before the next place's kind label, the piles or the
// board's edge, per place.
constexpr int kStageRoom[4] = {310, 226, 237, 230};

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

// The point total right after the name; a long name gives way (the board
// elides it to the room left).
void addPoints(BoardItems& out, const SeatState& seat, int s, QPoint name) {
    BoardItem points;
    points.name = named("label_points", s);
    points.kind = Kind::Points;
    points.text = QString::number(seat.points);
    points.tip = QCoreApplication::translate("Board", "Penalty points this game: %1").arg(seat.points);
    points.visible = seat.points >= 0 && seat.name != "<Waiting>";
    // Hidden, it is not measured: the first window needs no font it does not show.
    if (!points.visible) {
        points.rect = QRect(name, QSize(0, 14));
        out.push_back(std::move(points));
        return;
    }
    const int width = QFontMetrics(boardFont(11)).horizontalAdvance(points.text) + 8;
    const int nameWidth = QFontMetrics(seatNameFont()).horizontalAdvance(QString::fromStdString(seat.name));
    // A watching seat's eyes follow the points inside the name's room.
    const int left = std::min(nameWidth + 4, kSeatNameWidth - width - (seat.watching ? kEyesRoom : 0));
    points.rect = QRect(name + QPoint(left, 1), QSize(width, 14));
    out.push_back(std::move(points));
}

QString seatName(const TableModel& t, int seat) {
    return seat == t.ownSeat ? QCoreApplication::translate("Board", "You") : QString::fromStdString(t.name(seat));
}

QString stageCell(int stage) { return stage > kStageCount ? QCoreApplication::translate("Board", "all") : QString::number(stage); }

// Each column as wide as its widest cell (the heading in bold), the first
// at least 64.
std::vector<int> columnWidths(const std::vector<QString>& rows) {
    std::vector<int> widths;
    for (std::size_t n = 0; n < rows.size(); ++n) {
        const QFontMetrics m(boardFont(11, n == 0));
        const QStringList cells = rows[n].split(QLatin1Char('\t'));
        if (widths.size() < static_cast<std::size_t>(cells.size())) widths.resize(cells.size(), 0);
        for (int c = 0; c < cells.size(); ++c) widths[c] = std::max(widths[c], m.horizontalAdvance(cells[c]) + 12);
    }
    if (!widths.empty()) widths[0] = std::max(widths[0], 64);
    return widths;
}

constexpr int kButtonHeight = 28;

int buttonWidth(const QString& text) { return std::max(80, QFontMetrics(boardFont(13)).horizontalAdvance(text) + 24); }

// A summary sized to its title, rows and buttons, so no heading or figure
// is cut in any language; a hidden one is not measured.
BoardItem summaryPanel(QString name, QString title, std::vector<QString> rows, bool visible, int buttonsWidth) {
    BoardItem panel;
    panel.name = std::move(name);
    panel.kind = Kind::Summary;
    panel.rect = QRect(kSummaryCentre, QSize());
    panel.text = std::move(title);
    panel.rows = std::move(rows);
    panel.visible = visible;
    if (!visible) return panel;
    panel.columns = columnWidths(panel.rows);
    const int used = std::accumulate(panel.columns.begin(), panel.columns.end(), 0);
    const QFontMetrics titleFont(boardFont(15));
    const int width = std::clamp(std::max({used, titleFont.horizontalAdvance(panel.text) + 8, buttonsWidth}) + 16, 280,
                                 kSummaryRight - 4);
    if (const int spare = width - 16 - used; spare > 0 && !panel.columns.empty()) {
        const int n = static_cast<int>(panel.columns.size());
        for (int& c : panel.columns) c += spare / n;
        panel.columns[0] += spare % n;
    }
    const QRect wrapped = titleFont.boundingRect(QRect(0, 0, width - 16, 1000), Qt::AlignCenter | Qt::TextWordWrap, panel.text);
    panel.count = std::max(24, wrapped.height());
    const int rowsHeight = kSummaryHeading + kSummaryRow * std::max(0, static_cast<int>(panel.rows.size()) - 1);
    panel.rect = QRect(0, 0, width, 8 + panel.count + 12 + rowsHeight + 10 + kButtonHeight + 10);
    panel.rect.moveCenter(kSummaryCentre);
    panel.rect.moveLeft(std::clamp(panel.rect.left(), 4, kSummaryRight - width));
    return panel;
}

// A button on a summary's foot, `x` from the panel's left (negative: from its right).
BoardItem textButton(QString name, const QRect& panel, int x, QString text, bool visible, ItemRole role) {
    BoardItem button;
    button.target.role = role;
    button.name = std::move(name);
    button.kind = Kind::TextButton;
    button.text = std::move(text);
    button.visible = visible;
    if (!visible) return button;
    const int w = buttonWidth(button.text);
    const int left = x == 0 ? panel.center().x() - w / 2 : x > 0 ? panel.x() + x : panel.right() + 1 + x - w;
    button.rect = QRect(left, panel.bottom() - 9 - kButtonHeight, w, kButtonHeight);
    return button;
}

// Where the last move ended, on the items laid out so far; empty when it
// left nothing to see.
QRect lastMoveRect(const BoardItems& out, const TableModel& t) {
    const LastMove& m = t.lastMove;
    using To = LastMove::To;
    const auto rectOf = [&out](const QString& name) {
        const BoardItem* it = findItem(out, name);
        return it && it->visible ? it->rect : QRect();
    };
    switch (m.to) {
        case To::None:
            return {};
        case To::Hand:
            return rectOf(named("card", m.id));
        case To::Discard:
            return t.discardTop > 0 ? kDiscard : QRect();
        case To::Fan: {
            const QRect fan = rectOf(named("image_cards", m.seat));
            return fan.isEmpty() ? fan : QRect(fan.right() + 1 - 45, fan.y(), 45, fan.height());
        }
        case To::Group: {
            const int owner = m.id / 10;
            if (m.position < 0) return rectOf(named("image_set", owner * 10 + 1)) | rectOf(named("image_set", owner * 10 + 2));
            const QRect group = rectOf(named("image_set", m.id));
            if (group.isEmpty()) return group;
            const bool last = group.x() + 18 * m.position + 45 >= group.right();
            return QRect(group.x() + 18 * m.position, group.y(), last ? 45 : 18, group.height());
        }
    }
    return {};
}

void addLastMove(BoardItems& out, const TableModel& t) {
    BoardItem mark;
    mark.name = QStringLiteral("image_lastmove");
    mark.kind = Kind::LastMove;
    mark.rect = lastMoveRect(out, t).adjusted(-2, -2, 2, 2);
    mark.visible = mark.rect.width() > 4;
    out.push_back(std::move(mark));
}

// The pause after a round: the host's figures, one row a seat, until the
// player closes them.
void addRoundSummary(BoardItems& out, const TableModel& t, const RoundSummary* sum) {
    std::vector<QString> rows{QCoreApplication::translate("Board", "Player\tStage\tDone\tRound\tTotal")};
    QString title;
    if (sum) {
        // The last stage laid also ends a round, with cards left in that hand.
        const auto ender = std::find_if(sum->rows.begin(), sum->rows.end(),
                                        [&sum](const RoundSummary::Row& r) { return r.seat == sum->wentOut; });
        const bool wentOut = ender == sum->rows.end() || ender->added == 0;
        title = (wentOut ? QCoreApplication::translate("Board", "%1 went out.")
                         : QCoreApplication::translate("Board", "%1 ended the round."))
                    .arg(seatName(t, sum->wentOut));
        for (const RoundSummary::Row& r : sum->rows)
            rows.push_back(QStringLiteral("%1\t%2 \u2192 %3\t%4\t+%5\t%6")
                               .arg(seatName(t, r.seat), stageCell(r.stageBefore), stageCell(r.stageAfter),
                                    r.completed ? QCoreApplication::translate("Board", "yes") : QCoreApplication::translate("Board", "no"))
                               .arg(r.added)
                               .arg(r.total));
    }
    const QString close = QCoreApplication::translate("Board", "Continue");
    const bool shown = sum && !t.gameOver;
    out.push_back(summaryPanel(QStringLiteral("panel_roundsummary"), title, std::move(rows), shown,
                               shown ? buttonWidth(close) + 40 : 0));
    out.push_back(textButton(QStringLiteral("button_continue"), out.back().rect, 0, close, shown,
                             ItemRole::CloseSummaryButton));
}

// The end of a game: the winner's line over the final standing, best first.
void addGameOver(BoardItems& out, const TableModel& t) {
    std::vector<QString> rows{QCoreApplication::translate("Board", "Player\tStage\tPoints\tWon")};
    if (const auto& over = t.gameOver) {
        std::vector<GameOver::Row> sorted = over->rows;
        std::stable_sort(sorted.begin(), sorted.end(), [](const GameOver::Row& a, const GameOver::Row& b) {
            return a.stage != b.stage ? a.stage > b.stage : a.points < b.points;
        });
        for (const GameOver::Row& r : sorted)
            rows.push_back(QStringLiteral("%1\t%2\t%3\t%4")
                               .arg(seatName(t, r.seat), stageCell(r.stage),
                                    r.points >= 0 ? QString::number(r.points) : QStringLiteral("?"))
                               .arg(r.gamesWon));
    }
    const bool shown = t.showWinner && t.gameOver.has_value();
    const QString again = QCoreApplication::translate("Board", "Play Again");
    const QString close = QCoreApplication::translate("Board", "Close");
    out.push_back(summaryPanel(QStringLiteral("panel_winner"), QString::fromStdString(t.winnerText), std::move(rows), shown,
                               shown ? buttonWidth(again) + buttonWidth(close) + 60 : 0));
    const QRect r = out.back().rect;
    // Whoever may start games may deal the next one at this table.
    out.push_back(textButton(QStringLiteral("button_playagain"), r, 20, again, shown && t.hosting, ItemRole::PlayAgainButton));
    out.push_back(textButton(QStringLiteral("button_closewinner"), r, -20, close, shown, ItemRole::CloseGameOverButton));
}

// The designed 16 pixels where the text fits its room, smaller down to 12,
// then on two lines, so it never runs under the next place's groups.
void fitStageText(BoardItem& stage, int room) {
    for (int px = 16; px >= 12; --px) {
        const QFontMetrics m(boardFont(px));
        if (m.horizontalAdvance(stage.text) > room) continue;
        stage.index = px;
        stage.rect.setSize(m.size(Qt::TextSingleLine, stage.text));
        return;
    }
    for (int px = 16; px >= 9; --px) {
        const QFontMetrics m(boardFont(px));
        const QRect two = m.boundingRect(QRect(0, 0, room, 1000), Qt::AlignLeft | Qt::TextWordWrap, stage.text);
        if (two.height() > 2 * m.lineSpacing() + 1 && px > 9) continue;
        stage.index = px;
        stage.rect.setSize(QSize(std::min(two.width(), room), two.height()));
        return;
    }
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
    fan.tip = QCoreApplication::translate("Board", "%1 cards").arg(seat.handCount);
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
    stage.visible = !stage.text.isEmpty();
    stage.rect = QRect(p.stage, QSize());
    if (stage.visible) fitStageText(stage, kStageRoom[place]);
    out.push_back(std::move(stage));
    out.push_back(fixed(named("image_turn", s), p.turn, kMarker, art::Fixed::TurnMarker, seat.turn));
    addPoints(out, seat, s, p.name);
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
    discard.tip = t.discardTop > 0 ? QCoreApplication::translate("Board", "Discard pile (%1): pick it up, or discard your raised card")
                                         .arg(faceName(t.discardTop))
                                   : QCoreApplication::translate("Board", "Discard pile: discard your raised card here");
    out.push_back(std::move(discard));
    out.push_back(fixed(QStringLiteral("image_draw"), kDrawPile.topLeft(), kDrawPile.size(), art::Fixed::DrawPile,
                        true, QCoreApplication::translate("Board", "Draw pile: draw a card"), ItemRole::DrawPile));
}

void addButtons(BoardItems& out, const TableModel& t) {
    out.push_back(fixed(QStringLiteral("button_discard"), {357, 360}, kSmallButton, art::Fixed::Discard, t.showDiscard,
                        QCoreApplication::translate("Board", "Discard the raised card"), ItemRole::DiscardButton));
    out.push_back(fixed(QStringLiteral("button_pickup"), {357, 360}, kSmallButton, art::Fixed::PickUp, t.showPickup,
                        QCoreApplication::translate("Board", "Take the card on the discard pile"), ItemRole::PickUpButton));
    out.push_back(fixed(QStringLiteral("button_draw"), {421, 360}, kSmallButton, art::Fixed::Draw, t.showDraw,
                        QCoreApplication::translate("Board", "Draw a card from the draw pile"), ItemRole::DrawButton));
    out.push_back(fixed(QStringLiteral("button_createstage"), {41, 334}, kBigButton, art::Fixed::CreateStage,
                        t.showCreateStage, QCoreApplication::translate("Board", "Lay your stage with the raised cards"),
                        ItemRole::CreateStageButton));
    out.push_back(fixed(QStringLiteral("button_chatbox"), {516, 281}, kSwitch, art::Fixed::ChatBox, true,
                        QCoreApplication::translate("Board", "Show the chat"), ItemRole::ChatSwitch));
    out.push_back(fixed(QStringLiteral("button_stagelist"), {613, 281}, kSwitch, art::Fixed::StageList, true,
                        QCoreApplication::translate("Board", "Show the ten stages"), ItemRole::StageListSwitch));
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

QPoint seatNameAt(int place) { return kPlaces[std::clamp(place, 0, 3)].name; }

QFont seatNameFont() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(13);
    f.setBold(true);
    return f;
}

QFont boardFont(int pixels, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QString colourName(int face) {
    static const char* const kColours[] = {QT_TRANSLATE_NOOP("Board", "Blue"), QT_TRANSLATE_NOOP("Board", "Brown"),
                                           QT_TRANSLATE_NOOP("Board", "Green"), QT_TRANSLATE_NOOP("Board", "Red")};
    return face >= 1 && face <= 52 ? QCoreApplication::translate("Board", kColours[(face - 1) / 13]) : QString();
}

QString faceName(int face) {
    if (face == kSkip) return QCoreApplication::translate("Board", "Skip");
    if (face < 1 || face > 52) return QCoreApplication::translate("Board", "empty");
    return face % 13 == 0 ? QCoreApplication::translate("Board", "%1 Wild").arg(colourName(face))
                          : QCoreApplication::translate("Board", "%1 %2").arg(colourName(face)).arg(face % 13);
}

int slotAt(int x) { return std::clamp((x - 10 + 15) / 30, 1, kHandSlots); }

BoardItems layoutBoard(const TableModel& t) { return layoutBoard(t, t.roundSummary ? &*t.roundSummary : nullptr); }

BoardItems layoutBoard(const TableModel& t, const RoundSummary* shownSummary) {
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
    addLastMove(out, t);
    addRoundSummary(out, t, shownSummary);
    addGameOver(out, t);
    return out;
}

const BoardItem* findItem(const BoardItems& items, QStringView name) {
    for (const BoardItem& item : items)
        if (item.name == name) return &item;
    return nullptr;
}

const BoardItem* itemAt(const BoardItems& items, QPoint point) {
    for (auto it = items.rbegin(); it != items.rend(); ++it)
        if (it->visible && it->kind != Kind::LastMove && it->kind != Kind::Summary && it->rect.contains(point)) return &*it;
    return nullptr;
}

}  // namespace velmora::client
