// Whole games with the computer in every seat, on the engine alone: the
// timers fire at once and every move is followed by a check of the table.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace velmora::host {

struct SimLimits {
    int movesperturn = 20;    // a draw, a stage, at most 11 hits and a discard fit
    int roundspergame = 300;
    long movespergame = 200000;
};

struct GameResult {
    int winner = 0;        // the seat named by "CMD_winner", 0 if none
    int rounds = 0;
    long moves = 0;        // computer ticks
    long refusals = 0;     // refused computer requests
    std::string violation; // empty when every check held
};

// Plays one game with `seats` seats (2..4) from the table seed `seed`.
GameResult playgame(std::uint32_t seed, int seats, const SimLimits& limits = {});

struct SimStats {
    int played = 0;
    int finished = 0;
    long rounds = 0;
    int maxrounds = 0;
    std::array<int, 5> wins{};  // [1..4]
    long moves = 0;
    long refusals = 0;
    double seconds = 0;
    std::string violation;      // the first one, with seed and move; stops the run
};

// Game g of the run uses the table seed `seed + g`, so a seed repeats its games.
SimStats simulate(int games, std::uint32_t seed, int seats, const SimLimits& limits = {});

}  // namespace velmora::host
