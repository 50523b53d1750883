// The tally's rules and its stored text.
#include <gtest/gtest.h>

#include "tally.h"
#include "tally_test_support.h"

namespace velmora::tally {
namespace {

std::string crlf(std::initializer_list<const char*> lines) {
    std::string out;
    for (const char* line : lines) out += std::string(line) + "\r\n";
    return out;
}

// Columns 1..8 of a row, as one text.
std::string counts(const Tally& t, int row) {
    std::string out;
    for (int c = 1; c < Tally::kColumns; ++c) out += (c > 1 ? " " : "") + t.cell(c, row);
    return out;
}

Tally withAnnAndKlot() {
    Tally t;
    t.addName("Ann");
    t.addName("Klot");
    return t;
}

TEST(TallyRules, FreshTallyTextIsNineOneAndNineZeros) {
    EXPECT_EQ(Tally().text(), crlf({"9", "1", "0", "0", "0", "0", "0", "0", "0", "0", "0"}));
}

TEST(TallyRules, OwnWinCountsForMeAndForBothTalliedOpponents) {
    Tally t = withAnnAndKlot();
    t.addgame(kAddToMine, {"Ann", "Klot", "Bob"});
    EXPECT_EQ(counts(t, 0), "1 1 0 0 0 0 0 0");
    EXPECT_EQ(counts(t, 1), "1 0 1 0 1 0 1 0");
    EXPECT_EQ(counts(t, 2), "1 0 1 0 1 0 1 0");
}

TEST(TallyRules, OpponentsWinIsHisAndNeitherForTheOthers) {
    Tally t = withAnnAndKlot();
    t.addgame("Klot", {"Ann", "Klot", "Bob"});
    EXPECT_EQ(counts(t, 0), "1 0 0 0 0 0 0 0");
    EXPECT_EQ(counts(t, 1), "1 0 0 1 1 0 0 1");
    EXPECT_EQ(counts(t, 2), "1 1 0 0 1 1 0 0");
    // An untallied player's win is "neither" for everyone followed.
    t.addgame("Bob", {"Ann", "Bob", "Klot"});
    EXPECT_EQ(counts(t, 1), "2 0 0 2 2 0 0 2");
    EXPECT_EQ(counts(t, 2), "2 1 0 1 2 1 0 1");
}

TEST(TallyRules, OnlyTalliedNamesAtTheTableCountAndByExactText) {
    Tally t = withAnnAndKlot();
    t.addgame(kAddToMine, {"ann", "Ann ", "Klot"});
    EXPECT_EQ(counts(t, 1), "0 0 0 0 0 0 0 0");  // Ann is not at the table
    EXPECT_EQ(counts(t, 2), "1 0 1 0 1 0 1 0");
    EXPECT_EQ(counts(t, 0), "1 1 0 0 0 0 0 0");
}

TEST(TallyRules, ANameIsTalliedOnceAndSharedSeatsCountOneGame) {
    Tally t = withAnnAndKlot();
    EXPECT_FALSE(t.addName("Ann"));
    EXPECT_EQ(t.rowCount(), 3);
    // Two seats showing "Ann": one row, and one game is one game.
    t.addgame("Ann", {"Ann", "Ann", "Klot"});
    EXPECT_EQ(counts(t, 1), "1 1 0 0 1 1 0 0");
}

TEST(TallyRules, DeletingMiddleAndLastKeepsOrder) {
    Tally t = withAnnAndKlot();
    t.addName("Bob");
    t.addgame("Bob", {"Bob"});
    t.moverow(2);  // Klot, in the middle
    EXPECT_EQ(t.names(), (std::vector<std::string>{"Ann", "Bob"}));
    EXPECT_EQ(counts(t, 2), "1 1 0 0 1 1 0 0");
    t.moverow(2);
    t.moverow(1);
    EXPECT_EQ(t.rowCount(), 1);
    t.moverow(0);  // the local player's row stays
    t.moverow(5);
    EXPECT_EQ(t.rowCount(), 1);
    EXPECT_TRUE(t.names().empty());
}

TEST(TallyRules, ResetThenAGameCountsFromZero) {
    Tally t = withAnnAndKlot();
    t.addgame(kAddToMine, {"Ann"});
    t.reset();
    EXPECT_EQ(t.text(), Tally().text());
    t.addgame("Ann", {"Ann"});
    EXPECT_EQ(counts(t, 0), "1 0 0 0 0 0 0 0");
    EXPECT_EQ(t.rowCount(), 1);
}

TEST(TallyRules, NewSessionClearsOnlySessionColumns) {
    Tally t = withAnnAndKlot();
    t.addgame("Ann", {"Ann", "Klot"});
    t.newSession();
    EXPECT_EQ(counts(t, 1), "1 1 0 0 0 0 0 0");
    EXPECT_EQ(counts(t, 0), "1 0 0 0 0 0 0 0");
}

TEST(TallyRules, AdditReadsAnythingElseAsZero) {
    auto parsed = Tally::fromText(crlf({"9", "1", "0", "x", "", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(parsed.problem, "a tally counter is not a number");
    EXPECT_EQ(parsed.tally.addtomineincrease(1), 1);
    EXPECT_EQ(parsed.tally.addit(2, 0), 1);
    EXPECT_EQ(parsed.tally.addit(9, 0), 0);  // outside the grid: nothing
}

TEST(TallyText, ColumnByColumnWithCrLf) {
    Tally t = withAnnAndKlot();
    t.addgame(kAddToMine, {"Ann", "Klot"});
    t.addgame("Klot", {"Klot"});
    EXPECT_EQ(t.text(), crlf({"9", "3", "0", "Ann", "Klot", "2", "1", "2", "1", "0", "1", "0", "1", "1",
                              "0", "0", "0", "0", "1", "2", "0", "0", "1", "0", "1", "1", "0", "0",
                              "0"}));
}

TEST(TallyText, ReadBackIsTheSameTally) {
    Tally t = withAnnAndKlot();
    t.addName("Zoë Ünal");
    t.addgame("Zoë Ünal", {"Zoë Ünal", "Ann"});
    const auto parsed = Tally::fromText(t.text());
    EXPECT_EQ(parsed.problem, "");
    EXPECT_EQ(parsed.tally.text(), t.text());
    // Bare line feeds read the same.
    std::string lf = t.text();
    std::erase(lf, '\r');
    EXPECT_EQ(Tally::fromText(lf).tally.text(), t.text());
}

TEST(TallyText, LineBreakInANameIsWrittenAsASpace) {
    Tally t;
    t.addName("Evil\r\n12");
    const auto parsed = Tally::fromText(t.text());
    EXPECT_EQ(parsed.problem, "");
    EXPECT_EQ(parsed.tally.names(), (std::vector<std::string>{"Evil  12"}));
}

TEST(TallyText, DamagedTextKeepsWhatCouldBeRead) {
    const struct {
        std::string text;
        std::string problem;
        std::vector<std::string> names;
        std::string myCounts;
    } cases[] = {
        {"", "the tally has no valid column and row counts", {}, "0 0 0 0 0 0 0 0"},
        {crlf({"9", "zero"}), "the tally has no valid column and row counts", {}, "0 0 0 0 0 0 0 0"},
        {crlf({"9", "0"}), "the tally has no valid column and row counts", {}, "0 0 0 0 0 0 0 0"},
        // Cut after the names and the first counters.
        {crlf({"9", "2", "0", "Ann", "7", "3", "2"}), "the tally text ends early", {"Ann"}, "7 2 0 0 0 0 0 0"},
        // A row count far beyond the lines: no huge grid, the names present.
        {crlf({"9", "9223372036854775807", "0", "Ann"}), "the tally text ends early", {"Ann"},
         "0 0 0 0 0 0 0 0"},
        {crlf({"9", "1", "0", "4", "2", "0", "0", "0", "0", "0", "0", "junk"}),
         "the tally text has extra lines", {}, "4 2 0 0 0 0 0 0"},
        {crlf({"2", "1", "0", "5"}), "the tally has 2 columns", {}, "5 0 0 0 0 0 0 0"},
    };
    for (const auto& c : cases) {
        const auto parsed = Tally::fromText(c.text);
        EXPECT_EQ(parsed.problem, c.problem) << c.text;
        EXPECT_EQ(parsed.tally.names(), c.names) << c.text;
        EXPECT_EQ(counts(parsed.tally, 0), c.myCounts) << c.text;
    }
}

// A season of games played through the rules gives, byte for byte, the
// committed tally text whose compressed form the store's golden test holds.
TEST(TallyText, SeasonOfGamesGivesTheCommittedText) {
    Tally t = withAnnAndKlot();
    const std::vector<std::string> both{"Ann", "Klot", "Bob"}, ann{"Ann", "Bob", "Cy"}, none{"Bob", "Cy"};
    for (const char* winner : {"Ann", "Klot", "addtomine", "addtomine", "Bob"}) t.addgame(winner, both);
    for (const char* winner : {"Ann", "addtomine"}) t.addgame(winner, ann);
    for (const char* winner : {"Bob", "addtomine", "Cy", "addtomine", "Bob"}) t.addgame(winner, none);
    t.newSession();  // the next start of the program
    t.addgame(kAddToMine, both);
    t.addgame("Ann", ann);
    const auto committed = testing::readFile(std::filesystem::path(VELMORA_TALLY_DATA) / "tally.txt");
    EXPECT_EQ(t.text(), std::string(committed.begin(), committed.end()));
}

}  // namespace
}  // namespace velmora::tally
