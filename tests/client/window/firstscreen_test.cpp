// What a new player meets: the first screen, the solo table and its host,
// and what the window says when the network fails.
#include <gtest/gtest.h>

#include <QTcpServer>

#include "support/windowsfixture.h"

using namespace velmora;
using client::Tchat;
using test::Windows;

// Strangers on the network cannot walk into a solo game, and a taken port
// does not stop it; hosting for others keeps all interfaces.
TEST_F(Windows, SoloListensOnThisComputerOnlyAndOnAnyPortWhenItsOwnIsTaken) {
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::LocalHost, 0));
    Tchat& solo = open({}, taken.serverPort());
    ASSERT_TRUE(chatHas(solo, "You are Connected."));
    EXPECT_NE(serverOf(solo).port(), taken.serverPort());
    EXPECT_EQ(serverOf(solo).address(), QHostAddress(QHostAddress::LocalHost));
    Tchat& hosted = open({"Ann", "127.0.0.1", "true"});
    ASSERT_TRUE(chatHas(hosted, "You are Connected."));
    EXPECT_EQ(serverOf(hosted).address(), QHostAddress(QHostAddress::Any));
}
