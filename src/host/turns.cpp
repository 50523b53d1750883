// The turn engine: draw, pick-up, discard, passing the turn, round end,
// scoring and the winner.
#include "host/table.h"

#include "net/wire.h"

namespace velmora::host {

namespace {

// The seat after `from` (wrapping from `count` to 1) that is in the round and,
// when skips count, not skipped; 0 when there is none.
int nextseat(const std::array<tplayer, kPlaces + 1>& players, int from, int count, bool skipscount) {
    for (int i = 1; i <= count; ++i) {
        const int s = (from + i - 1) % count + 1;
        if (players[s].inround == 1 && !(skipscount && players[s].skipped == 1)) return s;
    }
    return 0;
}

}  // namespace

PlayResult Table::draw(std::string_view payload) {
    wire::FieldReader fields(payload);
    return draw(fields.nextInt());
}

PlayResult Table::draw(int seat) {
    if (!isturn(seat) || state_.turnphase != 1) return kIgnored;
    // A hand holds at most 10 cards when its turn begins, so this cannot
    // happen in play; if it ever does, the card stays in the deck.
    const int k = emptyslot(seat);
    if (k == 0) {
        report("Error");
        return kIgnored;
    }
    const int card = getcard();
    if (card == 0) {
        // Hands and laid groups hold every card: nobody can draw again, so
        // the round is scored as it stands rather than left stuck.
        report("no card left to draw: the round ends");
        endround(seat);
        return kDone;
    }
    state_.players[seat].hand[k] = card;
    const int n = getnumcards(seat);
    state_.turnphase = 2;
    if (state_.players[seat].connected == 1 && sink_.listening(seat))
        sink_.sendTo(seat, wire::message(cmd::kDraw, seat, n, k, card, ""));
    tellOthers(seat, [&] { return wire::message(cmd::kHedrew, seat, n, ""); });
    restartcomputer();
    return kDone;
}

PlayResult Table::pickdiscard(std::string_view payload) {
    wire::FieldReader fields(payload);
    return pickdiscard(fields.nextInt());
}

PlayResult Table::pickdiscard(int seat) {
    if (!isturn(seat) || state_.turnphase != 1 || state_.topdiscard == 0) return kIgnored;
    if (state_.topdiscard == kSkip) return playerror(seat, PlayError::SkipOnPile, "computer error 2");
    const int k = emptyslot(seat);
    if (k == 0) {
        report("Error");
        return kIgnored;
    }
    const int card = state_.topdiscard;
    state_.players[seat].hand[k] = card;
    state_.players[seat].lastpickup = card;
    state_.history.add({PublicAction::Pickup, seat, card});
    state_.discards[state_.discardcount] = 0;
    state_.discardcount -= 1;
    syncpile();
    const int n = getnumcards(seat);
    tellAll([&] { return wire::message(cmd::kPickdiscard, seat, n, state_.topdiscard, k, card, ""); });
    state_.turnphase = 2;
    restartcomputer();
    return kDone;
}

PlayResult Table::discard(std::string_view payload) {
    wire::FieldReader fields(payload);
    const int seat = fields.nextInt();
    // Out of turn or phase the slot is never read.
    if (!isturn(seat) || state_.turnphase != 2) return discard(seat, 0);
    return discard(seat, fields.nextInt());
}

PlayResult Table::discard(int seat, int k) {
    if (!isturn(seat)) return kIgnored;
    if (state_.turnphase != 2) return playerror(seat, PlayError::NotNow, "computer error 1");
    if (k < 1 || k > kHandSlots) return playerror(seat, PlayError::NotValid, "computer error 2");
    tplayer& p = state_.players[seat];
    const int card = p.hand[k];
    if (card == 0) return playerror(seat, PlayError::NotValid, "computer error 2.5");

    state_.discardcount += 1;
    state_.discards[state_.discardcount] = card;
    syncpile();
    p.lastdiscards = {0, card, p.lastdiscards[1], p.lastdiscards[2]};
    state_.history.add({PublicAction::Discard, seat, card});
    int skippedseat = 0;
    if (card == kSkip) {
        skippedseat = nextseat(state_.players, seat, kSeats, false);
        if (skippedseat != 0) state_.players[skippedseat].skipped = 1;
    }
    p.hand[k] = 0;
    const int n = getnumcards(seat);
    tellAll([&] { return wire::message(cmd::kHisdiscard, seat, n, card, k, skippedseat, ""); });
    if (n == 0)
        endround(seat);
    else
        findplayer();
    return kDone;
}

void Table::findplayer() {
    int next = nextseat(state_.players, state_.curplayer, state_.seatcount, true);
    // Only when the skip fell on the discarder itself (it alone is in the
    // round) is every seat skipped; the turn then comes back to it.
    if (next == 0) next = nextseat(state_.players, state_.curplayer, state_.seatcount, false);
    if (next == 0) {
        report("no seat is dealt into the round");
        return;
    }
    state_.curplayer = next;
    state_.turnphase = 1;
    for (int s = 1; s <= kSeats; ++s) state_.players[s].skipped = 0;
    tellAll([&] { return wire::message(cmd::kNextplayer, state_.curplayer, ""); });
    restartcomputer();
    if (progressed) progressed();
}

void Table::endround(int seat) {
    state_.turnphase = 3;
    std::array<int, kSeats + 1> sums{};
    for (int s = 1; s <= kSeats; ++s) {
        tplayer& p = state_.players[s];
        if (p.inround != 1) continue;
        if (p.stagedone == 1) p.stage += 1;
        for (int k = 1; k <= kHandSlots; ++k) sums[s] += cardpoints(p.hand[k]);
        p.points += sums[s];
    }
    tellAll([&] {
        wire::MessageBuilder msg(cmd::kEndround);
        msg.add(seat);
        for (int s = 1; s <= kSeats; ++s)
            if (state_.players[s].inround == 1) msg.add(s).add(state_.players[s].stage).add(state_.players[s].points).add(sums[s]);
        return msg.str();
    });
    timers_.stopTimer1();
    state_.timer1tag = 1;
    state_.roundpause = 7;
    timers_.startTimer1();
    if (progressed) progressed();
}

void Table::checkforwin(int seat) {
    tellAll([&] {
        wire::MessageBuilder msg(cmd::kWinner);
        msg.add(seat);
        for (int s = 1; s <= kSeats; ++s) msg.add(s).add(state_.players[s].stage);
        return msg.str();
    });
    state_.gameon = 0;
    if (progressed) progressed();
}

}  // namespace velmora::host
