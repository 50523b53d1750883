// The computer players: one greedy, deterministic move per tick of the
// computer timer for every seat no person plays. They act only through the
// table's rule operations, with the payload texts a client would send.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

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

class ComputerPlayer {
public:
    explicit ComputerPlayer(Table& table, ComputerMends mends = {}) : t_(table), mends_(mends) {}

    // Called with "operation payload" for every request handed to the table,
    // before the table sees it.
    std::function<void(std::string_view)> trace;

    // ---- turn driver and hand analysis ----
    void computerplay(int seat);
    void computerdraw(int seat);
    bool checkforrecentdiscard(int seat, int card) const;
    // mode 1: a card with one partner is kept; mode 2: two partners to take it.
    bool checkforcomputerneed(int seat, int leftout, int card, int mode) const;

    // ---- create, hit and discard ----
    void computercreate(int seat);
    // Each lays its stage from the hand; true when the table accepted it.
    bool checkforcomputer1(int seat);
    bool checkforcomputer2(int seat);
    bool checkforcomputer3(int seat);
    bool checkforcomputer4(int seat);
    bool checkforcomputer5(int seat);
    bool checkforcomputer6(int seat);
    bool checkforcomputer7(int seat);
    bool checkforcomputer8(int seat);
    bool checkforcomputer9(int seat);
    bool checkforcomputer10(int seat);
    // "+slot+slot..." of a set of n or a run of n; empty when none fits.
    std::string checkforitset(int seat, int n);
    std::string checkforitrun(int seat, int n);
    bool checkforplacement(int card) const;
    // True when a card was hit; a refused hit tries the next fit.
    bool computerhitthem(int seat);
    void computerdiscard(int seat);

    // Slot marks and wild budget of the stage builders, open for tests:
    // 0 free, 1 chosen for the group being built, 2 given to a built group.
    std::array<int, kHandSlots + 1> marks{};
    int wildbudget = 0;

    // Resets marks and budget as every stage attempt starts.
    void resetbuilders(int seat);

    static constexpr int kPileStreak = 4;
    static constexpr int kStallReshuffles = 2;

private:
    Table& t_;
    ComputerMends mends_;
    // Computer pick-ups since the last computer draw (the streak cap's count).
    int pilestreak_ = 0;

    bool stalled() const;
    int surpluswild(int seat) const;
    bool fitstable(int card) const;   // some laid group would take it

    int request(int (Table::*op)(std::string_view), std::string_view name, const std::string& payload);
    bool laystage(int seat, const std::string& first, const std::string& second);
    bool twogroups(int seat, bool set2, int n1, int n2);
    bool singlerun(int seat, int n);
    bool hitfits(int target, int group, int card) const;
};

// Gives the table a computer player for its seats; the table keeps it alive.
void installComputerPlayers(Table& table, ComputerMends mends = {});

}  // namespace velmora::host
