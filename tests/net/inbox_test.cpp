#include "net/inbox.h"
#include "protocol/catalogue.h"

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
    ASSERT_EQ(in.receive(1, "CMD_a+1+" + T + "CMD_b+" + T + "CMD_c+x" + T + "CMD_d"), Refusal::none);
    EXPECT_EQ(in.pendingTail(1), 5u);
    EXPECT_EQ(drain(in.queue()), (std::vector<std::string>{"CMD_a+1+", "CMD_b+", "CMD_c+x"}));
    // The rest of a split message completes it on the next read.
    ASSERT_EQ(in.receive(1, "+2+" + T), Refusal::none);
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
        EXPECT_EQ(in.receive(1, std::string(2048, 'a') + T), Refusal::none);  // exactly at the cap
        EXPECT_EQ(in.receive(1, std::string(2049, 'a') + T), Refusal::messageTooLong);
        EXPECT_EQ(in.queue().size(), 1u);
    }
    {
        Inbox in("", limits);
        EXPECT_EQ(in.receive(1, std::string(2048, 'a')), Refusal::none);
        EXPECT_EQ(in.receive(1, "b"), Refusal::tailTooLong);  // over the cap without terminator
        EXPECT_EQ(in.pendingTail(1), 0u);
    }
    {
        Inbox in("", limits);
        drain(in.queue());
        std::string burst;
        for (int i = 0; i < 33; ++i) burst += "CMD_chat+1+x" + T;
        EXPECT_EQ(in.receive(1, burst), Refusal::tooManyQueued);
        EXPECT_EQ(in.queue().countFrom(1), 32u);
        // Another connection is not held back by the flooder.
        EXPECT_EQ(in.receive(2, "CMD_draw+2+" + T), Refusal::none);
        // Once its lines are handled, a connection may send again.
        drain(in.queue());
        EXPECT_EQ(in.receive(1, "CMD_chat+1+x" + T), Refusal::none);
    }
}

TEST(Inbox, ConnectionsAreServedInTurnEachInItsOwnOrder) {
    Inbox in("", {});
    std::string burst;
    for (int i = 1; i <= 4; ++i) burst += "CMD_chat+1+" + std::to_string(i) + T;
    in.receive(1, burst);
    in.receive(2, "CMD_chat+2+a" + T + "CMD_chat+2+b" + T);
    in.receive(3, "CMD_draw+3+" + T);
    std::vector<ConnectionId> from;
    EXPECT_EQ(drain(in.queue(), &from),
              (std::vector<std::string>{"", "CMD_chat+1+1", "CMD_chat+2+a", "CMD_draw+3+", "CMD_chat+1+2",
                                        "CMD_chat+2+b", "CMD_chat+1+3", "CMD_chat+1+4"}));
    EXPECT_EQ(from, (std::vector<ConnectionId>{0, 1, 2, 3, 1, 2, 1, 1}));
}

TEST(Inbox, DiscardedConnectionLeavesNothingBehind) {
    Inbox in("", InboxLimits::host());
    drain(in.queue());
    in.receive(1, "CMD_chat+1+a" + T + "CMD_chat+1+b" + T + "CMD_chat+1+tail");
    in.receive(2, "CMD_chat+2+c" + T);
    in.discard(1);
    EXPECT_EQ(in.pendingTail(1), 0u);
    EXPECT_EQ(in.queue().size(), 1u);
    EXPECT_EQ(in.queue().bytes(), std::string("CMD_chat+2+c").size());
    EXPECT_EQ(drain(in.queue()), std::vector<std::string>{"CMD_chat+2+c"});
    in.discard(7);  // nothing queued: nothing happens
    EXPECT_TRUE(in.queue().empty());
}

TEST(Inbox, QueuedBytesAndTheWholeQueueAreBounded) {
    InboxLimits limits;
    limits.maxQueuedBytesPerConnection = 100;
    limits.maxQueuedLines = 5;
    limits.maxQueuedBytes = 150;
    Inbox in("", limits);
    drain(in.queue());
    const std::string sixty = std::string(60, 'a') + T;
    EXPECT_EQ(in.receive(1, sixty), Refusal::none);
    EXPECT_EQ(in.receive(1, sixty), Refusal::tooManyQueued);  // 120 bytes from one connection
    EXPECT_EQ(in.receive(2, sixty), Refusal::none);
    EXPECT_EQ(in.receive(3, sixty), Refusal::queueFull);  // 180 bytes in all
    for (ConnectionId c = 4; c <= 6; ++c) EXPECT_EQ(in.receive(c, "x" + T), Refusal::none);
    EXPECT_EQ(in.receive(7, "y" + T), Refusal::queueFull);  // a sixth line
    EXPECT_EQ(in.queue().size(), 5u);
}

TEST(CommandNames, EachSideListsItsCommandsInDispatchOrder) {
    ASSERT_EQ(velmora::kHostCommands.size(), 13u);
    ASSERT_EQ(velmora::kClientCommands.size(), 30u);
    EXPECT_EQ(velmora::kHostCommands.front(), "CMD_logininfo");
    EXPECT_EQ(velmora::kDesignedHostCommands.back(), "CMD_hitset");
    EXPECT_EQ(velmora::kHostCommands.back(), "CMD_rejoin");
    EXPECT_EQ(velmora::kClientCommands.front(), "CMD_sendlogininfo");
    EXPECT_EQ(velmora::kDesignedClientCommands.back(), "CMD_gamestats");
    EXPECT_EQ(velmora::kClientCommands.back(), "CMD_points");
}
