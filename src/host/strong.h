// The strong computer level: each move is chosen from what a person in the
// seat could know (PublicView) by how far the hand is from its stage, how
// many live cards would bring it closer, and what the next seat is
// collecting. The same analysis answers a player's request for a hint.
#pragma once

#include <string>
#include <utility>
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

// Cards held back from the others can keep every seat from going out for
// ever (the last cards a laid group takes, kept for a stage that cannot
// come). Once the deck has gone round this often without a lay or a hit, the
// strong player gives such a card up.
inline constexpr int kStallReshuffles = 2;

// The move for the view's seat in the view's turn phase; None when it is not
// that seat's turn or nothing can be done.
StrongMove strongmove(const PublicView& view);

// The parts of the strong player the expert level builds on.
// Whether a laid group (positions 1..12, of a GroupType) takes the card as a
// hit, as the table would decide.
bool takes(const std::array<int, kGroupSize + 1>& group, int type, int card);
std::string cardname(int card);   // as the player reads it, in the player's language
// The first laid group that takes the card as a hit: {seat, group}, or {0, 0}.
std::pair<int, int> hittarget(const PublicView& view, int card);
int nextseat(const PublicView& view);   // the next seat in the round, 0 if none
// How much the next seat would gain from the card on the pile.
int denial(const PublicView& view, int card);

// How many more cards the hand needs before its stage can be laid (0: it can).
int stagedistance(const std::array<int, kHandSlots + 1>& hand, int stage);

}  // namespace velmora::host
