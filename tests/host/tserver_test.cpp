// The running host against bare TCP clients on loopback, with instant timers.
#include "host/tserver.h"

#include <gtest/gtest.h>

#include "host/server_fixture.h"

using namespace velmora;
using test::RawClient;
using test::waitUntil;

namespace {
struct Host : test::HostFixture {
    void SetUp() override { start(); }
};
}  // namespace

TEST_F(Host, PlacesAreHandedOutLowestFirstAndReused) {
    RawClient& a = join("Ann", 1);
    join("Bob", 2);
    RawClient& c = join("Cy", 3);
    EXPECT_EQ(a.got.front(), "CMD_sendlogininfo+1");
    clients[1]->close();
    ASSERT_TRUE(a.waitFor("CMD_playerdisconnected+2+Bob"));
    join("Dee", 2);
    EXPECT_EQ(state().seatsused, 3);
    EXPECT_EQ(state().players[2].name, "Dee");
    // Exactly one departure notice per other client, though the close is reported twice.
    EXPECT_EQ(a.count("CMD_playerdisconnected+2+Bob"), 1);
    EXPECT_EQ(c.count("CMD_playerdisconnected+2+Bob"), 1);
}

TEST_F(Host, NewcomerLearnsOfItselfFirstThenOfEveryone) {
    RawClient& a = join("Ann", 1);
    RawClient& b = join("B+b", 2);  // a name may hold "+"
    ASSERT_TRUE(b.waitFor("CMD_existingplayers+1+Ann"));
    EXPECT_LT(b.find("CMD_newplayerinfo+2+B+b"), b.find("CMD_existingplayers+1+Ann"));
    EXPECT_EQ(b.find("CMD_existingplayers+2+B+b"), -1);
    EXPECT_TRUE(a.waitFor("CMD_newplayerinfo+2+B+b"));
    EXPECT_EQ(state().players[2].name, "B+b");
    EXPECT_EQ(a.find("CMD_gamestats", true), -1);  // no game, no snapshot
}

TEST_F(Host, TenthConnectionIsRefused) {
    for (int p = 1; p <= 9; ++p) join("P" + std::to_string(p), p);
    RawClient tenth(server().port());
    EXPECT_TRUE(tenth.wasConnected);
    ASSERT_TRUE(tenth.waitFor("CMD_full+"));
    EXPECT_TRUE(tenth.waitClosed());
    EXPECT_EQ(state().seatsused, 9);
    EXPECT_EQ(state().players[10].connected, 0);
    // Nobody is told of the refusal: a later relay arrives with nothing before it.
    for (auto& c : clients) handled(*clients[0], 1, *c);
    for (auto& c : clients) EXPECT_EQ(c->find("CMD_playerdisconnected", true), -1);
}

TEST_F(Host, DifferentVersionIsReportedToBothSides) {
    RawClient& a = join("Ann", 1);
    clients.push_back(std::make_unique<RawClient>(server().port()));
    RawClient& b = *clients.back();
    ASSERT_TRUE(b.waitFor("CMD_sendlogininfo+2"));
    b.login(2, "Old", "0.9");
    ASSERT_TRUE(b.waitFor("CMD_wrongversion+"));
    EXPECT_TRUE(a.waitFor("CMD_havewrongversion+Old"));
    EXPECT_EQ(state().players[2].connected, 1);  // stays logged in
}

TEST_F(Host, OnlyTheHostingPlayerRemovesPlayers) {
    RawClient& a = join("Ann", 1);
    RawClient& b = join("Bob", 2);
    RawClient& c = join("Cy", 3);
    b.sendMessage("CMD_kickhim+2+3+");
    b.sendMessage("CMD_kickhim+1+3+");  // pretending to be the host
    handled(b, 2, c);
    EXPECT_FALSE(c.closed());
    a.sendMessage("CMD_kickhim+1+3+");
    ASSERT_TRUE(c.waitClosed());
    ASSERT_TRUE(b.waitFor("CMD_playerdisconnected+3+Cy"));
    EXPECT_TRUE(a.waitFor("CMD_playerdisconnected+3+Cy"));
    a.sendMessage("CMD_kickhim+1+7+");  // nobody there: nothing happens
    handled(a, 1, b);
    EXPECT_EQ(b.count("CMD_playerdisconnected+3+Cy"), 1);
    EXPECT_FALSE(b.closed());
}

TEST_F(Host, RelaysCarryNamesAndTheWholeRest) {
    RawClient& a = join("Ann", 1);
    RawClient& b = join("Bob", 2);
    b.sendMessage("CMD_chat+2+2+2=4|clRed");
    b.sendMessage("CMD_action+2+says: Hi there!|$00FF0000");
    b.sendMessage("CMD_playasound+2+wave4+");
    for (RawClient* c : {&a, &b}) {
        ASSERT_TRUE(c->waitFor("CMD_playasound+2+wave4+"));
        EXPECT_GE(c->find("CMD_chat+Bob chats: 2+2=4|clRed"), 0);
        EXPECT_GE(c->find("CMD_action+Bob says: Hi there!|$00FF0000"), 0);
    }
}

TEST_F(Host, RequestsNamingAnotherPlaceAreDropped) {
    RawClient& a = join("Ann", 1);
    RawClient& b = join("Bob", 2);
    b.sendMessage("CMD_chat+1+I am Ann");
    b.sendMessage("CMD_action+1+waves");
    b.sendMessage("CMD_playasound+1+wave1+");
    b.sendMessage("CMD_logininfo+1+1.0.0+Mallory");
    b.sendMessage("CMD_startgame+Bob+");
    handled(b, 2, a);
    EXPECT_EQ(state().gameon, 0);
    EXPECT_EQ(state().players[1].name, "Ann");
    EXPECT_EQ(a.find("CMD_chat+Ann chats: I am Ann"), -1);
    EXPECT_EQ(a.find("CMD_action", true), -1);
    EXPECT_EQ(a.find("CMD_playasound", true), -1);

    a.sendMessage("CMD_startgame+Ann+");
    ASSERT_TRUE(b.waitFor("CMD_startgame+Ann+y+1+y+2+n+3+n+4"));
    ASSERT_TRUE(b.waitFor("CMD_nextplayer", true));
    const int turn = state().curplayer;
    const int other = turn == 1 ? 2 : 1;
    RawClient& otherClient = other == 1 ? a : b;
    const auto before = state().players[turn].hand;
    // The other client asks to draw for the seat whose turn it is.
    otherClient.sendMessage("CMD_draw+" + std::to_string(turn) + "+");
    otherClient.sendMessage("CMD_justwatch+" + std::to_string(turn) + "+1");
    handled(otherClient, other, otherClient);
    EXPECT_EQ(state().turnphase, 1);
    EXPECT_EQ(state().players[turn].hand, before);
    if (other == 2) {
        EXPECT_EQ(state().players[turn].justwatching, 0);
    }
}

TEST_F(Host, MalformedNumbersAreReportedAndDispatchGoesOn) {
    RawClient& a = join("Ann", 1);
    testing::internal::CaptureStderr();
    a.sendMessage("CMD_chat+one+hello");
    a.sendMessage("CMD_chat+1+still here");
    ASSERT_TRUE(a.waitFor("CMD_chat+Ann chats: still here"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("'one' is not a valid integer value"),
              std::string::npos);
}

TEST_F(Host, FloodingClientIsCutOffWhileOthersPlayOn) {
    RawClient& a = join("Ann", 1);
    RawClient& b = join("Bob", 2);
    testing::internal::CaptureStderr();
    std::string flood;
    for (int i = 0; i < 200; ++i) flood += "CMD_chat+2+spam\xFF";
    b.send(flood);
    ASSERT_TRUE(b.waitClosed());
    ASSERT_TRUE(a.waitFor("CMD_playerdisconnected+2+Bob"));
    testing::internal::GetCapturedStderr();
    a.sendMessage("CMD_chat+1+hello");
    EXPECT_TRUE(a.waitFor("CMD_chat+Ann chats: hello"));
}

TEST_F(Host, JustWatchBetweenGamesAndDuringOne) {
    RawClient& a = join("Ann", 1);
    RawClient& b = join("Bob", 2);
    join("Cy", 3);
    a.sendMessage("CMD_justwatch+3+1");
    a.sendMessage("CMD_justwatch+3+2");
    ASSERT_TRUE(b.waitFor("CMD_justwatching+3+2"));
    EXPECT_EQ(b.find("CMD_justwatching+3+1"), -1);
    b.sendMessage("CMD_justwatch+3+2");  // another player's seat
    b.sendMessage("CMD_justwatch+5+2");  // not a seat
    handled(b, 2, b);
    EXPECT_EQ(b.count("CMD_justwatching+3+2"), 1);

    a.sendMessage("CMD_startgame+Ann+");
    ASSERT_TRUE(b.waitFor("CMD_nextplayer", true));
    b.sendMessage("CMD_justwatch+2+1");
    ASSERT_TRUE(a.waitFor("CMD_justwatching+2+1"));
    EXPECT_EQ(state().players[2].justwatching, 1);
}

TEST_F(Host, SnapshotsForLateComers) {
    RawClient& a = join("Ann", 1);
    a.sendMessage("CMD_startgame+Ann+");
    ASSERT_TRUE(a.waitFor("CMD_nextplayer", true));
    // A spectator during a round: no hand entries, one entry per seat.
    for (int p = 2; p <= 4; ++p) join("P" + std::to_string(p), p);
    RawClient& spy = join("Spy", 5);
    ASSERT_TRUE(spy.waitFor("CMD_gamestats+5+", true));
    const std::string stats = spy.got[spy.find("CMD_gamestats+5+", true)];
    EXPECT_EQ(stats.find("+m+"), std::string::npos);
    EXPECT_NE(stats.find("+t+1+1+10"), std::string::npos);
    EXPECT_NE(stats.find("+t+2+1+10"), std::string::npos);
    EXPECT_NE(stats.find("+t+3+0+0"), std::string::npos);

    // Between rounds: the single entry "+h+0+0+0", then the points the
    // snapshot has no room for.
    state().timer1tag = 1;
    state().players[1].points = 12;
    state().players[3].points = 140;
    RawClient& late = join("Late", 6);
    ASSERT_TRUE(late.waitFor("CMD_gamestats+6+", true));
    const std::string between = late.got[late.find("CMD_gamestats+6+", true)];
    EXPECT_EQ(between.substr(between.size() - 8), "+h+0+0+0");
    ASSERT_TRUE(late.waitFor("CMD_points+1+12+2+0+3+140+4+0"));
    EXPECT_EQ(late.find("CMD_points", true), late.find("CMD_gamestats+6+", true) + 1);
}

// Once the seat is no longer held for its person.
TEST_F(Host, SeatTakenOverDuringARoundGetsItsHand) {
    host::HostTimings timings{0, 1, 0.0};
    timings.seatHoldMs = 1;
    start(timings);
    RawClient& a = join("Ann", 1);
    RawClient& b = join("Bob", 2);
    a.sendMessage("CMD_startgame+Ann+");
    ASSERT_TRUE(a.waitFor("CMD_nextplayer", true));
    b.close();
    ASSERT_TRUE(a.waitFor("CMD_playerdisconnected+2+Bob"));
    ASSERT_TRUE(waitUntil([&] { return !server().held(2); }));
    RawClient& c = join("Cy", 2);
    ASSERT_TRUE(c.waitFor("CMD_gamestats+2+", true));
    const std::string stats = c.got[c.find("CMD_gamestats+2+", true)];
    int hand = 0;
    for (std::size_t at = 0; (at = stats.find("+m+", at)) != std::string::npos; ++at) ++hand;
    EXPECT_EQ(hand, table().getnumcards(2));
}

TEST_F(Host, DepartureOnOwnTurnHandsTheMoveToTheComputer) {
    join("Ann", 1);
    RawClient& b = join("Bob", 2);
    int moves = 0;
    table().computerplay = [&](int seat) { moves += seat == 2; };
    state().gameon = 1;
    state().curplayer = 2;
    b.close();
    ASSERT_TRUE(waitUntil([&] { return moves == 1; }));
    EXPECT_EQ(state().players[2].connected, 0);
}

// A solo game over TCP whose only player just watches plays itself to the end.
TEST(HostSolo, ComputerPlaysAWatchedGameToTheWinner) {
    host::TServer server{host::HostTimings{0, 1, 0.0}, 2024};
    server.listen("0");
    RawClient you(server.port());
    ASSERT_TRUE(you.waitFor("CMD_sendlogininfo+1"));
    you.login(1, "You");
    ASSERT_TRUE(you.waitFor("CMD_newplayerinfo+1+You"));
    you.sendMessage("CMD_startgame+You+");
    ASSERT_TRUE(you.waitFor("CMD_startgame+You+y+1+y+2+n+3+n+4"));
    you.sendMessage("CMD_justwatch+1+1");
    ASSERT_TRUE(you.waitFor("CMD_justwatching+1+1"));
    ASSERT_TRUE(you.waitFor("CMD_winner", true, 60000));
    EXPECT_EQ(server.table().state().gameon, 0);
    EXPECT_GE(you.find("CMD_endround", true), 0);
    EXPECT_EQ(host::checkcards(server.table()), "");
}
