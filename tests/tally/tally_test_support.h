// Shared by the store's tests: deterministic data and a slow, literal
// LZRW1/KH block compressor to hold the fast engine to.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace velmora::tally::testing {

using Bytes = std::vector<std::uint8_t>;

inline Bytes randomBytes(std::size_t n, std::uint32_t seed) {
    std::mt19937 random(seed);
    Bytes out(n);
    for (auto& b : out) b = static_cast<std::uint8_t>(random());
    return out;
}

// Words, punctuation, line ends and now and then a run or noise: the kind of
// data the tally and most files hold.
inline Bytes mixedBytes(std::size_t n, std::uint32_t seed) {
    static const char* const words[] = {"stage", "hit", "skip", "wild", "run", "set",
                                        "Klot", "winner", "0", "12", "\r\n", "  "};
    std::mt19937 random(seed);
    Bytes out;
    while (out.size() < n) {
        const std::uint32_t pick = random();
        if (pick % 50 == 0) {
            out.insert(out.end(), random() % 5000, static_cast<std::uint8_t>(random()));
        } else if (pick % 50 == 1) {
            for (int i = random() % 40; i > 0; --i) out.push_back(static_cast<std::uint8_t>(random()));
        } else {
            const std::string word = words[pick % std::size(words)];
            out.insert(out.end(), word.begin(), word.end());
            out.push_back(' ');
        }
    }
    out.resize(n);
    return out;
}

// The block algorithm step by step, as simple as it can be written.
inline Bytes referenceBlock(const Bytes& in) {
    const std::size_t n = in.size();
    auto at = [&](std::size_t i) -> std::uint32_t { return i < n ? in[i] : 0; };
    std::vector<int> hash(4096, -1);
    Bytes out(n + 16);
    out[0] = 0x40;
    std::size_t place = 1, pos = 3, p = 0, count = 0;
    std::uint32_t word = 0;
    auto put16 = [&](std::size_t where, std::uint32_t v) {
        out[where] = static_cast<std::uint8_t>(v >> 8);
        out[where + 1] = static_cast<std::uint8_t>(v);
    };
    while (p < n && pos <= n) {
        if (count == 16) { put16(place, word); place = pos; pos += 2; word = 0; count = 0; }
        ++count;
        std::size_t r = 1;
        while (r < 4095 && p + r < n && in[p + r] == in[p]) ++r;
        if (r >= 16) {
            out[pos] = 0;
            put16(pos + 1, static_cast<std::uint32_t>(r - 16));
            out[pos + 3] = in[p];
            p += r; pos += 4; word = word << 1 | 1;
            continue;
        }
        const std::uint32_t key = (at(p) * 256) ^ (at(p + 1) * 16) ^ at(p + 2);
        const std::uint32_t index = ((key * 40543u) >> 4) & 4095;
        const int q = hash[index];
        hash[index] = static_cast<int>(p);
        std::size_t length = 0;
        if (q != -1 && p - q < 4096)
            while (length < 18 && p + length < n && in[q + length] == in[p + length]) ++length;
        if (length >= 3) {
            put16(pos, static_cast<std::uint32_t>((p - q) * 16 + length - 3));
            p += length; pos += 2; word = word << 1 | 1;
        } else {
            out[pos++] = in[p++];
            word <<= 1;
        }
    }
    put16(place, word << (16 - count));
    if (pos <= n) {
        out.resize(pos);
        return out;
    }
    out = {0x80};
    out.insert(out.end(), in.begin(), in.end());
    return out;
}

inline Bytes readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

inline void writeFile(const std::filesystem::path& path, const Bytes& data) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

}  // namespace velmora::tally::testing
