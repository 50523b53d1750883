// The expert level: what it infers of the hidden cards from what everyone
// saw, the advice its samples give, and whole seeded games that end, repeat,
// and come out the same however many jobs share them.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/expert.h"
#include "host/expert_worlds.h"
#include "host/simulation.h"

namespace velmora::host::testing {
namespace {

PublicView fourseats(int stage) {
    PublicView v;
    v.seat = 1;
    v.curplayer = 1;
    for (int s = 1; s <= kSeats; ++s) {
        v.seats[s].inround = 1;
        v.seats[s].stage = s == 1 ? stage : 1;
        v.seats[s].cards = 10;
    }
    return v;
}

TEST(ExpertWorlds, ACardPickedUpIsKnownUntilItIsThrownBack) {
    PublicView v = fourseats(1);
    v.hand = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    v.history = {{PublicAction::Discard, 4, 20}, {PublicAction::Pickup, 1, 20}, {PublicAction::Discard, 1, 30},
                 {PublicAction::Pickup, 2, 30}, {PublicAction::Discard, 2, 40}};
    v.hand[11] = 20;
    v.topdiscard = 40;
    Unseen u = unseenof(v);
    EXPECT_EQ(u.known[2], std::vector<int>{30});
    EXPECT_EQ(u.hidden[2], 9);
    EXPECT_EQ(u.hidden[3], 10);
    // 108 less the own eleven, seat 2's known 30 and the 40 on the pile.
    EXPECT_EQ(u.pool.size(), 108u - 11 - 1 - 1);
    EXPECT_EQ(std::count(u.pool.begin(), u.pool.end(), 30), 1);
    EXPECT_EQ(std::count(u.pool.begin(), u.pool.end(), 20), 1);
    v.history.push_back({PublicAction::Discard, 2, 30});
    u = unseenof(v);
    EXPECT_TRUE(u.known[2].empty());
    EXPECT_EQ(std::count(u.pool.begin(), u.pool.end(), 30), 1);   // on the pile now, not in a hand
}

// Two sets of 3: the 5s are complete and the 8s a pair, so the throw is one
// of the six single cards, and the reason says what the samples found.
TEST(ExpertAdvice, AThrowKeepsTheSetsAndSaysWhatTheSamplesFound) {
    PublicView v = fourseats(1);
    v.turnphase = 2;
    v.topdiscard = 44;
    v.hand = {0, 5, 18, 31, 8, 21, 2, 11, 49, 16, 38, 0};
    v.hand[11] = 45;
    const StrongMove m = expertmove(v, 64);
    ASSERT_EQ(m.kind, StrongMove::Discard);
    const int card = v.hand[m.picks.at(0)];
    EXPECT_NE(rankof(card), 5);
    EXPECT_NE(rankof(card), 8);
    EXPECT_EQ(m.reason.rfind("Discard the ", 0), 0u) << m.reason;
    EXPECT_NE(m.reason.find(" of 64 sampled ways you lay your stage within 7 turns"), std::string::npos) << m.reason;
    EXPECT_EQ(expertmove(v, 64).reason, m.reason);   // the same view searches the same samples
}

TEST(ExpertGames, SeededGamesEndRepeatAndDoNotDependOnTheJobs) {
    SimOptions options;
    options.budget = 16;
    options.levels = {ComputerLevel::Designed, ComputerLevel::Expert, ComputerLevel::Strong, ComputerLevel::Expert,
                      ComputerLevel::Strong};
    const SimStats one = simulate(6, 40, 4, options, 1);
    const SimStats three = simulate(6, 40, 4, options, 3);
    EXPECT_EQ(one.finished, 6) << one.violation;
    EXPECT_EQ(one.expertrefusals, 0);
    EXPECT_EQ(one.wins, three.wins);
    EXPECT_EQ(one.moves, three.moves);
    EXPECT_EQ(one.rounds, three.rounds);
    options.levels = {ComputerLevel::Designed, ComputerLevel::Expert, ComputerLevel::Strong};
    const GameResult a = playgame(77, 2, options);
    EXPECT_EQ(a.violation, "");
    EXPECT_EQ(a.expertrefusals, 0);
    EXPECT_EQ(playgame(77, 2, options).moves, a.moves);
}

}  // namespace
}  // namespace velmora::host::testing
