// The host against hostile and careless peers, and the headless host's
// owner: bare TCP clients on loopback.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "host/computer.h"
#include "host/server_fixture.h"

using namespace velmora;
using test::RawClient;
using test::waitUntil;

namespace {

struct Serve : test::HostFixture {
    void SetUp() override { start({0, 1, 0.0}, true); }
};

struct Hosted : test::HostFixture {
    void SetUp() override { start(); }
};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> v;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) v.push_back(l);
    return v;
}

}  // namespace

TEST_F(Serve, OwnerIsTheLongestSeatedPersonAndTheRightsPassOn) {
    RawClient& a = join("Ann", 1);
    ASSERT_TRUE(a.waitFor("CMD_owner+1"));
    RawClient& b = join("Bob", 2);
    RawClient& c = join("Cy", 3);
    RawClient& dan = join("Dan", 4);
    RawClient& spy = join("Spy", 5);
    b.sendMessage("CMD_startgame+Bob+");
    b.sendMessage("CMD_kickhim+2+3+");
    handled(b, 2, c);
    EXPECT_EQ(state().gameon, 0);
    EXPECT_FALSE(c.closed());
    EXPECT_EQ(b.find("CMD_owner", true), -1);

    a.close();
    ASSERT_TRUE(b.waitFor("CMD_owner+2"));
    EXPECT_EQ(c.find("CMD_owner", true), -1);
    // A stranger taking the freed place 1 gets no rights with it.
    RawClient& d = join("Dee", 1);
    d.sendMessage("CMD_startgame+Dee+");
    handled(d, 1, d);
    EXPECT_EQ(state().gameon, 0);
    EXPECT_EQ(d.find("CMD_owner", true), -1);

    b.sendMessage("CMD_kickhim+2+3+");
    ASSERT_TRUE(c.waitClosed());
    b.sendMessage("CMD_startgame+Bob+");
    ASSERT_TRUE(d.waitFor("CMD_startgame+Bob+", true));
    // Then Dan, longer at a seat than Dee, inherits; a spectator never owns.
    b.close();
    ASSERT_TRUE(dan.waitFor("CMD_owner+4"));
    dan.close();
    ASSERT_TRUE(d.waitFor("CMD_owner+1"));
    d.close();
    ASSERT_TRUE(spy.waitFor("CMD_playerdisconnected+1+Dee"));
    EXPECT_EQ(spy.find("CMD_owner", true), -1);
    EXPECT_EQ(server().manager(), 0);
}

TEST_F(Hosted, PlaceOneKeepsTheRightsAndNobodyIsToldOfOwnership) {
    RawClient& a = join("Ann", 1);
    RawClient& b = join("Bob", 2);
    a.close();
    ASSERT_TRUE(b.waitFor("CMD_playerdisconnected+1+Ann"));
    b.sendMessage("CMD_startgame+Bob+");
    handled(b, 2, b);
    EXPECT_EQ(state().gameon, 0);
    EXPECT_EQ(b.find("CMD_owner", true), -1);
}

TEST_F(Serve, SeatOneResetOnItsTurnIsPlayedOnByTheComputer) {
    RawClient& a = join("Ann", 1);
    RawClient& b = join("Bob", 2);
    a.sendMessage("CMD_startgame+Ann+");
    ASSERT_TRUE(b.waitFor("CMD_nextplayer", true));
    host::installComputerPlayers(table());
    state().curplayer = 1;  // whoever was dealt the first turn, it is Ann's now
    a.reset();
    ASSERT_TRUE(b.waitFor("CMD_playerdisconnected+1+Ann"));
    ASSERT_TRUE(b.waitFor("CMD_hisdiscard+1+", true));
    EXPECT_EQ(state().curplayer, 2);
    EXPECT_EQ(host::checkcards(table()), "");
}

TEST_F(Serve, PeerTextCannotForgeLogLinesAndEachPeerIsHeldToAFewLines) {
    testing::internal::CaptureStderr();
    RawClient& a = join("Eve\n2026-12-07 00:00:00.000 velmora host: place 2: owns the table\x1b[2J", 1);
    RawClient& b = join("Bob", 2);
    for (int i = 0; i < 20; ++i) a.sendMessage("CMD_chat+x" + std::to_string(i) + "\r\n+hi");
    handled(a, 1, b);
    a.close();
    ASSERT_TRUE(b.waitFor("CMD_playerdisconnected+1+", true));
    handled(b, 2, b);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err.find('\x1b'), std::string::npos);
    EXPECT_EQ(err.find('\r'), std::string::npos);
    const std::regex stamped(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} velmora host: .*)");
    int shown = 0, suppressed = 0;
    for (const std::string& line : linesOf(err)) {
        EXPECT_TRUE(std::regex_match(line, stamped)) << line;
        EXPECT_NE(line.rfind("2026-12-07 00:00:00.000", 0), 0u) << line;
        if (line.find("place 1: CMD_chat: 'x") != std::string::npos) ++shown;
        std::smatch m;
        if (std::regex_search(line, m, std::regex("place 1: \u2026 (\\d+) more suppressed"))) suppressed += std::stoi(m[1]);
    }
    EXPECT_NE(err.find("place 1: logged in as Eve\\x0a2026-12-07"), std::string::npos) << err;
    EXPECT_NE(err.find("place 1: CMD_chat: 'x0\\x0d\\x0a' is not a valid integer value"), std::string::npos) << err;
    EXPECT_EQ(shown + suppressed, 20);
    EXPECT_LE(shown, 2 * velmora::kMaxPlaces);  // a few a second, never all twenty at once
    EXPECT_NE(err.find("place 1: left: closed by the peer"), std::string::npos);
}

TEST_F(Hosted, ConnectionThatNeverLogsInIsClosed) {
    start({0, 1, 0.0, 50});
    RawClient& a = join("Ann", 1);
    testing::internal::CaptureStderr();
    RawClient& silent = connect();
    ASSERT_TRUE(silent.waitFor("CMD_sendlogininfo+2"));
    ASSERT_TRUE(silent.waitClosed());
    ASSERT_TRUE(a.waitFor("CMD_playerdisconnected+2+"));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("velmora host: place 2: left: no login within 0.05 seconds"), std::string::npos) << err;
    // The place is free again, and a player who logged in stays.
    join("Bob", 2);
    handled(a, 1, a);
    EXPECT_FALSE(a.closed());
}

TEST_F(Hosted, FloodersCannotPushHonestPlayersBack) {
    // The real pacing: one request per 10 ms tick.
    start({10, 1, 0.0});
    RawClient& a = join("Ann", 1);
    RawClient& b = join("Bob", 2);
    std::string burst;
    for (int i = 0; i < 31; ++i) burst += "CMD_chat+3+" + std::string(30, 'x') + '\xFF';
    std::size_t longest = 0;
    bool relayed = false;
    // A bounded flood over loopback: each stranger sends 31 lines and resets.
    for (int n = 0; n < 200; ++n) {
        RawClient stranger(server().port());
        stranger.send(burst);
        stranger.reset();
        if (n == 20) a.sendMessage("CMD_chat+1+still here");
        longest = std::max(longest, server().queue().size());
        relayed = relayed || b.find("CMD_chat+Ann chats: still here") >= 0;
    }
    // Each departed stranger's lines went with it, and Ann's chat waited for
    // at most a round of the places, not for the flood's backlog.
    EXPECT_TRUE(relayed || b.waitFor("CMD_chat+Ann chats: still here"));
    EXPECT_LE(longest, 9u * 32u + 1u);
    EXPECT_FALSE(a.closed());
    EXPECT_FALSE(b.closed());
}

TEST_F(Hosted, LayingNoCardsIsRefusedWithCodeThree) {
    RawClient& a = join("Ann", 1);
    state().gameon = 1;
    state().curplayer = 1;
    state().turnphase = 2;
    state().players[1].stage = 1;
    for (const char* payload : {"1+", "1"}) {
        a.sendMessage(std::string("CMD_createstage+") + payload);
        handled(a, 1, a);
    }
    EXPECT_EQ(a.count("CMD_playerror+1+3+"), 2);
}
