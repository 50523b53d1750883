// The player's clicks: which request goes out, byte for byte, and when none.
#include "client/model/actions.h"

#include <gtest/gtest.h>

#include "client/model/tablemodel.h"

using namespace velmora::client;

namespace {

using Strings = std::vector<std::string>;

struct Actions : testing::Test {
    TableModel t;
    Strings sent, notices, sounds;
    bool online = true;
    TableActions a{t, hooks()};

    ActionHooks hooks() {
        ActionHooks h;
        h.send = [this](const std::string& s) {
            sent.push_back(s);
            return online;
        };
        h.connected = [this] { return online; };
        h.notice = [this](const std::string& s) { notices.push_back(s); };
        h.sound = [this](std::string_view s) { sounds.emplace_back(s); };
        h.playerName = [] { return std::string("Ann"); };
        return h;
    }
    Actions() {
        t.ownSeat = 2;
        t.setName(2, "Ann");
        t.startround("20+1+1+y+2+1+y");
        t.mycards("2+1+7+2+26+3+53+4+3+5+40+6+41+7+42+8+1+9+14+10+27");
    }
    // A mouse click as the window makes it: the end from the pointer's x in the item.
    void click(const BoardTarget& target, bool rightButton, int x, int width) {
        a.activate(target, TableActions::endAt(x, width), rightButton);
    }
    static BoardTarget card(int id) { return {.role = ItemRole::HandCard, .cardId = id}; }
    static BoardTarget group(int seat, int g) { return {ItemRole::Group, seat, g}; }
    void turn(int phase) {
        t.getnextplayer("2+");
        if (phase == 2) t.draw("2+11+11+12+");
        sent.clear();
        sounds.clear();
    }
};

// The board repaints from one subscription: every handled event and every
// action tells it once, a click that changes several things included.
TEST_F(Actions, EachEventAndEachClickTellTheListenersOnce) {
    int told = 0;
    t.onChanged([&] { ++told; });
    t.handle(&TableModel::getnextplayer, "2+");
    EXPECT_EQ(told, 1);
    click(BoardTarget{ItemRole::StageListSwitch}, false, 5, 60);
    EXPECT_TRUE(t.stageListInFront);
    EXPECT_EQ(told, 2);
    click(BoardTarget{ItemRole::DrawPile}, false, 5, 60);
    a.reorder(1, 5);
    t.setName(3, "Bo");
    EXPECT_EQ(told, 5);
}

TEST_F(Actions, DrawOutOfTurnHidesTheButtonsAndSendsNothing) {
    t.getnextplayer("1+");
    t.showDraw = t.showPickup = true;
    click(BoardTarget{ItemRole::DrawPile}, false, 5, 60);
    EXPECT_FALSE(t.showDraw || t.showPickup);
    EXPECT_TRUE(sent.empty());
}

TEST_F(Actions, DrawAndPickUpInPhaseOneSendOnceEach) {
    turn(1);
    click(BoardTarget{ItemRole::DrawButton}, false, 5, 60);
    click(BoardTarget{ItemRole::DrawPile}, false, 5, 60);
    EXPECT_EQ(sent, Strings{"CMD_draw+2+"});
    EXPECT_TRUE(t.waitingForHost);
    turn(1);
    click(BoardTarget{ItemRole::PickUpButton}, false, 5, 60);
    EXPECT_EQ(sent, Strings{"CMD_pickdiscard+2+"});
    turn(1);
    click(BoardTarget{ItemRole::DiscardPile}, false, 5, 60);
    EXPECT_EQ(sent, Strings{"CMD_pickdiscard+2+"});
}

TEST_F(Actions, ASkipOnThePileCannotBePickedUp) {
    t.hisdiscard("1+9+53+4+0+");
    turn(1);
    click(BoardTarget{ItemRole::DiscardPile}, false, 5, 60);
    EXPECT_EQ(t.status, "You cannot pick up a skip card.");
    EXPECT_TRUE(sent.empty());
    EXPECT_TRUE(t.ownTurn());
}

TEST_F(Actions, NoRaisingBeforeTheDrawOrOutOfTurnButTheRightButtonSorts) {
    turn(1);
    click(card(1), false, 5, 60);
    EXPECT_TRUE(t.selectedIds().empty());
    click(card(1), true, 5, 60);
    EXPECT_EQ(t.hand[1].face, 53);
    t.getnextplayer("1+");
    t.turnPhase = 2;
    click(card(2), false, 5, 60);
    EXPECT_TRUE(t.selectedIds().empty());
    EXPECT_TRUE(sounds.empty());
}

TEST_F(Actions, RaisingAndLoweringPlaysTheClick) {
    turn(2);
    click(card(4), false, 5, 60);
    EXPECT_EQ(t.selectedIds(), std::vector<int>{4});
    click(card(4), false, 5, 60);
    EXPECT_TRUE(t.selectedIds().empty());
    EXPECT_EQ(sounds, (Strings{"clickcard", "clickcard"}));
    online = false;
    click(card(4), false, 5, 60);
    EXPECT_TRUE(t.selectedIds().empty());
}

TEST_F(Actions, TwoQuickDiscardClicksSendOneDiscard) {
    turn(2);
    click(card(5), false, 5, 60);
    click(BoardTarget{ItemRole::DiscardButton}, false, 5, 60);
    click(BoardTarget{ItemRole::DiscardButton}, false, 5, 60);
    click(BoardTarget{ItemRole::DiscardPile}, false, 5, 60);
    EXPECT_EQ(sent, Strings{"CMD_discard+2+5+"});
}

TEST_F(Actions, DiscardNeedsExactlyOneRaisedCard) {
    turn(2);
    a.clickdiscard();
    EXPECT_EQ(notices, Strings{"You must select a card to discard"});
    a.cardimagesMouseDown(1, false);
    a.cardimagesMouseDown(2, false);
    a.clickdiscard();
    EXPECT_EQ(notices.back(), "You can only select one card to discard");
    EXPECT_TRUE(sent.empty());
    EXPECT_TRUE(t.ownTurn());
}

TEST_F(Actions, StageRequestListsSlotsInOrderAndARefusalKeepsThemRaised) {
    turn(2);
    click(card(7), false, 5, 60);
    click(card(2), false, 5, 60);
    click(BoardTarget{ItemRole::CreateStageButton}, false, 5, 60);
    EXPECT_EQ(sent, Strings{"CMD_createstage+2+2+7"});
    EXPECT_TRUE(t.waitingForHost);
    t.playerror("2+3+");
    EXPECT_EQ(t.status, "That does not complete your stage.");
    EXPECT_EQ(t.selectedIds(), (std::vector<int>{2, 7}));
    EXPECT_TRUE(t.ownTurn());
    EXPECT_EQ(t.turnPhase, 2);
}

TEST_F(Actions, NoStageRequestWithoutRaisedCards) {
    turn(2);
    a.button_createstageClick();
    EXPECT_TRUE(sent.empty());
    EXPECT_TRUE(t.ownTurn());
}

TEST_F(Actions, HitSideFollowsThePointerInAThreeCardGroup) {
    turn(2);
    click(card(3), false, 5, 60);
    click(group(3, 1), false, 10, 81);
    EXPECT_EQ(sent, Strings{"CMD_hitset+2+31+3+l+"});
    t.waitingForHost = false;  // the host answered
    click(group(1, 2), true, 30, 81);
    EXPECT_EQ(sent.back(), "CMD_hitset+2+12+3+r+");
}

TEST_F(Actions, HitNeedsOneRaisedCard) {
    turn(2);
    click(group(1, 1), false, 10, 81);
    EXPECT_TRUE(sent.empty());
    click(card(1), false, 5, 60);
    click(card(2), false, 5, 60);
    click(group(1, 1), false, 10, 81);
    EXPECT_EQ(notices, Strings{"You can only hit one card at a time."});
    EXPECT_TRUE(sent.empty());
}

TEST_F(Actions, NotConnectedStartIsRefusedAndOtherRequestsStillWait) {
    online = false;
    click(BoardTarget{ItemRole::None}, false, 5, 60);
    a.button_startClick();
    EXPECT_EQ(notices, Strings{"You are not connected"});
    turn(1);
    a.image_drawClick();
    EXPECT_TRUE(sent.empty());
    EXPECT_TRUE(t.waitingForHost);
    online = true;
    a.button_startClick();
    EXPECT_EQ(sent, Strings{"CMD_startgame+Ann+"});
}

// Laying the last cards ends the round: the discard the turn still showed
// could only be refused, so the round end takes it away.
TEST_F(Actions, NothingIsOfferedOnceTheRoundHasEnded) {
    turn(2);
    t.playstage("2+0+f+1+1+0+2+1+7");
    EXPECT_TRUE(t.showDiscard);
    t.endround("2+1+2+0+0+2+2+0+0");
    EXPECT_FALSE(t.showDiscard || t.showCreateStage || t.showDraw || t.showPickup);
    click(BoardTarget{ItemRole::DiscardPile}, false, 5, 60);
    click(BoardTarget{ItemRole::DrawPile}, false, 5, 60);
    EXPECT_TRUE(sent.empty());
}

TEST_F(Actions, SwitchButtonsBringTheStageListOrTheChatToTheFront) {
    click(BoardTarget{ItemRole::StageListSwitch}, false, 5, 60);
    EXPECT_TRUE(t.stageListInFront);
    click(BoardTarget{ItemRole::ChatSwitch}, false, 5, 60);
    EXPECT_FALSE(t.stageListInFront);
}

TEST_F(Actions, DraggingACardKeepsItsId) {
    a.reorder(1, 4);
    EXPECT_EQ(t.hand[4].id, 1);
    EXPECT_EQ(t.hand[1].id, 2);
    EXPECT_EQ(t.slotOf(4), 3);
}

}  // namespace
