// The tally's text and its stored file. Whatever a text yields must write
// out and read back as the same tally; a stored file of any bytes loads
// (perhaps as damaged) without harm.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "tally.h"
#include "tallyfile.h"

namespace {

// A file of this process's own in the temporary folder.
const std::string& storedPath() {
    static const std::string path = [] {
        char dir[] = "/tmp/velmora-fuzz-tally-XXXXXX";
        if (!mkdtemp(dir)) std::abort();
        return std::string(dir) + "/tally.lzw";
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using velmora::tally::Tally;
    using velmora::tally::TallyFile;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const auto parsed = Tally::fromText(bytes);
    const std::string text = parsed.tally.text();
    const auto again = Tally::fromText(text);
    if (!again.problem.empty() || again.tally.text() != text) std::abort();

    {
        std::ofstream out(storedPath(), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    TallyFile file(storedPath());
    const auto loaded = file.load();
    (void)loaded.tally.text();
    return 0;
}
