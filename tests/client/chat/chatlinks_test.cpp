#include <gtest/gtest.h>

#include "client/chat/chatlinks.h"
#include "support/printers.h"

namespace velmora::client {
namespace {

struct Case {
    const char* text;
    const char* pointAt;  // the pointer is over the first character of this
    const char* link;     // nullptr: no link there
};

// Words end at blanks and line breaks only; trailing characters other than
// "/", digits and letters are dropped; the link must outlast its prefix.
const Case kCases[] = {
    {"Ann chats: see www.example.com.", "example", "www.example.com"},
    {"www.", "www", nullptr},
    {"www.,", "www", nullptr},
    {"http://", "h", nullptr},
    {"mailto:", "m", nullptr},
    {"ftp://..", "f", nullptr},
    {"http://a.org?!", "h", "http://a.org"},
    {"ftp://host:21", "f", "ftp://host:21"},
    {"file:///tmp/x", "f", "file:///tmp/x"},
    {"gopher://g", "g", "gopher://g"},
    {"telnet://h)", "t", "telnet://h"},
    {"news:comp.lang", "n", "news:comp.lang"},
    {"mailto:ann@example.com!", "m", "mailto:ann@example.com"},
    {"go to www.x.org now please", "x.org", "www.x.org"},
    {"go to www.x.org now", "now", nullptr},
    {"http://a.b/c\rand", "a.b", "http://a.b/c"},
    {"http://a.b/c\tand", "a.b", "http://a.b/c\tand"},  // a tab is no word break
    {"http://x.org/?", "h", "http://x.org/"},
    {"(http://a.b/9),", "http", "http://a.b/9"},
    {"(http://a.b/9),", "(", nullptr},  // only the link's own characters
    {"(http://a.b/9),", ",", nullptr},
    {"www.Example.COM!!", "E", "www.Example.COM"},
    {"HTTP://Big.Org", "B", "HTTP://Big.Org"},
    {"Xwww.foo", "www", "www.foo"},
    {"www.a.com/http://b", "http", "http://b"},  // table order beats position
    {"www.a.com/http://b", "www", nullptr},
};

TEST(ChatLinks, FoundUnderThePointer) {
    for (const Case& c : kCases) {
        const QString text = QString::fromLatin1(c.text);
        const auto index = text.indexOf(QLatin1String(c.pointAt));
        ASSERT_GE(index, 0) << c.text;
        const auto link = linkAt(text, int(index));
        if (!c.link) {
            EXPECT_FALSE(link.has_value()) << c.text << " at " << c.pointAt;
            continue;
        }
        ASSERT_TRUE(link.has_value()) << c.text << " at " << c.pointAt;
        EXPECT_EQ(link->text, QString::fromLatin1(c.link)) << c.text;
        EXPECT_EQ(text.mid(link->start, link->length), link->text);
    }
}

TEST(ChatLinks, NothingOutsideTheTextOrOnABreak) {
    const QString text = QStringLiteral("a www.b.c\nd\u2029www.e.f");
    for (int index : {-1, 1, 9, 10, int(text.size())}) EXPECT_FALSE(linkAt(text, index)) << index;
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
}

}  // namespace
}  // namespace velmora::client
