// The host's handlers of the connection layer's requests: login, removal,
// just-watch, the relays, and the snapshot for a late-comer.
#include <optional>

#include "host/tserver.h"
#include "net/wire.h"

namespace velmora::host {

using wire::FieldReader;

namespace {

// A request's seat: its first field, or the whole payload when nothing
// follows it (a stage laid with no cards is "seat" alone).
bool firstFieldIs(std::string_view payload, int place) {
    const auto plus = payload.find('+');
    return wire::toInt(payload.substr(0, plus)) == place;
}

// What follows the place field, when the place is the sender's own.
std::optional<std::string> restAfterPlace(std::string_view payload, int sender) {
    FieldReader f(payload);
    if (f.nextInt() != sender) return std::nullopt;
    return std::string(f.rest());
}

}  // namespace

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
    using Rule = PlayResult (Table::*)(std::string_view);
    auto rule = [this, &d](const char* name, Rule op) {
        d.add(name, [this, op](std::string_view payload, net::ConnectionId from) {
            const int sender = placeOf(from);
            if (sender == 0) return;
            if (!firstFieldIs(payload, sender)) return counters_.refused(RequestRefusal::otherPlace);
            if ((table_.*op)(payload).refused()) counters_.refused(RequestRefusal::rule);
        });
    };
    own(cmd::kLogininfo, &TServer::receivedlogininfo);
    own(cmd::kKickhim, &TServer::kickhim);
    own(cmd::kChat, &TServer::chat);
    own(cmd::kAction, &TServer::action);
    own(cmd::kPlayasound, &TServer::playasound);
    // Only the hosting player (headless: the owner) starts a game: anyone
    // else could wipe a running one.
    d.add(cmd::kStartgame, [this](std::string_view payload, net::ConnectionId from) {
        const int sender = placeOf(from);
        if (sender == 0) return;
        if (sender != manager()) return counters_.refused(RequestRefusal::notAllowed);
        if (!table_.startgame(payload).refused()) afterStart();
    });
    own(cmd::kJustwatch, &TServer::justwatch);
    own(cmd::kRejoin, &TServer::rejoin);
    rule(cmd::kPickdiscard, &Table::pickdiscard);
    rule(cmd::kDraw, &Table::draw);
    rule(cmd::kDiscard, &Table::discard);
    rule(cmd::kCreatestage, &Table::createstage);
    rule(cmd::kHitset, &Table::hitset);
}

void TServer::receivedlogininfo(std::string_view payload, int sender) {
    FieldReader f(payload);
    const int place = f.nextInt();
    const std::string version(f.next());
    if (place != sender) return;
    table_.logsin(place, std::string(f.rest()));
    const tplayer& me = table_.player(place);
    places_[place].loggedIn = true;
    note(place, "logged in as " + net::escapeForLog(me.name));
    table_.sendToAll(wire::message(cmd::kNewplayerinfo, place, me.name));
    for (int i = 1; i <= table_.state().seatsused; ++i)
        if (i != place && table_.player(i).connected == 1)
            sendTo(place, wire::message(cmd::kExistingplayers, i, table_.player(i).name));
    if (version != kVersion) {
        sendTo(manager(), wire::message(cmd::kHavewrongversion, me.name));
        sendTo(place, wire::message(cmd::kWrongversion, ""));
    }
    if (table_.state().gameon == 1) sendSnapshot(place);
    giveTokens(place, place);
    passOwnership();
    if (place <= kSeats) emit seatTaken(place);
}

// The designed snapshot, then the points it has no room for (peers that do
// not know "CMD_points" drop it).
void TServer::sendSnapshot(int place) {
    sendTo(place, snapshot(place));
    wire::MessageBuilder points(cmd::kPoints);
    for (int s = 1; s <= kSeats; ++s) points.add(s).add(table_.player(s).points);
    sendTo(place, points.str());
}

std::string TServer::snapshot(int place) const {
    const TableState& t = table_.state();
    wire::MessageBuilder m(cmd::kGamestats);
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
            m.add(p.stage).add(table_.getnumcards(s));
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
    if (requester != sender || requester != manager()) return;
    if (target >= 1 && target <= table_.state().seatsused && table_.player(target).connected == 1) {
        places_[target].leaving = std::string(kRemovedBy) + std::to_string(sender);
        // Its token is void: our window then closes instead of coming back.
        sendTo(target, wire::message(cmd::kRejoinrefused, ""));
    }
    disconnectsock(target);
}

void TServer::justwatch(std::string_view payload, int sender) {
    FieldReader f(payload);
    const int seat = f.nextInt();
    const std::string_view value = f.rest();
    if (seat < 1 || seat > table_.state().seatcount) return;
    if (seat != sender && sender != manager()) return;  // own seat, or the manager for any
    if (value == "2") {
        table_.watches(seat, false);
        table_.sendToAll(wire::message(cmd::kJustwatching, seat, 2));
    } else if (value == "1" && table_.state().gameon == 1) {
        table_.watches(seat, true);
        table_.sendToAll(wire::message(cmd::kJustwatching, seat, 1));
        if (seat == table_.state().curplayer) computertimer.start();
    }
}

// The relays cut the sender's place off and pass the rest on unread.
void TServer::chat(std::string_view payload, int sender) {
    const std::string& name = table_.player(sender).name;
    if (auto rest = restAfterPlace(payload, sender)) table_.sendToAll(wire::message(cmd::kChat, name + " chats: " + *rest));
}

void TServer::action(std::string_view payload, int sender) {
    const std::string& name = table_.player(sender).name;
    if (auto rest = restAfterPlace(payload, sender)) table_.sendToAll(wire::message(cmd::kAction, name + " " + *rest));
}

void TServer::playasound(std::string_view payload, int sender) {
    if (auto rest = restAfterPlace(payload, sender)) table_.sendToAll(wire::message(cmd::kPlayasound, sender, *rest));
}

}  // namespace velmora::host
