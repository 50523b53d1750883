#include "net/diagnostics.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace velmora::net;

TEST(EscapeForLog, ControlBytesCannotForgeLinesOrReachTheTerminal) {
    EXPECT_EQ(escapeForLog("Ann says: hi"), "Ann says: hi");
    EXPECT_EQ(escapeForLog("a\nb\r\x1b[31m\\"), "a\\x0ab\\x0d\\x1b[31m\\\\");
    EXPECT_EQ(escapeForLog("\x7f\xff\xc3\xa9"), "\\x7f\\xff\\xc3\\xa9");
    EXPECT_EQ(escapeForLog(std::string(80, 'x')), std::string(80, 'x'));
    EXPECT_EQ(escapeForLog(std::string(81, 'x')), std::string(80, 'x') + "...");
    // An escape is never cut in half.
    EXPECT_EQ(escapeForLog(std::string(78, 'x') + "\n"), std::string(78, 'x') + "...");
}

namespace {
struct Log : testing::Test {
    std::ostringstream out;
    DiagnosticLog log{out, "velmora host"};
    std::int64_t ms = 1'796'601'600'000;  // 2026-12-07 00:00:00 UTC
    void SetUp() override {
        log.setClock([this] { return DiagnosticLog::Clock::time_point(std::chrono::milliseconds(ms)); });
    }
    std::vector<std::string> lines() const {
        std::vector<std::string> v;
        std::istringstream in(out.str());
        for (std::string l; std::getline(in, l);) v.push_back(l);
        return v;
    }
};
}  // namespace

TEST_F(Log, OneStampedLinePerEvent) {
    ms += 61'250;
    log.write(4, "place 2", "left: too many messages queued");
    log.write(0, "", "refused 127.0.0.1: the table is full");
    EXPECT_EQ(lines(), (std::vector<std::string>{
                           "2026-12-07 00:01:01.250 velmora host: place 2: left: too many messages queued",
                           "2026-12-07 00:01:01.250 velmora host: refused 127.0.0.1: the table is full"}));
}

TEST_F(Log, EachSourceGetsAFewLinesASecondAndTheRestIsCounted) {
    for (int i = 0; i < 12; ++i) log.write(7, "place 3", "CMD_chat: bad " + std::to_string(i));
    log.write(8, "place 4", "CMD_draw: bad");  // another source is not held back
    EXPECT_EQ(lines().size(), 6u);
    ms += 1000;
    log.write(7, "place 3", "CMD_chat: bad again");
    auto v = lines();
    ASSERT_EQ(v.size(), 8u);
    EXPECT_NE(v[6].find("place 3: \u2026 7 more suppressed"), std::string::npos) << v[6];
    EXPECT_NE(v[7].find("place 3: CMD_chat: bad again"), std::string::npos);
    // A departed source's count is told at once, and its last word whatever its budget.
    for (int i = 0; i < 9; ++i) log.write(7, "place 3", "x");
    log.farewell(7, "place 3", "left: closed by the peer");
    v = lines();
    EXPECT_NE(v[v.size() - 2].find("place 3: \u2026 5 more suppressed"), std::string::npos);
    EXPECT_NE(v.back().find("place 3: left: closed by the peer"), std::string::npos);
}

TEST_F(Log, AllSourcesTogetherAreBoundedToo) {
    for (std::uint64_t source = 1; source <= 100; ++source) log.write(source, "", "hello");
    EXPECT_EQ(lines().size(), static_cast<std::size_t>(DiagnosticLog::kAllPerSecond));
    ms += 1000;
    log.write(1, "", "hello");
    EXPECT_NE(lines()[DiagnosticLog::kAllPerSecond].find("all: \u2026 60 more suppressed"), std::string::npos);
}

// --log-format json: each line is one object a log shipper can read, the
// place a number, and no text (quote, backslash, control byte) breaks it.
TEST_F(Log, JsonFormatWritesOneObjectPerLine) {
    setLogFormat(LogFormat::json);
    ms += 61'250;
    log.write(4, "place 2", "left: \"too\" many\\ \x01", LogLevel::warning);
    log.write(0, "autosave", "removed 1 temporary file(s)");
    operatorLine(out, "velmora", "cannot resume x");
    setLogFormat(LogFormat::text);
    const auto got = lines();
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0], R"j({"time":"2026-12-07T00:01:01.250Z","level":"warning","place":2,)j"
                      R"j("event":"left: \"too\" many\\ \u0001","fields":{"program":"velmora host"}})j");
    EXPECT_EQ(got[1], R"j({"time":"2026-12-07T00:01:01.250Z","level":"info","place":null,)j"
                      R"j("event":"removed 1 temporary file(s)","fields":{"program":"velmora host","who":"autosave"}})j");
    const std::string end = R"j(Z","level":"error","place":null,"event":"cannot resume x","fields":{"program":"velmora"}})j";
    EXPECT_EQ(got[2].substr(got[2].size() - end.size()), end);
}
