// The saved table: a game in progress comes back exactly, and a damaged or
// hostile file is refused with a reason, never half read.
#include "host/tablefile.h"

#include <filesystem>
#include <fstream>

#include "host/computer.h"
#include "table_fixture.h"

namespace velmora::host::testing {
namespace {

const std::array<std::string, kSeats + 1> kTokens = {"", "", std::string(32, 'a'), "", std::string(32, '7')};

class TableFile : public TableTest {
protected:
    std::string text;
    void SetUp() override {
        installComputerPlayers(t);
        connect({1, 3, 4});
        start();
        for (int s : {1, 3, 4}) t.watches(s, true);
        for (int move = 0; move < 150; ++move) t.computertimerTimer();   // a pile, laid groups, a deck partly used
        text = tabletext(t.state(), kTokens);
    }
    // The text with the line starting with `key` replaced (or, with an empty
    // key, `line` added), checksum renewed: a hostile file, not a torn one.
    std::string with(const std::string& key, const std::string& line) {
        std::string body = text.substr(0, text.rfind("end "));
        if (key.empty()) return sealtable(body + line + "\n");
        const std::size_t at = body.find("\n" + key) + 1;
        return sealtable(body.replace(at, body.find('\n', at) - at, line));
    }
    std::string refusal(const std::string& file) {
        SavedTable out;
        out.table.curplayer = -7;   // stays as it was
        std::string why = readtable(file, out);
        EXPECT_EQ(out.table.curplayer, -7);
        return why;
    }
};

TEST_F(TableFile, AGameInProgressComesBackExactly) {
    SavedTable saved;
    ASSERT_EQ(readtable(text, saved), "");
    EXPECT_EQ(saved.tokens, kTokens);
    EXPECT_EQ(tabletext(saved.table, saved.tokens), text);

    RecordingSink otherSink;
    FakeTimers otherTimers;
    Table resumed(otherSink, otherTimers, 99);
    resumed.restore(saved.table);
    EXPECT_EQ(tabletext(resumed.state(), kTokens), text);
    EXPECT_EQ(checkcards(resumed), "");
    EXPECT_EQ(resumed.state().topdiscard, t.state().topdiscard);
    EXPECT_EQ(resumed.state().underdiscard, t.state().underdiscard);
}

TEST_F(TableFile, DamagedAndHostileFilesAreRefusedWithAReason) {
    const std::string hand1 = text.substr(text.find("hand 1 "), text.find('\n', text.find("hand 1 ")) - text.find("hand 1 "));
    const int first = std::stoi(hand1.substr(7));
    std::string twice = "hand 1 " + std::to_string(first % 52 + 1) + hand1.substr(hand1.find(' ', 7));
    std::string flipped = text;
    flipped[flipped.size() / 2] ^= 1;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "not a saved Velmora table"},
        {"velmora-table 2\n", "not a saved Velmora table"},
        {text.substr(0, text.size() / 2), "no end line"},
        {flipped, "checksum"},
        {with("hand 1", twice), "the cards are not the deck's 108"},
        {with("pile", "pile 999999"), "is not a number from 0 to 108"},
        {with("pile", "pile 3 1 2"), "\"pile\" needs 4 values"},
        {with("seat 1", "seat 9 0 1 0 0 1 0 0 0 0"), "not a number from 1 to 4"},
        {with("seat 1", "seat 1 -5 1 0 0 1 0 0 0 0"), "\"-5\" is not a number"},
        {with("", "hand 2 0 0 0 0 0 0 0 0 0 0 0"), "a second hand 2 line"},
        {with("", "token 3 " + std::string(32, 'Z')), "hex digits"},
        {with("", "evil 1"), "unknown line \"evil\""},
        {with("", "deck" + std::string(300, ' ')), "too many values"},
        {with("game", "game 0 1 1 0 0 1000 0 1"), "the saved game has ended"},
        {with("game", "game 1 1 3 0 0 1000 0 1"), "the turn is at no seat in the round"},
    };
    for (const auto& [file, reason] : cases) {
        const std::string why = refusal(file);
        EXPECT_NE(why, "") << file.substr(0, 80);
        EXPECT_NE(why.find(reason), std::string::npos) << why;
    }
}

TEST_F(TableFile, FileIsReplacedWholeAndARefusedOneIsKept) {
    const std::string dir = ::testing::TempDir() + "/tablefile";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string path = dir + "/table.state";
    ASSERT_EQ(writetablefile(path, "old"), "");
    ASSERT_EQ(writetablefile(path, text), "");
    SavedTable saved;
    EXPECT_EQ(loadtablefile(path, saved), "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);   // no temporary left

    const std::string big(kMaxTableFile + 5, '1');
    std::ofstream(path, std::ios::binary) << big;
    EXPECT_NE(loadtablefile(path, saved), "");
    EXPECT_EQ(std::filesystem::file_size(path), big.size());
    EXPECT_NE(loadtablefile(dir + "/missing", saved), "");
    EXPECT_NE(writetablefile(dir + "/no/such/folder", text), "");
}

// What a crash mid-save leaves goes; nothing else in the folder does, and a
// temporary file a writer may still be using stays.
TEST(TableFileLeftovers, OnlyOurOldTemporaryFilesGo) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(::testing::TempDir()) / "leftovers";
    fs::remove_all(dir);
    fs::create_directories(dir / "table.state.tmp-77");
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* name : {"table.state.tmp-123", "table.state.tmp-456", "table.state.tmp-12x", "other.tmp-1",
                             "table.state", "table.state.tmp-", "outside"}) {
        std::ofstream(dir / name) << "x";
        if (std::string_view(name) != "table.state.tmp-456") fs::last_write_time(dir / name, old);
    }
    fs::create_symlink(dir / "outside", dir / "table.state.tmp-9");
    EXPECT_EQ(removeleftovers((dir / "table.state").string()), 1);
    EXPECT_FALSE(fs::exists(dir / "table.state.tmp-123"));
    for (const char* kept : {"table.state.tmp-456", "table.state.tmp-12x", "other.tmp-1", "table.state",
                             "table.state.tmp-", "outside", "table.state.tmp-9", "table.state.tmp-77"})
        EXPECT_TRUE(fs::exists(fs::symlink_status(dir / kept))) << kept;
}

}  // namespace
}  // namespace velmora::host::testing
