// Table announcements: the exact datagram, strangers' datagrams refused
// field by field, and the finder's list bounded in rate, tables and time.
#include "net/announcement.h"

#include <gtest/gtest.h>

using namespace velmora::net;
using namespace std::chrono_literals;

namespace {

TableAnnouncement table(std::string name, int port) { return {std::move(name), port, 2, 1, true, "1.0.0"}; }

}  // namespace

TEST(Announcement, IsOneTabSeparatedLineAndReadsBack) {
    EXPECT_EQ(formatAnnouncement(table("Ann's table", 7772)), "velmora-table/1\t7772\t2\t1\t1\t1.0.0\tAnn's table");
    // A name cannot break the line or the fields, nor grow the datagram.
    const std::string sent = formatAnnouncement(table("a\tb\nc" + std::string(100, 'x'), 7000));
    EXPECT_EQ(sent, "velmora-table/1\t7000\t2\t1\t1\t1.0.0\ta b c" + std::string(35, 'x'));
    const auto back = parseAnnouncement(sent);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->name, "a b c" + std::string(35, 'x'));
    EXPECT_EQ(back->port, 7000);
    EXPECT_EQ(back->seats, 2);
    EXPECT_EQ(back->spectators, 1);
    EXPECT_TRUE(back->gameOn);
    EXPECT_EQ(back->version, "1.0.0");
}

TEST(Announcement, StrangersDatagramsAreRefused) {
    for (const std::string& bad : std::initializer_list<std::string>{
             "", "velmora-table/1", "velmora-table/2\t7772\t0\t0\t0\t1.0.0\tT",
             "velmora-table/1\t7772\t0\t0\t0\t1.0.0",             // a field short
             "velmora-table/1\t7772\t0\t0\t0\t1.0.0\tT\textra",   // a field over
             "velmora-table/1\t0\t0\t0\t0\t1.0.0\tT",             // port 0
             "velmora-table/1\t65536\t0\t0\t0\t1.0.0\tT",
             "velmora-table/1\t7772\t5\t0\t0\t1.0.0\tT",          // five seats
             "velmora-table/1\t7772\t0\t6\t0\t1.0.0\tT",          // six spectators
             "velmora-table/1\t7772\t-1\t0\t0\t1.0.0\tT",
             "velmora-table/1\t7772\t0\t0\t2\t1.0.0\tT",
             "velmora-table/1\t7772 \t0\t0\t0\t1.0.0\tT",
             "velmora-table/1\t7772\t0\t0\t0\t\tT",               // no version
             "velmora-table/1\t7772\t0\t0\t0\t1.0.0\t",           // no name
             "velmora-table/1\t7772\t0\t0\t0\t1.0.0\tT\x1b[2J",   // control bytes
             "velmora-table/1\t7772\t0\t0\t0\t1.0.0\t" + std::string(41, 'n'),
             "velmora-table/1\t7772\t0\t0\t0\t" + std::string(17, '1') + "\tT",
         })
        EXPECT_FALSE(parseAnnouncement(bad)) << bad;
    std::string huge = formatAnnouncement(table("T", 1));
    huge.resize(kMaxAnnouncementBytes + 1, ' ');
    EXPECT_FALSE(parseAnnouncement(huge));
}

TEST(TableBook, ListsBoundsAndForgetsTables) {
    TableBook book;
    const auto t0 = TableBook::Clock::time_point{} + 1h;
    FoundTable heard;
    EXPECT_EQ(book.hear("10.0.0.2", formatAnnouncement(table("A", 7772)), t0, &heard), TableBook::Heard::New);
    EXPECT_EQ(heard.address, "10.0.0.2");
    EXPECT_EQ(book.hear("10.0.0.2", formatAnnouncement(table("A", 7772)), t0, &heard), TableBook::Heard::Known);
    auto moved = table("A", 7772);
    moved.seats = 3;
    EXPECT_EQ(book.hear("10.0.0.2", formatAnnouncement(moved), t0), TableBook::Heard::Changed);
    EXPECT_EQ(book.hear("10.0.0.2", "garbage", t0), TableBook::Heard::Malformed);

    // One sender's tables are capped, and so is the rate of its datagrams.
    for (int port = 1; port < int(TableBook::kMaxTablesPerSender); ++port)
        EXPECT_EQ(book.hear("10.0.0.2", formatAnnouncement(table("B", port)), t0), TableBook::Heard::New);
    EXPECT_EQ(book.hear("10.0.0.2", formatAnnouncement(table("C", 9000)), t0), TableBook::Heard::Full);
    int heardInSecond = 4 + int(TableBook::kMaxTablesPerSender);  // datagrams from 10.0.0.2 so far
    for (; heardInSecond < TableBook::kDatagramsPerSecond; ++heardInSecond)
        book.hear("10.0.0.2", formatAnnouncement(moved), t0);
    EXPECT_EQ(book.hear("10.0.0.2", formatAnnouncement(moved), t0), TableBook::Heard::TooFast);
    EXPECT_EQ(book.hear("10.0.0.3", formatAnnouncement(table("D", 7772)), t0), TableBook::Heard::New);
    EXPECT_EQ(book.hear("10.0.0.2", formatAnnouncement(moved), t0 + 1s), TableBook::Heard::Known);

    // The whole list is capped too.
    for (int sender = 4; book.tables().size() < TableBook::kMaxTables; ++sender)
        book.hear("10.0.1." + std::to_string(sender), formatAnnouncement(table("E", 1)), t0 + 2s);
    EXPECT_EQ(book.hear("10.0.2.1", formatAnnouncement(table("F", 1)), t0 + 2s), TableBook::Heard::Full);

    // Tables not heard for a while go; those heard lately stay.
    EXPECT_FALSE(book.forget(t0 + 6s));
    book.hear("10.0.0.3", formatAnnouncement(table("D", 7772)), t0 + 6s);
    EXPECT_TRUE(book.forget(t0 + 2s + TableBook::kForgetAfter));
    ASSERT_EQ(book.tables().size(), 1u);
    EXPECT_EQ(book.tables()[0].table.name, "D");
}
