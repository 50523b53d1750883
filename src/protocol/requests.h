// The requests a client sends its host, one type per command: its fields,
// how it is written and how it is read. The host's dispatcher decodes, the
// client encodes; nothing else spells a request. Fields the host judges
// itself (seat, slot, target) are read as any number: the rules answer an
// out-of-range value as the designed host did (ignored, or a play error).
#pragma once

#include <string>
#include <vector>

#include "game/cards.h"
#include "game/protocol.h"
#include "protocol/fields.h"

namespace velmora::proto::request {

// "CMD_logininfo+" place "+" version "+" name. Our client ends the name with
// an extra terminator, so two follow the message (see the login).
struct Login {
    static constexpr std::string_view kName = cmd::kLogininfo;
    int place = 0;
    std::string version;
    std::string name;   // the rest
    void write(FieldWriter& w) const;
    static Login read(FieldReader& r);
    bool operator==(const Login&) const = default;
};

// "CMD_kickhim+" requester "+" target "+".
struct Kick {
    static constexpr std::string_view kName = cmd::kKickhim;
    int requester = 0;
    int target = 0;
    void write(FieldWriter& w) const;
    static Kick read(FieldReader& r);
    bool operator==(const Kick&) const = default;
};

// "CMD_chat+" place "+" text and "CMD_action+" place "+" text: the host
// relays the text, "+" and all, unread.
template <const char* Name>
struct Relayed {
    static constexpr std::string_view kName = Name;
    int place = 0;
    std::string text;   // the rest
    void write(FieldWriter& w) const { w.add(place).add(text); }
    static Relayed read(FieldReader& r) {
        Relayed m;
        m.place = r.integer();
        m.text = std::string(r.takeRest());
        return m;
    }
    bool operator==(const Relayed&) const = default;
};
using Chat = Relayed<cmd::kChat>;
using Action = Relayed<cmd::kAction>;
// "CMD_playasound+" place "+" clip, the clip as the client wrote it ("wave3+").
using PlaySound = Relayed<cmd::kPlayasound>;
std::string soundClip(int number);   // "wave" number "+"

// "CMD_startgame+" starter's name "+".
struct StartGame {
    static constexpr std::string_view kName = cmd::kStartgame;
    std::string starter;
    void write(FieldWriter& w) const;
    static StartGame read(FieldReader& r);
    bool operator==(const StartGame&) const = default;
};

// "CMD_justwatch+" seat "+" 1 (watch) or 2 (play again); any other value
// asks nothing.
struct JustWatch {
    static constexpr std::string_view kName = cmd::kJustwatch;
    enum class Wish : unsigned char { Watch, Play, Unknown };
    int seat = 0;
    Wish wish = Wish::Unknown;
    void write(FieldWriter& w) const;
    static JustWatch read(FieldReader& r);
    bool operator==(const JustWatch&) const = default;
};

// "CMD_rejoin+" seat token, sent instead of a login.
struct Rejoin {
    static constexpr std::string_view kName = cmd::kRejoin;
    std::string token;
    void write(FieldWriter& w) const;
    static Rejoin read(FieldReader& r);
    bool operator==(const Rejoin&) const = default;
};

// "CMD_draw+" seat "+" and "CMD_pickdiscard+" seat "+".
template <const char* Name>
struct SeatOnly {
    static constexpr std::string_view kName = Name;
    int seat = 0;
    void write(FieldWriter& w) const { w.add(seat).end(); }
    static SeatOnly read(FieldReader& r) { return {r.integer()}; }
    bool operator==(const SeatOnly&) const = default;
};
using Draw = SeatOnly<cmd::kDraw>;
using PickDiscard = SeatOnly<cmd::kPickdiscard>;

// "CMD_discard+" seat "+" slot "+".
struct Discard {
    static constexpr std::string_view kName = cmd::kDiscard;
    int seat = 0;
    int slot = 0;
    void write(FieldWriter& w) const;
    static Discard read(FieldReader& r);
    bool operator==(const Discard&) const = default;
};

// "CMD_createstage+" seat ("+" slot)... with no "+" after the last slot.
struct CreateStage {
    static constexpr std::string_view kName = cmd::kCreatestage;
    int seat = 0;
    std::vector<int> handSlots;   // not "slots": a Qt keyword
    void write(FieldWriter& w) const;
    static CreateStage read(FieldReader& r);
    bool operator==(const CreateStage&) const = default;
};

// Which end of a run a wild card goes to ("r" or "l" on the wire).
enum class GroupEnd : unsigned char { Left, Right };

// "CMD_hitset+" seat "+" tag "+" slot "+" side "+": the tag is the target
// seat's digit and the group's digit ("21": seat 2, group 1); a character
// that is not a digit reads as 0.
struct HitSet {
    static constexpr std::string_view kName = cmd::kHitset;
    int seat = 0;
    int target = 0;
    int group = 0;
    int slot = 0;
    GroupEnd end = GroupEnd::Left;
    void write(FieldWriter& w) const;
    static HitSet read(FieldReader& r);
    bool operator==(const HitSet&) const = default;
};

}  // namespace velmora::proto::request
