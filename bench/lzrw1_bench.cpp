// Compress and decompress throughput of the tally's LZRW1/KH store on 32 MiB
// of text-like and of binary data, beside LZ4 and zlib level 1 on the same
// inputs. A summary in MB/s with ratios to LZ4 follows the usual table.
#include <benchmark/benchmark.h>
#include <lz4.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "lzrw1_buffer.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::size_t kDataSize = 32u << 20;

// Words of skewed frequency, punctuation and line ends, like logs and prose.
Bytes makeText() {
    static const char* const syllables[] = {"ka", "lo", "ve", "mor", "sta", "ge", "hit", "run",
                                            "the", "and", "in", "of", "ing", "er", "s", "ion"};
    std::mt19937 random(1);
    std::vector<std::string> words;
    for (int i = 0; i < 2000; ++i) {
        std::string word;
        for (int k = 1 + random() % 4; k > 0; --k) word += syllables[random() % 16];
        words.push_back(word);
    }
    Bytes out;
    out.reserve(kDataSize + 64);
    while (out.size() < kDataSize) {
        // Squaring a uniform pick favours the first words, as in real text.
        const double u = static_cast<double>(random()) / 4294967296.0;
        const std::string& word = words[static_cast<std::size_t>(u * u * u * words.size())];
        out.insert(out.end(), word.begin(), word.end());
        const std::uint32_t sep = random() % 20;
        out.push_back(sep == 0 ? '\n' : sep == 1 ? ',' : ' ');
        if (sep == 2) {
            const auto digit = static_cast<std::uint8_t>('1' + random() % 9);
            out.insert(out.end(), {digit, '.', ' '});
        }
    }
    out.resize(kDataSize);
    return out;
}

// Fixed-size records with counters, small codes, slowly moving values and
// padding, broken up now and then by noise: a typical data file.
Bytes makeBinary() {
    std::mt19937 random(2);
    Bytes out;
    out.reserve(kDataSize + 64);
    std::uint32_t id = 1000;
    std::int32_t value = 0;
    while (out.size() < kDataSize) {
        if (random() % 64 == 0) {
            for (int i = 0; i < 48; ++i) out.push_back(static_cast<std::uint8_t>(random()));
            continue;
        }
        std::uint8_t record[24] = {};
        id += 1 + random() % 3;
        value += static_cast<std::int32_t>(random() % 33) - 16;
        const std::uint16_t code = static_cast<std::uint16_t>(random() % 12);
        std::memcpy(record, &id, 4);
        std::memcpy(record + 4, &code, 2);
        std::memcpy(record + 8, &value, 4);
        record[12] = static_cast<std::uint8_t>(random() % 4);
        out.insert(out.end(), record, record + sizeof record);
    }
    out.resize(kDataSize);
    return out;
}

const Bytes& input(int which) {
    static const Bytes text = makeText();
    static const Bytes binary = makeBinary();
    return which == 0 ? text : binary;
}

struct Codec {
    const char* name;
    std::size_t (*bound)(std::size_t);
    std::size_t (*compress)(const Bytes&, Bytes&);
    void (*decompress)(const Bytes&, Bytes&);
};

const Codec kCodecs[] = {
    {"lzrw1", velmora::tally::compressBound,
     [](const Bytes& in, Bytes& out) { return velmora::tally::compressInto(in, out); },
     [](const Bytes& in, Bytes& out) { velmora::tally::decompressInto(in, out); }},
    {"lz4", [](std::size_t n) { return static_cast<std::size_t>(LZ4_compressBound(static_cast<int>(n))); },
     [](const Bytes& in, Bytes& out) {
         return static_cast<std::size_t>(LZ4_compress_default(
             reinterpret_cast<const char*>(in.data()), reinterpret_cast<char*>(out.data()),
             static_cast<int>(in.size()), static_cast<int>(out.size())));
     },
     [](const Bytes& in, Bytes& out) {
         LZ4_decompress_safe(reinterpret_cast<const char*>(in.data()), reinterpret_cast<char*>(out.data()),
                             static_cast<int>(in.size()), static_cast<int>(out.size()));
     }},
    {"zlib1", [](std::size_t n) { return static_cast<std::size_t>(compressBound(n)); },
     [](const Bytes& in, Bytes& out) {
         uLongf len = out.size();
         compress2(out.data(), &len, in.data(), in.size(), 1);
         return static_cast<std::size_t>(len);
     },
     [](const Bytes& in, Bytes& out) {
         uLongf len = out.size();
         uncompress(out.data(), &len, in.data(), in.size());
     }},
};

const char* const kDataNames[] = {"text", "binary"};

Bytes packed(const Codec& codec, const Bytes& in) {
    Bytes out(codec.bound(in.size()));
    out.resize(codec.compress(in, out));
    Bytes back(in.size() + 64);
    codec.decompress(out, back);
    if (!std::equal(in.begin(), in.end(), back.begin())) {
        std::fprintf(stderr, "%s does not round-trip\n", codec.name);
        std::abort();
    }
    return out;
}

void compressBench(benchmark::State& state, const Codec& codec, int which) {
    const Bytes& in = input(which);
    Bytes out(codec.bound(in.size()));
    std::size_t size = 0;
    for (auto _ : state) {
        size = codec.compress(in, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * in.size()));
    state.counters["ratio"] = static_cast<double>(size) / static_cast<double>(in.size());
}

void decompressBench(benchmark::State& state, const Codec& codec, int which) {
    const Bytes& in = input(which);
    const Bytes small = packed(codec, in);
    Bytes out(in.size() + 64);
    for (auto _ : state) {
        codec.decompress(small, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * in.size()));
}

// Keeps every run's rate so the summary can set them side by side.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const auto rate = run.counters.find("bytes_per_second");
            if (rate == run.counters.end()) continue;
            const std::string name = run.benchmark_name();
            rates[name.substr(0, name.find("/min_time"))] = rate->second.value / 1e6;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void printSummary() const {
        std::printf("\n%-22s %10s %10s %10s %9s %9s\n", "MB/s", "lzrw1", "lz4", "zlib1", "lzrw1/lz4",
                    "zlib1/lz4");
        for (const char* op : {"compress", "decompress"}) {
            for (const char* data : kDataNames) {
                const std::string key = std::string(op) + "/" + data + "/";
                const double lzrw1 = rate(key + "lzrw1"), lz4 = rate(key + "lz4"), zlib = rate(key + "zlib1");
                std::printf("%-22s %10.1f %10.1f %10.1f %9.2f %9.2f\n", (key.substr(0, key.size() - 1)).c_str(),
                            lzrw1, lz4, zlib, lz4 > 0 ? lzrw1 / lz4 : 0.0, lz4 > 0 ? zlib / lz4 : 0.0);
            }
        }
    }

private:
    double rate(const std::string& name) const {
        const auto it = rates.find(name);
        return it == rates.end() ? 0.0 : it->second;
    }
    std::map<std::string, double> rates;
};

}  // namespace

int main(int argc, char** argv) {
    for (const char* op : {"compress", "decompress"}) {
        for (int which = 0; which < 2; ++which) {
            for (const Codec& codec : kCodecs) {
                const std::string name = std::string(op) + "/" + kDataNames[which] + "/" + codec.name;
                auto* run = std::strcmp(op, "compress") == 0 ? compressBench : decompressBench;
                benchmark::RegisterBenchmark(name.c_str(), run, codec, which)
                    ->Unit(benchmark::kMillisecond)
                    ->MinTime(1.0);
            }
        }
    }
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSummary();
    benchmark::Shutdown();
    return 0;
}
