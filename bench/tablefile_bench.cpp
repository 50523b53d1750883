// What one autosave costs a turn: the table of a game in progress turned
// into text, and that text written through a temporary file and a rename
// (on the writer's thread, as the host does it: AutosaveTurn is what the
// table's thread pays; AutosaveWrite the disk's part, there).
// Also the reading of it, as a resumed host does once.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "host/computer.h"
#include "host/savewriter.h"
#include "host/tablefile.h"

using namespace velmora;
using namespace velmora::host;

namespace {

struct Quiet : MessageSink, TimerControl {
    void sendTo(int, std::string_view) override {}
    bool listening(int) const override { return false; }
    void startTimer1() override {}
    void stopTimer1() override {}
    void armComputerTimer(int) override {}
    void stopComputerTimer() override {}
};

// A table some way into a game, with two seat tokens.
struct Game {
    Quiet quiet;
    Table table{quiet, quiet, 2024};
    std::array<std::string, kSeats + 1> tokens{"", std::string(32, 'a'), std::string(32, 'b'), "", ""};
    Game() {
        installComputerPlayers(table);
        for (int s : {1, 3, 4}) table.connects(s);
        table.startgame("You+");
        for (int s : {1, 3, 4}) table.watches(s, true);
        for (int move = 0; move < 150; ++move) table.computertimerTimer();
    }
};

std::string folder() {
    const char* dir = std::getenv("TMPDIR");
    return dir && *dir ? dir : "/tmp";
}

void AutosaveText(benchmark::State& state) {
    Game game;
    for (auto _ : state) benchmark::DoNotOptimize(tabletext(game.table.state(), game.tokens));
}

void AutosaveWrite(benchmark::State& state) {
    Game game;
    const std::string path = folder() + "/velmora-bench-" + std::to_string(::getpid()) + ".state";
    for (auto _ : state) {
        const std::string problem = writetablefile(path, tabletext(game.table.state(), game.tokens));
        if (!problem.empty()) return state.SkipWithError(problem.c_str());
    }
    std::remove(path.c_str());
}

// Each turn hands its table over and goes on; the writer keeps the latest.
void AutosaveTurn(benchmark::State& state) {
    Game game;
    const std::string path = folder() + "/velmora-bench-turn-" + std::to_string(::getpid()) + ".state";
    SaveWriter writer;
    for (auto _ : state) writer.write(path, tabletext(game.table.state(), game.tokens));
    writer.flush();
    if (const std::string problem = writer.problem(); !problem.empty()) state.SkipWithError(problem.c_str());
    std::remove(path.c_str());
}

void ResumeRead(benchmark::State& state) {
    Game game;
    const std::string text = tabletext(game.table.state(), game.tokens);
    auto saved = std::make_unique<SavedTable>();
    for (auto _ : state) benchmark::DoNotOptimize(readtable(text, *saved));
}

}  // namespace

BENCHMARK(AutosaveText)->Unit(benchmark::kMicrosecond);
BENCHMARK(AutosaveWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(AutosaveTurn)->Unit(benchmark::kMicrosecond);
BENCHMARK(ResumeRead)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
