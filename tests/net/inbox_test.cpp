#include "net/inbox.h"

#include <gtest/gtest.h>

#include "net/dispatcher.h"

using namespace velmora::net;

namespace {
std::vector<std::string> drain(MessageQueue& q, std::vector<ConnectionId>* from = nullptr) {
    std::vector<std::string> out;
    QueuedLine line;
    while (q.pop(line)) {
        out.push_back(line.text);
        if (from) from->push_back(line.from);
    }
    return out;
}
const std::string T(1, '\xFF');
}  // namespace

TEST(Inbox, InitialLineComesFirst) {
    Inbox host("", InboxLimits::host());
    Inbox client("receivedlist", InboxLimits::client());
    EXPECT_EQ(drain(host.queue()), std::vector<std::string>{""});
    EXPECT_EQ(drain(client.queue()), std::vector<std::string>{"receivedlist"});
}

TEST(Inbox, CutsAtTerminatorAndKeepsTheTail) {
    Inbox in("", {});
    drain(in.queue());
    ASSERT_TRUE(in.receive(1, "CMD_a+1+" + T + "CMD_b+" + T + "CMD_c+x" + T + "CMD_d"));
    EXPECT_EQ(in.pendingTail(1), 5u);
    EXPECT_EQ(drain(in.queue()), (std::vector<std::string>{"CMD_a+1+", "CMD_b+", "CMD_c+x"}));
    // The rest of a split message completes it on the next read.
    ASSERT_TRUE(in.receive(1, "+2+" + T));
    EXPECT_EQ(drain(in.queue()), std::vector<std::string>{"CMD_d+2+"});
    EXPECT_EQ(in.pendingTail(1), 0u);
}

TEST(Inbox, TwoTerminatorsGiveAnEmptyLine) {
    Inbox in("", {});
    drain(in.queue());
    in.receive(1, "CMD_logininfo+1+1.0.0+Ann+" + T + T);
    EXPECT_EQ(drain(in.queue()), (std::vector<std::string>{"CMD_logininfo+1+1.0.0+Ann+", ""}));
}

TEST(Inbox, TailsArePerConnectionAndLinesRememberTheirSender) {
    Inbox in("", {});
    drain(in.queue());
    in.receive(7, "CMD_a+");
    in.receive(9, "CMD_b+" + T);
    in.receive(7, "1+" + T);
    std::vector<ConnectionId> from;
    EXPECT_EQ(drain(in.queue(), &from), (std::vector<std::string>{"CMD_b+", "CMD_a+1+"}));
    EXPECT_EQ(from, (std::vector<ConnectionId>{9, 7}));
}

TEST(Inbox, ForgottenTailIsNeverDispatched) {
    Inbox in("", {});
    drain(in.queue());
    in.receive(3, "CMD_chat+3+half a mess");
    in.forget(3);
    in.receive(3, "age" + T);
    EXPECT_EQ(drain(in.queue()), std::vector<std::string>{"age"});
}

TEST(Inbox, HostLimitsStopFloodsWithoutQueueingBrokenMessages) {
    const InboxLimits limits = InboxLimits::host();
    {
        Inbox in("", limits);
        drain(in.queue());
        EXPECT_TRUE(in.receive(1, std::string(2048, 'a') + T));  // exactly at the cap
        EXPECT_FALSE(in.receive(1, std::string(2049, 'a') + T));
        EXPECT_EQ(in.queue().size(), 1u);
    }
    {
        Inbox in("", limits);
        EXPECT_TRUE(in.receive(1, std::string(2048, 'a')));
        EXPECT_FALSE(in.receive(1, "b"));  // a tail over the cap without terminator
        EXPECT_EQ(in.pendingTail(1), 0u);
    }
    {
        Inbox in("", limits);
        drain(in.queue());
        std::string burst;
        for (int i = 0; i < 33; ++i) burst += "CMD_chat+1+x" + T;
        EXPECT_FALSE(in.receive(1, burst));
        EXPECT_EQ(in.queue().countFrom(1), 32u);
        // Another connection is not held back by the flooder.
        EXPECT_TRUE(in.receive(2, "CMD_draw+2+" + T));
        // Once its lines are handled, a connection may send again.
        drain(in.queue());
        EXPECT_TRUE(in.receive(1, "CMD_chat+1+x" + T));
    }
}

TEST(CommandNames, EachSideListsItsCommandsInDispatchOrder) {
    ASSERT_EQ(kHostCommands.size(), 12u);
    ASSERT_EQ(kClientCommands.size(), 25u);
    EXPECT_EQ(kHostCommands.front(), "CMD_logininfo");
    EXPECT_EQ(kHostCommands.back(), "CMD_hitset");
    EXPECT_EQ(kClientCommands.front(), "CMD_sendlogininfo");
    EXPECT_EQ(kClientCommands.back(), "CMD_gamestats");
}
