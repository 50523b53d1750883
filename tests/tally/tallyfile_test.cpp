// The stored tally file: format, damage, and saves that never lose the
// player's previous file.
#include <gtest/gtest.h>
#include <unistd.h>

#include "lzrw1_buffer.h"
#include "lzrw1_errors.h"
#include "tally_test_support.h"
#include "tallyfile.h"

namespace velmora::tally {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;

const fs::path kData = VELMORA_TALLY_DATA;

Bytes bytesOf(const std::string& s) { return Bytes(s.begin(), s.end()); }

class TallyFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("tally-files-" + std::to_string(std::random_device()()));
        fs::create_directories(dir_);
        path_ = (dir_ / "Velmoratally.tld").string();
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::vector<std::string> filesInDir() const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(dir_)) out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
    static Tally someTally() {
        Tally t;
        t.addName("Ann");
        t.addgame("Ann", {"Ann"});
        return t;
    }

    fs::path dir_;
    std::string path_;
};

TEST_F(TallyFiles, NoFileIsAFreshTally) {
    TallyFile file(path_);
    const auto loaded = file.load();
    EXPECT_FALSE(loaded.found);
    EXPECT_EQ(loaded.problem, "");
    EXPECT_EQ(loaded.tally.text(), Tally().text());
    EXPECT_TRUE(filesInDir().empty());
}

TEST_F(TallyFiles, RoundTripIsTheCompressedTallyText) {
    TallyFile file(path_);
    const Tally t = someTally();
    ASSERT_TRUE(file.save(t));
    EXPECT_EQ(testing::readFile(path_), compressBuffer(bytesOf(t.text())));
    const auto loaded = TallyFile(path_).load();
    EXPECT_TRUE(loaded.found);
    EXPECT_EQ(loaded.problem, "");
    EXPECT_EQ(loaded.tally.text(), t.text());
    EXPECT_EQ(filesInDir(), std::vector<std::string>{"Velmoratally.tld"});
}

// The committed file was made by the store's compressor from the committed
// tally text: any copy of the game reads it, and writes the same bytes.
TEST_F(TallyFiles, GoldenFileLoadsAndSavesToTheSameBytes) {
    fs::copy_file(kData / "tally.txt.lzw", path_);
    TallyFile file(path_);
    const auto loaded = file.load();
    EXPECT_EQ(loaded.problem, "");
    EXPECT_EQ(loaded.tally.names(), (std::vector<std::string>{"Ann", "Klot"}));
    EXPECT_EQ(loaded.tally.cell(1, 0), "14");
    EXPECT_EQ(loaded.tally.cell(2, 0), "6");
    fs::remove(path_);
    ASSERT_TRUE(file.save(loaded.tally));
    EXPECT_EQ(testing::readFile(path_), testing::readFile(kData / "tally.txt.lzw"));
}

TEST_F(TallyFiles, DamagedFileIsReportedAndKeptAsideBeforeTheNextSave) {
    const Bytes garbage = bytesOf("not a tally at all");
    testing::writeFile(path_, garbage);
    TallyFile file(path_);
    std::string said;
    file.report = [&said](const std::string& line) { said += line; };
    const auto loaded = file.load();
    EXPECT_EQ(loaded.problem, errors::badHeader(path_));
    EXPECT_NE(said.find(errors::badHeader(path_)), std::string::npos);
    EXPECT_TRUE(file.damaged());
    EXPECT_EQ(testing::readFile(path_), garbage);  // loading alone moves nothing

    ASSERT_TRUE(file.save(someTally()));
    EXPECT_EQ(testing::readFile(path_ + ".damaged"), garbage);
    EXPECT_EQ(TallyFile(path_).load().tally.text(), someTally().text());

    // A second damaged file never replaces the first one kept aside.
    testing::writeFile(path_, bytesOf("WRZL"));
    TallyFile again(path_);
    EXPECT_EQ(again.load().problem, "Lzrw1 : Error reading from input file : " + path_);
    ASSERT_TRUE(again.save(Tally()));
    EXPECT_EQ(testing::readFile(path_ + ".damaged"), garbage);
    EXPECT_EQ(testing::readFile(path_ + ".damaged.2"), bytesOf("WRZL"));
    EXPECT_FALSE(again.damaged());
}

TEST_F(TallyFiles, WrongStoredSizeKeepsTheTextThatExpanded) {
    Bytes packed = compressBuffer(bytesOf(someTally().text()));
    packed[4] += 5;  // the header promises more than the blocks hold
    testing::writeFile(path_, packed);
    const auto loaded = TallyFile(path_).load();
    EXPECT_EQ(loaded.problem, errors::sizeMismatch());
    EXPECT_EQ(loaded.tally.text(), someTally().text());
}

TEST_F(TallyFiles, HugeDeclaredSizeIsRefusedWithoutAllocating) {
    Bytes packed = compressBuffer(bytesOf(someTally().text()));
    packed[7] = 0x7f;
    testing::writeFile(path_, packed);
    EXPECT_EQ(TallyFile(path_).load().problem, errors::sizeMismatch());
}

TEST_F(TallyFiles, StrayTempTxtInTheCurrentFolderIsLeftAlone) {
    const fs::path before = fs::current_path();
    fs::current_path(dir_);
    testing::writeFile(dir_ / "temp.txt", bytesOf("the player's own notes"));
    TallyFile file(path_);
    ASSERT_TRUE(file.save(someTally()));
    file.load();
    ASSERT_TRUE(file.save(someTally()));
    fs::current_path(before);
    EXPECT_EQ(testing::readFile(dir_ / "temp.txt"), bytesOf("the player's own notes"));
    EXPECT_EQ(filesInDir(), (std::vector<std::string>{"Velmoratally.tld", "temp.txt"}));
}

TEST_F(TallyFiles, SaveInterruptedBeforeTheRenameKeepsTheOldFile) {
    TallyFile file(path_);
    ASSERT_TRUE(file.save(Tally()));
    const Bytes old = testing::readFile(path_);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // The process dies with the new bytes complete but not yet in place.
    EXPECT_EXIT(
        {
            file.beforeRename = [] { ::_exit(7); };
            file.save(someTally());
        },
        ::testing::ExitedWithCode(7), "");
    EXPECT_EQ(testing::readFile(path_), old);
    EXPECT_EQ(TallyFile(path_).load().problem, "");
}

TEST_F(TallyFiles, FailedSaveIsSaidAndNeverSuccess) {
    TallyFile file((dir_ / "missing" / "Velmoratally.tld").string());
    std::string said;
    file.report = [&said](const std::string& line) { said += line; };
    EXPECT_FALSE(file.save(someTally()));
    EXPECT_NE(file.lastError().find(errors::openOutput(file.path())), std::string::npos);
    EXPECT_NE(said.find("the tally was not saved"), std::string::npos);
    EXPECT_FALSE(TallyFile("").save(Tally()));
}

}  // namespace
}  // namespace velmora::tally
