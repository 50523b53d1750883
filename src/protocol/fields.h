// Cutting a payload into fields and joining fields into a message: the one
// reader and the one writer every message uses. Plain C++.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace velmora::proto {

constexpr char kTerminator = '\xFF';

// Why a payload is not a message. Either a field that should be a number is
// not one (`notANumber` holds it as it came, unescaped), or a value the
// message cannot hold (`reason`, a fixed text such as "a seat outside 1..4").
struct Malformed {
    std::string reason;
    std::string notANumber;
    bool operator==(const Malformed&) const = default;
};

// Decimal text (an optional "-" then digits, within int range) to int;
// nothing for anything else.
std::optional<int> decimal(std::string_view text);

// Reads a payload's fields in order. The rule, the same for every message:
// a field runs to the next "+"; the last one may lack its "+", and a "+"
// that ends the payload adds no empty field; `rest` is everything not yet
// read and may itself contain "+". The first problem sticks: later reads
// give empty or zero values, and the message is dropped whole.
class FieldReader {
public:
    explicit FieldReader(std::string_view payload);

    bool ok() const { return !problem_; }
    // Some field is left to read (false once a problem is found).
    bool more() const { return ok() && !rest_.empty(); }
    std::string_view rest() const { return ok() ? rest_ : std::string_view(); }
    // Takes the rest: nothing is left to read after it.
    std::string_view takeRest();

    std::string_view text();
    // Any int: the receiver judges the value itself.
    int integer();
    // A number within [low, high]; anything else, a non-number included,
    // fails with `what`.
    int number(int low, int high, const char* what);

    // True while records of `size` fields remain; a payload whose remaining
    // fields do not divide into whole records fails.
    bool records(std::size_t size);
    void require(bool condition, const char* what) {
        if (!condition) fail(what);
    }
    void fail(std::string reason);
    void failNumber(std::string_view text);

    const std::optional<Malformed>& problem() const { return problem_; }

private:
    std::string_view rest_;
    std::size_t fieldsLeft_ = 0;   // counted once, so records() costs nothing
    std::optional<Malformed> problem_;
};

// Joins a command name and its fields with "+": FieldWriter("CMD_draw")
// .add(5).add("") gives "CMD_draw+5+". The sender adds the terminator.
class FieldWriter {
public:
    explicit FieldWriter(std::string_view name) : text_(name) {}
    FieldWriter& add(std::string_view s) { return sep(), text_ += s, *this; }
    FieldWriter& add(const char* s) { return add(std::string_view(s)); }
    FieldWriter& add(const std::string& s) { return add(std::string_view(s)); }
    FieldWriter& add(char c) { return sep(), text_ += c, *this; }
    FieldWriter& add(bool) = delete;   // a flag is spelt as the message wants it
    template <typename Int>
        requires std::is_integral_v<Int>
    FieldWriter& add(Int n) { return sep(), text_ += std::to_string(n), *this; }
    // A field ends with "+" though nothing follows: the designed layouts
    // that end with "+" write it with end().
    FieldWriter& end() { return add(std::string_view()); }
    const std::string& str() const& { return text_; }
    std::string str() && { return std::move(text_); }

private:
    void sep() { text_ += '+'; }
    std::string text_;
};

// What decoding a payload came to: the message, or why it was dropped.
template <typename Message>
class Decoded {
public:
    Decoded(Message message) : message_(std::move(message)) {}
    Decoded(Malformed problem) : problem_(std::move(problem)) {}

    explicit operator bool() const { return message_.has_value(); }
    const Message& operator*() const { return *message_; }
    const Message* operator->() const { return &*message_; }
    // Only when decoding failed.
    const Malformed& problem() const { return problem_; }

private:
    std::optional<Message> message_;
    Malformed problem_;
};

// Every message type has `kName`, `void write(FieldWriter&) const` and
// `static Message read(FieldReader&)`; these two are the only way in and out.
template <typename Message>
std::string encode(const Message& m) {
    FieldWriter w(Message::kName);
    m.write(w);
    return std::move(w).str();
}

template <typename Message>
Decoded<Message> decode(std::string_view payload) {
    FieldReader r(payload);
    Message m = Message::read(r);
    if (!r.ok()) return *r.problem();
    return m;
}

}  // namespace velmora::proto
