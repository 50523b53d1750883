// The strong player's choices: draw or take the pile, lay, hit, discard.
// Each is made from the public view alone and is checked against the rules
// before it is offered, so the table never refuses it.
#include "host/strong.h"

#include <algorithm>

#include "game/i18n.h"
#include "game/stagetable.h"
#include "host/stagematch.h"
#include "host/strong_eval.h"

namespace velmora::host {

namespace {

using Hand = std::array<int, kHandSlots + 1>;
using Positions = std::array<int, kGroupSize + 1>;

// Cards of each rank and colour that may still come from the deck: eight of
// a rank (24 naturals of a colour) less those in hand, laid or thrown away.
struct Live {
    std::array<int, kGroupSize + 1> rank{};
    std::array<int, 5> suit{};
};

Live liveof(const PublicView& v) {
    Live live;
    live.rank.fill(8);
    live.suit.fill(24);
    auto seen = [&](int card, int delta) {
        if (!isnatural(card) || card == kSkip) return;
        live.rank[rankof(card)] -= delta;
        live.suit[getsuit(card)] -= delta;
    };
    for (int k = 1; k <= kHandSlots; ++k) seen(v.hand[k], 1);
    for (int s = 1; s <= kSeats; ++s)
        for (int g = 1; g <= 2; ++g)
            for (int c : v.seats[s].groups[g]) seen(c, 1);
    for (const PublicAction& a : v.history)
        if (a.kind == PublicAction::Discard || a.seat != v.seat) seen(a.card, a.kind == PublicAction::Discard ? 1 : 0);
    for (int& n : live.rank) n = std::max(n, 0);
    for (int& n : live.suit) n = std::max(n, 0);
    return live;
}

// Live cards that would bring the hand closer to its stage.
int outs(const HandCounts& c, int stage, int distance, const Live& live) {
    if (distance == 0) return 0;
    int n = 0;
    if (stageshape(stage).type1 == kColour) {
        for (int s = 1; s <= 4; ++s) {
            HandCounts more = c;
            more.suit[s] += 1;
            if (planstage(more, stage).distance < distance) n += live.suit[s];
        }
        return n;
    }
    for (int r = 1; r <= kGroupSize; ++r) {
        HandCounts more = c;
        more.nat[r] += 1;
        if (planstage(more, stage).distance < distance) n += live.rank[r];
    }
    return n;
}

bool pickedthisturn(const PublicView& v, int card) {
    return !v.history.empty() && v.history.back().kind == PublicAction::Pickup && v.history.back().seat == v.seat &&
           v.history.back().card == card;
}

StrongMove discardmove(const PublicView& v, int slot, const std::string& why) {
    StrongMove m;
    m.kind = StrongMove::Discard;
    m.picks = {slot};
    m.reason = i18n::fill(i18n::translate("Hint", "Discard the %1: %2"), {cardname(v.hand[slot]), why});
    return m;
}


StrongMove choosediscard(const PublicView& v) {
    const SeatView& me = v.seats[v.seat];
    for (int k = 1; k <= kHandSlots; ++k)
        if (v.hand[k] == kSkip) return discardmove(v, k, i18n::translate("Hint", "the next player loses a turn"));
    if (v.idlereshuffles >= kStallReshuffles)
        for (int k = 1; k <= kHandSlots; ++k)
            if (v.hand[k] != 0 && hittarget(v, v.hand[k]).first != 0)
                return discardmove(v, k,
                                   i18n::translate("Hint", "the game stands still and a laid group takes it"));
    const Live live = liveof(v);
    const HandCounts counts = countsof(v.hand);
    long best = 0;
    int bestslot = 0;
    for (int k = 1; k <= kHandSlots; ++k) {
        const int c = v.hand[k];
        if (c == 0) continue;
        long score = denial(v, c) + (pickedthisturn(v, c) ? 50 : 0) - cardpoints(c);
        if (me.stagedone != 1) {
            HandCounts less = counts;
            less.add(c, -1);
            const int d = planstage(less, me.stage).distance;
            score += 1000L * d - outs(less, me.stage, d, live);
        }
        if (bestslot == 0 || score < best) best = score, bestslot = k;
    }
    if (bestslot == 0) return {};
    return discardmove(v, bestslot,
                       me.stagedone == 1
                           ? i18n::translate("Hint", "no group takes it and the next player gains least")
                           : i18n::translate("Hint", "it helps your stage least and the next player gains least"));
}

// The valid way to lay that lays the most cards: the fewest cards the
// stage needs, or every card when the rules take more of them.
StrongMove laymove(const PublicView& v) {
    const SeatView& me = v.seats[v.seat];
    const StagePlan plan = planstage(countsof(v.hand), me.stage);
    if (plan.distance != 0) return {};
    std::vector<int> all;
    for (int k = 1; k <= kHandSlots; ++k)
        if (v.hand[k] != 0) all.push_back(k);
    StrongMove best;
    std::size_t laid = 0;
    for (const std::vector<int>& slots : {planslots(v.hand, me.stage, plan), all}) {
        SlotMarks chosen{};
        for (int k : slots) chosen[k] = 1;
        const StageMatch m = matchstage(v.hand, chosen, me.stage);
        if (m.result.empty() || m.result.entries().size() <= laid) continue;
        laid = m.result.entries().size();
        best.kind = StrongMove::Lay;
        best.picks.clear();
        for (const StageEntry& e : m.result.entries()) best.picks.push_back(e.slot);
        std::sort(best.picks.begin(), best.picks.end());
    }
    if (best.kind == StrongMove::Lay)
        best.reason = i18n::fill(i18n::translate("Hint", "Lay your stage \"%1\" now"),
                                 {i18n::translate("Stages", stageshape(me.stage).label)});
    return best;
}

// Natural cards first: a wild fits anywhere and waits for the last place.
StrongMove hitmove(const PublicView& v) {
    for (bool wild : {false, true})
        for (int k = 1; k <= kHandSlots; ++k) {
            const int c = v.hand[k];
            if (c == 0 || iswild(c) != wild) continue;
            const auto [t, g] = hittarget(v, c);
            if (t == 0) continue;
            StrongMove m;
            m.kind = StrongMove::Hit;
            m.picks = {k};
            m.target = t;
            m.group = g;
            m.reason =
                t == v.seat
                    ? i18n::fill(i18n::translate("Hint", "Hit the %1 on your group %2: one card fewer to go out"),
                                 {cardname(c), std::to_string(g)})
                    : i18n::fill(i18n::translate("Hint", "Hit the %1 on seat %2's group %3: one card fewer to go out"),
                                 {cardname(c), std::to_string(t), std::to_string(g)});
            return m;
        }
    return {};
}

StrongMove drawmove(const PublicView& v) {
    const SeatView& me = v.seats[v.seat];
    const int top = v.topdiscard;
    StrongMove m;
    m.kind = StrongMove::Draw;
    m.reason = top == 0 ? i18n::translate("Hint", "Draw: the pile is empty")
                        : i18n::fill(i18n::translate("Hint", "Draw: the pile's %1 does not help you"), {cardname(top)});
    if (top == 0 || top == kSkip) return m;
    bool take = iswild(top);
    if (!take && me.stagedone == 1) take = hittarget(v, top).first != 0;
    if (!take && me.stagedone != 1) {
        Hand more = v.hand;
        for (int k = 1; k <= kHandSlots; ++k)
            if (more[k] == 0) {
                more[k] = top;
                break;
            }
        take = stagedistance(more, me.stage) < stagedistance(v.hand, me.stage);
    }
    if (!take) return m;
    m.kind = StrongMove::PickUp;
    const std::string why = iswild(top)         ? i18n::translate("Hint", "a wild card fits anywhere")
                            : me.stagedone == 1 ? i18n::translate("Hint", "a laid group takes it")
                                                : i18n::translate("Hint", "it brings your stage closer");
    m.reason = i18n::fill(i18n::translate("Hint", "Take the %1 from the pile: %2"), {cardname(top), why});
    return m;
}

}  // namespace

// Whether the group takes the card as a hit, as the table would decide.
bool takes(const Positions& g, int type, int card) {
    if (card == 0 || card == kSkip) return false;
    int filled = 0;
    bool natural = false;
    unsigned ranks = 0, suits = 0;
    for (int p = 1; p <= kGroupSize; ++p) {
        if (g[p] == 0) continue;
        ++filled;
        if (!isnatural(g[p])) continue;
        natural = true;
        ranks |= 1u << rankof(g[p]);
        suits |= 1u << getsuit(g[p]);
    }
    if (filled == 0) return false;
    const int r = rankof(card);
    switch (type) {
        case kSet: return filled < kGroupSize && natural && (iswild(card) || ((ranks >> r) & 1u));
        case kColour: return filled < kGroupSize && natural && (iswild(card) || ((suits >> getsuit(card)) & 1u));
        case kRun:
            if (iswild(card)) return filled < kGroupSize;
            if (g[r] != 0) return false;
            return (r > 1 && g[r - 1] != 0) || (r < kGroupSize && g[r + 1] != 0);
        default: return false;
    }
}

// The reasons are read by the player who asked for a hint and never sent,
// so they are in the player's language.
std::string cardname(int card) {
    if (card == kSkip) return i18n::translate("Hint", "skip");
    if (iswild(card)) return i18n::translate("Hint", "wild card");
    // The colours the cards are drawn in: blue, brown, green, red.
    static constexpr const char* kColours[] = {"", VELMORA_TRANSLATE_NOOP("Hint", "blue %1"),
                                               VELMORA_TRANSLATE_NOOP("Hint", "brown %1"),
                                               VELMORA_TRANSLATE_NOOP("Hint", "green %1"),
                                               VELMORA_TRANSLATE_NOOP("Hint", "red %1")};
    return i18n::fill(i18n::translate("Hint", kColours[getsuit(card)]), {std::to_string(rankof(card))});
}

// The first laid group that takes the card: {seat, group}, or {0, 0}.
std::pair<int, int> hittarget(const PublicView& v, int card) {
    for (int t = 1; t <= kSeats; ++t) {
        const SeatView& s = v.seats[t];
        if (s.stagedone != 1) continue;
        for (int g = 1; g <= 2; ++g) {
            const StageShape& shape = stageshape(s.stage);
            if (takes(s.groups[g], g == 1 ? shape.type1 : shape.type2, card)) return {t, g};
        }
    }
    return {0, 0};
}

int nextseat(const PublicView& v) {
    for (int i = 1; i <= kSeats; ++i) {
        const int s = (v.seat + i - 1) % kSeats + 1;
        if (s != v.seat && v.seats[s].inround == 1) return s;
    }
    return 0;
}

// How much the next seat would gain from the card on the pile, judged from
// what it picked up and threw away in this round.
int denial(const PublicView& v, int card) {
    if (iswild(card)) return 400;
    if (card == kSkip) return 0;
    const int next = nextseat(v);
    if (next == 0) return 0;
    const SeatView& n = v.seats[next];
    int cost = hittarget(v, card).first != 0 ? (n.stagedone == 1 ? 300 : 30) : 0;
    if (n.stagedone == 1) return cost;
    const StageShape& shape = stageshape(n.stage);
    int recent = 0;
    for (auto it = v.history.rbegin(); it != v.history.rend(); ++it) {
        if (it->seat != next) continue;
        const int r = rankof(it->card);
        if (it->kind == PublicAction::Discard) {
            if (recent++ < 3 && r == rankof(card)) cost -= 100;   // it will not take that rank back
            continue;
        }
        if (!isnatural(it->card) || it->card == kSkip) continue;
        if (shape.type1 == kColour && getsuit(it->card) == getsuit(card)) cost += 150;
        if (shape.type1 == kSet && r == rankof(card)) cost += 150;
        if ((shape.type1 == kRun || shape.type2 == kRun) && std::abs(r - rankof(card)) <= 2) cost += 80;
    }
    return cost;
}

StrongMove strongmove(const PublicView& v) {
    if (v.seat < 1 || v.seat > kSeats || v.curplayer != v.seat) return {};
    if (v.turnphase == 1) return drawmove(v);
    if (v.turnphase != 2) return {};
    if (v.seats[v.seat].stagedone != 1) {
        if (StrongMove lay = laymove(v); lay.kind == StrongMove::Lay) return lay;
    } else if (StrongMove hit = hitmove(v); hit.kind == StrongMove::Hit) {
        return hit;
    }
    return choosediscard(v);
}

}  // namespace velmora::host
