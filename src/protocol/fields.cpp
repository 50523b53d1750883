#include "protocol/fields.h"

#include <charconv>

namespace velmora::proto {

std::optional<int> decimal(std::string_view text) {
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first == last || *first == '+') return std::nullopt;
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last) return std::nullopt;
    return value;
}

FieldReader::FieldReader(std::string_view payload) : rest_(payload) {
    for (std::string_view r = rest_; !r.empty(); ++fieldsLeft_) {
        const auto plus = r.find('+');
        r = plus == std::string_view::npos ? std::string_view() : r.substr(plus + 1);
    }
}

std::string_view FieldReader::takeRest() {
    const std::string_view out = rest();
    rest_ = {};
    fieldsLeft_ = 0;
    return out;
}

std::string_view FieldReader::text() {
    if (!more()) {
        fail("a field is missing");
        return {};
    }
    const auto plus = rest_.find('+');
    const std::string_view field = rest_.substr(0, plus);
    rest_ = plus == std::string_view::npos ? std::string_view() : rest_.substr(plus + 1);
    --fieldsLeft_;
    return field;
}

int FieldReader::integer() {
    const std::string_view t = text();
    if (!ok()) return 0;
    const auto value = decimal(t);
    if (!value) failNumber(t);
    return value.value_or(0);
}

int FieldReader::number(int low, int high, const char* what) {
    const std::string_view t = text();
    if (!ok()) return 0;
    const auto value = decimal(t);
    if (!value || *value < low || *value > high) {
        fail(what);
        return 0;
    }
    return *value;
}

bool FieldReader::records(std::size_t size) {
    if (!more()) return false;
    if (fieldsLeft_ % size != 0) {
        fail("a record is cut short");
        return false;
    }
    return true;
}

void FieldReader::fail(std::string reason) {
    if (!problem_) problem_ = Malformed{std::move(reason), {}};
}

void FieldReader::failNumber(std::string_view text) {
    if (!problem_) problem_ = Malformed{{}, std::string(text)};
}

}  // namespace velmora::proto
