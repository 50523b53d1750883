// velmora-lzrw1: compresses or restores one file in the tally's store format,
// so a person can look inside a tally file or rebuild one.
#include <cstdio>
#include <exception>
#include <string_view>

#include "lzrw1.h"

namespace {

// VELMORA_VERSION comes from the project version (packaging/CMakeLists.txt):
// the store stands below the generated header's folder.

constexpr const char* kUsage =
    "usage: velmora-lzrw1 compress|decompress INPUT OUTPUT\n"
    "Compresses a file into the tally's LZRW1 store format, or restores one.\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n";

int usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

// --help and --version answer alone; any other dashed word is a mistake
// (a file whose name begins with a dash is given as ./-name).
int options(int argc, char** argv) {
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (argc == 2 && first == "--help") return std::fputs(kUsage, stdout), 0;
    if (argc == 2 && first == "--version") return std::puts("velmora-lzrw1 " VELMORA_VERSION), 0;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-' && argv[i][1] != '\0') {
            std::fprintf(stderr, "velmora-lzrw1: unknown option '%s'\n", argv[i]);
            return usage();
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (const int code = options(argc, argv); code >= 0) return code;
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
