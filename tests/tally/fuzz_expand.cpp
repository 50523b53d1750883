// libFuzzer entry for the expander: any bytes must give an error or data, and
// data that expands must survive a round trip.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "lzrw1_buffer.h"
#include "lzrw1_errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora::tally;
    std::vector<std::uint8_t> plain;
    try {
        plain = decompressBuffer({data, size});
    } catch (const ELzrw1Exception&) {
        return 0;
    }
    if (decompressBuffer(compressBuffer(plain)) != plain) std::abort();
    return 0;
}
