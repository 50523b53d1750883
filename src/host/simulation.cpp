#include "host/simulation.h"

#include <algorithm>
#include <atomic>
#include <ctime>
#include <string_view>
#include <thread>

#include "host/computer.h"
#include "host/table.h"

namespace velmora::host {

namespace {

// The watching places are simulated: nobody listens, so the table builds
// no message text at all.
struct SimSink : MessageSink {
    void sendTo(int, std::string_view) override {}
    bool listening(int) const override { return false; }
};

class Game {
public:
    Game(std::uint32_t seed, int seats, const SimOptions& options)
        : seats_(seats), options_(options), table_(sink_, timers_, seed), computer_(table_, options.mends) {
        for (int s = 1; s <= kSeats; ++s) computer_.setlevel(s, options.levels[s]);
        computer_.expertbudget = options.budget;
        table_.computerplay = [this](int seat) { computer_.play(seat); };
        table_.diagnostic = [](std::string_view) {};
    }

    GameResult play();

private:
    int seats_;
    SimOptions options_;
    SimSink sink_;
    RecordedTimers timers_;
    Table table_;
    ComputerSeats computer_;
    long moves_ = 0;
    int turnmoves_ = 0;
    int rounds_ = 0;
    int winner_ = 0;

    void start();
    void step();
    std::string check(bool whole) const;
    std::string checkseat(int s) const;
};

// Seat 2 is the computer's own seat; the others are people who just watch.
void Game::start() {
    for (int s = 1; s <= seats_; ++s)
        if (s != 2) table_.connects(s);
    table_.startgame("Sim+");
    rounds_ = 1;
    for (int s = 1; s <= seats_; ++s)
        if (s != 2) table_.watches(s, true);
    // As "just watch" during the turn does: the seat to move gets its tick.
    if (table_.state().turnphase == 1 || table_.state().turnphase == 2) timers_.computer = true;
}

GameResult Game::play() {
    start();
    std::string violation = check(true);
    for (long n = 1; violation.empty() && (timers_.computer || timers_.timer1); ++n) {
        step();
        violation = check(n % options_.checkevery == 0 || table_.state().gameon == 0);
    }
    if (violation.empty() && winner_ == 0) violation = "the game stopped without a winner";
    const long strong = computer_.strongrefusals;
    const long expert = computer_.expertrefusals;
    return {winner_, rounds_, moves_, computer_.designed.refusals + strong + expert, strong, expert, violation};
}

// Fires the timer that is due. A round begins when the pause ends in a deal;
// the game ends with the lowest seat that completed stage 10.
void Game::step() {
    if (timers_.computer) {
        turnmoves_ = table_.state().turnphase == 1 ? 1 : turnmoves_ + 1;
        ++moves_;
        table_.computertimerTimer();
        return;
    }
    table_.timer1Timer();
    if (table_.state().turnphase != 3 && table_.state().gameon == 1) ++rounds_;
    if (table_.state().gameon == 0 && winner_ == 0)
        for (int s = kSeats; s >= 1; --s)
            if (table_.player(s).stage == 11) winner_ = s;
}

std::string Game::checkseat(int s) const {
    const tplayer& p = table_.player(s);
    const int n = table_.getnumcards(s);
    const bool drawing = s == table_.state().curplayer && table_.state().turnphase == 2;
    if (n > (drawing ? 11 : 10)) return "seat " + std::to_string(s) + " holds " + std::to_string(n) + " cards";
    if (p.stage < 1 || p.stage > 11 || (p.stagedone != 0 && p.stagedone != 1))
        return "seat " + std::to_string(s) + " has stage " + std::to_string(p.stage);
    if (p.inround != (s <= seats_ ? 1 : 0)) return "seat " + std::to_string(s) + " has the wrong inround";
    return {};
}

// The bounds and the turn's state after every step; the cards and seats
// when `whole` is set.
std::string Game::check(bool whole) const {
    if (whole) {
        if (std::string cards = checkcards(table_); !cards.empty()) return cards;
        for (int s = 1; s <= kSeats; ++s)
            if (std::string seat = checkseat(s); !seat.empty()) return seat;
    }
    if (turnmoves_ > options_.movesperturn) return "a turn took more than its bounded moves";
    if (rounds_ > options_.roundspergame) return "the game took more than its bounded rounds";
    if (moves_ > options_.movespergame) return "the game took more than its bounded moves";
    if (table_.state().gameon == 0) return winner_ != 0 ? "" : "the game ended without a winner";
    const int cur = table_.state().curplayer;
    switch (table_.state().turnphase) {
        case 1: case 2:
            if (cur < 1 || cur > seats_ || table_.player(cur).inround != 1) return "curplayer is not a dealt seat";
            if (!timers_.computer) return "a computer turn stands still";
            return {};
        case 3:
            return timers_.timer1 && !timers_.computer ? "" : "the round pause is not running alone";
        default:
            return "turnphase " + std::to_string(table_.state().turnphase);
    }
}

}  // namespace

GameResult playgame(std::uint32_t seed, int seats, const SimOptions& options) {
    Game game(seed, seats, options);
    return game.play();
}

namespace {

// Every game, shared among the jobs; results[g] is game g's.
std::vector<GameResult> playall(int games, std::uint32_t seed, int seats, const SimOptions& options, int jobs) {
    std::vector<GameResult> results(static_cast<std::size_t>(std::max(games, 0)));
    std::atomic<int> nextgame{0};
    std::atomic<bool> stop{false};
    auto work = [&] {
        for (int g = nextgame++; g < games && !stop; g = nextgame++) {
            results[g] = playgame(seed + static_cast<std::uint32_t>(g), seats, options);
            if (!results[g].violation.empty() && !options.keepgoing) stop = true;
        }
    };
    std::vector<std::thread> helpers;
    for (int j = 1; j < std::min(jobs, games); ++j) helpers.emplace_back(work);
    work();
    for (std::thread& h : helpers) h.join();
    return results;
}

}  // namespace

SimStats simulate(int games, std::uint32_t seed, int seats, const SimOptions& options, int jobs) {
    SimStats stats;
    const std::clock_t begin = std::clock();
    const std::vector<GameResult> results = playall(games, seed, seats, options, jobs);
    for (int g = 0; g < games; ++g) {
        const std::uint32_t gameseed = seed + static_cast<std::uint32_t>(g);
        const GameResult& r = results[g];
        ++stats.played;
        stats.moves += r.moves;
        stats.refusals += r.refusals;
        stats.strongrefusals += r.strongrefusals;
        stats.expertrefusals += r.expertrefusals;
        if (!r.violation.empty()) {
            if (stats.brokenseeds.size() < SimStats::kSeedsKept) stats.brokenseeds.push_back(gameseed);
            if (stats.broken++ == 0)
                stats.violation = "seed " + std::to_string(gameseed) + " (game " + std::to_string(g + 1) +
                                  ") move " + std::to_string(r.moves) + ": " + r.violation;
            if (!options.keepgoing) break;
            continue;
        }
        ++stats.finished;
        stats.rounds += r.rounds;
        if (r.rounds > stats.maxrounds) stats.maxrounds = r.rounds;
        if (r.winner >= 1 && r.winner <= 4) ++stats.wins[r.winner];
    }
    stats.seconds = static_cast<double>(std::clock() - begin) / CLOCKS_PER_SEC;
    return stats;
}

}  // namespace velmora::host
