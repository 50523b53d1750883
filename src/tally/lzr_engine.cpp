#include "lzr_engine.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>

#include "lzr_detail.h"
#include "lzrw1_errors.h"

namespace velmora::tally {

namespace {

using namespace detail;

constexpr std::size_t kHashSize = 4096;
constexpr std::uint32_t kHashMultiplier = 40543;

// Equal bytes at s from s[0] on, at least 1, at most limit (limit >= 1).
std::size_t runLength(const std::uint8_t* s, std::size_t limit) {
    if (limit < 2 || s[1] != s[0]) return 1;  // the usual case, decided at once
    std::size_t r = 2;
    if constexpr (kLittleEndian) {
        const std::uint64_t pattern = 0x0101010101010101ULL * s[0];
        for (; r + 8 <= limit; r += 8) {
            const std::uint64_t diff = load64(s + r) ^ pattern;
            if (diff != 0) return r + static_cast<std::size_t>(std::countr_zero(diff)) / 8;
        }
    }
    while (r < limit && s[r] == s[0]) ++r;
    return r;
}

// Leading bytes that agree between a and b, at most 18 (little-endian).
std::size_t matchLength18(const std::uint8_t* a, const std::uint8_t* b) {
    std::uint64_t diff = load64(a) ^ load64(b);
    if (diff != 0) return static_cast<std::size_t>(std::countr_zero(diff)) / 8;
    diff = load64(a + 8) ^ load64(b + 8);
    if (diff != 0) return 8 + static_cast<std::size_t>(std::countr_zero(diff)) / 8;
    return a[16] != b[16] ? 16 : a[17] != b[17] ? 17 : 18;
}

// Leading bytes that agree between a and b, at most max.
std::size_t matchLength(const std::uint8_t* a, const std::uint8_t* b, std::size_t max) {
    if constexpr (kLittleEndian) {
        if (max == kMaxCopy) return matchLength18(a, b);
    }
    std::size_t len = 0;
    while (len < max && a[len] == b[len]) ++len;
    return len;
}

std::size_t hashIndex(const std::uint8_t* s) {
    const std::uint32_t key = (std::uint32_t{s[0]} << 8) ^ (std::uint32_t{s[1]} << 4) ^ s[2];
    return ((key * kHashMultiplier) >> 4) & (kHashSize - 1);
}

// The state of one block being compressed.
struct Packer {
    const std::uint8_t* src;
    std::size_t n;
    std::uint8_t* dst;
    std::int16_t* hash;
    std::size_t ctrlAt = 1;
    std::size_t out = 3;
    std::size_t p = 0;
    std::uint32_t ctrl = 0;
    std::size_t items = 0;

    void startItem() {
        if (items == kItemsPerWord) {
            storeWord(dst + ctrlAt, ctrl);
            ctrlAt = out;
            out += 2;
            ctrl = 0;
            items = 0;
        }
        ctrl <<= 1;
        ++items;
    }

    void emitRun(std::size_t run) {
        const std::size_t extra = run - kMinRun;
        dst[out] = 0;
        dst[out + 1] = static_cast<std::uint8_t>(extra >> 8);
        dst[out + 2] = static_cast<std::uint8_t>(extra);
        dst[out + 3] = src[p];
        out += 4;
        p += run;
        ctrl |= 1;
    }

    void emitCopy(std::size_t offset, std::size_t len) {
        storeWord(dst + out, static_cast<std::uint32_t>(offset << 4 | (len - kMinCopy)));
        out += 2;
        p += len;
        ctrl |= 1;
    }

    void emitLiteral() { dst[out++] = src[p++]; }

    // Enters p in the hash table; returns the offset back to the position
    // the entry held, or 0 when that is empty or too far.
    std::size_t candidateOffset() {
        const std::size_t index = hashIndex(src + p);
        const std::int32_t q = hash[index];
        hash[index] = static_cast<std::int16_t>(p);
        const std::size_t offset = p - static_cast<std::size_t>(q);
        return q >= 0 && offset <= kMaxOffset ? offset : 0;
    }

    // One item anywhere in the block.
    void carefulStep() {
        startItem();
        const std::size_t run = runLength(src + p, std::min(n - p, kMaxRun));
        if (run >= kMinRun) return emitRun(run);
        // Within two bytes of the end no copy of 3 can fit, so the hash (whose
        // key would reach past the block) is skipped; the output is the same.
        if (p + kMinCopy <= n) {
            const std::size_t offset = candidateOffset();
            const std::size_t len =
                offset ? matchLength(src + p - offset, src + p, std::min(n - p, kMaxCopy)) : 0;
            if (len >= kMinCopy) return emitCopy(offset, len);
        }
        emitLiteral();
    }

    // One item at least 24 bytes before the end, where no limit but the
    // longest copy applies.
    void fastStep() {
        startItem();
        const std::uint8_t* s = src + p;
        if (s[1] == s[0]) {
            const std::size_t run = runLength(s, std::min(n - p, kMaxRun));
            if (run >= kMinRun) return emitRun(run);
        }
        const std::size_t offset = candidateOffset();
        if (offset != 0) {
            const std::size_t len = matchLength18(s - offset, s);
            if (len >= kMinCopy) return emitCopy(offset, len);
        }
        emitLiteral();
    }
};

}  // namespace

TLZR::TLZR() : hash_(new (std::nothrow) std::int16_t[kHashSize]) {
    if (!hash_) throw ELzrw1KHCompressor(errors::noHashMemory());
}

std::size_t TLZR::compressBlock(const std::uint8_t* src, std::size_t n, std::uint8_t* dst) {
    std::fill_n(hash_.get(), kHashSize, std::int16_t{-1});
    dst[0] = kFlagCompressed;
    Packer packer{src, n, dst, hash_.get()};
    // Stop as soon as the output is longer than the source: the block is
    // stored then, so compressing further would be wasted work.
    if constexpr (kLittleEndian) {
        while (packer.p + 24 <= n && packer.out <= n) packer.fastStep();
    }
    while (packer.p < n && packer.out <= n) packer.carefulStep();
    storeWord(dst + packer.ctrlAt, packer.ctrl << (kItemsPerWord - packer.items));
    if (packer.out <= n) return packer.out;
    dst[0] = kFlagStored;
    if (n != 0) std::memcpy(dst + 1, src, n);
    return n + 1;
}

}  // namespace velmora::tally
