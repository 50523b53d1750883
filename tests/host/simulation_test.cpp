// Seeded whole games with the computer in every seat: every check holds after
// every move, and a seed plays the same game again.
#include <gtest/gtest.h>

#include "host/simulation.h"

namespace velmora::host {
namespace {

TEST(SimulationTest, HundredsOfGamesKeepEveryInvariant) {
    for (int seats = 2; seats <= 4; ++seats) {
        const SimStats stats = simulate(100, 1000u * seats, seats);
        EXPECT_EQ(stats.violation, "") << seats << " seats";
        EXPECT_EQ(stats.finished, 100);
        int wins = 0;
        for (int s = 1; s <= 4; ++s) wins += stats.wins[s];
        EXPECT_EQ(wins, 100);
        EXPECT_GE(stats.rounds, 1000);  // ten stages take ten rounds at least
    }
}

// Seeds whose games, found by soaking, stall without one of the mends.
struct Stall {
    std::uint32_t seed;
    int seats;
    const char* without;
};
constexpr Stall kStalls[] = {
    {460, 4, "stallbreaker"}, {994, 4, "stallbreaker"}, {43, 4, "streakcap"}, {8813, 2, "surpluswilds"}};

SimOptions without(const char* mend) {
    SimOptions options;
    options.movespergame = 40000;   // a whole game takes a few thousand
    const std::string name = mend;
    if (name == "stallbreaker") options.mends.stallbreaker = false;
    if (name == "streakcap") options.mends.streakcap = false;
    if (name == "surpluswilds") options.mends.surpluswilds = false;
    return options;
}

TEST(SimulationTest, EachMendEndsGamesThatStallWithoutIt) {
    for (const Stall& s : kStalls) {
        const GameResult off = playgame(s.seed, s.seats, without(s.without));
        EXPECT_NE(off.violation.find("bounded moves"), std::string::npos) << s.seed << " " << off.violation;
        const GameResult on = playgame(s.seed, s.seats, without(""));
        EXPECT_EQ(on.violation, "") << s.seed;
        EXPECT_NE(on.winner, 0) << s.seed;
    }
    // The game that first showed a round standing still ends too.
    EXPECT_EQ(playgame(13281, 4).violation, "");
}

TEST(SimulationTest, SameSeedSameGame) {
    const GameResult a = playgame(4242, 4);
    const GameResult b = playgame(4242, 4);
    EXPECT_EQ(a.winner, b.winner);
    EXPECT_EQ(a.rounds, b.rounds);
    EXPECT_EQ(a.moves, b.moves);
    EXPECT_NE(a.winner, 0);
}

TEST(SimulationTest, TightLimitIsReportedAsAViolation) {
    SimOptions limits;
    limits.roundspergame = 3;
    const SimStats stats = simulate(5, 7, 3, limits);
    EXPECT_EQ(stats.finished, 0);
    EXPECT_NE(stats.violation.find("seed 7"), std::string::npos);
    EXPECT_NE(stats.violation.find("bounded rounds"), std::string::npos);
}

}  // namespace
}  // namespace velmora::host
