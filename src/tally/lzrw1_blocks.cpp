#include "lzrw1_blocks.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "lzrw1_errors.h"

namespace velmora::tally {

namespace {

constexpr std::uint8_t kIdentifier[4] = {'W', 'R', 'Z', 'L'};

void putLE(std::uint8_t* at, std::uint32_t value, std::size_t bytes) {
    for (std::size_t i = 0; i < bytes; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t getLE(const std::uint8_t* at, std::size_t bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < bytes; ++i) value |= std::uint32_t{at[i]} << (8 * i);
    return value;
}

std::span<const std::uint8_t> takeExact(BlockSource& in, std::size_t n, const Names& names) {
    const auto got = in.take(n);
    if (got.size() != n || in.failed()) throw ELzrw1Exception(errors::readExpanding(names.input));
    return got;
}

void commitOrThrow(BlockSink& out, std::size_t n, const Names& names) {
    if (!out.commit(n)) throw ELzrw1Exception(errors::writeFailed(names.output));
}

void throwIfDamaged(TLZR::Status status, const Names& names) {
    switch (status) {
    case TLZR::Status::Ok:
        return;
    case TLZR::Status::Truncated:
        throw ELzrw1Exception(errors::readExpanding(names.input));
    case TLZR::Status::BadCopy:
    case TLZR::Status::TooLong:
        throw ELzrw1Exception(errors::sizeMismatch());
    }
}

}  // namespace

std::int64_t compressBlocks(TLZR& engine, BlockSource& in, BlockSink& out, std::int64_t size,
                            const Names& names, const BlockPause& pause) {
    // The size field is signed 32-bit; a larger file could never be read back.
    if (size < 0 || size > std::numeric_limits<std::int32_t>::max())
        throw ELzrw1Exception(errors::noInputSize(names.input));
    auto header = out.reserve(kHeaderSize);
    std::memcpy(header.data(), kIdentifier, sizeof kIdentifier);
    putLE(header.data() + 4, static_cast<std::uint32_t>(size), 4);
    commitOrThrow(out, kHeaderSize, names);
    std::int64_t written = kHeaderSize;
    std::int64_t read = 0;
    for (;;) {
        const auto block = in.take(TLZR::kBlockSize);
        if (in.failed()) throw ELzrw1Exception(errors::readCompressing(names.input));
        read += static_cast<std::int64_t>(block.size());
        auto dst = out.reserve(2 + block.size() + TLZR::kSlack);
        const std::size_t len = engine.compressBlock(block.data(), block.size(), dst.data() + 2);
        putLE(dst.data(), static_cast<std::uint32_t>(len), 2);
        commitOrThrow(out, 2 + len, names);
        written += static_cast<std::int64_t>(2 + len);
        if (pause) pause();
        if (block.size() < TLZR::kBlockSize) break;
    }
    // A file that changed while it was read would carry a wrong size.
    if (read != size) throw ELzrw1Exception(errors::readCompressing(names.input));
    return written;
}

std::int64_t readHeader(BlockSource& in, const Names& names) {
    const auto id = takeExact(in, 4, names);
    // "!HZL" files of the other method are refused like any foreign file.
    if (!std::equal(id.begin(), id.end(), std::begin(kIdentifier)))
        throw ELzrw1Exception(errors::badHeader(names.input));
    const auto size = takeExact(in, 4, names);
    return static_cast<std::int32_t>(getLE(size.data(), 4));
}

std::int64_t expandBlocks(BlockSource& in, BlockSink& out, std::int64_t stored,
                          const Names& names, const BlockPause& pause) {
    std::int64_t written = 0;
    for (;;) {
        const std::size_t len = getLE(takeExact(in, 2, names).data(), 2);
        if (len > TLZR::kMaxBlockData) throw ELzrw1Exception(errors::readExpanding(names.input));
        const auto data = takeExact(in, len, names);
        // Never produce more than the header promised: a damaged size or
        // block then fails at once instead of filling the disk.
        const std::int64_t left = std::max<std::int64_t>(stored - written, 0);
        const std::size_t limit =
            static_cast<std::size_t>(std::min<std::int64_t>(left, TLZR::kBlockSize));
        auto dst = out.reserve(limit);
        const auto result = TLZR::expandBlock(data.data(), len, dst.data(), limit, dst.size());
        throwIfDamaged(result.status, names);
        commitOrThrow(out, result.size, names);
        written += static_cast<std::int64_t>(result.size);
        if (pause) pause();
        if (result.size < TLZR::kBlockSize) break;
    }
    if (written != stored) throw ELzrw1Exception(errors::sizeMismatch());
    return written;
}

}  // namespace velmora::tally
