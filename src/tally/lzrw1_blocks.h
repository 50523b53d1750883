// The outer layer of a compressed file: the eight-byte header and the
// sequence of length-prefixed blocks. Written once against small source and
// sink interfaces so files, streams and memory buffers share one loop.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "lzr_engine.h"

namespace velmora::tally {

constexpr std::size_t kHeaderSize = 8;

class BlockSource {
public:
    virtual ~BlockSource() = default;
    // The next bytes, at most n (n <= TLZR::kBufferSize); fewer only at the
    // end of the data or on failure. Valid until the next call.
    virtual std::span<const std::uint8_t> take(std::size_t n) = 0;
    virtual bool failed() const = 0;
};

// The bytes of a buffer, in order.
class MemorySource : public BlockSource {
public:
    explicit MemorySource(std::span<const std::uint8_t> data) : rest_(data) {}
    std::span<const std::uint8_t> take(std::size_t n) override {
        const auto part = rest_.first(n < rest_.size() ? n : rest_.size());
        rest_ = rest_.subspan(part.size());
        return part;
    }
    bool failed() const override { return false; }

private:
    std::span<const std::uint8_t> rest_;
};

class BlockSink {
public:
    virtual ~BlockSink() = default;
    // Space for the next bytes: at least n, possibly more (used as scratch).
    virtual std::span<std::uint8_t> reserve(std::size_t n) = 0;
    // Keeps the first n bytes of the reserved space; false if they could not
    // be written.
    virtual bool commit(std::size_t n) = 0;
};

struct Names {
    std::string_view input;
    std::string_view output;
};

// Called between blocks so a window can stay responsive.
using BlockPause = std::function<void()>;

// Writes the header for `size` bytes and the blocks of the source. The
// source must then deliver exactly `size` bytes. Returns the bytes written.
std::int64_t compressBlocks(TLZR& engine, BlockSource& in, BlockSink& out, std::int64_t size,
                            const Names& names, const BlockPause& pause = {});

// The uncompressed size stored in a header; checks the identifier.
std::int64_t readHeader(BlockSource& in, const Names& names);

// Expands the blocks that follow a header read by readHeader. Returns the
// bytes written, which equal the stored size.
std::int64_t expandBlocks(BlockSource& in, BlockSink& out, std::int64_t stored,
                          const Names& names, const BlockPause& pause = {});

}  // namespace velmora::tally
