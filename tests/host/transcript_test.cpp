// A whole game recorded byte for byte: the requests seat 1 sent, the ticks
// of the timers and every message the table sent each place. The table is
// deterministic for its seed, so playing the same requests again must give
// the same bytes; and every recorded line must read back through its message
// type into the same bytes. VELMORA_RECORD_TRANSCRIPT=1 writes the file anew.
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "host/computer.h"
#include "host/strong.h"
#include "protocol/catalogue.h"
#include "table_fixture.h"

namespace velmora::host::testing {
namespace {

const std::string kFile = std::string(VELMORA_TEST_DATA) + "/game.transcript";

// Seat 1 a person playing by the strong player's advice (and now and then out
// of turn), seat 2 the computer, seat 3 a person who just watches, place 5 a
// spectator.
class Transcript : public TableTest {
protected:
    std::mt19937 rng{11};
    std::ostringstream out;

    void SetUp() override {
        connect({1, 3, 5});
        installComputerPlayers(t);
        t.diagnostic = [](std::string_view) {};
    }

    void flush() {
        for (const auto& [place, text] : sink.sent) out << "< " << place << ' ' << text << '\n';
        sink.sent.clear();
    }
    template <typename Request>
    void send(const Request& r) {
        const std::string line = proto::encode(r);
        out << "> " << line << '\n';
        apply(line);
        flush();
    }
    // What the host's dispatcher does with a request line.
    void apply(std::string_view line) {
        const auto plus = line.find('+');
        const std::string_view name = line.substr(0, plus), payload = line.substr(plus + 1);
        if (name == cmd::kDraw) t.draw(payload);
        if (name == cmd::kPickdiscard) t.pickdiscard(payload);
        if (name == cmd::kDiscard) t.discard(payload);
        if (name == cmd::kCreatestage) t.createstage(payload);
        if (name == cmd::kHitset) t.hitset(payload);
    }
    void tick(const char* what, void (Table::*timer)()) {
        out << "# " << what << '\n';
        (t.*timer)();
        flush();
    }

    void personMoves() {
        using namespace proto::request;
        const StrongMove m = strongmove(publicview(t, 1));
        switch (m.kind) {
            case StrongMove::Draw: send(Draw{1}); break;
            case StrongMove::PickUp: send(PickDiscard{1}); break;
            case StrongMove::Lay: send(CreateStage{1, m.picks}); break;
            case StrongMove::Hit: send(HitSet{1, m.target, m.group, m.picks[0], GroupEnd::Right}); break;
            case StrongMove::Discard: send(Discard{1, m.picks[0]}); break;
            case StrongMove::None: send(Draw{1}); break;
        }
    }
    // Requests a real player sends by mistake: the play errors of the record.
    void mistake() {
        using namespace proto::request;
        const int slot = std::uniform_int_distribution<int>(0, 12)(rng);
        switch (std::uniform_int_distribution<int>(1, 4)(rng)) {
            case 1: send(Discard{1, slot}); break;
            case 2: send(PickDiscard{1}); break;
            case 3: send(CreateStage{1, {slot}}); break;
            default: send(HitSet{1, 3, 1, slot, GroupEnd::Left}); break;
        }
    }

    std::string play() {
        t.startgame("Ann+");
        flush();
        t.watches(3, true);
        for (int step = 0; step < 100000 && t.gameon == 1; ++step) {
            if (t.turnphase == 3)
                tick("timer1", &Table::timer1Timer);
            else if (t.curplayer != 1)
                tick("computer", &Table::computertimerTimer);
            else if (std::uniform_int_distribution<int>(1, 10)(rng) == 1)
                mistake();
            else
                personMoves();
        }
        return out.str();
    }
};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST_F(Transcript, TheSameRequestsGiveTheSameBytes) {
    const std::string played = play();
    ASSERT_EQ(t.gameon, 0) << "the game did not end";
    if (std::getenv("VELMORA_RECORD_TRANSCRIPT")) {
        std::ofstream(kFile, std::ios::binary) << played;
        GTEST_SKIP() << "recorded " << kFile;
    }
    const std::string recorded = readFile(kFile);
    ASSERT_FALSE(recorded.empty()) << kFile;
    // Line by line, so a difference names its place in the game.
    std::istringstream a(played), b(recorded);
    std::string x, y;
    for (int n = 1; std::getline(b, y); ++n) {
        ASSERT_TRUE(std::getline(a, x)) << "the game ended early at line " << n;
        ASSERT_EQ(x, y) << "line " << n;
    }
    EXPECT_FALSE(std::getline(a, x)) << "the game went on after the record";
}

// Reads `line` as the message of that name in `List` and writes it again.
template <typename List>
std::string reencode(std::string_view line) {
    const auto plus = line.find('+');
    const std::string_view name = line.substr(0, plus), payload = line.substr(plus + 1);
    std::string again = "unknown name";
    List::forEach([&]<typename M>() {
        if (name != M::kName) return;
        const auto m = proto::decode<M>(payload);
        again = m ? proto::encode(*m) : "dropped: " + m.problem().reason + m.problem().notANumber;
    });
    return again;
}

TEST(TranscriptLines, EveryRecordedLineReadsBackIntoItsBytes) {
    std::istringstream in(readFile(kFile));
    std::string line;
    int requests = 0, events = 0;
    while (std::getline(in, line)) {
        if (line.rfind("> ", 0) == 0) {
            ++requests;
            EXPECT_EQ(reencode<proto::HostMessages>(line.substr(2)), line.substr(2));
        } else if (line.rfind("< ", 0) == 0) {
            ++events;
            const std::string text = line.substr(line.find(' ', 2) + 1);
            EXPECT_EQ(reencode<proto::ClientMessages>(text), text);
        }
    }
    EXPECT_GT(requests, 100);
    EXPECT_GT(events, 1000);
}

}  // namespace
}  // namespace velmora::host::testing
