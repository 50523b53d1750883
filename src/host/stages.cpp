// The ten stages, the set, run and colour-set tests that pick a stage's cards
// out of the chosen hand slots, and laying a stage.
#include "host/table.h"

#include <string>
#include <vector>

#include "net/wire.h"

namespace velmora::host {

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

// Only a fallback: every wild of a run has its rank recorded in wildpos.
int firstfree(const std::array<int, kGroupSize + 1>& group) {
    int pos = 1;
    while (pos < kGroupSize && group[pos] != 0) ++pos;
    return pos;
}

// The payload's fields: the last one runs to the end, a trailing "+" adds none.
std::vector<std::string_view> splitfields(std::string_view payload) {
    std::vector<std::string_view> out;
    wire::FieldReader reader(payload);
    while (reader.rest().find('+') != std::string_view::npos) out.push_back(reader.next());
    if (!reader.rest().empty()) out.push_back(reader.rest());
    return out;
}

}  // namespace

int Table::getsettype(int seat, int group) const {
    const int stage = players[seat].stage;
    const StageShape& shape = stageshape(stage);
    switch (group) {
        case 1: return shape.type1;
        case 2: return shape.type2;
        case 3: return shape.type3;
        default: return kNoGroup;
    }
}

StageResult Table::checkforkinds(int seat, int group, int need) {
    const auto& hand = players[seat].hand;
    auto isfree = [&](int k) { return selected[k] == 1 && hand[k] != 0; };
    int wilds = 0;
    std::array<int, kGroupSize + 1> count{};
    for (int k = 1; k <= kHandSlots; ++k) {
        if (!isfree(k)) continue;
        if (iswild(hand[k]))
            ++wilds;
        else
            ++count[rankof(hand[k])];
    }
    int best = 0, rank = 0;
    for (int r = 1; r <= kGroupSize; ++r)
        if (count[r] > best) best = count[r], rank = r;
    // A set needs two natural cards of its rank.
    if (best <= 1 || best + wilds < need) return {};

    StageResult result;
    auto take = [&](int k) {
        selected[k] = 2;
        result.add(group, k, hand[k]);
    };
    for (int k = 1; k <= kHandSlots && best < need; ++k)
        if (isfree(k) && iswild(hand[k])) take(k), ++best;
    int naturals = 0;
    for (int k = 1; k <= kHandSlots && naturals < need; ++k)
        if (isfree(k) && isnatural(hand[k]) && rankof(hand[k]) == rank) take(k), ++naturals;
    lastsetrank = rank;
    return result;
}

StageResult Table::checkforruns(int seat, int group, int need) {
    // A run in group 2 follows a set (stages 2, 3, 9): first try it without
    // the set's rank, so spare cards of that rank can join the set.
    if (group == 2) {
        StageResult a = runattempt(seat, group, need, lastsetrank);
        if (!a.empty()) return a;
    }
    return runattempt(seat, group, need, 0);
}

// setrank 0: every free natural card may stand in the run.
StageResult Table::runattempt(int seat, int group, int need, int setrank) {
    const auto& hand = players[seat].hand;
    auto isfree = [&](int k) { return selected[k] == 1 && hand[k] != 0; };
    int wilds = 0;
    std::array<int, kGroupSize + 1> present{};
    for (int k = 1; k <= kHandSlots; ++k) {
        if (!isfree(k)) continue;
        if (iswild(hand[k]))
            ++wilds;
        else if (rankof(hand[k]) != setrank)
            present[rankof(hand[k])] = 1;
    }
    int lo = 0, hi = 0;
    if (!buildrun(present, wilds, need, lo, hi)) return {};

    StageResult result;
    auto take = [&](int g, int k) {
        selected[k] = 2;
        result.add(g, k, hand[k]);
    };
    if (setrank != 0)
        for (int k = 1; k <= kHandSlots; ++k)
            if (isfree(k) && isnatural(hand[k]) && rankof(hand[k]) == setrank) take(1, k);
    for (int r = lo; r <= hi; ++r) {
        int slot = 0;
        for (int k = 1; k <= kHandSlots && slot == 0; ++k)
            if (isfree(k) && isnatural(hand[k]) && rankof(hand[k]) == r) slot = k;
        for (int k = 1; k <= kHandSlots && slot == 0; ++k)
            if (isfree(k) && iswild(hand[k])) slot = k, wildpos[r] = r;
        take(group, slot);
    }
    return result;
}

StageResult Table::checkforsuits(int seat, int group, int need) {
    const auto& hand = players[seat].hand;
    int suit = 0;
    for (int k = 1; k <= kHandSlots; ++k) {
        if (selected[k] != 1 || hand[k] == 0 || iswild(hand[k])) continue;
        // A skip has suit 0: harmless before the first suited card, fatal after.
        if (suit == 0)
            suit = getsuit(hand[k]);
        else if (getsuit(hand[k]) != suit)
            return {};
    }
    StageResult result;
    for (int k = 1; k <= kHandSlots; ++k)
        if (selected[k] == 1 && hand[k] != 0) {
            selected[k] = 2;
            result.add(group, k, hand[k]);
        }
    if (static_cast<int>(result.entries().size()) < need) return {};
    return result;
}

StageResult Table::checkforstage(int seat, int stage) {
    const StageShape& shape = stageshape(stage);
    auto test = [&](int group, int type, int need) {
        switch (type) {
            case kSet: return checkforkinds(seat, group, need);
            case kRun: return checkforruns(seat, group, need);
            case kColour: return checkforsuits(seat, group, need);
            default: return StageResult{};
        }
    };
    StageResult result = test(1, shape.type1, shape.need1);
    if (result.empty() || shape.type2 == kNoGroup) return result;
    StageResult second = test(2, shape.type2, shape.need2);
    if (second.empty()) return {};
    result.append(second);
    return result;
}

StageResult Table::checkforp1(int seat) { return checkforstage(seat, 1); }
StageResult Table::checkforp2(int seat) { return checkforstage(seat, 2); }
StageResult Table::checkforp3(int seat) { return checkforstage(seat, 3); }
StageResult Table::checkforp4(int seat) { return checkforstage(seat, 4); }
StageResult Table::checkforp5(int seat) { return checkforstage(seat, 5); }
StageResult Table::checkforp6(int seat) { return checkforstage(seat, 6); }
StageResult Table::checkforp7(int seat) { return checkforstage(seat, 7); }
StageResult Table::checkforp8(int seat) { return checkforstage(seat, 8); }
StageResult Table::checkforp9(int seat) { return checkforstage(seat, 9); }
StageResult Table::checkforp10(int seat) { return checkforstage(seat, 10); }

// "seat+slot+slot..." with no "+" after the last slot (a trailing one is
// tolerated).
int Table::createstage(std::string_view payload) {
    const auto fields = splitfields(payload);
    const int seat = wire::toInt(fields.empty() ? std::string_view{} : fields[0]);
    if (!isturn(seat)) return kIgnored;
    // A refusal that needs no slots comes before they are read.
    if (players[seat].stagedone == 1 || turnphase != 2) return createstage(seat, {});
    std::vector<int> slots;
    for (std::size_t i = 1; i < fields.size(); ++i) slots.push_back(wire::toInt(fields[i]));
    return createstage(seat, slots);
}

// Slot numbers outside 1..11 or naming empty slots are ignored.
int Table::createstage(int seat, const std::vector<int>& slots) {
    if (!isturn(seat)) return kIgnored;
    tplayer& p = players[seat];
    if (p.stagedone == 1) return playerror(seat, PlayError::StageDone, "computer error 4");
    if (turnphase != 2) return playerror(seat, PlayError::NotNow, "computer error 1");
    selected.fill(0);
    for (int slot : slots)
        if (slot >= 1 && slot <= kHandSlots && p.hand[slot] != 0) selected[slot] = 1;
    wildpos.fill(0);
    const StageResult result = checkforstage(seat, p.stage);
    if (result.empty()) {
        std::string ranks = "computer error ";
        for (int k = 1; k <= kHandSlots; ++k)
            if (selected[k] != 0) ranks += "+" + std::to_string(rankof(p.hand[k]));
        return playerror(seat, PlayError::NotAStage, ranks);
    }
    laystage(seat, result);
    return kDone;
}

void Table::laystage(int seat, const StageResult& result) {
    tplayer& p = players[seat];
    p.stagedone = 1;
    idlereshuffles = 0;
    p.groupcount[1] = 0;
    p.groupcount[2] = 0;
    for (const StageEntry& e : result.entries()) {
        p.hand[e.slot] = 0;
        p.groupcount[e.group] += 1;
        int pos = p.groupcount[e.group];
        if (getsettype(seat, e.group) == kRun) {
            pos = rankof(e.card);
            if (pos == 0) {
                // Wilds come in rising rank order; each takes the lowest rank given.
                for (pos = 1; pos <= kGroupSize && wildpos[pos] == 0; ++pos) {}
                if (pos > kGroupSize) pos = firstfree(p.groups[e.group]);
                wildpos[pos] = 0;
            }
        }
        p.groups[e.group][pos] = e.card;
    }
    const int n = getnumcards(seat);
    bool allaid = true;
    for (int s = 1; s <= kSeats; ++s)
        if (players[s].inround == 1 && players[s].stagedone != 1) allaid = false;
    const bool ends = n == 0 || allaid;
    tellAll([&] {
        wire::MessageBuilder laid("");
        for (const StageEntry& e : result.entries()) laid.add(1).add(e.slot).add(0);
        std::string msg = wire::message(cmd::kPlaystage, seat, n, ends ? 'f' : 't') + laid.str();
        appendgroups(msg, seat);
        return msg;
    });
    if (ends)
        endround(seat);
    else
        restartcomputer();
}

// "+2+" group "+" card for each filled position of groups 1 and 2.
void Table::appendgroups(std::string& text, int seat) const {
    wire::MessageBuilder out("");
    for (int g = 1; g <= 2; ++g)
        for (int pos = 1; pos <= kGroupSize; ++pos)
            if (players[seat].groups[g][pos] != 0) out.add(2).add(g).add(players[seat].groups[g][pos]);
    text += out.str();
}

}  // namespace velmora::host
