// The expert's throw once its stage is laid: the hand only empties by hits,
// so the card kept should be the one most likely to find a group soon. Each
// choice is played on in every sample of the next draws: drawn cards and
// kept cards are hit wherever a group takes them (runs grow as they are
// hit), the card least likely to fit is thrown, until the hand is empty.
#include <algorithm>

#include "host/expert.h"
#include "host/expert_worlds.h"
#include "game/i18n.h"
#include "game/stagetable.h"

namespace velmora::host {

namespace {

using Positions = std::array<int, kGroupSize + 1>;

// Turns the search looks ahead once the stage is laid, and how much better
// than the strong player's throw another must sample.
constexpr int kOutHorizon = 5;
constexpr double kOutMargin = 0.02;

struct Laid {
    std::array<Positions, 2 * kSeats> groups{};
    std::array<int, 2 * kSeats> types{};
    int count = 0;

    bool hit(int card) {
        for (int i = 0; i < count; ++i)
            if (takes(groups[i], types[i], card)) {
                place(groups[i], types[i], card);
                return true;
            }
        return false;
    }
    // Close to a run's end: one more hit there and the card fits.
    bool near(int card) const {
        if (!isnatural(card) || card == kSkip) return false;
        const int r = rankof(card);
        for (int i = 0; i < count; ++i) {
            if (types[i] != kRun) continue;
            const Positions& g = groups[i];
            if ((r > 2 && g[r - 1] == 0 && g[r - 2] != 0) || (r < kGroupSize - 1 && g[r + 1] == 0 && g[r + 2] != 0))
                return true;
        }
        return false;
    }

private:
    static void place(Positions& g, int type, int card) {
        if (type == kRun && !iswild(card)) {
            g[rankof(card)] = card;
            return;
        }
        if (type == kRun) {
            for (int p = 1; p < kGroupSize; ++p)
                if (g[p] == 0 && g[p + 1] != 0) return void(g[p] = card);
            for (int p = 2; p <= kGroupSize; ++p)
                if (g[p] == 0 && g[p - 1] != 0) return void(g[p] = card);
            return;
        }
        for (int p = 1; p <= kGroupSize; ++p)
            if (g[p] == 0) return void(g[p] = card);
    }
};

Laid laidof(const PublicView& v) {
    Laid l;
    for (int s = 1; s <= kSeats; ++s) {
        if (v.seats[s].stagedone != 1) continue;
        const StageShape& shape = stageshape(v.seats[s].stage);
        for (int g = 1; g <= 2; ++g) {
            const int type = g == 1 ? shape.type1 : shape.type2;
            if (type == kNoGroup) continue;
            l.groups[l.count] = v.seats[s].groups[g];
            l.types[l.count++] = type;
        }
    }
    return l;
}

// Hits every card that fits, natural cards first (a wild fits anywhere).
void hitall(std::vector<int>& hand, Laid& laid) {
    for (bool again = true; again;) {
        again = false;
        for (bool wild : {false, true})
            for (std::size_t i = 0; i < hand.size() && !again; ++i)
                if (iswild(hand[i]) == wild && laid.hit(hand[i])) {
                    hand.erase(hand.begin() + static_cast<long>(i));
                    again = true;
                }
    }
}

// The quick rule's throw: a skip, else a card no run end is close to.
void throwworst(std::vector<int>& hand, const Laid& laid) {
    std::size_t worst = 0;
    int worstkeep = 99;
    for (std::size_t i = 0; i < hand.size(); ++i) {
        const int keep = hand[i] == kSkip ? -1 : iswild(hand[i]) ? 9 : laid.near(hand[i]) ? 1 : 0;
        if (keep < worstkeep) worst = i, worstkeep = keep;
    }
    if (!hand.empty()) hand.erase(hand.begin() + static_cast<long>(worst));
}

// The turn (1..horizon) the hand is empty in, else minus the cards left.
int goout(std::vector<int> hand, Laid laid, const std::vector<int>& draws, int horizon) {
    for (int t = 1; t <= horizon && t <= static_cast<int>(draws.size()); ++t) {
        hand.push_back(draws[t - 1]);
        hitall(hand, laid);
        if (hand.size() <= 1) return horizon + 1 - t + 1;
        throwworst(hand, laid);
    }
    return -static_cast<int>(hand.size());
}

}  // namespace

StrongMove outsearch(const PublicView& v, int budget, StrongMove strong, double denialweight) {
    const int chosen = strong.picks.empty() ? 0 : strong.picks[0];
    if (chosen < 1 || chosen > kHandSlots || v.hand[chosen] == 0 || v.hand[chosen] == kSkip) return strong;
    SearchRandom random(viewseed(v));
    const Unseen unseen = unseenof(v);
    int horizon = kOutHorizon;
    std::vector<std::vector<int>> samples;
    for (int i = 0; i < std::max(1, budget); ++i) samples.push_back(sampledraws(unseen.pool, horizon, random));
    const Laid laid = laidof(v);
    std::array<int, kHandSlots + 1> out{};   // samples that go out, by the slot thrown
    auto score = [&](int k) {
        std::vector<int> hand;
        for (int j = 1; j <= kHandSlots; ++j)
            if (j != k && v.hand[j] != 0) hand.push_back(v.hand[j]);
        long sum = 0;
        for (const auto& draws : samples) {
            const int w = goout(hand, laid, draws, horizon);
            sum += w;
            out[k] += w > 0;
        }
        return static_cast<double>(sum) / (static_cast<double>(samples.size()) * (horizon + 1)) -
               denialweight * nextwants(v, unseen, v.hand[k], budget);
    };
    int best = chosen;
    double bestscore = score(chosen) + kOutMargin;
    for (int k = 1; k <= kHandSlots; ++k) {
        const int c = v.hand[k];
        if (c == 0 || k == chosen || c == v.hand[chosen] || iswild(c)) continue;
        if (const double sc = score(k); sc > bestscore) best = k, bestscore = sc;
    }
    strong.picks = {best};
    strong.reason = i18n::fill(
        i18n::translate("Hint", "Discard the %1: %2"),
        {cardname(v.hand[best]),
         i18n::fill(i18n::translate("Hint", "in %1 of %2 sampled ways you are out of cards within %3 turns"),
                    {std::to_string(out[best]), std::to_string(samples.size()), std::to_string(horizon)})});
    return strong;
}

}  // namespace velmora::host
