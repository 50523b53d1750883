// Draw, pick-up, discard, skips, passing the turn, round end, pause and winner.
#include "net/wire.h"
#include "table_fixture.h"

namespace velmora::host::testing {
namespace {

using Texts = std::vector<std::string>;

// Seats 1, 2 and 4 play; place 5 watches.
class TurnTest : public TableTest {
protected:
    void SetUp() override {
        connect({1, 2, 4, 5});
        start();
    }
    // Every message went to places 1, 2, 4 and 5 alike.
    void expectToAll(const Texts& texts) {
        for (int place : {1, 2, 4, 5}) EXPECT_EQ(sink.to(place), texts) << "place " << place;
        EXPECT_TRUE(sink.to(3).empty());
    }
};

TEST_F(TurnTest, DrawGivesDrawerTheCardAndOthersTheCountInPlaceOrder) {
    setHand(2, {0, 3, 4});
    setTurn(2, 1);
    const int next = t.deck[t.deckpos + 1];
    clear();
    EXPECT_EQ(t.draw("2+"), kDone);
    const std::string count = "CMD_hedrew+2+3+";
    EXPECT_EQ(sink.sent, (std::vector<std::pair<int, std::string>>{
                             {2, "CMD_draw+2+3+1+" + std::to_string(next) + "+"},
                             {1, count}, {4, count}, {5, count}}));
    EXPECT_EQ(t.players[2].hand[1], next);
    EXPECT_EQ(t.turnphase, 2);
    EXPECT_TRUE(timers.log.empty());   // a person plays seat 2
    expectSound();
}

TEST_F(TurnTest, RequestsOutOfTurnOrPhaseAreIgnoredSilently) {
    setTurn(2, 1);
    const Snapshot before = snapshot(t);
    clear();
    EXPECT_EQ(t.draw("3+"), kIgnored);
    EXPECT_EQ(t.pickdiscard("1+"), kIgnored);
    EXPECT_EQ(t.discard("4+1+"), kIgnored);
    EXPECT_EQ(t.createstage("1+1+2+3"), kIgnored);
    EXPECT_EQ(t.hitset("9+11+1+r+"), kIgnored);
    t.turnphase = 2;
    EXPECT_EQ(t.draw("2+"), kIgnored);
    EXPECT_EQ(t.pickdiscard("2+"), kIgnored);
    t.turnphase = 1;
    EXPECT_TRUE(sink.sent.empty());
    EXPECT_TRUE(snapshot(t) == before);
}

TEST_F(TurnTest, MalformedNumbersThrowBeforeAnythingChanges) {
    setTurn(1, 2);
    const Snapshot before = snapshot(t);
    try {
        t.discard("1+x+");
        FAIL() << "no exception";
    } catch (const wire::InvalidInteger& e) {
        EXPECT_STREQ(e.what(), "'x' is not a valid integer value");
    }
    EXPECT_THROW(t.draw("1"), wire::InvalidInteger);   // the seat lacks its "+"
    EXPECT_THROW(t.createstage("1+2+y+3"), wire::InvalidInteger);
    EXPECT_TRUE(snapshot(t) == before);
}

TEST_F(TurnTest, PickUpTakesFaceUpCardAndShowsTheOneBeneath) {
    setPile({43, 7, 26});   // a wild may be picked up
    setHand(1, {1, 2, 0, 4});
    setTurn(1, 1);
    clear();
    EXPECT_EQ(t.pickdiscard("1+"), kDone);
    expectToAll({"CMD_pickdiscard+1+4+7+3+26+"});
    EXPECT_EQ(t.players[1].lastpickup, 26);
    EXPECT_EQ(t.topdiscard, 7);
    EXPECT_EQ(t.underdiscard, 43);   // the card beneath follows the pile too
    EXPECT_EQ(t.discardcount, 2);
    EXPECT_EQ(t.turnphase, 2);
    expectSound();
}

TEST_F(TurnTest, PickingUpTheOnlyPileCardLeavesNoFaceUpCard) {
    setPile({20});
    setHand(1, {1, 2});
    setTurn(1, 1);
    clear();
    t.pickdiscard("1+");
    expectToAll({"CMD_pickdiscard+1+3+0+3+20+"});
    EXPECT_EQ(t.discardcount, 0);
    EXPECT_EQ(t.underdiscard, 0);
    setTurn(1, 1);
    clear();
    EXPECT_EQ(t.pickdiscard("1+"), kIgnored);
    EXPECT_TRUE(sink.sent.empty());
    setTurn(1, 2);
    t.discard("1+1+");
    EXPECT_EQ(t.topdiscard, t.discards[1]);
    expectSound();
}

TEST_F(TurnTest, FaceUpSkipIsRefusedAndTurnStaysInFirstPhase) {
    setPile({5, kSkip});
    setTurn(1, 1);
    clear();
    EXPECT_EQ(t.pickdiscard("1+"), refusal(PlayError::SkipOnPile));
    EXPECT_EQ(sink.sent, (std::vector<std::pair<int, std::string>>{{1, "CMD_playerror+1+8+"}}));
    EXPECT_EQ(t.turnphase, 1);
    EXPECT_EQ(t.topdiscard, kSkip);
}

// Cannot happen in play (a turn begins with at most 10 cards); the card must
// then stay where it is.
TEST_F(TurnTest, FullHandTakesNoCard) {
    setHand(1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    setPile({12});
    setTurn(1, 1);
    const Snapshot before = snapshot(t);
    clear();
    EXPECT_EQ(t.draw("1+"), kIgnored);
    EXPECT_EQ(t.pickdiscard("1+"), kIgnored);
    EXPECT_TRUE(snapshot(t) == before);
    EXPECT_TRUE(sink.sent.empty());
    EXPECT_EQ(diags, (Texts{"Error", "Error"}));
}

TEST_F(TurnTest, RefusedDiscardsAnswerTheirCodesAndChangeNothing) {
    setHand(1, {1, 0, 3});
    setTurn(1, 1);
    const Snapshot phase1 = snapshot(t);
    clear();
    EXPECT_EQ(t.discard("1+1+"), refusal(PlayError::NotNow));
    EXPECT_TRUE(snapshot(t) == phase1);
    t.turnphase = 2;
    const Snapshot before = snapshot(t);
    EXPECT_EQ(t.discard("1+0+"), refusal(PlayError::NotValid));
    EXPECT_EQ(t.discard("1+12+"), refusal(PlayError::NotValid));
    EXPECT_EQ(t.discard("1+2+"), refusal(PlayError::NotValid));   // empty slot
    EXPECT_EQ(sink.to(1), (Texts{"CMD_playerror+1+1+", "CMD_playerror+1+2+", "CMD_playerror+1+2+",
                                 "CMD_playerror+1+2+"}));
    EXPECT_EQ(sink.sent.size(), 4u);
    EXPECT_TRUE(snapshot(t) == before);
}

TEST_F(TurnTest, ComputerSeatRefusalsBecomeDiagnostics) {
    t.players[2].connected = 0;
    setHand(2, {1, 0, 3});
    setPile({kSkip});
    setTurn(2, 1);
    clear();
    t.pickdiscard("2+");
    t.discard("2+1+");
    t.turnphase = 2;
    t.discard("2+13+");
    t.discard("2+2+");
    t.createstage("2+1");
    t.turnphase = 1;
    t.createstage("2+1");
    t.players[2].stagedone = 1;
    t.createstage("2+1");
    EXPECT_TRUE(sink.sent.empty());
    EXPECT_EQ(diags, (Texts{"computer error 2", "computer error 1", "computer error 2",
                            "computer error 2.5", "computer error +1", "computer error 1",
                            "computer error 4"}));
}

TEST_F(TurnTest, DiscardPushesCardRemembersItAndPassesTheTurn) {
    setPile({9});
    setHand(1, {1, 2, 3});
    t.players[1].lastdiscards = {0, 40, 41, 42};
    setTurn(1, 2);
    clear();
    EXPECT_EQ(t.discard("1+2+"), kDone);
    expectToAll({"CMD_hisdiscard+1+2+2+2+0+", "CMD_nextplayer+2+"});
    EXPECT_EQ(t.topdiscard, 2);
    EXPECT_EQ(t.underdiscard, 9);
    EXPECT_EQ(t.players[1].lastdiscards, (std::array<int, 4>{0, 2, 40, 41}));
    EXPECT_EQ(t.curplayer, 2);
    EXPECT_EQ(t.turnphase, 1);
    expectSound();
}

// The skip falls on the next seat in the round, even the discarder itself
// when it is alone; the turn then goes to the next seat not skipped.
TEST_F(TurnTest, SkipFallsOnNextSeatInRoundAndCostsOneTurn) {
    struct Case {
        int discarder;
        std::vector<int> out;   // seats taken out of the round
        std::string hisdiscard, next;
    };
    const std::vector<Case> cases = {
        {4, {}, "CMD_hisdiscard+4+1+53+1+1+", "CMD_nextplayer+2+"},
        {1, {4}, "CMD_hisdiscard+1+1+53+1+2+", "CMD_nextplayer+1+"},      // two seats
        {2, {1, 4}, "CMD_hisdiscard+2+1+53+1+2+", "CMD_nextplayer+2+"},   // alone: no endless search
    };
    for (const Case& c : cases) {
        for (int s : {1, 2, 4}) t.players[s].inround = 1;
        for (int s : c.out) t.players[s].inround = 0;
        setHand(c.discarder, {kSkip, 40 + c.discarder});
        setTurn(c.discarder, 2);
        clear();
        t.discard(std::to_string(c.discarder) + "+1+");
        expectToAll({c.hisdiscard, c.next});
        for (int s = 1; s <= 4; ++s) EXPECT_EQ(t.players[s].skipped, 0);
    }
}

TEST_F(TurnTest, SkipAsLastCardEndsRoundAndDoesNotCarryOver) {
    setHand(1, {kSkip});
    setTurn(1, 2);
    clear();
    t.discard("1+1+");
    const Texts sent = sink.to(1);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0], "CMD_hisdiscard+1+0+53+1+2+");
    EXPECT_EQ(sent[1].rfind("CMD_endround+1+", 0), 0u);
    EXPECT_EQ(t.players[2].skipped, 1);
    for (int i = 0; i < 7; ++i) t.timer1Timer();
    EXPECT_EQ(t.players[2].skipped, 0);
    EXPECT_EQ(t.curplayer, 2);   // the skip is forgotten: seat 2 starts the round
}

TEST_F(TurnTest, RoundEndScoresHandsAdvancesLaidStagesAndListsOnlySeatsInRound) {
    setHand(1, {7});
    setHand(2, {1, 10, 12, 39, kSkip});
    setHand(4, {0, 0, 22});
    t.players[2].stagedone = 1;
    t.players[2].points = 15;
    setTurn(1, 2);
    clear();
    t.discard("1+1+");
    expectToAll({"CMD_hisdiscard+1+0+7+1+0+", "CMD_endround+1+1+1+0+0+2+2+80+65+4+1+5+5"});
    EXPECT_EQ(t.turnphase, 3);
    EXPECT_EQ(t.timer1tag, 1);
    EXPECT_EQ(t.roundpause, 7);
    EXPECT_EQ(timers.log, (Texts{"stop1", "start1"}));

    // During the pause draws are ignored and the rest refused.
    setTurn(2, 3);
    EXPECT_EQ(t.draw("2+"), kIgnored);
    EXPECT_EQ(t.discard("2+1+"), refusal(PlayError::NotNow));
    clear();
    for (int i = 0; i < 6; ++i) t.timer1Timer();
    EXPECT_TRUE(sink.sent.empty());
    t.timer1Timer();
    EXPECT_EQ(timers.log.front(), "stop1");
    ASSERT_FALSE(sink.to(1).empty());
    EXPECT_EQ(sink.to(1)[0], "CMD_startround+" + std::to_string(t.topdiscard) +
                                 "+1+1+y+2+2+y+3+1+n+4+1+y");
    EXPECT_EQ(t.timer1tag, 0);
    expectSound();
}

TEST_F(TurnTest, ComputerTimerIsArmedForComputerSeatsAtTheBotSpeed) {
    t.players[2].connected = 0;
    setTurn(1, 2);
    t.botspeed = 500;
    clear();
    t.discard("1+1+");   // passes to seat 2
    EXPECT_EQ(timers.log, (Texts{"arm500"}));
    t.draw("2+");
    EXPECT_EQ(timers.log, (Texts{"arm500", "arm500"}));

    std::vector<int> moves;
    t.computerplay = [&](int seat) { moves.push_back(seat); };
    t.computertimerTimer();
    t.players[2].connected = 1;   // a person took the seat back
    t.computertimerTimer();
    t.players[2].justwatching = 1;
    t.computertimerTimer();
    EXPECT_EQ(moves, (std::vector<int>{2, 2}));
    EXPECT_EQ(timers.log.back(), "stopc");
}

TEST_F(TurnTest, JustWatchingSeatIsPlayedByComputerButStillToldItsErrors) {
    t.players[2].justwatching = 1;
    setTurn(2, 1);
    clear();
    t.discard("2+1+");
    EXPECT_EQ(sink.to(2), (Texts{"CMD_playerror+2+1+"}));
    t.draw("2+");
    EXPECT_EQ(timers.log, (Texts{"arm1000"}));
}

}  // namespace
}  // namespace velmora::host::testing
