// The text message format shared by host and clients: "CMD_name+field+field",
// ended on the wire by byte 255. Plain C++ so the host's rules can use it
// without Qt.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "game/protocol.h"  // the command names messages are built with

namespace velmora::wire {

constexpr char kTerminator = '\xFF';

// Raised by toInt for a field that is not a decimal number. The dispatcher
// catches it, reports what() on standard error and goes on with the next line.
class InvalidInteger : public std::runtime_error {
public:
    explicit InvalidInteger(std::string_view text);
    // The offending field as it came, unescaped.
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// Decimal text (an optional "-" then digits, within int range) to int.
int toInt(std::string_view text);

namespace detail {
inline void appendField(std::string& out, std::string_view s) { out += s; }
inline void appendField(std::string& out, const char* s) { out += s; }
inline void appendField(std::string& out, const std::string& s) { out += s; }
inline void appendField(std::string& out, char c) { out += c; }
template <typename Int>
    requires std::is_integral_v<Int>
void appendField(std::string& out, Int n) { out += std::to_string(n); }
}  // namespace detail

// Joins a command name and its fields with "+": message("CMD_draw", 5, "")
// gives "CMD_draw+5+". An empty last field gives the trailing "+" that many
// layouts need. The terminator is added by the sender, not here.
template <typename... Fields>
std::string message(std::string_view name, const Fields&... fields) {
    std::string out(name);
    ((out += '+', detail::appendField(out, fields)), ...);
    return out;
}

// Builds a message whose field count is only known at run time.
class MessageBuilder {
public:
    explicit MessageBuilder(std::string_view name) : text_(name) {}
    template <typename Field>
    MessageBuilder& add(const Field& f) {
        text_ += '+';
        detail::appendField(text_, f);
        return *this;
    }
    const std::string& str() const { return text_; }

private:
    std::string text_;
};

// Cuts a payload into fields at "+". A field missing its "+" reads as empty
// and leaves the rest untouched, so a number read from it raises InvalidInteger.
class FieldReader {
public:
    explicit FieldReader(std::string_view payload) : rest_(payload) {}
    std::string_view next();
    int nextInt() { return toInt(next()); }
    // Everything not yet read; may itself contain "+".
    std::string_view rest() const { return rest_; }
    bool atEnd() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

// Splits a queue line at its first "+": the name before, the payload after.
// A line without "+" has an empty name.
struct SplitLine {
    std::string_view name;
    std::string_view payload;
};
SplitLine splitLine(std::string_view line);

// Replaces byte 255 in text a person typed, which the format cannot carry.
std::string stripTerminators(std::string_view text);

}  // namespace velmora::wire
