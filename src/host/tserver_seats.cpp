// Seats that wait for their person: the token given at login, the seat held
// for a while after its person's connection ends, taking it back with the
// token, and the notice that the host ends on purpose.
#include <QRandomGenerator>
#include <algorithm>
#include <array>
#include <cstdio>

#include "host/tserver.h"
#include "net/wire.h"

namespace velmora::host {

namespace {

// 128 bits from the platform's cryptographic source: a token must not be
// guessable from the tokens seen before it.
std::string newToken() {
    std::string hex;
    for (int i = 0; i < kSeatTokenHexDigits / 8; ++i) {
        char part[9];
        std::snprintf(part, sizeof part, "%08x", static_cast<unsigned>(QRandomGenerator::system()->generate()));
        hex += part;
    }
    return hex;
}

// Compares in time independent of where the texts differ.
bool sameToken(std::string_view a, std::string_view b) {
    if (a.size() != b.size() || a.empty()) return false;
    unsigned char diff = 0;
    for (std::size_t i = 0; i < a.size(); ++i) diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

}  // namespace

// A token reaches its person only once the table that holds it is on disk:
// a crash in between would leave them a token the resumed host never heard
// of, and their seat lost. The wait is one disk write, at logins and starts.
void TServer::giveTokens(int first, int last) {
    std::array<bool, kSeats + 1> given{};
    for (int seat = std::max(first, 1); seat <= std::min(last, kSeats); ++seat)
        if (places_[seat].loggedIn) places_[seat].token = newToken(), given[seat] = true;
    if (std::none_of(given.begin(), given.end(), [](bool g) { return g; })) return;
    autosave();
    saves_.flush();
    for (int seat = 1; seat <= kSeats; ++seat)
        if (given[seat]) sendTo(seat, wire::message(cmd::kSeattoken, seat, places_[seat].token));
}

// Called as a seat's connection ends: a person who may come back keeps the
// seat for a while; anyone else's place is free at once.
void TServer::holdOrFree(int seat, bool removed) {
    if (seat < 1 || seat > kSeats) return;
    const Place& p = places_[seat];
    if (removed || !p.loggedIn || p.token.empty() || table_.state().gameon != 1) return release(seat);
    hold(seat);
}

void TServer::hold(int seat) {
    places_[seat].held = true;
    table_.keeps(seat, true);
    holdTimers_[seat].start(timings_.seatHoldMs);
    note(seat, "held for its person");
}

void TServer::release(int seat) {
    if (seat < 1 || seat > kSeats) return;
    holdTimers_[seat].stop();
    const bool washeld = places_[seat].held;
    places_[seat].held = false;
    table_.keeps(seat, false);
    if (table_.player(seat).connected == 0) places_[seat].token.clear();
    if (washeld) note(seat, "no longer held");
}

// A game's end frees the held seats, and its tokens no longer take a seat.
void TServer::afterProgress() {
    autosave();
    const TableState& t = table_.state();
    if (t.gameon == 1) {
        ++(t.turnphase == 3 ? counters_.rounds : counters_.turns);
        return;
    }
    ++counters_.gamesFinished;
    emit gameOnChanged(false);
    for (int s = 1; s <= kSeats; ++s) {
        release(s);
        places_[s].token.clear();
    }
}

// Each game gives everyone at a seat a new token; those of the last game are void.
void TServer::afterStart() {
    for (int s = 1; s <= kSeats; ++s) {
        release(s);
        places_[s].token.clear();
    }
    giveTokens(1, kSeats);
    ++counters_.gamesStarted;
    emit gameOnChanged(true);
}

// "CMD_rejoin+" token, sent instead of a login: the connection moves to the
// held seat the token belongs to and is asked for its login there.
void TServer::rejoin(std::string_view payload, int sender) {
    Place& from = places_[sender];
    if (from.loggedIn || !from.sock) return;
    ++counters_.reconnects;
    const std::string address = from.sock->HostName().toStdString();
    const auto now = GuessLimit::Clock::now();
    const std::string_view token = payload.substr(0, payload.find('+'));
    int seat = 0;
    if (guesses_.allowed(address, now))
        for (int s = 1; s <= kSeats && seat == 0; ++s)
            if (places_[s].held && sameToken(token, places_[s].token)) seat = s;
    if (seat == 0) {
        guesses_.wrongGuess(address, now);
        note(sender, "rejoin refused", true);
        counters_.refused(RequestRefusal::wrongToken);
        sendTo(sender, wire::message(cmd::kRejoinrefused, ""));
        return;
    }
    net::TSock* sock = from.sock;
    const std::uint64_t arrival = from.arrival;
    from.sock = nullptr;   // the connection now belongs to the seat
    table_.leaves(sender);
    if (net::TSock* old = places_[seat].sock) {
        old->disconnect(this);
        old->deleteLater();
    }
    release(seat);
    places_[seat] = {sock, false, arrival, {}, {}, false};
    sock->Tag = seat;
    table_.connects(seat);
    note(seat, "rejoined from place " + std::to_string(sender));
    ++counters_.rejoins;
    sendTo(seat, wire::message(cmd::kSendlogininfo, seat));
}

void TServer::announceClosing() {
    const std::string closing = wire::message(cmd::kHostclosing, "");
    for (int p = 1; p <= table_.state().seatsused && p <= kPlaces; ++p) {
        sendTo(p, closing);
        if (places_[p].sock && table_.player(p).connected == 1) places_[p].sock->Flush();
    }
}

}  // namespace velmora::host
