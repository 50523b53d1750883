// The settings file shared with the lobby: our keys change, nothing else does.
#include "client/settings/settings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

#include "client/settings/inifile.h"
#include "client/settings/playerfiles.h"

using namespace velmora::client;
using K = SettingKey;

namespace {

struct SettingsFile : testing::Test {
    QTemporaryDir dir;
    QString path = dir.filePath("halvexlobby.ini");

    void write(const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // Writes bytes as the file and reads the settings from it.
    Settings loaded(const QByteArray& bytes, bool readable = true) {
        write(bytes);
        Settings s(path);
        EXPECT_EQ(s.load(), readable);
        return s;
    }
    QByteArray read() {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
};

// The lobby's own file: other sections, comments, CRLF, odd spacing, a key
// of ours in another letter case and one the lobby added to our section.
const QByteArray kLobbyFile =
    "; Halvex Lobby settings\r\n"
    "[Lobby]\r\n"
    "Server = lobby.example.net  \r\n"
    "Top=100\r\n"
    "\r\n"
    "[Velmora]\r\n"
    "  textsize =  12\r\n"
    "Botspeed=1500\r\n"
    "LobbyOnly=keep me\r\n"
    "; a comment inside our section\r\n"
    "\r\n"
    "[Other]\r\n"
    "x=1";

}  // namespace

TEST_F(SettingsFile, SavingChangesOnlyOurKeysAndAppendsMissingOnesInOrder) {
    Settings s = loaded(kLobbyFile);
    EXPECT_EQ(s.integer(K::Textsize), 12);
    EXPECT_EQ(s.integer(K::Top), 3);  // the lobby's Top is in its own section
    EXPECT_EQ(s.text(K::Botspeed), "1000");
    s.set(K::Textsize, 14);
    ASSERT_TRUE(s.save(SettingGroup::Options));
    EXPECT_EQ(read(),
              "; Halvex Lobby settings\r\n"
              "[Lobby]\r\n"
              "Server = lobby.example.net  \r\n"
              "Top=100\r\n"
              "\r\n"
              "[Velmora]\r\n"
              "  textsize =  14\r\n"
              "Botspeed=1000\r\n"
              "LobbyOnly=keep me\r\n"
              "Top=3\r\n"
              "Left=3\r\n"
              "Width=790\r\n"
              "Height=585\r\n"
              "Textcolor=clBlack\r\n"
              "Actioncolor=clBlack\r\n"
              "Playtoscore=30\r\n"
              "Timeperturn=1\r\n"
              "Turnsound=0\r\n"
              "Playerphrasesounds=true\r\n"
              "Playsounds=true\r\n"
              "; a comment inside our section\r\n"
              "\r\n"
              "[Other]\r\n"
              "x=1");
    // A second save with nothing changed writes the same bytes.
    const QByteArray first = read();
    ASSERT_TRUE(s.save(SettingGroup::Options));
    EXPECT_EQ(read(), first);
}

TEST_F(SettingsFile, MissingSectionIsAddedAfterTheLastLineEvenWithoutLineEnd) {
    Settings s = loaded("[Lobby]\nName=Ann");
    s.set(K::Phrase2, QStringLiteral("Grüße!"));
    ASSERT_TRUE(s.save(SettingGroup::Phrases));
    QByteArray expected = "[Lobby]\nName=Ann\n\n[Velmora]\nPhrase1=\nPhrase2=Grüße!\n";
    for (int n = 3; n <= 9; ++n) expected += "Phrase" + QByteArray::number(n) + "=\n";
    EXPECT_EQ(read(), expected);
    // The phrase editor's save leaves the options alone, and back again.
    EXPECT_FALSE(read().contains("Textsize"));
    Settings again(path);
    ASSERT_TRUE(again.load());
    EXPECT_EQ(again.text(K::Phrase2), QStringLiteral("Grüße!"));
    EXPECT_EQ(again.text(K::Phrase1), "");
}

TEST_F(SettingsFile, MissingOrEmptyFileGivesTheDefaults) {
    for (bool exists : {false, true}) {
        if (exists) write("");
        Settings s(path);
        ASSERT_TRUE(s.load());
        EXPECT_EQ(s.integer(K::Textsize), 8);
        EXPECT_EQ(s.integer(K::Left), 3);
        EXPECT_EQ(s.integer(K::Top), 3);
        EXPECT_EQ(s.integer(K::Width), 790);
        EXPECT_EQ(s.integer(K::Height), 585);
        EXPECT_EQ(s.colour(K::Textcolor), 0u);
        EXPECT_EQ(s.colour(K::Actioncolor), 0u);
        EXPECT_EQ(s.text(K::Playtoscore), "30");
        EXPECT_EQ(s.text(K::Timeperturn), "1");
        EXPECT_EQ(s.integer(K::Botspeed), 1000);
        EXPECT_EQ(s.integer(K::Turnsound), 0);
        EXPECT_TRUE(s.flag(K::Playsounds));
        EXPECT_TRUE(s.flag(K::Playerphrasesounds));
        EXPECT_EQ(s.text(K::Phrase9), "");
    }
}

TEST_F(SettingsFile, ReadingIsForgiving) {
    Settings s = loaded("[velmora]\n"
          "Top=abc\nLeft=-40\nWidth=\nHeight=12x\n"
          "Textcolor=blurple\nActioncolor=$00FF0000\n"
          "Botspeed=500\nTurnsound=2\nPlaysounds=False\nPlayerphrasesounds=false\n"
          "Phrase3=  Go team  \nPhrase3=second copy ignored\n");
    EXPECT_EQ(s.integer(K::Top), 3);
    EXPECT_EQ(s.integer(K::Left), -40);
    EXPECT_EQ(s.integer(K::Width), 790);
    EXPECT_EQ(s.integer(K::Height), 585);
    EXPECT_EQ(s.colour(K::Textcolor), 0u);
    EXPECT_EQ(s.text(K::Actioncolor), "clBlue");
    EXPECT_EQ(s.integer(K::Botspeed), 500);
    EXPECT_EQ(s.integer(K::Turnsound), 0);
    EXPECT_TRUE(s.flag(K::Playsounds));  // only "false" exactly turns it off
    EXPECT_FALSE(s.flag(K::Playerphrasesounds));
    EXPECT_EQ(s.text(K::Phrase3), "Go team");
    // Setting passes through the same rules.
    s.set(K::Botspeed, 1500);
    EXPECT_EQ(s.text(K::Botspeed), "1000");
    s.set(K::Botspeed, 2000);
    EXPECT_EQ(s.integer(K::Botspeed), 2000);
}

TEST_F(SettingsFile, UnreadableFileIsNeverWrittenOver) {
    // Larger than any settings file: not ours to rewrite.
    const QByteArray huge(IniFile::kMaxBytes + 1, 'x');
    Settings s = loaded(huge, false);
    EXPECT_EQ(s.integer(K::Textsize), 8);
    EXPECT_FALSE(s.save(SettingGroup::Options));
    EXPECT_EQ(read(), huge);
}

TEST_F(SettingsFile, SaveKeepsWhatTheLobbyWroteAfterWeRead) {
    Settings s = loaded("[Velmora]\nTextsize=10\n");
    write("[Velmora]\nTextsize=10\n[Lobby]\nRecent=host.example\n");
    s.set(K::Textsize, 12);
    ASSERT_TRUE(s.save(SettingGroup::Options));
    EXPECT_TRUE(read().startsWith("[Velmora]\nTextsize=12\nTop=3\n"));
    EXPECT_TRUE(read().endsWith("[Lobby]\nRecent=host.example\n"));
}

TEST_F(SettingsFile, ByteOrderMarkBeforeOurSectionIsKeptAndSkipped) {
    Settings s = loaded("\xEF\xBB\xBF[Velmora]\r\nTextsize=12\r\n");
    EXPECT_EQ(s.integer(K::Textsize), 12);
    s.set(K::Phrase1, "Hi");
    ASSERT_TRUE(s.save(SettingGroup::Phrases));
    EXPECT_TRUE(read().startsWith("\xEF\xBB\xBF[Velmora]\r\nTextsize=12\r\nPhrase1=Hi\r\n"));
    EXPECT_EQ(read().count("[Velmora]"), 1);
}

TEST_F(SettingsFile, ValuesStayOnOneLine) {
    IniFile ini;
    ini.setValue("Velmora", "Phrase1", "two\nlines\r\n[Lobby]");
    EXPECT_EQ(ini.value("VELMORA", "phrase1"), "two lines  [Lobby]");
    EXPECT_EQ(ini.bytes().count('\n'), 2);
}

// Found by fuzz_settings_file (its input is in fuzz/corpus/settings_file):
// a key behind a byte order mark took the mark's length of the old value
// along into the new one.
TEST_F(SettingsFile, AKeyBehindAByteOrderMarkGetsItsNewValueWhole) {
    IniFile ini(QByteArray("[Velmora]\r\n\xEF\xBB\xBFNickname=Bo\r\n"));
    ini.setValue("Velmora", "nickname", "Red Fox");
    EXPECT_EQ(ini.bytes(), QByteArray("[Velmora]\r\n\xEF\xBB\xBFNickname=Red Fox\r\n"));
}

TEST_F(SettingsFile, SaveBrokenOffBeforeTheRenameLeavesTheOldFileWhole) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    write(kLobbyFile);
    EXPECT_EXIT(
        {
            IniFile ini;
            ini.load(path);
            ini.setValue("Velmora", "Textsize", "14");
            ini.save(path, [] { std::_Exit(7); });
        },
        testing::ExitedWithCode(7), "");
    EXPECT_EQ(read(), kLobbyFile);
    Settings s(path);
    ASSERT_TRUE(s.load());
    EXPECT_EQ(s.integer(K::Textsize), 12);
}

TEST(SettingsLocation, FollowsThePlayerFilesFolder) {
    QTemporaryDir dir;
    setPlayerFilesDir(dir.path());
    EXPECT_EQ(Settings::defaultPath(), QDir(dir.path()).filePath("halvexlobby.ini"));
    setPlayerFilesDir(QString());
}
