#include "net/wire.h"

#include <charconv>

namespace velmora::wire {

InvalidInteger::InvalidInteger(std::string_view text)
    : std::runtime_error("'" + std::string(text) + "' is not a valid integer value"), text_(text) {}

int toInt(std::string_view text) {
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first == last || *first == '+') throw InvalidInteger(text);
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last) throw InvalidInteger(text);
    return value;
}

std::string_view FieldReader::next() {
    const auto plus = rest_.find('+');
    if (plus == std::string_view::npos) return {};
    std::string_view field = rest_.substr(0, plus);
    rest_.remove_prefix(plus + 1);
    return field;
}

SplitLine splitLine(std::string_view line) {
    const auto plus = line.find('+');
    if (plus == std::string_view::npos) return {{}, {}};
    return {line.substr(0, plus), line.substr(plus + 1)};
}

std::string stripTerminators(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != kTerminator) out += c;
    return out;
}

}  // namespace velmora::wire
