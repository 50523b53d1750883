// The strong level: it sees only the public view, it plays whole games
// without a refused request, and its advice is the move a person would make.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/i18n.h"
#include "host/computer.h"
#include "host/simulation.h"
#include "host/strong.h"
#include "table_fixture.h"

namespace velmora::host::testing {
namespace {

using StrongTest = TableTest;

TEST_F(StrongTest, ViewHoldsNoHiddenCard) {
    connect({1, 3});
    start();
    setPile({40, 8});
    setTurn(2, 1);
    ASSERT_EQ(t.pickdiscard(2), kDone);
    ASSERT_EQ(t.discard(2, 3), kDone);
    const int thrown = t.topdiscard;
    const PublicView before = publicview(t, 1);
    ASSERT_EQ(before.history.size(), 2u);
    EXPECT_EQ(before.history[0], (PublicAction{PublicAction::Pickup, 2, 8}));
    EXPECT_EQ(before.history[1], (PublicAction{PublicAction::Discard, 2, thrown}));
    EXPECT_EQ(before.seats[2].cards, 10);
    EXPECT_EQ(before.hand, t.players[1].hand);
    // Other hands and the deck change where nobody can see: the view does not.
    int pos = kDeckSize;
    for (int seat : {2, 3})
        for (int k = 1; k <= kHandSlots; ++k) {
            if (t.players[seat].hand[k] == 0) continue;
            while (t.deck[pos] == 0) --pos;
            std::swap(t.players[seat].hand[k], t.deck[pos--]);
        }
    std::reverse(t.deck.begin() + 1, t.deck.end());
    expectSound();
    EXPECT_EQ(publicview(t, 1), before);
}

TEST(StrongGames, SeededGamePerLevelEndsWithTheSameWinner) {
    using L = ComputerLevel;
    for (auto levels : {std::array{L::Designed, L::Designed, L::Designed, L::Designed, L::Designed},
                        std::array{L::Designed, L::Strong, L::Strong, L::Strong, L::Strong},
                        std::array{L::Designed, L::Strong, L::Designed, L::Strong, L::Designed}}) {
        SimOptions options;
        options.levels = levels;
        const GameResult a = playgame(777, 4, options);
        const GameResult b = playgame(777, 4, options);
        EXPECT_EQ(a.violation, "");
        EXPECT_NE(a.winner, 0);
        EXPECT_EQ(a.winner, b.winner);
        EXPECT_EQ(a.moves, b.moves);
        EXPECT_EQ(a.strongrefusals, 0);
    }
    SimOptions mixed;
    mixed.levels = {L::Designed, L::Strong, L::Designed, L::Strong, L::Designed};
    const SimStats soak = simulate(60, 5000, 4, mixed);
    EXPECT_EQ(soak.finished, 60) << soak.violation;
    EXPECT_EQ(soak.strongrefusals, 0);
    // Found by the long soak: a strong seat held the last cards the laid
    // groups take for a set that could no longer come, so nobody could go out.
    const GameResult stalled = playgame(70793, 4, mixed);
    EXPECT_EQ(stalled.violation, "");
    EXPECT_NE(stalled.winner, 0);
}

// Stage 1 with three 7s, two 9s and junk: take the 9 from the pile, lay the
// two sets with it, keep both sets when discarding.
TEST_F(StrongTest, AdviceIsTheMoveAPersonWouldMake) {
    connect({1});
    start();
    setHand(1, {7, 20, 33, 9, 22, 2, 4, 11, 38, 44});
    setPile({35});
    setTurn(1, 1);
    StrongMove m = strongmove(publicview(t, 1));
    EXPECT_EQ(m.kind, StrongMove::PickUp);
    EXPECT_EQ(m.reason, "Take the green 9 from the pile: it brings your stage closer");
    ASSERT_EQ(t.pickdiscard(1), kDone);

    m = strongmove(publicview(t, 1));
    ASSERT_EQ(m.kind, StrongMove::Lay);
    EXPECT_EQ(m.picks, (std::vector<int>{1, 2, 3, 4, 5, 11}));

    setHand(1, {7, 20, 33, 9, 22, 2, 4, 11, 38, 44, 3});   // one 9 short of the stage
    m = strongmove(publicview(t, 1));
    ASSERT_EQ(m.kind, StrongMove::Discard);
    const int card = t.players[1].hand[m.picks[0]];
    EXPECT_NE(rankof(card), 7);
    EXPECT_NE(rankof(card), 9);
    EXPECT_EQ(t.discard(1, m.picks[0]), kDone);
    EXPECT_EQ(strongmove(publicview(t, 1)).kind, StrongMove::None);   // not its turn any more
}

TEST_F(StrongTest, LaidSeatHitsBeforeDiscarding) {
    connect({1});
    start();
    t.players[1].stage = 4;
    t.players[1].stagedone = 1;
    setGroup(1, 1, {0, 0, 3, 4, 5, 6, 7, 8, 9});
    setHand(1, {10, 53, 24});
    setTurn(1, 2);
    StrongMove m = strongmove(publicview(t, 1));
    ASSERT_EQ(m.kind, StrongMove::Hit);
    EXPECT_EQ(m.picks, std::vector<int>{1});
    EXPECT_EQ(m.target, 1);
    ASSERT_EQ(t.hitset(1, m.target, m.group, m.picks[0], "r"), kDone);
    m = strongmove(publicview(t, 1));
    ASSERT_EQ(m.kind, StrongMove::Hit);   // the 11 fits only once the 10 lies there
    EXPECT_EQ(m.picks, std::vector<int>{3});
    ASSERT_EQ(t.hitset(1, m.target, m.group, m.picks[0], "r"), kDone);
    m = strongmove(publicview(t, 1));
    ASSERT_EQ(m.kind, StrongMove::Discard);
    EXPECT_EQ(m.reason, "Discard the skip: the next player loses a turn");
    // In the player's language every part is translated and put where that
    // language's sentence wants it.
    i18n::lookup() = [](const char*, const char* text) {
        return std::string_view(text) == "Discard the %1: %2" ? std::string("%2 (%1)") : "[" + std::string(text) + "]";
    };
    EXPECT_EQ(strongmove(publicview(t, 1)).reason, "[the next player loses a turn] ([skip])");
    i18n::lookup() = nullptr;
}

}  // namespace
}  // namespace velmora::host::testing
