// The window's talk and settings end to end: the exact request bytes of
// chat, actions and sound phrases on a loopback peer, the settings file read
// at login and written by every option, the phrase editor, and the host's
// computer players following the bot speed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFile>
#include <QMenu>
#include <QScreen>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include "client/chat/chatinput.h"
#include "client/chat/chatview.h"
#include "support/hostedwindow.h"
#include "support/recordinghost.h"
#include "client/settings/optionsmenu.h"
#include "client/chat/phrasebuttons.h"
#include "client/settings/playerfiles.h"
#include "client/settings/settings.h"
#include "i18n/language.h"
#include "support/printers.h"
#include "windows/gamestart.h"
#include "windows/phrases.h"
#include "support/eventloop.h"
#include "support/tchatparts.h"

using namespace velmora;
using client::Tchat;
using test::waitUntil;

namespace {

const QByteArray kLobbyPart = "[Lobby]\r\nServer=lobby.example.net\r\n; keep\r\n\r\n";

struct Options : testing::Test {
    QTemporaryDir dir;
    QString path = dir.filePath("halvexlobby.ini");
    std::unique_ptr<test::HostedWindow> hosted;

    void SetUp() override { client::setPlayerFilesDir(dir.path()); }
    void TearDown() override {
        hosted.reset();
        client::setPlayerFilesDir(QString());
    }
    void write(const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray file() {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    Tchat& open(QStringList params = {}, quint16 port = 0) {
        hosted = std::make_unique<test::HostedWindow>(std::move(params), test::quietOptions(port));
        hosted->window.show();
        return hosted->window;
    }
    Tchat& connected() {
        Tchat& w = open();
        EXPECT_TRUE(waitUntil([&] { return test::TchatParts::mainchat(w)->toPlainText().contains("You are Connected."); }));
        return w;
    }
    static client::ChatInput* input(Tchat& w) { return static_cast<client::ChatInput*>(test::TchatParts::mychat(w)); }
};

}  // namespace

TEST_F(Options, RequestBytesOfChatActionsAndSoundPhrases) {
    test::RecordingHost host;
    Tchat& w = open({"Ann", "127.0.0.1", "false"}, host.port());
    ASSERT_TRUE(host.waitConnected());
    host.send("CMD_sendlogininfo+2");
    ASSERT_TRUE(host.waitFor("Ann"));
    host.send("CMD_newplayerinfo+2+Ann");
    ASSERT_TRUE(waitUntil([&] { return test::TchatParts::mainchat(w)->toPlainText().contains("You are Connected."); }));
    const size_t mark = host.bytes.size();

    client::ChatInput* line = input(w);
    line->setText(QString::fromUtf8("h\xC3\xA9 + you"));
    line->sendit();
    line->setText("/quit");
    line->sendit();
    line->setText("/me waves");
    line->sendit();
    client::PhraseButtons* phrases = test::TchatParts::phraseButtons(w);
    phrases->b_phrase(2)->click();
    phrases->b_phrase(2)->click();  // within the gate's rest
    phrases->popup_sounds()->actions()[13]->trigger();
    phrases->popup_sounds()->actions()[0]->trigger();  // "<Cancel>"
    line->setText("/meword");
    line->sendit();
    const std::string expected =
        "CMD_chat+2+h\xC3\xA9 + you|clBlack\xFF"
        "CMD_action+2+waves|clBlack\xFF"
        "CMD_action+2+says: Good One!|clBlack\xFF"
        "CMD_playasound+2+wave13+\xFF"
        "CMD_action+2+ord|clBlack\xFF";
    ASSERT_TRUE(waitUntil([&] { return host.bytes.size() >= mark + expected.size(); }));
    EXPECT_EQ(host.bytes.substr(mark), expected);
}

TEST_F(Options, LongPasteStillReachesTheHostWithoutBeingCutOff) {
    Tchat& w = connected();
    QApplication::clipboard()->setText(QString(3000, QChar(0xE9)));
    input(w)->Paste1Click();
    input(w)->sendit();
    ASSERT_TRUE(waitUntil([&] { return test::TchatParts::mainchat(w)->toPlainText().contains("You chats: " + QString(100, QChar(0xE9))); }));
    EXPECT_TRUE(test::TchatParts::connection(w).connected());
    EXPECT_EQ(hosted->host.server().table().player(1).name, "You");
}

TEST_F(Options, LoginReadsTheFileAndAnUnmovedCloseWritesNothing) {
    const QByteArray original = kLobbyPart +
                                "[Velmora]\r\nTextsize=12\r\nTop=40\r\nLeft=30\r\nWidth=800\r\nHeight=590\r\n"
                                "Textcolor=clRed\r\nActioncolor=$00008000\r\nBotspeed=2000\r\nTurnsound=1\r\n"
                                "Phrase1=Hi all\r\nPlaysounds=false\r\nPlaytoscore=150\r\nTimeperturn=1\r\n";
    write(original);
    Tchat& w = open();
    EXPECT_EQ(test::TchatParts::options(w).botSpeed(), 1000);  // defaults until the login
    ASSERT_TRUE(waitUntil([&] { return test::TchatParts::mainchat(w)->toPlainText().contains("You are Connected."); }));
    EXPECT_EQ(w.geometry(), QRect(30, 40, 800, 590));
    EXPECT_EQ(test::TchatParts::mainchat(w)->font().pointSize(), 12);
    EXPECT_TRUE(test::TchatParts::action(w, "N12")->isChecked());
    EXPECT_EQ(input(w)->textColour(), 0x0000FFu);
    EXPECT_EQ(input(w)->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(input(w)->actionColour, 0x008000u);
    EXPECT_TRUE(test::TchatParts::action(w, "Slow1")->isChecked());
    EXPECT_EQ(hosted->host.server().table().state().botspeed, 2000);
    EXPECT_EQ(test::TchatParts::options(w).turnSound(), 1);
    EXPECT_EQ(test::TchatParts::phraseButtons(w)->phrase(1), "Hi all");
    EXPECT_EQ(test::TchatParts::phraseButtons(w)->phrase(2), "Good One!");
    EXPECT_FALSE(test::TchatParts::sounds(w).playSounds());
    EXPECT_TRUE(test::TchatParts::sounds(w).playerPhraseSounds());
    EXPECT_EQ(test::TchatParts::sideWindows(w).gamestart()->playtoscore()->value(), 150);
    w.close();
    EXPECT_EQ(file(), original);
}

TEST_F(Options, EveryOptionSavesAtOnceAndBotSpeedReachesTheHost) {
    write(kLobbyPart + "[Velmora]\r\nBotspeed=1500\r\nTimeperturn=1\r\n");
    Tchat& w = connected();
    EXPECT_TRUE(test::TchatParts::action(w, "Normal1")->isChecked());
    test::TchatParts::action(w, "Fast1")->trigger();
    EXPECT_EQ(hosted->host.server().table().state().botspeed, 500);
    EXPECT_TRUE(file().contains("Botspeed=500\r\n"));
    test::TchatParts::action(w, "Normal1")->trigger();
    EXPECT_EQ(hosted->host.server().table().state().botspeed, 1000);
    EXPECT_TRUE(file().contains("Botspeed=1000\r\n"));  // "1500" read as Normal
    test::TchatParts::action(w, "N14")->trigger();
    EXPECT_EQ(test::TchatParts::mainchat(w)->font().pointSize(), 14);
    EXPECT_TRUE(test::TchatParts::action(w, "N14")->isChecked());
    test::TchatParts::action(w, "New1")->trigger();
    test::TchatParts::sounds(w).playSoundsAction()->trigger();
    const QByteArray saved = file();
    EXPECT_TRUE(saved.startsWith(kLobbyPart + "[Velmora]\r\nBotspeed=1000\r\nTimeperturn=1\r\nTextsize=14\r\n"));
    for (const char* line : {"Turnsound=1\r\n", "Playsounds=false\r\n", "Playtoscore=30\r\n", "Width=790\r\n"})
        EXPECT_TRUE(saved.contains(line)) << line;
    EXPECT_FALSE(saved.contains("Phrase"));
    EXPECT_TRUE(test::TchatParts::action(w, "Designed1")->isChecked());
    test::TchatParts::action(w, "Strong1")->trigger();
    EXPECT_EQ(hosted->host.server().computerLevel(), host::ComputerLevel::Strong);
    EXPECT_TRUE(file().contains("Computerlevel=1\r\n"));
    w.setGeometry(20, 20, 795, 590);
    test::TchatParts::action(w, "ResetScreenLocation1")->trigger();
    EXPECT_EQ(w.geometry(), QRect(3, 3, 790, 585));
}

TEST_F(Options, LanguageIsSavedAloneAtOnceAndWinsOverTheSystemAtTheNextStart) {
    write(kLobbyPart + "[Velmora]\r\nLanguage=es\r\n");
    Tchat& w = open();
    EXPECT_TRUE(test::TchatParts::action(w, "Language_es")->isChecked());
    test::TchatParts::action(w, "Language_de")->trigger();
    EXPECT_EQ(file(), kLobbyPart + "[Velmora]\r\nLanguage=de\r\n");
    EXPECT_EQ(client::startLanguage(path), "de");
    test::TchatParts::action(w, "Language_system")->trigger();
    EXPECT_EQ(file(), kLobbyPart + "[Velmora]\r\nLanguage=\r\n");
    // System: the first of the system's languages we have, else English.
    EXPECT_EQ(i18n::pickLanguage(QString(), {"fr-FR", "es_ES.UTF-8", "de"}), "es");
    EXPECT_EQ(i18n::pickLanguage(QString(), {"fr-FR"}), "en");
}

TEST_F(Options, ClosingBeforeTheLoginNeverOverwritesTheSavedSettings) {
    const QByteArray original = "[Velmora]\nBotspeed=2000\nTextsize=12\nLeft=40\n";
    write(original);
    Tchat& w = open({"Ann", "127.0.0.1"});  // never connects
    test::TchatParts::action(w, "Fast1")->trigger();
    w.setGeometry(60, 60, 790, 585);
    w.close();
    EXPECT_EQ(file(), original);
}

TEST_F(Options, MovedWindowSavesItsPlaceOnClose) {
    Tchat& w = connected();
    EXPECT_EQ(file(), "<missing>");  // reading alone writes nothing
    w.setGeometry(50, 60, 785, 560);
    w.close();
    const QByteArray saved = file();
    for (const char* line : {"Top=60\n", "Left=50\n", "Width=785\n", "Height=560\n", "Botspeed=1000\n"})
        EXPECT_TRUE(saved.contains(line)) << line;
}

TEST_F(Options, WindowNeverShrinksBelowTheBoardAndItsMargin) {
    write("[Velmora]\nWidth=300\nHeight=200\n");
    Tchat& w = connected();
    ASSERT_TRUE(waitUntil([&] { return w.centralWidget()->width() >= 782; }));
    EXPECT_GE(w.centralWidget()->height(), 541);
    w.resize(400, 300);
    ASSERT_TRUE(waitUntil([&] { return w.centralWidget()->width() >= 782; }));
    EXPECT_GE(w.centralWidget()->height(), 541);
}

TEST_F(Options, BoundsOffEveryScreenComeBackIntoView) {
    write("[Velmora]\nLeft=-5000\nTop=4000\n");
    Tchat& w = connected();
    const QRect screen = w.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(w.geometry().topLeft())) << w.geometry().x() << "," << w.geometry().y();
}

TEST_F(Options, PhraseEditorFillsSavesAndRestoresBuiltIns) {
    // A phrase longer than the edit line takes, written by hand, stays whole
    // unless the player edits it.
    const QByteArray longPhrase = "Sixty characters make this phrase longer than the line: ok!";
    write(kLobbyPart + "[Velmora]\r\nPhrase1=Hi all\r\nPhrase4=" + longPhrase + "\r\n");
    Tchat& w = connected();
    test::TchatParts::action(w, "PrhaseList1")->trigger();
    windows::Tphrases* editor = test::TchatParts::sideWindows(w).phrases();
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->phrase(1)->text(), "Hi all");
    EXPECT_EQ(editor->phrase(9)->text(), "Good Game Everyone!");
    editor->phrase(2)->setText("/me cheers");
    editor->phrase(3)->clear();
    editor->button_done()->click();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(test::TchatParts::phraseButtons(w)->b_phrase(2)->toolTip(), "/me cheers");
    EXPECT_EQ(test::TchatParts::phraseButtons(w)->phrase(3), "Nice Try!");
    EXPECT_EQ(file(), kLobbyPart +
                          "[Velmora]\r\nPhrase1=Hi all\r\nPhrase4=" + longPhrase +
                          "\r\nPhrase2=/me cheers\r\nPhrase3=Nice Try!\r\nPhrase5=Brilliant!\r\nPhrase6=Wow, WTG!\r\nPhrase7=Thanks!\r\n"
                          "Phrase8=Way To Go Teamie!\r\nPhrase9=Good Game Everyone!\r\n");
}

TEST_F(Options, ColourPickersNeverBlockAndOnlyAConfirmedTextColourCounts) {
    Tchat& w = connected();
    test::TchatParts::action(w, "TextColor1")->trigger();
    QColorDialog* text = test::TchatParts::options(w).ColorDialog();
    ASSERT_TRUE(text && text->isVisible());
    text->setCurrentColor(QColor(0, 0, 128));
    text->reject();
    EXPECT_EQ(input(w)->textColour(), 0u);
    test::TchatParts::action(w, "TextColor1")->trigger();
    text->setCurrentColor(QColor(0, 0, 128));
    text->accept();
    EXPECT_EQ(input(w)->textColour(), 0x800000u);
    EXPECT_TRUE(file().contains("Textcolor=clNavy\n"));
    test::TchatParts::action(w, "ActionColor1")->trigger();
    QColorDialog* action = test::TchatParts::options(w).ColorDialog2();
    action->setCurrentColor(QColor(255, 0, 255));
    action->accept();
    EXPECT_EQ(input(w)->actionColour, 0xFF00FFu);
    EXPECT_TRUE(file().contains("Actioncolor=clFuchsia\n"));
}
