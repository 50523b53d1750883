// Whole compressed buffers: header, block sequence and round trips.
#include <gtest/gtest.h>

#include "lzrw1_buffer.h"
#include "lzrw1_errors.h"
#include "tally_test_support.h"

namespace velmora::tally {
namespace {

using testing::Bytes;

Bytes tail(const Bytes& data, std::size_t n) { return Bytes(data.end() - n, data.end()); }

TEST(Lzrw1Format, EmptyInputIsElevenBytes) {
    const Bytes packed = compressBuffer({});
    EXPECT_EQ(packed, (Bytes{'W', 'R', 'Z', 'L', 0, 0, 0, 0, 1, 0, 0x80}));
    EXPECT_TRUE(decompressBuffer(packed).empty());
}

TEST(Lzrw1Format, FullBlockIsFollowedByAnEmptyOne) {
    const Bytes exact = testing::randomBytes(32768, 3);
    const Bytes packed = compressBuffer(exact);
    EXPECT_EQ(packed.size(), 8 + 2 + 32769 + 3u);
    EXPECT_EQ(Bytes(packed.begin() + 4, packed.begin() + 10), (Bytes{0, 0x80, 0, 0, 0x01, 0x80}));
    EXPECT_EQ(tail(packed, 3), (Bytes{1, 0, 0x80}));
    EXPECT_EQ(decompressBuffer(packed), exact);

    Bytes oneMore = exact;
    oneMore.push_back(42);
    const Bytes packed2 = compressBuffer(oneMore);
    EXPECT_EQ(packed2.size(), 8 + 2 + 32769 + 4u);
    EXPECT_EQ(tail(packed2, 4), (Bytes{2, 0, 0x80, 42}));
    EXPECT_EQ(decompressBuffer(packed2), oneMore);
}

TEST(Lzrw1Format, ForeignHeadersAreRefused) {
    for (const Bytes& head : {Bytes{'!', 'H', 'Z', 'L', 0, 0, 0, 0}, Bytes{'W', 'R', 'Z', 'X', 0, 0, 0, 0}}) {
        try {
            decompressBuffer(head, "t.tld");
            ADD_FAILURE() << "accepted a foreign header";
        } catch (const ELzrw1Exception& e) {
            EXPECT_STREQ(e.what(), "t.tld : Lzrw1 decompression : this file has no valid header !");
        }
    }
}

TEST(Lzrw1Format, RoundTripsOfManySizes) {
    const std::size_t sizes[] = {1, 2, 3, 4, 15, 16, 17, 18, 19, 4095, 4096, 4097, 32767,
                                 32768, 32769, 65535, 65536, 65537, 200001};
    std::uint32_t seed = 0;
    for (const std::size_t n : sizes) {
        for (const Bytes& in : {testing::mixedBytes(n, ++seed), testing::randomBytes(n, ++seed),
                                Bytes(n, 0xFF)}) {
            const Bytes packed = compressBuffer(in);
            ASSERT_LE(packed.size(), 8 + 3 * (n / 32768 + 1) + n);
            ASSERT_EQ(decompressBuffer(packed), in) << "size " << n;
        }
    }
}

TEST(Lzrw1Format, ExpandsIntoACallersBuffer) {
    const Bytes in = testing::mixedBytes(100000, 9);
    const Bytes packed = compressBuffer(in);
    ASSERT_EQ(storedSize(packed), in.size());
    Bytes out(in.size() + 64, 0xEE);
    ASSERT_EQ(decompressInto(packed, out), in.size());
    EXPECT_TRUE(std::equal(in.begin(), in.end(), out.begin()));
}

}  // namespace
}  // namespace velmora::tally
