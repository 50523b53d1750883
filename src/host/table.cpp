#include "host/table.h"

#include <iostream>
#include <utility>

#include "net/wire.h"

namespace velmora::host {

Table::Table(MessageSink& sink, TimerControl& timers, std::uint32_t seed)
    : state_(seed), sink_(sink), timers_(timers) {
    for (int seat = 2; seat <= kSeats; ++seat) state_.players[seat].botname = kComputerNames[seat];
}

void Table::connects(int place) {
    if (place < 1 || place > kPlaces) return;
    state_.players[place].connected = 1;
    if (place > state_.seatsused) state_.seatsused = place;
}

void Table::logsin(int place, std::string name) {
    if (place < 1 || place > kPlaces) return;
    state_.players[place].name = std::move(name);
    state_.players[place].connected = 1;
}

void Table::leaves(int place) {
    if (place < 1 || place > kPlaces) return;
    tplayer& p = state_.players[place];
    p.connected = 0;
    p.name.clear();
    p.justwatching = 0;
}

void Table::restore(const TableState& saved) {
    const auto places = state_.players;
    const int used = state_.seatsused;
    const Random random = state_.random;
    state_ = saved;
    for (int p = 1; p <= kPlaces; ++p) {
        tplayer& to = state_.players[p];
        const tplayer& from = places[p];
        to.name = from.name, to.connected = from.connected, to.justwatching = from.justwatching;
        to.botname = from.botname;
    }
    state_.seatsused = used > kSeats ? used : kSeats;
    state_.seatcount = kSeats;
    state_.random = random;
    state_.history.clear();
    if (state_.timer1tag != 0) timers_.startTimer1();
}

void Table::watches(int seat, bool watching) {
    if (seat >= 1 && seat <= state_.seatcount) state_.players[seat].justwatching = watching ? 1 : 0;
}

int Table::getnumcards(int seat) const {
    int n = 0;
    for (int k = 1; k <= kHandSlots; ++k)
        if (state_.players[seat].hand[k] != 0) ++n;
    return n;
}

bool Table::computerplayed(int seat) const {
    return state_.players[seat].connected == 0 || state_.players[seat].justwatching == 1;
}

void Table::sendToAll(std::string_view text) { sendToOthers(0, text); }

void Table::sendToOthers(int except, std::string_view text) {
    const int last = state_.seatsused < kPlaces ? state_.seatsused : kPlaces;
    for (int p = 1; p <= last; ++p)
        if (p != except && state_.players[p].connected == 1 && sink_.listening(p)) sink_.sendTo(p, text);
}

bool Table::heard(int except) const {
    const int last = state_.seatsused < kPlaces ? state_.seatsused : kPlaces;
    for (int p = 1; p <= last; ++p)
        if (p != except && state_.players[p].connected == 1 && sink_.listening(p)) return true;
    return false;
}

// Requests name their seat; only the seat whose turn it is may act.
bool Table::isturn(int seat) const {
    return seat >= 1 && seat <= state_.seatcount && seat == state_.curplayer;
}

// A person gets the play error; a seat nobody holds has no one to tell, so
// the refusal becomes a diagnostic for the host's operator.
PlayResult Table::playerror(int seat, PlayError error, std::string_view computertext) {
    if (state_.players[seat].connected == 1) {
        if (sink_.listening(seat)) sink_.sendTo(seat, wire::message(cmd::kPlayerror, seat, playErrorCode(error), ""));
    } else
        report(computertext);
    return refusal(error);
}

void Table::restartcomputer() {
    if (state_.curplayer >= 1 && state_.curplayer <= state_.seatcount && computerplayed(state_.curplayer))
        timers_.armComputerTimer(state_.botspeed);
}

void Table::report(std::string_view text) {
    if (diagnostic)
        diagnostic(text);
    else
        std::cerr << "velmora host: " << text << std::endl;
}

// The face-up card and the one beneath it always mirror the pile's top two
// entries, so a pick-up can never show a card that is no longer there.
void Table::syncpile() {
    state_.topdiscard = state_.discardcount >= 1 ? state_.discards[state_.discardcount] : 0;
    state_.underdiscard = state_.discardcount >= 2 ? state_.discards[state_.discardcount - 1] : 0;
}

int Table::emptyslot(int seat) const {
    for (int k = 1; k <= kHandSlots; ++k)
        if (state_.players[seat].hand[k] == 0) return k;
    return 0;
}

void Table::timer1Timer() {
    state_.roundpause -= 1;
    if (state_.roundpause >= 1) return;
    timers_.stopTimer1();
    if (state_.timer1tag == 1) startround();
}

void Table::computertimerTimer() {
    timers_.stopComputerTimer();
    const int seat = state_.curplayer;
    if (seat < 1 || seat > state_.seatcount || !computerplayed(seat)) return;
    if (computerplay) computerplay(seat);
}

}  // namespace velmora::host
