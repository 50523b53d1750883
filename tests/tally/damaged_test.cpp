// Damaged and hostile compressed files: each is refused with the store's read
// or size error, on memory buffers and on files, and leaves no output file.
// Also built with AddressSanitizer and UndefinedBehaviorSanitizer.
#include <gtest/gtest.h>

#include "lzrw1.h"
#include "lzrw1_buffer.h"
#include "tally_test_support.h"

namespace velmora::tally {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;

const std::string kSizeError =
    "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";
std::string readError(const std::string& name) {
    return "Lzrw1 : Error reading from input file : " + name;
}

// A file of the given stored size whose blocks are the given block data.
Bytes packed(std::uint32_t size, const std::vector<Bytes>& blocks) {
    Bytes out{'W', 'R', 'Z', 'L'};
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(size >> (8 * i)));
    for (const Bytes& b : blocks) {
        out.push_back(static_cast<std::uint8_t>(b.size()));
        out.push_back(static_cast<std::uint8_t>(b.size() >> 8));
        out.insert(out.end(), b.begin(), b.end());
    }
    return out;
}

Bytes cut(Bytes data, std::size_t drop) {
    data.resize(data.size() - drop);
    return data;
}

Bytes withSize(Bytes data, std::uint32_t size) {
    for (int i = 0; i < 4; ++i) data[4 + i] = static_cast<std::uint8_t>(size >> (8 * i));
    return data;
}

struct Damage {
    const char* what;
    Bytes file;
    bool sizeError;  // otherwise the read error
};

std::vector<Damage> damages() {
    const Bytes good = compressBuffer(testing::mixedBytes(1000, 5));
    Bytes sixteenLiteralsAndAByte{0x40, 0, 0};
    sixteenLiteralsAndAByte.insert(sixteenLiteralsAndAByte.end(), 16, 'x');
    sixteenLiteralsAndAByte.push_back(0);
    Bytes nineRuns{0x40, 0xFF, 0x80};
    for (int i = 0; i < 9; ++i) nineRuns.insert(nineRuns.end(), {0x00, 0x0F, 0xEF, 'r'});
    return {
        {"stored size too large", withSize(good, 1001), true},
        {"stored size too small", withSize(good, 999), true},
        {"negative stored size", packed(0xFFFFFFFF, {{0x80}}), true},
        {"size the data cannot hold", packed(0x7FFFFFFF, {{0x80}}), true},
        {"last block missing", cut(compressBuffer(Bytes(32768, 1)), 3), false},
        {"block shorter than its length", cut(good, 5), false},
        {"header cut short", Bytes{'W', 'R', 'Z', 'L', 0, 0}, false},
        {"block length cut short", cut(packed(0, {{0x80}}), 2), false},
        {"length past any valid block", packed(40000, {Bytes(65535, 0x80)}), false},
        {"control word cut short", packed(1, {{0x40, 0x00}}), false},
        {"second control word cut short", packed(17, {sixteenLiteralsAndAByte}), false},
        {"copy cut short", packed(3, {{0x40, 0x80, 0x00, 0x01}}), false},
        {"run cut short", packed(20, {{0x40, 0x80, 0x00, 0x00, 0x00, 0x04}}), false},
        {"copy before the start", packed(15, {{0x40, 0x40, 0x00, 'a', 0x00, 0x2B}}), true},
        {"block expanding past 32768", packed(40000, {nineRuns}), true},
    };
}

TEST(Lzrw1Damaged, MemoryBuffersAreRefused) {
    for (const Damage& d : damages()) {
        try {
            decompressBuffer(d.file, "t.lzw");
            ADD_FAILURE() << d.what << ": accepted";
        } catch (const ELzrw1Exception& e) {
            EXPECT_EQ(e.what(), d.sizeError ? kSizeError : readError("t.lzw")) << d.what;
        }
    }
}

TEST(Lzrw1Damaged, FilesAreRefusedAndLeaveNoOutput) {
    const fs::path dir =
        fs::temp_directory_path() / ("lzrw1-damaged-" + std::to_string(std::random_device()()));
    fs::create_directories(dir);
    Tlzrw1 store;
    store.InputFile = (dir / "in.lzw").string();
    store.OutputFile = (dir / "out.txt").string();
    for (const Damage& d : damages()) {
        testing::writeFile(store.InputFile, d.file);
        try {
            store.Decompress();
            ADD_FAILURE() << d.what << ": accepted";
        } catch (const ELzrw1Exception& e) {
            EXPECT_EQ(e.what(), d.sizeError ? kSizeError : readError(store.InputFile)) << d.what;
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1) << d.what;
    }
    fs::remove_all(dir);
}

// Every truncation and many single-byte changes of a valid file: an error or
// some output, never a crash or a stray memory access.
TEST(Lzrw1Damaged, MutationsAreHarmless) {
    const Bytes good = compressBuffer(testing::mixedBytes(40000, 8));
    for (std::size_t n = 0; n < good.size(); n += 7) {
        EXPECT_THROW(decompressBuffer(Bytes(good.begin(), good.begin() + n)), ELzrw1Exception);
    }
    std::mt19937 random(11);
    for (int i = 0; i < 3000; ++i) {
        Bytes bad = good;
        bad[8 + random() % (bad.size() - 8)] ^= static_cast<std::uint8_t>(1 + random() % 255);
        try {
            decompressBuffer(bad);
        } catch (const ELzrw1Exception&) {
        }
    }
}

}  // namespace
}  // namespace velmora::tally
