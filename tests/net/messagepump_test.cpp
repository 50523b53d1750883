// The receive path end to end: loopback bytes into the pump, one line per tick.
#include "protocol/catalogue.h"
#include "net/messagepump.h"

#include <gtest/gtest.h>

#include "net/tsock.h"
#include "support/eventloop.h"

using namespace velmora::net;
using velmora::test::waitUntil;

namespace {

constexpr int kManual = 3600 * 1000;  // ticks only when the test calls tick()
const QByteArray T(1, '\xFF');

struct Wire : testing::Test {
    TSock listener;
    TSock client;
    TSock* accepted = nullptr;
    MessagePump pump{"", InboxLimits::host(), kManual};
    std::vector<std::string> handled;
    bool closed = false;

    void SetUp() override {
        for (auto name : velmora::kHostCommands)
            pump.dispatcher().add(std::string(name), [this, name](std::string_view p, ConnectionId) {
                handled.push_back(std::string(name) + "+" + std::string(p));
            });
        listener.SetPortName("0");
        QObject::connect(&listener, &TSock::OnAccept, [this](TSock* l) { l->Accept(accepted); });
        QObject::connect(&listener, &TSock::OnRead, [this](TSock* s) { pump.readFrom(s); });
        QObject::connect(&listener, &TSock::OnInfo, [this](TSock*, int, const QString& t) {
            if (t == "Socket Closed") closed = true;
        });
        listener.SetListen(true);
        client.SetHostName("127.0.0.1");
        client.SetPortName(QString::number(listener.LocalPort()));
        client.Open();
        ASSERT_TRUE(waitUntil([&] { return accepted && client.Connected(); }));
        pump.tick();  // the initial line
    }
    void waitForLines(std::size_t n) {
        ASSERT_TRUE(waitUntil([&] { return pump.queue().size() >= n; }));
    }
};

}  // namespace

TEST_F(Wire, ThreeMessagesInOneReadAreHandledOnThreeTicks) {
    client.Send("CMD_draw+2+" + T + "CMD_discard+2+5+" + T + "CMD_chat+2+Bo: a+b" + T);
    waitForLines(3);
    pump.tick();
    EXPECT_EQ(handled, std::vector<std::string>{"CMD_draw+2+"});
    pump.tick();
    pump.tick();
    EXPECT_EQ(handled, (std::vector<std::string>{"CMD_draw+2+", "CMD_discard+2+5+", "CMD_chat+2+Bo: a+b"}));
}

TEST_F(Wire, FullWithAndWithoutPlus) {
    MessagePump clientPump("receivedlist", InboxLimits::client(), kManual);
    int full = 0;
    clientPump.dispatcher().add("CMD_full", [&](std::string_view, ConnectionId) { ++full; });
    clientPump.receive(1, std::string("CMD_full+") + '\xFF' + "CMD_full" + '\xFF');
    for (int i = 0; i < 3; ++i) clientPump.tick();
    EXPECT_EQ(full, 1);
}

TEST_F(Wire, SplitMessageIsQueuedOnceWhenComplete) {
    client.Send("CMD_kick");
    ASSERT_TRUE(waitUntil([&] { return pump.inbox().pendingTail(accepted->Id()) == 8; }));
    EXPECT_TRUE(pump.queue().empty());
    client.Send("him+3+" + T);
    waitForLines(1);
    pump.tick();
    EXPECT_EQ(handled, std::vector<std::string>{"CMD_kickhim+3+"});
}

TEST_F(Wire, TerminatorInTypedTextStartsANewLine) {
    client.Send("CMD_chat+1+a" + T + "CMD_action+1+b" + T);
    waitForLines(2);
    pump.tick();
    pump.tick();
    EXPECT_EQ(handled, (std::vector<std::string>{"CMD_chat+1+a", "CMD_action+1+b"}));
}

TEST_F(Wire, OverlongMessageClosesTheConnection) {
    testing::internal::CaptureStderr();
    client.Send(QByteArray(3000, 'a') + T);
    ASSERT_TRUE(waitUntil([&] { return closed; }));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("closing connection"), std::string::npos);
    EXPECT_TRUE(pump.queue().empty());
    ASSERT_TRUE(waitUntil([&] { return !client.Connected(); }));
}

TEST_F(Wire, FloodOfShortMessagesClosesTheConnection) {
    testing::internal::CaptureStderr();
    QByteArray flood;
    for (int i = 0; i < 100; ++i) flood += "CMD_chat+1+spam" + T;
    client.Send(flood);
    ASSERT_TRUE(waitUntil([&] { return closed; }));
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(pump.queue().size(), 32u);
}

TEST(MessagePump, TimerStopsWhenIdleAndKeepsPacing) {
    MessagePump pump("", InboxLimits::host(), 0);
    int handled = 0;
    pump.dispatcher().add("CMD_draw", [&](std::string_view, ConnectionId) { ++handled; });
    EXPECT_TRUE(pump.ticking());  // the initial line waits for a tick
    ASSERT_TRUE(waitUntil([&] { return !pump.ticking(); }));
    pump.receive(1, std::string("CMD_draw+1+\xFF" "CMD_draw+1+\xFF"));
    EXPECT_TRUE(pump.ticking());
    EXPECT_EQ(handled, 0);  // nothing is handled inside the read event
    ASSERT_TRUE(waitUntil([&] { return handled == 2 && !pump.ticking(); }));
}
