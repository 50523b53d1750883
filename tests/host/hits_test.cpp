// Hits: the fit tests for sets, runs and colour sets, and CMD_hitset.
#include "net/wire.h"
#include "table_fixture.h"

namespace velmora::host::testing {
namespace {

using Texts = std::vector<std::string>;
using Group = std::array<int, kGroupSize + 1>;
constexpr int W1 = 13, W2 = 26;

// Seats 1 and 2 play; seat 1 has laid its stage and has the turn.
class HitTest : public TableTest {
protected:
    void SetUp() override {
        connect({1, 2});
        start();
        setHand(1, {});   // every card the tests lay comes from the deck
        setHand(2, {});
        setTurn(1, 2);
        setGroup(1, 1, {5, 18, 31});
        setGroup(1, 2, {9, 22, 35});
    }
    // Seat 2 at a stage whose group 1 is a run, laid at positions from..to.
    void layRun(int from, int to) {
        t.players[2].stage = 4;
        std::vector<int> cards(kGroupSize, 0);
        for (int r = from; r <= to; ++r) cards[r - 1] = r + 13;
        setGroup(2, 1, cards);
    }
    // Where a card ends up on seat 2's run, 0 if it does not fit.
    int runhit(int card, std::string_view side) {
        for (int pos = 1; pos <= kGroupSize; ++pos) before_[pos] = t.players[2].groups[1][pos];
        if (!t.checkforrunmatch(2, 1, card, side)) return 0;
        for (int pos = 1; pos <= kGroupSize; ++pos)
            if (t.players[2].groups[1][pos] != before_[pos]) return pos;
        return -1;
    }

private:
    Group before_{};
};

TEST_F(HitTest, HitOnOwnGroupTellsEveryoneBothGroups) {
    setHand(1, {1, 44, 2});
    clear();
    EXPECT_EQ(t.hitset("1+11+2+r+"), kDone);
    const Texts expected{"CMD_hitthem+1+1+2+1+2+0+2+1+5+2+1+18+2+1+31+2+1+44+2+2+9+2+2+22+2+2+35"};
    EXPECT_EQ(sink.to(1), expected);
    EXPECT_EQ(sink.to(2), expected);
    EXPECT_EQ(t.players[1].groupcount[1], 4);
    EXPECT_EQ(t.players[1].hand[2], 0);
    expectSound();
}

TEST_F(HitTest, HitOnAnotherSeatsRun) {
    layRun(6, 8);
    setHand(1, {W1, 5});
    clear();
    EXPECT_EQ(t.hitset("1+21+2+l+"), kDone);
    EXPECT_EQ(sink.to(2), (Texts{"CMD_hitthem+1+2+1+1+2+0+2+1+5+2+1+19+2+1+20+2+1+21"}));
    expectSound();
}

TEST_F(HitTest, RunFitsOnlyNextToTheRunOnAFreeRank) {
    layRun(6, 8);
    EXPECT_EQ(runhit(5, "r"), 5);
    EXPECT_EQ(runhit(9, "l"), 9);
    EXPECT_EQ(runhit(20, "r"), 0);   // a second 7
    EXPECT_EQ(runhit(11, "r"), 0);   // 10 is free
    layRun(1, 3);
    EXPECT_EQ(runhit(5, "r"), 0);
    EXPECT_EQ(runhit(4, "r"), 4);
    layRun(1, 3);
    EXPECT_EQ(runhit(kSkip, "r"), 0);   // rank 1 is taken
}

TEST_F(HitTest, WildOnARunGoesToTheChosenEndWhileThereIsOne) {
    layRun(10, 12);
    EXPECT_EQ(runhit(W1, "r"), 9);   // no room above 12
    layRun(1, 3);
    EXPECT_EQ(runhit(W1, "l"), 4);   // no room below 1
    layRun(5, 7);
    EXPECT_EQ(runhit(W1, "r"), 8);
    EXPECT_EQ(runhit(W2, "l"), 4);
    EXPECT_EQ(runhit(W2, "x"), 3);   // anything but "r" is the low end
    layRun(1, 12);
    EXPECT_EQ(runhit(W1, "r"), 0);
    EXPECT_EQ(runhit(12, "r"), 0);
}

TEST_F(HitTest, SetsTakeTheirRankAndWildsUpToTwelveCards) {
    EXPECT_TRUE(t.checkforkindmatch(1, 1, 44));
    EXPECT_TRUE(t.checkforkindmatch(1, 1, W1));
    EXPECT_FALSE(t.checkforkindmatch(1, 1, 6));
    EXPECT_EQ(t.players[1].groups[1][5], W1);
    t.players[1].groups[1] = {0, 1, 14, 27, 40, 1, 14, 27, 40, kSkip, kSkip, kSkip, 13};
    t.players[1].groupcount[1] = 12;
    EXPECT_FALSE(t.checkforkindmatch(1, 1, W2));   // full
    EXPECT_FALSE(t.checkforkindmatch(1, 1, kSkip));
    t.players[1].groups[1][12] = 0;
    t.players[1].groupcount[1] = 11;
    EXPECT_TRUE(t.checkforkindmatch(1, 1, kSkip));   // a skip is a 1
}

TEST_F(HitTest, ColourSetsTakeTheirSuitAndAnyWild) {
    t.players[2].stage = 8;
    setGroup(2, 1, {14, 15, 16, 17, 18, 19, 20, W1});
    EXPECT_TRUE(t.checkforsuitmatch(2, 1, 52));   // a wild of another suit
    EXPECT_TRUE(t.checkforsuitmatch(2, 1, 25));
    EXPECT_FALSE(t.checkforsuitmatch(2, 1, 1));   // the wild's suit does not count
    EXPECT_FALSE(t.checkforsuitmatch(2, 1, kSkip));
    EXPECT_EQ(t.players[2].groupcount[1], 10);
    t.players[2].groups[1][11] = kSkip;
    EXPECT_TRUE(t.checkforsuitmatch(2, 1, kSkip));
}

TEST_F(HitTest, RefusedHitsAnswerTheirCodeAndChangeNothing) {
    setHand(1, {44, 6, 0, W1});
    t.players[2].stage = 4;   // one group, not laid
    const Snapshot before = snapshot(t);
    clear();
    const std::vector<std::pair<std::string, PlayError>> cases = {
        {"1+20+1+r+", PlayError::Invalid}, {"1+01+1+r+", PlayError::Invalid},
        {"1+x1+1+r+", PlayError::Invalid}, {"1+1+1+r+", PlayError::Invalid},
        {"1+11+2+r+", PlayError::HitDoesNotFit},    // a 6 on a set of 5s
        {"1+11+3+r+", PlayError::HitDoesNotFit},    // an empty slot
        {"1+11+12+r+", PlayError::HitDoesNotFit},   // a slot outside the hand
        {"1+13+1+r+", PlayError::HitDoesNotFit},    // group 3
        {"1+51+1+r+", PlayError::HitDoesNotFit},    // a watcher's place
        {"1+22+4+r+", PlayError::HitDoesNotFit},    // seat 2's stage has a single group
        {"1+21+4+r+", PlayError::HitDoesNotFit},    // seat 2 has not laid its stage, even for a wild
    };
    for (const auto& [payload, code] : cases) EXPECT_EQ(t.hitset(payload), refusal(code)) << payload;
    t.turnphase = 1;
    EXPECT_EQ(t.hitset("1+11+1+r+"), refusal(PlayError::NotNow));
    t.turnphase = 2;
    t.players[1].stagedone = 0;
    EXPECT_EQ(t.hitset("1+11+1+r+"), refusal(PlayError::NoStageYet));   // although the card would fit
    EXPECT_EQ(t.hitset("1+11+q+r+"), refusal(PlayError::NoStageYet));   // refused before the slot is read
    t.players[1].stagedone = 1;
    EXPECT_EQ(sink.to(1).size(), cases.size() + 3);
    EXPECT_EQ(sink.to(1).back(), "CMD_playerror+1+5+");
    EXPECT_TRUE(sink.to(2).empty());
    EXPECT_TRUE(snapshot(t) == before);
    EXPECT_THROW(t.hitset("1+11+q+r+"), wire::InvalidInteger);
    EXPECT_TRUE(snapshot(t) == before);
}

TEST_F(HitTest, HittingTheLastCardEndsTheRoundWithoutADiscard) {
    setHand(1, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 44});
    clear();
    t.hitset("1+11+11+r+");
    const Texts sent = sink.to(1);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].rfind("CMD_hitthem+1+1+0+1+11+0+", 0), 0u);
    EXPECT_EQ(sent[1].rfind("CMD_endround+1+1+2+0+0+", 0), 0u);
    EXPECT_EQ(t.turnphase, 3);
}

TEST_F(HitTest, ComputerSeatIsRestartedWhileCardsRemain) {
    t.players[1].connected = 0;
    setHand(1, {44, 6});
    clear();
    t.hitset("1+11+1+r+");
    EXPECT_EQ(timers.log, (Texts{"arm1000"}));
    t.hitset("1+11+2+r+");
    EXPECT_EQ(diags, (Texts{"computer error 7"}));
}

}  // namespace
}  // namespace velmora::host::testing
