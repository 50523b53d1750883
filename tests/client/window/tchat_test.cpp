// The main window end to end: hosting, joining, login, arrivals, departures,
// notices and chat between two windows, over loopback on free ports.
#include "client/window/tchat.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include "client/board/board.h"
#include "client/board/tablelayout.h"
#include "client/chat/chatinput.h"
#include "client/chat/chatview.h"
#include "support/windowsfixture.h"
#include "client/settings/playerfiles.h"
#include "support/rawclient.h"
#include "support/tchatparts.h"

using namespace velmora;
using client::Tchat;
using test::waitUntil;
using test::Windows;

namespace {

// A port of the test's own that the dialog can name; only the host-or-join
// test needs a number before anything listens.
quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::AnyIPv4, 0);
    return probe.serverPort();
}

}  // namespace

TEST_F(Windows, SoloGameHostsAsYouAndConnectsToItsOwnHost) {
    Tchat& w = open({});
    ASSERT_TRUE(chatHas(w, "You are Connected."));
    EXPECT_TRUE(chat(w).startsWith("Loading Solo Game..Please wait.\nYou are Connected."));
    EXPECT_EQ(w.windowTitle(), "Velmora");
    EXPECT_EQ(seat(w, 1), "You");
    EXPECT_EQ(test::TchatParts::connection(w).ownSeat(), 1);
    EXPECT_TRUE(test::TchatParts::connection(w).hosting());
    EXPECT_TRUE(test::TchatParts::board(w)->button_start()->isVisible());
    EXPECT_TRUE(test::TchatParts::action(w, "StartGame1")->isEnabled());
    EXPECT_FALSE(test::TchatParts::connection(w).lobbyLinkOpen());
    EXPECT_TRUE(test::TchatParts::sideWindows(w).download()->isVisible());  // shown at every solo start
    EXPECT_EQ(serverOf(w).table().player(1).name, "You");
    EXPECT_FALSE(played.empty());  // the "entered" sound
}

// Once the table is up and nothing happens, nothing in the window, its
// connection or its host keeps a timer armed: an idle game costs no CPU.
TEST_F(Windows, IdleGameArmsNoTimer) {
    Tchat& w = open({});
    ASSERT_TRUE(chatHas(w, "You are Connected."));
    auto armed = [&] {
        QStringList out;
        std::function<void(QObject*)> walk = [&](QObject* o) {
            if (!QAbstractEventDispatcher::instance()->registeredTimers(o).isEmpty())
                out << QString::fromLatin1(o->metaObject()->className()) + u' ' + o->objectName();
            for (QObject* child : o->children()) walk(child);
        };
        for (QObject* root : std::initializer_list<QObject*>{&w, &test::TchatParts::connection(w), &serverOf(w)})
            walk(root);
        return out;
    };
    // The pumps stop once their queues are empty; a timer that keeps
    // re-arming never lets this hold.
    EXPECT_TRUE(waitUntil([&] { return armed().isEmpty(); })) << armed().join(", ").toStdString();
    // Nor did the start load the audio libraries (they come with the sound module).
    QFile maps(QStringLiteral("/proc/self/maps"));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    EXPECT_FALSE(maps.readAll().contains("libQt6Multimedia"));
}

// Start Game and Exit during a game ask first, in a box that does not block;
// outside a game they act at once.
TEST_F(Windows, StartGameAndExitAskOnlyWhileAGameRuns) {
    Tchat& w = open({});
    ASSERT_TRUE(chatHas(w, "You are Connected."));
    const client::TableModel& t = test::TchatParts::table(w);
    test::TchatParts::action(w, "StartGame1")->trigger();
    ASSERT_TRUE(chatHas(w, "You has started a game."));
    EXPECT_EQ(test::TchatParts::confirmBox(w), nullptr);
    ASSERT_TRUE(t.gameOn);
    test::TchatParts::action(w, "Exit1")->trigger();
    QMessageBox* box = test::TchatParts::confirmBox(w);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "A game is under way. Exit and end it for everyone at the table?");
    EXPECT_TRUE(w.isVisible());
    box->button(QMessageBox::No)->click();
    EXPECT_TRUE(w.isVisible());
    test::TchatParts::action(w, "StartGame1")->trigger();
    box = test::TchatParts::confirmBox(w);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().startsWith("A game is under way. Start a new game?"));
    box->button(QMessageBox::Yes)->click();
    ASSERT_TRUE(chatHas(w, "You has started a game.\nYou has started a game."));
    w.close();
    box = test::TchatParts::confirmBox(w);
    ASSERT_NE(box, nullptr);
    box->button(QMessageBox::Yes)->click();
    EXPECT_FALSE(w.isVisible());
}

// A side window is made when it is first shown, and works from then on.
TEST_F(Windows, MenuItemsMakeAndOpenTheirWindows) {
    Tchat w({"Ann", "127.0.0.1"});
    auto dialogs = [&w] {
        QStringList names;
        for (QObject* child : w.children())
            if (auto* d = qobject_cast<QDialog*>(child); d && !d->inherits("QMessageBox")) names << d->objectName();
        return names;
    };
    EXPECT_EQ(test::TchatParts::action(w, "Content1")->shortcut(), QKeySequence(Qt::Key_F1));
    for (const char* item : {"Content1", "About1", "SpyList1"}) {
        const QStringList before = dialogs();
        test::TchatParts::action(w, item)->trigger();
        const QStringList after = dialogs();
        ASSERT_EQ(after.size(), before.size() + 1) << item;
        EXPECT_TRUE(w.findChild<QDialog*>(after.back())->isVisible()) << item;
    }
    auto& side = test::TchatParts::sideWindows(w);
    EXPECT_EQ(side.help()->heading(), "Overview");
    EXPECT_TRUE(side.about()->versionText().contains(client::kVersion));
    EXPECT_EQ(side.spylist()->windowTitle(), "Velmora - Spys");
}

// The dialog's choice starts a window as the same launch parameters would;
// the program restarts itself with them, the test opens the window directly.
TEST_F(Windows, HostOrJoinHostsOnAFreePortAndASecondCopyJoinsIt) {
    QTemporaryDir files;  // the remembered games go to a settings file of this test's own
    client::setPlayerFilesDir(files.path());
    const quint16 port = freePort();
    auto playWithOthers = [&](Tchat& from, const QString& name, const QString& address, bool viaDownload) -> Tchat& {
        std::vector<QStringList> launched;
        from.setRelauncher([&](const QStringList& args) { launched.push_back(args); });
        if (viaDownload)
            test::TchatParts::sideWindows(from).download()->findChild<QPushButton*>(address.isEmpty() ? "button_host" : "button_join")->click();
        else
            test::TchatParts::action(from, "HostOrJoin1")->trigger();
        windows::Thostjoin* dialog = test::TchatParts::hostJoinDialog(from);
        EXPECT_TRUE(dialog && dialog->isVisible());
        dialog->edit_name()->setText(name);
        dialog->combo_address()->setEditText(address);
        dialog->spin_port()->setValue(port);
        address.isEmpty() ? dialog->button_hostClick() : dialog->button_joinClick();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(launched.size(), 1u);
        const QStringList args = launched.empty() ? QStringList() : launched[0];
        // Hosting lets the network find the table unless the player unticks it.
        QStringList rest{"--port", QString::number(port)};
        if (address.isEmpty()) rest << "--announce";
        EXPECT_EQ(args.mid(3), rest);
        return open(args.mid(0, 3), args.value(4).toUShort());
    };
    Tchat& solo = open({});
    ASSERT_TRUE(chatHas(solo, "You are Connected."));
    Tchat& ann = playWithOthers(solo, "Ann", "", true);
    ASSERT_TRUE(chatHas(ann, "You are Connected."));
    EXPECT_TRUE(test::TchatParts::connection(ann).hosting());
    EXPECT_EQ(serverOf(ann).port(), port);

    Tchat& other = open({"Bob", "127.0.0.1"});
    Tchat& bob = playWithOthers(other, "Bob", "127.0.0.1", false);
    ASSERT_TRUE(chatHas(bob, "Ann is Connected."));
    ASSERT_TRUE(chatHas(ann, "Bob is Connected."));
    EXPECT_EQ(seat(ann, 2), "Bob");

    // The next time the dialog offers what was used.
    test::TchatParts::action(bob, "HostOrJoin1")->trigger();
    EXPECT_EQ(test::TchatParts::hostJoinDialog(bob)->edit_name()->text(), "Bob");
    EXPECT_EQ(test::TchatParts::hostJoinDialog(bob)->combo_address()->currentText(), "127.0.0.1");
    EXPECT_EQ(test::TchatParts::hostJoinDialog(bob)->spin_port()->value(), port);
    client::setPlayerFilesDir(QString());
}

TEST_F(Windows, SpyListFollowsSpectatorsAndTheHostRemovesOne) {
    Tchat& w = open({"Ann", "unused", "true"});
    ASSERT_TRUE(chatHas(w, "You are Connected."));
    std::vector<std::unique_ptr<test::RawClient>> others;
    for (int place = 2; place <= 7; ++place) {
        others.push_back(std::make_unique<test::RawClient>(serverOf(w).port()));
        ASSERT_TRUE(others.back()->waitFor("CMD_sendlogininfo+" + std::to_string(place)));
        others.back()->login(place, "P" + std::to_string(place));
    }
    ASSERT_TRUE(waitUntil([&] { return test::TchatParts::spies(w) == QStringList({"5: P5", "6: P6", "7: P7"}); }));
    others[3]->close();  // place 5 leaves
    ASSERT_TRUE(chatHas(w, "P5 has left."));
    EXPECT_EQ(test::TchatParts::spies(w), QStringList({"6: P6", "7: P7"}));

    // Opened for the first time after the arrivals: it lists them.
    ASSERT_EQ(test::TchatParts::sideWindows(w).madeSpylist(), nullptr);
    test::TchatParts::action(w, "SpyList1")->trigger();
    auto* spies = test::TchatParts::sideWindows(w).madeSpylist();
    ASSERT_TRUE(spies && spies->isVisible());
    QListWidget* list = spies->listbox_spys();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "7: P7");
    emit list->customContextMenuRequested(list->visualItemRect(list->item(1)).center());
    ASSERT_TRUE(spies->popupMenu()->isVisible());
    spies->popupMenu()->actions().value(0)->trigger();
    ASSERT_TRUE(others[5]->waitClosed());
    ASSERT_TRUE(chatHas(w, "P7 has left."));
    EXPECT_EQ(test::TchatParts::spies(w), QStringList{"6: P6"});
    EXPECT_FALSE(others[4]->closed());
}

TEST_F(Windows, TwoParametersOnlyShowTheLoadingNotice) {
    host::TServer other(test::kQuickHost, 7);
    other.listen("0");
    Tchat& w = open({"Ann", "127.0.0.1"}, other.port());
    ASSERT_TRUE(chatHas(w, "Loading Multi-player Game.. Please Wait."));
    // A later newcomer still gets place 1: the window never joined.
    test::RawClient later(other.port());
    ASSERT_TRUE(later.waitFor("CMD_sendlogininfo", true));
    EXPECT_EQ(later.got.front(), "CMD_sendlogininfo+1");
    EXPECT_FALSE(test::TchatParts::sideWindows(w).madeDownload() && test::TchatParts::sideWindows(w).madeDownload()->isVisible());
    EXPECT_EQ(chat(w), "Loading Multi-player Game.. Please Wait.");
    EXPECT_FALSE(test::TchatParts::connection(w).connected());
    EXPECT_FALSE(test::TchatParts::connection(w).lobbyLinkOpen());
    EXPECT_FALSE(test::TchatParts::board(w)->button_start()->isVisible());
}

TEST_F(Windows, CapitalTrueJoinsInsteadOfHosting) {
    host::TServer other(test::kQuickHost, 7);
    other.listen("0");
    Tchat& w = open({"Ann", "127.0.0.1", "True"}, other.port());
    ASSERT_TRUE(chatHas(w, "You are Connected."));
    EXPECT_FALSE(test::TchatParts::connection(w).hosting());
    EXPECT_EQ(serverOf(w).port(), 0);  // its own host never listened
    EXPECT_EQ(other.table().player(1).name, "Ann");
    EXPECT_FALSE(test::TchatParts::board(w)->button_start()->isVisible());
}

TEST_F(Windows, TwoCopiesChatAndSeeEachOtherComeAndGo) {
    QTcpServer lobby;  // the lobby's local port
    ASSERT_TRUE(lobby.listen(QHostAddress::LocalHost, 0));
    // The host binds port 0 and the second copy joins the port it really got.
    Tchat& a = open({"Ann", "unused", "true"}, 0, QString::number(lobby.serverPort()));
    ASSERT_TRUE(chatHas(a, "You are Connected."));
    const quint16 port = serverOf(a).port();
    ASSERT_NE(port, 0);
    EXPECT_TRUE(test::TchatParts::connection(a).lobbyLinkOpen());
    ASSERT_TRUE(waitUntil([&] { return lobby.hasPendingConnections(); }));
    Tchat& b = open({"Bob", "127.0.0.1", "false"}, port);
    ASSERT_TRUE(chatHas(b, "You are Connected."));
    EXPECT_TRUE(chatHas(b, "Ann is Connected."));
    EXPECT_TRUE(chatHas(a, "Bob is Connected."));
    EXPECT_EQ(seat(a, 2), "Bob");
    EXPECT_EQ(seat(b, 1), "Ann");
    // Seat 2's own name is turned to the bottom place.
    EXPECT_EQ(test::TchatParts::board(b)->label_playername(2)->pos(), QPoint(25, 391));
    EXPECT_EQ(test::TchatParts::board(a)->label_playername(1)->pos(), QPoint(25, 391));

    auto* input = static_cast<client::ChatInput*>(test::TchatParts::mychat(b));
    input->setText("hello + welcome");
    input->sendit();
    ASSERT_TRUE(chatHas(a, "Bob chats: hello + welcome"));
    EXPECT_TRUE(input->text().isEmpty());
    input->setText("/me waves");
    input->sendit();
    ASSERT_TRUE(chatHas(a, "Bob waves"));

    b.close();
    windows.pop_back();  // the window closed; its connection goes with it
    ASSERT_TRUE(chatHas(a, "Bob disconnected."));
    EXPECT_EQ(seat(a, 2), "Klot");
}

TEST_F(Windows, FullTableShowsTheNoticeThenCloses) {
    host::TServer other(test::kQuickHost, 7);
    other.listen("0");
    std::vector<std::unique_ptr<test::RawClient>> nine;
    for (int p = 1; p <= 9; ++p) {
        nine.push_back(std::make_unique<test::RawClient>(other.port()));
        ASSERT_TRUE(nine.back()->waitFor("CMD_sendlogininfo+" + std::to_string(p)));
    }
    Tchat& w = open({"Late", "127.0.0.1", "no"}, other.port());
    bool ended = false;
    QObject::connect(&test::TchatParts::connection(w), &client::HostConnection::closed, [&] { ended = true; });
    ASSERT_TRUE(waitUntil([&] { return test::TchatParts::noticeBox(w) != nullptr; }));
    EXPECT_EQ(test::TchatParts::noticeBox(w)->text(), "Game is full");
    ASSERT_TRUE(waitUntil([&] { return ended; }));  // the host has closed the connection
    EXPECT_TRUE(w.isVisible());  // the box stays until the player has read it
    test::TchatParts::noticeBox(w)->accept();
    ASSERT_TRUE(waitUntil([&] { return !w.isVisible(); }));
}

// The player is told in plain words, and offered a port that is free.
TEST_F(Windows, HostingOnATakenPortSaysSoAndOffersAnother) {
    QTcpServer squatter;
    ASSERT_TRUE(squatter.listen(QHostAddress::Any, 0));
    Tchat& w = open({"Ann", "x", "true"}, squatter.serverPort());
    ASSERT_TRUE(waitUntil([&] { return test::TchatParts::noticeBox(w) != nullptr; }));
    QMessageBox* box = test::TchatParts::noticeBox(w);
    EXPECT_TRUE(box->text().startsWith(
        QString("Port %1 is already in use on this computer").arg(squatter.serverPort())))
        << box->text().toStdString();
    EXPECT_FALSE(test::TchatParts::board(w)->button_start()->isVisible());
    EXPECT_FALSE(test::TchatParts::connection(w).connected());
    EXPECT_FALSE(test::TchatParts::connection(w).lobbyLinkOpen());  // start-up waits for the player
    QAbstractButton* other = box->buttons().value(0);
    ASSERT_TRUE(other && other->text().startsWith("Host on Port "));
    const QString caption = other->text();
    other->click();
    ASSERT_TRUE(chatHas(w, "You are Connected."));
    EXPECT_EQ(caption, QString("Host on Port %1").arg(serverOf(w).port()));
}

// A join that finds no game says what failed and offers to try again or go
// back to the first screen (a solo start).
TEST_F(Windows, AJoinThatFindsNoGameSaysWhyAndOffersTryAgainOrBack) {
    auto button = [](Tchat& w, const QString& caption) -> QAbstractButton* {
        QMessageBox* box = test::TchatParts::noticeBox(w);
        for (QAbstractButton* b : box ? box->buttons() : QList<QAbstractButton*>())
            if (b->text() == caption) return b;
        return nullptr;
    };
    Tchat& named = open({"Ann", "no-such-host.invalid", "false"}, 1);
    ASSERT_TRUE(waitUntil([&] { return test::TchatParts::noticeBox(named) != nullptr; }));
    EXPECT_EQ(test::TchatParts::noticeBox(named)->text(),
              "No computer named no-such-host.invalid was found. Check the spelling of the address.");
    EXPECT_FALSE(test::TchatParts::connection(named).lobbyLinkOpen());
    std::vector<QStringList> relaunched;
    named.setRelauncher([&](const QStringList& args) { relaunched.push_back(args); });
    ASSERT_NE(button(named, "Back"), nullptr);
    button(named, "Back")->click();
    EXPECT_EQ(relaunched, std::vector<QStringList>{QStringList()});

    const quint16 closed = freePort();
    Tchat& refused = open({"Ann", "127.0.0.1", "false"}, closed);
    ASSERT_TRUE(waitUntil([&] { return test::TchatParts::noticeBox(refused) != nullptr; }));
    EXPECT_TRUE(test::TchatParts::noticeBox(refused)->text().contains("refused the connection"));

    QTcpServer silent;  // takes connections, never asks for a login
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    joinTimeoutMs = 20;
    Tchat& late = open({"Bob", "127.0.0.1", "false"}, silent.serverPort());
    ASSERT_TRUE(waitUntil([&] { return test::TchatParts::noticeBox(late) != nullptr; }));
    EXPECT_EQ(test::TchatParts::noticeBox(late)->text(),
              "There was no answer from 127.0.0.1. The computer may be switched off, or a firewall may be "
              "in the way.");
    int attempts = 0;
    auto count = [&] {
        while (QTcpSocket* c = silent.nextPendingConnection()) ++attempts, c->deleteLater();
        return attempts;
    };
    ASSERT_TRUE(waitUntil([&] { return count() == 1; }));
    button(late, "Try Again")->click();
    ASSERT_TRUE(waitUntil([&] { return count() == 2; }));
    EXPECT_TRUE(late.isVisible());
}

// Stands in for the router: keeps the port asked for and says when it goes
// (the real one removes the mapping then).
struct FakeMapper : net::PortMapper {
    FakeMapper(quint16* asked, bool* gone) : asked_(asked), gone_(gone) {}
    ~FakeMapper() override { *gone_ = true; }
    void open(quint16 port) override { *asked_ = port; }
    quint16* asked_;
    bool* gone_;
};

TEST_F(Windows, HostingOpensTheRouterPortShowsWhereAndGoesOnWhenRefused) {
    QTemporaryDir files;  // the remembered choice goes to a settings file of this test's own
    client::setPlayerFilesDir(files.path());
    quint16 asked = 0;
    bool gone = false;
    client::TchatOptions o = test::quietOptions(0, &played);
    auto mapper = std::make_unique<FakeMapper>(&asked, &gone);
    FakeMapper* router = mapper.get();
    o.portMapper = std::move(mapper);
    windows.push_back(std::make_unique<test::HostedWindow>(QStringList{"Ann", "127.0.0.1", "true"}, std::move(o)));
    Tchat& w = windows.back()->window;
    w.show();
    ASSERT_TRUE(chatHas(w, "You are Connected."));
    EXPECT_EQ(asked, serverOf(w).port());

    emit router->opened("203.0.113.7", asked);
    const QString where =
        QString("Friends elsewhere join you at 203.0.113.7:%1 (the port is open on your router).").arg(asked);
    EXPECT_TRUE(chat(w).contains("Router: " + where));
    // The dialog says it too, and the box stays off until the player ticks it.
    std::vector<QStringList> launched;
    w.setRelauncher([&](const QStringList& args) { launched.push_back(args); });
    test::TchatParts::action(w, "HostOrJoin1")->trigger();
    windows::Thostjoin* dialog = test::TchatParts::hostJoinDialog(w);
    EXPECT_EQ(dialog->routerStatus(), where);
    EXPECT_FALSE(dialog->check_openport()->isChecked());

    emit router->failed("The router refused the port: ConflictInMappingEntry (718)");
    EXPECT_TRUE(chat(w).endsWith("Router: The router refused the port: ConflictInMappingEntry (718)."));
    EXPECT_EQ(dialog->routerStatus(), "The router refused the port: ConflictInMappingEntry (718).");
    EXPECT_TRUE(test::TchatParts::connection(w).connected());

    dialog->check_openport()->setChecked(true);
    dialog->button_hostClick();
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_TRUE(launched[0].contains("--open-port"));
    test::TchatParts::action(w, "HostOrJoin1")->trigger();
    EXPECT_TRUE(dialog->check_openport()->isChecked());  // remembered
    windows.clear();
    EXPECT_TRUE(gone);
    client::setPlayerFilesDir(QString());
}

TEST_F(Windows, NoticesOfArrivalsDeparturesAndVersions) {
    Tchat& w = open({"Ann", "127.0.0.1"});  // not connected: handlers driven directly
    ASSERT_TRUE(chatHas(w, "Loading Multi-player Game.. Please Wait."));
    auto run = [&](const std::string& line) { test::TchatParts::connection(w).dispatcher().dispatch({line, 0}); };
    test::TchatParts::mainchat(w)->clearMainChat();
    run("CMD_havewrongversion+Old");
    run("CMD_wrongversion+");
    run("CMD_newplayerinfo+3+Cy");
    run("CMD_playerdisconnected+3+Cy");
    run("CMD_newplayerinfo+3+Klick");       // a caption equal to the seat's hint
    run("CMD_playerdisconnected+3+Klick");  // leaves without a notice
    run("CMD_newplayerinfo+7+Spy");
    run("CMD_playerdisconnected+7+Spy");
    EXPECT_EQ(chat(w),
              "Old has a different version of the game then you.\n"
              "You have a differnt version of the game then the host.\n"
              "Cy is Connected.\nCy disconnected.\nKlick is Connected.\n"
              "Spy is Connected.\nSpy is spying.\nSpy has left.");
    EXPECT_EQ(seat(w, 3), "<Waiting>");
    EXPECT_TRUE(test::TchatParts::spies(w).isEmpty());
}

TEST_F(Windows, SpectatorSeesItselfSpyingAndJustWatchMarks) {
    Tchat& w = open({"Ann", "127.0.0.1"});
    ASSERT_TRUE(chatHas(w, "Loading Multi-player Game.. Please Wait."));
    test::TchatParts::mainchat(w)->clearMainChat();
    auto run = [&](const std::string& line) { test::TchatParts::connection(w).dispatcher().dispatch({line, 0}); };
    run("CMD_sendlogininfo+6");
    run("CMD_newplayerinfo+6+Ann");
    EXPECT_EQ(chat(w), "You are Connected.\nYou are spying.");
    EXPECT_EQ(test::TchatParts::spies(w), QStringList{"6: Ann"});

    run("CMD_newplayerinfo+2+Bob");
    run("CMD_justwatching+2+1");
    EXPECT_TRUE(test::TchatParts::board(w)->image_eyes(2)->isVisibleTo(test::TchatParts::board(w)));
    EXPECT_TRUE(chat(w).endsWith("Bob is just watching"));
    // The eyes stand clear of the name, short or cut, and inside its room.
    run("CMD_newplayerinfo+3+Maximilian Wolfgang Sturmgeist");
    run("CMD_justwatching+3+1");
    for (int s : {2, 3}) {
        const QLabel* name = test::TchatParts::board(w)->label_playername(s);
        const QRect text(name->pos(), QSize(name->fontMetrics().horizontalAdvance(name->text()), name->height()));
        const QRect eyes = test::TchatParts::board(w)->image_eyes(s)->geometry();
        EXPECT_FALSE(eyes.intersects(text)) << s;
        EXPECT_LE(eyes.right(), name->x() + client::kSeatNameWidth) << s;
    }
    run("CMD_justwatching+2+2");
    EXPECT_FALSE(test::TchatParts::board(w)->image_eyes(2)->isVisibleTo(test::TchatParts::board(w)));
    EXPECT_TRUE(chat(w).endsWith("Bob is now playing again"));
}

TEST_F(Windows, JustWatchClickedTwiceAsksTwice) {
    host::TServer other(test::kQuickHost, 7);
    other.listen("0");
    test::RawClient first(other.port());  // holds place 1
    ASSERT_TRUE(first.waitFor("CMD_sendlogininfo+1"));
    first.login(1, "Host");
    Tchat& w = open({"Bob", "127.0.0.1", "x"}, other.port());
    ASSERT_TRUE(chatHas(w, "You are Connected."));
    first.sendMessage("CMD_startgame+Host+");
    ASSERT_TRUE(first.waitFor("CMD_startgame", true));
    w.JustWatch1Click();
    w.JustWatch1Click();
    ASSERT_TRUE(first.waitUntilCount("CMD_justwatching+2+1", 2));
    EXPECT_TRUE(test::TchatParts::action(w, "JustWatch1")->isChecked());
}

namespace {
// Stands in for the copy's own host: records what the window asks of it.
struct FakeHost : client::HostControl {
    std::vector<int> speeds;
    QStringList listened;
    QString error;
    client::ListenResult listen(const QString& portName, Reach) override {
        listened << portName;
        return {0, error};
    }
    void setBotSpeed(int ms) override { speeds.push_back(ms); }
    void setComputerSeats(int) override {}
    void setComputerLevel(int) override {}
    client::HintAnswer hint(const client::TableModel&) override { return {}; }
};
}  // namespace

TEST_F(Windows, OwnerOfAHeadlessTableGetsStartGameAndItPassesOn) {
    host::TServer headless{host::HostTimings{0, 1, 0.0}, 7};
    headless.setHeadless(true);
    headless.listen("0");
    Tchat& ann = open({"Ann", "127.0.0.1", "false"}, headless.port());
    ASSERT_TRUE(waitUntil([&] { return test::TchatParts::board(ann)->button_start()->isVisible(); }));
    EXPECT_TRUE(test::TchatParts::action(ann, "StartGame1")->isEnabled());
    EXPECT_FALSE(test::TchatParts::connection(ann).hosting());
    Tchat& bob = open({"Bob", "127.0.0.1", "false"}, headless.port());
    ASSERT_TRUE(chatHas(bob, "Ann is Connected."));
    // Ann's line comes after anything the host told Bob at his login.
    test::TchatParts::connection(ann).send("CMD_chat+1+hello");
    ASSERT_TRUE(chatHas(bob, "hello"));
    EXPECT_FALSE(test::TchatParts::board(bob)->button_start()->isVisible());
    EXPECT_FALSE(test::TchatParts::action(bob, "StartGame1")->isEnabled());

    test::TchatParts::board(ann)->button_start()->click();
    ASSERT_TRUE(waitUntil([&] { return headless.table().state().gameon == 1; }));
    ASSERT_TRUE(waitUntil([&] { return !test::TchatParts::board(ann)->button_start()->isVisible(); }));
    // Ann leaves mid-game: Bob owns the table, Start Game waits in his File menu.
    windows.erase(windows.begin());
    ASSERT_TRUE(waitUntil([&] { return test::TchatParts::action(bob, "StartGame1")->isEnabled(); }));
    EXPECT_FALSE(test::TchatParts::board(bob)->button_start()->isVisible());
    EXPECT_TRUE(test::TchatParts::connection(bob).manages());
}

TEST(WindowHost, BotSpeedReachesTheHostAtOnce) {
    Tchat w({"Ann", "127.0.0.1"});
    FakeHost host;
    w.setHost(&host);
    EXPECT_EQ(host.speeds, std::vector<int>{1000});  // the checked speed, "Normal"
    test::TchatParts::action(w, "Fast1")->trigger();
    test::TchatParts::action(w, "Slow1")->trigger();
    EXPECT_EQ(host.speeds, (std::vector<int>{1000, 500, 2000}));
}
