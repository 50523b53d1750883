// Stage tests: which chosen cards make a stage and where they go, and laying
// a stage with CMD_createstage.
#include "table_fixture.h"

namespace velmora::host::testing {
namespace {

using Texts = std::vector<std::string>;
constexpr int W1 = 13, W2 = 26, W3 = 39, W4 = 52;   // the wilds
constexpr int S2 = 13;                                // suit 2 offset

class StageTest : public TableTest {
protected:
    // A hand of these cards in slots 1.., all of them chosen.
    StageResult test(int stage, const std::vector<int>& cards) {
        hand.fill(0);
        chosen.fill(0);
        for (std::size_t i = 0; i < cards.size(); ++i) {
            hand[i + 1] = cards[i];
            chosen[i + 1] = 1;
        }
        last = matchstage(hand, chosen, stage);
        return last.result;
    }
    Hand hand{};
    SlotMarks chosen{};
    StageMatch last;
};

TEST_F(StageTest, GroupTypesByStage) {
    const int expected[12][3] = {{0, 0, 0}, {1, 1, 1}, {1, 2, 0}, {1, 2, 0}, {2, 0, 0}, {2, 0, 0},
                                 {2, 0, 0}, {1, 1, 1}, {3, 0, 0}, {1, 2, 0}, {1, 1, 1}, {0, 0, 0}};
    for (int stage = 0; stage <= 11; ++stage) {
        t.players[1].stage = stage;
        for (int g = 1; g <= 3; ++g) EXPECT_EQ(t.getsettype(1, g), expected[stage][g - 1]) << stage << "/" << g;
    }
}

TEST_F(StageTest, SetsTakeWildsFirstAndOnlyAsManyCardsAsNeeded) {
    // 5 5 5 5 5 and a wild: three 5s, then the wild and two 5s.
    EXPECT_EQ(test(1, {5, 18, 31, 44, 5, W1}).text(), "+1+1+5+1+2+18+1+3+31+2+6+13+2+4+44+2+5+5");
    // Equal counts: the lower rank is the first set.
    EXPECT_EQ(test(1, {8, 3, 21, 16, 29, 34}).text(), "+1+2+3+1+4+16+1+5+29+2+1+8+2+3+21+2+6+34");
    // One natural card and two wilds are no set.
    EXPECT_TRUE(test(1, {7, 20, 33, 5, W1, W2}).empty());
    // A skip counts as a 1.
    EXPECT_EQ(test(1, {1, kSkip, 14, 5, 18, 31}).text(), "+1+1+1+1+2+53+1+3+14+2+4+5+2+5+18+2+6+31");
    // Stage 10: two natural 4s and three wilds make a set of 5.
    EXPECT_EQ(test(10, {2, 15, 28, 41, 2, 4, W1, 17, W2, W3}).text(),
              "+1+1+2+1+2+15+1+3+28+1+4+41+1+5+2+2+7+13+2+9+26+2+10+39+2+6+4+2+8+17");
    EXPECT_EQ(last.setrank, 4);
}

TEST_F(StageTest, RunAfterSetFirstTriesWithoutTheSetsRank) {
    // 7 7 7 7 4 5 6 8: without the fourth 7 there is a gap, so it joins the run.
    EXPECT_EQ(test(2, {7, 20, 33, 46, 4, 5, 6, 8}).text(),
              "+1+1+7+1+2+20+1+3+33+2+5+4+2+6+5+2+7+6+2+4+46+2+8+8");
    // 9 9 9 9 1 2 3 4: the run needs no 9, so the fourth 9 joins the set.
    EXPECT_EQ(test(2, {9, 22, 35, 48, 1, 2, 3, 4}).text(),
              "+1+1+9+1+2+22+1+3+35+1+4+48+2+5+1+2+6+2+2+7+3+2+8+4");
}

TEST_F(StageTest, SpareWildsLengthenRunsAlternatelyDownAndUp) {
    // 5 6 7 and four wilds: 4, 8, 3, 9.
    EXPECT_EQ(test(4, {5, 6, 7, W1, W2, W3, W4}).text(),
              "+1+4+13+1+5+26+1+1+5+1+2+6+1+3+7+1+6+39+1+7+52");
    EXPECT_EQ(last.wildpos, (std::array<int, 13>{0, 0, 0, 3, 4, 0, 0, 0, 8, 9, 0, 0, 0}));
    // A lone 12 and six wilds: nothing above 12, so the run is 6..12.
    EXPECT_EQ(test(4, {12, W1, W2, W3, W4, W1, W2}).text(),
              "+1+2+13+1+3+26+1+4+39+1+5+52+1+6+13+1+7+26+1+1+12");
    // 4..12 and two wilds: 3, then nothing above 12, then 2.
    EXPECT_EQ(test(6, {4, 5, 6, 7, 8, 9, 10, 11, 12, W1, W2}).entries().size(), 11u);
    EXPECT_EQ(last.wildpos[2] + last.wildpos[3], 5);
}

TEST_F(StageTest, RunsNeitherWrapNorUseASecondCardOfARank) {
    EXPECT_TRUE(test(4, {10, 11, 12, 1, 2, 3, W1}).empty());
    EXPECT_TRUE(test(5, {1, 2, 3, 4, 5, 6, 7}).empty());   // too short
    EXPECT_TRUE(test(4, {1, 2, 3, 5, 6, 7, 8}).empty());   // a gap and no wild
    const StageResult r = test(4, {3, 4, 5, 6, 6 + S2, 7, 8, 9});
    EXPECT_EQ(r.entries().size(), 7u);
    EXPECT_EQ(last.marks[5], 1);   // the second 6 stays free
}

// The test keeps nothing between calls: the same request, the same answer,
// even after a different stage was tested in between.
TEST_F(StageTest, TheSameRequestGetsTheSameAnswer) {
    const std::vector<int> cards{7, 20, 33, 46, 4, 5, W1, 8};
    const StageResult first = test(2, cards);
    const StageMatch firstmatch = last;
    test(4, {5, 6, 7, W1, W2, W3, W4});
    EXPECT_EQ(test(2, cards).text(), first.text());
    EXPECT_EQ(last.wildpos, firstmatch.wildpos);
    EXPECT_EQ(last.marks, firstmatch.marks);
    EXPECT_EQ(last.setrank, firstmatch.setrank);
}

TEST_F(StageTest, ColourSetsTakeEveryChosenCardOfOneSuit) {
    EXPECT_EQ(test(8, {14, 15, 16, 17, 18, 19, 20, 21, 22}).entries().size(), 9u);
    EXPECT_EQ(test(8, {14, 15, 16, 17, 18, 19, 20, W1}).entries().size(), 8u);   // a wild of any suit
    EXPECT_TRUE(test(8, {14, 15, 16, 17, 18, 19, 20}).empty());                   // seven only
    EXPECT_TRUE(test(8, {14, 15, 16, 17, 18, 19, 20, 21, 1}).empty());            // a second suit
    // A skip before the first suited card is laid with it; after it, it spoils the set.
    EXPECT_EQ(test(8, {kSkip, 14, 15, 16, 17, 18, 19, 20}).entries().size(), 8u);
    EXPECT_TRUE(test(8, {14, 15, 16, 17, 18, 19, 20, kSkip}).empty());
}

TEST_F(StageTest, UnknownStagesNeverPass) {
    EXPECT_TRUE(test(0, {5, 18, 31, 44, 5, 6}).empty());
    EXPECT_TRUE(test(11, {5, 18, 31, 44, 5, 6}).empty());
}

// Seats 1 and 2 play, seat 1 has the turn after its draw.
class CreateStageTest : public TableTest {
protected:
    void SetUp() override {
        connect({1, 2});
        start();
        setTurn(1, 2);
    }
};

TEST_F(CreateStageTest, LaysTheStageAndTellsEveryoneCardsAndGroups) {
    t.players[1].stage = 2;
    setHand(1, {9, 22, 35, 48, 1, 2, 3, 4, 40, 41});
    clear();
    EXPECT_EQ(t.createstage("1+8+7+6+5+4+3+2+1+0+12+1"), kDone);
    const std::string msg =
        "CMD_playstage+1+2+t+1+1+0+1+2+0+1+3+0+1+4+0+1+5+0+1+6+0+1+7+0+1+8+0"
        "+2+1+9+2+1+22+2+1+35+2+1+48+2+2+1+2+2+2+2+2+3+2+2+4";
    EXPECT_EQ(sink.to(1), (Texts{msg}));
    EXPECT_EQ(sink.to(2), (Texts{msg}));
    const tplayer& p = t.players[1];
    EXPECT_EQ(p.stagedone, 1);
    EXPECT_EQ(p.groupcount[1], 4);
    EXPECT_EQ(p.groups[2][3], 3);
    EXPECT_EQ(t.getnumcards(1), 2);
    EXPECT_EQ(t.turnphase, 2);   // the seat still discards
    expectSound();
}

TEST_F(CreateStageTest, WildsOfARunLandOnTheRanksTheyStandFor) {
    t.players[1].stage = 4;
    setHand(1, {5, 6, 7, W1, W2, W3, W4, 40});
    t.createstage("1+1+2+3+4+5+6+7");
    const auto& run = t.players[1].groups[1];
    EXPECT_EQ(run, (std::array<int, 13>{0, 0, 0, W1, W2, 5, 6, 7, W3, W4, 0, 0, 0}));
    expectSound();
}

TEST_F(CreateStageTest, RefusalsAnswerTheirCodeAndLeaveTheHand) {
    setHand(1, {5, 18, 31, 6, 19, 7});
    const Snapshot before = snapshot(t);
    clear();
    EXPECT_EQ(t.createstage("1+1+2+3+4+5+6"), refusal(PlayError::NotAStage));
    EXPECT_EQ(t.createstage("1"), refusal(PlayError::NotAStage));   // nothing chosen
    t.turnphase = 1;
    EXPECT_EQ(t.createstage("1+1+2+3"), refusal(PlayError::NotNow));
    t.turnphase = 2;
    t.players[1].stagedone = 1;
    EXPECT_EQ(t.createstage("1+1+2+3"), refusal(PlayError::StageDone));
    t.players[1].stagedone = 0;
    EXPECT_EQ(sink.to(1), (Texts{"CMD_playerror+1+3+", "CMD_playerror+1+3+", "CMD_playerror+1+1+",
                                 "CMD_playerror+1+4+"}));
    EXPECT_TRUE(sink.to(2).empty());
    EXPECT_TRUE(snapshot(t) == before);
}

TEST_F(CreateStageTest, LastSeatToLayEndsTheRoundWithCardsLeft) {
    t.players[2].stagedone = 1;
    setHand(1, {5, 18, 31, 6, 19, 32, 40});
    clear();
    t.createstage("1+1+2+3+4+5+6+");   // a trailing "+" is tolerated
    const Texts sent = sink.to(1);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].substr(0, 20), "CMD_playstage+1+1+f+");
    EXPECT_EQ(sent[1].rfind("CMD_endround+1+1+2+", 0), 0u);
    EXPECT_EQ(t.players[2].stage, 2);
    EXPECT_EQ(t.turnphase, 3);
}

TEST_F(CreateStageTest, EmptyingTheHandEndsTheRoundWithoutADiscard) {
    setHand(1, {5, 18, 31, 6, 19, 32});
    clear();
    t.createstage("1+1+2+3+4+5+6");
    const Texts sent = sink.to(2);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0], "CMD_playstage+1+0+f+1+1+0+1+2+0+1+3+0+1+4+0+1+5+0+1+6+0"
                       "+2+1+5+2+1+18+2+1+31+2+2+6+2+2+19+2+2+32");
    EXPECT_EQ(sent[1].rfind("CMD_endround+1+1+2+0+0+2+1+", 0), 0u);
    expectSound();
}

TEST_F(CreateStageTest, ComputerSeatIsRestartedAfterLaying) {
    t.players[1].connected = 0;
    setHand(1, {5, 18, 31, 6, 19, 32, 40});
    clear();
    t.createstage("1+1+2+3+4+5+6");
    EXPECT_EQ(timers.log, (Texts{"arm1000"}));
}

}  // namespace
}  // namespace velmora::host::testing
