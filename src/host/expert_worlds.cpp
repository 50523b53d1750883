#include "host/expert_worlds.h"

#include <algorithm>

namespace velmora::host {

namespace {

constexpr int kDealt = 10;   // cards each seat is dealt

void removeone(std::vector<int>& cards, int card) {
    const auto it = std::find(cards.rbegin(), cards.rend(), card);
    if (it != cards.rend()) cards.erase(std::next(it).base());
}

}  // namespace

// The round's moves replayed: a discard lies on the pile, a pick-up moves
// the pile's top into the picker's hand. Once the deck has been dealt out
// the pile went back into it, so only the face-up card is counted out then.
Unseen unseenof(const PublicView& v) {
    std::array<int, kSkip + 1> left{};
    for (int c = 1; c <= kSkip; ++c) left[c] = c == kSkip ? 4 : 2;
    auto out = [&](int c) {
        if (c >= 1 && c <= kSkip && left[c] > 0) --left[c];
    };
    for (int k = 1; k <= kHandSlots; ++k) out(v.hand[k]);
    int seats = 0;
    for (int s = 1; s <= kSeats; ++s) {
        seats += v.seats[s].inround == 1;
        for (int g = 1; g <= 2; ++g)
            for (int c : v.seats[s].groups[g]) out(c);
    }
    Unseen u;
    std::vector<int> pile;
    int draws = 0;
    for (const PublicAction& a : v.history) {
        if (a.kind == PublicAction::Discard) {
            pile.push_back(a.card);
            if (a.seat != v.seat && a.seat >= 1 && a.seat <= kSeats) removeone(u.known[a.seat], a.card);
            ++draws;
            continue;
        }
        removeone(pile, a.card);
        --draws;
        if (a.seat != v.seat && a.seat >= 1 && a.seat <= kSeats) u.known[a.seat].push_back(a.card);
    }
    const bool dealtout = draws >= kDeckSize - kDealt * seats - 1 ||
                          v.history.size() >= PublicHistory::kCapacity / 2;
    if (dealtout) pile.assign(v.topdiscard != 0 ? 1 : 0, v.topdiscard);
    for (int c : pile) out(c);
    for (int s = 1; s <= kSeats; ++s) {
        if (s == v.seat) continue;
        for (int c : u.known[s]) out(c);
        u.hidden[s] = std::max(0, v.seats[s].cards - static_cast<int>(u.known[s].size()));
    }
    for (int c = 1; c <= kSkip; ++c) u.pool.insert(u.pool.end(), left[c], c);
    return u;
}

std::uint64_t viewseed(const PublicView& v) {
    std::uint64_t h = 1469598103934665603ull;
    auto mix = [&](int x) { h = (h ^ static_cast<std::uint64_t>(x + 1)) * 1099511628211ull; };
    mix(v.seat);
    mix(v.turnphase);
    mix(v.topdiscard);
    for (int c : v.hand) mix(c);
    for (int s = 1; s <= kSeats; ++s) mix(v.seats[s].stage * 64 + v.seats[s].cards * 2 + v.seats[s].stagedone);
    for (const PublicAction& a : v.history) mix(a.card * 8 + a.seat * 2 + a.kind);
    return h;
}

double nextwants(const PublicView& v, const Unseen& unseen, int card, int tries) {
    const int next = nextseat(v);
    if (next == 0 || card == kSkip) return 0;
    const SeatView& n = v.seats[next];
    if (n.stagedone == 1) return hittarget(v, card).first != 0 ? 1.0 : 0.0;
    if (iswild(card)) return 1.5;
    SearchRandom random(viewseed(v) ^ static_cast<std::uint64_t>(card) * 0x2545F4914F6CDD1Dull);
    int gain = 0;
    for (int i = 0; i < tries; ++i) {
        std::array<int, kHandSlots + 1> hand{};
        int k = 1;
        for (int c : unseen.known[next])
            if (k < kHandSlots) hand[k++] = c;
        for (int c : sampledraws(unseen.pool, unseen.hidden[next], random))
            if (k < kHandSlots) hand[k++] = c;
        const int before = stagedistance(hand, n.stage);
        hand[k] = card;
        const int after = stagedistance(hand, n.stage);
        gain += after < before ? (after == 0 ? 2 : 1) : 0;
    }
    return static_cast<double>(gain) / std::max(1, tries);
}

std::vector<int> sampledraws(const std::vector<int>& pool, int count, SearchRandom& random) {
    std::vector<int> cards = pool;
    const int n = std::min(count, static_cast<int>(cards.size()));
    for (int i = 0; i < n; ++i) std::swap(cards[i], cards[i + random.below(static_cast<int>(cards.size()) - i)]);
    cards.resize(n);
    return cards;
}

}  // namespace velmora::host
