// The client's table model, fed the exact messages the host builds.
#include "client/model/tablemodel.h"

#include <gtest/gtest.h>

#include "host/computer.h"
#include "host/table.h"
#include "net/logclock.h"
#include "net/wire.h"

using namespace velmora;
using client::TableModel;

namespace {

// Hands a whole message ("CMD_x+payload") to the model's handler for it.
bool deliver(TableModel& t, std::string_view message) {
    const wire::SplitLine line = wire::splitLine(message);
    for (const auto& e : TableModel::events())
        if (line.name == e.command) {
            t.handle(e.handler, line.payload);
            return true;
        }
    return false;
}

struct Model : testing::Test {
    TableModel t;
    std::vector<std::string> sounds, chat, recorded;
    int alerts = 0;

    Model() {
        t.hooks.sound = [this](std::string_view s) { sounds.emplace_back(s); };
        t.hooks.chat = [this](const std::string& l) { chat.push_back(l); };
        t.hooks.recordGame = [this](const std::string& w) { recorded.push_back(w); };
        t.hooks.ownTurn = [this] { ++alerts; };
        t.ownSeat = 1;
        t.setName(1, "You");
        t.setName(2, "Klot");
        t.setName(3, "Ann");
    }
    void on(std::string_view message) { ASSERT_TRUE(deliver(t, message)) << message; }
    std::vector<int> ids() const {
        std::vector<int> out;
        for (int k = 1; k <= 11; ++k) out.push_back(t.hand[k].id);
        return out;
    }
    std::vector<int> faces() const {
        std::vector<int> out;
        for (int k = 1; k <= 11 && !t.hand[k].empty(); ++k) out.push_back(t.hand[k].face);
        return out;
    }
    // A dealt round for seats 1..3 with the own hand of ten cards.
    void dealt(int top = 20) {
        on("CMD_startgame+You+y+1+y+2+y+3+n+4");
        on("CMD_startround+" + std::to_string(top) + "+1+1+y+2+1+y+3+1+y+4+1+n");
        on("CMD_mycards+1+1+5+2+18+3+13+4+53+5+7+6+33+7+40+8+2+9+26+10+11");
        sounds.clear();
        chat.clear();
    }
    bool buttons(bool pickup, bool draw, bool discard, bool create) const {
        return t.showPickup == pickup && t.showDraw == draw && t.showDiscard == discard &&
               t.showCreateStage == create;
    }
};

using Strings = std::vector<std::string>;

TEST_F(Model, GameAndRoundStartResetTheTableAndDealTheHand) {
    t.setName(2, "<Waiting>");
    t.showStart = true;
    bool unchecked = false;
    t.hooks.uncheckJustWatch = [&] { unchecked = true; };
    dealt(20);
    EXPECT_TRUE(unchecked);
    EXPECT_FALSE(t.showStart);
    EXPECT_EQ(t.name(2), "Klot");
    EXPECT_TRUE(t.seats[4].notPlaying);
    EXPECT_FALSE(t.seats[3].notPlaying);
    EXPECT_EQ(t.seats[2].handCount, 10);
    EXPECT_EQ(t.seats[4].handCount, 0);
    EXPECT_EQ(t.seats[3].stageText, "2 Sets of 3");
    EXPECT_EQ(t.seats[3].trackTip, "Stage: 1");
    EXPECT_EQ(t.seats[3].track, 0);
    EXPECT_EQ(t.seats[4].track, -1);
    EXPECT_EQ(t.discardTop, 20);
    EXPECT_EQ(ids(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, -1}));
    EXPECT_EQ(faces(), (std::vector<int>{5, 18, 13, 53, 7, 33, 40, 2, 26, 11}));
}

TEST_F(Model, StartGameChatLineNamesTheStarter) {
    on("CMD_startgame+Bob+y+1+y+2+n+3+n+4");
    EXPECT_EQ(chat, Strings{"Bob has started a game."});
}

TEST_F(Model, NextPlayerOffersTheOwnTurnAndAlerts) {
    dealt();
    on("CMD_nextplayer+1+");
    EXPECT_EQ(t.status, "Pick up Discard or Draw a Card.");
    EXPECT_TRUE(buttons(true, true, false, false));
    EXPECT_EQ(t.turnPhase, 1);
    EXPECT_EQ(t.currentPlayer, 1);
    EXPECT_TRUE(t.seats[1].turn);
    EXPECT_EQ(sounds, Strings{"turn"});
    EXPECT_EQ(alerts, 1);
    t.turnSound = 1;
    on("CMD_nextplayer+3+");
    EXPECT_EQ(t.status, "Ann's turn.");
    EXPECT_TRUE(buttons(false, false, false, false));
    EXPECT_FALSE(t.seats[1].turn);
    EXPECT_TRUE(t.seats[3].turn);
    on("CMD_nextplayer+1+");
    EXPECT_EQ(sounds.back(), "turnnew");
}

TEST_F(Model, NoPickUpOfferedWhileASkipLiesOnThePile) {
    dealt(53);
    on("CMD_nextplayer+1+");
    EXPECT_TRUE(buttons(false, true, false, false));
}

TEST_F(Model, OwnDrawAddsTheEleventhCardAndOffersStageAndDiscard) {
    dealt();
    on("CMD_nextplayer+1+");
    t.waitForHost();  // the request went out
    on("CMD_draw+1+11+11+44+");
    EXPECT_EQ(t.hand[11].id, 11);
    EXPECT_EQ(t.hand[11].face, 44);
    EXPECT_EQ(t.status, "Create your Stage or Discard please..");
    EXPECT_TRUE(buttons(false, false, true, true));
    EXPECT_EQ(t.turnPhase, 2);
    EXPECT_TRUE(t.ownTurn());
    EXPECT_EQ(sounds.back(), "draw");
}

TEST_F(Model, AnotherSeatsDrawOnlyHidesTheButtons) {
    dealt();
    t.showDraw = t.showPickup = true;
    const std::string before = t.status;
    on("CMD_draw+3+11+11+44+");
    EXPECT_TRUE(buttons(false, false, false, false));
    EXPECT_EQ(t.cardCount(), 10);
    EXPECT_EQ(t.status, before);
    EXPECT_TRUE(sounds.empty());
}

TEST_F(Model, HeDrewCountsTheFan) {
    dealt();
    on("CMD_hedrew+3+11+");
    EXPECT_EQ(t.status, "Ann drew a card.");
    EXPECT_EQ(t.seats[3].handCount, 11);
    on("CMD_hedrew+1+11+");
    EXPECT_EQ(t.status, "You drew a card");
    EXPECT_EQ(sounds, (Strings{"draw", "draw"}));
}

TEST_F(Model, PickUpThatEmptiesThePile) {
    dealt();
    on("CMD_nextplayer+1+");
    on("CMD_pickdiscard+1+11+0+11+20+");
    EXPECT_EQ(t.discardTop, 0);
    EXPECT_EQ(t.hand[11].face, 20);
    EXPECT_EQ(t.status, "Create your Stage or Discard please..");
    EXPECT_TRUE(buttons(false, false, true, true));
    on("CMD_pickdiscard+3+11+7+2+20+");
    EXPECT_EQ(t.status, "Ann picked up the discard.");
    EXPECT_EQ(t.seats[3].handCount, 11);
    EXPECT_EQ(t.currentPlayer, 3);
    EXPECT_EQ(t.discardTop, 7);
}

TEST_F(Model, DiscardTextsAndTheSkippedMarker) {
    dealt();
    on("CMD_hisdiscard+3+10+53+4+1+");
    EXPECT_EQ(t.status, "Ann skipped You.");
    EXPECT_TRUE(t.seats[1].skipped);
    EXPECT_EQ(t.discardTop, 53);
    EXPECT_EQ(t.seats[3].handCount, 10);
    on("CMD_hisdiscard+2+10+46+4+0+");
    EXPECT_EQ(t.status, "Klot discarded.");
    EXPECT_EQ(t.logLine, "Klot discarded the red 7.");  // the game log names the card
    EXPECT_FALSE(t.seats[1].skipped);
    on("CMD_pickdiscard+3+11+0+2+46+");
    EXPECT_EQ(t.logLine, "Ann picked up the red 7.");
    sounds.clear();
    on("CMD_hisdiscard+1+9+5+1+3+");
    EXPECT_EQ(t.status, "You skipped Ann.");
    on("CMD_hisdiscard+1+8+18+2+0+");
    EXPECT_EQ(t.status, "You discarded");
    EXPECT_EQ(t.logLine, "You discarded the brown 5.");
    EXPECT_EQ(t.turnPhase, 0);
    EXPECT_TRUE(sounds.empty());
    EXPECT_EQ(faces(), (std::vector<int>{13, 53, 7, 33, 40, 2, 26, 11}));
}

TEST_F(Model, RemovingSlotThreeOfElevenClosesTheGapAndLowersCards) {
    dealt();
    on("CMD_draw+1+11+11+44+");
    t.toggleSelected(5);
    t.toggleSelected(9);
    t.movecards(3);
    EXPECT_EQ(ids(), (std::vector<int>{1, 2, 4, 5, 6, 7, 8, 9, 10, 11, -1}));
    EXPECT_TRUE(t.selectedIds().empty());
    t.movecards(3);  // no longer in the hand
    EXPECT_EQ(t.cardCount(), 10);
}

TEST_F(Model, SortPutsSkipsThenWildsThenNumbers) {
    t.createcard(1, 7);
    t.createcard(2, 26);
    t.createcard(3, 53);
    t.createcard(4, 42);  // red 3
    t.toggleSelected(1);
    t.sortthem();
    EXPECT_EQ(faces(), (std::vector<int>{53, 26, 42, 7}));
    EXPECT_TRUE(t.selectedIds().empty());
}

TEST_F(Model, SortDuringStageEightGoesByColourThenNumber) {
    t.seats[1].stage = 8;
    for (int face : {15, 9, 13, 53}) t.createcard(t.cardCount() + 1, face);
    t.sortthem();
    EXPECT_EQ(faces(), (std::vector<int>{53, 13, 9, 15}));
    t.seats[1].stage = 7;
    t.sortthem();
    EXPECT_EQ(faces(), (std::vector<int>{53, 13, 15, 9}));
}

TEST_F(Model, EqualRanksKeepTheirOrderWhenSorted) {
    for (int face : {20, 7, 33}) t.createcard(t.cardCount() + 1, face);
    t.sortthem();
    EXPECT_EQ(faces(), (std::vector<int>{20, 7, 33}));
}

TEST_F(Model, ReorderKeepsIdsAndClosesUp) {
    for (int face : {1, 2, 3, 4}) t.createcard(face + 10, face);
    t.reorder(11, 3);
    EXPECT_EQ(faces(), (std::vector<int>{2, 3, 1, 4}));
    EXPECT_EQ(t.hand[3].id, 11);
    t.reorder(14, 1);
    EXPECT_EQ(faces(), (std::vector<int>{4, 2, 3, 1}));
    t.reorder(14, 99);
    EXPECT_EQ(faces(), (std::vector<int>{2, 3, 1, 4}));
}

TEST_F(Model, OwnStageStrikesTheRowAndTheTurnGoesOn) {
    dealt();
    on("CMD_nextplayer+1+");
    on("CMD_draw+1+11+11+44+");
    t.waitForHost();
    on("CMD_playstage+1+5+t+1+1+0+1+2+0+1+5+0+1+6+0+2+1+5+2+1+18+2+1+13+2+2+33+2+2+7+2+2+20");
    EXPECT_EQ(t.status, "You completed the stage.");
    EXPECT_EQ(faces(), (std::vector<int>{13, 53, 40, 2, 26, 11, 44}));
    EXPECT_EQ(t.seats[1].groups[0], (std::vector<int>{5, 18, 13}));
    EXPECT_EQ(t.seats[1].groups[1], (std::vector<int>{33, 7, 20}));
    EXPECT_EQ(t.seats[1].kind, (std::array<int, 2>{1, 1}));
    EXPECT_TRUE(t.stageRows[1].struck);
    EXPECT_FALSE(t.stageRows[1].done);
    EXPECT_TRUE(t.stageLaid);
    EXPECT_TRUE(t.ownTurn());
    EXPECT_FALSE(t.showCreateStage);
    EXPECT_TRUE(t.showDiscard);
    EXPECT_EQ(t.seats[1].stageText, "");
    EXPECT_EQ(sounds.back(), "stage");
    // The next draw in this round offers no Create Stage.
    on("CMD_nextplayer+1+");
    on("CMD_draw+1+8+1+3+");
    EXPECT_TRUE(buttons(false, false, true, false));
}

TEST_F(Model, AnotherSeatsStageHasNoBlankBeforeTheNumber) {
    dealt();
    on("CMD_playstage+3+4+t+1+2+0+1+3+0+2+1+14+2+1+27+2+1+1");
    EXPECT_EQ(t.status, "Ann Completed Stage1.");
    EXPECT_EQ(t.seats[3].handCount, 4);
    EXPECT_EQ(t.cardCount(), 10);  // another seat's slots are not ours
    EXPECT_EQ(t.seats[3].kind, (std::array<int, 2>{1, 1}));
    EXPECT_EQ(t.seats[3].groups[1], std::vector<int>{});
}

TEST_F(Model, HitTextsWithAndWithoutFullStop) {
    dealt();
    on("CMD_hitthem+3+3+3+1+4+0+2+1+14+2+1+27+2+1+1+2+1+40");
    EXPECT_EQ(t.status, "Ann placed a hit.");
    EXPECT_EQ(t.seats[3].groups[0].size(), 4u);
    EXPECT_EQ(t.seats[3].handCount, 3);
    on("CMD_hitthem+1+3+9+1+1+0+2+1+14+2+1+27+2+1+1+2+1+40+2+1+5");
    EXPECT_EQ(t.status, "You placed a hit on Ann");
    EXPECT_EQ(t.currentPlayer, 1);
    EXPECT_EQ(t.hand[1].face, 18);
    EXPECT_EQ(sounds, (Strings{"hitset", "hitset"}));
}

TEST_F(Model, RoundEndCrossesTracksAndShowsCompleted) {
    dealt();
    on("CMD_nextplayer+1+");
    on("CMD_endround+3+1+2+40+40+2+1+25+25+3+11+0+0");
    EXPECT_EQ(t.seats[1].trackTip, "Stage: 2");
    EXPECT_EQ(t.seats[1].track, 1);
    EXPECT_EQ(t.seats[3].trackTip, "Completed");
    EXPECT_EQ(t.seats[3].track, 10);
    EXPECT_FALSE(t.seats[1].turn);
    EXPECT_EQ(t.status, "The Round is Over!");
    EXPECT_TRUE(buttons(false, false, false, false));
    EXPECT_EQ(sounds.back(), "endround");
}

// The round and game summaries carry the host's own figures, not the client's.
TEST_F(Model, SummariesShowTheHostsFigures) {
    using Row = client::RoundSummary::Row;
    const auto rows = [this] {
        std::vector<std::array<int, 6>> out;
        for (const Row& r : t.roundSummary->rows)
            out.push_back({r.seat, r.stageBefore, r.stageAfter, r.completed, r.added, r.total});
        return out;
    };
    dealt();
    EXPECT_EQ(t.seats[2].points, 0);
    EXPECT_FALSE(t.roundSummary);
    on("CMD_endround+2+1+2+0+0+2+1+35+35+3+2+15+15");
    ASSERT_TRUE(t.roundSummary);
    EXPECT_EQ(t.roundSummary->wentOut, 2);
    EXPECT_EQ(rows(), (std::vector<std::array<int, 6>>{{1, 1, 2, 1, 0, 0}, {2, 1, 1, 0, 35, 35}, {3, 1, 2, 1, 15, 15}}));
    on("CMD_startround+20+1+2+y+2+1+y+3+2+y+4+1+n");
    EXPECT_FALSE(t.roundSummary);  // the next deal closes it
    EXPECT_EQ(t.seats[2].points, 35);  // totals stay beside the names
    on("CMD_endround+1+1+3+0+0+2+2+45+10+3+2+40+25");
    EXPECT_EQ(rows(), (std::vector<std::array<int, 6>>{{1, 2, 3, 1, 0, 0}, {2, 1, 2, 1, 10, 45}, {3, 2, 2, 0, 25, 40}}));
    on("CMD_winner+1+1+11+2+2+3+2+4+1");
    EXPECT_FALSE(t.roundSummary);
    ASSERT_TRUE(t.gameOver);
    std::vector<std::array<int, 4>> standing;
    for (const auto& r : t.gameOver->rows) standing.push_back({r.seat, r.stage, r.points, r.gamesWon});
    EXPECT_EQ(standing, (std::vector<std::array<int, 4>>{{1, 11, 0, 1}, {2, 2, 45, 0}, {3, 2, 40, 0}}));
    // A new game starts every seat at 0; wins count over the session.
    dealt();
    EXPECT_FALSE(t.gameOver);
    EXPECT_EQ(t.seats[2].points, 0);
    on("CMD_winner+1+1+11+2+1+3+1+4+1");
    EXPECT_EQ(t.gameOver->rows[0].gamesWon, 2);
}

TEST_F(Model, WinnerRecordsTheGameForASeat) {
    dealt();
    t.hosting = true;
    on("CMD_winner+3+1+5+2+9+3+11+4+1");
    EXPECT_EQ(t.winnerText, "Ann has Won the Game!");
    EXPECT_TRUE(t.showWinner);
    EXPECT_EQ(t.status, "Game Over!");
    EXPECT_EQ(chat, Strings{"Ann has Won the Game!"});
    EXPECT_TRUE(t.showStart);
    EXPECT_EQ(recorded, Strings{"Ann"});
    EXPECT_TRUE(t.stageRows[4].done && t.stageRows[4].struck);
    EXPECT_FALSE(t.stageRows[5].done);
    EXPECT_EQ(sounds.back(), "winner");
}

TEST_F(Model, WinnerWithTheOwnNameIsYou) {
    dealt();
    t.setName(3, "You");  // another player chose the same name
    on("CMD_winner+3+1+5+2+9+3+11+4+1");
    EXPECT_EQ(t.winnerText, "You have Won the Game!");
    EXPECT_EQ(recorded, Strings{"addtomine"});
    EXPECT_FALSE(t.showStart);
}

TEST_F(Model, ASpectatorNeverRecordsAGame) {
    t.ownSeat = 6;
    on("CMD_winner+1+1+11+2+9+3+1+4+1");
    EXPECT_EQ(t.winnerText, "You has Won the Game!");
    EXPECT_TRUE(recorded.empty());
    EXPECT_EQ(t.otherSeatNames(), (Strings{"You", "Klot", "Ann", "<Waiting>"}));
}

TEST_F(Model, PlayErrorTextsRestoreTheTurn) {
    dealt();
    const std::pair<int, const char*> cases[] = {
        {1, "You cannot do that right now."}, {2, "That is not a valid play."},
        {3, "That does not complete your stage."}, {4, "You have already completed the stage."},
        {5, "You cannot hit until you complete the stage."}, {6, "Invalid"},
        {7, "That is not a valid play."}, {8, "You cannot pick up a skip card."},
    };
    for (auto [code, text] : cases) {
        t.waitForHost();
        on("CMD_playerror+1+" + std::to_string(code) + "+");
        EXPECT_EQ(t.status, text);
        EXPECT_TRUE(t.ownTurn());
    }
    EXPECT_TRUE(t.showDraw);
    t.setStatus("before");
    on("CMD_playerror+1+9+");
    EXPECT_EQ(t.status, "before");
    EXPECT_EQ(sounds, Strings(9, "invalid"));
}

TEST_F(Model, AnotherSeatsPlayErrorIsIgnoredSoundIncluded) {
    dealt();
    t.waitForHost();
    on("CMD_playerror+3+2+");
    EXPECT_TRUE(t.waitingForHost);
    EXPECT_TRUE(sounds.empty());
}

TEST_F(Model, SeatTurningForOwnSeatThree) {
    t.sortstuff(3);
    EXPECT_EQ(t.seatAtPlace, (std::array<int, 4>{3, 4, 1, 2}));
    t.sortstuff(2);
    EXPECT_EQ(t.seatAtPlace, (std::array<int, 4>{2, 3, 4, 1}));
    t.sortstuff(4);
    EXPECT_EQ(t.seatAtPlace, (std::array<int, 4>{4, 1, 2, 3}));
    EXPECT_EQ(t.placeOf(1), 1);
}

TEST_F(Model, StageTablesAndKinds) {
    EXPECT_EQ(TableModel::getstagetext(0), "");
    EXPECT_EQ(TableModel::getstagetext(11), "");
    EXPECT_EQ(TableModel::getstagetext(8), "8 Cards of the same color");
    EXPECT_EQ(TableModel::getsettype(8, 1), 3);
    EXPECT_EQ(TableModel::getsettype(5, 2), 0);
    EXPECT_EQ(TableModel::getsettype(9, 2), 2);
}

TEST_F(Model, SnapshotForAnotherSeatChangesNothing) {
    on("CMD_gamestats+2+3+1+20+m+1+5+0+t+1+1+10");
    EXPECT_EQ(t.cardCount(), 0);
    EXPECT_EQ(t.currentPlayer, 0);
}

TEST_F(Model, SnapshotOfTheOwnTurnInPhaseTwoWithALaidStage) {
    t.ownSeat = 3;
    on("CMD_gamestats+3+3+2+7+m+2+5+0+m+4+9+0+t+1+3+10+t+2+1+10+t+3+2+2+t+4+0+0+"
       "s+3+1+14+s+3+1+27+s+3+1+1+s+3+2+4+s+3+2+5+s+3+2+6+s+3+2+7");
    EXPECT_EQ(t.status, "Place a Hit or Discard");
    EXPECT_TRUE(buttons(false, false, true, false));
    EXPECT_TRUE(t.stageLaid);
    EXPECT_EQ(ids(), (std::vector<int>{2, 4, -1, -1, -1, -1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(t.seats[3].kind, (std::array<int, 2>{1, 2}));
    EXPECT_TRUE(t.stageRows[1].done && t.stageRows[2].done);
    EXPECT_FALSE(t.stageRows[3].done);
    EXPECT_EQ(t.seats[1].handCount, 10);
    EXPECT_TRUE(t.seats[4].notPlaying);
    EXPECT_EQ(t.discardTop, 7);
}

// A person takes over seat 3 on another seat's turn, after the computer laid
// the seat's stage: after drawing, only a discard (and hits) are offered.
TEST_F(Model, ATakenOverSeatWithItsStageLaidIsNotOfferedAnotherStage) {
    t.ownSeat = 3;
    on("CMD_gamestats+3+2+1+7+m+2+5+0+m+4+9+0+t+1+3+10+t+2+1+10+t+3+2+2+t+4+0+0+"
       "s+3+1+14+s+3+1+27+s+3+1+1+s+3+2+4+s+3+2+5+s+3+2+6+s+3+2+7");
    on("CMD_nextplayer+3+");
    on("CMD_draw+3+3+3+44+");
    EXPECT_EQ(t.turnPhase, 2);
    EXPECT_TRUE(buttons(false, false, true, false));
}

// Just Watch on the own seat: the computer plays its turns, so nothing is
// offered and the status says so; playing again offers the phase's actions.
TEST_F(Model, WhileWatchingTheOwnTurnOffersNothing) {
    dealt();
    t.seats[1].watching = true;
    t.reofferOwnTurn();
    on("CMD_nextplayer+1+");
    EXPECT_EQ(t.status, TableModel::kComputerPlaysText);
    EXPECT_TRUE(buttons(false, false, false, false));
    EXPECT_EQ(alerts, 0);
    EXPECT_TRUE(sounds.empty());
    on("CMD_draw+1+11+11+44+");
    EXPECT_EQ(t.status, TableModel::kComputerPlaysText);
    EXPECT_TRUE(buttons(false, false, false, false));
    EXPECT_FALSE(t.mayAct());
    t.seats[1].watching = false;
    t.reofferOwnTurn();
    EXPECT_EQ(t.status, "Create your Stage or Discard please..");
    EXPECT_TRUE(buttons(false, false, true, true));
    EXPECT_TRUE(t.mayAct());
}

TEST_F(Model, SnapshotOfAStageStillToLay) {
    on("CMD_gamestats+1+1+2+7+m+1+5+0+t+1+3+10+t+2+1+10");
    EXPECT_EQ(t.status, "Create a Stage or Discard");
    EXPECT_TRUE(buttons(false, false, true, true));
    EXPECT_TRUE(t.stageRows[2].done);
    EXPECT_FALSE(t.stageRows[3].done);
}

TEST_F(Model, SnapshotInPhaseThreeAtStageElevenShowsNoTurn) {
    t.setStatus("x");
    on("CMD_gamestats+1+2+3+0+t+1+11+4+t+2+5+3");
    EXPECT_EQ(t.status, "x");
    EXPECT_FALSE(t.seats[2].turn);
    EXPECT_EQ(t.seats[1].trackTip, "Stage: 10");
    EXPECT_EQ(t.seats[1].track, 9);
}

TEST_F(Model, LateJoinerWaitsForTheNextRound) {
    t.ownSeat = 4;
    on("CMD_gamestats+4+2+1+7+t+1+1+10+t+2+1+10+t+3+0+0+t+4+1+0");
    EXPECT_TRUE(t.seats[4].waiting);
    EXPECT_FALSE(t.seats[4].notPlaying);
    EXPECT_TRUE(t.seats[3].notPlaying);
    EXPECT_EQ(t.status, "Klot's turn.");
    on("CMD_gamestats+4+2+3+7+t+4+1+0");
    EXPECT_EQ(t.status, "You have to wait for the next round.");
}

TEST_F(Model, ACardWithNoFreeSlotIsDropped) {
    for (int id = 1; id <= 11; ++id) EXPECT_TRUE(t.createcard(id, id));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(t.createcard(12, 5));
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(t.cardCount(), 11);
}

// Every event kind with out-of-range, missing or malformed fields: dropped
// with one escaped line each, nothing indexed out of range.
TEST_F(Model, HostileEventsAreDroppedWithOneLineEach) {
    dealt();
    const TableModel before = t;
    const char* hostile[] = {
        "CMD_startgame+x+y+9",         "CMD_startround+54+1+1+y",    "CMD_startround+5+0+1+y",
        "CMD_startround+5+1+99+y",     "CMD_mycards+1+12+5",         "CMD_mycards+1+1+54",
        "CMD_mycards+1+1+0",           "CMD_mycards+5+1+3",          "CMD_nextplayer+0+",
        "CMD_nextplayer+",             "CMD_nextplayer+-1+",         "CMD_draw+1+11+12+4+",
        "CMD_draw+1+11",               "CMD_hedrew+5+3+",            "CMD_hedrew+1+999999+",
        "CMD_pickdiscard+1+3+60+2+3+", "CMD_hisdiscard+1+3+5+0+0+",  "CMD_hisdiscard+1+3+5+2+5+",
        "CMD_playstage+1+3+t+2+3+5",   "CMD_playstage+1+3+t+1+12+0", "CMD_playstage+1+3+t+2+1",
        "CMD_hitthem+1+7+3+",          "CMD_endround+1+9+1+0+0",     "CMD_endround+1+1+1+0",
        "CMD_winner+0+1+1",            "CMD_gamestats+1+1+1+7+m+0+5+0", "CMD_gamestats+1+1+9+7",
        "CMD_gamestats+1+1+1+7+s+1+3+5", "CMD_playerror+x+1+",      "CMD_mycards+1+1+\xFF\x01",
    };
    net::LogClock clock;  // each event in a second of its own: none is held back
    testing::internal::CaptureStderr();
    for (const char* m : hostile) clock.nextSecond(), on(m);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), static_cast<long>(std::size(hostile))) << err;
    EXPECT_NE(err.find("velmora: host: dropped CMD_mycards: a card face outside the deck: 1+1+\\xff\\x01"),
              std::string::npos) << err;
    EXPECT_EQ(t.cardCount(), before.cardCount());
    EXPECT_EQ(t.discardTop, before.discardTop);
    EXPECT_EQ(t.status, before.status);
}

// A host that sends nothing but malformed events gets a few lines a second,
// then one count of the rest; standard error does not grow with the flood.
TEST_F(Model, AFloodOfMalformedEventsYieldsBoundedLines) {
    net::LogClock clock;
    clock.nextSecond();
    testing::internal::CaptureStderr();
    for (int i = 0; i < 10000; ++i) on("CMD_nextplayer+0+");
    clock.nextSecond();
    on("CMD_nextplayer+9+");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), net::DiagnosticLog::kLinesPerSecond + 2) << err;
    EXPECT_NE(err.find("velmora: host: \u2026 9995 more suppressed\n"), std::string::npos) << err;
    EXPECT_NE(err.find("host: dropped CMD_nextplayer: a seat outside 1..4: 9+\n"), std::string::npos) << err;
}

TEST_F(Model, OverlongRecordListsAreRefusedWithoutGrowing) {
    std::string group = "CMD_playstage+1+3+t";
    for (int i = 0; i < 13; ++i) group += "+2+1+5";
    std::string fields = "CMD_mycards+1";
    for (int i = 0; i < 5000; ++i) fields += "+1+5";
    testing::internal::CaptureStderr();
    on(group);
    on(fields);
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(t.seats[1].groups[0].empty());
    EXPECT_EQ(t.cardCount(), 0);
}

// ---- round trip: the host's own messages drive two watching clients ----

struct Forward : host::MessageSink {
    std::array<TableModel*, 5> clients{};
    std::vector<std::string> unknown;
    void sendTo(int place, std::string_view text) override {
        if (place < 1 || place > 4 || !clients[place]) return;
        if (!deliver(*clients[place], text)) unknown.emplace_back(text);
    }
};

std::string disagreement(const host::Table& h, const TableModel& c) {
    const int own = c.ownSeat;
    for (int k = 1; k <= 11; ++k) {
        const int slot = c.slotOf(k);
        const int face = slot ? c.hand[slot].face : 0;
        if (face != h.player(own).hand[k]) return "slot " + std::to_string(k) + " differs";
    }
    for (int s = 1; s <= 4; ++s)
        if (s != own && h.player(s).inround == 1 && c.seats[s].handCount != h.getnumcards(s))
            return "hand count of seat " + std::to_string(s) + " differs";
    if (h.state().turnphase != 3 && c.discardTop != h.state().topdiscard) return "discard top differs";
    for (int s = 1; s <= 4; ++s)
        for (int g = 1; g <= 2; ++g) {
            std::vector<int> laid;
            for (int pos = 1; pos <= 12; ++pos)
                if (int card = h.player(s).groups[g][pos]) laid.push_back(card);
            if (laid != c.seats[s].groups[g - 1]) return "group " + std::to_string(s * 10 + g) + " differs";
        }
    for (int s = 1; s <= 4; ++s)
        if (c.seats[s].points != h.player(s).points) return "points of seat " + std::to_string(s) + " differ";
    return {};
}

TEST(ModelRoundTrip, TwoWatchingClientsFollowAWholeGameOfTheHost) {
    Forward sink;
    host::RecordedTimers timers;
    host::Table h(sink, timers, 777);
    host::installComputerPlayers(h);
    h.diagnostic = [](std::string_view) {};
    TableModel one, three;
    one.ownSeat = 1;
    three.ownSeat = 3;
    three.sortstuff(3);
    sink.clients[1] = &one;
    sink.clients[3] = &three;
    std::vector<std::string> recorded;
    one.hooks.recordGame = [&](const std::string& w) { recorded.push_back(w); };
    for (int s : {1, 3}) h.connects(s);
    h.startgame("You+");
    for (int s : {1, 3}) h.watches(s, true);
    timers.computer = true;
    long moves = 0;
    while (h.state().gameon == 1 && moves < 200000) {
        ++moves;
        if (timers.computer)
            h.computertimerTimer();
        else if (timers.timer1)
            h.timer1Timer();
        else
            break;
        ASSERT_EQ(disagreement(h, one), "") << "move " << moves;
        ASSERT_EQ(disagreement(h, three), "") << "move " << moves;
    }
    EXPECT_EQ(h.state().gameon, 0);
    EXPECT_GT(moves, 500);
    EXPECT_TRUE(one.showWinner);
    EXPECT_EQ(one.status, "Game Over!");
    EXPECT_EQ(recorded.size(), 1u);
    EXPECT_TRUE(sink.unknown.empty());
}

}  // namespace
