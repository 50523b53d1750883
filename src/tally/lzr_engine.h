// TLZR: the LZRW1/KH block engine. One block of at most 32768 bytes is
// compressed or expanded on its own; the hash table starts empty each time so
// blocks never depend on each other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace velmora::tally {

class TLZR {
public:
    static constexpr std::size_t kBlockSize = 32768;
    // Compressing may run up to 6 bytes past the source length before it
    // notices the block does not shrink; the slack absorbs that.
    static constexpr std::size_t kSlack = 16;
    static constexpr std::size_t kBufferSize = kBlockSize + kSlack;
    // A stored block is its source plus the flag byte; nothing valid is longer.
    static constexpr std::size_t kMaxBlockData = kBlockSize + 1;
    static constexpr std::uint8_t kFlagCompressed = 0x40;
    static constexpr std::uint8_t kFlagStored = 0x80;

    enum class Status {
        Ok,
        Truncated,  // a control word or item runs past the block data
        BadCopy,    // a copy reaches before the start of the output
        TooLong,    // the block would produce more than it may
    };
    struct Expanded {
        std::size_t size = 0;
        Status status = Status::Ok;
    };

    // Throws ELzrw1KHCompressor when the hash table cannot be had.
    TLZR();

    // Compresses n (0..kBlockSize) bytes into dst, which must hold
    // n + kSlack bytes. Returns the block data length L (flag included).
    std::size_t compressBlock(const std::uint8_t* src, std::size_t n, std::uint8_t* dst);

    // Expands len bytes of block data into dst. At most `limit` bytes are
    // produced; `room` (>= limit) is how much of dst may be written, the part
    // beyond limit serving as scratch for wide copies. Never reads past
    // src + len nor writes past dst + room, whatever src holds.
    static Expanded expandBlock(const std::uint8_t* src, std::size_t len, std::uint8_t* dst,
                                std::size_t limit, std::size_t room);

private:
    std::unique_ptr<std::int16_t[]> hash_;
};

}  // namespace velmora::tally
