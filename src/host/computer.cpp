// The computer's turn: the draw choice, the hand analysis, hits and the
// discard. Every refused request falls back to the next choice, so a
// computer-played seat always ends its turn with a discard at the latest.
#include "host/computer.h"

#include <memory>

namespace velmora::host {

namespace {

using Group = std::array<int, kGroupSize + 1>;

std::string seatplus(int seat) { return std::to_string(seat) + "+"; }

constexpr bool has(unsigned mask, int bit) { return bit >= 0 && bit < 32 && ((mask >> bit) & 1u) != 0; }

// What one laid group takes, read once per decision.
GroupView viewof(const Group& g, int type) {
    GroupView v;
    v.type = type;
    v.firstsuit = getsuit(g[1]);
    for (int pos = 1; pos <= kGroupSize; ++pos) {
        if (!isnatural(g[pos])) continue;
        v.natural = true;
        v.ranks |= 1u << rankof(g[pos]);
        v.suits |= 1u << getsuit(g[pos]);
    }
    // Free positions next to a filled one: ranks the run could grow by.
    for (int r = 1; r <= 11; ++r)
        if (g[r] == 0 && g[r + 1] != 0) v.edges |= 1u << r;
    for (int r = kGroupSize; r >= 2; --r)
        if (g[r] == 0 && g[r - 1] != 0) v.edges |= 1u << r;
    return v;
}

}  // namespace

Analysis ComputerPlayer::analyse(int seat) const {
    Analysis a;
    a.seat = seat;
    const tplayer& p = t_.state().players[seat];
    for (int k = 1; k <= kHandSlots; ++k) {
        if (p.hand[k] != 0) ++a.ranks[rankof(p.hand[k])];
        ++a.suits[getsuit(p.hand[k])];
    }
    for (int s = 2; s <= 4; ++s)
        if (a.suits[s] > a.suits[a.favoured]) a.favoured = s;
    for (int s = 1; s <= kSeats; ++s) {
        if (t_.state().players[s].stagedone != 1) continue;
        for (int g = 1; g <= 2; ++g) {
            const GroupView v = viewof(t_.state().players[s].groups[g], t_.getsettype(s, g));
            a.groups[s][g] = v;
            a.placed |= v.ranks;
            if (v.type == kSet) a.tableranks |= v.ranks;
            if (v.type == kRun) a.tableranks |= v.edges;
            if (v.type == kColour) a.tablesuits |= 1u << v.firstsuit;
        }
    }
    return a;
}

void ComputerPlayer::computerplay(int seat) {
    if (seat != t_.state().curplayer) return;
    if (t_.state().turnphase == 1)
        computerdraw(seat);
    else if (t_.state().turnphase == 2)
        computercreate(seat);
}

void ComputerPlayer::computerdraw(int seat) {
    const int top = t_.state().topdiscard;
    bool take = false;
    if (mends_.streakcap && pilestreak_ >= kPileStreak)
        take = false;
    else if (iswild(top))
        take = true;
    else if (top != kSkip && top != 0)
        take = needs(analyse(seat), 0, top, 2) && !checkforrecentdiscard(seat, top);
    if (take) {
        note("pickdiscard", [&] { return seatplus(seat); });
        if (counted(t_.pickdiscard(seat)) == kDone) {
            ++pilestreak_;
            return;
        }
    }
    pilestreak_ = 0;
    note("draw", [&] { return seatplus(seat); });
    counted(t_.draw(seat));
}

bool ComputerPlayer::checkforrecentdiscard(int seat, int card) const {
    const auto& recent = t_.state().players[seat].lastdiscards;
    for (int i = 1; i <= 3; ++i)
        if (rankof(card) == rankof(recent[i])) return true;
    return false;
}

bool ComputerPlayer::checkforcomputerneed(int seat, int leftout, int card, int mode) const {
    return needs(analyse(seat), leftout, card, mode);
}

bool ComputerPlayer::needs(const Analysis& a, int leftout, int card, int mode) const {
    const tplayer& p = t_.state().players[a.seat];
    const int rank = rankof(card);
    const int out = leftout >= 1 && leftout <= kHandSlots && p.hand[leftout] != 0 ? rankof(p.hand[leftout]) : -1;
    auto hashandrank = [&](int r, int atleast) {
        if (r < 0 || r > kGroupSize) return false;
        return a.ranks[r] - (r == out ? 1 : 0) >= atleast;
    };
    auto settest = [&] { return hashandrank(rank, mode == 1 ? 1 : 2); };
    // Rank 1's lower neighbour is rank 0, so a wild in hand counts as one.
    auto neighbour = [&] { return hashandrank(rank - 1, 1) || hashandrank(rank + 1, 1); };
    if (p.stagedone == 0) {
        const StageShape& shape = stageshape(p.stage);
        switch (shape.type1) {
            case kSet:
                if (settest() || (shape.type2 == kRun && neighbour())) return true;
                break;
            case kRun:
                if (hashandrank(rank, 1)) return false;   // a duplicate is useless for a run
                if (neighbour()) return true;
                break;
            case kColour:
                if (getsuit(card) == a.favoured) return true;
                break;
            default: break;
        }
    }
    return has(a.tableranks, rank) || has(a.tablesuits, getsuit(card));
}

void ComputerPlayer::computercreate(int seat) {
    const tplayer& p = t_.state().players[seat];
    const bool laid = p.stagedone == 1;
    if (!laid && buildstage(seat, p.stage)) return;
    const Analysis a = analyse(seat);
    if (laid && computerhitthem(a)) return;
    computerdiscard(a);
}

// A set or colour set takes a wild once it holds a natural card, and a card
// matching one of its naturals; a run a card for a free rank next to it.
bool ComputerPlayer::hitfits(const GroupView& v, int card) {
    switch (v.type) {
        case kSet: return v.natural && (iswild(card) || has(v.ranks, rankof(card)));
        case kRun: return iswild(card) ? v.edges != 0 : has(v.edges, rankof(card));
        case kColour: return v.natural && (iswild(card) || has(v.suits, getsuit(card)));
        default: return false;
    }
}

bool ComputerPlayer::computerhitthem(int seat) { return computerhitthem(analyse(seat)); }

// A full set or colour set refuses a card that fits by rank or suit; that
// counts as no hit and the next fit is tried.
bool ComputerPlayer::computerhitthem(const Analysis& a) {
    const int seat = a.seat;
    for (int k = 1; k <= kHandSlots; ++k) {
        const int c = t_.state().players[seat].hand[k];
        if (c == 0 || c == kSkip) continue;
        for (int target = 1; target <= kSeats; ++target) {
            if (t_.state().players[target].stagedone != 1) continue;
            for (int g = 1; g <= 2; ++g) {
                if (!hitfits(a.groups[target][g], c)) continue;
                note("hitset", [&] {
                    return seatplus(seat) + std::to_string(target) + std::to_string(g) + "+" + std::to_string(k) + "+r+";
                });
                if (counted(t_.hitset(seat, target, g, k, "r")) == kDone) return true;
            }
        }
    }
    return false;
}

bool ComputerPlayer::fitstable(const Analysis& a, int card) const {
    for (int target = 1; target <= kSeats; ++target) {
        if (t_.state().players[target].stagedone != 1) continue;
        for (int g = 1; g <= 2; ++g)
            if (hitfits(a.groups[target][g], card)) return true;
    }
    return false;
}

bool ComputerPlayer::stalled() const {
    return mends_.stallbreaker && t_.state().idlereshuffles >= kStallReshuffles;
}

// The first wild beyond what the unlaid stage can use, sparing the one just
// taken from the pile: two seats would otherwise pass it to and fro.
int ComputerPlayer::surpluswild(int seat) const {
    const tplayer& p = t_.state().players[seat];
    if (!mends_.surpluswilds || p.stagedone != 0 || !knownstage(p.stage)) return 0;
    int wilds = 0, first = 0;
    for (int k = 1; k <= kHandSlots; ++k) {
        if (!iswild(p.hand[k])) continue;
        ++wilds;
        if (first == 0 && p.hand[k] != p.lastpickup) first = k;
    }
    return wilds > usablewilds(p.stage) ? first : 0;
}

void ComputerPlayer::computerdiscard(int seat) { computerdiscard(analyse(seat)); }

void ComputerPlayer::computerdiscard(const Analysis& a) {
    const int seat = a.seat;
    const tplayer& p = t_.state().players[seat];
    const int surplus = surpluswild(seat);
    const bool feed = stalled() && p.stagedone == 0;
    auto pass = [&](int n, int k) {
        const int c = p.hand[k];
        switch (n) {
            case 1: return c == kSkip;
            case 2: return k == surplus;
            case 3: return feed && c != kSkip && isnatural(c) && fitstable(a, c);
            case 4: case 5:
                return isnatural(c) && c != p.lastpickup && !needs(a, k, c, n - 3);
            case 6: return isnatural(c) && c != p.lastpickup;
            case 7: return isnatural(c);
            default: return c != 0;
        }
    };
    for (int n = 1; n <= 8; ++n)
        for (int k = 1; k <= kHandSlots; ++k) {
            if (!pass(n, k)) continue;
            note("discard", [&] { return seatplus(seat) + std::to_string(k) + "+"; });
            if (counted(t_.discard(seat, k)) == kDone) return;
        }
}

std::shared_ptr<ComputerSeats> installComputerPlayers(Table& table, ComputerMends mends) {
    auto seats = std::make_shared<ComputerSeats>(table, mends);
    table.computerplay = [seats](int seat) { seats->play(seat); };
    return seats;
}

}  // namespace velmora::host
