// Tlzrw1 on files and streams, and the velmora-lzrw1 tool.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "lzrw1.h"
#include "lzrw1_buffer.h"
#include "tally_test_support.h"

namespace velmora::tally {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;

class Lzrw1Files : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("lzrw1-files-" + std::to_string(std::random_device()()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const char* name) const { return (dir_ / name).string(); }
    std::size_t filesInDir() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }
    std::string failure(Tlzrw1& store, bool compress) {
        try {
            compress ? store.Compress() : store.Decompress();
        } catch (const ELzrw1Exception& e) {
            return e.what();
        }
        return "no error";
    }

    fs::path dir_;
};

TEST_F(Lzrw1Files, RoundTripGivesTheBytesOfTheMemoryForm) {
    const Bytes in = testing::mixedBytes(100000, 21);
    testing::writeFile(path("in"), in);
    Tlzrw1 store;
    store.CompressMode = TCompressMode::Fast;
    int pauses = 0;
    store.ProcessMessages = [&] { ++pauses; };
    store.InputFile = path("in");
    store.OutputFile = path("in.lzw");
    const std::int64_t written = store.Compress();
    EXPECT_EQ(written, static_cast<std::int64_t>(fs::file_size(path("in.lzw"))));
    EXPECT_EQ(pauses, 4);
    EXPECT_EQ(testing::readFile(path("in.lzw")), compressBuffer(in));
    store.InputFile = path("in.lzw");
    store.OutputFile = path("out");
    EXPECT_EQ(store.Decompress(), 100000);
    EXPECT_EQ(testing::readFile(path("out")), in);
    EXPECT_EQ(filesInDir(), 3u);
}

TEST_F(Lzrw1Files, CompressesAFileOntoItself) {
    const Bytes in = testing::mixedBytes(5000, 22);
    testing::writeFile(path("tally"), in);
    Tlzrw1 store;
    store.InputFile = store.OutputFile = path("tally");
    store.Compress();
    store.Decompress();
    EXPECT_EQ(testing::readFile(path("tally")), in);
}

TEST_F(Lzrw1Files, OpenErrorsNameTheFile) {
    Tlzrw1 store;
    store.InputFile = path("missing");
    store.OutputFile = path("out");
    EXPECT_EQ(failure(store, true), "Lzrw1 compression : Failed to obtain the size of : " + path("missing"));
    EXPECT_EQ(failure(store, false), "Lzrw1 (de)compression : Failed to open input file : " + path("missing"));
    testing::writeFile(path("in"), {1, 2, 3});
    store.InputFile = path("in");
    store.OutputFile = path("no/such/dir");
    EXPECT_EQ(failure(store, true), "Lzrw1 (de)compression : Failed to open output file : " + path("no/such/dir"));
    EXPECT_EQ(filesInDir(), 1u);
}

TEST_F(Lzrw1Files, FailureKeepsAnEarlierOutputFile) {
    testing::writeFile(path("bad.lzw"), {'W', 'R', 'Z', 'L', 5, 0, 0, 0, 1, 0, 0x80});
    testing::writeFile(path("tally"), {'o', 'l', 'd'});
    Tlzrw1 store;
    store.InputFile = path("bad.lzw");
    store.OutputFile = path("tally");
    EXPECT_EQ(failure(store, false),
              "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !");
    EXPECT_EQ(testing::readFile(path("tally")), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(filesInDir(), 2u);
}

TEST(Lzrw1Streams, RoundTrip) {
    const Bytes in = testing::mixedBytes(70000, 23);
    std::stringstream plain(std::string(in.begin(), in.end())), packed, restored;
    Tlzrw1 store;
    store.UseStream = true;
    store.InputStream = &plain;
    store.OutputStream = &packed;
    store.Compress();
    const std::string bytes = packed.str();
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), compressBuffer(in));
    store.InputStream = &packed;
    store.OutputStream = &restored;
    EXPECT_EQ(store.Decompress(), 70000);
    EXPECT_EQ(restored.str(), plain.str());
}

TEST_F(Lzrw1Files, ToolCompressesRestoresAndReportsErrors) {
    const std::string tool = VELMORA_LZRW1_TOOL;
    testing::writeFile(path("in"), testing::mixedBytes(3000, 24));
    auto run = [&](const std::string& args) {
        return std::system((tool + " " + args + " >/dev/null 2>" + path("err")).c_str());
    };
    EXPECT_EQ(run("compress " + path("in") + " " + path("in.lzw")), 0);
    EXPECT_EQ(run("decompress " + path("in.lzw") + " " + path("out")), 0);
    EXPECT_EQ(testing::readFile(path("out")), testing::readFile(path("in")));
    EXPECT_NE(run("decompress " + path("in") + " " + path("out2")), 0);
    const Bytes err = testing::readFile(path("err"));
    EXPECT_EQ(std::string(err.begin(), err.end()),
              path("in") + " : Lzrw1 decompression : this file has no valid header !\n");
    EXPECT_FALSE(fs::exists(path("out2")));
    EXPECT_NE(run("squeeze a b"), 0);
}

}  // namespace
}  // namespace velmora::tally
