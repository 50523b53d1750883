// The host's game events, one type per command: fields, writer and reader.
// The host's rules encode them; the client's table model receives them
// decoded. A reader refuses what a four-seat table cannot hold (a seat, slot,
// face or group out of range, a missing field, more records than a table has
// room for), so a faulty or hostile host can never index past the table.
// Plain C++.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/cards.h"
#include "game/protocol.h"
#include "game/stagetable.h"
#include "protocol/fields.h"

namespace velmora::proto::event {

using GroupLists = std::array<std::vector<int>, 2>;  // groups 1 and 2

struct HandCard {
    int slot;
    int face;
    bool operator==(const HandCard&) const = default;
};

// "CMD_startgame+" starter ("+" y|n "+" seat)...: who plays the new game.
struct StartGame {
    static constexpr std::string_view kName = cmd::kStartgame;
    std::string starter;
    struct Seat {
        int seat;
        bool playing;
        bool operator==(const Seat&) const = default;
    };
    std::vector<Seat> seats;
    void write(FieldWriter& w) const;
    static StartGame read(FieldReader& r);
    bool operator==(const StartGame&) const = default;
};

// "CMD_startround+" face-up card ("+" seat "+" stage "+" y|n)...
struct StartRound {
    static constexpr std::string_view kName = cmd::kStartround;
    int discard = 0;
    struct Seat {
        int seat;
        int stage;
        bool dealt;
        bool operator==(const Seat&) const = default;
    };
    std::vector<Seat> seats;
    void write(FieldWriter& w) const;
    static StartRound read(FieldReader& r);
    bool operator==(const StartRound&) const = default;
};

// "CMD_mycards+" seat ("+" slot "+" face)...: the dealt hand.
struct MyCards {
    static constexpr std::string_view kName = cmd::kMycards;
    int seat = 0;
    std::vector<HandCard> cards;
    void write(FieldWriter& w) const;
    static MyCards read(FieldReader& r);
    bool operator==(const MyCards&) const = default;
};

// "CMD_nextplayer+" seat "+".
struct NextPlayer {
    static constexpr std::string_view kName = cmd::kNextplayer;
    int seat = 0;
    void write(FieldWriter& w) const;
    static NextPlayer read(FieldReader& r);
    bool operator==(const NextPlayer&) const = default;
};

// "CMD_draw+" seat "+" count "+" slot "+" face "+": to the drawer only.
struct Draw {
    static constexpr std::string_view kName = cmd::kDraw;
    int seat = 0, count = 0, slot = 0, face = 0;
    void write(FieldWriter& w) const;
    static Draw read(FieldReader& r);
    bool operator==(const Draw&) const = default;
};

// "CMD_hedrew+" seat "+" count "+": to everyone else.
struct HeDrew {
    static constexpr std::string_view kName = cmd::kHedrew;
    int seat = 0, count = 0;
    void write(FieldWriter& w) const;
    static HeDrew read(FieldReader& r);
    bool operator==(const HeDrew&) const = default;
};

// "CMD_pickdiscard+" seat "+" count "+" new top "+" slot "+" face "+".
struct PickDiscard {
    static constexpr std::string_view kName = cmd::kPickdiscard;
    int seat = 0, count = 0, top = 0, slot = 0, face = 0;
    void write(FieldWriter& w) const;
    static PickDiscard read(FieldReader& r);
    bool operator==(const PickDiscard&) const = default;
};

// "CMD_hisdiscard+" seat "+" count "+" face "+" slot "+" skipped seat "+".
struct Discard {
    static constexpr std::string_view kName = cmd::kHisdiscard;
    int seat = 0, count = 0, face = 0, slot = 0;
    int skipped = 0;   // the seat the skip card skips, 0 for none
    void write(FieldWriter& w) const;
    static Discard read(FieldReader& r);
    bool operator==(const Discard&) const = default;
};

// "CMD_playstage" and "CMD_hitthem" share their records: "1+" slot "+0" for
// a hand slot that emptied, "2+" group "+" face for each card of the owner's
// groups (every card, so the groups are rebuilt whole); a reader skips
// records of any other kind.
struct Laid {
    int count = 0;                // the layer's hand count
    std::vector<int> removedSlots;
    GroupLists groups;
    void writeRecords(FieldWriter& w) const;
    void readRecords(FieldReader& r);
    bool operator==(const Laid&) const = default;
};

// "CMD_playstage+" seat "+" count "+" t|f then the records ("f": the round ends).
struct PlayStage : Laid {
    static constexpr std::string_view kName = cmd::kPlaystage;
    int seat = 0;
    bool goesOn = true;
    void write(FieldWriter& w) const;
    static PlayStage read(FieldReader& r);
    bool operator==(const PlayStage&) const = default;
};

// "CMD_hitthem+" seat "+" owner "+" count then the records of the owner's groups.
struct HitThem : Laid {
    static constexpr std::string_view kName = cmd::kHitthem;
    int seat = 0;    // who hit
    int owner = 0;   // whose group took the card
    void write(FieldWriter& w) const;
    static HitThem read(FieldReader& r);
    bool operator==(const HitThem&) const = default;
};

struct SeatStage {
    int seat;
    int stage;
    // "CMD_endround" only: the seat's point total and what this round added.
    int points = 0;
    int added = 0;
    bool operator==(const SeatStage&) const = default;
};

// "CMD_endround+" seat ("+" seat "+" stage "+" points "+" added)... for the
// seats in the round.
struct EndRound {
    static constexpr std::string_view kName = cmd::kEndround;
    int seat = 0;
    std::vector<SeatStage> stages;
    void write(FieldWriter& w) const;
    static EndRound read(FieldReader& r);
    bool operator==(const EndRound&) const = default;
};

// "CMD_winner+" seat ("+" seat "+" stage)... for every seat.
struct Winner {
    static constexpr std::string_view kName = cmd::kWinner;
    int seat = 0;
    std::vector<SeatStage> stages;
    void write(FieldWriter& w) const;
    static Winner read(FieldReader& r);
    bool operator==(const Winner&) const = default;
};

// "CMD_gamestats+" recipient "+" current "+" phase "+" top, then records of
// four fields: "h+0+0+0" between rounds (and nothing else), or "m+" slot "+"
// face "+0" for the recipient's hand, "t+" seat "+" stage "+" count for each
// seat, each followed by "s+" seat "+" group "+" face for its laid cards.
struct GameStats {
    static constexpr std::string_view kName = cmd::kGamestats;
    int recipient = 0, current = 0, phase = 0, top = 0;
    bool betweenRounds = false;
    std::vector<HandCard> hand;
    struct Seat {
        int seat;
        int stage;
        int count;
        bool operator==(const Seat&) const = default;
    };
    std::vector<Seat> seats;
    std::array<GroupLists, kSeats + 1> groups;  // [1..4]
    void write(FieldWriter& w) const;
    static GameStats read(FieldReader& r);
    bool operator==(const GameStats&) const = default;
};

// "CMD_points+" (seat "+" total)...: each seat's penalty points, sent after
// a snapshot, which has no room for them. Designed peers drop it.
struct Points {
    static constexpr std::string_view kName = cmd::kPoints;
    struct Seat {
        int seat;
        int points;
        bool operator==(const Seat&) const = default;
    };
    std::vector<Seat> seats;
    void write(FieldWriter& w) const;
    static Points read(FieldReader& r);
    bool operator==(const Points&) const = default;
};

// "CMD_playerror+" seat "+" code "+": the code is a PlayError, but a client
// shows whatever text it knows for the number.
struct PlayError {
    static constexpr std::string_view kName = cmd::kPlayerror;
    int seat = 0, code = 0;
    void write(FieldWriter& w) const;
    static PlayError read(FieldReader& r);
    bool operator==(const PlayError&) const = default;
};

}  // namespace velmora::proto::event
