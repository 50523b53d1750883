// The saved table's reader on any bytes: it refuses or accepts without harm,
// and what it accepts is a sound table of 108 cards that writes out and reads
// back as the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "host/tablefile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora::host;
    static SavedTable saved;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!readtable(bytes, saved).empty()) return 0;
    if (!checkcards(saved.table).empty()) std::abort();
    const std::string text = tabletext(saved.table, saved.tokens);
    static SavedTable again;
    if (!readtable(text, again).empty() || tabletext(again.table, again.tokens) != text) std::abort();
    return 0;
}
