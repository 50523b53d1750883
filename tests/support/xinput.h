// A real pointer and keyboard for tests on an X server of their own: the
// parent test starts Xvfb and runs one child test of the same program on it;
// the child moves, clicks, drags and types through the XTest extension
// (xdotool), as a player's hand would. Header only.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPoint>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>

#include "client/board/tableview.h"
#include "client/chat/chatview.h"
#include "support/eventloop.h"
#include "support/tchatparts.h"
#include "support/xserver.h"

namespace velmora::test {

// Runs xdotool with these arguments, then lets the server's events reach the
// window before the next look.
inline bool xdo(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    if (!p.waitForFinished(5000) || p.exitCode() != 0) return false;
    spin(30);
    return true;
}

inline QStringList xmove(QPoint global) {
    return {QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())};
}

// Clicks (or double-clicks) the left button at a global screen position.
inline bool xclick(QPoint global, int clicks = 1) {
    return xdo(xmove(global) + QStringList{QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(clicks),
                                           QStringLiteral("1")});
}

// Presses the left button at `from`, moves in steps to `to`, releases there.
inline bool xdrag(QPoint from, QPoint to) {
    if (!xdo(xmove(from) + QStringList{QStringLiteral("mousedown"), QStringLiteral("1")})) return false;
    for (int step = 1; step <= 4; ++step)
        if (!xdo(xmove(from + (to - from) * step / 4))) return false;
    return xdo({QStringLiteral("mouseup"), QStringLiteral("1")});
}

// The child's part: shows the window at the screen's corner, alone, and
// waits for its own host (unless the test plays the host). Call it through
// ASSERT_NO_FATAL_FAILURE.
inline void openOnX(client::Tchat& w, bool ownHost = true) {
    w.move(0, 0);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != &w) top->hide();  // the download window would cover the table
    if (ownHost) {
        ASSERT_TRUE(waitUntil([&] { return TchatParts::mainchat(w)->toPlainText().contains("You are Connected."); }));
    }
}

// Where on screen a point inside an item of the table lies.
inline QPoint onScreen(const client::TableView* view, const client::BoardItem& item, QPoint inside) {
    return view->mapToGlobal(view->fromBoard(item.rect.topLeft() + inside));
}
inline QPoint onScreen(const client::TableView* view, const client::BoardItem& item) {
    return onScreen(view, item, QPoint(item.rect.width() / 2, item.rect.height() / 2));
}

// Presses a key by its X name ("Escape", "ctrl+h").
inline bool xkey(const QString& key) { return xdo({QStringLiteral("key"), key}); }

// The parent's part: starts Xvfb on a display in [first, first + 20) and runs
// `childTest` of this program there with `childFlag` set; the child must pass.
inline void runChildOnX(const char* childFlag, const char* childTest, int firstDisplay, int timeoutMs) {
    if (qEnvironmentVariableIsSet(childFlag)) GTEST_SKIP() << "this is the child";
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) GTEST_SKIP() << "Xvfb is not installed: the click tests need it";
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        << "xdotool is missing (scripts/setup.sh installs it)";
    XServer server;
    ASSERT_NO_FATAL_FAILURE(startXServer(server, xvfb, firstDisplay, firstDisplay + 20, "1024x768x24"));
    QProcess child;
    QProcessEnvironment env = server.childEnvironment();
    env.insert(QString::fromLatin1(childFlag), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=") + QLatin1String(childTest)});
    const bool finished = child.waitForFinished(timeoutMs);
    const QByteArray out = child.readAll();
    ASSERT_TRUE(finished) << out.toStdString();
    EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
}

}  // namespace velmora::test
