#include "lzrw1_errors.h"

namespace velmora::tally::errors {

namespace {
std::string join(std::string_view a, std::string_view b, std::string_view c = {}) {
    std::string text(a);
    text += b;
    text += c;
    return text;
}
}  // namespace

std::string noHashMemory() { return "LZRW1KH : no memory for HASH table"; }

std::string noBufferMemory() {
    return "Lzrw1 (de)compression : Failed to get memory for I/O buffers !";
}

std::string noInputSize(std::string_view input) {
    return join("Lzrw1 compression : Failed to obtain the size of : ", input);
}

std::string openInput(std::string_view input) {
    return join("Lzrw1 (de)compression : Failed to open input file : ", input);
}

std::string openOutput(std::string_view output) {
    return join("Lzrw1 (de)compression : Failed to open output file : ", output);
}

std::string readCompressing(std::string_view input) {
    return join("Lzrw1 : Error reading from input file : ", input, " (LZRW1/KH)");
}

std::string readExpanding(std::string_view input) {
    return join("Lzrw1 : Error reading from input file : ", input);
}

std::string writeFailed(std::string_view output) {
    return join("Lzrw1 : Error writing to output file : ", output);
}

std::string badHeader(std::string_view input) {
    return join(input, " : Lzrw1 decompression : this file has no valid header !");
}

std::string sizeMismatch() {
    return "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";
}

}  // namespace velmora::tally::errors
