// The computer players: one greedy, deterministic move per tick of the
// computer timer for every seat no person plays. They act only through the
// table's rule operations, the same ones the wire requests reach.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "game/stagetable.h"
#include "host/expert.h"
#include "host/table.h"

namespace velmora::host {

// The few changes to the greedy rules without which some games never end.
// Each can be switched off to measure what it is there for.
struct ComputerMends {
    // After kPileStreak pick-ups in a row by computer seats the next one
    // draws: seats that only pass needed cards round the pile would
    // otherwise never bring a new card into play.
    bool streakcap = true;
    // A wild the unlaid stage has no room for is discarded before natural
    // cards: a hand of wilds and one pair would otherwise keep throwing away
    // the second pair it waits for.
    bool surpluswilds = true;
    // Once the deck has been reshuffled kStallReshuffles times in a round
    // without a stage laid or a card hit, a seat that has not laid its stage
    // discards a card that a laid group takes before any other, and a rank
    // that lies on the table may start a set. Otherwise a laid seat can wait
    // for ever for cards the others keep for their stages, and a seat whose
    // sets are of ranks inside a laid run can never lay.
    bool stallbreaker = true;
};

// What a laid group takes, as bit masks.
struct GroupView {
    int type = kNoGroup;
    bool natural = false;   // holds a natural card
    unsigned ranks = 0;     // ranks of its natural cards
    unsigned suits = 0;     // suits of its natural cards
    unsigned edges = 0;     // free run positions next to a filled one
    int firstsuit = 0;      // the suit of position 1
};

// The hand and the table as one decision sees them, read once.
struct Analysis {
    int seat = 0;
    std::array<int, kGroupSize + 1> ranks{};   // hand cards by rank (0 = wild)
    std::array<int, 5> suits{};                // all eleven slots by suit
    int favoured = 1;                          // the colour stage's suit
    std::array<std::array<GroupView, 3>, kSeats + 1> groups{};   // laid groups [seat][1..2]
    unsigned placed = 0;       // ranks of natural cards in any laid group
    unsigned tableranks = 0;   // ranks a laid set or run would take
    unsigned tablesuits = 0;   // suits of the laid colour sets' first positions
};

// One stage attempt's scratch, made afresh for each attempt: slot marks (0
// free, 1 chosen for the group being built, 2 given to a built group), the
// wilds left to spend, and the ranks of the laid groups (kept for hits).
struct StageAttempt {
    std::array<int, kHandSlots + 1> marks{};
    int wildbudget = 0;
    unsigned placed = 0;
};

class ComputerPlayer {
public:
    explicit ComputerPlayer(Table& table, ComputerMends mends = {}) : t_(table), mends_(mends) {}

    // Called with "operation payload" (the wire request's text) for every
    // request handed to the table, before the table sees it.
    std::function<void(std::string_view)> trace;
    long refusals = 0;   // requests the table refused with a play error

    // ---- turn driver and hand analysis ----
    void computerplay(int seat);
    void computerdraw(int seat);
    bool checkforrecentdiscard(int seat, int card) const;
    // mode 1: a card with one partner is kept; mode 2: two partners to take it.
    bool checkforcomputerneed(int seat, int leftout, int card, int mode) const;

    // ---- create, hit and discard ----
    void computercreate(int seat);
    // Lays the seat's stage from the hand; true when the table accepted it.
    bool buildstage(int seat, int stage);
    bool checkforcomputer8(int seat);   // the colour set
    // "+slot+slot..." of a set of n or a run of n; empty when none fits.
    std::string checkforitset(int seat, int n, StageAttempt& attempt) const;
    std::string checkforitrun(int seat, int n, StageAttempt& attempt) const;
    // True when a card was hit; a refused hit tries the next fit.
    bool computerhitthem(int seat);
    void computerdiscard(int seat);

    // Begins a stage attempt: its marks, wild budget and the table's ranks.
    StageAttempt beginattempt(int seat) const;

    static constexpr int kPileStreak = 4;
    static constexpr int kStallReshuffles = 2;

private:
    Table& t_;
    ComputerMends mends_;
    // Computer pick-ups since the last computer draw (the streak cap's count).
    int pilestreak_ = 0;

    Analysis analyse(int seat) const;   // seat 0: the table alone
    bool needs(const Analysis& a, int leftout, int card, int mode) const;
    static bool hitfits(const GroupView& v, int card);
    bool fitstable(const Analysis& a, int card) const;   // some laid group takes it
    bool computerhitthem(const Analysis& a);
    void computerdiscard(const Analysis& a);
    bool stalled() const;
    int surpluswild(int seat) const;
    std::string buildgroup(int seat, GroupType type, int n, StageAttempt& attempt) const;
    bool laystage(int seat, const std::string& slots);

    // The request's text is built only when someone traces.
    template <typename Text>
    void note(std::string_view op, Text text) {
        if (trace) trace(std::string(op) + " " + text());
    }
    PlayResult counted(PlayResult result) {
        if (result.refused()) ++refusals;
        return result;
    }
};

enum class ComputerLevel : unsigned char { Designed, Strong, Expert };

// The level the Options menu and the settings number 0, 1 and 2; any other
// number is the designed level.
constexpr ComputerLevel computerlevelof(int number) {
    return number >= 1 && number <= 2 ? static_cast<ComputerLevel>(number) : ComputerLevel::Designed;
}

// Every computer-played seat at its level: the designed greedy player, the
// strong one that decides from the seat's public view, or the expert that
// searches samples of the hidden cards from the same view.
class ComputerSeats {
public:
    explicit ComputerSeats(Table& table, ComputerMends mends = {}) : t_(table), designed(table, mends) {}
    void play(int seat);
    void setlevel(int seat, ComputerLevel level);
    void setall(ComputerLevel level) { levels_.fill(level); }
    ComputerLevel level(int seat) const { return seat >= 1 && seat <= kSeats ? levels_[seat] : ComputerLevel::Designed; }
    // One strong move for the seat whose turn it is; a refused move (never
    // expected) is counted and the turn goes on with a plain draw or discard.
    void playstrong(int seat);
    void playexpert(int seat);

    long strongrefusals = 0;
    long expertrefusals = 0;
    int expertbudget = kExpertBudget;   // samples per searched decision

private:
    Table& t_;
    std::array<ComputerLevel, kSeats + 1> levels_{};
    // Carries out a move of the public view's players; false when refused.
    bool carryout(int seat, const StrongMove& move);

public:
    ComputerPlayer designed;
};

// Gives the table a computer player for its seats; the table keeps it alive.
// The answer lets the host change the seats' level.
std::shared_ptr<ComputerSeats> installComputerPlayers(Table& table, ComputerMends mends = {});

}  // namespace velmora::host
