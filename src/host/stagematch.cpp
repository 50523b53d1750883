// The set, run and colour-set tests that pick a stage's cards out of the
// chosen hand slots.
#include "host/stagematch.h"

#include "net/wire.h"

namespace velmora::host {

void StageResult::append(const StageResult& other) {
    entries_.insert(entries_.end(), other.entries_.begin(), other.entries_.end());
}

std::string StageResult::text() const {
    wire::MessageBuilder out("");
    for (const auto& e : entries_) out.add(e.group).add(e.slot).add(e.card);
    return out.str();
}

namespace {

// Marks the run's ranks in present[1..12], spending up to `wilds` wild cards
// on gaps and then alternately below and above the run. On success gives the
// run's ends.
bool buildrun(std::array<int, kGroupSize + 1>& present, int wilds, int need, int& lo, int& hi) {
    auto ends = [&] {
        lo = hi = 0;
        for (int r = 1; r <= kGroupSize; ++r)
            if (present[r]) {
                if (lo == 0) lo = r;
                hi = r;
            }
    };
    ends();
    if (lo == 0) return false;
    for (int r = lo; r <= hi && wilds > 0; ++r)
        if (!present[r]) present[r] = 1, --wilds;
    for (int i = 0; i < kGroupSize && wilds > 0; ++i) {
        for (int r = 1; r <= 11; ++r)
            if (!present[r] && present[r + 1]) {
                present[r] = 1, --wilds;
                break;
            }
        for (int r = kGroupSize; r >= 2 && wilds > 0; --r)
            if (!present[r] && present[r - 1]) {
                present[r] = 1, --wilds;
                break;
            }
    }
    ends();
    for (int r = lo; r <= hi; ++r)
        if (!present[r]) return false;
    return hi - lo + 1 >= need;
}

// One stage test: the groups are tested in order, each taking its cards out
// of the slots still marked 1.
class Matcher {
public:
    Matcher(const Hand& hand, const SlotMarks& chosen) : hand_(hand) { m_.marks = chosen; }

    StageMatch run(int stage) {
        const StageShape& shape = stageshape(stage);
        m_.result = test(1, shape.type1, shape.need1);
        if (m_.result.empty() || shape.type2 == kNoGroup) return m_;
        const StageResult second = test(2, shape.type2, shape.need2);
        if (second.empty()) m_.result = {};
        else m_.result.append(second);
        return m_;
    }

private:
    const Hand& hand_;
    StageMatch m_;

    bool isfree(int k) const { return m_.marks[k] == 1 && hand_[k] != 0; }
    void take(StageResult& result, int group, int k) {
        m_.marks[k] = 2;
        result.add(group, k, hand_[k]);
    }

    StageResult test(int group, int type, int need) {
        switch (type) {
            case kSet: return kinds(group, need);
            case kRun: return runs(group, need);
            case kColour: return suits(group, need);
            default: return {};
        }
    }

    StageResult kinds(int group, int need) {
        int wilds = 0;
        std::array<int, kGroupSize + 1> count{};
        for (int k = 1; k <= kHandSlots; ++k) {
            if (!isfree(k)) continue;
            if (iswild(hand_[k]))
                ++wilds;
            else
                ++count[rankof(hand_[k])];
        }
        int best = 0, rank = 0;
        for (int r = 1; r <= kGroupSize; ++r)
            if (count[r] > best) best = count[r], rank = r;
        // A set needs two natural cards of its rank.
        if (best <= 1 || best + wilds < need) return {};

        StageResult result;
        for (int k = 1; k <= kHandSlots && best < need; ++k)
            if (isfree(k) && iswild(hand_[k])) take(result, group, k), ++best;
        int naturals = 0;
        for (int k = 1; k <= kHandSlots && naturals < need; ++k)
            if (isfree(k) && isnatural(hand_[k]) && rankof(hand_[k]) == rank) take(result, group, k), ++naturals;
        m_.setrank = rank;
        return result;
    }

    // A run in group 2 follows a set (stages 2, 3, 9): first try it without
    // the set's rank, so spare cards of that rank can join the set.
    StageResult runs(int group, int need) {
        if (group == 2) {
            StageResult a = runattempt(group, need, m_.setrank);
            if (!a.empty()) return a;
        }
        return runattempt(group, need, 0);
    }

    // setrank 0: every free natural card may stand in the run.
    StageResult runattempt(int group, int need, int setrank) {
        int wilds = 0;
        std::array<int, kGroupSize + 1> present{};
        for (int k = 1; k <= kHandSlots; ++k) {
            if (!isfree(k)) continue;
            if (iswild(hand_[k]))
                ++wilds;
            else if (rankof(hand_[k]) != setrank)
                present[rankof(hand_[k])] = 1;
        }
        int lo = 0, hi = 0;
        if (!buildrun(present, wilds, need, lo, hi)) return {};

        StageResult result;
        if (setrank != 0)
            for (int k = 1; k <= kHandSlots; ++k)
                if (isfree(k) && isnatural(hand_[k]) && rankof(hand_[k]) == setrank) take(result, 1, k);
        for (int r = lo; r <= hi; ++r) {
            int slot = 0;
            for (int k = 1; k <= kHandSlots && slot == 0; ++k)
                if (isfree(k) && isnatural(hand_[k]) && rankof(hand_[k]) == r) slot = k;
            for (int k = 1; k <= kHandSlots && slot == 0; ++k)
                if (isfree(k) && iswild(hand_[k])) slot = k, m_.wildpos[r] = r;
            take(result, group, slot);
        }
        return result;
    }

    StageResult suits(int group, int need) {
        int suit = 0;
        for (int k = 1; k <= kHandSlots; ++k) {
            if (!isfree(k) || iswild(hand_[k])) continue;
            // A skip has suit 0: harmless before the first suited card, fatal after.
            if (suit == 0)
                suit = getsuit(hand_[k]);
            else if (getsuit(hand_[k]) != suit)
                return {};
        }
        StageResult result;
        for (int k = 1; k <= kHandSlots; ++k)
            if (isfree(k)) take(result, group, k);
        if (static_cast<int>(result.entries().size()) < need) return {};
        return result;
    }
};

}  // namespace

StageMatch matchstage(const Hand& hand, const SlotMarks& chosen, int stage) {
    return Matcher(hand, chosen).run(stage);
}

}  // namespace velmora::host
