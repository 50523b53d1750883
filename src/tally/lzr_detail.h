// Constants of the LZRW1/KH item layout and small memory helpers shared by the
// engine's compressor and expander.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace velmora::tally::detail {

constexpr std::size_t kItemsPerWord = 16;
constexpr std::size_t kMinRun = 16;
constexpr std::size_t kMaxRun = 4095;
constexpr std::size_t kMinCopy = 3;
constexpr std::size_t kMaxCopy = 18;
constexpr std::size_t kMaxOffset = 4095;
constexpr bool kLittleEndian = std::endian::native == std::endian::little;

inline std::uint64_t load64(const std::uint8_t* p) {
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline void copy8(std::uint8_t* to, const std::uint8_t* from) { std::memcpy(to, from, 8); }
inline void copy16(std::uint8_t* to, const std::uint8_t* from) { std::memcpy(to, from, 16); }

inline std::uint32_t loadWord(const std::uint8_t* at) {
    return std::uint32_t{at[0]} << 8 | at[1];
}

inline void storeWord(std::uint8_t* at, std::uint32_t word) {
    at[0] = static_cast<std::uint8_t>(word >> 8);
    at[1] = static_cast<std::uint8_t>(word);
}

}  // namespace velmora::tally::detail
