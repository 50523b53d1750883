// One strong decision (goal: at most 50 ms on the target machine): the
// discard of an eleven-card hand at a set-and-run stage and at the colour
// stage, with three seats' groups laid and a full round's history to read.
#include <benchmark/benchmark.h>

#include "host/strong.h"

namespace {

using velmora::host::PublicAction;
using velmora::host::PublicView;

PublicView position(int stage) {
    PublicView v;
    v.seat = 1;
    v.curplayer = 1;
    v.turnphase = 2;
    v.topdiscard = 30;
    v.hand = {0, 2, 15, 41, 5, 19, 33, 8, 47, 11, 36, 13};
    for (int s = 1; s <= 4; ++s) {
        v.seats[s].inround = 1;
        v.seats[s].stage = s == 1 ? stage : 4;
        v.seats[s].cards = 10;
    }
    for (int s = 2; s <= 4; ++s) {
        v.seats[s].stagedone = 1;
        for (int r = 3; r <= 9; ++r) v.seats[s].groups[1][r] = r + 13 * (s - 1);
    }
    for (int i = 0; i < static_cast<int>(velmora::host::PublicHistory::kCapacity); ++i)
        v.history.push_back({i % 3 == 0 ? PublicAction::Pickup : PublicAction::Discard, i % 4 + 1, i % 52 + 1});
    return v;
}

void BM_StrongDecision(benchmark::State& state) {
    const PublicView v = position(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto move = velmora::host::strongmove(v);
        benchmark::DoNotOptimize(move.picks.data());
    }
}
BENCHMARK(BM_StrongDecision)->ArgName("stage")->Arg(9)->Arg(8)->Arg(10)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
