// The client's copy of the table: what the host's game events say, kept
// apart from the widgets that draw it. The event handlers update it;
// the views read it; the actions change the own hand's selection and order.
// Plain C++: tests run whole games on it without pixels.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "client/model/tableevents.h"
#include "game/i18n.h"

namespace velmora::client {

// One of the eleven hand slots: the host's card id (its hand slot number,
// -1 when empty), the face, and whether the card is raised for a play.
struct HandSlot {
    int id = -1;
    int face = 0;
    bool selected = false;
    bool empty() const { return id < 0; }
};

struct SeatState {
    std::string name = "<Waiting>";
    int stage = 0;              // 0 not in the round, 1..10, 11 all done
    std::string stageText;      // caption of the seat's stage label
    int handCount = 0;          // cards in the fan (other seats)
    int points = -1;            // the host's penalty point total; -1 not told yet
    bool watching = false;      // eyes marker
    bool notPlaying = false;    // badge NOT PLAYING
    bool waiting = false;       // badge WAITING..
    bool turn = false;          // turn marker
    bool skipped = false;       // skipped marker
    int track = -1;             // crossed-out numbers drawn on the stage track; -1 no picture
    std::string trackTip;
    GroupLists groups;
    std::array<int, 2> kind{};  // kind label per group: 0 none, 1 SET, 2 RUN, 3 COLOR
};

struct StageRow {
    bool done = false;    // grey
    bool struck = false;  // description struck out
};

// The host's figures for the round just ended, shown during the pause
// before the next deal.
struct RoundSummary {
    struct Row {
        int seat = 0;
        int stageBefore = 0;  // the stage played in the round
        int stageAfter = 0;   // the stage the host moved the seat to
        bool completed = false;
        int added = 0;  // penalty points of this round
        int total = 0;
    };
    int wentOut = 0;  // the seat whose play ended the round
    std::vector<Row> rows;
};

// The final standing when a game is won.
struct GameOver {
    struct Row {
        int seat = 0;
        int stage = 0;
        int points = -1;  // -1 when the host never told
        int gamesWon = 0; // in this session, by the seat's name
    };
    int winner = 0;
    std::vector<Row> rows;
};

// Where the card that moved last went, marked until the next move.
struct LastMove {
    enum class To { None, Hand, Discard, Fan, Group };
    enum class From { None, DrawPile, Discard, Hand, Fan };
    To to = To::None;
    From from = From::None;
    int seat = 0;      // the mover
    int id = 0;        // Hand: the card id; Group: the owner x 10 + group (group 0: both)
    int position = 0;  // Group: the card's place in the group, from 0; -1 the whole group
    int fromId = 0;    // From::Hand: the own card id it left
};

// What the table asks of the rest of the program. Every hook may stay empty.
struct TableHooks {
    std::function<void(std::string_view sound)> sound;
    std::function<void(const std::string& line)> chat;       // system colour
    // The game ended at an own table seat: the winner's name, or "addtomine".
    std::function<void(const std::string& winner)> recordGame;
    std::function<void()> ownTurn;                          // the own turn began
    std::function<void()> uncheckJustWatch;                 // a game started
    std::function<void(const std::string& text)> status;    // every status text as it is set
};

class TableModel {
public:
    using Handler = void (TableModel::*)(std::string_view payload);
    struct Event {
        const char* command;
        Handler handler;
    };
    // The game events in the order the dispatcher compares them.
    static std::span<const Event> events();

    TableModel();

    TableHooks hooks;

    // ---- change notification ----
    // Listeners run after each handled event or local change; the views
    // subscribe once instead of being refreshed by hand.
    void onChanged(std::function<void()> listener) { listeners_.push_back(std::move(listener)); }
    // Tells the listeners now, or once when the outermost batch ends.
    void changed();
    // Changes made while one lives are told once, when the last one ends.
    class Batch {
    public:
        explicit Batch(TableModel& t) : t_(t) { ++t_.batchDepth_; }
        ~Batch() {
            if (--t_.batchDepth_ == 0 && t_.pending_) t_.changed();
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        TableModel& t_;
    };
    // Handles one game event and tells the listeners once.
    void handle(Handler handler, std::string_view payload);

    // ---- set by the connection layer and the settings ----
    int ownSeat = 0;       // 1..4 a seat, 5 and above a spectator
    bool hosting = false;
    int turnSound = 0;     // 0 Classic ("turn"), 1 New ("turnnew")

    // ---- table state ----
    int currentPlayer = 0;  // the seat the host last gave the turn; 0 before any
    // A request went out and the host has not answered it yet: no turn of
    // ours until then, so a double click sends one request.
    bool waitingForHost = false;
    int turnPhase = 0;      // 0 nothing to do, 1 draw/pick up, 2 lay/hit/discard, 3 round over
    bool stageLaid = false;
    int discardTop = 0;     // face on the discard pile, 0 empty
    std::string status = i18n::translate("TableModel", "Welcome to Velmora!");
    std::string logLine;  // the status as the game log keeps it
    int round = 0;  // rounds dealt in this game
    std::array<SeatState, kSeats + 1> seats{};  // [1..4]
    std::array<StageRow, kStageCount + 1> stageRows{};
    std::array<HandSlot, kHandSlots + 1> hand{};  // [1..11]
    bool showPickup = false, showDraw = false, showDiscard = false, showCreateStage = false;
    bool showStart = false;
    bool gameOn = false;  // a game started and nobody has won it yet
    bool showWinner = false;
    std::optional<RoundSummary> roundSummary;  // shown while set
    std::optional<GameOver> gameOver;          // shown while set
    LastMove lastMove;
    int moves = 0;  // counts every move of a card, so views see a new one
    std::string winnerText = i18n::translate("TableModel", "WINNER!");
    bool stageListInFront = false;
    // Seat shown at each place: bottom, top-left, top-middle, top-right.
    std::array<int, 4> seatAtPlace{1, 2, 3, 4};

    bool ownTurn() const { return ownSeat >= 1 && !waitingForHost && currentPlayer == ownSeat; }
    // The own seat is handed to the computer ("Just Watch"): nothing to do.
    bool ownWatching() const { return ownTableSeat() && seats[ownSeat].watching; }
    // The player's own turn and the player, not the computer, plays it.
    bool mayAct() const { return ownTurn() && !ownWatching(); }
    // The own seat's laid stage, whether laid by the player or, before the
    // player took the seat over, by the computer.
    bool ownStageLaid() const { return stageLaid || (ownTableSeat() && !seats[ownSeat].groups[0].empty()); }
    // Offers the own turn's actions again after Just Watch changed: none and
    // a word that the computer plays while watching, else the phase's own.
    void reofferOwnTurn();
    static constexpr const char* kComputerPlaysText =
        VELMORA_TRANSLATE_NOOP("TableModel", "You are just watching: the computer plays your seat.");
    void waitForHost() { waitingForHost = true; }
    bool ownTableSeat() const { return ownSeat >= 1 && ownSeat <= kSeats; }
    const std::string& name(int seat) const;
    void setName(int seat, std::string name);
    void setShowStart(bool show);
    // The names at the table seats other than the own one.
    std::vector<std::string> otherSeatNames() const;
    // The game log's line is the status, or, where the status names no card,
    // a line that does ("Kling discarded the red 7.").
    void setStatus(std::string text, std::string log = {}) {
        status = std::move(text);
        logLine = log.empty() ? status : std::move(log);
        if (hooks.status) hooks.status(status);
    }

    // ---- the host's events, given the payload ----
    void startthegame(std::string_view payload);
    void startround(std::string_view payload);
    void mycards(std::string_view payload);
    void getnextplayer(std::string_view payload);
    void draw(std::string_view payload);
    void hedrew(std::string_view payload);
    void pickdiscard(std::string_view payload);
    void hisdiscard(std::string_view payload);
    void playstage(std::string_view payload);
    void hitthem(std::string_view payload);
    void endround(std::string_view payload);
    void winner(std::string_view payload);
    void gamestats(std::string_view payload);
    void points(std::string_view payload);  // after a snapshot (not a designed event)
    void playerror(std::string_view payload);
    // Games won in this session by the player of that name.
    int gamesWon(const std::string& name) const;
    void closeGameOver() {
        gameOver.reset();
        changed();
    }

    // ---- display operations ----
    void clearall();
    // Puts a card into the first empty slot; false (and nothing changes)
    // when the hand is full or already holds the id.
    bool createcard(int id, int face);
    // Removes the card with this id and closes the gap; nothing without it.
    void movecards(int id);
    void sortthem();
    // Moves the card with this id to slot `to`, the others closing up.
    void reorder(int id, int to);
    // Raises or lowers a card; false when the id is not in the hand.
    bool toggleSelected(int id);
    int slotOf(int id) const;  // 0 when the id is not in the hand
    int cardCount() const;
    std::vector<int> selectedIds() const;  // in slot order
    void sortstuff(int ownSeat);
    void movestuff(int from, int to);
    int placeOf(int seat) const;  // 0 bottom .. 3 top-right; -1 none
    void button_stagelistClick(int tag) {
        stageListInFront = tag == 2;
        changed();
    }
    void hideActionButtons();

    static int getsettype(int stage, int group);
    static std::string getstagetext(int stage);
    static const char* stageListText(int stage);

private:
    bool valid(int seat) const { return seat >= 1 && seat <= kSeats; }
    // The host named whose turn it is: any wait for its answer is over.
    void setCurrent(int seat) {
        currentPlayer = seat;
        waitingForHost = false;
    }
    void play(std::string_view sound) const;
    void say(const std::string& line) const;
    void setTrack(int seat, int number);
    void markStageList(int stage);
    void applyLaid(const LaidEvent& e);
    void offerAfterDraw();
    void beginOwnTurn();
    void applySnapshotSeats(const GameStatsEvent& e);
    void summarise(const EndRoundEvent& e);
    void moved(LastMove m) {
        lastMove = m;
        ++moves;
    }
    void markHit(const LaidEvent& e);
    void standing(const WinnerEvent& e);

    std::map<std::string, int> wins_;  // games won this session, by name
    std::vector<std::function<void()>> listeners_;
    int batchDepth_ = 0;
    bool pending_ = false;
};

}  // namespace velmora::client
