#include "host/tserver.h"

#include <iostream>
#include <optional>

#include "host/computer.h"
#include "net/wire.h"

namespace velmora::host {

using net::TSock;
using wire::FieldReader;

namespace {
constexpr int kMaxPlaces = 9;  // places handed out; a tenth connection is refused

bool firstFieldIs(std::string_view payload, int place) {
    FieldReader f(payload);
    return f.nextInt() == place;
}

// What follows the place field, when the place is the sender's own.
std::optional<std::string> restAfterPlace(std::string_view payload, int sender) {
    FieldReader f(payload);
    if (f.nextInt() != sender) return std::nullopt;
    return std::string(f.rest());
}
}  // namespace

TServer::TServer(HostTimings timings, std::uint32_t seed, QObject* parent)
    : QObject(parent),
      timings_(timings),
      table_(*this, *this, seed),
      pump_("", net::InboxLimits::host(), timings.dispatchMs) {
    Sock1.SetPortName(QStringLiteral("7772"));
    Sock1.OnAccept = [this](TSock* l) { Sock1Accept(l); };
    timer1.setInterval(timings.roundTickMs);
    connect(&timer1, &QTimer::timeout, this, [this] { table_.timer1Timer(); });
    computertimer.setSingleShot(false);
    connect(&computertimer, &QTimer::timeout, this, [this] { table_.computertimerTimer(); });
    computertimer.setInterval(static_cast<int>(table_.botspeed * timings.computerFactor));
    installComputerPlayers(table_);
    registerHandlers();
}

TServer::~TServer() {
    // The places' connections are children of Sock1; silence them first so
    // no event reaches a half-destroyed host.
    for (TSock* s : socks_)
        if (s) s->OnInfo = nullptr, s->OnDisconnect = nullptr, s->OnRead = nullptr;
}

void TServer::listen(const QString& portName) {
    Sock1.SetPortName(portName);
    Sock1.SetListen(true);
}

// Every request is bound to the connection it came from: a request that
// names another place or seat than the sender's is dropped.
void TServer::registerHandlers() {
    auto& d = pump_.dispatcher();
    using Op = void (TServer::*)(std::string_view, int);
    auto own = [this, &d](const char* name, Op op) {
        d.add(name, [this, op](std::string_view payload, net::ConnectionId from) {
            const int sender = placeOf(from);
            if (sender != 0) (this->*op)(payload, sender);
        });
    };
    using Rule = int (Table::*)(std::string_view);
    auto rule = [this, &d](const char* name, Rule op) {
        d.add(name, [this, op](std::string_view payload, net::ConnectionId from) {
            const int sender = placeOf(from);
            if (sender != 0 && firstFieldIs(payload, sender)) (table_.*op)(payload);
        });
    };
    own("CMD_logininfo", &TServer::receivedlogininfo);
    own("CMD_kickhim", &TServer::kickhim);
    own("CMD_chat", &TServer::chat);
    own("CMD_action", &TServer::action);
    own("CMD_playasound", &TServer::playasound);
    // Only the hosting player starts a game: anyone else could wipe a running one.
    d.add("CMD_startgame", [this](std::string_view payload, net::ConnectionId from) {
        if (placeOf(from) == 1) table_.startgame(payload);
    });
    own("CMD_justwatch", &TServer::justwatch);
    rule("CMD_pickdiscard", &Table::pickdiscard);
    rule("CMD_draw", &Table::draw);
    rule("CMD_discard", &Table::discard);
    rule("CMD_createstage", &Table::createstage);
    rule("CMD_hitset", &Table::hitset);
}

int TServer::placeOf(net::ConnectionId from) const {
    for (int p = 1; p <= table_.seatsused; ++p)
        if (socks_[p] && socks_[p]->Id() == from && table_.players[p].connected == 1) return p;
    return 0;
}

void TServer::sendTo(int place, std::string_view text) {
    if (place < 1 || place > kPlaces) return;
    TSock* s = socks_[place];
    if (!s || table_.players[place].connected != 1 || !s->Connected()) return;
    QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    bytes.append(wire::kTerminator);
    s->Send(bytes);
}

void TServer::armComputerTimer(int milliseconds) {
    computertimer.stop();
    computertimer.setInterval(static_cast<int>(milliseconds * timings_.computerFactor));
    computertimer.start();
}

void TServer::Sock1Accept(TSock* listener) {
    int place = 0;
    if (table_.seatsused == 0) {
        place = table_.seatsused = 1;
    } else {
        for (int p = 1; p <= table_.seatsused && place == 0; ++p)
            if (table_.players[p].connected == 0) place = p;
    }
    if (place == 0 && table_.seatsused >= kMaxPlaces) {
        TSock* refused = nullptr;
        if (!listener->Accept(refused)) return;
        refused->Send(QByteArray("CMD_full+") + wire::kTerminator);
        refused->Destroy();
        return;
    }
    if (place == 0) place = ++table_.seatsused;

    TSock* previous = socks_[place];
    TSock* taken = nullptr;
    if (!listener->Accept(taken)) return;  // the place stays free
    if (previous) {
        previous->OnInfo = nullptr;
        previous->OnDisconnect = nullptr;
        previous->deleteLater();
    }
    socks_[place] = taken;
    table_.players[place].connected = 1;
    taken->Tag = place;
    taken->SetSendLimit(kSendLimit);
    taken->OnDisconnect = [this](TSock* s) { tempsockDisconnect(s); };
    taken->OnInfo = [this](TSock* s, int code, const QString& text) { tempsockInfo(s, code, text); };
    taken->OnRead = [this](TSock* s, int) { pump_.readFrom(s); };
    sendTo(place, wire::message("CMD_sendlogininfo", place));
}

void TServer::receivedlogininfo(std::string_view payload, int sender) {
    FieldReader f(payload);
    const int place = f.nextInt();
    const std::string version(f.next());
    if (place != sender) return;
    tplayer& me = table_.players[place];
    me.name = std::string(f.rest());
    me.connected = 1;
    table_.sendToAll(wire::message("CMD_newplayerinfo", place, me.name));
    for (int i = 1; i <= table_.seatsused; ++i)
        if (i != place && table_.players[i].connected == 1)
            sendTo(place, wire::message("CMD_existingplayers", i, table_.players[i].name));
    if (version != kVersion) {
        sendTo(1, wire::message("CMD_havewrongversion", me.name));
        sendTo(place, "CMD_wrongversion+");
    }
    if (table_.gameon == 1) sendTo(place, snapshot(place));
}

std::string TServer::snapshot(int place) const {
    const Table& t = table_;
    wire::MessageBuilder m("CMD_gamestats");
    m.add(place).add(t.curplayer).add(t.turnphase).add(t.topdiscard);
    if (t.timer1tag != 0) {
        m.add('h').add(0).add(0).add(0);
        return m.str();
    }
    if (place >= 1 && place <= kSeats)
        for (int k = 1; k <= kHandSlots; ++k)
            if (int card = t.players[place].hand[k]) m.add('m').add(k).add(card).add(0);
    for (int s = 1; s <= kSeats; ++s) {
        const tplayer& p = t.players[s];
        m.add('t').add(s);
        if (p.inround == 1)
            m.add(p.stage).add(t.getnumcards(s));
        else
            m.add(0).add(0);
        if (p.stagedone != 1) continue;
        for (int g = 1; g <= 2; ++g)
            for (int pos = 1; pos <= kGroupSize; ++pos)
                if (int card = p.groups[g][pos]) m.add('s').add(s).add(g).add(card);
    }
    return m.str();
}

void TServer::kickhim(std::string_view payload, int sender) {
    FieldReader f(payload);
    const int requester = f.nextInt();
    const int target = f.nextInt();
    if (requester != sender || requester != 1) return;
    disconnectsock(target);
}

void TServer::disconnectsock(int place) {
    if (place < 1 || place > table_.seatsused || table_.players[place].connected != 1) return;
    if (socks_[place]) socks_[place]->Close();
}

void TServer::tempsockDisconnect(TSock* sock) {
    const int place = sock->Tag;
    if (place >= 1 && place <= kPlaces && socks_[place] == sock && table_.players[place].connected == 1)
        sock->Close();
}

void TServer::tempsockInfo(TSock* sock, int, const QString& text) {
    if (text != QLatin1String("Socket Closed")) return;
    const int p = sock->Tag;
    if (p < 1 || p > kPlaces || socks_[p] != sock) return;  // a connection the place no longer holds
    pump_.forget(sock->Id());
    tplayer& player = table_.players[p];
    const bool wasConnected = player.connected == 1;
    if (wasConnected) {
        const std::string notice = wire::message("CMD_playerdisconnected", p, player.name);
        for (int i = 1; i <= table_.seatsused; ++i)
            if (i != p) sendTo(i, notice);
    }
    player.connected = 0;
    player.name.clear();
    player.justwatching = 0;
    // The computer makes the departed seat's pending move.
    if (wasConnected && table_.gameon == 1 && p == table_.curplayer && p != 1) computertimer.start();
}

void TServer::justwatch(std::string_view payload, int sender) {
    FieldReader f(payload);
    const int seat = f.nextInt();
    const std::string_view value = f.rest();
    if (seat < 1 || seat > table_.seatcount) return;
    if (seat != sender && sender != 1) return;  // own seat, or the hosting player for any
    if (value == "2") {
        table_.players[seat].justwatching = 0;
        table_.sendToAll(wire::message("CMD_justwatching", seat, 2));
    } else if (value == "1" && table_.gameon == 1) {
        table_.players[seat].justwatching = 1;
        table_.sendToAll(wire::message("CMD_justwatching", seat, 1));
        if (seat == table_.curplayer) computertimer.start();
    }
}

// The relays cut the sender's place off and pass the rest on unread.
void TServer::chat(std::string_view payload, int sender) {
    const std::string& name = table_.players[sender].name;
    if (auto rest = restAfterPlace(payload, sender)) table_.sendToAll("CMD_chat+" + name + " chats: " + *rest);
}

void TServer::action(std::string_view payload, int sender) {
    const std::string& name = table_.players[sender].name;
    if (auto rest = restAfterPlace(payload, sender)) table_.sendToAll("CMD_action+" + name + " " + *rest);
}

void TServer::playasound(std::string_view payload, int sender) {
    if (auto rest = restAfterPlace(payload, sender)) table_.sendToAll(wire::message("CMD_playasound", sender, *rest));
}

}  // namespace velmora::host
