// The expander. Most items go through a loop that checks bounds once per
// control word and moves a whole stretch of literals at once; runs, short or
// bad offsets and the edges of a block take the careful item-by-item path,
// which checks every read and write against the block and the output.
#include <algorithm>

#include "lzr_detail.h"
#include "lzr_engine.h"

namespace velmora::tally {

namespace {

using namespace detail;
using Status = TLZR::Status;

struct Cursor {
    const std::uint8_t* ip;
    const std::uint8_t* iend;
    std::uint8_t* dst;
    std::uint8_t* op;
    std::uint8_t* oend;  // production limit
    std::uint8_t* wend;  // end of writable space
    // The control word in the top half, next item at bit 31, with a marker
    // bit below its last item: the leading zeros count the literals ahead,
    // and the word is used up when only the marker is left.
    std::uint32_t ctrl;
};

constexpr std::uint32_t kMarker = 0x8000;
constexpr std::uint32_t kWordDone = 0x80000000;

std::uint32_t controlWord(const std::uint8_t* at) { return loadWord(at) << 16 | kMarker; }

// Room one whole word may need: 16 copies of 18, each writing up to 24, and
// its own two bytes, 16 items of 2 and 16 bytes read at once for literals.
constexpr std::ptrdiff_t kWordOutput = kItemsPerWord * kMaxCopy;
constexpr std::ptrdiff_t kWordInput = 2 + kItemsPerWord * 2 + 16;

bool wordFits(const std::uint8_t* ip, const std::uint8_t* op, const Cursor& c) {
    return c.iend - ip >= kWordInput && c.oend - op >= kWordOutput &&
           c.wend - op >= kWordOutput + 16 && op - c.dst >= 8;
}

// Literals and copies of offset 8 or more, with bounds checked once per
// control word and without a branch on the kind of item, whose pattern is as
// good as random. Returns at a word whose room is not certain, or before an
// item it cannot take (run, short or bad offset).
void fastItems(Cursor& c) {
    const std::uint8_t* ip = c.ip;
    std::uint8_t* op = c.op;
    std::uint32_t ctrl = c.ctrl;
    if (!wordFits(ip, op, c)) return;
    for (;;) {
        if (ctrl == kWordDone) {
            if (!wordFits(ip, op, c)) break;
            ctrl = controlWord(ip);
            ip += 2;
        }
        // Masks rather than conditions: compilers turn those into branches.
        const std::size_t isCopy = ctrl >> 31;
        const std::size_t copyMask = 0 - isCopy;
        const std::size_t word = loadWord(ip);
        // A literal poses as a copy of offset 8 so that one test serves.
        const std::size_t off = ((word >> 4) & copyMask) | (8 & ~copyMask);
        // Unsigned wrap makes one test of "off < 8 or off > produced".
        if (off - 8 > static_cast<std::size_t>(op - c.dst) - 8) break;
        const std::size_t n = 1 + (((word & 15) + kMinCopy - 1) & copyMask);
        const auto literalAt = reinterpret_cast<std::uintptr_t>(ip);
        const auto copyAt = reinterpret_cast<std::uintptr_t>(op - off);
        const auto* from =
            reinterpret_cast<const std::uint8_t*>(literalAt ^ ((literalAt ^ copyAt) & copyMask));
        copy8(op, from);
        copy8(op + 8, from + 8);
        if (n > 16) copy8(op + 16, from + 16);
        ip += 1 + isCopy;
        op += n;
        ctrl <<= 1;
    }
    c.ip = ip;
    c.op = op;
    c.ctrl = ctrl;
}

// A stretch of literals, up to the next copy bit or the end of the word.
Status carefulLiterals(Cursor& c) {
    const std::size_t left = static_cast<std::size_t>(c.iend - c.ip);
    const std::size_t k = std::min<std::size_t>(static_cast<std::size_t>(__builtin_clz(c.ctrl)), left);
    if (k > static_cast<std::size_t>(c.oend - c.op)) return Status::TooLong;
    if (left >= 16 && c.wend - c.op >= 16)
        copy16(c.op, c.ip);
    else
        std::memcpy(c.op, c.ip, k);
    c.ip += k;
    c.op += k;
    c.ctrl <<= k;
    return Status::Ok;
}

// Repeats n bytes from off back; an overlapping copy repeats what it writes.
void copyMatch(std::uint8_t* op, std::size_t off, std::size_t n, std::size_t room) {
    const std::uint8_t* from = op - off;
    if (off >= 8 && room >= 24) {
        copy8(op, from);
        copy8(op + 8, from + 8);
        copy8(op + 16, from + 16);
        return;
    }
    for (std::size_t i = 0; i < n; ++i) op[i] = from[i];
}

Status carefulCopyOrRun(Cursor& c) {
    if (c.iend - c.ip < 2) return Status::Truncated;
    const std::size_t produced = static_cast<std::size_t>(c.op - c.dst);
    const std::size_t space = static_cast<std::size_t>(c.oend - c.op);
    const std::size_t off = std::size_t{c.ip[0]} << 4 | c.ip[1] >> 4;
    std::size_t n;
    if (off != 0) {
        n = (c.ip[1] & 15u) + kMinCopy;
        if (off > produced) return Status::BadCopy;
        if (n > space) return Status::TooLong;
        copyMatch(c.op, off, n, static_cast<std::size_t>(c.wend - c.op));
        c.ip += 2;
    } else {
        if (c.iend - c.ip < 4) return Status::Truncated;
        n = (std::size_t{c.ip[1] & 15u} << 8 | c.ip[2]) + kMinRun;
        if (n > space) return Status::TooLong;
        std::memset(c.op, c.ip[3], n);
        c.ip += 4;
    }
    c.op += n;
    c.ctrl <<= 1;
    return Status::Ok;
}

TLZR::Expanded expandItems(Cursor c) {
    while (c.ip < c.iend) {
        fastItems(c);
        if (c.ip >= c.iend) break;
        Status status = Status::Ok;
        if (c.ctrl == kWordDone) {
            if (c.iend - c.ip < 2) return {0, Status::Truncated};
            c.ctrl = controlWord(c.ip);
            c.ip += 2;
            // The items that follow a control word must be there.
            if (c.ip == c.iend) status = Status::Truncated;
        } else {
            status = (c.ctrl & kWordDone) ? carefulCopyOrRun(c) : carefulLiterals(c);
        }
        if (status != Status::Ok) return {0, status};
    }
    return {static_cast<std::size_t>(c.op - c.dst), Status::Ok};
}

}  // namespace

TLZR::Expanded TLZR::expandBlock(const std::uint8_t* src, std::size_t len, std::uint8_t* dst,
                                 std::size_t limit, std::size_t room) {
    if (len < 2) return {};
    if (src[0] == kFlagStored) {
        const std::size_t n = len - 1;
        if (n > limit) return {0, Status::TooLong};
        std::memcpy(dst, src + 1, n);
        return {n, Status::Ok};
    }
    // Any other flag means compressed, as it always has.
    if (len < 3) return {0, Status::Truncated};
    return expandItems({src + 3, src + len, dst, dst, dst + limit, dst + room, controlWord(src + 1)});
}

}  // namespace velmora::tally
