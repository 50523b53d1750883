// The expert's search. A decision that weighs something (draw or take the
// pile, which card to throw before the stage is laid) is tried in every one
// of `budget` samples of the hidden cards: the seat's next draws are taken
// from the cards nobody has shown, and the hand is played on with a quick
// greedy rule until the stage can be laid or the round is likely over. The
// same samples serve every choice, so choices differ by what they do, not by
// luck. What the next seat would gain from a card is judged by sampling its
// hidden hand around the cards it is known to hold.
#include "host/expert.h"

#include <algorithm>

#include "game/i18n.h"
#include "game/stagetable.h"
#include "host/expert_worlds.h"
#include "host/strong_eval.h"

namespace velmora::host {

namespace {

// Turns a round lasts once nobody has laid, as far as the search looks.
constexpr int kHorizon = 7;
// How much a card the next seat wants counts against throwing it, in the
// same measure as the samples' worth of a choice (1: laying at once in all).
constexpr double kDenialWeight = 0.25;
// How much better than the strong player's choice another must sample: its
// measure was tuned over many games, the samples are few.
constexpr double kMargin = 0.03;
constexpr double kDrawMargin = 0.10;
// A sample's worth: each turn sooner the stage is laid, and each card a
// hand that did not lay is still short of it.
constexpr int kLayWorth = 2;
constexpr int kDistanceWorth = 3;

// A hand as the search plays it: what the stage measure reads, by the one
// property the stage cares about (rank, or colour at the colour stage).
// A card's kind: 0 wild, 1..12 its rank or 1..4 its colour, -1 worthless.
struct Play {
    int stage = 0;
    HandCounts counts;
    int dead = 0;   // skips: thrown first
    int distance = 99;

    bool colour() const { return stageshape(stage).type1 == kColour; }
    int kindof(int card) const {
        if (card == 0 || card == kSkip) return -1;
        if (iswild(card)) return 0;
        return colour() ? getsuit(card) : rankof(card);
    }
    int& count(int kind) { return kind == 0 ? counts.wilds : colour() ? counts.suit[kind] : counts.nat[kind]; }
    int count(int kind) const { return const_cast<Play*>(this)->count(kind); }
    int measure() const { return planstage(counts, stage).distance; }
    void add(int card, int delta) {
        const int k = kindof(card);
        if (k < 0)
            dead += delta;
        else
            count(k) += delta;
    }
};

Play playof(const std::array<int, kHandSlots + 1>& hand, int stage) {
    Play p;
    p.stage = stage;
    for (int k = 1; k <= kHandSlots; ++k)
        if (hand[k] != 0) p.add(hand[k], 1);
    p.distance = p.measure();
    return p;
}

// How much a kind holds the hand together, to choose between throws that
// leave the distance the same: copies of the rank, and near ranks for runs.
int holds(const Play& p, int kind) {
    if (kind == 0) return 1000;
    if (p.colour()) return p.count(kind);
    const StageShape& s = stageshape(p.stage);
    int n = 2 * p.count(kind);
    if (s.type1 == kRun || s.type2 == kRun)
        for (int q = std::max(1, kind - 2); q <= std::min(kGroupSize, kind + 2); ++q) n += q != kind && p.count(q) > 0;
    return n;
}

// The quick rule's throw from an eleven-card hand: a skip, else the kind
// whose loss keeps the hand closest to its stage.
void throwone(Play& p) {
    if (p.dead > 0) {
        --p.dead;
        return;
    }
    const int kinds = p.colour() ? 4 : kGroupSize;
    int best = -1, bestd = 0, besth = 0;
    for (int k = 0; k <= kinds; ++k) {
        if (p.count(k) == 0) continue;
        --p.count(k);
        const int d = p.measure();
        ++p.count(k);
        const int h = holds(p, k);
        if (best < 0 || d < bestd || (d == bestd && h < besth)) best = k, bestd = d, besth = h;
    }
    if (best < 0) return;
    --p.count(best);
    p.distance = bestd;
}

// Plays the hand on over the sample's draws, one a turn: a card that brings
// the stage closer is kept and the worst card thrown, any other thrown at
// once. Gives the turn (1..horizon) the stage can be laid in, or 0, and how
// far the hand is from its stage then.
struct Outcome {
    int turn = 0;
    int distance = 0;
};

Outcome playon(Play p, const std::vector<int>& draws, std::size_t from, int horizon) {
    for (int t = 1; t <= horizon && from + t - 1 < draws.size(); ++t) {
        const int card = draws[from + t - 1];
        const int k = p.kindof(card);
        if (k < 0) continue;
        ++p.count(k);
        const int d = p.measure();
        if (d >= p.distance) {
            --p.count(k);
            continue;
        }
        if (d == 0) return {t, 0};
        p.distance = d;
        throwone(p);
    }
    return {0, p.distance};
}

// What a sample's outcome is worth: laying sooner is better, since the seat
// that lays first can go out before the others lay; a hand that does not
// lay within the horizon counts by how near it came, so that far from the
// stage the samples still tell choices apart.
int worth(Outcome o, int horizon) {
    return o.turn > 0 ? kLayWorth * (horizon + 1 - o.turn) + kLayWorth : -kDistanceWorth * o.distance;
}

struct Search {
    const PublicView& v;
    int budget;
    int horizon = kHorizon;
    Unseen unseen;
    std::vector<std::vector<int>> samples;   // each: the seat's next draws
    SearchRandom random;

    Search(const PublicView& view, int n) : v(view), budget(std::max(1, n)), random(viewseed(view)) {
        unseen = unseenof(v);
        for (int s = 1; s <= kSeats; ++s)
            if (s != v.seat && v.seats[s].inround == 1 && v.seats[s].stagedone == 1)
                horizon = std::min(horizon, std::max(1, v.seats[s].cards));
        for (int i = 0; i < budget; ++i) samples.push_back(sampledraws(unseen.pool, horizon + 1, random));
    }

    const SeatView& me() const { return v.seats[v.seat]; }

    // The summed worth over the samples of a ten-card hand, its first draw
    // being the sample's `from`-th card.
    long value(const Play& p, std::size_t from) const {
        long sum = 0;
        for (const auto& draws : samples) sum += worth(playon(p, draws, from, horizon), horizon);
        return sum;
    }
    long laidnow() const { return kLayWorth * (horizon + 2); }
    double scale() const { return 1.0 / (static_cast<double>(budget) * laidnow()); }
    // How many samples lay the stage within the horizon.
    int laying(const Play& p, std::size_t from) const {
        int n = 0;
        for (const auto& draws : samples) n += playon(p, draws, from, horizon).turn > 0;
        return n;
    }

    double wanted(int card) const { return nextwants(v, unseen, card, std::max(4, budget / 2)); }
};

std::string samplesline(int good, int all, int turns) {
    return i18n::fill(i18n::translate("Hint", "in %1 of %2 sampled ways you lay your stage within %3 turns"),
                      {std::to_string(good), std::to_string(all), std::to_string(turns)});
}

// The strong player's throw stands unless the samples find a throw
// clearly better: they are fewer than its measure has seen positions.
StrongMove discardsearch(const PublicView& v, int budget, StrongMove strong) {
    Search s(v, budget);
    const Play hand = playof(v.hand, s.me().stage);
    std::array<int, kHandSlots + 1> kind{};
    std::array<int, kHandSlots + 1> distance{};
    int mind = 99;
    for (int k = 1; k <= kHandSlots; ++k) {
        if (v.hand[k] == 0) continue;
        if (v.hand[k] == kSkip) return strong;   // it costs the next seat a turn and the hand nothing
        Play p = hand;
        --p.count(kind[k] = hand.kindof(v.hand[k]));
        mind = std::min(mind, distance[k] = p.measure());
    }
    std::array<long, kGroupSize + 1> byKind{};
    std::array<bool, kGroupSize + 1> tried{};
    auto score = [&](int k) {
        if (!tried[kind[k]]) {
            Play p = hand;
            --p.count(kind[k]);
            p.distance = distance[k];
            tried[kind[k]] = true;
            byKind[kind[k]] = s.value(p, 0);
        }
        return byKind[kind[k]] * s.scale() - kDenialWeight * s.wanted(v.hand[k]);
    };
    const int chosen = strong.picks.empty() ? 0 : strong.picks[0];
    if (chosen < 1 || chosen > kHandSlots || v.hand[chosen] == 0) return strong;
    int bestslot = chosen;
    double best = score(chosen) + kMargin;
    for (int k = 1; k <= kHandSlots; ++k) {
        if (v.hand[k] == 0 || distance[k] > mind || k == chosen) continue;
        if (const double sc = score(k); sc > best) best = sc, bestslot = k;
    }
    Play kept = hand;
    --kept.count(kind[bestslot]);
    kept.distance = distance[bestslot];
    StrongMove m;
    m.kind = StrongMove::Discard;
    m.picks = {bestslot};
    m.reason = i18n::fill(i18n::translate("Hint", "Discard the %1: %2"),
                          {cardname(v.hand[bestslot]), samplesline(s.laying(kept, 0), s.budget, s.horizon)});
    return m;
}

// Draw or take the pile: the strong player's choice (it takes a card that
// brings the stage closer) unless the samples clearly favour the other.
StrongMove drawsearch(const PublicView& v, int budget) {
    const int top = v.topdiscard;
    Search s(v, budget);
    const Play hand = playof(v.hand, s.me().stage);
    Play taken = hand;
    taken.add(top, 1);
    long pick = 0, draw = 0;
    int pickgood = 0, drawgood = 0;
    if (taken.measure() == 0) {
        pick = static_cast<long>(s.budget) * s.laidnow();
        pickgood = s.budget;
    } else {
        taken.distance = taken.measure();
        throwone(taken);
        pick = s.value(taken, 1);
        pickgood = s.laying(taken, 1);
    }
    for (const auto& draws : s.samples) {
        if (draws.empty()) continue;
        Play p = hand;
        p.add(draws[0], 1);
        if (p.measure() == 0) {
            draw += s.laidnow(), ++drawgood;
            continue;
        }
        p.distance = p.measure();
        throwone(p);
        const Outcome o = playon(p, draws, 1, s.horizon);
        draw += worth(o, s.horizon), drawgood += o.turn > 0;
    }
    StrongMove m;
    m.kind = strongmove(v).kind == StrongMove::PickUp ? StrongMove::PickUp : StrongMove::Draw;
    const double margin = kDrawMargin / s.scale();
    if (pick > draw + margin) m.kind = StrongMove::PickUp;
    if (draw > pick + margin) m.kind = StrongMove::Draw;
    m.reason = m.kind == StrongMove::PickUp
                   ? i18n::fill(i18n::translate("Hint", "Take the %1 from the pile: %2 (%3 by drawing)"),
                                {cardname(top), samplesline(pickgood, s.budget, s.horizon), std::to_string(drawgood)})
                   : i18n::fill(i18n::translate("Hint", "Draw: %1 (%2 with the pile's %3)"),
                                {samplesline(drawgood, s.budget, s.horizon), std::to_string(pickgood), cardname(top)});
    return m;
}

}  // namespace

StrongMove expertmove(const PublicView& v, int budget) {
    if (v.seat < 1 || v.seat > kSeats || v.curplayer != v.seat) return {};
    const SeatView& me = v.seats[v.seat];
    // A stalled round is the strong player's to break.
    if (!knownstage(me.stage) || v.idlereshuffles >= kStallReshuffles) return strongmove(v);
    if (me.stagedone == 1) {
        StrongMove strong = strongmove(v);
        if (v.turnphase != 2 || strong.kind != StrongMove::Discard) return strong;
        return outsearch(v, budget, std::move(strong), kDenialWeight);
    }
    if (v.turnphase == 1) {
        const int top = v.topdiscard;
        if (top == 0 || top == kSkip || iswild(top) || playof(v.hand, me.stage).distance == 0) return strongmove(v);
        return drawsearch(v, budget);
    }
    if (v.turnphase != 2) return {};
    StrongMove strong = strongmove(v);
    if (strong.kind != StrongMove::Discard) return strong;
    return discardsearch(v, budget, std::move(strong));
}

}  // namespace velmora::host
