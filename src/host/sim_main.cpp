// velmora-sim --games N [--seed S] [--seats 2|3|4] [--levels L1,L2[,L3,L4]]
//             [--budget N] [--jobs N]
//             [--check-every N] [--without streakcap|surpluswilds|stallbreaker]...
//             [--keep-going]
// --levels gives each seat its computer level (Designed, Strong or Expert)
// and the seat count, and adds one line per seat: level, games won, win
// rate. --budget sets the expert's samples per decision; --jobs spreads the
// games over that many threads without changing any result.
// Computer players in every seat play N games on the engine alone, the whole
// table checked after every 8th move unless --check-every says otherwise;
// exits 1 when a check broke (at the first one, unless --keep-going counts
// them all). Rates are per second of processor time.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#include <utility>
#include <string>

#include "host/simulation.h"
#include "game/version.h"

namespace {

using velmora::host::SimOptions;


constexpr const char* kUsage =
    "usage: velmora-sim --games N [--seed S] [--seats 2|3|4] [--levels L1,L2[,L3,L4]] [--budget N] [--jobs N]\n"
    "                   [--check-every N]\n"
    "                   [--without streakcap|surpluswilds|stallbreaker]... [--keep-going]\n"
    "       velmora-sim --help | --version\n";

int usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

int unknown(const char* arg) {
    std::fprintf(stderr, "velmora-sim: unknown option '%s'\n", arg);
    return usage();
}

bool takesValue(const char* arg) {
    for (const char* name : {"--games", "--seed", "--seats", "--check-every", "--without", "--levels", "--budget", "--jobs"})
        if (std::strcmp(arg, name) == 0) return true;
    return false;
}

bool number(const char* text, long& out) {
    char* end = nullptr;
    out = std::strtol(text, &end, 10);
    return end != text && *end == '\0';
}

bool switchoff(const char* name, SimOptions& options) {
    auto& m = options.mends;
    for (auto [key, flag] : {std::pair{"streakcap", &m.streakcap}, std::pair{"surpluswilds", &m.surpluswilds},
                             std::pair{"stallbreaker", &m.stallbreaker}})
        if (std::strcmp(name, key) == 0) return !(*flag = false);
    return false;
}

constexpr std::pair<const char*, velmora::host::ComputerLevel> kLevelNames[] = {
    {"Designed", velmora::host::ComputerLevel::Designed},
    {"Strong", velmora::host::ComputerLevel::Strong},
    {"Expert", velmora::host::ComputerLevel::Expert}};

const char* levelname(velmora::host::ComputerLevel level) {
    for (auto [name, l] : kLevelNames)
        if (l == level) return name;
    return "?";
}

// "Strong,Designed,..." into the seats' levels; the count of names, or 0.
long parselevels(const char* text, SimOptions& options) {
    long seat = 0;
    std::string rest = text;
    while (seat < 4) {
        const std::size_t cut = rest.find(',');
        const std::string name = rest.substr(0, cut);
        bool known = false;
        for (auto [n, level] : kLevelNames)
            if (strcasecmp(name.c_str(), n) == 0) options.levels[++seat] = level, known = true;
        if (!known) return 0;
        if (cut == std::string::npos) return seat;
        rest.erase(0, cut + 1);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    long games = -1, seed = 1, seats = 4, every = 8, jobs = 1;
    bool levels = false;
    SimOptions options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) return std::fputs(kUsage, stdout), 0;
        if (std::strcmp(argv[i], "--version") == 0) return std::printf("velmora-sim %s\n", velmora::kVersionText), 0;
        if (std::strcmp(argv[i], "--keep-going") == 0) {
            options.keepgoing = true;
            continue;
        }
        if (!takesValue(argv[i])) return unknown(argv[i]);
        if (i + 1 >= argc) return usage();
        const char* arg = argv[i];
        const char* value = argv[++i];
        long n = 0;
        if (std::strcmp(arg, "--levels") == 0) {
            if ((seats = parselevels(value, options)) < 2) return usage();
            levels = true;
            continue;
        }
        if (std::strcmp(arg, "--without") == 0) {
            if (!switchoff(value, options)) return usage();
            continue;
        }
        if (!number(value, n)) return usage();
        if (std::strcmp(arg, "--games") == 0)
            games = n;
        else if (std::strcmp(arg, "--seed") == 0)
            seed = n;
        else if (std::strcmp(arg, "--seats") == 0)
            seats = n;
        else if (std::strcmp(arg, "--check-every") == 0)
            every = n;
        else if (std::strcmp(arg, "--budget") == 0 && n >= 1 && n <= 100000)
            options.budget = static_cast<int>(n);
        else if (std::strcmp(arg, "--jobs") == 0 && n >= 1 && n <= 64)
            jobs = n;
        else
            return usage();
    }
    if (games < 0 || seats < 2 || seats > 4 || every < 1) return usage();
    options.checkevery = static_cast<int>(every);

    const auto stats = velmora::host::simulate(static_cast<int>(games), static_cast<std::uint32_t>(seed),
                                               static_cast<int>(seats), options, static_cast<int>(jobs));
    const double secs = stats.seconds > 0 ? stats.seconds : 1e-9;
    std::printf("games finished: %d of %ld (seed %ld, %ld seats)\n", stats.finished, games, seed, seats);
    std::printf("rounds per game: mean %.2f, max %d\n",
                stats.finished ? static_cast<double>(stats.rounds) / stats.finished : 0.0, stats.maxrounds);
    std::printf("wins per seat:");
    for (int s = 1; s <= seats; ++s) std::printf(" %d:%d", s, stats.wins[s]);
    std::printf("\nmoves: %ld, refused requests: %ld\n", stats.moves, stats.refusals);
    if (levels)
        for (int s = 1; s <= seats; ++s)
            std::printf("seat %d %s: won %d of %d, win rate %.1f %%\n", s, levelname(options.levels[s]), stats.wins[s],
                        stats.finished, stats.finished ? 100.0 * stats.wins[s] / stats.finished : 0.0);
    if (stats.strongrefusals != 0) std::printf("refused strong requests: %ld\n", stats.strongrefusals);
    if (stats.expertrefusals != 0) std::printf("refused expert requests: %ld\n", stats.expertrefusals);
    std::printf("moves per second: %.0f\ngames per second: %.1f\n", stats.moves / secs, stats.played / secs);
    if (stats.broken == 0) return 0;
    std::fprintf(stderr, "games with a broken check: %d\nfirst: %s\nseeds:", stats.broken, stats.violation.c_str());
    for (auto s : stats.brokenseeds) std::fprintf(stderr, " %u", s);
    std::fprintf(stderr, "\n");
    return 1;
}
