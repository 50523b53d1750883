// The game log after a watched round: every status text in order with its
// round; its switch brings it to the front and the chat switch sends it back.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <algorithm>
#include <QTest>

#include "client/board/board.h"
#include "client/chat/chatview.h"
#include "support/recordinghost.h"
#include "client/access/gamelog.h"
#include "support/hostedwindow.h"
#include "client/board/tableview.h"
#include "support/tchatparts.h"

using namespace velmora;
using client::Tchat;
using test::waitUntil;

namespace {

TEST(GameLog, KeepsEveryStatusTextOfARoundInOrder) {
    test::HostedWindow hw({}, test::quietOptions(0), host::HostTimings{0, 40, 0.0});
    Tchat& w = hw.window;
    w.show();
    ASSERT_TRUE(waitUntil([&] { return test::TchatParts::mainchat(w)->toPlainText().contains("You are Connected."); }));
    client::TableModel& t = test::TchatParts::table(w);
    // The log names the cards the status lines leave out, and says once
    // that the computer plays the watching player's seat.
    const std::string computerPlays = client::TableModel::kComputerPlaysText;
    std::vector<std::string> seen;
    auto logged = t.hooks.status;
    t.hooks.status = [&](const std::string& s) {
        if (s != computerPlays || std::find(seen.begin(), seen.end(), s) == seen.end()) seen.push_back(t.logLine);
        logged(s);
    };
    w.button_startClick();
    ASSERT_TRUE(waitUntil([&] { return t.cardCount() == 10; }));
    w.JustWatch1Click();
    ASSERT_TRUE(waitUntil([&] { return t.status == "The Round is Over!"; }, 30000));
    const QStringList lines = test::TchatParts::gameLog(w).panel()->lines();
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(seen.size()));
    ASSERT_GE(lines.size(), 5);
    for (qsizetype i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].toStdString(), "Round 1: " + seen[static_cast<size_t>(i)]);
    EXPECT_EQ(lines.back(), "Round 1: The Round is Over!");
    EXPECT_EQ(lines.filter(QString::fromStdString(computerPlays)).size(), 1);
    EXPECT_FALSE(lines.filter(QRegularExpression("^Round 1: (Klot|Klock|Kling) discarded (the|a) .*\\.$")).isEmpty());
    // The next deal: round 2, the same game.
    // Wait for the log's next line itself: the deal can change the round and
    // clear the status before anything is logged.
    client::GameLogPanel* panel = test::TchatParts::gameLog(w).panel();
    ASSERT_TRUE(waitUntil([&] { return panel->lines().size() > lines.size(); }, 30000));
    EXPECT_TRUE(panel->lines().at(lines.size()).startsWith("Round 2: ")) << panel->lines().at(lines.size()).toStdString();
}

TEST(GameLog, TheSwitchesBringItForwardAndBack) {
    test::JoinedWindow j(2);
    test::RecordingHost& host = j.host;
    Tchat& w = j.w;
    host.send("CMD_newplayerinfo+1+Bob");
    host.send("CMD_startgame+Bob+y+1+y+2");
    host.send("CMD_startround+5+1+1+y+2+1+y");
    host.send("CMD_nextplayer+1+");
    host.send("CMD_playerror+2+1+");  // a refusal shows on the status line, and in the log
    ASSERT_TRUE(waitUntil([&] { return test::TchatParts::table(w).status == "You cannot do that right now."; }));
    client::GameLogPanel* panel = test::TchatParts::gameLog(w).panel();
    EXPECT_EQ(panel->lines(), QStringList({"Round 1: Bob's turn.", "Round 1: You cannot do that right now."}));
    EXPECT_FALSE(panel->isVisible());
    QTest::mouseClick(test::TchatParts::gameLog(w).button(), Qt::LeftButton);
    EXPECT_TRUE(panel->isVisible());
    // What was told before the log was first shown is all in its view.
    EXPECT_EQ(panel->textView()->toPlainText(), "Round 1: Bob's turn.\nRound 1: You cannot do that right now.");
    client::TableView* view = test::TchatParts::board(w)->tableView();
    QTest::mouseClick(view, Qt::LeftButton, {}, view->fromBoard({650, 290}));  // STAGE LIST
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(test::TchatParts::board(w)->panel_stagelist()->isVisible());
    test::TchatParts::action(w, "GameLog1")->trigger();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(test::TchatParts::board(w)->panel_stagelist()->isVisible());
    // Zoomed, the log and its switch keep their places on the board.
    test::TchatParts::board(w)->setZoom(2.0);
    EXPECT_EQ(panel->geometry(), QRect(1030, 604, 522, 468));
    EXPECT_EQ(test::TchatParts::gameLog(w).button()->geometry(), QRect(1422, 562, 128, 42));
}

}  // namespace
