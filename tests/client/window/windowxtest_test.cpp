// The window's keys, buttons and dialogs on a real X server, by real key
// presses and clicks (XTest through xdotool): typed text is chat from the
// start and after a click on the table, Esc gives the table the keys, the
// Hint button and Ctrl+H raise the advised cards and send nothing, File >
// Copy Table Address, "Join a Game" and the first start's name question.
// Each parent test starts Xvfb and runs its child test of this program on it.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QCheckBox>
#include <QInputDialog>
#include <QMenuBar>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include "client/board/board.h"
#include "client/board/tableview.h"
#include "client/chat/chatview.h"
#include "client/settings/settings.h"
#include "client/window/playername.h"
#include "support/eventloop.h"
#include "support/recordinghost.h"
#include "support/tchatparts.h"
#include "support/xserver.h"

using namespace velmora;
using test::TchatParts;
using test::waitUntil;

namespace {

constexpr const char* kChildFlag = "VELMORA_WINDOW_XTEST_CHILD";

bool xdotool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    if (!p.waitForFinished(5000) || p.exitCode() != 0) return false;
    test::spin(30);  // let the server's events reach the window
    return true;
}

bool xclick(const QWidget* w, QPoint at) {
    const QPoint g = w->mapToGlobal(at);
    return xdotool({"mousemove", QString::number(g.x()), QString::number(g.y()), "click", "1"});
}
bool xclick(const QWidget* w) { return xclick(w, w->rect().center()); }
bool xtype(const QString& text) { return xdotool({"type", "--delay", "20", text}); }
bool xkey(const QString& keys) { return xdotool({"key", keys}); }

// What a window manager does when the window maps: it gets the keys.
bool focusWindow(QWidget& w) {
    return xdotool({"windowfocus", "--sync", QString::number(w.winId())}) &&
           waitUntil([&] { return QApplication::activeWindow() == &w; });
}

// Runs the child test `name` on an X server of its own.
void runChild(const char* name, int firstDisplay) {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) GTEST_SKIP() << "Xvfb is not installed: the real-X tests need it";
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        << "xdotool is missing (scripts/setup.sh installs it)";
    test::XServer server;
    ASSERT_NO_FATAL_FAILURE(test::startXServer(server, xvfb, firstDisplay, firstDisplay + 30, "1024x768x24"));
    QProcess child;
    QProcessEnvironment env = server.childEnvironment();
    env.insert(QString::fromLatin1(kChildFlag), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=WindowOnXChild.%1").arg(QLatin1String(name))});
    const bool finished = child.waitForFinished(100000);
    const QByteArray out = child.readAll();
    ASSERT_TRUE(finished) << out.toStdString();
    EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
}

#define CHILD_ONLY() \
    if (!qEnvironmentVariableIsSet(kChildFlag)) GTEST_SKIP() << "runs on the parent's X server"

// Clicks a menu of the menu bar open, then its item.
bool xmenu(client::Tchat& w, const char* menuObject, QAction* item) {
    QMenu* menu = w.menuBar()->findChild<QMenu*>(QString::fromLatin1(menuObject));
    if (!menu || !xclick(w.menuBar(), w.menuBar()->actionGeometry(menu->menuAction()).center())) return false;
    if (!waitUntil([&] { return menu->isVisible(); })) return false;
    return xclick(menu, menu->actionGeometry(item).center());
}

}  // namespace

TEST(WindowOnX, KeysAndHint) { runChild("KeysAndHint", 300); }
TEST(WindowOnX, HostingAndJoining) { runChild("HostingAndJoining", 330); }
TEST(WindowOnX, FirstStartAsksTheName) { runChild("FirstStartAsksTheName", 360); }

TEST(WindowOnXChild, KeysAndHint) {
    CHILD_ONLY();
    test::JoinedWindow j(2);
    client::Tchat& w = j.w;
    w.move(0, 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    j.host.send("CMD_newplayerinfo+2+Ann");
    ASSERT_TRUE(waitUntil([&] { return TchatParts::mainchat(w)->toPlainText().contains("You are Connected."); }));
    ASSERT_TRUE(focusWindow(w));
    // Typed right after the start: chat.
    ASSERT_TRUE(xtype("hello") && xkey("Return"));
    ASSERT_TRUE(j.host.waitFor("CMD_chat+2+hello|"));
    // Esc gives the table the keys; a click on the table gives them back.
    client::TableView* view = TchatParts::board(w)->tableView();
    ASSERT_TRUE(xkey("Escape"));
    ASSERT_TRUE(waitUntil([&] { return view->hasFocus(); }));
    ASSERT_TRUE(xclick(view, view->fromBoard(view->item(u"image_draw")->rect.center())));
    ASSERT_TRUE(waitUntil([&] { return TchatParts::mychat(w)->hasFocus(); }));
    ASSERT_TRUE(xtype("again") && xkey("Return"));
    ASSERT_TRUE(j.host.waitFor("CMD_chat+2+again|"));

    const client::TableModel& t = TchatParts::table(w);
    j.host.send("CMD_startgame+Bob+y+1+y+2");
    j.host.send("CMD_startround+5+1+1+y+2+1+y");
    j.host.send("CMD_mycards+2+1+5+2+18+3+31+4+7+5+20+6+33+7+9+8+10+9+11+10+40");
    j.host.send("CMD_nextplayer+2+");
    ASSERT_TRUE(waitUntil([&] { return t.turnPhase == 1; }));
    auto* hint = TchatParts::board(w)->findChild<QPushButton*>(QStringLiteral("button_hint"));
    ASSERT_TRUE(hint && hint->isVisible());
    // Beside the status line, which makes room for it.
    EXPECT_GT(hint->geometry().left(), TchatParts::board(w)->label_status()->geometry().right());
    ASSERT_TRUE(xclick(hint));
    ASSERT_TRUE(waitUntil([&] { return t.status == "Hint: Draw: the pile's blue 5 does not help you"; })) << t.status;
    EXPECT_TRUE(TchatParts::mychat(w)->hasFocus());
    ASSERT_TRUE(xclick(view, view->fromBoard(view->item(u"image_draw")->rect.center())));
    ASSERT_TRUE(j.host.waitFor("CMD_draw+2+"));
    const size_t sent = j.host.bytes.size();
    j.host.send("CMD_draw+2+11+11+12+");
    ASSERT_TRUE(waitUntil([&] { return t.turnPhase == 2; }));
    // Ctrl+H from the chat line raises the stage's cards.
    ASSERT_TRUE(TchatParts::mychat(w)->hasFocus());
    ASSERT_TRUE(xkey("ctrl+h"));
    ASSERT_TRUE(waitUntil([&] { return t.status == "Hint: Lay your stage \"2 Sets of 3\" now"; })) << t.status;
    EXPECT_EQ(t.selectedIds(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(TchatParts::mychat(w)->text(), "");
    // Whatever the hint sent would have come before this line.
    ASSERT_TRUE(xtype("after") && xkey("Return"));
    ASSERT_TRUE(j.host.waitFor("CMD_chat+2+after|"));
    EXPECT_EQ(j.host.bytes.substr(sent, 17), "CMD_chat+2+after|");
    // Off the own turn the button goes and the status line has its room back.
    j.host.send("CMD_nextplayer+1+");
    ASSERT_TRUE(waitUntil([&] { return !hint->isVisible(); }));
    EXPECT_EQ(TchatParts::board(w)->label_status()->width(), 469);
}

TEST(WindowOnXChild, HostingAndJoining) {
    CHILD_ONLY();
    test::HostedWindow hw({"Ann", "127.0.0.1", "true"}, test::quietOptions(0));
    client::Tchat& w = hw.window;
    w.move(0, 0);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_TRUE(waitUntil([&] { return TchatParts::mainchat(w)->toPlainText().contains("You are Connected."); }));
    // Where friends join, in the chat, and File > Copy Table Address.
    const QString port = QString::number(hw.host.server().port());
    const QString chat = TchatParts::mainchat(w)->toPlainText();
    ASSERT_TRUE(chat.contains("Table: friends on your network join you at ")) << chat.toStdString();
    ASSERT_TRUE(focusWindow(w));
    ASSERT_TRUE(xmenu(w, "FileMenu", TchatParts::action(w, "CopyAddress1")));
    ASSERT_TRUE(waitUntil([&] { return TchatParts::mainchat(w)->toPlainText().contains("is copied."); }));
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copied.endsWith(":" + port)) << copied.toStdString();
    EXPECT_TRUE(chat.contains(copied));
    // The menu closed: typed text is chat again.
    ASSERT_TRUE(waitUntil([&] { return TchatParts::mychat(w)->hasFocus(); }));

    // A solo window's first screen: "Join a Game" shows no hosting options
    // and fills in the name kept.
    client::Settings settings;
    ASSERT_TRUE(settings.load());
    settings.set(client::SettingKey::Playername, QStringLiteral("Bea"));
    ASSERT_TRUE(settings.save(client::SettingGroup::Recent));
    test::HostedWindow solo({}, test::quietOptions(0));
    solo.window.move(0, 0);
    solo.window.show();
    windows::Tdownload* first = TchatParts::sideWindows(solo.window).download();
    ASSERT_TRUE(waitUntil([&] { return first->isVisible(); }));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(first));
    ASSERT_TRUE(xclick(first->findChild<QPushButton*>(QStringLiteral("button_join"))));
    windows::Thostjoin* join = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (join = TchatParts::hostJoinDialog(solo.window)) && join->isVisible(); }));
    EXPECT_EQ(join->windowTitle(), "Velmora - Join a Game");
    EXPECT_EQ(join->edit_name()->text(), "Bea");
    EXPECT_FALSE(join->check_announce()->isVisible());
    EXPECT_FALSE(join->check_openport()->isVisible());
    EXPECT_FALSE(join->findChild<QPushButton*>(QStringLiteral("button_host"))->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(join));
    ASSERT_TRUE(xclick(join->findChild<QPushButton*>(QStringLiteral("button_cancel"))));
    ASSERT_TRUE(waitUntil([&] { return !join->isVisible(); }));
}

TEST(WindowOnXChild, FirstStartAsksTheName) {
    CHILD_ONLY();
    client::TchatOptions o = test::quietOptions(0);
    o.askName = true;
    test::HostedWindow hw({}, std::move(o));
    client::Tchat& w = hw.window;
    w.move(0, 0);
    w.show();
    QInputDialog* ask = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (ask = w.findChild<QInputDialog*>(QStringLiteral("dialog_playername"))); }));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(ask));
    // Offered from the account; the game waits for the answer.
    EXPECT_EQ(ask->textValue(), client::accountName(20));
    EXPECT_FALSE(TchatParts::sideWindows(w).download()->isVisible());
    ASSERT_TRUE(focusWindow(*ask));
    ASSERT_TRUE(xkey("ctrl+a") && xtype("Cleo") && xkey("Return"));
    ASSERT_TRUE(waitUntil([&] { return TchatParts::mainchat(w)->toPlainText().contains("You are Connected."); }));
    EXPECT_EQ(hw.host.server().table().player(1).name, "Cleo");
    client::Settings kept;
    ASSERT_TRUE(kept.load());
    EXPECT_EQ(kept.text(client::SettingKey::Playername), "Cleo");
    // The first screen follows; Play Solo Game closes it and the chat line has the keys.
    windows::Tdownload* first = TchatParts::sideWindows(w).download();
    ASSERT_TRUE(waitUntil([&] { return first->isVisible(); }));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(first));
    ASSERT_TRUE(xclick(first->findChild<QPushButton*>(QStringLiteral("Button1"))));
    ASSERT_TRUE(waitUntil([&] { return !first->isVisible(); }));
    ASSERT_TRUE(focusWindow(w));
    ASSERT_TRUE(xtype("hi all") && xkey("Return"));
    EXPECT_TRUE(waitUntil([&] { return TchatParts::mainchat(w)->toPlainText().contains("Cleo chats: hi all"); }));
}
