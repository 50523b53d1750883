// The computer's levels: which player makes a seat's move, and the strong
// and expert players' moves carried out through the table's rule operations.
#include "host/computer.h"
#include "host/strong.h"

namespace velmora::host {

void ComputerSeats::setlevel(int seat, ComputerLevel level) {
    if (seat >= 1 && seat <= kSeats) levels_[seat] = level;
}

void ComputerSeats::play(int seat) {
    switch (level(seat)) {
        case ComputerLevel::Strong: playstrong(seat); break;
        case ComputerLevel::Expert: playexpert(seat); break;
        default: designed.computerplay(seat); break;
    }
}

void ComputerSeats::playstrong(int seat) {
    const TableState& st = t_.state();
    if (seat != st.curplayer || (st.turnphase != 1 && st.turnphase != 2)) return;
    if (!carryout(seat, strongmove(publicview(t_, seat)))) ++strongrefusals;
}

void ComputerSeats::playexpert(int seat) {
    const TableState& st = t_.state();
    if (seat != st.curplayer || (st.turnphase != 1 && st.turnphase != 2)) return;
    if (!carryout(seat, expertmove(publicview(t_, seat), expertbudget))) ++expertrefusals;
}

// A refused move (never expected) leaves the turn to a plain draw or discard.
bool ComputerSeats::carryout(int seat, const StrongMove& m) {
    const TableState& st = t_.state();
    PlayResult r = refusal(PlayError::NotValid);
    switch (m.kind) {
        case StrongMove::Draw: r = t_.draw(seat); break;
        case StrongMove::PickUp: r = t_.pickdiscard(seat); break;
        case StrongMove::Lay: r = t_.createstage(seat, m.picks); break;
        case StrongMove::Hit: r = t_.hitset(seat, m.target, m.group, m.picks[0], "r"); break;
        case StrongMove::Discard: r = t_.discard(seat, m.picks[0]); break;
        case StrongMove::None: break;
    }
    if (r == kDone) return true;
    if (st.turnphase == 1) {
        t_.draw(seat);
        return false;
    }
    for (int k = 1; k <= kHandSlots; ++k)
        if (st.players[seat].hand[k] != 0 && t_.discard(seat, k) == kDone) return false;
    return false;
}

}  // namespace velmora::host
