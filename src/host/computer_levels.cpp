// The computer's levels: which player makes a seat's move, and the strong
// player's moves carried out through the table's rule operations.
#include "host/computer.h"
#include "host/strong.h"

namespace velmora::host {

void ComputerSeats::setlevel(int seat, ComputerLevel level) {
    if (seat >= 1 && seat <= kSeats) levels_[seat] = level;
}

void ComputerSeats::play(int seat) {
    if (level(seat) == ComputerLevel::Strong)
        playstrong(seat);
    else
        designed.computerplay(seat);
}

void ComputerSeats::playstrong(int seat) {
    const TableState& st = t_.state();
    if (seat != st.curplayer || (st.turnphase != 1 && st.turnphase != 2)) return;
    const StrongMove m = strongmove(publicview(t_, seat));
    PlayResult r = refusal(PlayError::NotValid);
    switch (m.kind) {
        case StrongMove::Draw: r = t_.draw(seat); break;
        case StrongMove::PickUp: r = t_.pickdiscard(seat); break;
        case StrongMove::Lay: r = t_.createstage(seat, m.picks); break;
        case StrongMove::Hit: r = t_.hitset(seat, m.target, m.group, m.picks[0], "r"); break;
        case StrongMove::Discard: r = t_.discard(seat, m.picks[0]); break;
        case StrongMove::None: break;
    }
    if (r == kDone) return;
    ++strongrefusals;
    if (st.turnphase == 1) {
        t_.draw(seat);
        return;
    }
    for (int k = 1; k <= kHandSlots; ++k)
        if (st.players[seat].hand[k] != 0 && t_.discard(seat, k) == kDone) return;
}

}  // namespace velmora::host
