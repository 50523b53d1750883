#include "table_fixture.h"

namespace velmora::host::testing {

std::vector<std::string> RecordingSink::to(int place) const {
    std::vector<std::string> out;
    for (const auto& [p, text] : sent)
        if (p == place) out.push_back(text);
    return out;
}

Snapshot snapshot(const Table& table) {
    const TableState& t = table.state();
    return {t.players, t.deck, t.discards,
            {t.deckpos, t.discardcount, t.topdiscard, t.underdiscard, t.gameon, t.curplayer,
             t.turnphase, t.roundpause, t.timer1tag}};
}

TableTest::TableTest() {
    t.diagnostic = [this](std::string_view text) { diags.emplace_back(text); };
}

void TableTest::connect(std::initializer_list<int> places) {
    for (int p : places) {
        t.players[p].connected = 1;
        if (p > t.seatsused) t.seatsused = p;
    }
}

void TableTest::start() {
    t.startgame("You+");
    clear();
}

void TableTest::clear() {
    sink.sent.clear();
    timers.log.clear();
    diags.clear();
}

// Takes a copy of the card out of the undealt deck, keeping the deck's
// remaining cards contiguous after deckpos.
int TableTest::take(int card, int keepseat) {
    for (int p = t.deckpos + 1; p <= kDeckSize; ++p) {
        if (t.deck[p] != card) continue;
        std::swap(t.deck[p], t.deck[t.deckpos + 1]);
        t.deckpos += 1;
        t.deck[t.deckpos] = 0;
        return card;
    }
    // Dealt already: the hand or pile entry that holds it gets the next
    // undealt card instead, so set-ups do not depend on the deal.
    auto swapin = [&](int& held) {
        if (held != card || t.deckpos >= kDeckSize) return false;
        std::swap(held, t.deck[t.deckpos + 1]);
        return true;
    };
    for (int s = 1; s <= kSeats; ++s)
        for (int k = 1; k <= kHandSlots; ++k)
            if (s != keepseat && swapin(t.players[s].hand[k])) return take(card, keepseat);
    for (int i = 1; i <= t.discardcount; ++i)
        if (swapin(t.discards[i])) {
            t.topdiscard = t.discards[t.discardcount];
            t.underdiscard = t.discardcount > 1 ? t.discards[t.discardcount - 1] : 0;
            return take(card, keepseat);
        }
    ADD_FAILURE() << "card " << card << " is not left in the deck";
    return 0;
}

void TableTest::giveback(int& slot) {
    if (slot == 0) return;
    if (t.deckpos == 0) {
        ADD_FAILURE() << "no taken deck position to return card " << slot << " to";
        return;
    }
    t.deck[t.deckpos] = slot;
    t.deckpos -= 1;
    slot = 0;
}

void TableTest::setHand(int seat, const std::vector<int>& cards) {
    auto& hand = t.players[seat].hand;
    for (int k = 1; k <= kHandSlots; ++k) giveback(hand[k]);
    for (std::size_t i = 0; i < cards.size(); ++i)
        if (cards[i] != 0) hand[i + 1] = take(cards[i], seat);
}

void TableTest::setPile(const std::vector<int>& cards) {
    for (int i = t.discardcount; i >= 1; --i) giveback(t.discards[i]);
    t.discardcount = 0;
    for (int c : cards) t.discards[++t.discardcount] = take(c);
    t.topdiscard = t.discardcount ? t.discards[t.discardcount] : 0;
    t.underdiscard = t.discardcount > 1 ? t.discards[t.discardcount - 1] : 0;
}

void TableTest::setGroup(int seat, int group, const std::vector<int>& cards) {
    auto& g = t.players[seat].groups[group];
    for (int pos = 1; pos <= kGroupSize; ++pos) giveback(g[pos]);
    int count = 0;
    for (std::size_t i = 0; i < cards.size(); ++i)
        if (cards[i] != 0) g[i + 1] = take(cards[i]), ++count;
    t.players[seat].groupcount[group] = count;
    t.players[seat].stagedone = 1;
}

}  // namespace velmora::host::testing
