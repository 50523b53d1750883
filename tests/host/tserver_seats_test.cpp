// Held seats: the token a seat's person gets, the seat kept while it is away,
// taking it back with the token, and everything else refused.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "host/computer.h"
#include "host/server_fixture.h"
#include "host/tablefile.h"

using namespace velmora;
using test::RawClient;
using test::waitUntil;

namespace {

struct Seats : test::HostFixture {
    void SetUp() override { start(); }

    // The token of the latest "CMD_seattoken" the client got for its seat.
    static std::string tokenOf(const RawClient& c, int seat) {
        const std::string prefix = "CMD_seattoken+" + std::to_string(seat) + "+";
        std::string token;
        for (const auto& m : c.got)
            if (m.rfind(prefix, 0) == 0) token = m.substr(prefix.size());
        return token;
    }
    // Ann at seat 1 and Bob at seat 2 in a running game; Bob's line is cut.
    RawClient& gameWithBobGone(RawClient*& ann) {
        ann = &join("Ann", 1);
        RawClient& bob = join("Bob", 2);
        ann->sendMessage("CMD_startgame+Ann+");
        EXPECT_TRUE(bob.waitFor("CMD_nextplayer", true));
        // One token at the login, a new one for the game.
        EXPECT_TRUE(waitUntil([&] {
            int n = 0;
            for (const auto& m : bob.got) n += m.rfind("CMD_seattoken+2+", 0) == 0;
            return n == 2;
        }));
        bob.reset();
        EXPECT_TRUE(ann->waitFor("CMD_playerdisconnected+2+Bob"));
        return bob;
    }
    void refused(RawClient& c, const std::string& token) {
        const int before = c.count("CMD_rejoinrefused+");
        c.sendMessage("CMD_rejoin+" + token);
        ASSERT_TRUE(c.waitUntilCount("CMD_rejoinrefused+", before + 1));
    }
};

bool isHex128(const std::string& t) {
    return t.size() == 32 && t.find_first_not_of("0123456789abcdef") == std::string::npos;
}

}  // namespace

TEST_F(Seats, HeldSeatGoesOnlyToItsTokenAndComesBackWithTheHand) {
    RawClient* ann = nullptr;
    RawClient& bob = gameWithBobGone(ann);
    const std::string bobs = tokenOf(bob, 2);
    ASSERT_TRUE(isHex128(bobs));
    EXPECT_NE(bobs, tokenOf(*ann, 1));
    EXPECT_EQ(bob.count("CMD_seattoken+2+" + bobs), 1);   // the login's token was replaced at the start
    EXPECT_TRUE(server().held(2));
    EXPECT_TRUE(table().computerplayed(2));

    // A stranger takes the next free place, not the held seat.
    RawClient& stranger = connect();
    ASSERT_TRUE(stranger.waitFor("CMD_sendlogininfo+3"));
    refused(stranger, tokenOf(*ann, 1));                          // a seat whose person is here
    refused(stranger, "0123456789abcdef0123456789abcdef");         // a guess
    refused(stranger, "");
    stranger.login(3, "Cy");                                      // still at its place
    ASSERT_TRUE(stranger.waitFor("CMD_newplayerinfo+3+Cy"));
    EXPECT_TRUE(server().held(2));

    // Bob comes back on a new connection with his token.
    const auto hand = state().players[2].hand;
    RawClient& back = connect();
    ASSERT_TRUE(back.waitFor("CMD_sendlogininfo+4"));
    back.sendMessage("CMD_rejoin+" + bobs);
    ASSERT_TRUE(back.waitFor("CMD_sendlogininfo+2"));
    back.login(2, "Bob");
    ASSERT_TRUE(back.waitFor("CMD_gamestats+2+", true));
    const std::string& stats = back.got[back.find("CMD_gamestats+2+", true)];
    for (int k = 1; k <= kHandSlots; ++k)
        if (hand[k] != 0) {
            EXPECT_NE(stats.find("+m+" + std::to_string(k) + "+" + std::to_string(hand[k]) + "+0"), std::string::npos);
        }
    ASSERT_TRUE(back.waitFor("CMD_seattoken+2+", true));
    EXPECT_NE(tokenOf(back, 2), bobs);                            // each login a new one
    EXPECT_TRUE(ann->waitFor("CMD_newplayerinfo+2+Bob"));
    EXPECT_FALSE(server().held(2));
    EXPECT_FALSE(table().computerplayed(2));
    EXPECT_EQ(state().players[4].connected, 0);                   // the place it came through is free
    // The used token is spent.
    RawClient& again = connect();
    ASSERT_TRUE(again.waitFor("CMD_sendlogininfo+4"));
    refused(again, bobs);
}

TEST_F(Seats, GuessesFromOneAddressAreCutOffEvenWithTheRightToken) {
    RawClient* ann = nullptr;
    RawClient& bob = gameWithBobGone(ann);
    RawClient& guesser = connect();
    ASSERT_TRUE(guesser.waitFor("CMD_sendlogininfo+3"));
    for (int i = 0; i < host::GuessLimit::kWrongPerWindow; ++i) refused(guesser, std::string(32, 'a' + i));
    refused(guesser, tokenOf(bob, 2));
    EXPECT_TRUE(server().held(2));
}

// The game's autosave goes with it: a finished game leaves nothing to resume.
TEST_F(Seats, HeldSeatIsPlayedToTheEndAndTheEndedGamesTokenIsRefused) {
    host::installComputerPlayers(table());
    const std::string saved = ::testing::TempDir() + "/seats-" + std::to_string(::getpid()) + ".state";
    server().setStateFile(saved);
    RawClient* ann = nullptr;
    RawClient& bob = gameWithBobGone(ann);
    server().flushSaves();
    EXPECT_TRUE(std::filesystem::exists(saved));
    ann->sendMessage("CMD_justwatch+1+1");
    ASSERT_TRUE(ann->waitFor("CMD_winner", true, 60000));
    server().flushSaves();
    EXPECT_FALSE(std::filesystem::exists(saved));
    EXPECT_FALSE(server().held(2));
    RawClient& late = connect();
    ASSERT_TRUE(late.waitFor("CMD_sendlogininfo+2"));            // the seat is free again
    refused(late, tokenOf(bob, 2));
    EXPECT_EQ(host::checkcards(table()), "");
}

TEST_F(Seats, SeatIsFreeWhenTheHoldRunsOutOrThePersonWasRemoved) {
    host_.reset();
    host::HostTimings timings{0, 1, 0.0};
    timings.seatHoldMs = 1;
    start(timings);
    RawClient* ann = nullptr;
    gameWithBobGone(ann);
    ASSERT_TRUE(waitUntil([&] { return !server().held(2); }));
    RawClient& cy = join("Cy", 2);
    ann->sendMessage("CMD_kickhim+1+2+");
    ASSERT_TRUE(cy.waitClosed());
    EXPECT_GE(cy.find("CMD_rejoinrefused+"), 0);   // our window then does not come back
    ASSERT_TRUE(ann->waitFor("CMD_playerdisconnected+2+Cy"));
    EXPECT_FALSE(server().held(2));
}

TEST_F(Seats, EveryConnectionHearsTheHostIsClosing) {
    RawClient& ann = join("Ann", 1);
    RawClient& watcher = connect();
    ASSERT_TRUE(watcher.waitFor("CMD_sendlogininfo+2"));
    server().announceClosing();
    EXPECT_TRUE(ann.waitFor("CMD_hostclosing+"));
    EXPECT_TRUE(watcher.waitFor("CMD_hostclosing+"));
}

// A token is only handed out once the table holding it is on disk: a host
// killed right after would otherwise come back without it, and the seat
// would be lost to its person.
TEST_F(Seats, ATokenArrivesOnlyOnceTheSavedTableHoldsIt) {
    const std::string saved = ::testing::TempDir() + "/token-" + std::to_string(::getpid()) + ".state";
    server().setStateFile(saved);
    RawClient& ann = join("Ann", 1);
    ann.sendMessage("CMD_startgame+Ann+");
    ASSERT_TRUE(waitUntil([&] {
        int n = 0;  // one at the login, one for the game
        for (const auto& m : ann.got) n += m.rfind("CMD_seattoken+1+", 0) == 0;
        return n == 2;
    }));
    RawClient& bob = connect();
    ASSERT_TRUE(bob.waitFor("CMD_sendlogininfo+2"));
    bob.login(2, "Bob");
    ASSERT_TRUE(bob.waitFor("CMD_seattoken+2+", true));
    // Read the moment the token is here, before anything else runs.
    host::SavedTable table;
    ASSERT_EQ(host::loadtablefile(saved, table), "");
    EXPECT_EQ(table.tokens[2], tokenOf(bob, 2));
    std::filesystem::remove(saved);
}
