#include <string>

#include "host/table.h"

namespace velmora::host {

namespace {

// Counts every card once; text is built only when something is wrong, so a
// sound table costs a few hundred additions.
struct Tally {
    std::array<int, kSkip + 1> count{};
    bool bad = false;   // a code outside 0..53 was seen

    void add(int card) {
        if (card == 0) return;
        if (card < 0 || card > kSkip)
            bad = true;
        else
            ++count[card];
    }
};

int faceup(const TableState& t) {
    return t.discardcount >= 1 && t.discardcount <= kDeckSize ? t.discards[t.discardcount] : 0;
}

void tally(const TableState& t, Tally& out, bool& strays) {
    for (int i = 1; i <= kDeckSize; ++i) out.add(t.deck[i]);
    for (int i = 1; i <= kDeckSize; ++i) {
        if (i <= t.discardcount)
            out.add(t.discards[i]);
        else if (t.discards[i] != 0)
            strays = true;
    }
    for (int s = 1; s <= kPlaces; ++s) {
        const tplayer& p = t.players[s];
        for (int k = 1; k <= kHandSlots; ++k) out.add(p.hand[k]);
        for (int g = 1; g <= kGroups; ++g)
            for (int pos = 1; pos <= kGroupSize; ++pos) out.add(p.groups[g][pos]);
    }
}

bool countsright(const Tally& t) {
    int total = 0;
    for (int c = 1; c <= kSkip; ++c) total += t.count[c];
    if (total == 0) return true;   // never dealt
    for (int c = 1; c <= kSkip; ++c)
        if (t.count[c] != (c == kSkip ? 4 : 2)) return false;
    return true;
}

void invalid(std::string& out, int card, const std::string& where) {
    if (card < 0 || card > kSkip) out += "invalid card " + std::to_string(card) + " in " + where + "; ";
}

// The slow path: says what is wrong and where.
std::string describe(const TableState& t, const Tally& tally) {
    std::string out;
    for (int i = 1; i <= kDeckSize; ++i) invalid(out, t.deck[i], "deck");
    for (int i = 1; i <= kDeckSize; ++i) {
        if (i <= t.discardcount)
            invalid(out, t.discards[i], "pile");
        else if (t.discards[i] != 0)
            out += "pile entry " + std::to_string(i) + " beyond the count; ";
    }
    for (int s = 1; s <= kPlaces; ++s) {
        const tplayer& p = t.players[s];
        for (int k = 1; k <= kHandSlots; ++k) invalid(out, p.hand[k], "hand of " + std::to_string(s));
        for (int g = 1; g <= kGroups; ++g)
            for (int pos = 1; pos <= kGroupSize; ++pos) invalid(out, p.groups[g][pos], "group of " + std::to_string(s));
    }
    if (t.discardcount < 0 || t.discardcount > kDeckSize)
        out += "pile count " + std::to_string(t.discardcount) + "; ";
    if (t.topdiscard != faceup(t))
        out += "face-up card " + std::to_string(t.topdiscard) + " is not the pile's top; ";
    if (!countsright(tally))
        for (int c = 1; c <= kSkip; ++c)
            if (tally.count[c] != (c == kSkip ? 4 : 2))
                out += "card " + std::to_string(c) + " found " + std::to_string(tally.count[c]) + " times; ";
    return out;
}

}  // namespace

std::string checkcards(const Table& table) { return checkcards(table.state()); }

std::string checkcards(const TableState& t) {
    Tally counts;
    bool strays = false;
    tally(t, counts, strays);
    const bool sound = !counts.bad && !strays && t.discardcount >= 0 && t.discardcount <= kDeckSize &&
                       t.topdiscard == faceup(t) && countsright(counts);
    return sound ? std::string() : describe(t, counts);
}

}  // namespace velmora::host
