// A table's announcement counts the people at the table as they come, and
// reaches a finder listening on loopback.
#include <gtest/gtest.h>

#include "host/announcer.h"
#include "host/server_fixture.h"
#include "net/tablefinder.h"

using namespace velmora;

namespace {

struct Announcing : test::HostFixture {
    void SetUp() override { start({0, 1, 0.0}, true); }
};

}  // namespace

TEST_F(Announcing, FinderOnLoopbackHearsTheTableAsItFills) {
    net::TableFinder finder;
    ASSERT_TRUE(finder.listen(0));
    host::TableAnnouncer announcer(server(), "Back room", {QHostAddress::LocalHost}, finder.port());
    join("Ann", 1);
    join("Bob", 2);
    join("Cy", 3);
    join("Dan", 4);
    join("Spy", 5);
    server().disconnectsock(4);
    ASSERT_TRUE(test::waitUntil([&] { return server().table().player(4).connected == 0; }));
    announcer.start();
    ASSERT_TRUE(test::waitUntil([&] { return !finder.tables().empty(); }));
    const net::FoundTable found = finder.tables().front();
    EXPECT_EQ(found.address, "127.0.0.1");
    EXPECT_EQ(found.table.name, "Back room");
    EXPECT_EQ(found.table.port, server().port());
    EXPECT_EQ(found.table.seats, 3);
    EXPECT_EQ(found.table.spectators, 1);
    EXPECT_FALSE(found.table.gameOn);
    EXPECT_EQ(found.table.version, kVersionText);
}
