#include "client/model/tableevents.h"

#include <charconv>

#include "net/diagnostics.h"

namespace velmora::client {
namespace {

// The most fields any event of a four-seat table can need (a snapshot with
// eleven cards in hand and two full groups per seat stays well below).
constexpr std::size_t kMaxFields = 1024;
// Records of a kind the client does not know are skipped, but only so many.
constexpr std::size_t kMaxRecords = 256;
// The client's one peer is the host: all its dropped events share one budget
// of the log, so a hostile host cannot grow standard error at will.
constexpr std::uint64_t kFromHost = 0;
// Far beyond any real game (at most 220 points a round), small enough to add.
constexpr int kMaxPoints = 1'000'000;

// Cuts a payload at "+" once, then hands out fields in order. The last field
// may lack its "+" (several host messages end without one); a trailing "+"
// ends the payload without adding an empty field.
class Fields {
public:
    Fields(const char* command, std::string_view payload) : command_(command), payload_(payload) {
        std::string_view rest = payload;
        while (!rest.empty()) {
            if (fields_.size() == kMaxFields) {
                fail("more fields than a table can hold");
                return;
            }
            const auto plus = rest.find('+');
            fields_.push_back(rest.substr(0, plus));
            rest = plus == std::string_view::npos ? std::string_view() : rest.substr(plus + 1);
        }
    }

    bool ok() const { return !bad_; }
    bool more() const { return !bad_ && next_ < fields_.size(); }
    std::size_t left() const { return bad_ ? 0 : fields_.size() - next_; }

    std::string_view text() {
        if (!more()) {
            fail("a field is missing");
            return {};
        }
        return fields_[next_++];
    }
    // A decimal number within [low, high]; anything else fails the event.
    int number(int low, int high, const char* what) {
        const std::string_view t = text();
        if (bad_) return 0;
        int value = 0;
        auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
        if (t.empty() || ec != std::errc() || ptr != t.data() + t.size() || value < low || value > high) {
            fail(what);
            return 0;
        }
        return value;
    }
    int seat() { return number(1, kSeats, "a seat outside 1..4"); }
    int slot() { return number(1, kHandSlots, "a hand slot outside 1..11"); }
    int face(int low) { return number(low, kSkip, "a card face outside the deck"); }
    int count() { return number(0, kHandSlots, "a hand count outside 0..11"); }
    int stage() { return number(0, kStageCount + 1, "a stage outside 0..11"); }
    // Records of `size` fields until the payload is used up.
    bool records(std::size_t size) {
        if (!more()) return false;
        if (left() % size != 0) return fail("a record is cut short"), false;
        return true;
    }
    void require(bool condition, const char* what) {
        if (!condition) fail(what);
    }
    void fail(const char* what) {
        if (bad_) return;
        bad_ = true;
        net::standardLog().write(kFromHost, "host",
                                 std::string("dropped ") + command_ + ": " + what + ": " + net::escapeForLog(payload_));
    }

private:
    const char* command_;
    std::string_view payload_;
    std::vector<std::string_view> fields_;
    std::size_t next_ = 0;
    bool bad_ = false;
};

template <typename T>
std::optional<T> result(const Fields& f, T&& value) {
    if (!f.ok()) return std::nullopt;
    return std::move(value);
}

// Kind 1: hand slot x left the hand; kind 2: face y joins group x; others skipped.
void readLaidRecords(Fields& f, LaidEvent& e) {
    std::size_t n = 0;
    while (f.records(3)) {
        f.require(++n <= kMaxRecords, "too many records");
        const std::string_view kind = f.text();
        if (kind == "1") {
            const int slot = f.slot();
            f.text();
            f.require(e.removedSlots.size() < kHandSlots, "more cards laid than a hand holds");
            e.removedSlots.push_back(slot);
        } else if (kind == "2") {
            const int group = f.number(1, 2, "a group other than 1 or 2");
            const int face = f.face(1);
            if (!f.ok()) return;
            auto& list = e.groups[group - 1];
            f.require(list.size() < kGroupSize, "a group longer than twelve cards");
            list.push_back(face);
        } else {
            f.text(), f.text();
        }
    }
}

std::vector<SeatStage> readSeatStages(Fields& f, std::size_t size) {
    std::vector<SeatStage> out;
    while (f.records(size)) {
        f.require(out.size() < kSeats, "more seats than the table has");
        const int seat = f.seat();
        const int stage = f.stage();
        SeatStage r{seat, stage};
        if (size == 4) {
            r.points = f.number(0, kMaxPoints, "a point total out of range");
            r.added = f.number(0, kMaxPoints, "round points out of range");
        }
        out.push_back(r);
    }
    return out;
}

}  // namespace

std::optional<StartGameEvent> parseStartGame(std::string_view payload) {
    Fields f(cmd::kStartgame, payload);
    StartGameEvent e;
    e.starter = std::string(f.text());
    while (f.records(2)) {
        f.require(e.seats.size() < kSeats, "more seats than the table has");
        const bool playing = f.text() != "n";
        e.seats.push_back({f.seat(), playing});
    }
    return result(f, std::move(e));
}

std::optional<StartRoundEvent> parseStartRound(std::string_view payload) {
    Fields f(cmd::kStartround, payload);
    StartRoundEvent e;
    e.discard = f.face(0);
    while (f.records(3)) {
        f.require(e.seats.size() < kSeats, "more seats than the table has");
        const int seat = f.seat();
        const int stage = f.stage();
        e.seats.push_back({seat, stage, f.text() != "n"});
    }
    return result(f, std::move(e));
}

std::optional<MyCardsEvent> parseMyCards(std::string_view payload) {
    Fields f(cmd::kMycards, payload);
    MyCardsEvent e;
    e.seat = f.seat();
    while (f.records(2)) {
        f.require(e.cards.size() < kHandSlots, "more cards than a hand holds");
        const int slot = f.slot();
        e.cards.push_back({slot, f.face(1)});
    }
    return result(f, std::move(e));
}

std::optional<SeatEvent> parseNextPlayer(std::string_view payload) {
    Fields f(cmd::kNextplayer, payload);
    SeatEvent e{f.seat()};
    return result(f, std::move(e));
}

std::optional<DrawEvent> parseDraw(std::string_view payload) {
    Fields f(cmd::kDraw, payload);
    DrawEvent e;
    e.seat = f.seat();
    e.count = f.count();
    e.slot = f.slot();
    e.face = f.face(1);
    return result(f, std::move(e));
}

std::optional<HeDrewEvent> parseHeDrew(std::string_view payload) {
    Fields f(cmd::kHedrew, payload);
    HeDrewEvent e;
    e.seat = f.seat();
    e.count = f.count();
    return result(f, std::move(e));
}

std::optional<PickDiscardEvent> parsePickDiscard(std::string_view payload) {
    Fields f(cmd::kPickdiscard, payload);
    PickDiscardEvent e;
    e.seat = f.seat();
    e.count = f.count();
    e.top = f.face(0);
    e.slot = f.slot();
    e.face = f.face(1);
    return result(f, std::move(e));
}

std::optional<DiscardEvent> parseDiscard(std::string_view payload) {
    Fields f(cmd::kHisdiscard, payload);
    DiscardEvent e;
    e.seat = f.seat();
    e.count = f.count();
    e.face = f.face(1);
    e.slot = f.slot();
    e.skipped = f.number(0, kSeats, "a skipped seat outside 0..4");
    return result(f, std::move(e));
}

std::optional<LaidEvent> parsePlayStage(std::string_view payload) {
    Fields f(cmd::kPlaystage, payload);
    LaidEvent e;
    e.seat = e.owner = f.seat();
    e.count = f.count();
    e.goesOn = f.text() == "t";
    readLaidRecords(f, e);
    return result(f, std::move(e));
}

std::optional<LaidEvent> parseHitThem(std::string_view payload) {
    Fields f(cmd::kHitthem, payload);
    LaidEvent e;
    e.seat = f.seat();
    e.owner = f.seat();
    e.count = f.count();
    readLaidRecords(f, e);
    return result(f, std::move(e));
}

std::optional<EndRoundEvent> parseEndRound(std::string_view payload) {
    Fields f(cmd::kEndround, payload);
    EndRoundEvent e;
    e.seat = f.seat();
    e.stages = readSeatStages(f, 4);
    return result(f, std::move(e));
}

std::optional<WinnerEvent> parseWinner(std::string_view payload) {
    Fields f(cmd::kWinner, payload);
    WinnerEvent e;
    e.seat = f.seat();
    e.stages = readSeatStages(f, 2);
    return result(f, std::move(e));
}

std::optional<GameStatsEvent> parseGameStats(std::string_view payload) {
    Fields f(cmd::kGamestats, payload);
    GameStatsEvent e;
    e.recipient = f.number(0, 1 << 20, "a recipient that is not a place");
    e.current = f.number(0, kSeats, "a current player outside 0..4");
    e.phase = f.number(0, 3, "a turn phase outside 0..3");
    e.top = f.face(0);
    std::size_t n = 0;
    while (f.records(4) && f.ok()) {
        f.require(++n <= kMaxRecords, "too many records");
        const std::string_view letter = f.text();
        if (letter == "m") {
            f.require(e.hand.size() < kHandSlots, "more cards than a hand holds");
            const int slot = f.slot();
            const int face = f.face(1);
            f.text();
            e.hand.push_back({slot, face});
        } else if (letter == "t") {
            f.require(e.seats.size() < kSeats, "more seats than the table has");
            const int seat = f.seat();
            const int stage = f.stage();
            e.seats.push_back({seat, stage, f.count()});
        } else if (letter == "s") {
            const int seat = f.seat();
            const int group = f.number(1, 2, "a group other than 1 or 2");
            const int face = f.face(1);
            if (!f.ok()) break;
            auto& list = e.groups[seat][group - 1];
            f.require(list.size() < kGroupSize, "a group longer than twelve cards");
            list.push_back(face);
        } else {
            f.text(), f.text(), f.text();
        }
    }
    return result(f, std::move(e));
}

std::optional<PlayErrorEvent> parsePlayError(std::string_view payload) {
    Fields f(cmd::kPlayerror, payload);
    PlayErrorEvent e;
    e.seat = f.number(0, 1 << 20, "a seat that is not a place");
    e.code = f.number(-(1 << 20), 1 << 20, "a code that is not a number");
    return result(f, std::move(e));
}

std::optional<PointsEvent> parsePoints(std::string_view payload) {
    Fields f(cmd::kPoints, payload);
    PointsEvent e;
    while (f.records(2) && f.ok()) {
        f.require(e.seats.size() < kSeats, "more seats than the table has");
        const int seat = f.seat();
        e.seats.push_back({seat, f.number(0, kMaxPoints, "a point total out of range")});
    }
    return result(f, std::move(e));
}

}  // namespace velmora::client
