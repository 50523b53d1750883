// Texts a player reads that are made below Qt (stage names, play errors, the
// table's status and chat notices). They are written in English and passed
// through `i18n::translate(context, text)`, which the program points at its
// installed translation (lupdate reads these calls as it reads Qt's own); a
// table of texts marks its entries with VELMORA_TRANSLATE_NOOP instead and
// translates where the entry is shown. Without a translation installed (tests,
// the host) every text stays as written. Never used for what goes over the
// wire or into the settings or tally files.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text in a table for lupdate (as QT_TRANSLATE_NOOP); gives the text.
#define VELMORA_TRANSLATE_NOOP(context, text) text

namespace velmora::i18n {

// Gives the text in the player's language as UTF-8.
using Lookup = std::string (*)(const char* context, const char* text);

inline Lookup& lookup() {
    static Lookup installed = nullptr;
    return installed;
}

inline std::string translate(const char* context, const char* text) {
    return lookup() ? lookup()(context, text) : std::string(text);
}

// Puts args in place of %1..%9, so that a translation may order them freely.
inline std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(pattern.size() + 16);
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9' &&
            size_t(pattern[i + 1] - '1') < args.size()) {
            out += *(args.begin() + (pattern[i + 1] - '1'));
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace velmora::i18n
