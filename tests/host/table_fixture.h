// A table with a recording sink and fake timers, and helpers that move cards
// between the deck and hands, groups or pile so every set-up stays a full,
// sound deck of 108 cards.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/table.h"
#include "table_access.h"

namespace velmora::host {

// Names a request's outcome in a failed expectation.
inline void PrintTo(const PlayResult& r, std::ostream* os) {
    *os << (r.kind == PlayResult::Done ? "done" : r.kind == PlayResult::Ignored ? "ignored" : "refused ")
        << (r.refused() ? playErrorCode(r.error) : 0);
}

}  // namespace velmora::host

namespace velmora::host::testing {

struct RecordingSink : MessageSink {
    std::vector<std::pair<int, std::string>> sent;
    void sendTo(int place, std::string_view text) override { sent.emplace_back(place, std::string(text)); }
    std::vector<std::string> to(int place) const;   // texts sent to one place, in order
};

struct FakeTimers : TimerControl {
    std::vector<std::string> log;
    void startTimer1() override { log.push_back("start1"); }
    void stopTimer1() override { log.push_back("stop1"); }
    void armComputerTimer(int ms) override { log.push_back("arm" + std::to_string(ms)); }
    void stopComputerTimer() override { log.push_back("stopc"); }
};

// The table with its state open: tests set up positions card by card
// through names that stand for the state's fields.
class OpenTable : public Table {
public:
    using Table::Table;

private:
    TableState& s_ = TableAccess::state(*this);

public:
    decltype(s_.players)& players = s_.players;
    decltype(s_.deck)& deck = s_.deck;
    int& deckpos = s_.deckpos;
    decltype(s_.discards)& discards = s_.discards;
    int& discardcount = s_.discardcount;
    int& topdiscard = s_.topdiscard;
    int& underdiscard = s_.underdiscard;
    int& gameon = s_.gameon;
    int& seatsused = s_.seatsused;
    int& seatcount = s_.seatcount;
    int& curplayer = s_.curplayer;
    int& turnphase = s_.turnphase;
    int& roundpause = s_.roundpause;
    int& timer1tag = s_.timer1tag;
    int& botspeed = s_.botspeed;
    int& idlereshuffles = s_.idlereshuffles;
    Random& random = s_.random;
};

// Everything a refused request must leave as it was.
struct Snapshot {
    std::array<tplayer, kPlaces + 1> players;
    std::array<int, kDeckSize + 1> deck, discards;
    std::vector<int> values;
    bool operator==(const Snapshot&) const = default;
};
Snapshot snapshot(const Table& table);

class TableTest : public ::testing::Test {
protected:
    RecordingSink sink;
    FakeTimers timers;
    OpenTable t{sink, timers, 12345};
    std::vector<std::string> diags;

    TableTest();
    // Marks the places connected; seatsused becomes the highest of them.
    void connect(std::initializer_list<int> places);
    // Starts a game and forgets the messages and timer calls of the start.
    void start();
    void clear();
    // Replaces a seat's hand with the given cards in slots 1.. (0 leaves a slot empty).
    void setHand(int seat, const std::vector<int>& cards);
    // Replaces the pile; the last card is face up.
    void setPile(const std::vector<int>& cards);
    // Lays a group: cards at positions 1..; a set's groupcount is its card count.
    void setGroup(int seat, int group, const std::vector<int>& cards);
    void setTurn(int seat, int phase) { t.curplayer = seat, t.turnphase = phase; }
    void expectSound() { EXPECT_EQ(checkcards(t), ""); }

private:
    int take(int card, int keepseat = 0);
    void giveback(int& slot);
};

}  // namespace velmora::host::testing
