// The table in the real window: a watched solo game to the winner, a
// hostile host, and clicks that reach a host as request bytes.
#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include "client/board/board.h"
#include "client/chat/chatview.h"
#include "support/recordinghost.h"
#include "support/hostedwindow.h"
#include "client/board/tableview.h"
#include "support/eventloop.h"
#include "support/tchatparts.h"

using namespace velmora;
using client::Tchat;
using test::waitUntil;

namespace {

// A host played by the test: it accepts one client and records its messages.
using FakeHost = test::RecordingHost;

// A window that joined the fake host and was given a place.
struct FakeTable : testing::Test {
    std::vector<QString> played;
    FakeHost fake;
    std::unique_ptr<test::HostedWindow> hw;

    Tchat& join(int place) {
        hw = std::make_unique<test::HostedWindow>(QStringList{"Ann", "127.0.0.1", "false"},
                                                  test::quietOptions(fake.port(), &played));
        hw->window.show();
        EXPECT_TRUE(fake.waitConnected());
        fake.send("CMD_sendlogininfo+" + std::to_string(place));
        return hw->window;
    }
};

std::string disagreement(const host::Table& h, const client::TableModel& c) {
    if (c.cardCount() != h.getnumcards(1)) return "own hand count";
    for (int s = 2; s <= 4; ++s)
        if (h.player(s).inround == 1 && c.seats[s].handCount != h.getnumcards(s))
            return "hand count of seat " + std::to_string(s);
    for (int k = 1; k <= 11; ++k) {
        const int slot = c.slotOf(k);
        if ((slot ? c.hand[slot].face : 0) != h.player(1).hand[k]) return "hand slot " + std::to_string(k);
    }
    return {};
}

TEST(TableWindow, AWatchedSoloGameFollowsTheHostToTheWinner) {
    std::vector<QString> played;
    int roundEnds = 0;  // outlives the window that counts into it
    // Moves at once; the pause between rounds never ends by itself: the test
    // compares the two tables in it, then ends it, however busy the machine.
    test::HostedWindow hw({}, test::quietOptions(0, &played), host::HostTimings{0, 3600000, 0.0});
    Tchat& w = hw.window;
    w.show();
    ASSERT_TRUE(waitUntil([&] { return test::TchatParts::mainchat(w)->toPlainText().contains("You are Connected."); }));
    std::vector<QString> recorded;
    QObject::connect(&w, &client::Tchat::gameFinished, [&](const QString& winner) { recorded.push_back(winner); });
    client::TableModel& t = test::TchatParts::table(w);
    // Counted as the window handles each event: a short round can start and
    // end within one wait, so the status alone cannot tell the next end from
    // the last.
    t.onChanged([&t, &roundEnds, shown = t.status]() mutable {
        if (t.status == "The Round is Over!" && shown != t.status) ++roundEnds;
        shown = t.status;
    });
    w.button_startClick();
    ASSERT_TRUE(waitUntil([&] { return t.cardCount() == 10; }));
    w.JustWatch1Click();
    host::TServer& server = hw.host.server();
    const host::Table& h = server.table();
    int rounds = 0;
    for (;;) {
        ASSERT_TRUE(waitUntil([&] { return roundEnds > rounds || t.showWinner; }, 30000));
        if (t.showWinner) break;
        ++rounds;
        ASSERT_EQ(roundEnds, rounds);         // one end per pause
        ASSERT_TRUE(server.timer1Active());   // the host waits in the pause
        EXPECT_EQ(disagreement(h, t), "") << "round " << rounds;
        while (server.timer1Active()) server.table().timer1Timer();
    }
    EXPECT_GE(rounds, 1);
    // The solo table deals three computer players unless the player chose fewer.
    EXPECT_TRUE(h.player(1).stage == 11 || h.player(2).stage == 11 || h.player(3).stage == 11 ||
                h.player(4).stage == 11);
    EXPECT_EQ(t.status, "Game Over!");
    const client::BoardItem* panel = test::TchatParts::board(w)->tableView()->item(u"panel_winner");
    ASSERT_TRUE(panel && panel->visible);
    const QStringList winners{"Klot has Won the Game!", "Klock has Won the Game!", "Kling has Won the Game!",
                              "You has Won the Game!", "You have Won the Game!"};
    EXPECT_TRUE(winners.contains(panel->text))
        << panel->text.toStdString();
    EXPECT_EQ(recorded.size(), 1u);
    EXPECT_TRUE(test::TchatParts::board(w)->button_start()->isVisible());
    EXPECT_EQ(test::TchatParts::board(w)->label_status()->text(), "Game Over!");
}

TEST_F(FakeTable, AHostileHostCannotBreakTheWindow) {
    Tchat& w = join(1);
    fake.send("CMD_newplayerinfo+1+Ann");
    fake.send("CMD_startgame+Evil+y+1+y+2");
    fake.send("CMD_startround+5+1+1+y+2+1+y");
    fake.send("CMD_mycards+1+1+5+2+6");
    const char* hostile[] = {
        "CMD_startgame+x+y+0",          "CMD_startround+99+1+1+y",      "CMD_startround+5+7+1+y",
        "CMD_mycards+1+0+5",            "CMD_mycards+1+12+5",           "CMD_mycards+1+3+54",
        "CMD_mycards+9+3+5",            "CMD_nextplayer+5+",            "CMD_nextplayer+abc+",
        "CMD_draw+1+11+-3+4+",          "CMD_draw+1+",                  "CMD_hedrew+0+3+",
        "CMD_hedrew+2+4000000000+",     "CMD_pickdiscard+1+3+2+99+3+",  "CMD_hisdiscard+7+3+5+1+0+",
        "CMD_hisdiscard+1+3+5+1+9+",    "CMD_playstage+1+3+t+2+3+5",    "CMD_playstage+1+3+t+1+40+0",
        "CMD_hitthem+1+2+3+2+1+60",     "CMD_hitthem+9+1+3+",           "CMD_endround+1+5+1+0+0",
        "CMD_endround+1+1+12+0+0",      "CMD_winner+12+1+1",            "CMD_winner+",
        "CMD_gamestats+1+9+1+7",        "CMD_gamestats+1+1+1+7+m+1+999+0", "CMD_gamestats+1+1+1+7+s+2+9+5",
        "CMD_gamestats+1+1+1+7+t+1",    "CMD_playerror+1+",             "CMD_playerror+1+x+",
    };
    for (const char* m : hostile) fake.send(m);
    std::string huge = "CMD_playstage+1+3+t";
    for (int i = 0; i < 3000; ++i) huge += "+2+1+5";
    fake.send(huge);
    fake.send("CMD_chat+Evil chats: still here");
    ASSERT_TRUE(waitUntil([&] { return test::TchatParts::mainchat(w)->toPlainText().contains("Evil chats: still here"); }));
    const client::TableModel& t = test::TchatParts::table(w);
    EXPECT_EQ(t.cardCount(), 2);
    EXPECT_EQ(t.discardTop, 5);
    EXPECT_TRUE(t.seats[1].groups[0].empty());
    EXPECT_TRUE(w.isVisible());
    test::TchatParts::board(w)->grab();  // paints whatever the state holds
}

// Clicks on the painted table, through the mouse, reach the host as bytes.
TEST_F(FakeTable, ClicksSendTheirRequestsToTheHost) {
    Tchat& w = join(2);
    fake.send("CMD_newplayerinfo+2+Ann");
    fake.send("CMD_startgame+Bob+y+1+y+2");
    fake.send("CMD_startround+5+1+1+y+2+1+y");
    fake.send("CMD_mycards+2+1+5+2+18+3+31+4+7+5+9+6+10+7+11+8+12+9+40+10+41");
    fake.send("CMD_nextplayer+2+");
    const client::TableModel& t = test::TchatParts::table(w);
    ASSERT_TRUE(waitUntil([&] { return t.turnPhase == 1; }));
    client::TableView* view = test::TchatParts::board(w)->tableView();
    auto clickOn = [&](const char16_t* name, QPoint offset = {5, 5}, Qt::MouseButton b = Qt::LeftButton) {
        const client::BoardItem* it = view->item(name);
        ASSERT_TRUE(it && it->visible) << QString::fromUtf16(name).toStdString();
        QTest::mouseClick(view, b, {}, view->fromBoard(it->rect.topLeft() + offset));
    };
    clickOn(u"image_draw");
    clickOn(u"image_draw");
    ASSERT_TRUE(waitUntil([&] { return fake.bytes.find("CMD_draw+2+\xFF") != std::string::npos; }));
    fake.send("CMD_draw+2+11+11+44+");
    ASSERT_TRUE(waitUntil([&] { return t.turnPhase == 2; }));
    clickOn(u"card2");
    clickOn(u"card7");
    EXPECT_EQ(view->item(u"card7")->rect.top(), 410);
    clickOn(u"button_createstage");
    fake.send("CMD_playerror+2+3+");
    ASSERT_TRUE(waitUntil([&] { return t.status == "That does not complete your stage."; }));
    clickOn(u"card7", {5, 5});
    clickOn(u"button_discard");
    clickOn(u"image_discard");
    ASSERT_TRUE(waitUntil([&] { return fake.bytes.find("CMD_discard") != std::string::npos; }));
    EXPECT_EQ(fake.bytes.substr(fake.bytes.find("CMD_draw")),
              "CMD_draw+2+\xFF" "CMD_createstage+2+2+7\xFF" "CMD_discard+2+2+\xFF");
}

TEST_F(FakeTable, DraggingACardReordersTheHand) {
    Tchat& w = join(1);
    fake.send("CMD_mycards+1+1+3+2+9+3+27+4+7");
    const client::TableModel& t = test::TchatParts::table(w);
    ASSERT_TRUE(waitUntil([&] { return t.cardCount() == 4; }));
    client::TableView* view = test::TchatParts::board(w)->tableView();
    const QPoint from = view->fromBoard({45, 470});
    QTest::mousePress(view, Qt::LeftButton, {}, from);
    QTest::mouseMove(view, from + QPoint(30, 0));
    QTest::mouseMove(view, from + QPoint(60, 0));
    QTest::mouseRelease(view, Qt::LeftButton, {}, from + QPoint(60, 0));
    EXPECT_EQ(t.hand[3].id, 1);
    EXPECT_EQ(t.hand[1].id, 2);
    EXPECT_TRUE(t.selectedIds().empty());
    // Right button: sorted at once.
    QTest::mouseClick(view, Qt::RightButton, {}, view->fromBoard({45, 470}));
    EXPECT_EQ(t.hand[1].face, 27);
    EXPECT_EQ(t.hand[2].face, 3);
}

}  // namespace
