#include "net/wire.h"

#include <gtest/gtest.h>

using namespace velmora::wire;

TEST(Wire, MessageJoinsFieldsWithPlus) {
    EXPECT_EQ(message("CMD_full", ""), "CMD_full+");
    EXPECT_EQ(message("CMD_draw", 2, ""), "CMD_draw+2+");
    EXPECT_EQ(message("CMD_startgame", "You", 'y', 1), "CMD_startgame+You+y+1");
    EXPECT_EQ(message("CMD_x"), "CMD_x");
    MessageBuilder b("CMD_startround");
    b.add(17).add(1).add(std::string("y"));
    EXPECT_EQ(b.str(), "CMD_startround+17+1+y");
}

TEST(Wire, FieldReaderCutsAtPlusAndKeepsTheRest) {
    FieldReader r("3+Bob: a+b+c");
    EXPECT_EQ(r.nextInt(), 3);
    EXPECT_EQ(r.rest(), "Bob: a+b+c");
    FieldReader last("7");
    // A field without its "+" reads as empty and leaves the rest in place.
    EXPECT_EQ(last.next(), "");
    EXPECT_EQ(last.rest(), "7");
    FieldReader empty("");
    EXPECT_TRUE(empty.atEnd());
    EXPECT_THROW(empty.nextInt(), InvalidInteger);
}

TEST(Wire, ToIntAcceptsOnlyDecimalNumbers) {
    EXPECT_EQ(toInt("0"), 0);
    EXPECT_EQ(toInt("108"), 108);
    EXPECT_EQ(toInt("-1"), -1);
    for (const char* bad : {"", "x", "1x", " 1", "+1", "99999999999", "1.5"}) {
        try {
            toInt(bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const InvalidInteger& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}

TEST(Wire, SplitLineAtFirstPlus) {
    auto s = splitLine("CMD_chat+1+hi+there");
    EXPECT_EQ(s.name, "CMD_chat");
    EXPECT_EQ(s.payload, "1+hi+there");
    EXPECT_EQ(splitLine("CMD_full").name, "");
    EXPECT_EQ(splitLine("").name, "");
    EXPECT_EQ(splitLine("+x").name, "");
}

TEST(Wire, Utf8TextNeverHoldsTheTerminator) {
    const std::string name = "Zoë 🂡 Ærø";
    EXPECT_EQ(name.find(kTerminator), std::string::npos);
    EXPECT_EQ(stripTerminators(std::string("a\xFF") + "b"), "ab");
    EXPECT_EQ(stripTerminators(name), name);
}
