// The headless host under load, over loopback only, as a separate process:
// chat delivery latency to eight players, and a bounded reconnect flood
// (memory, honest players' relay delay, a newcomer's login, standard error).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <map>
#include <thread>

#include "host_peers.h"

using namespace velmora::bench;

namespace {

constexpr int kPlayers = 8;
constexpr int kRounds = 25;

std::string name(int i) { return "P" + std::to_string(i); }

// The program under test; VELMORA_BENCH_PROGRAM names another build of it
// (an older one, for a before-and-after comparison).
std::string program() {
    const char* other = std::getenv("VELMORA_BENCH_PROGRAM");
    return other && *other ? other : VELMORA_PROGRAM;
}

// Each player in turn says one line; every player's delivery delay counts.
// arg(0): 1 when the players' own sockets leave Nagle on.
void ChatLatency(benchmark::State& state) {
    for (auto _ : state) {
        HostProcess host(program());
        std::vector<Peer> peers;
        for (int i = 1; i <= kPlayers; ++i) {
            peers.emplace_back(host.port(), 5000, state.range(0) == 0);
            if (!peers.back().join(name(i), 5000)) return state.SkipWithError("join failed");
        }
        std::vector<Peer*> all;
        for (auto& p : peers) all.push_back(&p);
        std::vector<double> delays;
        for (int r = 0; r < kRounds; ++r) {
            for (int i = 0; i < kPlayers; ++i) {
                for (auto& p : peers) p.got.clear();
                const std::string text = "line " + std::to_string(r);
                const std::string expect = "CMD_chat+" + name(i + 1) + " chats: " + text;
                std::vector<bool> done(kPlayers, false);
                const auto start = Clock::now();
                peers[i].send("CMD_chat+" + std::to_string(peers[i].place) + "+" + text);
                int left = kPlayers;
                while (left > 0 && msSince(start) < 2000) {
                    waitAny(all, 5);
                    for (int k = 0; k < kPlayers; ++k) {
                        if (done[k] || !peers[k].pump()) continue;
                        for (const auto& g : peers[k].got)
                            if (g == expect && !done[k]) {
                                done[k] = true;
                                --left;
                                delays.push_back(msSince(start));
                            }
                    }
                }
                if (left > 0) return state.SkipWithError("a chat line was not delivered within 2 s");
            }
        }
        const Spread s = spread(delays);
        state.counters["median_ms"] = s.median;
        state.counters["p90_ms"] = s.p90;
        state.counters["max_ms"] = s.max;
        state.counters["deliveries"] = static_cast<double>(delays.size());
    }
}

// Strangers connect, send 31 lines of arg(0) bytes and reset, again and
// again, for at most kFloodMs or kFloodMax reconnects, while two honest
// players chat every 300 ms.
constexpr int kFloodMs = 3000;
constexpr int kFloodMax = 40000;

void ReconnectFlood(benchmark::State& state) {
    const std::size_t lineBytes = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        HostProcess host(program());
        Peer a(host.port()), b(host.port());
        if (!a.join("Ann", 5000) || !b.join("Bob", 5000)) return state.SkipWithError("join failed");
        const long rssBefore = host.rssKb();
        const long errBefore = host.stderrBytes();

        std::atomic<bool> stop{false};
        std::atomic<int> reconnects{0};
        std::thread flood([&] {
            const std::string line = "CMD_chat+3+" + std::string(lineBytes, 'x');
            const auto start = Clock::now();
            while (!stop && reconnects < kFloodMax && msSince(start) < kFloodMs) {
                // A connection the host's backlog has no room for is given up at once.
                Peer f(host.port(), 20);
                if (!f.ok()) continue;
                for (int i = 0; i < 31; ++i) f.send(line);
                f.reset();
                ++reconnects;
            }
        });

        std::map<std::string, Clock::time_point> pending;
        std::vector<double> delays;
        std::vector<Peer*> honest{&a, &b};
        long rssPeak = rssBefore;
        int sent = 0;
        const auto start = Clock::now();
        auto nextChat = start;
        auto collect = [&] {
            for (Peer* p : honest) {
                p->pump();
                for (const auto& g : p->got) {
                    const auto at = g.find(" chats: ");
                    if (at == std::string::npos) continue;
                    auto it = pending.find(g.substr(at + 8));
                    if (it != pending.end()) delays.push_back(msSince(it->second));
                }
                p->got.clear();
            }
        };
        while (msSince(start) < kFloodMs + 500) {
            if (Clock::now() >= nextChat) {
                Peer& who = sent % 2 == 0 ? a : b;
                const std::string text = "honest " + std::to_string(sent++);
                pending[text] = Clock::now();
                who.send("CMD_chat+" + std::to_string(who.place) + "+" + text);
                nextChat += std::chrono::milliseconds(300);
            }
            waitAny(honest, 10);
            collect();
            rssPeak = std::max(rssPeak, host.rssKb());
        }
        stop = true;
        flood.join();
        const double floodSeconds = msSince(start) / 1000.0;

        // A newcomer right after the flood: how long until its login is handled?
        const auto joinStart = Clock::now();
        Peer late(host.port());
        const bool joined = late.join("Late", 20000);
        const double joinMs = joined ? msSince(joinStart) : -1;
        collect();

        const Spread s = spread(delays);
        state.counters["reconnects"] = reconnects.load();
        state.counters["rss_before_MB"] = rssBefore / 1024.0;
        state.counters["rss_peak_MB"] = rssPeak / 1024.0;
        state.counters["rss_after_MB"] = host.rssKb() / 1024.0;
        state.counters["honest_sent"] = sent;
        state.counters["honest_relays"] = static_cast<double>(delays.size());  // 2 per line when all arrive
        state.counters["honest_p90_ms"] = s.p90;
        state.counters["honest_max_ms"] = s.max;
        state.counters["honest_cut_off"] = (a.closed() || b.closed()) ? 1 : 0;
        state.counters["newcomer_login_ms"] = joinMs;
        state.counters["stderr_KB_per_s"] = (host.stderrBytes() - errBefore) / 1024.0 / floodSeconds;
    }
}

// One logged-in peer sends 7 lines with a 2000-byte malformed place every
// 100 ms (within its queue caps) for kFloodMs: how fast does the host's
// standard error grow?
void MalformedSpam(benchmark::State& state) {
    for (auto _ : state) {
        HostProcess host(program());
        Peer spammer(host.port());
        if (!spammer.join("Mal", 5000)) return state.SkipWithError("join failed");
        const long errBefore = host.stderrBytes();
        const std::string line = "CMD_chat+" + std::string(2000, 'x') + "\n+hi";
        const auto start = Clock::now();
        int sent = 0;
        while (msSince(start) < kFloodMs && !spammer.closed()) {
            for (int i = 0; i < 7; ++i, ++sent) spammer.send(line);
            std::vector<Peer*> one{&spammer};
            const auto burst = Clock::now();
            while (msSince(burst) < 100) {
                waitAny(one, 20);
                spammer.pump();
                spammer.got.clear();
            }
        }
        state.counters["lines_sent"] = sent;
        state.counters["stderr_KB_per_s"] = (host.stderrBytes() - errBefore) / 1024.0 / (msSince(start) / 1000.0);
    }
}

}  // namespace

BENCHMARK(MalformedSpam)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ChatLatency)->ArgName("nagle")->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ReconnectFlood)->Arg(30)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
