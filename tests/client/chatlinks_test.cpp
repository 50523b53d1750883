#include <gtest/gtest.h>

#include "client/chatlinks.h"
#include "client/printers.h"

namespace velmora::client {
namespace {

// The link found when pointing at the first character of `at` in `text`.
std::optional<QString> linkOver(const QString& text, const QString& at) {
    const auto index = text.indexOf(at);
    EXPECT_GE(index, 0) << at.toStdString();
    const auto link = linkAt(text, int(index));
    if (!link) return std::nullopt;
    EXPECT_EQ(text.mid(link->start, link->length), link->text);
    return link->text;
}

TEST(ChatLinks, WwwWordEndingInFullStopLosesTheFullStop) {
    EXPECT_EQ(linkOver("Ann chats: see www.example.com.", "example"), "www.example.com");
    EXPECT_EQ(linkOver("www.a.", "www"), "www.a");
}

TEST(ChatLinks, BarePrefixesAreNoLinks) {
    for (const char* bare : {"www.", "www.,", "http://", "mailto:", "news:", "ftp://..", "telnet://!"})
        EXPECT_FALSE(linkAt(QString::fromLatin1(bare), 0).has_value()) << bare;
}

TEST(ChatLinks, EveryPrefixMakesALink) {
    for (const char* link : {"http://a.org", "ftp://host:21", "file:///tmp/x", "gopher://g", "telnet://h",
                             "news:comp.lang", "mailto:ann@example.com", "www.x9"})
        EXPECT_EQ(linkOver(QString::fromLatin1(link) + "?!", QString::fromLatin1(link).left(1)),
                  QString::fromLatin1(link));
}

TEST(ChatLinks, LinkStopsAtTheEndOfItsWord) {
    EXPECT_EQ(linkOver("go to www.x.org now please", "x.org"), "www.x.org");
    EXPECT_EQ(linkOver("http://a.b/c\rand", "a.b"), "http://a.b/c");
    EXPECT_EQ(linkOver("http://a.b/c\tand", "a.b"), "http://a.b/c\tand");  // a tab is no word break
    EXPECT_FALSE(linkOver("go to www.x.org now", "now").has_value());
}

TEST(ChatLinks, TrimsTrailingPunctuationButKeepsSlashDigitsLetters) {
    EXPECT_EQ(linkOver("http://x.org/?", "http"), "http://x.org/");
    EXPECT_EQ(linkOver("(http://a.b/c)", "http"), "http://a.b/c");
    EXPECT_EQ(linkOver("http://a.b/9),", "http"), "http://a.b/9");
    EXPECT_EQ(linkOver("www.Example.COM!!", "www"), "www.Example.COM");  // case kept
}

TEST(ChatLinks, OnlyTheLinkCharactersAreOverTheLink) {
    const QString text = "(http://a.b/c)";
    EXPECT_FALSE(linkAt(text, 0).has_value());
    EXPECT_FALSE(linkAt(text, int(text.size()) - 1).has_value());
    EXPECT_TRUE(linkAt(text, 1).has_value());
    EXPECT_TRUE(linkAt(text, int(text.size()) - 2).has_value());
}

TEST(ChatLinks, PrefixAnywhereInTheWordAndTableOrderDecides) {
    EXPECT_EQ(linkOver("Xwww.foo", "www"), "www.foo");
    // "http://" comes before "www." in the table even though it starts later.
    EXPECT_EQ(linkOver("www.a.com/http://b", "http"), "http://b");
    EXPECT_FALSE(linkOver("www.a.com/http://b", "www").has_value());
    EXPECT_EQ(linkOver("HTTP://Big.Org", "Big"), "HTTP://Big.Org");
}

TEST(ChatLinks, NothingOutsideTheTextOrOnABreak) {
    const QString text = QStringLiteral("a www.b.c\nd\u2029www.e.f");
    EXPECT_FALSE(linkAt(text, -1).has_value());
    EXPECT_FALSE(linkAt(text, int(text.size())).has_value());
    EXPECT_FALSE(linkAt(text, 1).has_value());  // the blank
    EXPECT_FALSE(linkAt(text, 9).has_value());  // the line feed
    EXPECT_FALSE(linkAt(text, 10).has_value());
    const auto last = linkAt(text, 12);
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(last->start, 12);
    EXPECT_EQ(last->text, "www.e.f");
}

TEST(ChatLinks, OnlyWwwGetsAScheme) {
    EXPECT_EQ(linkUrl("www.example.com"), QUrl("http://www.example.com"));
    EXPECT_EQ(linkUrl("WWW.Example.com"), QUrl("http://WWW.Example.com"));
    EXPECT_EQ(linkUrl("http://x.org/a"), QUrl("http://x.org/a"));
    EXPECT_EQ(linkUrl("mailto:ann@example.com"), QUrl("mailto:ann@example.com"));
    EXPECT_EQ(linkUrl("news:comp.lang").scheme(), "news");
}

}  // namespace
}  // namespace velmora::client
