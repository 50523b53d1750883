// Whole games with the computer in every seat, on the engine alone: the
// timers fire at once and the table is checked as the moves go.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "host/computer.h"

namespace velmora::host {

struct SimOptions {
    int movesperturn = 20;    // a draw, a stage, at most 11 hits and a discard fit
    int roundspergame = 300;
    long movespergame = 200000;
    // The whole table is checked after every checkevery-th move and when the
    // game ends; the bounds above are checked after every move.
    int checkevery = 1;
    bool keepgoing = false;   // play on after a broken check (to count them)
    ComputerMends mends;
    std::array<ComputerLevel, kSeats + 1> levels{};   // [1..4], Designed unless set
    int budget = kExpertBudget;   // the expert seats' samples per decision
};

struct GameResult {
    int winner = 0;        // the seat named by "CMD_winner", 0 if none
    int rounds = 0;
    long moves = 0;        // computer ticks
    long refusals = 0;     // refused computer requests
    long strongrefusals = 0;   // of them, the strong player's
    long expertrefusals = 0;   // of them, the expert player's
    std::string violation; // empty when every check held
};

// Plays one game with `seats` seats (2..4) from the table seed `seed`.
GameResult playgame(std::uint32_t seed, int seats, const SimOptions& options = {});

struct SimStats {
    int played = 0;
    int finished = 0;
    int broken = 0;             // games with a broken check
    long rounds = 0;
    int maxrounds = 0;
    std::array<int, 5> wins{};  // [1..4]
    long moves = 0;
    long refusals = 0;
    long strongrefusals = 0;
    long expertrefusals = 0;
    double seconds = 0;         // processor time of the run
    std::string violation;      // the first one, with seed and move
    static constexpr std::size_t kSeedsKept = 100;
    std::vector<std::uint32_t> brokenseeds;   // the first kSeedsKept
};

// Game g of the run uses the table seed `seed + g`, so a seed repeats its
// games. The run stops at the first broken check unless keepgoing is set.
// `jobs` threads share the games; each game is its own, and the results are
// counted in game order, so the answer is the same for any number of jobs.
SimStats simulate(int games, std::uint32_t seed, int seats, const SimOptions& options = {}, int jobs = 1);

}  // namespace velmora::host
