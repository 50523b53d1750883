// How far a hand is from its stage: the fewest cards still to come, with
// wild cards filling what natural cards leave open (a set keeps two naturals,
// a run one).
#include "host/strong_eval.h"

#include <algorithm>

#include "game/stagetable.h"

namespace velmora::host {

namespace {

constexpr int kFar = 99;

int combine(int shortage, int mustnatural, int wilds) {
    return mustnatural + std::max(0, shortage - mustnatural - wilds);
}

// Ranks of the window [a, a+n) the run can fill, after `used` cards of rank
// `setrank` went to a set.
int runpresent(const HandCounts& c, int a, int n, int setrank, int used) {
    int present = 0;
    for (int q = a; q < a + n; ++q)
        if (c.nat[q] - (q == setrank ? used : 0) >= 1) ++present;
    return present;
}

StagePlan twosets(const HandCounts& c, int n1, int n2) {
    StagePlan best;
    for (int r1 = 1; r1 <= kGroupSize; ++r1)
        for (int r2 = r1; r2 <= kGroupSize; ++r2) {
            const int c1 = std::min(c.nat[r1], n1);
            const int c2 = std::min(r1 == r2 ? c.nat[r1] - c1 : c.nat[r2], n2);
            const int d = combine(n1 - c1 + n2 - c2, std::max(0, 2 - c1) + std::max(0, 2 - c2), c.wilds);
            if (d < best.distance) best = {d, r1, r2, 0, 0};
        }
    return best;
}

StagePlan setandrun(const HandCounts& c, int n1, int n2) {
    StagePlan best;
    for (int r = 1; r <= kGroupSize; ++r) {
        const int c1 = std::min(c.nat[r], n1);
        for (int a = 1; a + n2 - 1 <= kGroupSize; ++a) {
            const int present = runpresent(c, a, n2, r, c1);
            const int d = combine(n1 - c1 + n2 - present, std::max(0, 2 - c1) + (present == 0 ? 1 : 0), c.wilds);
            if (d < best.distance) best = {d, r, 0, a, 0};
        }
    }
    return best;
}

StagePlan run(const HandCounts& c, int n) {
    StagePlan best;
    for (int a = 1; a + n - 1 <= kGroupSize; ++a) {
        const int present = runpresent(c, a, n, 0, 0);
        const int d = combine(n - present, present == 0 ? 1 : 0, c.wilds);
        if (d < best.distance) best = {d, 0, 0, a, 0};
    }
    return best;
}

StagePlan colour(const HandCounts& c, int n) {
    StagePlan best;
    for (int s = 1; s <= 4; ++s) {
        const int d = combine(std::max(0, n - c.suit[s]), 0, c.wilds);
        if (d < best.distance) best = {d, 0, 0, 0, s};
    }
    return best;
}

}  // namespace

void HandCounts::add(int card, int delta) {
    if (iswild(card))
        wilds += delta;
    else if (isnatural(card) && card != kSkip)
        nat[rankof(card)] += delta, suit[getsuit(card)] += delta;
}

HandCounts countsof(const std::array<int, kHandSlots + 1>& hand) {
    HandCounts c;
    for (int k = 1; k <= kHandSlots; ++k) c.add(hand[k], 1);
    return c;
}

StagePlan planstage(const HandCounts& c, int stage) {
    if (!knownstage(stage)) return {kFar, 0, 0, 0, 0};
    const StageShape& s = stageshape(stage);
    if (s.type1 == kColour) return colour(c, s.need1);
    if (s.type1 == kRun) return run(c, s.need1);
    if (s.type2 == kRun) return setandrun(c, s.need1, s.need2);
    return twosets(c, s.need1, s.need2);
}

int stagedistance(const std::array<int, kHandSlots + 1>& hand, int stage) {
    return planstage(countsof(hand), stage).distance;
}

// The cards of the plan, fewest needed: naturals of each group by slot
// order, then wild cards for what they leave open.
std::vector<int> planslots(const std::array<int, kHandSlots + 1>& hand, int stage, const StagePlan& plan) {
    const StageShape& s = stageshape(stage);
    std::array<bool, kHandSlots + 1> used{};
    std::vector<int> slots;
    int open = 0;
    auto take = [&](auto pick, int n) {
        int got = 0;
        for (int k = 1; k <= kHandSlots && got < n; ++k)
            if (!used[k] && pick(hand[k])) used[k] = true, slots.push_back(k), ++got;
        return got;
    };
    auto ofrank = [](int r) { return [r](int c) { return isnatural(c) && c != kSkip && rankof(c) == r; }; };
    if (s.type1 == kColour) {
        open = s.need1 - take([&](int c) { return isnatural(c) && c != kSkip && getsuit(c) == plan.suit; }, kHandSlots);
    } else if (s.type1 == kRun) {
        for (int q = plan.start; q < plan.start + s.need1; ++q) open += 1 - take(ofrank(q), 1);
    } else {
        open += s.need1 - take(ofrank(plan.rank1), s.need1);
        if (s.type2 == kRun)
            for (int q = plan.start; q < plan.start + s.need2; ++q) open += 1 - take(ofrank(q), 1);
        else
            open += s.need2 - take(ofrank(plan.rank2), s.need2);
    }
    if (open > 0) take([](int c) { return iswild(c); }, open);
    return slots;
}

}  // namespace velmora::host
