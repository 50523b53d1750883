// From the network coming back to the seat restored, with the client's
// shipped reconnect pacing: a real window and a real host talk through a
// proxy that stops listening while the network is "away". Each iteration breaks the
// line, lets the attempts reach their longest pause, brings the line back
// at a moment that falls anywhere within that pause, and times until the
// window holds its seat and the host's hand again. Goal: at most 1 s.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <algorithm>
#include <random>

#include "support/eventloop.h"
#include "support/faultproxy.h"
#include "support/hostedwindow.h"
#include "support/rawclient.h"
#include "support/tchatparts.h"

namespace {

using namespace velmora;
using test::TchatParts;

std::vector<int> hostHand(host::TServer& host, int seat) {
    std::vector<int> faces;
    for (int k = 1; k <= kHandSlots; ++k)
        if (int c = host.table().player(seat).hand[k]) faces.push_back(c);
    std::sort(faces.begin(), faces.end());
    return faces;
}

std::vector<int> shownHand(client::TableModel& table) {
    std::vector<int> faces;
    for (int k = 1; k <= kHandSlots; ++k)
        if (!table.hand[k].empty()) faces.push_back(table.hand[k].face);
    std::sort(faces.begin(), faces.end());
    return faces;
}

void BM_SeatRestoredAfterTheNetworkReturns(benchmark::State& s) {
    host::TServer host(test::kQuickHost, 11);
    host.setHeadless(true);
    host.table().computerplay = nullptr;  // the hand stays as dealt
    host.listen("0");
    test::FaultProxy proxy(host.port());
    test::RawClient ann(host.port());
    if (!ann.waitFor("CMD_sendlogininfo+1")) return s.SkipWithError("no host");
    ann.login(1, "Ann");
    client::TchatOptions o = test::quietOptions(proxy.port());
    test::HostedWindow bob(QStringList{"Bob", "127.0.0.1", "false"}, std::move(o));
    bob.window.show();
    client::HostConnection& session = TchatParts::connection(bob.window);
    client::TableModel& table = TchatParts::table(bob.window);
    ann.sendMessage("CMD_startgame+Ann+");
    if (!test::waitUntil([&] { return table.cardCount() == 10; })) return s.SkipWithError("no deal");
    std::mt19937 random(7);
    double worst = 0;
    for (auto _ : s) {
        proxy.refuse(true);
        proxy.reset();
        // 100, 200, 400, 800 ms: the fifth attempt waits the longest pause.
        if (!test::waitUntil([&] { return session.attempt() >= 5; }, 10000)) return s.SkipWithError("no attempts");
        const int into = std::uniform_int_distribution<int>(0, 999)(random);
        QElapsedTimer wait;
        wait.start();
        test::waitUntil([&] { return wait.elapsed() >= into; }, 2000);
        QElapsedTimer back;
        back.start();
        proxy.refuse(false);
        const bool restored = test::waitUntil(
            [&] {
                return session.connected() && host.table().player(2).connected == 1 && table.ownSeat == 2 &&
                       shownHand(table) == hostHand(host, 2);
            },
            10000);
        if (!restored) return s.SkipWithError("the seat did not come back");
        const double seconds = back.nsecsElapsed() / 1e9;
        worst = std::max(worst, seconds);
        s.SetIterationTime(seconds);
    }
    s.counters["worst_s"] = worst;
}
BENCHMARK(BM_SeatRestoredAfterTheNetworkReturns)->UseManualTime()->Iterations(8)->Unit(benchmark::kMillisecond);

}  // namespace
