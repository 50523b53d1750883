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

class ComputerPlayer {
public:
    explicit ComputerPlayer(Table& table) : t_(table) {}

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
    // Ranks that lie on the table start no set unless nothing else can be laid.
    void resetbuilders(int seat);

    // Pick-ups in a row by computer seats before one of them must draw.
    static constexpr int kPileStreak = 4;

private:
    Table& t_;
    // Computer pick-ups since the last computer draw. Seats that only pass a
    // few needed cards (wilds too) round the pile would otherwise never end
    // the round; after kPileStreak of them the next computer draws.
    int pilestreak_ = 0;
    // The card each seat took from the pile in its current turn, 0 if it drew.
    // Only that card is spared by the discard: `lastpickup` is never reset,
    // and sparing it for ever can leave a seat holding it for ever.
    std::array<int, kSeats + 1> tookthisturn_{};
    // The slot the card of this turn went to. Discard ties go against the
    // older cards, or a laid seat would throw each new card away and keep
    // cards that can never be hit.
    std::array<int, kSeats + 1> freshslot_{};
    // Off when no stage can be built while table ranks are kept for hits.
    bool keepforhits_ = true;

    int sparedcard(int seat) const;
    int surpluswild(int seat, int spared) const;
    int weakest(int seat, int spared) const;

    int request(int (Table::*op)(std::string_view), std::string_view name, const std::string& payload);
    bool laystage(int seat, const std::string& first, const std::string& second);
    bool twogroups(int seat, bool set2, int n1, int n2);
    bool singlerun(int seat, int n);
    bool hitfits(int target, int group, int card) const;
};

// Gives the table a computer player for its seats; the table keeps it alive.
void installComputerPlayers(Table& table);

}  // namespace velmora::host
