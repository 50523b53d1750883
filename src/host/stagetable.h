// The ten stages: what each of a seat's groups must be. The rules, the
// computer's builders, its hand analysis and its wild-card count all read
// this one table.
#pragma once

namespace velmora::host {

// What getsettype reports for a group of a seat's stage.
enum GroupType { kNoGroup = 0, kSet = 1, kRun = 2, kColour = 3 };

struct StageShape {
    GroupType type1;
    int need1;
    GroupType type2;
    int need2;
    GroupType type3;   // never laid; the two-set stages report it as a set
};

namespace detail {
inline constexpr StageShape kStages[11] = {
    {kNoGroup, 0, kNoGroup, 0, kNoGroup},
    {kSet, 3, kSet, 3, kSet},              // 1: "2 Sets of 3"
    {kSet, 3, kRun, 4, kNoGroup},          // 2
    {kSet, 4, kRun, 4, kNoGroup},          // 3
    {kRun, 7, kNoGroup, 0, kNoGroup},      // 4
    {kRun, 8, kNoGroup, 0, kNoGroup},      // 5
    {kRun, 9, kNoGroup, 0, kNoGroup},      // 6
    {kSet, 4, kSet, 4, kSet},              // 7
    {kColour, 8, kNoGroup, 0, kNoGroup},   // 8: "8 Cards of the same color"
    {kSet, 4, kRun, 5, kNoGroup},          // 9
    {kSet, 5, kSet, 5, kSet},              // 10
};
}  // namespace detail

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

}  // namespace velmora::host
