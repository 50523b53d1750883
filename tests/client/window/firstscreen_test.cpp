// What a new player meets: the first screen, the solo table and its host,
// and what the window says when the network fails.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>

#include "client/settings/settings.h"
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

// Without a lobby in the settings file the first screen offers what a player
// can do; the solo choice is remembered and deals the computer more seats.
TEST_F(Windows, TheFirstScreenOffersSoloHostAndJoinAndDealsTheChosenOpponents) {
    Tchat& w = open({});
    ASSERT_TRUE(chatHas(w, "You are Connected."));
    windows::Tdownload* first = test::TchatParts::sideWindows(w).download();
    ASSERT_TRUE(first->isVisible());
    EXPECT_FALSE(first->getbutton()->isVisible());
    EXPECT_FALSE(first->findChild<QPushButton*>("Button2")->isVisible());
    EXPECT_TRUE(first->findChild<QPushButton*>("button_host")->isVisible());
    EXPECT_TRUE(first->findChild<QRadioButton*>("radio_computers3")->isChecked());
    first->findChild<QRadioButton*>("radio_computers2")->click();
    test::TchatParts::board(w)->button_start()->click();
    ASSERT_TRUE(chatHas(w, "You has started a game."));
    EXPECT_EQ(seat(w, 3), "Klock");
    EXPECT_EQ(seat(w, 4), "<Waiting>");
    EXPECT_EQ(serverOf(w).table().player(3).inround, 1);
    EXPECT_EQ(serverOf(w).table().player(4).inround, 0);
    client::Settings saved;
    ASSERT_TRUE(saved.load());
    EXPECT_EQ(saved.integer(client::SettingKey::Computerplayers), 2);
}

// The name the Host/Join dialog keeps is the solo player's name too.
TEST_F(Windows, ASoloGameUsesTheSavedName) {
    client::Settings settings;
    ASSERT_TRUE(settings.load());
    settings.set(client::SettingKey::Playername, QStringLiteral("Ann"));
    ASSERT_TRUE(settings.save(client::SettingGroup::Recent));
    Tchat& w = open({});
    ASSERT_TRUE(chatHas(w, "You are Connected."));
    EXPECT_EQ(seat(w, 1), "Ann");
    EXPECT_EQ(serverOf(w).table().player(1).name, "Ann");
}
