// velmora-sim --games N [--seed S] [--seats 2|3|4]: computer players in every
// seat play N games on the engine alone; exits 1 on the first broken check.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "host/simulation.h"

namespace {

int usage() {
    std::fprintf(stderr, "usage: velmora-sim --games N [--seed S] [--seats 2|3|4]\n");
    return 2;
}

bool number(const char* text, long& out) {
    char* end = nullptr;
    out = std::strtol(text, &end, 10);
    return end != text && *end == '\0';
}

}  // namespace

int main(int argc, char** argv) {
    long games = -1, seed = 1, seats = 4;
    for (int i = 1; i < argc; i += 2) {
        if (i + 1 >= argc) return usage();
        long value = 0;
        if (!number(argv[i + 1], value)) return usage();
        if (std::strcmp(argv[i], "--games") == 0)
            games = value;
        else if (std::strcmp(argv[i], "--seed") == 0)
            seed = value;
        else if (std::strcmp(argv[i], "--seats") == 0)
            seats = value;
        else
            return usage();
    }
    if (games < 0 || seats < 2 || seats > 4) return usage();

    using velmora::host::simulate;
    const auto stats = simulate(static_cast<int>(games), static_cast<std::uint32_t>(seed), static_cast<int>(seats));
    const double secs = stats.seconds > 0 ? stats.seconds : 1e-9;
    std::printf("games finished: %d of %ld (seed %ld, %ld seats)\n", stats.finished, games, seed, seats);
    std::printf("rounds per game: mean %.2f, max %d\n",
                stats.finished ? static_cast<double>(stats.rounds) / stats.finished : 0.0, stats.maxrounds);
    std::printf("wins per seat:");
    for (int s = 1; s <= seats; ++s) std::printf(" %d:%d", s, stats.wins[s]);
    std::printf("\nmoves: %ld, refused requests: %ld\n", stats.moves, stats.refusals);
    std::printf("moves per second: %.0f\ngames per second: %.1f\n", stats.moves / secs, stats.played / secs);
    if (!stats.violation.empty()) {
        std::fprintf(stderr, "violation: %s\n", stats.violation.c_str());
        return 1;
    }
    return 0;
}
