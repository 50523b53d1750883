// Games and computer moves per second of the engine-only simulation, at 2, 3
// and 4 seats, with the whole table checked after every move and after
// every 64th.
#include <benchmark/benchmark.h>

#include "host/simulation.h"

namespace {

void BM_SimulatedGames(benchmark::State& state) {
    velmora::host::SimOptions options;
    const int seats = static_cast<int>(state.range(0));
    options.checkevery = static_cast<int>(state.range(1));
    std::uint32_t seed = 1;
    long moves = 0, games = 0;
    for (auto _ : state) {
        const auto result = velmora::host::playgame(seed++, seats, options);
        benchmark::DoNotOptimize(result.winner);
        if (!result.violation.empty()) state.SkipWithError(result.violation.c_str());
        moves += result.moves;
        ++games;
    }
    state.counters["games/s"] = benchmark::Counter(static_cast<double>(games), benchmark::Counter::kIsRate);
    state.counters["moves/s"] = benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SimulatedGames)
    ->ArgNames({"seats", "checkevery"})
    ->ArgsProduct({{2, 3, 4}, {1, 64}})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

}  // namespace

BENCHMARK_MAIN();
