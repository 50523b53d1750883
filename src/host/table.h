// The host's authority over the table: deck, pile, hands, laid groups, turn
// order and scoring. Plain C++; the Qt host object owns one Table, feeds it
// the payloads of the twelve host commands and runs its two timers.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "game/cards.h"
#include "game/protocol.h"
#include "host/publicview.h"
#include "host/random.h"
#include "host/stagematch.h"
#include "game/stagetable.h"

namespace velmora::host {

// Where the table's messages go. The text excludes the terminator byte 255;
// the sender appends it. The table itself decides who is addressed: it calls
// sendTo only for places whose `connected` is 1, and a message "to all" is a
// loop over places 1..seatsused in ascending order (Table::sendToAll).
struct MessageSink {
    virtual ~MessageSink() = default;
    virtual void sendTo(int place, std::string_view text) = 0;
    // False for a place whose messages would be thrown away: the table then
    // builds no text for it (the simulation listens to nobody).
    virtual bool listening(int place) const {
        (void)place;
        return true;
    }
};

// The host's two timers. The owner calls Table::timer1Timer on every tick of
// timer 1 (one second, repeating) and Table::computertimerTimer on a tick of
// the computer timer.
struct TimerControl {
    virtual ~TimerControl() = default;
    virtual void startTimer1() = 0;
    virtual void stopTimer1() = 0;
    // Stop the computer timer, set its interval and start it again.
    virtual void armComputerTimer(int milliseconds) = 0;
    virtual void stopComputerTimer() = 0;
};

// Timers that only record what the table asks; a loop that drives the table
// without a clock (simulation, fuzzing, model tests) fires them at once.
struct RecordedTimers : TimerControl {
    bool timer1 = false;
    bool computer = false;
    void startTimer1() override { timer1 = true; }
    void stopTimer1() override { timer1 = false; }
    void armComputerTimer(int) override { computer = true; }
    void stopComputerTimer() override { computer = false; }
};

// One connection place. Places 1..4 are the seats; 5 and up only watch.
// The socket lives with the sessions layer, which writes name, connected
// and justwatching.
struct tplayer {
    std::string name;
    int connected = 0;      // 1 = a person's connection holds the place
    int justwatching = 0;   // 1 = the person watches and the computer plays
    std::string botname;
    int points = 0;         // penalty points over the game
    std::array<int, kHandSlots + 1> hand{};  // [1..11], 0 = empty slot
    int stage = 0;          // 1..10; 11 = all done
    // [1..3][1..12]; a run keeps each card at its rank, a set at 1..groupcount
    std::array<std::array<int, kGroupSize + 1>, kGroups + 1> groups{};
    std::array<int, kGroups + 1> groupcount{};  // sets and colour sets only
    int stagedone = 0;
    int skipped = 0;
    int inround = 0;
    int lastpickup = 0;                     // never reset: the computer reads it
    std::array<int, 4> lastdiscards{};      // [1] newest; never reset

    bool operator==(const tplayer&) const = default;
};

// What a request came to: carried out, ignored without an answer (not the
// sender's turn, or the phase ignores it), or refused with a play error.
// A refusal changes nothing.
struct PlayResult {
    enum Kind : unsigned char { Done, Ignored, Refused } kind = Done;
    PlayError error{};   // only for Refused

    bool refused() const { return kind == Refused; }
    bool operator==(const PlayResult&) const = default;
};
inline constexpr PlayResult kDone{PlayResult::Done};
inline constexpr PlayResult kIgnored{PlayResult::Ignored};
constexpr PlayResult refusal(PlayError error) { return {PlayResult::Refused, error}; }

// Everything the table knows. The rules change it; others read it through
// Table::state(), and the sessions layer changes its places only through
// the table's named operations.
struct TableState {
    TableState(std::uint32_t seed) : random(seed) {}

    std::array<tplayer, kPlaces + 1> players{};     // [1..11]
    std::array<int, kDeckSize + 1> deck{};          // [1..108], taken positions 0
    int deckpos = 0;                                // position taken last
    std::array<int, kDeckSize + 1> discards{};      // [1..discardcount]
    int discardcount = 0;
    int topdiscard = 0;     // the face-up card, 0 = none
    int underdiscard = 0;   // the card beneath it
    int gameon = 0;
    int seatsused = 0;      // highest place handed out
    int seatcount = kSeats;
    int curplayer = 0;
    int turnphase = 0;      // 1 draw or pick up, 2 lay/hit/discard, 3 round over
    int roundpause = 0;
    int timer1tag = 2;      // 2 before the first round, 1 while a round is pending, else 0
    int botspeed = 1000;    // computer timer interval in ms, set from the host's menu
    // Seats 2 .. 1 + computerseats are dealt in even when nobody holds them
    // (the computer plays them); a hosted table deals only seat 2.
    int computerseats = 1;
    // Reshuffles in this round since a stage was laid or a card hit: how long
    // the round has stood still (the computer players read it).
    int idlereshuffles = 0;
    PublicHistory history;   // the round's pick-ups and discards, for the public view

    Random random;
};

class Table {
public:
    Table(MessageSink& sink, TimerControl& timers, std::uint32_t seed);
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    const TableState& state() const { return state_; }
    friend struct TableAccess;   // tests set up positions through it
    const tplayer& player(int place) const { return state_.players[place]; }

    // ---- what the sessions layer changes (places 1..kPlaces) ----
    // A connection holds the place; seatsused grows to include it.
    void connects(int place);
    void logsin(int place, std::string name);
    // The place is free again: no connection, no name, nobody watching.
    void leaves(int place);
    void watches(int seat, bool watching);
    void setbotspeed(int milliseconds) { state_.botspeed = milliseconds; }
    // Carries on a saved game: its game fields replace the table's, the
    // places' connections stay, and the four seats count as handed out. A
    // pause between rounds goes on at once; the turn waits for the owner's
    // word (the computer timer is not armed).
    void restore(const TableState& saved);
    // How many seats the computer takes when nobody holds them (1..3), from
    // the next game or round on.
    void setcomputerseats(int count) { state_.computerseats = count < 1 ? 1 : count > kSeats - 1 ? kSeats - 1 : count; }
    // A seat kept for its departed person is dealt in at a round's start as
    // if the person were there, so coming back finds the seat in the round.
    void keeps(int seat, bool kept) {
        if (seat >= 1 && seat <= kSeats) kept_[seat] = kept;
    }

    // One computer move for the seat whose turn it is; filled in by the
    // computer players. Empty: the computer does nothing.
    std::function<void(int seat)> computerplay;
    // Where the diagnostics of refused computer moves and impossible states
    // go; standard error unless replaced.
    std::function<void(std::string_view)> diagnostic;
    // Called once the turn has passed, a round has ended or the game is won:
    // the moments the host keeps its seats and saved table up to date.
    std::function<void()> progressed;

    // ---- helpers ----
    int getnumcards(int seat) const;
    // The computer plays a seat nobody holds or whose person only watches.
    bool computerplayed(int seat) const;
    // Dealt in whether or not a person holds it.
    bool dealtToComputer(int seat) const { return seat >= 2 && seat <= 1 + state_.computerseats; }
    void sendToAll(std::string_view text);

    // ---- deck and dealing (deck.cpp) ----
    void shufflecards();
    void reshuffle();
    int getcard();   // 0 when neither deck nor pile can give a card
    void dealcards();
    PlayResult startgame(std::string_view payload);   // "name+"
    void startround();

    // ---- turns (turns.cpp); payloads exactly as the wire delivers them ----
    // With no card left in deck or pile the draw ends the round instead.
    PlayResult draw(std::string_view payload);          // "seat+"
    PlayResult pickdiscard(std::string_view payload);   // "seat+"
    PlayResult discard(std::string_view payload);       // "seat+slot+"
    // The same requests with their fields read; the computer players call these.
    PlayResult draw(int seat);
    PlayResult pickdiscard(int seat);
    PlayResult discard(int seat, int slot);
    void findplayer();
    void endround(int seat);
    void checkforwin(int seat);
    void timer1Timer();
    void computertimerTimer();

    // ---- stages (stages.cpp) ----
    int getsettype(int seat, int group) const;   // a GroupType
    PlayResult createstage(std::string_view payload);        // "seat+slot+slot..."
    PlayResult createstage(int seat, const std::vector<int>& slots);

    // ---- hits (hits.cpp) ----
    PlayResult hitset(std::string_view payload);   // "seat+tag+slot+side+"
    // target and group as the tag's two digits, 0 for one that is not a digit.
    PlayResult hitset(int seat, int target, int group, int slot, std::string_view side);
    // Each places the card in the group when it fits.
    bool checkforkindmatch(int seat, int group, int card);
    bool checkforrunmatch(int seat, int group, int card, std::string_view side);
    bool checkforsuitmatch(int seat, int group, int card);

private:
    TableState state_;
    MessageSink& sink_;
    TimerControl& timers_;
    std::array<bool, kSeats + 1> kept_{};

    bool isturn(int seat) const;
    PlayResult playerror(int seat, PlayError error, std::string_view computertext);
    void restartcomputer();
    void report(std::string_view text);
    void syncpile();
    int emptyslot(int seat) const;
    void sendToOthers(int except, std::string_view text);
    bool heard(int except) const;   // some other connected place listens
    // Builds the text only when some connected place (but `except`) listens.
    template <typename Text>
    void tellOthers(int except, Text text) {
        if (heard(except)) sendToOthers(except, text());
    }
    template <typename Text>
    void tellAll(Text text) { tellOthers(0, text); }
    void laystage(int seat, const StageMatch& match);
    void appendgroups(std::string& text, int seat) const;
};

// Checks that all 108 cards are where they should be: each of 1..52 twice and
// 53 four times across the deck, the hands, the laid groups and the pile,
// nothing else anywhere, and the face-up card the pile's top entry. Returns
// an empty text when sound, else what is wrong. A table that was never dealt
// holds no card at all and counts as sound.
std::string checkcards(const Table& table);
std::string checkcards(const TableState& state);

}  // namespace velmora::host
