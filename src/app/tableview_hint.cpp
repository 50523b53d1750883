#include "app/tableview_hint.h"

#include <algorithm>

#include "game/stagetable.h"

namespace velmora::app {

namespace {

using Positions = std::array<int, kGroupSize + 1>;

// A laid group as the host keeps it: a run at its ranks (its cards come in
// rank order, wild cards in the places they stand for), any other group in
// the order laid.
Positions positions(const std::vector<int>& cards, bool run) {
    Positions out{};
    const int n = std::min(static_cast<int>(cards.size()), kGroupSize);
    int first = 1;
    if (run) {
        for (int i = 0; i < n; ++i)
            if (isnatural(cards[i]) && cards[i] != kSkip) {
                first = rankof(cards[i]) - i;
                break;
            }
        first = std::clamp(first, 1, kGroupSize - n + 1);
    }
    for (int i = 0; i < n; ++i) out[first + i] = cards[i];
    return out;
}

}  // namespace

host::PublicView publicviewOfTable(const client::TableModel& t) {
    host::PublicView v;
    if (!t.ownTableSeat()) return v;
    v.seat = t.ownSeat;
    for (const client::HandSlot& card : t.hand)
        if (card.id >= 1 && card.id <= kHandSlots) v.hand[card.id] = card.face;
    v.topdiscard = t.discardTop;
    v.curplayer = t.currentPlayer;
    v.turnphase = t.currentPlayer == t.ownSeat ? t.turnPhase : 0;
    for (int s = 1; s <= kSeats; ++s) {
        const client::SeatState& seat = t.seats[s];
        host::SeatView& sv = v.seats[s];
        sv.stage = seat.stage;
        sv.inround = seat.stage >= 1 && seat.stage <= kStageCount && !seat.notPlaying ? 1 : 0;
        sv.stagedone = seat.groups[0].empty() ? 0 : 1;
        sv.skipped = seat.skipped ? 1 : 0;
        sv.cards = s == t.ownSeat ? t.cardCount() : seat.handCount;
        if (sv.stagedone == 0 || sv.inround == 0) continue;
        const StageShape& shape = stageshape(seat.stage);
        sv.groups[1] = positions(seat.groups[0], shape.type1 == kRun);
        sv.groups[2] = positions(seat.groups[1], shape.type2 == kRun);
    }
    return v;
}

}  // namespace velmora::app
