#include <string>

#include "host/table.h"

namespace velmora::host {

namespace {

struct Tally {
    std::array<int, kSkip + 1> count{};
    std::string problems;

    void add(int card, const std::string& where) {
        if (card == 0) return;
        if (card < 0 || card > kSkip)
            problems += "invalid card " + std::to_string(card) + " in " + where + "; ";
        else
            ++count[card];
    }
};

}  // namespace

std::string checkcards(const Table& t) {
    Tally tally;
    for (int i = 1; i <= kDeckSize; ++i) tally.add(t.deck[i], "deck");
    for (int i = 1; i <= kDeckSize; ++i) {
        if (i <= t.discardcount)
            tally.add(t.discards[i], "pile");
        else if (t.discards[i] != 0)
            tally.problems += "pile entry " + std::to_string(i) + " beyond the count; ";
    }
    for (int s = 1; s <= kPlaces; ++s) {
        const tplayer& p = t.players[s];
        for (int k = 1; k <= kHandSlots; ++k) tally.add(p.hand[k], "hand of " + std::to_string(s));
        for (int g = 1; g <= kGroups; ++g)
            for (int pos = 1; pos <= kGroupSize; ++pos)
                tally.add(p.groups[g][pos], "group of " + std::to_string(s));
    }
    if (t.discardcount < 0 || t.discardcount > kDeckSize)
        tally.problems += "pile count " + std::to_string(t.discardcount) + "; ";
    const int top = t.discardcount >= 1 && t.discardcount <= kDeckSize ? t.discards[t.discardcount] : 0;
    if (t.topdiscard != top)
        tally.problems += "face-up card " + std::to_string(t.topdiscard) + " is not the pile's top; ";

    int total = 0;
    for (int c = 1; c <= kSkip; ++c) total += tally.count[c];
    if (total == 0 && tally.problems.empty()) return {};   // never dealt
    for (int c = 1; c <= kSkip; ++c) {
        const int want = c == kSkip ? 4 : 2;
        if (tally.count[c] != want)
            tally.problems += "card " + std::to_string(c) + " found " + std::to_string(tally.count[c]) +
                              " times; ";
    }
    return tally.problems;
}

}  // namespace velmora::host
