// The compressed store on memory buffers: the same bytes as a compressed
// file, without any work file. `name` stands for the file name in error texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace velmora::tally {

// The most bytes compressing n bytes can give (every block stored), plus the
// engine's scratch slack.
std::size_t compressBound(std::size_t n);

// Compresses into out, which must hold compressBound(data.size()) bytes.
// Returns the compressed length.
std::size_t compressInto(std::span<const std::uint8_t> data, std::span<std::uint8_t> out,
                         std::string_view name = {});

std::vector<std::uint8_t> compressBuffer(std::span<const std::uint8_t> data,
                                         std::string_view name = {});

// The uncompressed size a compressed buffer declares (header checked only).
std::size_t storedSize(std::span<const std::uint8_t> packed, std::string_view name = {});

// Expands into out, which must hold storedSize(packed) bytes; bytes of out
// past that size may be used as scratch. Returns the expanded size.
std::size_t decompressInto(std::span<const std::uint8_t> packed, std::span<std::uint8_t> out,
                           std::string_view name = {});

std::vector<std::uint8_t> decompressBuffer(std::span<const std::uint8_t> packed,
                                           std::string_view name = {});

}  // namespace velmora::tally
