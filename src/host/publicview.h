// What a person in one seat can know of the table, and nothing more: the own
// hand, the face-up card, every laid group, stages and card counts, and the
// round's pick-ups and discards as everyone saw them. The strong computer
// player decides from this alone, so it cannot peek at hidden cards.
#pragma once

#include <array>
#include <vector>

#include "game/cards.h"
#include "game/protocol.h"

namespace velmora::host {

class Table;

// A move every seat saw: a card taken from the pile or thrown onto it.
struct PublicAction {
    enum Kind : unsigned char { Pickup, Discard } kind = Pickup;
    int seat = 0;
    int card = 0;
    bool operator==(const PublicAction&) const = default;
};

// The round's public moves, newest last; the oldest half goes when full, so
// an endless round costs bounded memory.
class PublicHistory {
public:
    static constexpr std::size_t kCapacity = 256;
    void clear() { actions_.clear(); }
    void add(PublicAction a);
    const std::vector<PublicAction>& actions() const { return actions_; }

private:
    std::vector<PublicAction> actions_;
};

struct SeatView {
    int inround = 0;
    int stage = 0;
    int stagedone = 0;
    int skipped = 0;
    int cards = 0;   // how many cards the hand holds, never which
    std::array<std::array<int, kGroupSize + 1>, 3> groups{};   // [1..2][1..12], laid only
    bool operator==(const SeatView&) const = default;
};

struct PublicView {
    int seat = 0;
    std::array<int, kHandSlots + 1> hand{};   // [1..11] the own hand only
    int topdiscard = 0;
    int curplayer = 0;
    int turnphase = 0;
    // Times the pile was turned into a new deck since anyone laid or hit:
    // everyone at the table sees that happen.
    int idlereshuffles = 0;
    std::array<SeatView, kSeats + 1> seats{};   // [1..4]
    std::vector<PublicAction> history;          // this round, newest last
    bool operator==(const PublicView&) const = default;
};

// The view of `seat` (1..4) of the table as it stands.
PublicView publicview(const Table& table, int seat);

}  // namespace velmora::host
