// Options > Computer Level > Expert chosen on a real X server with the
// pointer (XTest through xdotool): the parent test starts Xvfb and runs the
// child test of this same program on it.
#include <gtest/gtest.h>

#include <QMenuBar>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "client/chat/chatview.h"
#include "client/settings/playerfiles.h"
#include "support/eventloop.h"
#include "support/hostedwindow.h"
#include "support/tchatparts.h"
#include "support/xserver.h"

using namespace velmora;
using test::waitUntil;

namespace {

constexpr const char* kChildFlag = "VELMORA_OPTIONS_XTEST_CHILD";

bool xclick(QPoint global) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(global.x()),
                                         QString::number(global.y()), QStringLiteral("click"), QStringLiteral("1")});
    return p.waitForFinished(5000) && p.exitCode() == 0;
}

// The open pop-up menu that holds the action, once it is on screen.
QMenu* shownMenuWith(QAction* action) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* menu = qobject_cast<QMenu*>(top); menu && menu->isVisible() && menu->actions().contains(action))
            return menu;
    return nullptr;
}

// Clicks the action in whichever open menu shows it.
bool clickInMenu(QAction* action) {
    QMenu* menu = nullptr;
    if (!waitUntil([&] { return (menu = shownMenuWith(action)) != nullptr; })) return false;
    return xclick(menu->mapToGlobal(menu->actionGeometry(action).center()));
}

TEST(OptionsOnX, AParentRunsTheClicksOnItsOwnXServer) {
    if (qEnvironmentVariableIsSet(kChildFlag)) GTEST_SKIP() << "this is the child";
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) GTEST_SKIP() << "Xvfb is not installed: the click test needs it";
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        << "xdotool is missing (scripts/setup.sh installs it)";
    test::XServer server;
    ASSERT_NO_FATAL_FAILURE(test::startXServer(server, xvfb, 140, 200, "1024x768x24"));
    QProcess child;
    QProcessEnvironment env = server.childEnvironment();
    env.insert(QString::fromLatin1(kChildFlag), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=OptionsOnX.ChildChoosesExpert")});
    const bool finished = child.waitForFinished(60000);
    const QByteArray out = child.readAll();
    ASSERT_TRUE(finished) << out.toStdString();
    EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
}

TEST(OptionsOnX, ChildChoosesExpert) {
    if (!qEnvironmentVariableIsSet(kChildFlag)) GTEST_SKIP() << "runs on the parent's X server";
    QTemporaryDir dir;
    client::setPlayerFilesDir(dir.path());
    QFile settings(dir.filePath(QStringLiteral("halvexlobby.ini")));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly) && settings.write("[Velmora]\r\n") > 0);
    settings.close();
    test::HostedWindow hw({}, test::quietOptions(0));
    client::Tchat& w = hw.window;
    w.move(0, 0);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != &w) top->hide();  // the download window would cover the menu
    ASSERT_TRUE(waitUntil([&] { return test::TchatParts::mainchat(w)->toPlainText().contains("You are Connected."); }));
    QAction* level = test::TchatParts::action(w, "ComputerLevel1");
    QAction* expert = test::TchatParts::action(w, "Expert1");
    ASSERT_NE(level, nullptr);
    ASSERT_NE(expert, nullptr);
    QAction* options = nullptr;
    for (QAction* a : w.menuBar()->actions())
        if (a->menu() && a->menu()->actions().contains(level)) options = a;
    ASSERT_NE(options, nullptr);
    ASSERT_TRUE(xclick(w.menuBar()->mapToGlobal(w.menuBar()->actionGeometry(options).center())));
    ASSERT_TRUE(clickInMenu(level)) << "Options did not open";
    ASSERT_TRUE(clickInMenu(expert)) << "Computer Level did not open";
    ASSERT_TRUE(waitUntil([&] { return hw.host.server().computerLevel() == host::ComputerLevel::Expert; }));
    EXPECT_TRUE(expert->isChecked());
    EXPECT_EQ(expert->text(), "Expert");
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("Computerlevel=2\r\n"));
}

}  // namespace
