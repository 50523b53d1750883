// The chat line and the phrase buttons without a host: what each input
// sends, the placeholder, Paste, the byte cap, the gate.
#include "client/chat/chatinput.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>

#include "client/chat/phrasebuttons.h"
#include "client/chat/phrasegate.h"
#include "support/printers.h"
#include "net/inbox.h"

using namespace velmora::client;

namespace {

struct Line : testing::Test {
    ChatInput input;
    std::vector<std::string> sent;
    bool connected = true;

    ChatSender sender() {
        return {[this](const std::string& t) {
                    sent.push_back(t);
                    return connected;
                },
                [] { return 3; }, [this] { return connected; }};
    }
    void SetUp() override { input.setSender(sender()); }
};

const qsizetype kHostCap = static_cast<qsizetype>(velmora::net::InboxLimits::host().maxMessage);

}  // namespace

TEST(ChatRequest, ChatActionsAndOtherCommands) {
    struct Case {
        const char* typed;
        std::string request;
    } cases[] = {
        {"hello + all", "CMD_chat+3+hello + all|clBlack"},
        {"/me waves", "CMD_action+3+waves|clRed"},
        {"/meword", "CMD_action+3+ord|clRed"},  // the character after "/me" goes
        {"/me", "CMD_action+3+|clRed"},
        {"/quit", ""},
        {"/ME shouts", ""},
        {"me /me", "CMD_chat+3+me /me|clBlack"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChatInput::request(QString::fromUtf8(c.typed), 3, 0x000000, 0x0000FF), c.request) << c.typed;
    // A character outside the basic plane after "/me" goes whole.
    EXPECT_EQ(ChatInput::request(QString::fromUtf8("/me\xF0\x9F\x98\x80ok"), 1, 0, 0), "CMD_action+1+ok|clBlack");
}

TEST(ChatRequest, LongestTextStillFitsTheHostsCap) {
    const QString longest = QString(maxChatTextBytes(), QLatin1Char('x'));
    const std::string action = ChatInput::request("/me " + longest, 9, 0x123456, 0x123456);
    EXPECT_LE(static_cast<qsizetype>(action.size()), kHostCap);
    EXPECT_LE(static_cast<qsizetype>(ChatInput::request(longest + "yyyy", 9, 0x123456, 0).size()), kHostCap);
    const std::string phrase = PhraseButtons::request(longest, 9, 0x123456);
    EXPECT_LE(static_cast<qsizetype>(phrase.size()), kHostCap);
}

TEST(ChatRequest, FitNeverCutsACharacterInTwo) {
    const QString text = QString::fromUtf8("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");  // 1, 2, 3, 4 bytes
    EXPECT_EQ(fitUtf8(text, 100), text);
    EXPECT_EQ(fitUtf8(text, 2), "a");
    EXPECT_EQ(fitUtf8(text, 5), QString::fromUtf8("a\xC3\xA9"));
    EXPECT_EQ(fitUtf8(text, 6), QString::fromUtf8("a\xC3\xA9\xE2\x82\xAC"));
    EXPECT_EQ(fitUtf8(text, 9), QString::fromUtf8("a\xC3\xA9\xE2\x82\xAC"));
    EXPECT_EQ(fitUtf8(text, 10), text);
}

TEST_F(Line, PlaceholderGoesAtTheFirstKeyAndEnterSends) {
    EXPECT_EQ(input.text(), "<Enter Chat Here>");
    QTest::keyClicks(&input, "hi");
    EXPECT_EQ(input.text(), "hi");
    QTest::keyClick(&input, Qt::Key_Return);
    EXPECT_EQ(sent, (std::vector<std::string>{"CMD_chat+3+hi|clBlack"}));
    EXPECT_EQ(input.text(), "");
}

TEST_F(Line, OtherSlashInputIsDroppedAndCleared) {
    input.setText("/kick 2");
    input.sendit();
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(input.text(), "");
}

TEST_F(Line, NotConnectedKeepsTheText) {
    connected = false;
    for (const char* typed : {"hello", "/quit"}) {
        input.setText(typed);
        input.sendit();
        EXPECT_EQ(input.text(), typed);
    }
    EXPECT_TRUE(sent.empty());
}

TEST_F(Line, PasteReplacesTheWholeLineAsOneCappedLine) {
    input.setText("old text");
    QApplication::clipboard()->setText("two\nlines");
    QTest::keyClick(&input, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(input.text(), "two lines");
    // Three thousand two-byte letters: cut to what the host accepts.
    QApplication::clipboard()->setText(QString(3000, QChar(0xE9)));
    input.popupMenu()->actions().front()->trigger();
    EXPECT_EQ(input.text().toUtf8().size(), maxChatTextBytes() - maxChatTextBytes() % 2);
    // Typing past the cap does nothing.
    input.setText(QString(maxChatTextBytes(), QLatin1Char('x')));
    QTest::keyClicks(&input, "more");
    EXPECT_EQ(input.text().size(), maxChatTextBytes());
}

TEST(PhraseButtonsTest, GateLetsOnePhraseThroughAndSoundsIgnoreIt) {
    PhraseGate gate(60000);  // stays closed for the whole test
    PhraseButtons buttons(gate);
    std::vector<std::string> sent;
    bool connected = false;
    buttons.setSender({[&](const std::string& t) {
                           sent.push_back(t);
                           return true;
                       },
                       [] { return 2; }, [&] { return connected; }},
                      [] { return Colour(0x008000); });
    buttons.b_phrase(1)->click();
    buttons.b_phrase(1)->click();
    buttons.b_phrase(9)->click();
    EXPECT_EQ(sent, (std::vector<std::string>{"CMD_action+2+says: Way To Go!|clGreen"}));
    // Sound phrases: only while connected, never for "<Cancel>".
    auto items = buttons.popup_sounds()->actions();
    ASSERT_EQ(items.size(), 21);
    EXPECT_EQ(items.front()->text(), "<Cancel>");
    items[4]->trigger();
    connected = true;
    items[0]->trigger();
    items[4]->trigger();
    items[20]->trigger();
    EXPECT_EQ(sent, (std::vector<std::string>{"CMD_action+2+says: Way To Go!|clGreen", "CMD_playasound+2+wave4+",
                                              "CMD_playasound+2+wave20+"}));
}

TEST(PhraseButtonsTest, MePhrasesAndEmptyPhrases) {
    EXPECT_EQ(PhraseButtons::request("/me dances", 4, 0), "CMD_action+4+dances|clBlack");
    EXPECT_EQ(PhraseButtons::request("/medances", 4, 0), "CMD_action+4+says: /medances|clBlack");
    PhraseGate gate;
    PhraseButtons buttons(gate);
    buttons.setPhrase(3, "Go team");
    EXPECT_EQ(buttons.phrase(3), "Go team");
    EXPECT_EQ(buttons.b_phrase(3)->toolTip(), "Go team");
    buttons.setPhrase(3, "");
    EXPECT_EQ(buttons.phrase(3), "Nice Try!");
    EXPECT_EQ(buttons.b_phrase10()->toolTip(), "/me waves \"Good-Bye\"");
}

TEST(PhraseButtonsTest, AnyMouseButtonOpensTheSoundMenu) {
    PhraseGate gate;
    PhraseButtons buttons(gate);
    buttons.show();
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) {
        buttons.popup_sounds()->hide();
        QTest::mouseClick(buttons.b_phrase10(), b);
        EXPECT_TRUE(buttons.popup_sounds()->isVisible()) << b;
    }
}
