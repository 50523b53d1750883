// The own hand's slots, the table reset, the seat turning and the stage
// tables.
#include "client/model/tablemodel.h"

#include <algorithm>
#include <string>

#include "net/diagnostics.h"

namespace velmora::client {

namespace {

// Skips first, then wild cards, then by number (by colour and number in the
// stage of eight cards of one colour).
int sortKey(int face, bool byColour) {
    int key = face == kSkip ? -2 : face % 13 == 0 ? -1 : face;
    return byColour ? key : key % 13;
}

// The host's card is refused: one rate-limited line, as for other dropped events.
void droppedCard(int id, const char* why) {
    net::standardLog().write(0, "host", "dropped card " + std::to_string(id) + ": " + why);
}

}  // namespace

int TableModel::getsettype(int stage, int group) {
    if (stage < 1 || stage > kStageCount || group < 1 || group > 2) return 0;
    const StageShape& shape = stageshape(stage);
    return group == 1 ? shape.type1 : shape.type2;
}

std::string TableModel::getstagetext(int stage) {
    return i18n::translate("Stages", stageshape(stage).label);
}

const char* TableModel::stageListText(int stage) {
    return stageshape(stage).list;
}

void TableModel::clearall() {
    hideActionButtons();
    showWinner = false;
    for (SeatState& s : seats) {
        s.handCount = 0;
        s.watching = s.skipped = s.notPlaying = s.waiting = false;
        s.track = -1;
        s.trackTip.clear();
        s.kind = {};
        s.groups = {};
    }
    for (StageRow& row : stageRows) row.done = false;
    for (HandSlot& slot : hand) slot = {};
}

int TableModel::slotOf(int id) const {
    for (int k = 1; k <= kHandSlots; ++k)
        if (!hand[k].empty() && hand[k].id == id) return k;
    return 0;
}

int TableModel::cardCount() const {
    return static_cast<int>(std::count_if(hand.begin() + 1, hand.end(), [](const HandSlot& s) { return !s.empty(); }));
}

bool TableModel::createcard(int id, int face) {
    if (slotOf(id) != 0) {
        droppedCard(id, "the hand already holds it");
        return false;
    }
    for (int k = 1; k <= kHandSlots; ++k) {
        if (!hand[k].empty()) continue;
        hand[k] = {id, face, false};
        return true;
    }
    droppedCard(id, "the hand is full");
    return false;
}

void TableModel::movecards(int id) {
    const int from = slotOf(id);
    if (from == 0) return;
    for (int k = from; k < kHandSlots; ++k) hand[k] = hand[k + 1];
    hand[kHandSlots] = {};
    for (HandSlot& slot : hand) slot.selected = false;
}

void TableModel::sortthem() {
    const int ownStage = ownTableSeat() ? seats[ownSeat].stage : 0;
    const bool byColour = ownStage == 8;
    for (int pass = 0; pass < kHandSlots; ++pass)
        for (int n = kHandSlots; n >= 2; --n) {
            if (hand[n].empty() || hand[n - 1].empty()) continue;
            if (sortKey(hand[n].face, byColour) < sortKey(hand[n - 1].face, byColour)) std::swap(hand[n], hand[n - 1]);
        }
    for (HandSlot& slot : hand) slot.selected = false;
}

void TableModel::reorder(int id, int to) {
    const int from = slotOf(id);
    if (from == 0) return;
    to = std::clamp(to, 1, cardCount());
    const HandSlot moved = hand[from];
    if (from < to)
        for (int k = from; k < to; ++k) hand[k] = hand[k + 1];
    else
        for (int k = from; k > to; --k) hand[k] = hand[k - 1];
    hand[to] = moved;
    for (HandSlot& slot : hand) slot.selected = false;
}

bool TableModel::toggleSelected(int id) {
    const int k = slotOf(id);
    if (k == 0) return false;
    hand[k].selected = !hand[k].selected;
    return true;
}

std::vector<int> TableModel::selectedIds() const {
    std::vector<int> out;
    for (int k = 1; k <= kHandSlots; ++k)
        if (!hand[k].empty() && hand[k].selected) out.push_back(hand[k].id);
    return out;
}

void TableModel::movestuff(int from, int to) {
    for (int& seat : seatAtPlace)
        if (seat == from) seat = to;
}

void TableModel::sortstuff(int own) {
    // Each chain turns the places through the spare number 0 so that the own
    // seat sits at the bottom and the others follow clockwise.
    static const std::vector<std::pair<int, int>> kChains[5] = {
        {}, {}, {{2, 0}, {1, 2}, {4, 1}, {3, 4}, {0, 3}},
        {{3, 0}, {1, 3}, {0, 1}, {4, 0}, {2, 4}, {0, 2}},
        {{4, 0}, {1, 4}, {2, 1}, {3, 2}, {0, 3}},
    };
    if (own < 2 || own > kSeats) return;
    seatAtPlace = {1, 2, 3, 4};
    for (auto [from, to] : kChains[own]) movestuff(from, to);
    changed();
}

int TableModel::placeOf(int seat) const {
    for (int p = 0; p < 4; ++p)
        if (seatAtPlace[p] == seat) return p;
    return -1;
}

}  // namespace velmora::client
