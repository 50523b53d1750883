// The own hand's slots, the table reset, the seat turning and the stage
// tables.
#include "client/tablestate.h"

#include <algorithm>
#include <cstdio>

namespace velmora::client {

namespace {

struct StageTexts {
    const char* list;   // the row of the stage list
    const char* label;  // the seat's stage label
};
const StageTexts kStages[kStageCount + 1] = {
    {"", ""},
    {"2 Sets of 3", "2 Sets of 3"},
    {"Set of 3 + Run of 4", "Set of 3 and Run of 4"},
    {"Set of 4 + Run of 4", "Set of 4 and Run of 4"},
    {"Run of 7", "Run of 7"},
    {"Run of 8", "Run of 8"},
    {"Run of 9", "Run of 9"},
    {"2 Sets of 4", "2 Sets of 4"},
    {"8 cards same color", "8 Cards of the same color"},
    {"Set of 4 + Run of 5", "Set of 4 and Run of 5"},
    {"2 Sets of 5", "2 Sets of 5"},
};

// Group kinds of each stage: 1 set, 2 run, 3 colour, 0 none.
constexpr int kKinds[kStageCount + 1][2] = {
    {0, 0}, {1, 1}, {1, 2}, {1, 2}, {2, 0}, {2, 0}, {2, 0}, {1, 1}, {3, 0}, {1, 2}, {1, 1},
};

// Skips first, then wild cards, then by number (by colour and number in the
// stage of eight cards of one colour).
int sortKey(int face, bool byColour) {
    int key = face == kSkipFace ? -2 : face % 13 == 0 ? -1 : face;
    return byColour ? key : key % 13;
}

}  // namespace

int TableState::getsettype(int stage, int group) {
    if (stage < 1 || stage > kStageCount || group < 1 || group > 2) return 0;
    return kKinds[stage][group - 1];
}

std::string TableState::getstagetext(int stage) {
    return stage >= 1 && stage <= kStageCount ? kStages[stage].label : "";
}

const char* TableState::stageListText(int stage) {
    return stage >= 1 && stage <= kStageCount ? kStages[stage].list : "";
}

void TableState::clearall() {
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

int TableState::slotOf(int id) const {
    for (int k = 1; k <= kHandSlotCount; ++k)
        if (!hand[k].empty() && hand[k].id == id) return k;
    return 0;
}

int TableState::cardCount() const {
    return static_cast<int>(std::count_if(hand.begin() + 1, hand.end(), [](const HandSlot& s) { return !s.empty(); }));
}

bool TableState::createcard(int id, int face) {
    if (slotOf(id) != 0) {
        std::fprintf(stderr, "velmora: dropped card %d: the hand already holds it\n", id);
        return false;
    }
    for (int k = 1; k <= kHandSlotCount; ++k) {
        if (!hand[k].empty()) continue;
        hand[k] = {id, face, false};
        return true;
    }
    std::fprintf(stderr, "velmora: dropped card %d: the hand is full\n", id);
    return false;
}

void TableState::movecards(int id) {
    const int from = slotOf(id);
    if (from == 0) return;
    for (int k = from; k < kHandSlotCount; ++k) hand[k] = hand[k + 1];
    hand[kHandSlotCount] = {};
    for (HandSlot& slot : hand) slot.selected = false;
}

void TableState::sortthem() {
    const int ownStage = ownTableSeat() ? seats[ownSeat].stage : 0;
    const bool byColour = ownStage == 8;
    for (int pass = 0; pass < kHandSlotCount; ++pass)
        for (int n = kHandSlotCount; n >= 2; --n) {
            if (hand[n].empty() || hand[n - 1].empty()) continue;
            if (sortKey(hand[n].face, byColour) < sortKey(hand[n - 1].face, byColour)) std::swap(hand[n], hand[n - 1]);
        }
    for (HandSlot& slot : hand) slot.selected = false;
}

void TableState::reorder(int id, int to) {
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

bool TableState::toggleSelected(int id) {
    const int k = slotOf(id);
    if (k == 0) return false;
    hand[k].selected = !hand[k].selected;
    return true;
}

std::vector<int> TableState::selectedIds() const {
    std::vector<int> out;
    for (int k = 1; k <= kHandSlotCount; ++k)
        if (!hand[k].empty() && hand[k].selected) out.push_back(hand[k].id);
    return out;
}

void TableState::movestuff(int from, int to) {
    for (int& seat : seatAtPlace)
        if (seat == from) seat = to;
}

void TableState::sortstuff(int own) {
    // Each chain turns the places through the spare number 0 so that the own
    // seat sits at the bottom and the others follow clockwise.
    static const std::vector<std::pair<int, int>> kChains[5] = {
        {}, {}, {{2, 0}, {1, 2}, {4, 1}, {3, 4}, {0, 3}},
        {{3, 0}, {1, 3}, {0, 1}, {4, 0}, {2, 4}, {0, 2}},
        {{4, 0}, {1, 4}, {2, 1}, {3, 2}, {0, 3}},
    };
    if (own < 2 || own > kTableSeats) return;
    seatAtPlace = {1, 2, 3, 4};
    for (auto [from, to] : kChains[own]) movestuff(from, to);
}

int TableState::placeOf(int seat) const {
    for (int p = 0; p < 4; ++p)
        if (seatAtPlace[p] == seat) return p;
    return -1;
}

}  // namespace velmora::client
