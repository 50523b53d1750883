// The computer's choices, one tick at a time, on hands set up card by card.
// Seat 2 is the computer; seat 1 a person who only watches where needed.
#include "host/computer.h"
#include "table_fixture.h"

namespace velmora::host::testing {
namespace {

class ComputerTest : public TableTest {
protected:
    ComputerPlayer cp{t};
    std::vector<std::string> reqs;

    void SetUp() override {
        connect({1});
        start();
        cp.trace = [this](std::string_view r) { reqs.emplace_back(r); };
    }
    // Seat 2 to move in `phase` at `stage`, holding `hand`, nothing laid.
    void seat2(int stage, int phase, const std::vector<int>& hand) {
        setGroup(2, 1, {});
        setGroup(2, 2, {});
        t.players[2].stagedone = 0;
        t.players[2].stage = stage;
        setHand(2, hand);
        setTurn(2, phase);
        reqs.clear();
        clear();
    }
    // What seat 2 asks for when it must discard from `hand` at `stage`.
    std::vector<std::string> discardfrom(int stage, const std::vector<int>& hand, int lastpickup = 0,
                                         ComputerPlayer* player = nullptr) {
        seat2(stage, 2, hand);
        t.players[2].lastpickup = lastpickup;
        ComputerPlayer& who = player ? *player : cp;
        who.trace = cp.trace;
        who.computerdiscard(2);
        return reqs;
    }
};

TEST_F(ComputerTest, DrawTakesWildsNeverSkipsNorAnEmptyPile) {
    const std::vector<int> hand = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    for (const auto& [pile, want] : std::vector<std::pair<std::vector<int>, std::string>>{
             {{40, 13}, "pickdiscard 2+"}, {{40, 53}, "draw 2+"}, {{}, "draw 2+"}}) {
        seat2(1, 1, hand);
        setPile(pile);
        cp.computerplay(2);
        ASSERT_EQ(reqs, std::vector<std::string>{want});
        EXPECT_EQ(t.turnphase, 2);
        expectSound();
    }
}

TEST_F(ComputerTest, RecentDiscardsOfAnyRoundBlockTheTake) {
    seat2(1, 1, {5, 18, 1, 2, 3, 4, 6, 7, 8, 9});
    setPile({31});  // a third 5, needed for a set
    t.players[2].lastdiscards = {0, 10, 11, 44};  // 44: a 5 discarded rounds ago
    cp.computerplay(2);
    EXPECT_EQ(reqs, std::vector<std::string>{"draw 2+"});

    seat2(1, 1, {5, 18, 1, 2, 3, 4, 6, 7, 8, 9});
    t.players[2].lastdiscards = {0, 10, 11, 12};
    cp.computerplay(2);
    EXPECT_EQ(reqs, std::vector<std::string>{"pickdiscard 2+"});
    EXPECT_EQ(t.players[2].lastpickup, 31);
}

TEST_F(ComputerTest, NeedAnalysisByStage) {
    // A run stage finds a duplicate useless, even where it would extend a laid run.
    t.players[1].stage = 4;
    setGroup(1, 1, {0, 0, 0, 0, 0, 6, 7, 8, 9, 10, 11, 12});
    seat2(4, 2, {5, 1, 40});
    EXPECT_FALSE(cp.checkforcomputerneed(2, 0, 18, 1));   // rank 5, held already
    EXPECT_TRUE(cp.checkforcomputerneed(2, 0, 19, 1));    // rank 6 next to the 5
    EXPECT_TRUE(cp.checkforcomputerneed(2, 0, 17, 2));    // rank 4 next to the 5
    EXPECT_FALSE(cp.checkforcomputerneed(2, 0, 21, 2));   // rank 8: nothing
    // Stage 8: equal counts favour the lower suit; the left-out slot counts.
    seat2(8, 2, {1, 2, 3, 14, 15, 16});
    EXPECT_TRUE(cp.checkforcomputerneed(2, 0, 4, 1));
    EXPECT_FALSE(cp.checkforcomputerneed(2, 0, 17, 1));
    EXPECT_FALSE(cp.checkforcomputerneed(2, 4, 17, 1));
    // Sets: one partner keeps a card, two are needed to take it.
    seat2(1, 2, {3, 6, 19});
    EXPECT_TRUE(cp.checkforcomputerneed(2, 0, 16, 1));
    EXPECT_FALSE(cp.checkforcomputerneed(2, 0, 16, 2));
    EXPECT_TRUE(cp.checkforcomputerneed(2, 0, 18, 2));   // rank 5 extends the laid run
    EXPECT_TRUE(cp.checkforcomputerneed(2, 0, 32, 2));
}

TEST_F(ComputerTest, NeedAnalysisEdges) {
    // A wild in hand has rank 0, the neighbour below a 1; nothing lies above a 12.
    seat2(4, 2, {13, 30});
    EXPECT_TRUE(cp.checkforcomputerneed(2, 0, 1, 1));
    EXPECT_FALSE(cp.checkforcomputerneed(2, 0, 12, 1));
    // A laid colour set is known by the suit of its first position, even a wild's.
    t.players[1].stage = 8;
    setGroup(1, 1, {13, 15, 16, 17, 18, 19, 20, 21});
    seat2(1, 2, {5});
    EXPECT_TRUE(cp.checkforcomputerneed(2, 0, 1, 2));
    EXPECT_FALSE(cp.checkforcomputerneed(2, 0, 18, 2));
    expectSound();
}

TEST_F(ComputerTest, StageOneExampleListsSetsInSlotOrder) {
    // Three 7s (slots 2, 4, 6), two 9s (3, 8), a wild (5), five odd cards.
    seat2(1, 2, {2, 7, 9, 20, 13, 33, 4, 22, 11, 25, 42});
    cp.computerplay(2);
    ASSERT_EQ(reqs, std::vector<std::string>{"createstage 2+2+4+6+3+5+8"});
    EXPECT_EQ(t.players[2].stagedone, 1);
    EXPECT_EQ(t.getnumcards(2), 5);
    ASSERT_FALSE(sink.to(1).empty());
    EXPECT_TRUE(sink.to(1).front().starts_with("CMD_playstage+2+5+t+"));
    expectSound();
}

TEST_F(ComputerTest, TableRanksNeverStartASet) {
    t.players[1].stage = 1;
    setGroup(1, 1, {7, 20, 33});
    // Four 7s, three 9s, three 5s: the 7s stay for hits.
    seat2(1, 2, {46, 9, 7, 22, 20, 35, 5, 18, 31, 1, 2});
    cp.computerplay(2);
    EXPECT_EQ(reqs, std::vector<std::string>{"createstage 2+2+4+6+7+8+9"});
    // Even when nothing else makes the second set: the seat discards.
    seat2(1, 2, {46, 9, 7, 22, 20, 35, 2, 3, 4, 6, 8});
    cp.computerplay(2);
    ASSERT_EQ(reqs.size(), 1u);
    EXPECT_TRUE(reqs[0].starts_with("discard 2+")) << reqs[0];
    // Once the round stalls, they may.
    seat2(1, 2, {46, 9, 7, 22, 20, 35, 2, 3, 4, 6, 8});
    t.idlereshuffles = ComputerPlayer::kStallReshuffles;
    cp.computerplay(2);
    EXPECT_EQ(reqs, std::vector<std::string>{"createstage 2+1+3+5+2+4+6"});
    expectSound();
}

TEST_F(ComputerTest, WildBudgetIsSharedBetweenSets) {
    seat2(1, 2, {7, 20, 13, 9, 22, 1, 2, 3, 4, 5, 6});
    StageAttempt attempt = cp.beginattempt(2);
    EXPECT_EQ(attempt.wildbudget, 1);
    EXPECT_EQ(cp.checkforitset(2, 3, attempt), "+1+2+3");
    EXPECT_EQ(attempt.wildbudget, 0);
    EXPECT_EQ(cp.checkforitset(2, 3, attempt), "");
    // Nothing lays, so the tick discards instead.
    cp.computerplay(2);
    ASSERT_EQ(reqs.size(), 1u);
    EXPECT_TRUE(reqs[0].starts_with("discard 2+"));
    EXPECT_EQ(t.curplayer, 1);
}

TEST_F(ComputerTest, RunBuilderTakesLowestStartAndHigherSlot) {
    // Ranks 3..9 with a second 3 in slot 8 and one wild: start 2 fits first.
    seat2(4, 2, {3, 4, 5, 6, 7, 8, 9, 16, 13, 12, 11});
    StageAttempt attempt = cp.beginattempt(2);
    EXPECT_EQ(cp.checkforitrun(2, 7, attempt), "+9+8+2+3+4+5+6");
    EXPECT_EQ(attempt.wildbudget, 1);
    seat2(4, 2, {3, 4, 5, 6, 7, 8, 9, 16, 13, 12, 11});
    cp.computerplay(2);
    EXPECT_EQ(reqs, std::vector<std::string>{"createstage 2+9+8+2+3+4+5+6"});
    EXPECT_EQ(t.players[2].stagedone, 1);
    expectSound();
}

TEST_F(ComputerTest, ColourStageLaysNineOrSevenAndAWild) {
    seat2(8, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 14, 15});
    cp.computerplay(2);
    EXPECT_EQ(reqs, std::vector<std::string>{"createstage 2+1+2+3+4+5+6+7+8+9"});
    EXPECT_EQ(t.players[2].groupcount[1], 9);
    seat2(8, 2, {1, 2, 3, 4, 5, 6, 7, 14, 26, 15, 16});
    cp.computerplay(2);
    EXPECT_EQ(reqs, std::vector<std::string>{"createstage 2+1+2+3+4+5+6+7+9"});
    expectSound();
}

TEST_F(ComputerTest, DiscardOrderSkipFirstWildLastPickupSpared) {
    seat2(1, 2, {5, 18, 7, 20, 53, 9, 22, 11, 24, 2, 15});
    cp.computerplay(2);
    EXPECT_EQ(reqs, std::vector<std::string>{"discard 2+5+"});
    EXPECT_EQ(sink.to(1).front(), "CMD_hisdiscard+2+10+53+5+1+");

    seat2(1, 2, {13, 26, 0, 1});
    cp.computerdiscard(2);
    EXPECT_EQ(reqs, std::vector<std::string>{"discard 2+4+"});

    // The 5 just taken is kept while another natural card can go, though
    // each 5 has as many partners as the others.
    seat2(1, 1, {0, 5, 18, 13, 26});
    setPile({31});
    cp.computerplay(2);
    cp.computerplay(2);
    EXPECT_EQ(reqs, (std::vector<std::string>{"pickdiscard 2+", "discard 2+2+"}));
    EXPECT_EQ(t.players[2].hand[1], 31);
    // With only the picked-up card left among the naturals, it goes.
    EXPECT_EQ(discardfrom(1, {18, 13}, 18), std::vector<std::string>{"discard 2+1+"});
    expectSound();
}

TEST_F(ComputerTest, DiscardScansSlotsInOrder) {
    // Stage 1: no card has a partner, so the first slot goes, whatever was drawn.
    EXPECT_EQ(discardfrom(1, {1, 15, 29, 43, 5, 19, 33, 47, 9, 23, 37}), std::vector<std::string>{"discard 2+1+"});
    expectSound();
}

TEST_F(ComputerTest, SurplusWildsGoBeforeNaturalsSparingTheOneTaken) {
    setHand(1, {});
    // Stage 1 uses at most two wilds; the third is surplus. The first wild
    // (13) was just taken from the pile, so the next one goes.
    EXPECT_EQ(discardfrom(1, {13, 5, 26, 18, 39, 1, 2}, 13), std::vector<std::string>{"discard 2+3+"});
    // Two wilds are not too many: a natural card without partner goes.
    EXPECT_EQ(discardfrom(1, {13, 5, 26, 18, 1, 2}), std::vector<std::string>{"discard 2+5+"});
    // Switched off, the wilds wait for the last pass.
    ComputerPlayer plain(t, {.streakcap = true, .surpluswilds = false});
    EXPECT_EQ(discardfrom(1, {13, 5, 26, 18, 39, 1, 2}, 0, &plain), std::vector<std::string>{"discard 2+6+"});
    expectSound();
}

TEST_F(ComputerTest, PickUpStreakEndsWithADraw) {
    const std::vector<int> hand = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    for (int i = 1; i <= ComputerPlayer::kPileStreak + 1; ++i) {
        seat2(1, 1, hand);
        setPile({40, 13});
        cp.computerdraw(2);
        const bool capped = i > ComputerPlayer::kPileStreak;
        EXPECT_EQ(reqs, std::vector<std::string>{capped ? "draw 2+" : "pickdiscard 2+"}) << i;
    }
    // The draw starts a new streak.
    seat2(1, 1, hand);
    setPile({40, 13});
    cp.computerdraw(2);
    EXPECT_EQ(reqs, std::vector<std::string>{"pickdiscard 2+"});
    expectSound();
}

TEST_F(ComputerTest, StalledRoundFeedsTheLaidGroups) {
    t.players[1].stage = 1;
    setGroup(1, 1, {7, 20, 33});
    // Stage 1 unlaid: the 46 (a 7) is kept for a later hit; the 5 with only
    // one partner goes on the second pass.
    const std::vector<int> hand = {5, 18, 46, 9, 22};
    t.idlereshuffles = ComputerPlayer::kStallReshuffles - 1;
    EXPECT_EQ(discardfrom(1, hand), std::vector<std::string>{"discard 2+1+"});
    // Once the round stands still, the card the laid set takes goes first.
    t.idlereshuffles = ComputerPlayer::kStallReshuffles;
    EXPECT_EQ(discardfrom(1, hand), std::vector<std::string>{"discard 2+3+"});
    // Switched off, the stall changes nothing.
    ComputerPlayer plain(t, {.stallbreaker = false});
    EXPECT_EQ(discardfrom(1, hand, 0, &plain), std::vector<std::string>{"discard 2+1+"});
    expectSound();
}

TEST_F(ComputerTest, IdleReshufflesCountUntilAStageOrAHit) {
    // A laid seat's hit starts the count again.
    t.players[1].stage = 1;
    setGroup(1, 1, {7, 20, 33});
    seat2(1, 2, {});
    t.players[2].stagedone = 1;
    setHand(2, {46, 1});
    cp.computerplay(2);
    EXPECT_EQ(reqs, std::vector<std::string>{"hitset 2+11+1+r+"});
    EXPECT_EQ(t.idlereshuffles, 0);
    // So does a stage laid.
    t.idlereshuffles = 3;
    seat2(1, 2, {3, 16, 29, 9, 22, 35});
    cp.computerplay(2);
    EXPECT_EQ(t.players[2].stagedone, 1);
    EXPECT_EQ(t.idlereshuffles, 0);
    expectSound();
    // Every reshuffle counts (this one drops the undealt deck).
    t.reshuffle();
    EXPECT_EQ(t.idlereshuffles, 1);
}

TEST_F(ComputerTest, RefusedHitOnAFullGroupTriesTheNextFit) {
    t.players[1].stage = 1;
    setGroup(1, 1, {14, 40});
    seat2(8, 2, {2, 27, 0});
    setGroup(2, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    cp.computerplay(2);
    EXPECT_EQ(reqs, (std::vector<std::string>{"hitset 2+21+1+r+", "hitset 2+11+2+r+"}));
    EXPECT_EQ(diags, std::vector<std::string>{"computer error 7"});
    EXPECT_EQ(t.players[1].groupcount[1], 3);
    // Only the full group fits now: the tick discards instead.
    reqs.clear();
    cp.computerplay(2);
    EXPECT_EQ(reqs, (std::vector<std::string>{"hitset 2+21+1+r+", "discard 2+1+"}));
    EXPECT_EQ(t.turnphase, 3);  // the hand is empty
    expectSound();
}

TEST_F(ComputerTest, TickMovesOnceAndOnlyForComputerSeats) {
    installComputerPlayers(t);
    t.players[1].stage = 1;
    setGroup(1, 1, {14, 40});
    seat2(1, 2, {1, 27, 3});
    t.players[2].stagedone = 1;
    t.computertimerTimer();
    EXPECT_EQ(t.getnumcards(2), 2);  // one hit, no more
    EXPECT_EQ(timers.log, (std::vector<std::string>{"stopc", "arm1000"}));
    // A person holding the seat keeps the turn: the tick does nothing.
    setTurn(1, 1);
    clear();
    t.computertimerTimer();
    EXPECT_TRUE(sink.sent.empty());
    t.players[1].justwatching = 1;
    t.computertimerTimer();
    EXPECT_EQ(t.turnphase, 2);
}

}  // namespace
}  // namespace velmora::host::testing
