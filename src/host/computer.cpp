// The computer's turn: the draw choice, the hand analysis, hits and the
// discard. Every refused request falls back to the next choice, so a
// computer-played seat always ends its turn with a discard at the latest.
#include "host/computer.h"

#include <memory>

#include "net/wire.h"

namespace velmora::host {

namespace {

using Group = std::array<int, kGroupSize + 1>;

std::string seatplus(int seat) { return std::to_string(seat) + "+"; }

// True when some natural card of the group satisfies `match`.
template <typename Match>
bool anynatural(const Group& g, Match match) {
    for (int pos = 1; pos <= kGroupSize; ++pos)
        if (isnatural(g[pos]) && match(g[pos])) return true;
    return false;
}

bool holdsnatural(const Group& g) {
    return anynatural(g, [](int) { return true; });
}

// A set or colour set takes a wild once it holds a natural card, and a
// natural card that matches one of its naturals by `same`.
template <typename Same>
bool joinsgroup(const Group& g, int card, Same same) {
    if (!holdsnatural(g)) return false;
    return iswild(card) || anynatural(g, [&](int c) { return same(c, card); });
}

// True when some free position of the run touches a filled one and `fits`
// accepts its rank: the run could grow there.
template <typename Fits>
bool runedge(const Group& g, Fits fits) {
    for (int r = 1; r <= 11; ++r)
        if (g[r] == 0 && g[r + 1] != 0 && fits(r)) return true;
    for (int r = kGroupSize; r >= 2; --r)
        if (g[r] == 0 && g[r - 1] != 0 && fits(r)) return true;
    return false;
}

}  // namespace

int ComputerPlayer::request(int (Table::*op)(std::string_view), std::string_view name,
                            const std::string& payload) {
    if (trace) trace(std::string(name) + " " + payload);
    try {
        return (t_.*op)(payload);
    } catch (const wire::InvalidInteger&) {
        return kIgnored;
    }
}

void ComputerPlayer::computerplay(int seat) {
    if (seat != t_.curplayer) return;
    if (t_.turnphase == 1)
        computerdraw(seat);
    else if (t_.turnphase == 2)
        computercreate(seat);
}

void ComputerPlayer::computerdraw(int seat) {
    const int top = t_.topdiscard;
    bool take = false;
    if (mends_.streakcap && pilestreak_ >= kPileStreak)
        take = false;
    else if (iswild(top))
        take = true;
    else if (top != kSkip && top != 0)
        take = checkforcomputerneed(seat, 0, top, 2) && !checkforrecentdiscard(seat, top);
    if (take && request(&Table::pickdiscard, "pickdiscard", seatplus(seat)) == kDone) {
        ++pilestreak_;
        return;
    }
    pilestreak_ = 0;
    request(&Table::draw, "draw", seatplus(seat));
}

bool ComputerPlayer::checkforrecentdiscard(int seat, int card) const {
    const auto& recent = t_.players[seat].lastdiscards;
    for (int i = 1; i <= 3; ++i)
        if (rankof(card) == rankof(recent[i])) return true;
    return false;
}

bool ComputerPlayer::checkforcomputerneed(int seat, int leftout, int card, int mode) const {
    const tplayer& p = t_.players[seat];
    const int rank = rankof(card);
    auto hashandrank = [&](int r, int atleast) {
        int n = 0;
        for (int k = 1; k <= kHandSlots; ++k)
            if (k != leftout && p.hand[k] != 0 && rankof(p.hand[k]) == r) ++n;
        return n >= atleast;
    };
    auto settest = [&] { return hashandrank(rank, mode == 1 ? 1 : 2); };
    // Rank 1's lower neighbour is rank 0, so a wild in hand counts as one.
    auto neighbour = [&] { return hashandrank(rank - 1, 1) || hashandrank(rank + 1, 1); };
    if (p.stagedone == 0) {
        switch (p.stage) {
            case 1: case 7: case 10:
                if (settest()) return true;
                break;
            case 2: case 3: case 9:
                if (settest() || neighbour()) return true;
                break;
            case 4: case 5: case 6:
                if (hashandrank(rank, 1)) return false;
                if (neighbour()) return true;
                break;
            case 8: {
                std::array<int, 5> count{};
                for (int k = 1; k <= kHandSlots; ++k) ++count[getsuit(p.hand[k])];
                int favoured = 1;
                for (int s = 2; s <= 4; ++s)
                    if (count[s] > count[favoured]) favoured = s;
                if (getsuit(card) == favoured) return true;
                break;
            }
            default: break;
        }
    }
    for (int s = 1; s <= kSeats; ++s) {
        if (t_.players[s].stagedone != 1) continue;
        for (int g = 1; g <= 2; ++g) {
            const Group& group = t_.players[s].groups[g];
            switch (t_.getsettype(s, g)) {
                case kSet:
                    for (int pos = 1; pos <= kGroupSize; ++pos)
                        if (isnatural(group[pos]) && rankof(group[pos]) == rank) return true;
                    break;
                case kRun:
                    if (runedge(group, [&](int r) { return r == rank; })) return true;
                    break;
                case kColour:
                    if (getsuit(card) == getsuit(group[1])) return true;
                    break;
                default: break;
            }
        }
    }
    return false;
}

void ComputerPlayer::computercreate(int seat) {
    using Builder = bool (ComputerPlayer::*)(int);
    static constexpr Builder kBuilders[11] = {
        nullptr,
        &ComputerPlayer::checkforcomputer1, &ComputerPlayer::checkforcomputer2,
        &ComputerPlayer::checkforcomputer3, &ComputerPlayer::checkforcomputer4,
        &ComputerPlayer::checkforcomputer5, &ComputerPlayer::checkforcomputer6,
        &ComputerPlayer::checkforcomputer7, &ComputerPlayer::checkforcomputer8,
        &ComputerPlayer::checkforcomputer9, &ComputerPlayer::checkforcomputer10,
    };
    const tplayer& p = t_.players[seat];
    const bool laid = p.stagedone == 1;
    if (!laid) {
        resetbuilders(seat);
        if (p.stage >= 1 && p.stage <= 10 && (this->*kBuilders[p.stage])(seat)) return;
    }
    if (laid && computerhitthem(seat)) return;
    computerdiscard(seat);
}

bool ComputerPlayer::checkforplacement(int card) const {
    for (int s = 1; s <= kSeats; ++s) {
        if (t_.players[s].stagedone != 1) continue;
        for (int g = 1; g <= 2; ++g)
            for (int pos = 1; pos <= kGroupSize; ++pos) {
                const int held = t_.players[s].groups[g][pos];
                if (isnatural(held) && rankof(held) == rankof(card)) return true;
            }
    }
    return false;
}

bool ComputerPlayer::hitfits(int target, int group, int card) const {
    const Group& g = t_.players[target].groups[group];
    switch (t_.getsettype(target, group)) {
        case kSet:
            return joinsgroup(g, card, [](int a, int b) { return rankof(a) == rankof(b); });
        case kRun:
            return runedge(g, [&](int r) { return iswild(card) || rankof(card) == r; });
        case kColour:
            return joinsgroup(g, card, [](int a, int b) { return getsuit(a) == getsuit(b); });
        default:
            return false;
    }
}

bool ComputerPlayer::fitstable(int card) const {
    for (int target = 1; target <= kSeats; ++target) {
        if (t_.players[target].stagedone != 1) continue;
        for (int g = 1; g <= 2; ++g)
            if (hitfits(target, g, card)) return true;
    }
    return false;
}

// A full set or colour set refuses a card that fits by rank or suit; that
// counts as no hit and the next fit is tried.
bool ComputerPlayer::computerhitthem(int seat) {
    for (int k = 1; k <= kHandSlots; ++k) {
        const int c = t_.players[seat].hand[k];
        if (c == 0 || c == kSkip) continue;
        for (int target = 1; target <= kSeats; ++target) {
            if (t_.players[target].stagedone != 1) continue;
            for (int g = 1; g <= 2; ++g) {
                if (!hitfits(target, g, c)) continue;
                const std::string payload = seatplus(seat) + std::to_string(target) + std::to_string(g) +
                                            "+" + std::to_string(k) + "+r+";
                if (request(&Table::hitset, "hitset", payload) == kDone) return true;
            }
        }
    }
    return false;
}

bool ComputerPlayer::stalled() const {
    return mends_.stallbreaker && t_.idlereshuffles >= kStallReshuffles;
}

namespace {

// The most wild cards a stage can use: every set keeps two natural cards,
// every run and the colour set one.
constexpr int kUsableWilds[11] = {0, 2, 4, 5, 6, 7, 8, 4, 7, 6, 6};

}  // namespace

// The first wild beyond what the unlaid stage can use, sparing the one just
// taken from the pile: two seats would otherwise pass it to and fro.
int ComputerPlayer::surpluswild(int seat) const {
    const tplayer& p = t_.players[seat];
    if (!mends_.surpluswilds || p.stagedone != 0 || p.stage < 1 || p.stage > 10) return 0;
    int wilds = 0, first = 0;
    for (int k = 1; k <= kHandSlots; ++k) {
        if (!iswild(p.hand[k])) continue;
        ++wilds;
        if (first == 0 && p.hand[k] != p.lastpickup) first = k;
    }
    return wilds > kUsableWilds[p.stage] ? first : 0;
}

void ComputerPlayer::computerdiscard(int seat) {
    const tplayer& p = t_.players[seat];
    const int surplus = surpluswild(seat);
    const bool feed = stalled() && p.stagedone == 0;
    auto pass = [&](int n, int k) {
        const int c = p.hand[k];
        switch (n) {
            case 1: return c == kSkip;
            case 2: return k == surplus;
            case 3: return feed && c != kSkip && isnatural(c) && fitstable(c);
            case 4: case 5:
                return isnatural(c) && c != p.lastpickup && !checkforcomputerneed(seat, k, c, n - 3);
            case 6: return isnatural(c) && c != p.lastpickup;
            case 7: return isnatural(c);
            default: return c != 0;
        }
    };
    for (int n = 1; n <= 8; ++n)
        for (int k = 1; k <= kHandSlots; ++k)
            if (pass(n, k) && request(&Table::discard, "discard", seatplus(seat) + std::to_string(k) + "+") == kDone)
                return;
}

void installComputerPlayers(Table& table, ComputerMends mends) {
    auto player = std::make_shared<ComputerPlayer>(table, mends);
    table.computerplay = [player](int seat) { player->computerplay(seat); };
}

}  // namespace velmora::host
