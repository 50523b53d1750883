#include "client/chat/chatlinks.h"

#include <array>

namespace velmora::client {

namespace {

// Searched in this order; the first one found anywhere in the word wins.
constexpr std::array<const char*, 8> kPrefixes{
    "http://", "ftp://", "file://", "gopher://", "telnet://", "news:", "mailto:", "www.",
};

bool endsWord(QChar c) {
    return c == u' ' || c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator ||
           c == QChar::LineSeparator;
}

// A link ends on "/", a digit or a letter; trailing punctuation is dropped.
bool mayEndLink(QChar lower) { return (lower >= u'/' && lower <= u'9') || (lower >= u'a' && lower <= u'z'); }

}  // namespace

std::optional<ChatLink> linkAt(const QString& text, int index) {
    if (index < 0 || index >= text.size() || endsWord(text[index])) return std::nullopt;
    int first = index;
    while (first > 0 && !endsWord(text[first - 1])) --first;
    int end = index + 1;
    while (end < text.size() && !endsWord(text[end])) ++end;

    const QString word = text.mid(first, end - first).toLower();
    for (const char* prefix : kPrefixes) {
        const qsizetype at = word.indexOf(QLatin1String(prefix));
        if (at < 0) continue;
        // The link runs to the end of its word, never on into the next words.
        qsizetype last = word.size();
        while (last > at && !mayEndLink(word[last - 1])) --last;
        const qsizetype length = last - at;
        if (length <= qsizetype(qstrlen(prefix))) return std::nullopt;
        const int start = first + int(at);
        // Only the link's own characters count as "over the link".
        if (index < start || index >= start + length) return std::nullopt;
        return ChatLink{start, int(length), text.mid(start, length)};
    }
    return std::nullopt;
}

QUrl linkUrl(const QString& linkText) {
    if (linkText.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("http://") + linkText, QUrl::TolerantMode);
    return QUrl(linkText, QUrl::TolerantMode);
}

}  // namespace velmora::client
