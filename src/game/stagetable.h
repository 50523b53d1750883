// The ten stages: what each of a seat's groups must be and how players read
// them. The host's rules, the computer's builders and its wild-card count, and
// the client's stage list and labels all read this one table.
#pragma once

#include "game/i18n.h"

namespace velmora {

// What getsettype reports for a group of a seat's stage.
enum GroupType { kNoGroup = 0, kSet = 1, kRun = 2, kColour = 3 };

struct StageShape {
    GroupType type1;
    int need1;
    GroupType type2;
    int need2;
    GroupType type3;    // never laid; the two-set stages report it as a set
    const char* list;   // the client's row in the stage list
    const char* label;  // the client's stage label of a seat
};

namespace detail {
inline constexpr StageShape kStages[11] = {
    {kNoGroup, 0, kNoGroup, 0, kNoGroup, "", ""},
    {kSet, 3, kSet, 3, kSet, VELMORA_TRANSLATE_NOOP("Stages", "2 Sets of 3"), VELMORA_TRANSLATE_NOOP("Stages", "2 Sets of 3")},
    {kSet, 3, kRun, 4, kNoGroup, VELMORA_TRANSLATE_NOOP("Stages", "Set of 3 + Run of 4"), VELMORA_TRANSLATE_NOOP("Stages", "Set of 3 and Run of 4")},
    {kSet, 4, kRun, 4, kNoGroup, VELMORA_TRANSLATE_NOOP("Stages", "Set of 4 + Run of 4"), VELMORA_TRANSLATE_NOOP("Stages", "Set of 4 and Run of 4")},
    {kRun, 7, kNoGroup, 0, kNoGroup, VELMORA_TRANSLATE_NOOP("Stages", "Run of 7"), VELMORA_TRANSLATE_NOOP("Stages", "Run of 7")},
    {kRun, 8, kNoGroup, 0, kNoGroup, VELMORA_TRANSLATE_NOOP("Stages", "Run of 8"), VELMORA_TRANSLATE_NOOP("Stages", "Run of 8")},
    {kRun, 9, kNoGroup, 0, kNoGroup, VELMORA_TRANSLATE_NOOP("Stages", "Run of 9"), VELMORA_TRANSLATE_NOOP("Stages", "Run of 9")},
    {kSet, 4, kSet, 4, kSet, VELMORA_TRANSLATE_NOOP("Stages", "2 Sets of 4"), VELMORA_TRANSLATE_NOOP("Stages", "2 Sets of 4")},
    {kColour, 8, kNoGroup, 0, kNoGroup, VELMORA_TRANSLATE_NOOP("Stages", "8 cards same color"), VELMORA_TRANSLATE_NOOP("Stages", "8 Cards of the same color")},
    {kSet, 4, kRun, 5, kNoGroup, VELMORA_TRANSLATE_NOOP("Stages", "Set of 4 + Run of 5"), VELMORA_TRANSLATE_NOOP("Stages", "Set of 4 and Run of 5")},
    {kSet, 5, kSet, 5, kSet, VELMORA_TRANSLATE_NOOP("Stages", "2 Sets of 5"), VELMORA_TRANSLATE_NOOP("Stages", "2 Sets of 5")},
};
}  // namespace detail

inline constexpr int kStageCount = 10;

constexpr bool knownstage(int stage) { return stage >= 1 && stage <= 10; }

// Stage 0 and anything outside 1..10 have no groups.
constexpr const StageShape& stageshape(int stage) {
    return detail::kStages[knownstage(stage) ? stage : 0];
}

// The most wild cards a stage can use: a set keeps two natural cards, a run
// and a colour set one.
constexpr int usablewilds(int stage) {
    auto room = [](GroupType type, int need) {
        return type == kSet ? need - 2 : type == kNoGroup ? 0 : need - 1;
    };
    const StageShape& s = stageshape(stage);
    return room(s.type1, s.need1) + room(s.type2, s.need2);
}

}  // namespace velmora
