// Drawing every picture of the game (cards, labels, tracks, markers, buttons)
// at one device pixel ratio, as start-up does: the goal keeps start-up under
// a third of a second, so this should stay a small part of that.
#include <benchmark/benchmark.h>


#include "client/art/cardart.h"
#include "client/art/cardart_draw.h"

namespace {

namespace art = velmora::client::art;

void BM_PrepareAllPictures(benchmark::State& state) {
    const qreal ratio = static_cast<qreal>(state.range(0)) / 100;
    for (auto _ : state) {
        art::detail::forgetAllForBenchmark();
        art::prepare(ratio);
        benchmark::DoNotOptimize(art::bigCard(1, ratio).cacheKey());
    }
    state.counters["pictures"] = art::cachedCount();
}
BENCHMARK(BM_PrepareAllPictures)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// A picture already drawn: what every later use costs.
void BM_CachedPicture(benchmark::State& state) {
    art::prepare(1.0);
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(&art::bigCard(++i % 54, 1.0));
}
BENCHMARK(BM_CachedPicture);

}  // namespace
