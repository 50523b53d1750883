// The host's places and their connections: accepting, the login deadline,
// departures, ownership of a headless table, and the timers.
#include "host/tserver.h"

#include <iostream>

#include "host/computer.h"
#include "net/wire.h"

namespace velmora::host {

using net::TSock;

TServer::TServer(HostTimings timings, std::uint32_t seed, QObject* parent)
    : QObject(parent),
      timings_(timings),
      table_(*this, *this, seed),
      pump_("", net::InboxLimits::host(), timings.dispatchMs),
      log_(std::cerr, "velmora host") {
    Sock1.SetPortName(QString::fromLatin1(kDefaultPortText));
    connect(&Sock1, &TSock::OnAccept, this, &TServer::Sock1Accept);
    timer1.setInterval(timings.roundTickMs);
    connect(&timer1, &QTimer::timeout, this, [this] { table_.timer1Timer(); });
    computertimer.setSingleShot(false);
    connect(&computertimer, &QTimer::timeout, this, [this] { table_.computertimerTimer(); });
    computertimer.setInterval(static_cast<int>(table_.state().botspeed * timings.computerFactor));
    computers_ = installComputerPlayers(table_);
    table_.diagnostic = [this](std::string_view text) { log_.write(0, "table", net::escapeForLog(text)); };
    pump_.dispatcher().setReporter([this](net::ConnectionId from, std::string_view command, std::string_view problem) {
        const int place = placeOf(from);
        const std::string who = place != 0 ? "place " + std::to_string(place) : "a departed connection";
        log_.write(from, who, std::string(command) + ": " + std::string(problem));
        counters_.refused(RequestRefusal::malformed);
    });
    for (int seat = 1; seat <= kSeats; ++seat) {
        holdTimers_[seat].setSingleShot(true);
        connect(&holdTimers_[seat], &QTimer::timeout, this, [this, seat] { release(seat); });
    }
    resumeWait_.setSingleShot(true);
    connect(&resumeWait_, &QTimer::timeout, this, [this] { afterResumeWait(); });
    table_.progressed = [this] { afterProgress(); };
    registerHandlers();
}

TServer::~TServer() {
    // The places' connections are children of Sock1; silence them first so
    // no event reaches a half-destroyed host.
    for (Place& p : places_)
        if (TSock* s = p.sock) s->disconnect(this);
    // The last table is on disk before the host goes.
    saves_.flush();
    if (const std::string problem = saves_.problem(); !problem.empty()) log_.write(0, "autosave", problem);
}

void TServer::listen(const QString& portName, const QString& address) {
    Sock1.SetHostName(address);
    Sock1.SetPortName(portName);
    Sock1.SetListen(true);
}

HostCounters TServer::counters() const {
    HostCounters c = counters_;
    c.bytesIn = pump_.received();
    return c;
}

int TServer::seatsTaken() const {
    int n = 0;
    for (int p = 1; p <= kSeats; ++p) n += places_[p].loggedIn && table_.player(p).connected == 1;
    return n;
}

int TServer::spectators() const {
    int n = 0;
    for (int p = kSeats + 1; p <= kMaxPlaces; ++p) n += table_.player(p).connected == 1;
    return n;
}

int TServer::placeOf(net::ConnectionId from) const {
    for (int p = 1; p <= table_.state().seatsused; ++p)
        if (places_[p].sock && places_[p].sock->Id() == from && table_.player(p).connected == 1) return p;
    return 0;
}

void TServer::sendTo(int place, std::string_view text) {
    if (place < 1 || place > kPlaces) return;
    TSock* s = places_[place].sock;
    if (!s || table_.player(place).connected != 1 || !s->Connected()) return;
    QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    bytes.append(wire::kTerminator);
    counters_.bytesOut += static_cast<std::uint64_t>(bytes.size());
    const bool dropping = s->Dropping();
    s->Send(bytes);
    if (!dropping && s->Dropping()) counters_.refused(ConnectionRefusal::notReading);
}

void TServer::armComputerTimer(int milliseconds) {
    computertimer.stop();
    computertimer.setInterval(static_cast<int>(milliseconds * timings_.computerFactor));
    computertimer.start();
}

void TServer::note(int place, std::string_view what, bool always) {
    if (!always && !headless_) return;
    const TSock* s = place >= 1 && place <= kPlaces ? places_[place].sock : nullptr;
    log_.write(s ? s->Id() : 0, "place " + std::to_string(place), what);
}

// The lowest free place, or a new one; 0 when all nine are taken. A held
// seat counts as taken.
int TServer::freePlace() {
    const int used = table_.state().seatsused;
    for (int p = 1; p <= used; ++p)
        if (table_.player(p).connected == 0 && !held(p)) return p;
    return used >= kMaxPlaces ? 0 : used + 1;
}

void TServer::refuse(TSock* listener) {
    TSock* refused = nullptr;
    if (!listener->Accept(refused)) return;
    if (headless_) log_.write(0, "", "refused " + refused->HostName().toStdString() + ": the table is full");
    counters_.refused(ConnectionRefusal::full);
    refused->Send(QByteArray::fromStdString(wire::message(cmd::kFull, "")) + wire::kTerminator);
    refused->Destroy();
}

void TServer::Sock1Accept(TSock* listener) {
    const int place = freePlace();
    if (place == 0) return refuse(listener);

    TSock* previous = places_[place].sock;
    TSock* taken = nullptr;
    if (!listener->Accept(taken)) return;  // the place stays free
    if (previous) {
        previous->disconnect(this);
        previous->deleteLater();
    }
    places_[place] = {taken, false, ++arrivals_, {}, {}, false};
    table_.connects(place);
    taken->Tag = place;
    taken->SetSendLimit(kSendLimit);
    connect(taken, &TSock::OnDisconnect, this, &TServer::tempsockDisconnect);
    connect(taken, &TSock::OnInfo, this, &TServer::tempsockInfo);
    connect(taken, &TSock::OnRead, this, [this](TSock* s) {
        if (pump_.readFrom(s) != net::Refusal::none) counters_.refused(ConnectionRefusal::flooding);
    });
    // Said once, with the place, when the connection is gone.
    connect(taken, &TSock::OnDrop, this, [this](TSock* s, const QString& reason) {
        if (s->Tag >= 1 && s->Tag <= kPlaces && places_[s->Tag].sock == s)
            places_[s->Tag].leaving = net::escapeForLog(reason.toStdString());
    });
    QTimer::singleShot(timings_.loginTimeoutMs, taken, [this, taken] { closeUnlessLoggedIn(taken); });
    note(place, "connected from " + taken->HostName().toStdString());
    sendTo(place, wire::message(cmd::kSendlogininfo, place));
}

void TServer::closeUnlessLoggedIn(TSock* sock) {
    const int p = sock->Tag;
    if (p < 1 || p > kPlaces || places_[p].sock != sock || places_[p].loggedIn) return;
    counters_.refused(ConnectionRefusal::noLogin);
    sock->Drop(QStringLiteral("no login within %1 seconds").arg(timings_.loginTimeoutMs / 1000.0));
}

void TServer::disconnectsock(int place) {
    if (place < 1 || place > table_.state().seatsused || table_.player(place).connected != 1) return;
    if (places_[place].sock) places_[place].sock->Close();
}

void TServer::tempsockDisconnect(TSock* sock) {
    const int place = sock->Tag;
    if (place >= 1 && place <= kPlaces && places_[place].sock == sock && table_.player(place).connected == 1)
        sock->Close();
}

void TServer::tempsockInfo(TSock* sock, int code, const QString&) {
    if (code != net::InfoClose) return;
    const int p = sock->Tag;
    if (p < 1 || p > kPlaces || places_[p].sock != sock) return;  // a connection the place no longer holds
    leave(p, sock);
}

// A place's connection has ended: what it still had queued is never handled,
// the others are told, and the computer takes over a seat whose turn it was.
void TServer::leave(int p, TSock* sock) {
    pump_.discard(sock->Id());
    const tplayer& player = table_.player(p);
    const bool wasConnected = player.connected == 1;
    if (wasConnected) {
        // Said whatever the place's budget: a host-made close always, the
        // peer's own only when there is no window to show departures.
        const std::string& leaving = places_[p].leaving;
        const bool shown = headless_ || !leaving.empty();
        log_.farewell(sock->Id(), "place " + std::to_string(p),
                      shown ? "left: " + (leaving.empty() ? std::string("closed by the peer") : leaving) : "");
        const std::string notice = wire::message(cmd::kPlayerdisconnected, p, player.name);
        for (int i = 1; i <= table_.state().seatsused; ++i)
            if (i != p) sendTo(i, notice);
    }
    const bool removed = places_[p].leaving.rfind(kRemovedBy, 0) == 0;
    const bool person = wasConnected && places_[p].loggedIn && p <= kSeats;
    table_.leaves(p);
    if (wasConnected) holdOrFree(p, removed);
    places_[p].loggedIn = false;
    places_[p].leaving.clear();
    // In a hosted game place 1's client goes only with the host itself.
    if (wasConnected && table_.state().gameon == 1 && p == table_.state().curplayer && (p != 1 || headless_))
        computertimer.start();
    if (wasConnected) passOwnership();
    if (person) emit seatLeft(p);
}

// A headless table's owner is the person longest at a seat; the new owner is
// told at once so that its window can offer Start Game.
void TServer::passOwnership() {
    if (!headless_) return;
    if (owner_ != 0 && places_[owner_].loggedIn) return;
    owner_ = 0;
    for (int s = 1; s <= kSeats; ++s)
        if (places_[s].loggedIn && (owner_ == 0 || places_[s].arrival < places_[owner_].arrival)) owner_ = s;
    if (owner_ == 0) return;
    note(owner_, "owns the table");
    sendTo(owner_, wire::message(cmd::kOwner, owner_));
}

}  // namespace velmora::host
