// Shuffling, taking cards, dealing, and the start of games and rounds.
#include "host/table.h"

#include <utility>

#include "net/wire.h"

namespace velmora::host {

namespace {

// Fisher-Yates: every order of the first n positions equally likely, one
// draw per position.
void shuffle(std::array<int, kDeckSize + 1>& cards, int n, Random& random) {
    for (int i = n; i >= 2; --i) std::swap(cards[i], cards[random.draw(i)]);
}

}  // namespace

void Table::shufflecards() {
    state_.discards.fill(0);
    int pos = 0;
    for (int i = 0; i < 4; ++i) state_.deck[++pos] = kSkip;
    for (int copy = 0; copy < 2; ++copy)
        for (int c = 1; c <= 52; ++c) state_.deck[++pos] = c;
    shuffle(state_.deck, kDeckSize, state_.random);
    state_.deckpos = 0;
    state_.discardcount = 0;
}

// The face-up card stays behind as the pile's only entry: every client keeps
// showing it, so it must not also go into the new deck. Only the cards beneath
// it are shuffled into the deck's first positions.
void Table::reshuffle() {
    const int faceup = state_.discardcount >= 1 ? state_.discards[state_.discardcount] : 0;
    const int n = state_.discardcount >= 1 ? state_.discardcount - 1 : 0;
    state_.deck.fill(0);
    for (int k = 1; k <= n; ++k) state_.deck[k] = state_.discards[k];
    shuffle(state_.deck, n, state_.random);
    state_.deckpos = 0;
    state_.discards.fill(0);
    state_.discards[1] = faceup;
    state_.discardcount = faceup != 0 ? 1 : 0;
    syncpile();
    ++state_.idlereshuffles;
}

int Table::getcard() {
    ++state_.deckpos;
    if (state_.deckpos > kDeckSize || state_.deck[state_.deckpos] == 0) {
        reshuffle();
        state_.deckpos = 1;
    }
    const int card = state_.deck[state_.deckpos];
    if (card == 0) {
        // Nothing beneath the face-up card either: no card exists to give.
        // The next try reshuffles again, once discards have come in.
        state_.deckpos = 0;
        return 0;
    }
    state_.deck[state_.deckpos] = 0;
    return card;
}

void Table::dealcards() {
    for (int k = 1; k <= 10; ++k)
        for (int s = 1; s <= kSeats; ++s)
            if (state_.players[s].inround == 1) state_.players[s].hand[k] = getcard();
    for (int s = 1; s <= kSeats; ++s) {
        if (state_.players[s].connected != 1 || !sink_.listening(s)) continue;
        wire::MessageBuilder msg(cmd::kMycards);
        msg.add(s);
        for (int k = 1; k <= 10; ++k) msg.add(k).add(state_.players[s].hand[k]);
        sink_.sendTo(s, msg.str());
    }
}

// Honoured from any place at any time; a running game is replaced.
PlayResult Table::startgame(std::string_view payload) {
    wire::FieldReader fields(payload);
    const std::string name(fields.next());
    timers_.stopTimer1();
    timers_.stopComputerTimer();
    state_.gameon = 1;
    wire::MessageBuilder msg(cmd::kStartgame);
    msg.add(name);
    for (int s = 1; s <= state_.seatcount; ++s) {
        tplayer& p = state_.players[s];
        p.points = 0;
        p.justwatching = 0;
        p.stage = 1;
        p.stagedone = 0;
        p.skipped = 0;
        p.inround = (p.connected == 1 || dealtToComputer(s)) ? 1 : 0;
        msg.add(p.inround == 1 ? 'y' : 'n').add(s);
    }
    sendToAll(msg.str());
    startround();
    return kDone;
}

void Table::startround() {
    state_.timer1tag = 0;
    state_.idlereshuffles = 0;
    state_.history.clear();
    // Seat 2 (and as many more as the computer takes) always plays; seats 3
    // and 4 otherwise only while a person holds them or their seat is kept
    // for them; seat 1 keeps its flag, so a host player who left is finished
    // by the computer.
    for (int s = 1; s <= kSeats; ++s) {
        if (state_.players[s].connected == 1 || kept_[s] || dealtToComputer(s))
            state_.players[s].inround = 1;
        else if (s >= 3)
            state_.players[s].inround = 0;
    }
    for (int s = 1; s <= kSeats; ++s) {
        if (state_.players[s].stage == 11) {
            checkforwin(s);
            return;
        }
    }
    wire::MessageBuilder seats("");
    for (int s = 1; s <= kSeats; ++s) {
        tplayer& p = state_.players[s];
        p.skipped = 0;
        p.hand.fill(0);
        seats.add(s).add(p.stage).add(p.inround == 1 ? 'y' : 'n');
        p.stagedone = 0;
        for (auto& g : p.groups) g.fill(0);
        p.groupcount.fill(0);
    }
    shufflecards();
    state_.underdiscard = 0;
    state_.topdiscard = getcard();
    state_.discards[1] = state_.topdiscard;
    state_.discardcount = 1;
    sendToAll(wire::message(cmd::kStartround, state_.topdiscard) + seats.str());
    dealcards();
    findplayer();
}

}  // namespace velmora::host
