// The engine on single blocks: the item layouts the format fixes, and the fast
// compressor held byte for byte to the literal one.
#include <gtest/gtest.h>

#include "lzr_engine.h"
#include "tally_test_support.h"

namespace velmora::tally {
namespace {

using testing::Bytes;

Bytes compress(const Bytes& in) {
    TLZR engine;
    Bytes out(in.size() + TLZR::kSlack);
    out.resize(engine.compressBlock(in.data(), in.size(), out.data()));
    return out;
}

Bytes expand(const Bytes& block) {
    Bytes out(TLZR::kBufferSize);
    const auto result = TLZR::expandBlock(block.data(), block.size(), out.data(), TLZR::kBlockSize,
                                          out.size());
    EXPECT_EQ(result.status, TLZR::Status::Ok);
    out.resize(result.size);
    return out;
}

TEST(LzrBlock, ItemLayouts) {
    EXPECT_EQ(compress({}), (Bytes{0x80}));
    // Fifteen equal bytes: a literal, then a copy of offset 1 and length 14.
    EXPECT_EQ(compress(Bytes(15, 'a')), (Bytes{0x40, 0x40, 0x00, 'a', 0x00, 0x1B}));
    // Twenty equal bytes: one run item.
    EXPECT_EQ(compress(Bytes(20, 'a')), (Bytes{0x40, 0x80, 0x00, 0x00, 0x00, 0x04, 'a'}));
    // Runs stop at 4095; the tail of 905 is a run of its own.
    EXPECT_EQ(compress(Bytes(5000, 7)),
              (Bytes{0x40, 0xC0, 0x00, 0x00, 0x0F, 0xEF, 7, 0x00, 0x03, 0x79, 7}));
    // A tail under 16 after a run: runs leave no hash entry, so a literal and
    // a copy of offset 1 follow.
    EXPECT_EQ(compress(Bytes(4095 + 15, 7)),
              (Bytes{0x40, 0xA0, 0x00, 0x00, 0x0F, 0xEF, 7, 7, 0x00, 0x1B}));
}

TEST(LzrBlock, StoresWhatDoesNotShrink) {
    const Bytes noise = testing::randomBytes(TLZR::kBlockSize, 1);
    Bytes stored{0x80};
    stored.insert(stored.end(), noise.begin(), noise.end());
    EXPECT_EQ(compress(noise), stored);
    EXPECT_EQ(expand(stored), noise);
    // Too short to shrink at all.
    EXPECT_EQ(compress(Bytes{1, 1, 1}), (Bytes{0x80, 1, 1, 1}));
}

TEST(LzrBlock, SameBytesAsTheLiteralAlgorithm) {
    for (std::uint32_t seed = 0; seed < 40; ++seed) {
        const std::size_t n = seed < 20 ? seed * 7 : TLZR::kBlockSize - seed * 97;
        for (const Bytes& in : {testing::mixedBytes(n, seed), testing::randomBytes(n, seed)}) {
            const Bytes block = compress(in);
            ASSERT_EQ(block, testing::referenceBlock(in)) << "seed " << seed;
            ASSERT_EQ(expand(block), in) << "seed " << seed;
        }
    }
}

}  // namespace
}  // namespace velmora::tally
