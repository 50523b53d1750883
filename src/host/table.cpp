#include "host/table.h"

#include <iostream>
#include <utility>

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

Table::Table(MessageSink& sink, TimerControl& timers, std::uint32_t seed)
    : TableState(seed), sink_(sink), timers_(timers) {
    for (int seat = 2; seat <= kSeats; ++seat) players[seat].botname = kComputerNames[seat];
}

void Table::connects(int place) {
    if (place < 1 || place > kPlaces) return;
    players[place].connected = 1;
    if (place > seatsused) seatsused = place;
}

void Table::logsin(int place, std::string name) {
    if (place < 1 || place > kPlaces) return;
    players[place].name = std::move(name);
    players[place].connected = 1;
}

void Table::leaves(int place) {
    if (place < 1 || place > kPlaces) return;
    tplayer& p = players[place];
    p.connected = 0;
    p.name.clear();
    p.justwatching = 0;
}

void Table::watches(int seat, bool watching) {
    if (seat >= 1 && seat <= seatcount) players[seat].justwatching = watching ? 1 : 0;
}

int Table::getnumcards(int seat) const {
    int n = 0;
    for (int k = 1; k <= kHandSlots; ++k)
        if (players[seat].hand[k] != 0) ++n;
    return n;
}

bool Table::computerplayed(int seat) const {
    return players[seat].connected == 0 || players[seat].justwatching == 1;
}

void Table::sendToAll(std::string_view text) { sendToOthers(0, text); }

void Table::sendToOthers(int except, std::string_view text) {
    const int last = seatsused < kPlaces ? seatsused : kPlaces;
    for (int p = 1; p <= last; ++p)
        if (p != except && players[p].connected == 1 && sink_.listening(p)) sink_.sendTo(p, text);
}

bool Table::heard(int except) const {
    const int last = seatsused < kPlaces ? seatsused : kPlaces;
    for (int p = 1; p <= last; ++p)
        if (p != except && players[p].connected == 1 && sink_.listening(p)) return true;
    return false;
}

// Requests name their seat; only the seat whose turn it is may act.
bool Table::isturn(int seat) const {
    return seat >= 1 && seat <= seatcount && seat == curplayer;
}

// A person gets the play error; a seat nobody holds has no one to tell, so
// the refusal becomes a diagnostic for the host's operator.
int Table::playerror(int seat, PlayError error, std::string_view computertext) {
    if (players[seat].connected == 1) {
        if (sink_.listening(seat)) sink_.sendTo(seat, wire::message(cmd::kPlayerror, seat, playErrorCode(error), ""));
    } else
        report(computertext);
    return playErrorCode(error);
}

void Table::restartcomputer() {
    if (curplayer >= 1 && curplayer <= seatcount && computerplayed(curplayer))
        timers_.armComputerTimer(botspeed);
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
    topdiscard = discardcount >= 1 ? discards[discardcount] : 0;
    underdiscard = discardcount >= 2 ? discards[discardcount - 1] : 0;
}

int Table::emptyslot(int seat) const {
    for (int k = 1; k <= kHandSlots; ++k)
        if (players[seat].hand[k] == 0) return k;
    return 0;
}

void Table::timer1Timer() {
    roundpause -= 1;
    if (roundpause >= 1) return;
    timers_.stopTimer1();
    if (timer1tag == 1) startround();
}

void Table::computertimerTimer() {
    timers_.stopComputerTimer();
    const int seat = curplayer;
    if (seat < 1 || seat > seatcount || !computerplayed(seat)) return;
    if (computerplay) computerplay(seat);
}

}  // namespace velmora::host
