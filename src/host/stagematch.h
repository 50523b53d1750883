// Which of a hand's chosen cards make a stage: a pure function of the hand,
// the chosen slots and the stage, so a test of a stage changes no table.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/cards.h"
#include "game/stagetable.h"

namespace velmora::host {

using Hand = std::array<int, kHandSlots + 1>;   // [1..11], 0 = empty slot

// One card a stage test takes: the group it goes to, its hand slot, the card.
struct StageEntry {
    int group;
    int slot;
    int card;
};

// What a stage test found; empty means the test failed.
class StageResult {
public:
    bool empty() const { return entries_.empty(); }
    const std::vector<StageEntry>& entries() const { return entries_; }
    void add(int group, int slot, int card) { entries_.push_back({group, slot, card}); }
    void append(const StageResult& other);
    // "+" group "+" slot "+" card per entry: one line to compare in tests.
    std::string text() const;

private:
    std::vector<StageEntry> entries_;
};

// The request: slot marks 1 for the chosen cards, 0 for the others.
using SlotMarks = std::array<int, kHandSlots + 1>;

struct StageMatch {
    StageResult result;
    // The marks as the tests left them: 2 for a slot a group took.
    SlotMarks marks{};
    // Run ranks given to wild cards (wildpos[r] == r); laying places each
    // wild of a run at the lowest rank still given.
    std::array<int, kGroupSize + 1> wildpos{};
    int setrank = 0;   // rank of the last set found; a run in group 2 avoids it
};

// The stage's groups in order from its shape; an unknown stage never matches.
StageMatch matchstage(const Hand& hand, const SlotMarks& chosen, int stage);

}  // namespace velmora::host
