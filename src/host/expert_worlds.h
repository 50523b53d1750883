// What the expert level infers of the hidden cards, and the samples of them
// it searches: the cards nobody has shown (the deck and the unknown part of
// the other hands), the cards each other seat is known to hold (picked up
// from the pile and not thrown back), and random orders of the unseen cards.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "host/strong.h"

namespace velmora::host {

struct Unseen {
    std::vector<int> pool;                        // every card nobody has shown, once per copy
    std::array<std::vector<int>, kSeats + 1> known;   // [seat] picked up and still held
    // Cards each other seat holds that nobody has seen.
    std::array<int, kSeats + 1> hidden{};
};

Unseen unseenof(const PublicView& view);

// A small generator of its own, so a search is repeatable and independent
// of the table's deck.
class SearchRandom {
public:
    explicit SearchRandom(std::uint64_t seed) : s_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t s_;
};

// A seed that depends on everything in the view, so equal positions search
// equally.
std::uint64_t viewseed(const PublicView& view);

// For a card thrown now: when the next seat has laid, whether a laid group
// takes it; otherwise the share of `tries` sampled hands of that seat (its
// known cards and unseen ones) the card brings closer to their stage,
// counted twice when it lets them lay.
double nextwants(const PublicView& view, const Unseen& unseen, int card, int tries);

// The throw once the own stage is laid (expert_out.cpp): the strong
// player's, unless the samples find a card the hand goes out sooner without.
StrongMove outsearch(const PublicView& view, int budget, StrongMove strong, double denialweight);

// `count` cards taken at random from `pool` without putting back (all of
// them when the pool is smaller), in the order drawn.
std::vector<int> sampledraws(const std::vector<int>& pool, int count, SearchRandom& random);

}  // namespace velmora::host
