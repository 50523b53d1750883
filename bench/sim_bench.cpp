// Games per second and computer moves per second of the engine-only simulation.
#include <benchmark/benchmark.h>

#include "host/simulation.h"

namespace {

void BM_SimulatedGames(benchmark::State& state) {
    const int seats = static_cast<int>(state.range(0));
    std::uint32_t seed = 1;
    long moves = 0, games = 0;
    for (auto _ : state) {
        const auto result = velmora::host::playgame(seed++, seats);
        benchmark::DoNotOptimize(result.winner);
        moves += result.moves;
        ++games;
    }
    state.counters["games/s"] = benchmark::Counter(static_cast<double>(games), benchmark::Counter::kIsRate);
    state.counters["moves/s"] = benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SimulatedGames)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
