// A solo game against three computers, watched at the fastest bot speed and
// played to its end on a real X server: the round summary is clicked each
// round and closed by its Continue, then the final standings, then Play
// Again, which deals a new game.
// Every panel and button on the table takes a real click here.
#include <gtest/gtest.h>

#include "client/board/board.h"
#include "client/board/tableview.h"
#include "client/settings/optionsmenu.h"
#include "support/hostedwindow.h"
#include "support/tchatparts.h"
#include "support/xinput.h"

using namespace velmora;
using test::onScreen;
using test::waitUntil;
using test::xclick;

namespace {

constexpr const char* kChildFlag = "VELMORA_WHOLEGAME_CHILD";

TEST(WholeGameOnX, AParentRunsTheGameOnItsOwnXServer) {
    test::runChildOnX(kChildFlag, "WholeGameOnX.ChildWatchesAGameAndPlaysAgain", 100, 280000);
}

bool shown(const client::TableView* view, QStringView name) {
    const client::BoardItem* it = view->item(name);
    return it && it->visible;
}

TEST(WholeGameOnX, ChildWatchesAGameAndPlaysAgain) {
    if (!qEnvironmentVariableIsSet(kChildFlag)) GTEST_SKIP() << "runs on the parent's X server";
    // The computers move on the next turn of the event loop; the pause
    // between rounds ends only when the test says so.
    test::HostedWindow hw({}, test::quietOptions(0), host::HostTimings{0, 3600000, 0.01});
    client::Tchat& w = hw.window;
    ASSERT_NO_FATAL_FAILURE(test::openOnX(w));
    test::TchatParts::options(w).Fast1Click(500);
    const client::TableModel& t = test::TchatParts::table(w);
    host::TServer& server = hw.host.server();
    client::TableView* view = test::TchatParts::board(w)->tableView();
    QPushButton* start = test::TchatParts::board(w)->button_start();
    ASSERT_TRUE(xclick(start->mapToGlobal(start->rect().center())));
    ASSERT_TRUE(waitUntil([&] { return t.cardCount() == 10; })) << "Start Game did not deal";
    w.JustWatch1Click();
    int rounds = 0;
    for (;;) {
        ASSERT_TRUE(waitUntil([&] { return t.showWinner || (shown(view, u"panel_roundsummary") && server.timer1Active()); },
                              30000))
            << "round " << rounds << " did not end";
        if (t.showWinner) break;
        ++rounds;
        // The panel's body, then its Continue, which closes it.
        ASSERT_TRUE(xclick(onScreen(view, *view->item(u"panel_roundsummary"))));
        ASSERT_TRUE(xclick(onScreen(view, *view->item(u"button_continue"))));
        ASSERT_TRUE(waitUntil([&] { return !shown(view, u"panel_roundsummary"); })) << "round " << rounds;
        while (server.timer1Active()) server.table().timer1Timer();
    }
    EXPECT_GE(rounds, 1);
    ASSERT_TRUE(waitUntil([&] { return shown(view, u"button_playagain"); }));
    ASSERT_TRUE(xclick(onScreen(view, *view->item(u"panel_winner"))));
    ASSERT_TRUE(shown(view, u"panel_winner"));
    ASSERT_TRUE(xclick(onScreen(view, *view->item(u"button_playagain"))));
    // Dealt in again: Play Again ends the watching.
    ASSERT_TRUE(waitUntil([&] { return !t.showWinner && t.cardCount() == 10; })) << "Play Again did not deal";
    EXPECT_FALSE(shown(view, u"panel_winner"));
    EXPECT_TRUE(w.isVisible());
}

}  // namespace
