// What a new player meets: the first screen, the solo table and its host,
// and what the window says when the network fails.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFile>
#include <QMessageBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <map>

#include "client/settings/settings.h"
#include "host/computer.h"
#include "host/tablefile.h"
#include "client/board/tableview.h"
#include "support/rawclient.h"
#include "support/windowsfixture.h"

using namespace velmora;
using client::Tchat;
using test::waitUntil;
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

namespace {

// A solo game the computer played some way for every seat, stopped at the
// own draw, saved as the window's host saves it.
host::SavedTable savedSoloGame(const QString& path, bool withOthers = false, bool betweenRounds = false) {
    struct : host::MessageSink {
        void sendTo(int, std::string_view) override {}
    } quiet;
    host::RecordedTimers timers;
    host::Table table(quiet, timers, 11);
    host::installComputerPlayers(table);
    table.setcomputerseats(3);
    table.connects(1);
    table.startgame("You+");
    table.watches(1, true);
    for (int move = 0; move < 2000; ++move) {
        const host::TableState& s = table.state();
        if (move > 60 && !betweenRounds && s.timer1tag == 0 && s.curplayer == 1 && s.turnphase == 1) break;
        if (betweenRounds && s.timer1tag == 1) break;  // the round summary shows
        if (s.timer1tag == 1) table.timer1Timer();
        else table.computertimerTimer();
    }
    host::SavedTable saved;
    saved.table = table.state();
    for (int s = 1; s <= kSeats; ++s) saved.table.players[s].points = 7 * s;  // earlier rounds
    saved.tokens[1] = std::string(32, 'c');
    if (withOthers) saved.tokens[3] = std::string(32, 'd');   // a person played seat 3
    EXPECT_EQ(host::writetablefile(path.toStdString(), host::tabletext(saved.table, saved.tokens)), "");
    return saved;
}

std::map<int, int> shownHand(client::Tchat& w) {
    std::map<int, int> out;
    for (const client::HandSlot& c : test::TchatParts::table(w).hand)
        if (!c.empty()) out[c.id] = c.face;
    return out;
}

}  // namespace

// An unfinished game comes back from the first screen with every card where
// it was, the own hand and the turn; a damaged one is named in a line and kept.
TEST_F(Windows, TheFirstScreenResumesTheUnfinishedGameAndKeepsADamagedOne) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.state"));
    const host::SavedTable saved = savedSoloGame(path);
    ASSERT_EQ(saved.table.curplayer, 1);
    std::map<int, int> hand;
    for (int k = 1; k <= kHandSlots; ++k)
        if (saved.table.players[1].hand[k]) hand[k] = saved.table.players[1].hand[k];

    Tchat& w = open({});
    hostOf(w).setStateFile(path);   // read before the first screen asks
    windows::Tdownload* first = test::TchatParts::sideWindows(w).download();
    ASSERT_TRUE(waitUntil([&] { return first->resumebutton()->isVisible(); }));
    // The player is at the table before choosing, as a person is.
    ASSERT_TRUE(waitUntil([&] { return !serverOf(w).table().player(1).name.empty(); }));
    first->resumebutton()->click();
    ASSERT_TRUE(chatHas(w, "The unfinished game is resumed."));
    ASSERT_TRUE(waitUntil([&] { return shownHand(w) == hand; }));
    EXPECT_FALSE(first->isVisible());
    const host::TableState& now = serverOf(w).table().state();
    EXPECT_EQ(host::checkcards(serverOf(w).table()), "");
    EXPECT_EQ(now.deck, saved.table.deck);
    EXPECT_EQ(now.curplayer, 1);
    EXPECT_EQ(test::TchatParts::table(w).currentPlayer, 1);
    EXPECT_TRUE(test::TchatParts::table(w).gameOn);
    EXPECT_FALSE(test::TchatParts::board(w)->button_start()->isVisible());
    EXPECT_EQ(seat(w, 4), "Kling");
    ASSERT_TRUE(waitUntil([&] { return test::TchatParts::table(w).seats[4].points == 28; }));
    EXPECT_EQ(test::TchatParts::table(w).seats[1].points, 7);

    const QString damagedPath = dir.filePath(QStringLiteral("damaged.state"));
    const QByteArray damaged("velmora-table 1\ngame 1 1 1 0 0 1000 0 3\n");
    QFile file(damagedPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();
    Tchat& again = open({});
    hostOf(again).setStateFile(damagedPath);
    windows::Tdownload* second = test::TchatParts::sideWindows(again).download();
    auto* note = second->findChild<QLabel*>(QStringLiteral("label_saved"));
    ASSERT_TRUE(waitUntil([&] { return note->isVisible(); }));
    EXPECT_EQ(note->text(), "The unfinished game cannot be resumed: the file ends early (no end line).");
    EXPECT_FALSE(second->resumebutton()->isVisible());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), damaged);
}

// A game others played goes on only at a table hosted for them: the first
// screen leads to the Host dialog, whose choice starts the hosting copy with
// --resume; that copy resumes at once and its people take their seats back.
TEST_F(Windows, AGameHostedForOthersIsResumedWhereHostingStarts) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.state"));
    savedSoloGame(path, true);

    Tchat& solo = open({});
    hostOf(solo).setStateFile(path);
    std::vector<QStringList> launched;
    solo.setRelauncher([&](const QStringList& args) { launched.push_back(args); });
    windows::Tdownload* first = test::TchatParts::sideWindows(solo).download();
    ASSERT_TRUE(waitUntil([&] { return first->resumebutton()->isVisible(); }));
    first->resumebutton()->click();
    windows::Thostjoin* dialog = test::TchatParts::hostJoinDialog(solo);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->check_resume()->isVisibleTo(dialog));
    EXPECT_TRUE(dialog->check_resume()->isChecked());
    EXPECT_EQ(serverOf(solo).table().state().gameon, 0);   // not on this computer-only table
    dialog->edit_name()->setText(QStringLiteral("Ann"));
    dialog->button_hostClick();
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_EQ(launched[0].mid(launched[0].size() - 2), QStringList({"--resume", path}));

    resumeSaved = true;
    Tchat& hosted = open({"Ann", "127.0.0.1", "true"});
    hostOf(hosted).setStateFile(path);
    ASSERT_TRUE(chatHas(hosted, "The unfinished game is resumed."));
    EXPECT_TRUE(serverOf(hosted).held(3));
    test::RawClient back(serverOf(hosted).port());
    ASSERT_TRUE(back.waitFor("CMD_sendlogininfo+2"));
    back.sendMessage("CMD_rejoin+" + std::string(32, 'd'));
    EXPECT_TRUE(back.waitFor("CMD_sendlogininfo+3"));
}

// Saved while the round summary showed: every seat comes back with its name
// and points, not "<Waiting>".
TEST_F(Windows, AGameSavedBetweenRoundsComesBackWithEveryNameAndPoints) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.state"));
    ASSERT_EQ(savedSoloGame(path, false, true).table.timer1tag, 1);
    Tchat& w = open({});
    hostOf(w).setStateFile(path);
    windows::Tdownload* first = test::TchatParts::sideWindows(w).download();
    ASSERT_TRUE(waitUntil([&] { return first->resumebutton()->isVisible(); }));
    first->resumebutton()->click();
    ASSERT_TRUE(chatHas(w, "The unfinished game is resumed."));
    const client::TableModel& t = test::TchatParts::table(w);
    ASSERT_TRUE(waitUntil([&] { return t.seats[4].points == 28; }));
    EXPECT_EQ(seat(w, 2), "Klot");
    EXPECT_EQ(seat(w, 3), "Klock");
    EXPECT_EQ(seat(w, 4), "Kling");
    EXPECT_TRUE(test::TchatParts::board(w)->tableView()->item(u"label_points4")->visible);
}

// The unfinished game is the first screen's default; a new game replaces it
// only after the player says so.
TEST_F(Windows, ANewGameReplacesTheUnfinishedOneOnlyWhenThePlayerSaysSo) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.state"));
    savedSoloGame(path);
    Tchat& w = open({});
    hostOf(w).setStateFile(path);
    windows::Tdownload* first = test::TchatParts::sideWindows(w).download();
    ASSERT_TRUE(waitUntil([&] { return first->resumebutton()->isVisible(); }));
    EXPECT_TRUE(first->resumebutton()->isDefault());
    EXPECT_FALSE(first->findChild<QPushButton*>("Button1")->isDefault());
    ASSERT_TRUE(chatHas(w, "You are Connected."));
    first->findChild<QPushButton*>("Button1")->click();
    test::TchatParts::board(w)->button_start()->click();
    QMessageBox* ask = test::TchatParts::confirmBox(w);
    ASSERT_NE(ask, nullptr);
    EXPECT_EQ(ask->text(), "An unfinished game is saved. Start a new game instead? The unfinished game cannot be "
                           "resumed then.");
    EXPECT_FALSE(ask->isModal() && ask->windowModality() == Qt::ApplicationModal);
    ask->button(QMessageBox::No)->click();
    EXPECT_EQ(serverOf(w).table().state().gameon, 0);
    test::TchatParts::board(w)->button_start()->click();
    test::TchatParts::confirmBox(w)->button(QMessageBox::Yes)->click();
    ASSERT_TRUE(chatHas(w, "You has started a game.")) << chat(w).toStdString();
    EXPECT_FALSE(first->resumebutton()->isVisible());
}
