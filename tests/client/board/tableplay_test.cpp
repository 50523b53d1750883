// A hand on the mouse and keys on a real X server, against a host played by
// the test: cards dragged onto the discard pile and a laid group play, a
// double click discards, clicks still raise; the round summary stands over
// the middle of the table, leaves the chat free, closes by Continue, Esc or
// the first move of the next round, and View > Last Round Summary opens it
// again.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>

#include "client/board/board.h"
#include "client/board/tableview.h"
#include "support/recordinghost.h"
#include "support/tchatparts.h"
#include "support/xinput.h"

using namespace velmora;
using test::onScreen;
using test::waitUntil;
using test::xclick;

namespace {

constexpr const char* kChildFlag = "VELMORA_TABLEPLAY_CHILD";

TEST(TablePlayOnX, AParentRunsTheHandOnItsOwnXServer) {
    test::runChildOnX(kChildFlag, "TablePlayOnX.ChildDragsClicksAndClosesTheSummary", 120, 110000);
}

struct Table {
    test::RecordingHost fake;
    test::HostedWindow hw{{"Ann", "127.0.0.1", "false"}, test::quietOptions(fake.port())};
    client::Tchat& w = hw.window;
    const client::TableModel& t = test::TchatParts::table(w);
    client::TableView* view = test::TchatParts::board(w)->tableView();

    const client::BoardItem& at(QStringView name) const { return *view->item(name); }
    bool shown(QStringView name) const {
        const client::BoardItem* it = view->item(name);
        return it && it->visible;
    }
    QPoint card(int id) const { return onScreen(view, at(QStringLiteral("card%1").arg(id)), {10, 40}); }
    // The host's bytes from the last request of this name on.
    std::string last(const std::string& command) const { return fake.bytes.substr(fake.bytes.rfind(command)); }
    void clickMenu(const char* menu, const char* action) {
        for (QAction* bar : w.menuBar()->actions())
            if (bar->menu() && bar->menu()->objectName() == QLatin1String(menu)) {
                ASSERT_TRUE(xclick(w.menuBar()->mapToGlobal(w.menuBar()->actionGeometry(bar).center())));
                ASSERT_TRUE(waitUntil([&] { return bar->menu()->isVisible(); }));
                QAction* item = test::TchatParts::action(w, action);
                ASSERT_TRUE(xclick(bar->menu()->mapToGlobal(bar->menu()->actionGeometry(item).center())));
                return;
            }
        FAIL() << menu;
    }
};

TEST(TablePlayOnX, ChildDragsClicksAndClosesTheSummary) {
    if (!qEnvironmentVariableIsSet(kChildFlag)) GTEST_SKIP() << "runs on the parent's X server";
    Table x;
    ASSERT_NO_FATAL_FAILURE(test::openOnX(x.w, false));
    ASSERT_TRUE(x.fake.waitConnected());
    for (const char* m : {"CMD_sendlogininfo+1", "CMD_newplayerinfo+1+Ann", "CMD_startgame+Bob+y+1+y+2",
                          "CMD_startround+40+1+1+y+2+1+y", "CMD_mycards+1+1+6+2+18+3+31+4+7+5+9+6+10+7+11+8+12+9+40+10+41",
                          "CMD_playstage+2+4+t+2+1+6+2+1+19+2+1+45+2+2+9+2+2+22+2+2+35", "CMD_nextplayer+1+"})
        x.fake.send(m);
    ASSERT_TRUE(waitUntil([&] { return x.t.turnPhase == 1 && x.shown(u"image_set21"); }));
    ASSERT_TRUE(xclick(onScreen(x.view, x.at(u"image_draw"))));
    ASSERT_TRUE(x.fake.waitFor("CMD_draw+1+\xFF"));
    x.fake.send("CMD_draw+1+11+11+44+");
    ASSERT_TRUE(waitUntil([&] { return x.t.turnPhase == 2; }));

    // A click raises; a card dragged onto the pile is the one discarded.
    ASSERT_TRUE(xclick(x.card(2)));
    ASSERT_TRUE(waitUntil([&] { return x.t.selectedIds() == std::vector<int>{2}; }));
    ASSERT_TRUE(test::xdrag(x.card(3), onScreen(x.view, x.at(u"image_discard"))));
    ASSERT_TRUE(x.fake.waitFor("CMD_discard"));
    EXPECT_EQ(x.last("CMD_discard"), "CMD_discard+1+3+\xFF");
    x.fake.send("CMD_hisdiscard+1+10+31+3+0+");
    x.fake.send("CMD_nextplayer+1+");
    ASSERT_TRUE(waitUntil([&] { return x.t.turnPhase == 1 && x.t.slotOf(3) == 0; }));
    ASSERT_TRUE(xclick(onScreen(x.view, x.at(u"image_draw"))));
    ASSERT_TRUE(waitUntil([&] { return x.fake.bytes.rfind("CMD_draw") > x.fake.bytes.rfind("CMD_discard"); }));
    x.fake.send("CMD_draw+1+11+3+32+");
    ASSERT_TRUE(waitUntil([&] { return x.t.turnPhase == 2; }));
    // Onto a laid group it hits: the blue 6 on seat 2's sixes, at the right end.
    ASSERT_TRUE(test::xdrag(x.card(1), onScreen(x.view, x.at(u"image_set21"), {x.at(u"image_set21").rect.width() - 8, 30})));
    ASSERT_TRUE(x.fake.waitFor("CMD_hitset"));
    EXPECT_EQ(x.last("CMD_hitset"), "CMD_hitset+1+21+1+r+\xFF");
    x.fake.send("CMD_hitthem+1+2+10+1+1+0+2+1+6+2+1+19+2+1+45+2+1+6");
    ASSERT_TRUE(waitUntil([&] { return x.t.slotOf(1) == 0; }));
    // A double click discards the card.
    ASSERT_TRUE(xclick(x.card(4), 2));
    ASSERT_TRUE(waitUntil([&] { return x.last("CMD_discard") != "CMD_discard+1+3+\xFF"; }));
    EXPECT_EQ(x.last("CMD_discard"), "CMD_discard+1+4+\xFF");

    // The round ends: the summary stands over the table and leaves the chat free.
    x.fake.send("CMD_endround+2+1+1+40+40+2+2+0+0");
    ASSERT_TRUE(waitUntil([&] { return x.shown(u"panel_roundsummary"); }));
    const auto global = [](const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); };
    const QWidget* overlay = x.w.findChild<QWidget*>(QStringLiteral("panel_overlay"));
    const QWidget* chat = x.w.findChild<QWidget*>(QStringLiteral("panel_chat"));
    ASSERT_TRUE(overlay && overlay->isVisible() && chat);
    EXPECT_FALSE(global(overlay).intersects(global(chat)));
    EXPECT_FALSE(x.at(u"panel_roundsummary").rect.intersects(x.at(u"button_chatbox").rect));
    ASSERT_TRUE(xclick(onScreen(x.view, x.at(u"button_continue"))));
    ASSERT_TRUE(waitUntil([&] { return !x.shown(u"panel_roundsummary"); }));
    ASSERT_NO_FATAL_FAILURE(x.clickMenu("ViewMenu", "LastRoundSummary1"));
    ASSERT_TRUE(waitUntil([&] { return x.shown(u"panel_roundsummary"); }));
    ASSERT_TRUE(test::xkey(QStringLiteral("Escape")));
    ASSERT_TRUE(waitUntil([&] { return !x.shown(u"panel_roundsummary"); }));
    ASSERT_NO_FATAL_FAILURE(x.clickMenu("ViewMenu", "LastRoundSummary1"));
    ASSERT_TRUE(waitUntil([&] { return x.shown(u"panel_roundsummary"); }));
    // Kept through the next deal; the first move, a click through the panel
    // onto the discard pile under it, closes it and is made.
    x.fake.send("CMD_startround+7+1+2+y+2+2+y");
    x.fake.send("CMD_mycards+1+1+5+2+18");
    x.fake.send("CMD_nextplayer+1+");
    ASSERT_TRUE(waitUntil([&] { return x.t.turnPhase == 1; }));
    EXPECT_TRUE(x.shown(u"panel_roundsummary"));
    const QRect pile = x.at(u"image_discard").rect & x.at(u"panel_roundsummary").rect;
    ASSERT_FALSE(pile.isEmpty()) << "the summary no longer lies over the discard pile";
    ASSERT_TRUE(xclick(x.view->mapToGlobal(x.view->fromBoard(pile.center()))));
    ASSERT_TRUE(x.fake.waitFor("CMD_pickdiscard+1+\xFF"));
    EXPECT_FALSE(x.shown(u"panel_roundsummary"));
}

}  // namespace
