// Runs the fuzz entry over the committed seed corpus with any compiler, so
// the fuzzer's seeds stay valid test cases even where libFuzzer is missing.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

#include "tally_test_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

TEST(Lzrw1Corpus, EverySeedIsHandled) {
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(VELMORA_TALLY_CORPUS)) {
        const auto bytes = velmora::tally::testing::readFile(entry.path());
        EXPECT_EQ(LLVMFuzzerTestOneInput(bytes.data(), bytes.size()), 0) << entry.path();
        ++seeds;
    }
    EXPECT_GE(seeds, 5);
}
