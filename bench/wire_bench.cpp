// Messages per second through the receive path: cutting bytes at the
// terminator, queueing, and dispatching by name (without the pacing timer).
#include <benchmark/benchmark.h>

#include <string>

#include "protocol/catalogue.h"
#include "net/dispatcher.h"
#include "net/inbox.h"
#include "net/wire.h"

using namespace velmora::net;

namespace {

// A realistic mix of a round's requests from one client.
std::string burst(int messages) {
    const char* samples[] = {"CMD_draw+2+", "CMD_discard+2+7+", "CMD_chat+2+Ann: nice one, well played",
                             "CMD_createstage+2+1+2+3+4+5+6+", "CMD_hitset+2+3+1+5+"};
    std::string out;
    for (int i = 0; i < messages; ++i) {
        out += samples[i % 5];
        out += velmora::wire::kTerminator;
    }
    return out;
}

Dispatcher hostTable(long& handled) {
    Dispatcher d;
    for (auto name : velmora::kHostCommands)
        d.add(std::string(name), [&handled](std::string_view p, ConnectionId) {
            velmora::wire::FieldReader f(p);
            handled += f.nextInt();
        });
    return d;
}

void BM_Cut(benchmark::State& state) {
    const std::string bytes = burst(32);
    for (auto _ : state) {
        Inbox in("", InboxLimits::client());
        in.receive(1, bytes);
        benchmark::DoNotOptimize(in.queue().size());
    }
    state.SetItemsProcessed(state.iterations() * 32);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_Cut);

// Bytes arriving in small pieces, as a slow link delivers them.
void BM_CutFragmented(benchmark::State& state) {
    const std::string bytes = burst(32);
    for (auto _ : state) {
        Inbox in("", InboxLimits::client());
        for (std::size_t i = 0; i < bytes.size(); i += 7)
            in.receive(1, std::string_view(bytes).substr(i, 7));
        benchmark::DoNotOptimize(in.queue().size());
    }
    state.SetItemsProcessed(state.iterations() * 32);
}
BENCHMARK(BM_CutFragmented);

void BM_CutQueueDispatch(benchmark::State& state) {
    const std::string bytes = burst(32);
    long handled = 0;
    Dispatcher d = hostTable(handled);
    Inbox in("", InboxLimits::host());
    for (auto _ : state) {
        in.receive(1, bytes);
        while (d.dispatchOne(in.queue())) {
        }
    }
    benchmark::DoNotOptimize(handled);
    state.SetItemsProcessed(state.iterations() * 32);
}
BENCHMARK(BM_CutQueueDispatch);

void BM_Build(benchmark::State& state) {
    for (auto _ : state) {
        auto m = velmora::wire::message("CMD_startround", 17, 1, 1, "y", 2, 1, "y", 3, 1, "n", 4, 1, "n");
        benchmark::DoNotOptimize(m);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Build);

}  // namespace

BENCHMARK_MAIN();
