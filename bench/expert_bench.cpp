// bench_expert [--games N] [--seed S] [--budget N]: every decision of one
// expert seat against three strong seats over N seeded four-seat games,
// timed on the thread's processor clock. Goals on one core of the target
// machine: median at most 10 ms, 99th percentile at most 50 ms.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string_view>
#include <vector>

#include "host/computer.h"
#include "host/table.h"

namespace {

using namespace velmora::host;

struct Quiet : MessageSink {
    void sendTo(int, std::string_view) override {}
    bool listening(int) const override { return false; }
};

double threadseconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// One game, seat 1 expert; its decisions' times are added to `times`.
void playgame(std::uint32_t seed, int budget, std::vector<double>& times) {
    Quiet sink;
    RecordedTimers timers;
    Table table(sink, timers, seed);
    ComputerSeats seats(table);
    seats.setall(ComputerLevel::Strong);
    seats.setlevel(1, ComputerLevel::Expert);
    seats.expertbudget = budget;
    table.computerplay = [&](int seat) {
        if (seats.level(seat) != ComputerLevel::Expert) return seats.play(seat);
        const double begin = threadseconds();
        seats.play(seat);
        times.push_back(threadseconds() - begin);
    };
    table.diagnostic = [](std::string_view) {};
    for (int s : {1, 3, 4}) table.connects(s);
    table.startgame("Bench+");
    for (int s : {1, 3, 4}) table.watches(s, true);
    timers.computer = table.state().turnphase == 1 || table.state().turnphase == 2;
    for (long moves = 0; (timers.computer || timers.timer1) && table.state().gameon == 1 && moves < 200000; ++moves)
        timers.computer ? table.computertimerTimer() : table.timer1Timer();
}

}  // namespace

int main(int argc, char** argv) {
    long games = 20, seed = 1, budget = kExpertBudget;
    for (int i = 1; i + 1 < argc; i += 2) {
        long* target = std::strcmp(argv[i], "--games") == 0    ? &games
                       : std::strcmp(argv[i], "--seed") == 0   ? &seed
                       : std::strcmp(argv[i], "--budget") == 0 ? &budget
                                                               : nullptr;
        if (target == nullptr) return std::fputs("usage: bench_expert [--games N] [--seed S] [--budget N]\n", stderr), 2;
        *target = std::strtol(argv[i + 1], nullptr, 10);
    }
    std::vector<double> times;
    for (long g = 0; g < games; ++g) playgame(static_cast<std::uint32_t>(seed + g), static_cast<int>(budget), times);
    if (times.empty()) return std::puts("no expert decision"), 1;
    std::sort(times.begin(), times.end());
    auto at = [&](double q) { return times[static_cast<std::size_t>(q * static_cast<double>(times.size() - 1))] * 1e3; };
    double sum = 0;
    for (double t : times) sum += t;
    std::printf("expert decisions: %zu over %ld games (budget %ld)\n", times.size(), games, budget);
    std::printf("median %.3f ms, 99th percentile %.3f ms, max %.3f ms, mean %.3f ms\n", at(0.5), at(0.99), at(1.0),
                sum / static_cast<double>(times.size()) * 1e3);
    std::printf("expert processor time per game: %.3f s\n", sum / static_cast<double>(games));
    return 0;
}
