// Whole games played through the request handlers, with random legal and
// illegal requests mixed in: after every request all 108 cards must be
// accounted for, and every refused or ignored request must change nothing.
#include <random>

#include "net/wire.h"
#include "table_fixture.h"

namespace velmora::host::testing {
namespace {

// Seats 1, 3 and 4 are people, seat 2 the computer, place 5 a watcher.
class PlayTest : public TableTest {
protected:
    std::mt19937 rng{7};
    int rounds = 0;
    int winners = 0;

    void SetUp() override { connect({1, 3, 4, 5}); }

    int pick(int n) { return std::uniform_int_distribution<int>(1, n)(rng); }
    std::string seatplus(int seat) { return std::to_string(seat) + "+"; }

    // Runs one request and checks what a request may do.
    void request(const std::function<PlayResult()>& call, int seat) {
        const Snapshot before = snapshot(t);
        const std::size_t sent = sink.sent.size();
        const std::size_t told = diags.size();
        PlayResult result = kDone;
        try {
            result = call();
        } catch (const wire::InvalidInteger&) {
            result = kIgnored;
        }
        if (result != kDone) {
            EXPECT_TRUE(snapshot(t) == before);
        }
        if (result == kIgnored) {
            EXPECT_EQ(sink.sent.size(), sent);
        }
        if (result.refused()) {
            if (t.players[seat].connected == 1) {
                ASSERT_EQ(sink.sent.size(), sent + 1);
                EXPECT_EQ(sink.sent.back(), std::make_pair(seat, wire::message("CMD_playerror", seat, playErrorCode(result.error), "")));
            } else {
                EXPECT_EQ(sink.sent.size(), sent);
                EXPECT_EQ(diags.size(), told + 1);
            }
        }
        ASSERT_EQ(checkcards(t), "");
    }

    // A move a sensible player could make in the current phase.
    void playmove() {
        const int s = t.curplayer;
        const tplayer& p = t.players[s];
        if (t.turnphase == 1) {
            if (pick(3) == 1)
                request([&] { return t.pickdiscard(seatplus(s)); }, s);
            else
                request([&] { return t.draw(seatplus(s)); }, s);
        } else if (t.turnphase == 2 && p.stagedone == 0 && pick(2) == 1) {
            request([&] { return t.createstage(std::to_string(s) + "+1+2+3+4+5+6+7+8+9+10+11"); }, s);
        } else if (t.turnphase == 2 && p.stagedone == 1 && pick(2) == 1) {
            const std::string hit = seatplus(s) + std::to_string(pick(4)) + std::to_string(pick(2)) + "+" +
                                    std::to_string(pick(11)) + (pick(2) == 1 ? "+r+" : "+l+");
            request([&] { return t.hitset(hit); }, s);
        } else if (t.turnphase == 2) {
            const int slot = pick(4) == 1 ? pick(11) : weakest(s);
            request([&] { return t.discard(seatplus(s) + std::to_string(slot) + "+"); }, s);
        } else {
            request([&] { t.timer1Timer(); return kDone; }, s);
        }
    }

    // The slot whose card has the fewest partners of its suit (colour-set
    // stage) or rank (other stages); wilds are kept. Ties go to a random one.
    int weakest(int seat) {
        const auto& hand = t.players[seat].hand;
        const bool bysuit = t.players[seat].stage == 8;
        auto key = [&](int card) { return bysuit ? getsuit(card) : rankof(card); };
        int best = 0, bestscore = 100;
        for (int k = 1; k <= kHandSlots; ++k) {
            if (hand[k] == 0) continue;
            int score = iswild(hand[k]) ? 50 : pick(2);
            for (int j = 1; j <= kHandSlots; ++j)
                if (j != k && hand[j] != 0 && !iswild(hand[j]) && key(hand[j]) == key(hand[k])) score += 2;
            if (score < bestscore) best = k, bestscore = score;
        }
        return best;
    }

    // Anything at all: wrong seats, wrong phases, bad slots and tags, bad numbers.
    void junkmove() {
        const int s = pick(6) - 1;
        const std::string slot = pick(8) == 1 ? "z" : std::to_string(pick(14) - 1);
        const std::string tag = std::to_string(pick(60) - 1);
        switch (pick(6)) {
            case 1: request([&] { return t.draw(seatplus(s)); }, s); break;
            case 2: request([&] { return t.pickdiscard(seatplus(s)); }, s); break;
            case 3: request([&] { return t.discard(seatplus(s) + slot + "+"); }, s); break;
            case 4: request([&] { return t.createstage(seatplus(s) + slot + "+" + std::to_string(pick(11))); }, s); break;
            case 5: request([&] { return t.hitset(seatplus(s) + tag + "+" + slot + "+r+"); }, s); break;
            default: request([&] { t.computertimerTimer(); return kDone; }, s); break;
        }
    }

    void count() {
        for (const auto& [place, text] : sink.sent) {
            if (place != 5) continue;
            if (text.rfind("CMD_endround+", 0) == 0) ++rounds;
            if (text.rfind("CMD_winner+", 0) == 0) ++winners;
        }
        sink.sent.clear();
    }
};

TEST_F(PlayTest, WholeGamesRunToAWinner) {
    for (int game = 0; game < 2; ++game) {
        t.startgame("You+");
        for (int step = 0; step < 200000 && t.gameon == 1 && !HasFatalFailure(); ++step) {
            playmove();
            if (sink.sent.size() > 1000) count();
        }
        count();
        ASSERT_EQ(t.gameon, 0) << "game " << game << " did not end";
    }
    EXPECT_EQ(winners, 2);
    EXPECT_GE(rounds, 20);   // at least ten rounds per game
}

TEST_F(PlayTest, RandomRequestsAmidPlayChangeNothingWhenRefused) {
    t.startgame("You+");
    for (int step = 0; step < 30000 && !HasFatalFailure(); ++step) {
        if (t.gameon == 0) t.startgame("You+");
        if (pick(3) == 1)
            junkmove();
        else
            playmove();
        if (sink.sent.size() > 1000) count();
    }
    count();
    EXPECT_GE(rounds, 3);
}

}  // namespace
}  // namespace velmora::host::testing
