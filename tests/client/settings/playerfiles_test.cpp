// Where the player's files go: the override, the program's folder, XDG.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "client/settings/appid.h"
#include "client/settings/playerfiles.h"
#include "support/printers.h"

using velmora::client::FileKind;
using velmora::client::playerFilePath;
using velmora::client::playerFolder;
using velmora::client::setPlayerFilesDir;

TEST(PlayerFiles, OverrideFolderIsMadeAndUsedForBothKinds) {
    QTemporaryDir tmp;
    const QString dir = tmp.path() + QStringLiteral("/a/b");
    setPlayerFilesDir(dir);
    EXPECT_EQ(playerFilePath(QStringLiteral("halvexlobby.ini"), FileKind::Config), dir + "/halvexlobby.ini");
    EXPECT_EQ(playerFilePath(QStringLiteral("Velmoratally.tld"), FileKind::Data), dir + "/Velmoratally.tld");
    EXPECT_TRUE(QFileInfo(dir).isDir());
    setPlayerFilesDir({});
}

TEST(PlayerFiles, WritableProgramFolderWinsAndLeavesNoProbeBehind) {
    QTemporaryDir program;
    EXPECT_EQ(playerFolder(program.path(), FileKind::Data), program.path());
    EXPECT_TRUE(QDir(program.path()).isEmpty());
}

TEST(PlayerFiles, MissingProgramFolderFallsBackToXdgFolders) {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    const QString gone = home.path() + QStringLiteral("/no-such-program-folder");
    EXPECT_EQ(playerFolder(gone, FileKind::Config), home.path() + "/config/velmora");
    EXPECT_EQ(playerFolder(gone, FileKind::Data), home.path() + "/data/velmora");
}

TEST(PlayerFiles, InstalledCopyUsesXdgFoldersEvenWhenItsFolderTakesFiles) {
    QTemporaryDir prefix, home;
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    ASSERT_TRUE(QDir(prefix.path()).mkpath("bin"));
    ASSERT_TRUE(QDir(prefix.path()).mkpath("share/metainfo"));
    const QString bin = prefix.path() + QStringLiteral("/bin");
    EXPECT_EQ(playerFolder(bin, FileKind::Data), bin);  // not yet installed
    QFile marker(prefix.path() + "/share/metainfo/" + velmora::client::kAppId + ".metainfo.xml");
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    EXPECT_EQ(playerFolder(bin, FileKind::Data), home.path() + "/data/velmora");
    EXPECT_TRUE(QDir(bin).isEmpty());
}
