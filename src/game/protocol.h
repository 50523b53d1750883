// The words both ends of the wire share: command names, the default port,
// the table's counts of seats and places, the play-error codes with the texts
// a player reads, and the computer's names. Host and client take them from
// here, so the two ends cannot drift apart. Plain C++.
#pragma once

#include <array>
#include <string_view>

#include "game/i18n.h"
#include "game/version.h"

namespace velmora {

// A message is a command name, "+" and its payload; senders end it with byte 255.
namespace cmd {
inline constexpr char kAction[] = "CMD_action";
inline constexpr char kChat[] = "CMD_chat";
inline constexpr char kCreatestage[] = "CMD_createstage";
inline constexpr char kDiscard[] = "CMD_discard";
inline constexpr char kDraw[] = "CMD_draw";
inline constexpr char kEndround[] = "CMD_endround";
inline constexpr char kExistingplayers[] = "CMD_existingplayers";
inline constexpr char kFull[] = "CMD_full";
inline constexpr char kGamestats[] = "CMD_gamestats";
inline constexpr char kHavewrongversion[] = "CMD_havewrongversion";
inline constexpr char kHedrew[] = "CMD_hedrew";
inline constexpr char kHisdiscard[] = "CMD_hisdiscard";
inline constexpr char kHitset[] = "CMD_hitset";
inline constexpr char kHitthem[] = "CMD_hitthem";
inline constexpr char kHostclosing[] = "CMD_hostclosing";
inline constexpr char kJustwatch[] = "CMD_justwatch";
inline constexpr char kJustwatching[] = "CMD_justwatching";
inline constexpr char kKickhim[] = "CMD_kickhim";
inline constexpr char kLogininfo[] = "CMD_logininfo";
inline constexpr char kMycards[] = "CMD_mycards";
inline constexpr char kNewplayerinfo[] = "CMD_newplayerinfo";
inline constexpr char kNextplayer[] = "CMD_nextplayer";
inline constexpr char kOwner[] = "CMD_owner";
inline constexpr char kPickdiscard[] = "CMD_pickdiscard";
inline constexpr char kPlayasound[] = "CMD_playasound";
inline constexpr char kPlayerdisconnected[] = "CMD_playerdisconnected";
inline constexpr char kPlayerror[] = "CMD_playerror";
inline constexpr char kPoints[] = "CMD_points";
inline constexpr char kPlaystage[] = "CMD_playstage";
inline constexpr char kRejoin[] = "CMD_rejoin";
inline constexpr char kRejoinrefused[] = "CMD_rejoinrefused";
inline constexpr char kSeattoken[] = "CMD_seattoken";
inline constexpr char kSendlogininfo[] = "CMD_sendlogininfo";
inline constexpr char kStartgame[] = "CMD_startgame";
inline constexpr char kStartround[] = "CMD_startround";
inline constexpr char kWinner[] = "CMD_winner";
inline constexpr char kWrongversion[] = "CMD_wrongversion";
}  // namespace cmd

// A seat's person may come back after a lost connection: the host gives it a
// token ("CMD_seattoken" place "+" token) and holds the seat while it is away;
// "CMD_rejoin+" token instead of a login takes the seat back. Designed peers
// ignore these names, so both ends fall back to the designed login.
inline constexpr int kSeatTokenHexDigits = 32;   // 128 random bits
inline constexpr int kSeatHoldSeconds = 120;

// The designed snapshot carries no penalty points, so after it the host also
// sends "CMD_points" and for each seat 1..4 "+" seat "+" point total; a
// window that came back or joined late shows them before the next round end.

// The lists of the names each end handles are made from the message types
// (protocol/catalogue.h: kHostCommands, kClientCommands).

inline constexpr int kDefaultPort = 7772;
inline constexpr const char* kDefaultPortText = "7772";

// Places 1..4 are the table's seats; the rest of the host's places watch.
inline constexpr int kSeats = 4;
inline constexpr int kMaxPlaces = 9;   // places handed out; a tenth connection is refused
inline constexpr int kPlaces = 11;     // room the host's place arrays keep, 1..11

// Why the host refused a play ("CMD_playerror" seat "+" code "+").
enum class PlayError {
    NotNow = 1,          // out of phase
    NotValid = 2,        // no card in that slot
    NotAStage = 3,       // the raised cards do not make the stage
    StageDone = 4,       // the stage is already laid
    NoStageYet = 5,      // a hit before the own stage
    Invalid = 6,         // no group at the hit's target
    HitDoesNotFit = 7,   // the card does not go on that group
    SkipOnPile = 8,      // a skip card cannot be picked up
};
inline constexpr int kPlayErrorCount = 8;

constexpr int playErrorCode(PlayError e) { return static_cast<int>(e); }

// The status text the client shows for a code (English; translated where it
// is shown); empty for an unknown one.
constexpr std::string_view playErrorText(int code) {
    constexpr std::string_view kTexts[kPlayErrorCount + 1] = {
        "",
        VELMORA_TRANSLATE_NOOP("PlayError", "You cannot do that right now."),
        VELMORA_TRANSLATE_NOOP("PlayError", "That is not a valid play."),
        VELMORA_TRANSLATE_NOOP("PlayError", "That does not complete your stage."),
        VELMORA_TRANSLATE_NOOP("PlayError", "You have already completed the stage."),
        VELMORA_TRANSLATE_NOOP("PlayError", "You cannot hit until you complete the stage."),
        VELMORA_TRANSLATE_NOOP("PlayError", "Invalid"),
        VELMORA_TRANSLATE_NOOP("PlayError", "That is not a valid play."),
        VELMORA_TRANSLATE_NOOP("PlayError", "You cannot pick up a skip card."),
    };
    return code >= 1 && code <= kPlayErrorCount ? kTexts[code] : std::string_view();
}

// The host names its computer players at seats 2..4 "Klot", "Klock" and
// "Kling"; the client's seat hints say "Klick" for seat 3. Both are kept as
// players know them.
inline constexpr std::array<std::string_view, 5> kComputerNames = {"", "", "Klot", "Klock", "Kling"};
inline constexpr std::array<std::string_view, 5> kSeatHints = {"", "", "Klot", "Klick", "Kling"};

}  // namespace velmora
