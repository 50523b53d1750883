#include "host/tablefile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

namespace velmora::host {

namespace {

constexpr std::string_view kHeader = "velmora-table 1";
constexpr std::size_t kMaxWords = kDeckSize + 4;   // the deck line is the longest
constexpr int kMaxNumber = 999999999;
constexpr std::string_view kTempMark = ".tmp-";

// FNV-1a over everything before the end line: a torn or altered file shows.
std::uint64_t checksum(std::string_view text) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : text) h = (h ^ c) * 1099511628211ull;
    return h;
}

std::string hex64(std::uint64_t value) {
    char out[17];
    std::snprintf(out, sizeof out, "%016llx", static_cast<unsigned long long>(value));
    return out;
}

void put(std::string& out, std::string_view key, std::initializer_list<int> numbers) {
    out += key;
    for (int n : numbers) out += ' ' + std::to_string(n);
}
template <std::size_t N>
void putcards(std::string& out, const std::array<int, N>& cards, int first, int last) {
    for (int i = first; i <= last; ++i) out += ' ' + std::to_string(cards[i]);
    out += '\n';
}

// One line's words, bounded: a longer line is refused, never grown.
struct Words {
    std::array<std::string_view, kMaxWords + 1> w{};
    std::size_t n = 0;
    bool overflow = false;

    explicit Words(std::string_view line) {
        while (!line.empty()) {
            const std::size_t space = line.find(' ');
            if (n == w.size()) {
                overflow = true;
                return;
            }
            w[n++] = line.substr(0, space);
            line = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
        }
    }
};

// What a file has shown so far, and the first thing wrong with it.
struct Reader {
    SavedTable& t;
    std::string error;
    int line = 1;   // the header's
    bool game = false, deck = false, pile = false;
    std::array<bool, kSeats + 1> seat{}, hand{}, token{};
    std::array<std::array<bool, kGroups + 1>, kSeats + 1> group{};

    bool fail(const std::string& what) {
        if (error.empty()) error = (line > 0 ? "line " + std::to_string(line) + ": " : std::string()) + what;
        return false;
    }
    // A decimal number lo..hi, digits only.
    bool num(std::string_view word, int lo, int hi, int& out) {
        int value = 0;
        const char* end = word.data() + word.size();
        if (word.empty() || word.size() > 9 || word[0] < '0' || word[0] > '9' ||
            std::from_chars(word.data(), end, value).ptr != end || value < lo || value > hi)
            return fail("\"" + std::string(word.substr(0, 12)) + "\" is not a number from " + std::to_string(lo) +
                        " to " + std::to_string(hi));
        out = value;
        return true;
    }
    bool once(bool& seen, std::string_view what) {
        if (seen) return fail("a second " + std::string(what) + " line");
        return seen = true;
    }
    bool count(const Words& w, std::size_t n) {
        return w.n == n || fail("\"" + std::string(w.w[0]) + "\" needs " + std::to_string(n - 1) + " values");
    }
    template <std::size_t N>
    bool cards(const Words& w, std::size_t from, std::array<int, N>& out, int first, int last) {
        for (int i = first; i <= last; ++i)
            if (!num(w.w[from + static_cast<std::size_t>(i - first)], 0, kSkip, out[i])) return false;
        return true;
    }

    bool gameline(const Words& w) {
        TableState& s = t.table;
        return once(game, "game") && count(w, 9) && num(w.w[1], 0, 1, s.gameon) && num(w.w[2], 0, kSeats, s.curplayer) &&
               num(w.w[3], 0, 3, s.turnphase) && num(w.w[4], 0, 100, s.roundpause) && num(w.w[5], 0, 2, s.timer1tag) &&
               num(w.w[6], 1, 60000, s.botspeed) && num(w.w[7], 0, kMaxNumber, s.idlereshuffles) &&
               num(w.w[8], 1, kSeats - 1, s.computerseats);
    }
    bool deckline(const Words& w) {
        return once(deck, "deck") && count(w, kDeckSize + 2) && num(w.w[1], 0, kDeckSize, t.table.deckpos) &&
               cards(w, 2, t.table.deck, 1, kDeckSize);
    }
    bool pileline(const Words& w) {
        int n = 0;
        if (w.n < 2) return fail("\"pile\" needs its count");
        return once(pile, "pile") && num(w.w[1], 0, kDeckSize, n) &&
               count(w, static_cast<std::size_t>(n) + 2) && cards(w, 2, t.table.discards, 1, n) &&
               ((t.table.discardcount = n), true);
    }
    bool seatline(const Words& w) {
        int s = 0;
        if (!count(w, 11) || !num(w.w[1], 1, kSeats, s) || !once(seat[s], "seat " + std::to_string(s))) return false;
        tplayer& p = t.table.players[s];
        return num(w.w[2], 0, kMaxNumber, p.points) && num(w.w[3], 1, 11, p.stage) && num(w.w[4], 0, 1, p.stagedone) &&
               num(w.w[5], 0, 1, p.skipped) && num(w.w[6], 0, 1, p.inround) && num(w.w[7], 0, kSkip, p.lastpickup) &&
               cards(w, 8, p.lastdiscards, 1, 3);
    }
    bool handline(const Words& w) {
        int s = 0;
        return count(w, kHandSlots + 2) && num(w.w[1], 1, kSeats, s) && once(hand[s], "hand " + std::to_string(s)) &&
               cards(w, 2, t.table.players[s].hand, 1, kHandSlots);
    }
    bool groupline(const Words& w) {
        int s = 0, g = 0;
        if (!count(w, kGroupSize + 4) || !num(w.w[1], 1, kSeats, s) || !num(w.w[2], 1, kGroups, g) ||
            !once(group[s][g], "group " + std::to_string(s) + " " + std::to_string(g)))
            return false;
        tplayer& p = t.table.players[s];
        return num(w.w[3], 0, kGroupSize, p.groupcount[g]) && cards(w, 4, p.groups[g], 1, kGroupSize);
    }
    bool tokenline(const Words& w) {
        int s = 0;
        if (!count(w, 3) || !num(w.w[1], 1, kSeats, s) || !once(token[s], "token " + std::to_string(s))) return false;
        const std::string_view hex = w.w[2];
        if (hex.size() != static_cast<std::size_t>(kSeatTokenHexDigits) ||
            hex.find_first_not_of("0123456789abcdef") != std::string_view::npos)
            return fail("a seat token is not " + std::to_string(kSeatTokenHexDigits) + " hex digits");
        t.tokens[s] = std::string(hex);
        return true;
    }

    bool dispatch(const Words& w) {
        struct Kind {
            std::string_view key;
            bool (Reader::*read)(const Words&);
        };
        static constexpr Kind kKinds[] = {
            {"game", &Reader::gameline},   {"deck", &Reader::deckline},   {"pile", &Reader::pileline},
            {"seat", &Reader::seatline},   {"hand", &Reader::handline},   {"group", &Reader::groupline},
            {"token", &Reader::tokenline},
        };
        if (w.overflow) return fail("too many values");
        for (const Kind& k : kKinds)
            if (w.n > 0 && w.w[0] == k.key) return (this->*k.read)(w);
        return fail("unknown line \"" + std::string(w.n > 0 ? w.w[0].substr(0, 12) : "") + "\"");
    }

    // What every saved game holds, and the rules' own invariants.
    bool whole() {
        line = 0;
        if (!game || !deck || !pile) return fail("the game, deck or pile line is missing");
        for (int s = 1; s <= kSeats; ++s)
            for (int g = 1; g <= kGroups; ++g)
                if (!seat[s] || !hand[s] || !group[s][g]) return fail("seat " + std::to_string(s) + " is incomplete");
        TableState& s = t.table;
        if (s.gameon != 1) return fail("the saved game has ended");
        if (s.timer1tag == 0 && (s.turnphase < 1 || s.turnphase > 2 || s.curplayer < 1 || s.players[s.curplayer].inround != 1))
            return fail("the turn is at no seat in the round");
        for (int i = 1; i <= s.deckpos; ++i)
            if (s.deck[i] != 0) return fail("a card in a deck position already taken");
        s.topdiscard = s.discardcount >= 1 ? s.discards[s.discardcount] : 0;
        s.underdiscard = s.discardcount >= 2 ? s.discards[s.discardcount - 1] : 0;
        bool dealt = false;
        for (int i = 1; i <= kDeckSize; ++i) dealt = dealt || s.deck[i] != 0 || s.discards[i] != 0;
        for (int p = 1; p <= kSeats; ++p)
            for (int c : s.players[p].hand) dealt = dealt || c != 0;
        if (!dealt) return fail("the table holds no card");
        const std::string cardsWrong = checkcards(s);
        return cardsWrong.empty() || fail("the cards are not the deck's 108: " + cardsWrong);
    }
};

}  // namespace

std::string tabletext(const TableState& t, const std::array<std::string, kSeats + 1>& tokens) {
    std::string out;
    out.reserve(2048);
    out += kHeader;
    out += '\n';
    put(out, "game", {t.gameon, t.curplayer, t.turnphase, t.roundpause, t.timer1tag, t.botspeed, t.idlereshuffles,
                       t.computerseats});
    out += '\n';
    put(out, "deck", {t.deckpos});
    putcards(out, t.deck, 1, kDeckSize);
    const int piled = t.discardcount >= 0 && t.discardcount <= kDeckSize ? t.discardcount : 0;
    put(out, "pile", {piled});
    putcards(out, t.discards, 1, piled);
    for (int s = 1; s <= kSeats; ++s) {
        const tplayer& p = t.players[s];
        put(out, "seat", {s, p.points, p.stage, p.stagedone, p.skipped, p.inround, p.lastpickup});
        putcards(out, p.lastdiscards, 1, 3);
        put(out, "hand", {s});
        putcards(out, p.hand, 1, kHandSlots);
        for (int g = 1; g <= kGroups; ++g) {
            put(out, "group", {s, g, p.groupcount[g]});
            putcards(out, p.groups[g], 1, kGroupSize);
        }
        if (!tokens[s].empty()) out += "token " + std::to_string(s) + ' ' + tokens[s] + '\n';
    }
    return sealtable(std::move(out));
}

std::string sealtable(std::string body) {
    const std::string sum = hex64(checksum(body));
    body += "end " + sum + '\n';
    return body;
}

std::string readtable(std::string_view text, SavedTable& out) {
    if (text.size() > kMaxTableFile) return "the file is larger than a saved table can be";
    if (text.substr(0, kHeader.size() + 1) != std::string(kHeader) + '\n')
        return "not a saved Velmora table (or one of another version)";
    const std::size_t endLine = text.rfind("\nend ");
    if (endLine == std::string_view::npos) return "the file ends early (no end line)";
    const std::string_view body = text.substr(0, endLine + 1);
    if (text.substr(endLine + 1) != "end " + hex64(checksum(body)) + '\n')
        return "the file is damaged (its checksum does not match)";

    auto saved = std::make_unique<SavedTable>();
    Reader r{*saved, {}};
    std::string_view rest = body.substr(kHeader.size() + 1);
    while (!rest.empty() && r.error.empty()) {
        ++r.line;
        const std::size_t nl = rest.find('\n');
        r.dispatch(Words(rest.substr(0, nl)));
        rest = rest.substr(nl + 1);
    }
    if (r.error.empty()) r.whole();
    if (!r.error.empty()) return r.error;
    out = std::move(*saved);
    return {};
}

std::string writetablefile(const std::string& path, std::string_view text) {
    static thread_local std::minstd_rand names(std::random_device{}());
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
        temp = path + std::string(kTempMark) + std::to_string(names());
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    }
    if (fd < 0) return "cannot create a file beside " + path + " (" + std::strerror(errno) + ")";
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    const bool closed = ::close(fd) == 0;
    const bool written = done == text.size() && closed;
    if (!written || std::rename(temp.c_str(), path.c_str()) != 0) {
        const std::string why = std::strerror(errno);
        ::unlink(temp.c_str());
        return "cannot write " + path + " (" + why + ")";
    }
    return {};
}

int removeleftovers(const std::string& path, int minAgeSeconds) {
    namespace fs = std::filesystem;
    const fs::path file(path);
    const std::string prefix = file.filename().string() + std::string(kTempMark);
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const auto oldest = fs::file_time_type::clock::now() - std::chrono::seconds(minAgeSeconds);
    std::error_code ec;
    int removed = 0;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= prefix.size() || name.size() > prefix.size() + 20 || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        if (name.find_first_not_of("0123456789", prefix.size()) != std::string::npos) continue;
        std::error_code e;
        if (!it->is_regular_file(e) || it->is_symlink(e)) continue;   // our temporary files are plain files
        if (const auto changed = it->last_write_time(e); e || changed > oldest) continue;
        removed += fs::remove(it->path(), e) && !e;
    }
    return removed;
}

std::string loadtablefile(const std::string& path, SavedTable& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "cannot open " + path;
    std::string text(kMaxTableFile + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) return "cannot read " + path;
    text.resize(static_cast<std::size_t>(in.gcount()));
    return readtable(text, out);
}

}  // namespace velmora::host
