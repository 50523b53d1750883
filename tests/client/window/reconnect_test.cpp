// A window whose line to the host breaks: through a fault-injecting proxy
// between a real window and a real host, it keeps its seat and its hand.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <algorithm>

#include "client/chat/chatview.h"
#include "host/table_access.h"
#include "support/faultproxy.h"
#include "support/hostedwindow.h"
#include "support/rawclient.h"
#include "support/tchatparts.h"
#include "windows/hostjoin.h"

using namespace velmora;
using client::Tchat;
using test::TchatParts;
using test::waitUntil;

namespace {

struct Reconnect : testing::Test {
    std::unique_ptr<host::TServer> host;
    std::unique_ptr<test::FaultProxy> proxy;
    std::unique_ptr<test::RawClient> ann;
    std::unique_ptr<test::HostedWindow> bob;

    void play(int seatHoldMs = 120000, int giveUpMs = 60000) {
        host::HostTimings timings{0, 1, 0.0};
        timings.seatHoldMs = seatHoldMs;
        host = std::make_unique<host::TServer>(timings, 11);
        host->setHeadless(true);
        host->table().computerplay = nullptr;   // the table waits for its people
        host->listen("0");
        proxy = std::make_unique<test::FaultProxy>(host->port());
        ann = std::make_unique<test::RawClient>(host->port());
        ASSERT_TRUE(ann->waitFor("CMD_sendlogininfo+1"));
        ann->login(1, "Ann");
        client::TchatOptions o = test::quietOptions(proxy->port());
        o.connection.reconnect = {1, 5, giveUpMs, 2000, 100};
        bob = std::make_unique<test::HostedWindow>(QStringList{"Bob", "127.0.0.1", "false"}, std::move(o));
        bob->window.show();
        ASSERT_TRUE(chatHas("You are Connected."));
        ann->sendMessage("CMD_startgame+Ann+");
        ASSERT_TRUE(waitUntil([&] { return table().cardCount() == 10; }));
    }
    Tchat& window() { return bob->window; }
    client::TableModel& table() { return TchatParts::table(window()); }
    QString chat() { return TchatParts::mainchat(window())->toPlainText(); }
    bool chatHas(const QString& text) { return waitUntil([&] { return chat().contains(text); }); }
    QMessageBox* box(const char* name) { return window().findChild<QMessageBox*>(QString::fromLatin1(name)); }

    std::vector<int> shownHand() {
        std::vector<int> faces;
        for (int k = 1; k <= kHandSlots; ++k)
            if (!table().hand[k].empty()) faces.push_back(table().hand[k].face);
        std::sort(faces.begin(), faces.end());
        return faces;
    }
    std::vector<int> hostHand(int seat) {
        std::vector<int> faces;
        for (int k = 1; k <= kHandSlots; ++k)
            if (int c = host->table().player(seat).hand[k]) faces.push_back(c);
        std::sort(faces.begin(), faces.end());
        return faces;
    }
    // Back at seat 2 with the hand the host holds for it.
    bool backAtSeat() {
        return waitUntil([&] {
            return TchatParts::connection(window()).connected() && host->table().player(2).connected == 1 &&
                   table().ownSeat == 2 && shownHand() == hostHand(2);
        });
    }
};

}  // namespace

TEST_F(Reconnect, ResetAndCutLinesComeBackToTheSeatWithTheHandAndThePoints) {
    play();
    const std::vector<int> hand = hostHand(2);
    // Totals of earlier rounds, which the designed snapshot cannot carry.
    for (int s = 1; s <= kSeats; ++s) host::TableAccess::state(host->table()).players[s].points = 10 * s + 5;
    proxy->down(true);
    proxy->reset();
    ASSERT_TRUE(chatHas("Connection lost: reconnecting…"));
    ASSERT_TRUE(waitUntil([&] { return TchatParts::connection(window()).attempt() >= 2; }));
    ASSERT_NE(box("box_reconnect"), nullptr);
    EXPECT_TRUE(box("box_reconnect")->text().startsWith("Connection lost: reconnecting…\nAttempt "));
    EXPECT_TRUE(host->held(2));
    // A stranger meanwhile gets another place.
    test::RawClient stranger(host->port());
    ASSERT_TRUE(stranger.waitFor("CMD_sendlogininfo+3"));
    proxy->down(false);
    ASSERT_TRUE(backAtSeat());
    EXPECT_EQ(shownHand(), hand);
    ASSERT_TRUE(waitUntil([&] { return table().seats[4].points == 45; }));
    EXPECT_EQ(table().seats[1].points, 15);
    EXPECT_EQ(table().seats[2].points, 25);
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(waitUntil([&] { return box("box_reconnect") == nullptr; }));

    proxy->cut();
    ASSERT_TRUE(waitUntil([&] { return chat().count("Connection lost: reconnecting…") == 2; }));
    ASSERT_TRUE(backAtSeat());
    EXPECT_EQ(shownHand(), hand);
    EXPECT_EQ(host->table().player(2).name, "Bob");
}

TEST_F(Reconnect, StalledLineDeliversLaterWithoutReconnecting) {
    play();
    proxy->stall(true);
    ann->sendMessage("CMD_chat+1+while stalled");
    ASSERT_TRUE(ann->waitFor("CMD_chat+Ann chats: while stalled"));
    proxy->stall(false);
    ASSERT_TRUE(chatHas("while stalled"));
    EXPECT_FALSE(chat().contains("Connection lost"));
    EXPECT_EQ(table().ownSeat, 2);
}

TEST_F(Reconnect, ExpiredHoldFallsBackToTheDesignedLogin) {
    play(1);
    proxy->down(true);
    proxy->reset();
    ASSERT_TRUE(chatHas("Connection lost: reconnecting…"));
    ASSERT_TRUE(waitUntil([&] { return !host->held(2); }));
    proxy->down(false);
    // The token is refused; the window logs in at the place given, the free seat 2.
    ASSERT_TRUE(backAtSeat());
}

// Giving up, by Cancel or after the whole wait, leads to the first screen
// with a line that says so; the program never just goes.
TEST_F(Reconnect, CancelAndGivingUpGoBackToTheFirstScreenSayingSo) {
    play();
    proxy->down(true);
    proxy->reset();
    ASSERT_TRUE(waitUntil([&] { return box("box_reconnect") != nullptr; }));
    box("box_reconnect")->button(QMessageBox::Cancel)->click();
    ASSERT_TRUE(waitUntil([&] { return !bob->relaunched.empty(); }));
    EXPECT_EQ(bob->relaunched[0], QStringList({"--said", "You stopped reconnecting and left the game."}));
    EXPECT_FALSE(TchatParts::connection(window()).reconnecting());

    bob.reset();
    proxy->down(false);
    play(120000, 300);
    proxy->down(true);
    proxy->reset();
    ASSERT_TRUE(waitUntil([&] { return !bob->relaunched.empty(); }));
    EXPECT_EQ(bob->relaunched[0],
              QStringList({"--said", "The connection to the game was lost and could not be restored."}));
}

TEST_F(Reconnect, HostsOwnEndIsToldAndTheWindowStays) {
    play();
    host->announceClosing();
    host.reset();
    ASSERT_TRUE(waitUntil([&] { return box("box_hostended") != nullptr; }));
    EXPECT_EQ(box("box_hostended")->text(), "The host has ended the game.");
    EXPECT_FALSE(TchatParts::connection(window()).reconnecting());
    EXPECT_FALSE(chat().contains("Connection lost"));
    EXPECT_TRUE(window().isVisible());
    box("box_hostended")->button(QMessageBox::Ok)->click();
    ASSERT_TRUE(waitUntil([&] { return TchatParts::hostJoinDialog(window()) != nullptr; }));
    // Choosing no other table leads to the first screen, not to the dead one.
    TchatParts::hostJoinDialog(window())->findChild<QAbstractButton*>("button_cancel")->click();
    ASSERT_EQ(bob->relaunched.size(), 1u);
    EXPECT_EQ(bob->relaunched[0], QStringList({"--said", "The host has ended the game."}));
    window().close();  // nothing is asked about a game that is gone
    EXPECT_FALSE(window().isVisible());
}

// Our window and our host, each meeting a peer that knows only the designed
// names (the line drops every other), still play a whole game.
TEST(DesignedPeers, AWholeGameOverALineOfDesignedNamesOnly) {
    host::TServer host(host::HostTimings{0, 1, 0.0}, 5);
    host.listen("0");
    test::FaultProxy line(host.port());
    line.designedOnly(true);
    test::RawClient ann(host.port());
    ASSERT_TRUE(ann.waitFor("CMD_sendlogininfo+1"));
    ann.login(1, "Ann");
    test::HostedWindow bob({"Bob", "127.0.0.1", "false"}, test::quietOptions(line.port()));
    std::vector<QString> finished;
    QObject::connect(&bob.window, &Tchat::gameFinished, [&](const QString& w) { finished.push_back(w); });
    bob.window.show();
    client::TableModel& t = TchatParts::table(bob.window);
    ASSERT_TRUE(waitUntil([&] { return TchatParts::connection(bob.window).connected() && t.ownSeat == 2; }));
    ann.sendMessage("CMD_startgame+Ann+");
    ASSERT_TRUE(waitUntil([&] { return t.cardCount() == 10; }));
    ann.sendMessage("CMD_justwatch+1+1");
    bob.window.JustWatch1Click();
    ASSERT_TRUE(waitUntil([&] { return t.showWinner; }, 120000));
    EXPECT_EQ(finished.size(), 1u);
    EXPECT_EQ(host::checkcards(host.table()), "");
    int winners = 0;
    for (int s = 1; s <= kSeats; ++s) winners += host.table().player(s).stage == 11;
    EXPECT_GE(winners, 1);
    EXPECT_TRUE(ann.waitFor("CMD_winner", true));
}
