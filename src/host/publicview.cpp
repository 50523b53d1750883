#include "host/publicview.h"

#include "host/table.h"

namespace velmora::host {

void PublicHistory::add(PublicAction a) {
    if (actions_.size() >= kCapacity) actions_.erase(actions_.begin(), actions_.begin() + kCapacity / 2);
    actions_.push_back(a);
}

PublicView publicview(const Table& table, int seat) {
    PublicView v;
    if (seat < 1 || seat > kSeats) return v;
    const TableState& st = table.state();
    v.seat = seat;
    v.hand = st.players[seat].hand;
    v.topdiscard = st.topdiscard;
    v.curplayer = st.curplayer;
    v.turnphase = st.turnphase;
    v.idlereshuffles = st.idlereshuffles;
    for (int s = 1; s <= kSeats; ++s) {
        const tplayer& p = st.players[s];
        SeatView& sv = v.seats[s];
        sv.inround = p.inround;
        sv.stage = p.stage;
        sv.stagedone = p.stagedone;
        sv.skipped = p.skipped;
        sv.cards = table.getnumcards(s);
        if (p.stagedone == 1)
            for (int g = 1; g <= 2; ++g) sv.groups[g] = p.groups[g];
    }
    v.history = st.history.actions();
    return v;
}

}  // namespace velmora::host
