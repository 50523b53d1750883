#include "net/dispatcher.h"
#include "protocol/catalogue.h"

#include <gtest/gtest.h>

#include "net/wire.h"

using namespace velmora::net;

namespace {
struct Recorder {
    Dispatcher d;
    std::vector<std::string> calls;
    Recorder() {
        for (auto name : velmora::kHostCommands)
            d.add(std::string(name), [this, name](std::string_view payload, ConnectionId from) {
                calls.push_back(std::string(name) + "|" + std::string(payload) + "|" + std::to_string(from));
            });
    }
    void run(const std::string& line, ConnectionId from = 0) { d.dispatch({line, from}); }
};
}  // namespace

TEST(Dispatcher, CallsTheHandlerOfTheExactName) {
    Recorder r;
    r.run("CMD_chat+1+Ann: 2+2=4", 5);
    r.run("CMD_chatter+1+x");  // merely begins with CMD_chat
    r.run("cmd_chat+1+x");     // wrong case
    r.run("CMD_nosuch+1+");
    ASSERT_EQ(r.calls.size(), 1u);
    EXPECT_EQ(r.calls[0], "CMD_chat|1+Ann: 2+2=4|5");
}

TEST(Dispatcher, DropsEmptyNamesAndBrokenHalves) {
    Recorder r;
    for (const char* line : {"", "CMD_full", "no plus here", "2+CMD_draw+", "+payload"}) r.run(line);
    EXPECT_TRUE(r.calls.empty());
}

TEST(Dispatcher, OneLinePerCallConnectionsInTurn) {
    Recorder r;
    MessageQueue q("");
    q.push("CMD_draw+1+", 1);
    q.push("CMD_discard+1+3+", 1);
    q.push("CMD_draw+2+", 2);
    EXPECT_TRUE(r.d.dispatchOne(q));  // the initial empty line
    EXPECT_TRUE(r.calls.empty());
    EXPECT_TRUE(r.d.dispatchOne(q));
    EXPECT_EQ(r.calls.size(), 1u);
    EXPECT_TRUE(r.d.dispatchOne(q));
    EXPECT_TRUE(r.d.dispatchOne(q));
    EXPECT_FALSE(r.d.dispatchOne(q));
    EXPECT_EQ(r.calls, (std::vector<std::string>{"CMD_draw|1+|1", "CMD_draw|2+|2", "CMD_discard|1+3+|1"}));
}

TEST(Dispatcher, MalformedNumberStopsTheHandlerAndIsReported) {
    Dispatcher d;
    int before = 0, after = 0, next = 0;
    d.add("CMD_draw", [&](std::string_view payload, ConnectionId) {
        velmora::wire::FieldReader f(payload);
        ++before;
        f.nextInt();
        ++after;
    });
    d.add("CMD_kickhim", [&](std::string_view, ConnectionId) { ++next; });
    std::vector<std::string> reports;
    d.setReporter([&](ConnectionId from, std::string_view command, std::string_view problem) {
        reports.push_back(std::to_string(from) + " " + std::string(command) + ": " + std::string(problem));
    });
    d.dispatch({"CMD_draw+x+", 1});
    d.dispatch({"CMD_kickhim+2+", 1});
    // Peer text is escaped: a newline cannot start a forged line.
    d.dispatch({"CMD_draw+7\nvelmora host: place 1: owns the table+", 3});
    EXPECT_EQ(reports, (std::vector<std::string>{
                           "1 CMD_draw: 'x' is not a valid integer value",
                           "3 CMD_draw: '7\\x0avelmora host: place 1: owns the table' is not a valid integer value"}));
    EXPECT_EQ(before, 2);
    EXPECT_EQ(after, 0);
    EXPECT_EQ(next, 1);

    // Without a reporter the line goes to standard error, stamped with the time.
    Dispatcher plain;
    plain.add("CMD_draw", [](std::string_view payload, ConnectionId) { velmora::wire::toInt(payload); });
    testing::internal::CaptureStderr();
    plain.dispatch({"CMD_draw+x\x1b[2J", 9});
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(" velmora: CMD_draw: 'x\\x1b[2J' is not a valid integer value\n"), std::string::npos) << err;
    EXPECT_EQ(err.find('\x1b'), std::string::npos);
}

TEST(Dispatcher, ATypedHandlerGetsWholeMessagesOnly) {
    Dispatcher d;
    std::vector<int> slots;
    d.on<velmora::proto::request::Discard>(
        [&](const velmora::proto::request::Discard& m, ConnectionId) { slots.push_back(m.slot); });
    std::vector<std::string> reports;
    d.setReporter([&](ConnectionId, std::string_view command, std::string_view problem) {
        reports.push_back(std::string(command) + ": " + std::string(problem));
    });
    d.dispatch({"CMD_discard+1+7+", 1});
    d.dispatch({"CMD_discard+1+x\n+", 1});
    d.dispatch({"CMD_discard+1", 1});
    EXPECT_EQ(slots, std::vector<int>{7});
    EXPECT_EQ(reports, (std::vector<std::string>{"CMD_discard: 'x\\x0a' is not a valid integer value: 1+x\\x0a+",
                                                 "CMD_discard: a field is missing: 1"}));
}

TEST(Dispatcher, AnyHandlerFaultIsContained) {
    Dispatcher d;
    d.add("CMD_draw", [](std::string_view, ConnectionId) { throw std::out_of_range("slot 12"); });
    testing::internal::CaptureStderr();
    d.dispatch({"CMD_draw+1+", 1});
    EXPECT_NE(testing::internal::GetCapturedStderr().find("slot 12"), std::string::npos);
}
