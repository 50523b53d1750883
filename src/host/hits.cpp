// Hits: adding single cards from the hand to laid groups.
#include "host/table.h"

#include "net/wire.h"

namespace velmora::host {

namespace {

int tagdigit(std::string_view tag, std::size_t i) {
    if (i >= tag.size() || tag[i] < '0' || tag[i] > '9') return 0;
    return tag[i] - '0';
}

using Group = std::array<int, kGroupSize + 1>;

bool holdsany(const Group& group) {
    for (int pos = 1; pos <= kGroupSize; ++pos)
        if (group[pos] != 0) return true;
    return false;
}

// First position p, from `from` to `to` by `step`, that is free while p + next
// holds a card; 0 when there is none.
int edge(const Group& group, int from, int to, int step, int next) {
    for (int p = from; p != to + step; p += step)
        if (group[p] == 0 && group[p + next] != 0) return p;
    return 0;
}

}  // namespace

PlayResult Table::hitset(std::string_view payload) {
    wire::FieldReader fields(payload);
    const int seat = fields.nextInt();
    // A refusal that needs none of the other fields comes before they are read.
    if (!isturn(seat) || state_.players[seat].stagedone == 0 || state_.turnphase != 2) return hitset(seat, 0, 0, 0, {});
    const std::string_view tag = fields.next();
    const int slot = fields.nextInt();
    const std::string_view side = fields.next();
    return hitset(seat, tagdigit(tag, 0), tagdigit(tag, 1), slot, side);
}

PlayResult Table::hitset(int seat, int target, int group, int slot, std::string_view side) {
    if (!isturn(seat)) return kIgnored;
    tplayer& p = state_.players[seat];
    if (p.stagedone == 0) return playerror(seat, PlayError::NoStageYet, "computer error 5");
    if (state_.turnphase != 2) return playerror(seat, PlayError::NotNow, "computer error 1");
    if (target == 0 || group == 0) return playerror(seat, PlayError::Invalid, "computer error 6");
    const int card = slot >= 1 && slot <= kHandSlots ? p.hand[slot] : 0;
    bool fits = false;
    if (card != 0 && target <= kSeats && group <= 2 && holdsany(state_.players[target].groups[group])) {
        switch (getsettype(target, group)) {
            case kSet: fits = checkforkindmatch(target, group, card); break;
            case kRun: fits = checkforrunmatch(target, group, card, side); break;
            case kColour: fits = checkforsuitmatch(target, group, card); break;
            default: break;
        }
    }
    if (!fits) return playerror(seat, PlayError::HitDoesNotFit, "computer error 7");

    p.hand[slot] = 0;
    state_.idlereshuffles = 0;
    const int n = getnumcards(seat);
    tellAll([&] {
        wire::MessageBuilder msg(cmd::kHitthem);
        msg.add(seat).add(target).add(n).add(1).add(slot).add(0);
        std::string text = msg.str();
        appendgroups(text, target);
        return text;
    });
    if (n == 0)
        endround(seat);
    else
        restartcomputer();
    return kDone;
}

// Sets and colour sets grow at position groupcount + 1, up to 12 cards.
namespace {

bool appendcard(tplayer& p, int group, int card) {
    if (p.groupcount[group] >= kGroupSize) return false;
    p.groupcount[group] += 1;
    p.groups[group][p.groupcount[group]] = card;
    return true;
}

}  // namespace

bool Table::checkforkindmatch(int seat, int group, int card) {
    tplayer& p = state_.players[seat];
    bool fits = iswild(card);
    for (int pos = 1; pos <= kGroupSize && !fits; ++pos)
        fits = p.groups[group][pos] != 0 && rankof(p.groups[group][pos]) == rankof(card);
    return fits && appendcard(p, group, card);
}

bool Table::checkforsuitmatch(int seat, int group, int card) {
    tplayer& p = state_.players[seat];
    bool fits = iswild(card);
    for (int pos = 1; pos <= kGroupSize && !fits; ++pos) {
        const int held = p.groups[group][pos];
        fits = held != 0 && !iswild(held) && getsuit(held) == getsuit(card);
    }
    return fits && appendcard(p, group, card);
}

bool Table::checkforrunmatch(int seat, int group, int card, std::string_view side) {
    Group& run = state_.players[seat].groups[group];
    int pos = 0;
    if (isnatural(card)) {
        const int r = rankof(card);
        const bool below = r > 1 && run[r - 1] != 0;
        const bool above = r < kGroupSize && run[r + 1] != 0;
        if (run[r] == 0 && (below || above)) pos = r;
    } else if (iswild(card)) {
        if (side == "r") pos = edge(run, kGroupSize, 2, -1, -1);  // above the top
        if (pos == 0) pos = edge(run, 1, 11, 1, 1);               // below the bottom
        if (pos == 0) pos = edge(run, 2, kGroupSize, 1, -1);      // the run starts at 1
    }
    if (pos == 0) return false;
    run[pos] = card;
    return true;
}

}  // namespace velmora::host
