#include "client/chat/phrasegate.h"

#include <gtest/gtest.h>

#include "support/eventloop.h"

using velmora::client::PhraseGate;

TEST(PhraseGate, RestsForItsIntervalThenOpens) {
    EXPECT_EQ(PhraseGate::kRestMs, 2000);
    PhraseGate gate(30);  // shortened: the test must not sleep two seconds
    EXPECT_TRUE(gate.open());
    EXPECT_TRUE(gate.pass());
    EXPECT_FALSE(gate.open());
    EXPECT_FALSE(gate.pass());
    ASSERT_TRUE(velmora::test::waitUntil([&] { return gate.open(); }));
    EXPECT_TRUE(gate.pass());
}
