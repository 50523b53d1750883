// velmora-lzrw1: compresses or restores one file in the tally's store format,
// so a person can look inside a tally file or rebuild one.
#include <cstdio>
#include <exception>
#include <string_view>

#include "lzrw1.h"

namespace {

int usage() {
    std::fputs("usage: velmora-lzrw1 compress|decompress INPUT OUTPUT\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return usage();
    const std::string_view command = argv[1];
    if (command != "compress" && command != "decompress") return usage();
    velmora::tally::Tlzrw1 store;
    store.CompressMode = velmora::tally::TCompressMode::Fast;
    store.InputFile = argv[2];
    store.OutputFile = argv[3];
    try {
        const auto written = command == "compress" ? store.Compress() : store.Decompress();
        std::printf("%lld bytes written to %s\n", static_cast<long long>(written), argv[3]);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
