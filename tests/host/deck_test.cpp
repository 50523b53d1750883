// Card helpers, shuffling, taking cards, dealing, and starting games and rounds.
#include <algorithm>

#include "table_fixture.h"

namespace velmora::host::testing {
namespace {

TEST(Cards, SuitRankAndPoints) {
    EXPECT_EQ(getsuit(13), 1);   // a wild has the suit its code falls in
    EXPECT_EQ(getsuit(14), 2);
    EXPECT_EQ(getsuit(52), 4);
    EXPECT_EQ(getsuit(53), 0);
    EXPECT_EQ(getsuit(0), 0);
    EXPECT_EQ(rankof(kSkip), 1);
    EXPECT_TRUE(iswild(26));
    EXPECT_FALSE(iswild(0));
    // 1, 10, 12, wild, skip
    EXPECT_EQ(cardpoints(1) + cardpoints(10) + cardpoints(12) + cardpoints(39) + cardpoints(kSkip), 65);
    EXPECT_EQ(cardpoints(22), 5);   // rank 9
    EXPECT_EQ(cardpoints(0), 0);
}

using DeckTest = TableTest;

TEST_F(DeckTest, GetnumcardsCountsAllElevenSlots) {
    t.players[1].hand[3] = 5;
    t.players[1].hand[11] = 9;
    EXPECT_EQ(t.getnumcards(1), 2);
}

TEST_F(DeckTest, FreshDeckHoldsEveryCardOnce) {
    t.shufflecards();
    EXPECT_EQ(std::count(t.deck.begin() + 1, t.deck.end(), 0), 0);
    expectSound();
    EXPECT_EQ(t.deckpos, 0);
    EXPECT_EQ(t.discardcount, 0);
}

TEST_F(DeckTest, BrokenCardsAreDescribed) {
    t.shufflecards();
    t.deck[1] = t.deck[2];   // one card twice, another gone
    const int twice = t.deck[1];
    t.players[1].hand[4] = 99;
    t.discards[5] = 7;       // beyond the pile's count
    const std::string text = checkcards(t);
    EXPECT_NE(text.find("invalid card 99 in hand of 1; "), std::string::npos) << text;
    EXPECT_NE(text.find("pile entry 5 beyond the count; "), std::string::npos) << text;
    EXPECT_NE(text.find("card " + std::to_string(twice) + " found 3 times; "), std::string::npos) << text;
    t.discards[5] = 0;
    t.players[1].hand[4] = 0;
    t.topdiscard = 12;
    EXPECT_NE(checkcards(t).find("face-up card 12 is not the pile's top; "), std::string::npos);
}

TEST_F(DeckTest, SoloGameDealsHostAndComputerSeat) {
    connect({1});
    t.startgame("You+extra+");
    ASSERT_GE(sink.sent.size(), 4u);
    EXPECT_EQ(sink.sent[0], std::make_pair(1, std::string("CMD_startgame+You+y+1+y+2+n+3+n+4")));
    EXPECT_EQ(sink.sent[1].second,
              "CMD_startround+" + std::to_string(t.topdiscard) + "+1+1+y+2+1+y+3+1+n+4+1+n");
    std::string mycards = "CMD_mycards+1";
    for (int k = 1; k <= 10; ++k) mycards += "+" + std::to_string(k) + "+" + std::to_string(t.players[1].hand[k]);
    EXPECT_EQ(sink.sent[2].second, mycards);   // seat 2 has nobody to tell
    EXPECT_EQ(sink.sent[3].second, "CMD_nextplayer+1+");
    EXPECT_EQ(sink.sent.size(), 4u);
    EXPECT_EQ(t.getnumcards(1), 10);
    EXPECT_EQ(t.getnumcards(2), 10);
    EXPECT_EQ(t.getnumcards(3), 0);
    EXPECT_EQ(t.players[1].hand[11], 0);   // dealt hands use slots 1..10
    EXPECT_EQ(t.discardcount, 1);
    EXPECT_EQ(t.turnphase, 1);
    EXPECT_EQ(t.gameon, 1);
    EXPECT_EQ(t.timer1tag, 0);
    EXPECT_EQ(timers.log, (std::vector<std::string>{"stop1", "stopc"}));   // seat 1 has a person
    expectSound();
}

// The player chose more opponents: the computer takes seat 3 too, every round.
TEST_F(DeckTest, ChosenComputerSeatsAreDealtInEveryRound) {
    connect({1});
    t.setcomputerseats(2);
    t.startgame("You+");
    EXPECT_EQ(sink.sent[0].second, "CMD_startgame+You+y+1+y+2+y+3+n+4");
    t.startround();
    EXPECT_EQ(t.getnumcards(3), 10);
    EXPECT_EQ(t.getnumcards(4), 0);
    expectSound();
}

TEST_F(DeckTest, DealsFaceUpCardFirstThenOneCardPerSeatInTurn) {
    connect({1, 3});
    t.random.seed(99);
    t.shufflecards();
    const auto order = t.deck;
    t.random.seed(99);
    start();
    EXPECT_EQ(t.topdiscard, order[1]);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(t.players[1].hand[k], order[3 * k - 1]);
        EXPECT_EQ(t.players[2].hand[k], order[3 * k]);
        EXPECT_EQ(t.players[3].hand[k], order[3 * k + 1]);
    }
    EXPECT_EQ(t.deckpos, 31);
}

TEST_F(DeckTest, RoundStartKeepsSeatOneWhenItsPlayerLeftButDropsSeatsThreeAndFourUnlessKept) {
    connect({1, 3, 4});
    start();
    t.players[1].connected = 0;
    t.players[3].connected = 0;
    t.players[4].connected = 0;
    t.keeps(4, true);   // its person may still come back with the token
    t.startround();
    EXPECT_EQ(t.players[1].inround, 1);
    EXPECT_EQ(t.players[2].inround, 1);
    EXPECT_EQ(t.players[3].inround, 0);
    EXPECT_EQ(t.players[4].inround, 1);
    EXPECT_EQ(t.getnumcards(3), 0);
    EXPECT_EQ(t.getnumcards(4), 10);
    expectSound();
    t.keeps(4, false);
    t.startround();
    EXPECT_EQ(t.players[4].inround, 0);
}

TEST_F(DeckTest, NewGameMidGameResetsStagesAndPoints) {
    connect({1, 2});
    start();
    t.players[1].stage = 6;
    t.players[2].points = 80;
    t.players[2].justwatching = 1;
    t.curplayer = 2;
    t.startgame("Bo+");
    EXPECT_EQ(sink.sent[0].second, "CMD_startgame+Bo+y+1+y+2+n+3+n+4");
    EXPECT_EQ(t.players[1].stage, 1);
    EXPECT_EQ(t.players[2].points, 0);
    EXPECT_EQ(t.players[2].justwatching, 0);
    EXPECT_EQ(t.curplayer, 1);   // the seat after the one whose turn it was
    expectSound();
}

TEST_F(DeckTest, StageElevenAtRoundStartAnnouncesLowestSuchSeat) {
    connect({1, 3});
    start();
    t.players[2].stage = 11;
    t.players[3].stage = 11;
    t.players[1].stage = 9;
    clear();
    t.startround();
    EXPECT_EQ(sink.to(1), (std::vector<std::string>{"CMD_winner+2+1+9+2+11+3+11+4+1"}));
    EXPECT_EQ(t.gameon, 0);
    EXPECT_EQ(t.timer1tag, 0);
}

// With the deck used up, the cards beneath the face-up card become the deck.
TEST_F(DeckTest, ReshuffleKeepsFaceUpCardOnPileAndDealsTheRest) {
    t.discards[1] = 5, t.discards[2] = 17, t.discards[3] = 40;
    t.discardcount = 3;
    t.topdiscard = 40, t.underdiscard = 17;
    t.deckpos = 108;
    const int card = t.getcard();   // the 109th card
    EXPECT_TRUE(card == 5 || card == 17);
    EXPECT_EQ(t.deck[1], 0);
    EXPECT_EQ(t.deck[2], card == 5 ? 17 : 5);
    EXPECT_EQ(std::count(t.deck.begin(), t.deck.end(), 0), kDeckSize);   // 108 empty of [0..108]
    EXPECT_EQ(t.discardcount, 1);
    EXPECT_EQ(t.discards[1], 40);
    EXPECT_EQ(t.discards[2], 0);
    EXPECT_EQ(t.topdiscard, 40);
    EXPECT_EQ(t.underdiscard, 0);
    EXPECT_EQ(t.deckpos, 1);

    t.getcard();   // the last card of the new deck
    t.discards[2] = 30;
    t.discardcount = 2;
    t.topdiscard = 30;
    EXPECT_EQ(t.getcard(), 40);   // the used-up new deck reshuffles again
    EXPECT_EQ(t.discards[1], 30);
}

TEST_F(DeckTest, NoCardAnywhereGivesNothingAndTriesAgainLater) {
    t.discards[1] = 7;
    t.discardcount = 1;
    t.topdiscard = 7;
    EXPECT_EQ(t.getcard(), 0);
    EXPECT_EQ(t.discardcount, 1);
    EXPECT_EQ(t.topdiscard, 7);
    EXPECT_EQ(t.deckpos, 0);
    t.discards[2] = 8;
    t.discardcount = 2;
    t.topdiscard = 8;
    EXPECT_EQ(t.getcard(), 7);
}

TEST_F(DeckTest, EmptyDeckAndPileDrawEndsTheRoundInsteadOfInventingACard) {
    connect({1});
    start();
    setHand(1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    // As if every other card were laid out of reach: no deck, no pile.
    for (int p = t.deckpos + 1; p <= kDeckSize; ++p) t.deck[p] = 0;
    t.deckpos = kDeckSize;
    t.discards[1] = 0, t.discardcount = 0, t.topdiscard = 0;
    const int before2 = t.getnumcards(2);
    clear();
    EXPECT_EQ(t.draw("1+"), kDone);
    EXPECT_EQ(t.getnumcards(1), 10);
    EXPECT_EQ(t.getnumcards(2), before2);
    EXPECT_EQ(t.turnphase, 3);
    ASSERT_EQ(sink.to(1).size(), 1u);
    EXPECT_EQ(sink.to(1)[0].rfind("CMD_endround+1+1+1+", 0), 0u);
    EXPECT_EQ(diags.size(), 1u);
}

}  // namespace
}  // namespace velmora::host::testing
