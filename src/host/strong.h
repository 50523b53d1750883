// The strong computer level: each move is chosen from what a person in the
// seat could know (PublicView) by how far the hand is from its stage, how
// many live cards would bring it closer, and what the next seat is
// collecting. The same analysis answers a player's request for a hint.
#pragma once

#include <string>
#include <vector>

#include "host/publicview.h"

namespace velmora::host {

struct StrongMove {
    enum Kind : unsigned char { None, Draw, PickUp, Lay, Hit, Discard } kind = None;
    std::vector<int> picks;   // Lay: the cards to raise; Hit, Discard: one slot
    int target = 0;           // Hit: the seat whose group takes the card
    int group = 0;            // Hit: 1 or 2
    std::string reason;       // one line a player can read
};

// The move for the view's seat in the view's turn phase; None when it is not
// that seat's turn or nothing can be done.
StrongMove strongmove(const PublicView& view);

// How many more cards the hand needs before its stage can be laid (0: it can).
int stagedistance(const std::array<int, kHandSlots + 1>& hand, int stage);

}  // namespace velmora::host
