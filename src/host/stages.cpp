// Laying a stage: the request, the stage test (stagematch.cpp) on the chosen
// slots, and the cards moved to the seat's groups.
#include "host/table.h"

#include <string>
#include <vector>

#include "net/wire.h"

namespace velmora::host {

namespace {

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
    const int stage = state_.players[seat].stage;
    const StageShape& shape = stageshape(stage);
    switch (group) {
        case 1: return shape.type1;
        case 2: return shape.type2;
        case 3: return shape.type3;
        default: return kNoGroup;
    }
}

// "seat+slot+slot..." with no "+" after the last slot (a trailing one is
// tolerated).
PlayResult Table::createstage(std::string_view payload) {
    const auto fields = splitfields(payload);
    const int seat = wire::toInt(fields.empty() ? std::string_view{} : fields[0]);
    if (!isturn(seat)) return kIgnored;
    // A refusal that needs no slots comes before they are read.
    if (state_.players[seat].stagedone == 1 || state_.turnphase != 2) return createstage(seat, {});
    std::vector<int> slots;
    for (std::size_t i = 1; i < fields.size(); ++i) slots.push_back(wire::toInt(fields[i]));
    return createstage(seat, slots);
}

// Slot numbers outside 1..11 or naming empty slots are ignored.
PlayResult Table::createstage(int seat, const std::vector<int>& slots) {
    if (!isturn(seat)) return kIgnored;
    tplayer& p = state_.players[seat];
    if (p.stagedone == 1) return playerror(seat, PlayError::StageDone, "computer error 4");
    if (state_.turnphase != 2) return playerror(seat, PlayError::NotNow, "computer error 1");
    SlotMarks chosen{};
    for (int slot : slots)
        if (slot >= 1 && slot <= kHandSlots && p.hand[slot] != 0) chosen[slot] = 1;
    const StageMatch match = matchstage(p.hand, chosen, p.stage);
    if (match.result.empty()) {
        std::string ranks = "computer error ";
        for (int k = 1; k <= kHandSlots; ++k)
            if (chosen[k] != 0) ranks += "+" + std::to_string(rankof(p.hand[k]));
        return playerror(seat, PlayError::NotAStage, ranks);
    }
    laystage(seat, match);
    return kDone;
}

void Table::laystage(int seat, const StageMatch& match) {
    const StageResult& result = match.result;
    std::array<int, kGroupSize + 1> wildpos = match.wildpos;
    tplayer& p = state_.players[seat];
    p.stagedone = 1;
    state_.idlereshuffles = 0;
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
        if (state_.players[s].inround == 1 && state_.players[s].stagedone != 1) allaid = false;
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
            if (state_.players[seat].groups[g][pos] != 0) out.add(2).add(g).add(state_.players[seat].groups[g][pos]);
    text += out.str();
}

}  // namespace velmora::host
