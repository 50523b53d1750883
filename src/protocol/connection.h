// The host's events about the connections rather than the cards: the login
// handshake, arrivals and departures, the chat relays, just-watching, and
// our extensions (ownership, seat tokens, the host's closing). One type per
// command, as in events.h. Places are read as any number: the client judges
// a place itself (a spectator's place is not a seat).
#pragma once

#include <string>

#include "game/protocol.h"
#include "protocol/fields.h"

namespace velmora::proto::event {

// A message that is its name and "+" alone: "CMD_full+", "CMD_wrongversion+",
// "CMD_rejoinrefused+", "CMD_hostclosing+".
template <const char* Name>
struct Bare {
    static constexpr std::string_view kName = Name;
    void write(FieldWriter& w) const { w.end(); }
    static Bare read(FieldReader&) { return {}; }
    bool operator==(const Bare&) const = default;
};
using Full = Bare<cmd::kFull>;
using WrongVersion = Bare<cmd::kWrongversion>;
using RejoinRefused = Bare<cmd::kRejoinrefused>;
using HostClosing = Bare<cmd::kHostclosing>;

// A place alone, with no "+" after it: "CMD_sendlogininfo+" place (the host
// asks for the login at that place) and "CMD_owner+" place (the table's
// owner, from a headless host).
template <const char* Name>
struct PlaceOnly {
    static constexpr std::string_view kName = Name;
    int place = 0;
    void write(FieldWriter& w) const { w.add(place); }
    static PlaceOnly read(FieldReader& r) { return {r.integer()}; }
    bool operator==(const PlaceOnly&) const = default;
};
using SendLoginInfo = PlaceOnly<cmd::kSendlogininfo>;
using Owner = PlaceOnly<cmd::kOwner>;

// A text that runs to the end: "CMD_chat+" line, "CMD_action+" line, and
// "CMD_havewrongversion+" the name of the player with another version.
template <const char* Name>
struct TextOnly {
    static constexpr std::string_view kName = Name;
    std::string text;   // the rest
    void write(FieldWriter& w) const { w.add(text); }
    static TextOnly read(FieldReader& r) { return {std::string(r.takeRest())}; }
    bool operator==(const TextOnly&) const = default;
};
using Chat = TextOnly<cmd::kChat>;
using Action = TextOnly<cmd::kAction>;
using HaveWrongVersion = TextOnly<cmd::kHavewrongversion>;

// A place and a text that runs to the end: "CMD_newplayerinfo+" and
// "CMD_existingplayers+" place "+" name, "CMD_playerdisconnected+" place
// "+" name, "CMD_playasound+" sender "+" clip, "CMD_seattoken+" seat "+"
// token.
template <const char* Name>
struct PlaceText {
    static constexpr std::string_view kName = Name;
    int place = 0;
    std::string text;   // the rest
    void write(FieldWriter& w) const { w.add(place).add(text); }
    static PlaceText read(FieldReader& r) {
        PlaceText m;
        m.place = r.integer();
        m.text = std::string(r.takeRest());
        return m;
    }
    bool operator==(const PlaceText&) const = default;
};
using NewPlayer = PlaceText<cmd::kNewplayerinfo>;
using ExistingPlayer = PlaceText<cmd::kExistingplayers>;
using PlayerLeft = PlaceText<cmd::kPlayerdisconnected>;
using PlaySound = PlaceText<cmd::kPlayasound>;
using SeatToken = PlaceText<cmd::kSeattoken>;

// "CMD_justwatching+" seat "+" 1 (the computer plays it) or 2 (its person
// plays again).
struct JustWatching {
    static constexpr std::string_view kName = cmd::kJustwatching;
    int seat = 0;
    bool watching = false;
    void write(FieldWriter& w) const { w.add(seat).add(watching ? '1' : '2'); }
    static JustWatching read(FieldReader& r) {
        JustWatching m;
        m.seat = r.integer();
        m.watching = r.takeRest() == "1";
        return m;
    }
    bool operator==(const JustWatching&) const = default;
};

}  // namespace velmora::proto::event
