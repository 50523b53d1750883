// The strong player's measure of a hand against its stage.
#pragma once

#include <array>
#include <vector>

#include "game/cards.h"

namespace velmora::host {

// A hand as the measure needs it: natural cards by rank and by suit, wilds.
// The skip card counts for nothing.
struct HandCounts {
    std::array<int, kGroupSize + 1> nat{};
    std::array<int, 5> suit{};
    int wilds = 0;
    void add(int card, int delta);
};

HandCounts countsof(const std::array<int, kHandSlots + 1>& hand);

// The closest way to the stage: set ranks, run start, colour.
struct StagePlan {
    int distance = 99;   // cards still to come
    int rank1 = 0;
    int rank2 = 0;
    int start = 0;
    int suit = 0;
};

StagePlan planstage(const HandCounts& counts, int stage);

// The slots of a plan whose distance is 0.
std::vector<int> planslots(const std::array<int, kHandSlots + 1>& hand, int stage, const StagePlan& plan);

}  // namespace velmora::host
