// Committed files whose compressed bytes are fixed: the format must never
// drift, since tallies written now are read by every later build.
#include <gtest/gtest.h>

#include "lzrw1_buffer.h"
#include "tally_test_support.h"

namespace velmora::tally {
namespace {

using testing::Bytes;

class Lzrw1Golden : public ::testing::TestWithParam<const char*> {};

TEST_P(Lzrw1Golden, CompressedBytesAreFixed) {
    const std::filesystem::path data = VELMORA_TALLY_DATA;
    const Bytes in = testing::readFile(data / GetParam());
    const Bytes lzw = testing::readFile(data / (std::string(GetParam()) + ".lzw"));
    ASSERT_FALSE(lzw.empty()) << "missing golden file for " << GetParam();
    EXPECT_EQ(compressBuffer(in), lzw);
    EXPECT_EQ(decompressBuffer(lzw), in);
}

INSTANTIATE_TEST_SUITE_P(Files, Lzrw1Golden,
                         ::testing::Values("tally.txt", "mixed.bin", "noise.bin"),
                         [](const auto& test) {
                             std::string name = test.param;
                             return name.substr(0, name.find('.'));
                         });

}  // namespace
}  // namespace velmora::tally
