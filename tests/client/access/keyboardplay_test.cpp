// Keyboard play: a whole round on a loopback host by keys alone, and keys
// reaching a host as the same request bytes as the clicks.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <map>

#include "client/access/keyboardplay.h"
#include "client/board/board.h"
#include "client/chat/chatview.h"
#include "support/recordinghost.h"
#include "support/hostedwindow.h"
#include "client/board/tableview.h"
#include "windows/help.h"
#include "support/tchatparts.h"

using namespace velmora;
using client::Tchat;
using test::waitUntil;

namespace {

void key(Tchat& w, int k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
    QTest::keyClick(target, static_cast<Qt::Key>(k), mods);
}

// Raises the cards of these picks (1..11) by keys: Home, Right, Space.
void raiseSlots(Tchat& w, const std::vector<int>& picks) {
    for (int slot : picks) {
        key(w, Qt::Key_Home);
        for (int i = 1; i < slot; ++i) key(w, Qt::Key_Right);
        key(w, Qt::Key_Space);
    }
}

// Two sets of three by rank, wild cards filling in: the first stage.
std::vector<int> twoSetsOfThree(const client::TableModel& t) {
    std::map<int, std::vector<int>> byRank;
    std::vector<int> wild;
    for (int k = 1; k <= velmora::kHandSlots; ++k) {
        const int face = t.hand[k].face;
        if (t.hand[k].empty() || face == velmora::kSkip) continue;
        if (face % 13 == 0) wild.push_back(k);
        else byRank[face % 13].push_back(k);
    }
    std::vector<std::pair<size_t, int>> ranks;
    for (auto& [rank, picks] : byRank) ranks.push_back({picks.size(), rank});
    std::sort(ranks.rbegin(), ranks.rend());
    std::vector<int> out;
    for (size_t i = 0; i < 2 && i < ranks.size(); ++i) {
        std::vector<int>& picks = byRank[ranks[i].second];
        for (size_t n = 0; n < 3; ++n) {
            if (n < picks.size()) out.push_back(picks[n]);
            else if (!wild.empty()) out.push_back(wild.back()), wild.pop_back();
            else return {};
        }
    }
    return out.size() == 6 ? out : std::vector<int>{};
}

// Ann at seat 2 gets ten cards and the turn.
void deal(test::RecordingHost& host) {
    host.send("CMD_newplayerinfo+2+Ann");
    host.send("CMD_startgame+Bob+y+1+y+2");
    host.send("CMD_startround+5+1+1+y+2+1+y");
    host.send("CMD_mycards+2+1+5+2+18+3+31+4+7+5+9+6+10+7+11+8+12+9+40+10+41");
    host.send("CMD_nextplayer+2+");
}

TEST(KeyboardPlay, ARoundIsPlayedByKeysAlone) {
    // Moves at once, a pause after the round long enough to see its end.
    test::HostedWindow hw({}, test::quietOptions(0), host::HostTimings{0, 40, 0.0});
    Tchat& w = hw.window;
    w.show();
    ASSERT_TRUE(waitUntil([&] { return test::TchatParts::mainchat(w)->toPlainText().contains("You are Connected."); }));
    // The solo start shows the download window; the player closes it.
    test::TchatParts::sideWindows(w).download()->close();
    w.activateWindow();
    ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == &w; }));
    client::TableModel& t = test::TchatParts::table(w);
    // Away from the chat line, then start the game from the keyboard.
    test::TchatParts::mychat(w)->setFocus();
    key(w, Qt::Key_Escape);
    EXPECT_FALSE(test::TchatParts::mychat(w)->hasFocus());
    key(w, Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(waitUntil([&] { return t.cardCount() == 10; }));
    int turns = 0;
    bool laid = false;
    while (t.status != "The Round is Over!") {
        ASSERT_TRUE(waitUntil([&] { return (t.ownTurn() && t.turnPhase >= 1) || t.status == "The Round is Over!"; },
                              30000))
            << t.status << " phase " << t.turnPhase << " current " << t.currentPlayer << " waiting " << t.waitingForHost;
        if (t.status == "The Round is Over!") break;
        ++turns;
        if (turns == 1) {
            // The hint names the draw, then after it the cards to lay or throw.
            key(w, Qt::Key_H);
            EXPECT_TRUE(t.status.rfind("Hint: Draw", 0) == 0 || t.status.rfind("Hint: Take", 0) == 0) << t.status;
        }
        if (t.turnPhase == 1) {
            key(w, Qt::Key_D);
            ASSERT_TRUE(waitUntil([&] { return t.turnPhase == 2 && t.ownTurn(); }));
        }
        if (turns == 1) {
            key(w, Qt::Key_H);
            EXPECT_TRUE(t.status.rfind("Hint: Lay", 0) == 0 || t.status.rfind("Hint: Discard", 0) == 0) << t.status;
            EXPECT_FALSE(t.selectedIds().empty());
            for (int id : t.selectedIds()) t.toggleSelected(id);
        }
        const std::vector<int> stage = laid ? std::vector<int>{} : twoSetsOfThree(t);
        if (!stage.empty()) {
            raiseSlots(w, stage);
            key(w, Qt::Key_L);
            ASSERT_TRUE(waitUntil([&] { return t.ownTurn() || t.status == "The Round is Over!"; }));
            laid = t.stageLaid;
            if (t.status == "The Round is Over!") break;
            // A refused stage keeps its cards raised: lower them again.
            if (!laid) raiseSlots(w, stage);
        }
        if (t.cardCount() == 0) continue;
        raiseSlots(w, {t.cardCount()});
        key(w, Qt::Key_X);
        ASSERT_TRUE(waitUntil([&] { return !t.ownTurn() || t.status == "The Round is Over!"; }));
    }
    EXPECT_GE(turns, 1);
    // A stage laid by the keys lies on the table.
    if (laid) {
        EXPECT_FALSE(t.seats[1].groups[0].empty());
    }
}

TEST(KeyboardPlay, KeysSendTheSameRequestsAsClicks) {
    test::JoinedWindow j(2);
    test::RecordingHost& host = j.host;
    Tchat& w = j.w;
    deal(host);
    const client::TableModel& t = test::TchatParts::table(w);
    ASSERT_TRUE(waitUntil([&] { return t.turnPhase == 1; }));
    test::TchatParts::board(w)->tableView()->setFocus();
    // Out of phase: a discard key and a lay key send nothing.
    key(w, Qt::Key_Delete);
    key(w, Qt::Key_L);
    key(w, Qt::Key_D);
    key(w, Qt::Key_D);  // waiting for the answer: no second request
    ASSERT_TRUE(host.waitFor("CMD_draw+2+\xFF"));
    host.send("CMD_draw+2+11+11+44+");
    ASSERT_TRUE(waitUntil([&] { return t.turnPhase == 2; }));
    raiseSlots(w, {2, 7});
    EXPECT_EQ(t.selectedIds(), (std::vector<int>{2, 7}));
    key(w, Qt::Key_L);
    host.send("CMD_playerror+2+3+");
    ASSERT_TRUE(waitUntil([&] { return t.status == "That does not complete your stage."; }));
    // Seat 3 lays; Tab reaches its first group, Right picks the right end.
    host.send("CMD_playstage+3+4+t+2+1+5+2+1+18+2+1+31+2+2+9+2+2+22+2+2+35");
    ASSERT_TRUE(waitUntil([&] { return !t.seats[3].groups[1].empty(); }));
    raiseSlots(w, {7});  // lowers card 7, leaves card 2 raised
    key(w, Qt::Key_Tab);  // hand -> draw pile
    key(w, Qt::Key_Tab);  // -> discard pile
    key(w, Qt::Key_Tab);  // -> first laid group
    EXPECT_EQ(QApplication::focusWidget(), test::TchatParts::board(w)->tableView());
    key(w, Qt::Key_Right);
    key(w, Qt::Key_Return);
    ASSERT_TRUE(host.waitFor("CMD_hitset"));
    host.send("CMD_playerror+2+5+");
    ASSERT_TRUE(waitUntil([&] { return t.status == "You cannot hit until you complete the stage."; }));
    key(w, Qt::Key_Tab, Qt::ShiftModifier);  // back to the discard pile
    key(w, Qt::Key_Enter);                   // a click there discards the raised card
    ASSERT_TRUE(host.waitFor("CMD_discard"));
    EXPECT_EQ(host.bytes.substr(host.bytes.find("CMD_draw")),
              "CMD_draw+2+\xFF" "CMD_createstage+2+2+7\xFF" "CMD_hitset+2+31+2+r+\xFF" "CMD_discard+2+2+\xFF");
}

// A joined copy works the hint out from its own table: H outlines the pile
// to draw from, then raises the stage's cards, which L lays; the hint itself
// sends nothing.
TEST(KeyboardPlay, AHintNamesTheMoveAPersonMakesAndSendsNothing) {
    test::JoinedWindow j(2);
    Tchat& w = j.w;
    QAction* hint = test::TchatParts::action(w, "KeyHint1");
    j.host.send("CMD_newplayerinfo+2+Ann");
    j.host.send("CMD_startgame+Bob+y+1+y+2");
    j.host.send("CMD_startround+5+1+1+y+2+1+y");
    j.host.send("CMD_mycards+2+1+5+2+18+3+31+4+7+5+20+6+33+7+9+8+10+9+11+10+40");
    const client::TableModel& t = test::TchatParts::table(w);
    ASSERT_TRUE(waitUntil([&] { return t.cardCount() == 10; }));
    EXPECT_FALSE(hint->isEnabled());  // not the own turn
    j.host.send("CMD_nextplayer+2+");
    ASSERT_TRUE(waitUntil([&] { return t.turnPhase == 1; }));
    test::TchatParts::board(w)->tableView()->setFocus();
    const size_t sent = j.host.bytes.size();
    key(w, Qt::Key_H);
    EXPECT_EQ(t.status, "Hint: Draw: the pile's blue 5 does not help you");
    const client::TableView* view = test::TchatParts::board(w)->tableView();
    EXPECT_EQ(view->hinted().role, client::ItemRole::DrawPile);
    key(w, Qt::Key_D);
    ASSERT_TRUE(j.host.waitFor("CMD_draw+2+\xFF"));
    j.host.send("CMD_draw+2+11+11+12+");
    ASSERT_TRUE(waitUntil([&] { return t.turnPhase == 2; }));
    EXPECT_EQ(view->hinted().role, client::ItemRole::None);  // the next change ends the hint
    key(w, Qt::Key_H);
    EXPECT_EQ(t.status, "Hint: Lay your stage \"2 Sets of 3\" now");
    key(w, Qt::Key_L);
    ASSERT_TRUE(j.host.waitFor("CMD_createstage"));
    EXPECT_EQ(j.host.bytes.substr(sent), "CMD_draw+2+\xFF" "CMD_createstage+2+1+2+3+4+5+6\xFF");
}

// The mouse and the keys reach the same typed item: a click at a group's
// right part and Right, Enter on it send the same hit, byte for byte.
TEST(KeyboardPlay, AClickAndTheKeyOnOneGroupSendTheSameBytes) {
    test::JoinedWindow j(2);
    test::RecordingHost& host = j.host;
    Tchat& w = j.w;
    deal(host);
    host.send("CMD_playstage+3+4+t+2+1+5+2+1+18+2+1+31+2+2+9+2+2+22+2+2+35");
    host.send("CMD_draw+2+11+11+44+");
    const client::TableModel& t = test::TchatParts::table(w);
    ASSERT_TRUE(waitUntil([&] { return t.turnPhase == 2 && !t.seats[3].groups[1].empty(); }));
    client::TableView* view = test::TchatParts::board(w)->tableView();
    view->setFocus();
    raiseSlots(w, {2});
    const client::BoardItem* group = view->item(u"image_set31");
    ASSERT_TRUE(group && group->visible);
    QTest::mouseClick(view, Qt::LeftButton, {}, view->fromBoard(group->rect.topLeft() + QPoint(30, 20)));
    ASSERT_TRUE(host.waitFor("CMD_hitset"));
    const std::string clicked = host.bytes.substr(host.bytes.find("CMD_hitset"));
    host.send("CMD_playerror+2+5+");
    ASSERT_TRUE(waitUntil([&] { return t.ownTurn() && test::TchatParts::mychat(w)->hasFocus(); }));
    key(w, Qt::Key_Escape);  // the click gave the chat line the keys
    key(w, Qt::Key_Tab);  // hand -> draw pile
    key(w, Qt::Key_Tab);  // -> discard pile
    key(w, Qt::Key_Tab);  // -> first laid group
    key(w, Qt::Key_Right);
    key(w, Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return host.bytes.size() >= host.bytes.find("CMD_hitset") + 2 * clicked.size(); }));
    EXPECT_EQ(clicked, "CMD_hitset+2+31+2+r+\xFF");
    EXPECT_EQ(host.bytes.substr(host.bytes.find("CMD_hitset")), clicked + clicked);
}

TEST(KeyboardPlay, AClickOnTheTableLeavesTheKeysInTheChatLine) {
    test::JoinedWindow j(2);
    test::RecordingHost& host = j.host;
    Tchat& w = j.w;
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    host.send("CMD_mycards+2+1+5+2+18+3+31");
    host.send("CMD_nextplayer+2+");
    host.send("CMD_draw+2+4+4+44+");
    const client::TableModel& t = test::TchatParts::table(w);
    ASSERT_TRUE(waitUntil([&] { return t.turnPhase == 2; }));
    QLineEdit* chat = test::TchatParts::mychat(w);
    chat->setFocus();
    client::TableView* view = test::TchatParts::board(w)->tableView();
    const client::BoardItem* card = view->item(QStringLiteral("card2"));
    ASSERT_NE(card, nullptr);
    QTest::mouseClick(view, Qt::LeftButton, {}, view->fromBoard(card->rect.topLeft() + QPoint(5, 20)));
    ASSERT_EQ(t.selectedIds(), std::vector<int>{2});  // the click raised the card
    EXPECT_TRUE(chat->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), "i will fix that, discard please lads");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(host.waitFor("i will fix that, discard please lads|"));
    for (const char* request : {"CMD_discard", "CMD_createstage", "CMD_draw", "CMD_pickdiscard", "CMD_hit"})
        EXPECT_EQ(host.bytes.find(request), std::string::npos) << request;
    EXPECT_FALSE(test::TchatParts::keys(w).ringShown());
}

TEST(KeyboardPlay, TheChatLineKeepsItsLettersAndEscLeavesIt) {
    test::JoinedWindow j(2);
    test::RecordingHost& host = j.host;
    Tchat& w = j.w;
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    host.send("CMD_mycards+2+1+5+2+18");
    host.send("CMD_nextplayer+2+");
    const client::TableModel& t = test::TchatParts::table(w);
    ASSERT_TRUE(waitUntil([&] { return t.turnPhase == 1; }));
    test::TchatParts::mychat(w)->setFocus();
    QTest::keyClicks(test::TchatParts::mychat(w), "dps");
    EXPECT_EQ(test::TchatParts::mychat(w)->text(), "dps");
    key(w, Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), test::TchatParts::board(w)->tableView());
    key(w, Qt::Key_D);
    ASSERT_TRUE(host.waitFor("CMD_draw+2+\xFF"));
    EXPECT_EQ(host.bytes.find("CMD_pickdiscard"), std::string::npos);
    key(w, Qt::Key_F6);
    EXPECT_TRUE(test::TchatParts::mychat(w)->hasFocus());
    // The keys are in the Play menu and in the help.
    ASSERT_NE(test::TchatParts::action(w, "KeyDiscard1"), nullptr);
    EXPECT_EQ(test::TchatParts::action(w, "KeyDiscard1")->shortcuts().size(), 2);
    EXPECT_TRUE(test::TchatParts::sideWindows(w).help()->memo(3)->toPlainText().contains("pick up the discard"));
}

}  // namespace
