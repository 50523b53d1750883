// The payloads of the host's game events, each cut and checked in one place.
// A parse function returns nothing for a payload the table cannot hold (a
// seat, slot, face or group out of range, a missing field, more records than
// a table has room for) and reports it with one escaped line in the
// rate-limited standard log (net/diagnostics.h), so a faulty or hostile host
// can neither index past the table nor flood standard error. Plain C++.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/cards.h"
#include "game/protocol.h"
#include "game/stagetable.h"

namespace velmora::client {


using GroupLists = std::array<std::vector<int>, 2>;  // groups 1 and 2

struct StartGameEvent {
    std::string starter;
    struct Seat { int seat; bool playing; };
    std::vector<Seat> seats;
};

struct StartRoundEvent {
    int discard = 0;
    struct Seat { int seat; int stage; bool dealt; };
    std::vector<Seat> seats;
};

struct HandCard {
    int slot;
    int face;
};

struct MyCardsEvent {
    int seat = 0;
    std::vector<HandCard> cards;
};

struct SeatEvent {  // "CMD_nextplayer"
    int seat = 0;
};

struct DrawEvent {
    int seat = 0, count = 0, slot = 0, face = 0;
};

struct HeDrewEvent {
    int seat = 0, count = 0;
};

struct PickDiscardEvent {
    int seat = 0, count = 0, top = 0, slot = 0, face = 0;
};

struct DiscardEvent {
    int seat = 0, count = 0, face = 0, slot = 0, skipped = 0;
};

// "CMD_playstage" (owner == seat) and "CMD_hitthem" share their records.
struct LaidEvent {
    int seat = 0;       // who laid or hit
    int owner = 0;      // whose groups the records rebuild
    int count = 0;      // the layer's hand count
    bool goesOn = true; // "t": the turn goes on; "f": the round ends
    std::vector<int> removedSlots;
    GroupLists groups;
};

struct SeatStage {
    int seat;
    int stage;
    // "CMD_endround" only: the seat's point total and what this round added.
    int points = 0;
    int added = 0;
};

struct EndRoundEvent {
    int seat = 0;
    std::vector<SeatStage> stages;
};

struct WinnerEvent {
    int seat = 0;
    std::vector<SeatStage> stages;
};

struct GameStatsEvent {
    int recipient = 0, current = 0, phase = 0, top = 0;
    std::vector<HandCard> hand;
    struct Seat { int seat; int stage; int count; };
    std::vector<Seat> seats;
    std::array<GroupLists, kSeats + 1> groups;  // [1..4]
};

// "CMD_points": each seat's penalty point total, sent after a snapshot.
struct PointsEvent {
    struct Seat { int seat; int points; };
    std::vector<Seat> seats;
};

struct PlayErrorEvent {
    int seat = 0, code = 0;
};

std::optional<StartGameEvent> parseStartGame(std::string_view payload);
std::optional<StartRoundEvent> parseStartRound(std::string_view payload);
std::optional<MyCardsEvent> parseMyCards(std::string_view payload);
std::optional<SeatEvent> parseNextPlayer(std::string_view payload);
std::optional<DrawEvent> parseDraw(std::string_view payload);
std::optional<HeDrewEvent> parseHeDrew(std::string_view payload);
std::optional<PickDiscardEvent> parsePickDiscard(std::string_view payload);
std::optional<DiscardEvent> parseDiscard(std::string_view payload);
std::optional<LaidEvent> parsePlayStage(std::string_view payload);
std::optional<LaidEvent> parseHitThem(std::string_view payload);
std::optional<EndRoundEvent> parseEndRound(std::string_view payload);
std::optional<WinnerEvent> parseWinner(std::string_view payload);
std::optional<GameStatsEvent> parseGameStats(std::string_view payload);
std::optional<PlayErrorEvent> parsePlayError(std::string_view payload);
std::optional<PointsEvent> parsePoints(std::string_view payload);

}  // namespace velmora::client
