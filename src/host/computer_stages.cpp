// The computer's stage builders: sets, runs and the colour set assembled
// greedily from the hand, in slot order, within a shared wild budget.
#include "host/computer.h"

namespace velmora::host {

namespace {

std::string slotplus(int k) { return "+" + std::to_string(k); }

}  // namespace

// Only real wild cards count: an empty slot is not one, even though its
// value is also 0 mod 13.
StageAttempt ComputerPlayer::beginattempt(int seat) const {
    StageAttempt a;
    for (int k = 1; k <= kHandSlots; ++k)
        if (iswild(t_.state().players[seat].hand[k])) ++a.wildbudget;
    for (int s = 1; s <= kSeats; ++s) {
        if (t_.state().players[s].stagedone != 1) continue;
        for (int g = 1; g <= 2; ++g)
            for (int card : t_.state().players[s].groups[g])
                if (isnatural(card)) a.placed |= 1u << rankof(card);
    }
    return a;
}

bool ComputerPlayer::laystage(int seat, const std::string& slots) {
    const std::string payload = std::to_string(seat) + slots;
    note("createstage", [&] { return payload; });
    return counted(t_.createstage(payload)) == kDone;
}

std::string ComputerPlayer::buildgroup(int seat, GroupType type, int n, StageAttempt& attempt) const {
    return type == kSet   ? checkforitset(seat, n, attempt)
           : type == kRun ? checkforitrun(seat, n, attempt)
                          : std::string();
}

// Groups are built in order from the stage's shape; a group that cannot be
// built ends the attempt.
bool ComputerPlayer::buildstage(int seat, int stage) {
    const StageShape& shape = stageshape(stage);
    if (shape.type1 == kColour) return checkforcomputer8(seat);
    StageAttempt attempt = beginattempt(seat);
    const std::string first = buildgroup(seat, shape.type1, shape.need1, attempt);
    if (first.empty()) return false;
    std::string second;
    if (shape.type2 != kNoGroup && (second = buildgroup(seat, shape.type2, shape.need2, attempt)).empty())
        return false;
    return laystage(seat, first + second);
}

bool ComputerPlayer::checkforcomputer8(int seat) {
    const auto& hand = t_.state().players[seat].hand;
    int wilds = 0;
    std::array<int, 5> count{};
    for (int k = 1; k <= kHandSlots; ++k) {
        if (iswild(hand[k]))
            ++wilds;
        else if (hand[k] != 0)
            ++count[getsuit(hand[k])];
    }
    auto lay = [&](int suit) {
        std::string text;
        int n = 0;
        for (int k = 1; k <= kHandSlots; ++k)
            if (isnatural(hand[k]) && getsuit(hand[k]) == suit) text += slotplus(k), ++n;
        for (int k = 1; k <= kHandSlots && n < 8; ++k)
            if (iswild(hand[k])) text += slotplus(k), ++n;
        return laystage(seat, text);
    };
    for (int s = 1; s <= 4; ++s)
        if (count[s] > 7) return lay(s);
    for (int s = 1; s <= 4; ++s)
        if (count[s] + wilds > 7) return lay(s);
    return false;
}

std::string ComputerPlayer::checkforitset(int seat, int n, StageAttempt& attempt) const {
    auto& marks = attempt.marks;
    int& wildbudget = attempt.wildbudget;
    const tplayer& p = t_.state().players[seat];
    if (p.stagedone == 1) return {};
    const auto& hand = p.hand;
    // Ranks that could be hit onto the table are kept for hits, until the
    // round stalls: a rank lying inside a laid run may be all a seat has.
    auto candidate = [&](int k) {
        const int c = hand[k];
        return marks[k] == 0 && isnatural(c) && c != kSkip && !(((attempt.placed >> rankof(c)) & 1u) != 0 && !stalled());
    };
    auto sameRank = [&](int k, int rank) { return hand[k] != 0 && hand[k] != kSkip && rankof(hand[k]) == rank; };
    int currank = 0, curcount = 0, bestrank = 0, bestcount = 0;
    for (int i = 1; i <= kHandSlots; ++i) {
        if (curcount < n) {
            currank = curcount = 0;
            if (candidate(i)) {
                currank = rankof(hand[i]);
                for (int j = i; j <= kHandSlots; ++j)
                    if (sameRank(j, currank)) ++curcount;
            }
        }
        if (curcount > bestcount) bestrank = currank, bestcount = curcount;
    }
    if (bestcount <= 1) return {};
    if (bestcount < n && n - bestcount > wildbudget) return {};
    int marked = 0;
    for (int k = 1; k <= kHandSlots && marked < n; ++k)
        if (marks[k] == 0 && sameRank(k, bestrank)) marks[k] = 1, ++marked;
    for (int k = 1; k <= kHandSlots && marked < n && wildbudget > 0; ++k)
        if (marks[k] == 0 && iswild(hand[k])) marks[k] = 1, ++marked, --wildbudget;
    std::string text;
    for (int k = 1; k <= kHandSlots; ++k)
        if (marks[k] == 1) text += slotplus(k), marks[k] = 2;
    return text;
}

std::string ComputerPlayer::checkforitrun(int seat, int n, StageAttempt& attempt) const {
    auto& marks = attempt.marks;
    int& wildbudget = attempt.wildbudget;
    const auto& hand = t_.state().players[seat].hand;
    std::array<int, kGroupSize + 1> at{};  // the last free slot of each rank
    for (int k = 1; k <= kHandSlots; ++k)
        if (marks[k] == 0 && isnatural(hand[k]) && hand[k] != kSkip) at[rankof(hand[k])] = k;
    for (int a = 1; a <= 13 - n; ++a) {
        int w = wildbudget;
        bool fits = true;
        for (int r = a; r < a + n && fits; ++r)
            if (at[r] == 0) fits = w-- > 0;
        if (!fits) continue;
        std::string text;
        for (int r = a; r < a + n; ++r) {
            int slot = at[r];
            for (int k = 1; k <= kHandSlots && slot == 0; ++k)
                if (marks[k] == 0 && iswild(hand[k])) slot = k;
            marks[slot] = 2;
            text += slotplus(slot);
        }
        return text;
    }
    return {};
}

}  // namespace velmora::host
