// Restarting with launch parameters: the parameters the lobby would pass,
// and a new copy that starts only after the old one has gone.
#include "client/window/relaunch.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "support/eventloop.h"

using namespace velmora;

TEST(Relaunch, ChoicesBecomeTheLobbysLaunchParameters) {
    EXPECT_EQ(client::launchArguments({"Ann", "", 7800, true, false, false, ""}),
              QStringList({"Ann", "127.0.0.1", "true", "--port", "7800"}));
    EXPECT_EQ(client::launchArguments({"Ann", "", 7800, true, true, false, ""}),
              QStringList({"Ann", "127.0.0.1", "true", "--port", "7800", "--announce"}));
    EXPECT_EQ(client::launchArguments({"Ann", "", 7800, true, false, false, "/home/ann/table.state"}),
              QStringList({"Ann", "127.0.0.1", "true", "--port", "7800", "--resume", "/home/ann/table.state"}));
    EXPECT_EQ(client::launchArguments({"Bob", "kitchen-pc", 7772, false, false, false, ""}),
              QStringList({"Bob", "kitchen-pc", "false", "--port", "7772"}));
}

TEST(Relaunch, TheNewCopyStartsOnlyAfterTheOldOneEnded) {
    QTemporaryDir dir;
    const QString marker = dir.filePath("started");
    QProcess old;  // stands in for the copy that is closing
    old.start("/bin/sh", {"-c", "read line"});
    ASSERT_TRUE(old.waitForStarted());
    // The new "copy" notes whether the old one was still there.
    const QString script = QStringLiteral("kill -0 %1 2>/dev/null && echo early > \"$0\" || echo \"$@\" > \"$0\"")
                               .arg(old.processId());
    ASSERT_TRUE(client::startAfter(old.processId(), "/bin/sh", {"-c", script, marker, "Ann", "x y"}));
    old.write("go\n");  // the old copy ends
    ASSERT_TRUE(old.waitForFinished());
    ASSERT_TRUE(test::waitUntil([&] { return QFile::exists(marker) && QFileInfo(marker).size() > 0; }));
    QFile f(marker);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "Ann x y\n");
}
