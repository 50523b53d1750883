// The crash-resume promise at scale (run by bench/chaos.sh): velmora-server
// with a person's connection at every seat, each watching while the computer
// plays it, is killed with SIGKILL at random moments N times. Each time it is
// started again with --resume on its state file, every peer asks for its seat
// back with its token, and the table it then shows (each seat's hand, card
// count, stage, laid groups and points, the turn and the face-up card) is
// compared with the file, which the server's reader itself only takes when
// it holds the deck's 108 cards exactly. Games that end are started again;
// after the last kill the game is played to its end. Prints
//   resumed K of N, games ended G, cards intact K
// Plain POSIX; the server runs at --pace, so a game takes seconds.
//   bench_chaos N SERVER [--pace P] [--mean-ms M] [--seed S]
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "host/tablefile.h"
#include "host_peers.h"

using namespace velmora;
using bench::Peer;

namespace {

constexpr int kWaitMs = 20000;

struct Server {
    int pid = -1;
    int out = -1;
    int port = 0;
};

// Starts the server and waits for its port; port 0: it did not come up (a
// refused resume exits 3).
Server start(const std::string& program, const std::string& state, const std::string& log, int pace, bool resume) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return {};
    const std::string paceText = std::to_string(pace);
    std::vector<std::string> args{program, "--port", "0", "--pace", paceText, "--state", state};
    if (resume) args.insert(args.end(), {"--resume", state});
    Server s;
    s.pid = ::fork();
    if (s.pid == 0) {
        ::dup2(pipeFds[1], 1);
        const int err = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        if (err >= 0) ::dup2(err, 2);
        ::close(pipeFds[0]);
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    s.out = pipeFds[0];
    std::string text;
    char buf[256];
    for (;;) {
        const ssize_t n = ::read(s.out, buf, sizeof buf);
        if (n <= 0) break;
        text.append(buf, static_cast<std::size_t>(n));
        const auto at = text.find("listening on port ");
        if (at != std::string::npos && text.find('\n', at) != std::string::npos) {
            s.port = std::atoi(text.c_str() + at + 18);
            break;
        }
    }
    return s;
}

void stop(Server& s) {
    if (s.pid > 0) {
        ::kill(s.pid, SIGKILL);
        ::waitpid(s.pid, nullptr, 0);
    }
    if (s.out >= 0) ::close(s.out);
    s = {};
}

std::vector<int> fields(const std::string& message) {
    std::vector<int> out;
    std::size_t at = message.find('+');
    while (at != std::string::npos) {
        const std::size_t next = message.find('+', at + 1);
        const std::string f = message.substr(at + 1, next == std::string::npos ? std::string::npos : next - at - 1);
        out.push_back(f == "h" ? -1 : f == "m" ? -2 : f == "t" ? -3 : f == "s" ? -4 : std::atoi(f.c_str()));
        at = next;
    }
    return out;
}

// Each seat's points against the file: equal, or (`since`) not fewer.
std::string comparePoints(const host::TableState& t, const std::string& points, bool since) {
    const std::vector<int> pts = fields(points);
    for (int s = 1; s <= kSeats; ++s)
        if (pts.size() < 8 || pts[2 * (s - 1)] != s ||
            (since ? pts[2 * s - 1] < t.players[s].points : pts[2 * s - 1] != t.players[s].points))
            return "seat " + std::to_string(s) + "'s points";
    return {};
}

// The snapshot and points one seat's peer got at its rejoin against the
// saved table: empty when they agree, else what differs. A table saved in
// the pause between rounds goes on with it at once (no person's turn waits
// there), so the next deal, and at this pace even the next round's end, may
// come before everyone is back: then the points and stages must be kept or
// have grown.
std::string compare(const host::SavedTable& saved, int seat, const std::string& stats, const std::string& points) {
    const host::TableState& t = saved.table;
    const std::vector<int> f = fields(stats);
    const bool dealtSince = t.timer1tag != 0 && f.size() >= 8 && f[4] != -1;
    if (const std::string p = comparePoints(t, points, t.timer1tag != 0); !p.empty()) {
        std::string file;
        for (int s = 1; s <= kSeats; ++s) file += ' ' + std::to_string(t.players[s].points);
        return p + " (" + points + "; saved" + file + (t.timer1tag != 0 ? " in the pause)" : " in a round)");
    }
    if (f.size() < 4 || f[0] != seat || (!dealtSince && (f[1] != t.curplayer || f[2] != t.turnphase || f[3] != t.topdiscard)))
        return "turn, phase or face-up card";
    std::array<int, kHandSlots + 1> hand{};
    std::array<std::array<int, 3>, kSeats + 1> seen{};  // stage, cards, laid
    for (std::size_t i = 4; i + 3 < f.size(); i += 4) {
        const int kind = f[i], a = f[i + 1], b = f[i + 2], c = f[i + 3];
        // Still (or again: a short round at this pace) between rounds.
        if (kind == -1) return t.timer1tag != 0 ? "" : "a pause the file does not have";
        if (kind == -2 && a >= 1 && a <= kHandSlots) hand[a] = b;
        if (kind == -3 && a >= 1 && a <= kSeats) seen[a] = {b, c, 0};
        if (kind == -4 && a >= 1 && a <= kSeats) ++seen[a][2];
    }
    for (int s = 1; s <= kSeats; ++s) {
        const host::tplayer& p = t.players[s];
        if (dealtSince) {
            if (seen[s][0] != 0 && seen[s][0] < p.stage)
                return "seat " + std::to_string(s) + "'s stage";
            continue;
        }
        int cards = 0, groupCards = 0;
        for (int k = 1; k <= kHandSlots; ++k) cards += p.hand[k] != 0;
        for (int g = 1; g <= 2; ++g)
            for (int pos = 1; pos <= kGroupSize; ++pos) groupCards += p.stagedone == 1 && p.groups[g][pos] != 0;
        const std::array<int, 3> want{p.inround == 1 ? p.stage : 0, p.inround == 1 ? cards : 0, groupCards};
        if (seen[s] != want) return "seat " + std::to_string(s) + "'s stage, cards or groups";
        if (s == seat)
            for (int k = 1; k <= kHandSlots; ++k)
                if (hand[k] != p.hand[k]) return "hand slot " + std::to_string(k);
    }
    return {};
}

bool winnerDue(const host::TableState& t) {
    if (t.timer1tag == 0) return false;
    for (int s = 1; s <= kSeats; ++s)
        if (t.players[s].stage > 10) return true;
    return false;
}

// The latest message starting with `prefix`, or empty.
std::string last(const Peer& p, const std::string& prefix) {
    for (auto it = p.got.rbegin(); it != p.got.rend(); ++it)
        if (it->rfind(prefix, 0) == 0) return *it;
    return {};
}

struct Table {
    std::vector<std::unique_ptr<Peer>> peers;
    std::array<std::string, kSeats + 1> tokens{};

    void updateTokens() {
        for (int s = 1; s <= kSeats; ++s) {
            const std::string t = last(*peers[s - 1], "CMD_seattoken+" + std::to_string(s) + "+");
            if (!t.empty()) tokens[s] = t.substr(t.rfind('+') + 1);
        }
    }
    void clear() {
        for (auto& p : peers) p->got.clear();
    }
    // Everyone sets Just Watch: the computer plays every seat.
    void watch() {
        for (int s = 1; s <= kSeats; ++s) peers[s - 1]->send("CMD_justwatch+" + std::to_string(s) + "+1");
    }
    // A new table: four people log in, the first (the owner) starts the game.
    bool open(int port) {
        peers.clear();
        for (int s = 1; s <= kSeats; ++s) {
            peers.push_back(std::make_unique<Peer>(port));
            if (!peers.back()->join("Chaos" + std::to_string(s), kWaitMs)) return false;
        }
        return startGame();
    }
    bool startGame() {
        clear();
        peers[0]->send("CMD_startgame+Chaos1+");
        for (int s = 1; s <= kSeats; ++s)
            if (!peers[s - 1]->waitFor("CMD_seattoken+" + std::to_string(s) + "+", kWaitMs, true)) return false;
        updateTokens();
        watch();
        return true;
    }
    // Every seat back with its token. `differs`: what its table differs in
    // from the file; false when the seats could not all be taken back (then
    // `failure` says why).
    bool rejoin(int port, const host::SavedTable& saved, std::string& differs, std::string& failure) {
        peers.clear();
        for (int s = 1; s <= kSeats; ++s) {
            peers.push_back(std::make_unique<Peer>(port));
            Peer& p = *peers.back();
            const std::string seat = std::to_string(s);
            if (!p.waitFor("CMD_sendlogininfo+", kWaitMs, true)) return (failure = "no place for seat " + seat), false;
            p.got.clear();
            p.send("CMD_rejoin+" + tokens[s]);
            if (!p.waitFor("CMD_sendlogininfo+" + seat, kWaitMs)) return (failure = "seat " + seat + " refused"), false;
            p.send("CMD_logininfo+" + seat + "+1.0.0+Chaos" + seat);
            // A game that ended meanwhile sends no table.
            if (!p.waitFor("CMD_seattoken+", kWaitMs, true)) return (failure = "no token for seat " + seat), false;
            if (last(p, "CMD_points+").empty()) return (failure = "no table for seat " + seat), false;
            if (differs.empty()) differs = compare(saved, s, last(p, "CMD_gamestats+"), last(p, "CMD_points+"));
        }
        updateTokens();
        watch();
        return true;
    }
    bool sawWinner() {
        if (peers.empty()) return false;
        peers[0]->pump();
        return !last(*peers[0], "CMD_winner+").empty();
    }
    // Pumps every peer for `ms`; true when a winner was announced.
    bool play(int ms) {
        std::vector<Peer*> all;
        for (auto& p : peers) all.push_back(p.get());
        const auto start = bench::Clock::now();
        bool won = false;
        while (!won && bench::msSince(start) < ms) {
            bench::waitAny(all, 5);
            for (Peer* p : all) p->pump();
            updateTokens();
            won = !last(*peers[0], "CMD_winner+").empty();
            for (auto& p : peers)
                if (p->got.size() > 4096) p->got.erase(p->got.begin(), p->got.end() - 64);
        }
        return won;
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_chaos N SERVER [--pace P] [--mean-ms M] [--seed S]\n");
        return 2;
    }
    const int n = std::atoi(argv[1]);
    const std::string program = argv[2];
    int pace = 250, meanMs = 1000;
    unsigned seed = std::random_device{}();
    for (int i = 3; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        const long v = std::atol(argv[i + 1]);
        if (a == "--pace") pace = static_cast<int>(v);
        else if (a == "--mean-ms") meanMs = static_cast<int>(v);
        else if (a == "--seed") seed = static_cast<unsigned>(v);
    }
    ::signal(SIGPIPE, SIG_IGN);
    char folder[] = "/tmp/velmora-chaos-XXXXXX";
    if (!::mkdtemp(folder)) return 2;
    ::setenv("HOME", folder, 1);
    const std::string state = std::string(folder) + "/table.state";
    const std::string log = std::string(folder) + "/server.log";
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> moment(0, 2 * meanMs);

    int resumed = 0, ended = 0, intact = 0;
    bool lastEnded = false;
    Table table;
    Server server = start(program, state, log, pace, false);
    if (server.port == 0 || !table.open(server.port)) {
        std::fprintf(stderr, "chaos: the first table did not start (see %s)\n", log.c_str());
        return 1;
    }
    for (int kill = 1; kill <= n + 1; ++kill) {
        // Games that end before the moment are started again; the last
        // resume plays on to its end.
        const int ms = kill <= n ? moment(random) : 600000;
        const auto start0 = bench::Clock::now();
        while (table.play(ms - static_cast<int>(bench::msSince(start0)))) {
            ++ended;
            lastEnded = kill > n;
            if (kill > n || !table.startGame()) break;
        }
        if (kill > n) break;
        stop(server);
        host::SavedTable saved;
        const std::string problem = host::loadtablefile(state, saved);
        if (!problem.empty()) {
            std::fprintf(stderr, "chaos: kill %d: the saved table is not usable: %s\n", kill, problem.c_str());
            std::filesystem::remove(state);
            server = start(program, state, log, pace, false);
            if (server.port == 0 || !table.open(server.port)) break;
            continue;
        }
        server = start(program, state, log, pace, true);
        if (server.port == 0) {
            std::fprintf(stderr, "chaos: kill %d: the server did not resume (see %s)\n", kill, log.c_str());
            break;
        }
        ++resumed;
        std::string differs, failure;
        const bool back = table.rejoin(server.port, saved, differs, failure);
        if (!back && (winnerDue(saved.table) || table.sawWinner())) {
            // The resumed game ended before all its people were back (saved
            // in the pause after the deciding round, or decided meanwhile),
            // and their tokens with it.
            ++ended;
            if (differs.empty()) ++intact;
            else std::fprintf(stderr, "chaos: kill %d: after the resume: %s\n", kill, differs.c_str());
            stop(server);
            std::filesystem::remove(state);
            server = start(program, state, log, pace, false);
            if (server.port == 0 || !table.open(server.port)) break;
            continue;
        }
        if (differs.empty() && back)
            ++intact;
        else
            std::fprintf(stderr, "chaos: kill %d: after the resume: %s\n", kill, (differs + failure).c_str());
        if (!back) break;
    }
    stop(server);
    std::printf("resumed %d of %d, games ended %d, cards intact %d\n", resumed, n, ended, intact);
    const bool sound = resumed == n && intact == n && lastEnded;
    if (sound)
        std::filesystem::remove_all(folder);
    else
        std::fprintf(stderr, "chaos: the server's lines are kept in %s\n", log.c_str());
    if (!lastEnded) std::fprintf(stderr, "chaos: the last game did not reach its end\n");
    return sound ? 0 : 1;
}
