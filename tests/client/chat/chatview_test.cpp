#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QVBoxLayout>

#include "client/chat/chatview.h"
#include "support/printers.h"

namespace velmora::client {
namespace {

// A line as its fragments: "*" marks bold, then the colour, then the text.
QString spans(const QTextBlock& block) {
    QString out;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat f = it.fragment().charFormat();
        EXPECT_FALSE(f.hasProperty(QTextFormat::FontPointSize));  // the view's text size applies
        out += QStringLiteral("[%1%2]%3")
                   .arg(f.fontWeight() == QFont::Bold ? "*" : "", f.foreground().color().name(), it.fragment().text());
    }
    return out;
}

// The view with the input line under it, as in the main window's chat panel.
struct ChatPanel : ::testing::Test {
    QWidget window;
    ChatView* view = new ChatView;
    QLineEdit* input = new QLineEdit;
    std::vector<QUrl> opened;

    ChatPanel() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(view);
        layout->addWidget(input);
        view->setInputLine(input);
        view->setLinkOpener([this](const QUrl& url) { opened.push_back(url); });
        window.resize(320, 200);
    }
    void showActive() {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QString last() const { return spans(view->document()->lastBlock()); }
    void fill(int lines) {
        for (int i = 1; i <= lines; ++i) view->addlinetochat(QStringLiteral("Line %1: text").arg(i), 0);
    }
    void select(int from, int to) {
        QTextCursor c(view->document());
        c.setPosition(from);
        c.setPosition(to, QTextCursor::KeepAnchor);
        view->setTextCursor(c);
    }
    // Viewport point over the middle of the character at `index`.
    QPoint pointAt(qsizetype index) {
        QTextCursor c(view->document());
        c.setPosition(int(index));
        const QRect before = view->cursorRect(c);
        c.setPosition(int(index) + 1);
        return QPoint((before.x() + view->cursorRect(c).x()) / 2, before.center().y());
    }
};

TEST_F(ChatPanel, NamePartUpToFirstColonIsBoldAndEachLineHasItsColour) {
    EXPECT_EQ(view->objectName(), "mainchat");
    EXPECT_TRUE(view->isReadOnly());
    view->addlinetochat("Ann chats: hi: there", 0x008000);
    view->addlinetochat("You are Connected.", kSystemColour);
    view->addlinetochat("", 0);
    view->addlinetochat(":", 0);
    view->addlinetochat("<b>not markup</b>", 0);
    EXPECT_EQ(view->toPlainText(), "Ann chats: hi: there\nYou are Connected.\n\n:\n<b>not markup</b>");
    EXPECT_EQ(spans(view->document()->firstBlock()), "[*#008000]Ann chats:[#008000] hi: there");
    EXPECT_EQ(spans(view->document()->findBlockByNumber(1)), "[#0000ff]You are Connected.");
    EXPECT_EQ(spans(view->document()->findBlockByNumber(3)), "[*#000000]:");
}

TEST_F(ChatPanel, ReceivedChatAndActionsTakeTheColourAfterTheBar) {
    const std::pair<const char*, const char*> cases[] = {
        // No "|": the whole payload in red, bold through " chats:".
        {"Ann chats: no colour here", "[*#ff0000]Ann chats:[#ff0000] no colour here"},
        // A "/me" action has no ":" and is all regular.
        {"Ann waves Good-Bye|clNavy", "[#000080]Ann waves Good-Bye"},
        {"Ann says: Good One!|$00008080", "[*#808000]Ann says:[#808000] Good One!"},
        {"A chats: x|16711680", "[*#0000ff]A chats:[#0000ff] x"},
        {"A chats: x|CLLIME", "[*#00ff00]A chats:[#00ff00] x"},
        {"A chats: x|", "[*#ff0000]A chats:[#ff0000] x"},
        // A "|" typed in the chat cuts the line; the rest is no readable colour.
        {"A chats: a|b|clBlue", "[*#ff0000]A chats:[#ff0000] a"},
    };
    for (const auto& [payload, shown] : cases) {
        view->chatrecieved(payload);
        EXPECT_EQ(last(), shown) << payload;
    }
}

TEST_F(ChatPanel, ScrollLockKeepsViewAndCaretStill) {
    showActive();
    fill(100);
    QScrollBar* bar = view->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());  // unlocked: follows the new line

    view->setScrollLock(true);
    bar->setValue(bar->maximum() / 2);
    select(40, 45);
    const int kept = bar->value();
    fill(50);
    EXPECT_EQ(bar->value(), kept);
    EXPECT_EQ(view->textCursor().anchor(), 40);
    EXPECT_EQ(view->textCursor().position(), 45);

    // A caret at the very end does not travel with the new lines either.
    const int end = view->document()->characterCount() - 1;
    select(end, end);
    bar->setValue(0);
    fill(3);
    EXPECT_EQ(view->textCursor().position(), end);
    EXPECT_EQ(bar->value(), 0);

    view->setScrollLock(false);
    fill(1);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(ChatPanel, OneScrollLockActionServesBothMenus) {
    showActive();
    QAction* item = view->scrollLockAction();
    QMenu options;  // the main window's Options menu
    options.addAction(item);
    EXPECT_EQ(item->objectName(), "ScrollChatOff1");
    EXPECT_TRUE(item->isCheckable());
    EXPECT_EQ(item->shortcut(), QKeySequence("Ctrl+S"));
    QStringList popup;
    for (QAction* a : view->popupMenu()->actions()) popup << a->text();
    EXPECT_EQ(popup, (QStringList{"Copy", "Clear Main Chat", "Scroll Chat Off"}));

    options.actions().first()->trigger();
    EXPECT_TRUE(view->scrollLock());
    view->setScrollLock(false);
    EXPECT_FALSE(item->isChecked());
    // The shortcut works while typing in the input line.
    input->setFocus();
    QTest::keyClick(input, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(view->scrollLock());
}

TEST_F(ChatPanel, ClearEmptiesTheViewAndFocusesTheInput) {
    showActive();
    fill(5);
    view->setFocus();
    view->clearAction()->trigger();
    EXPECT_TRUE(view->document()->isEmpty());
    EXPECT_TRUE(input->hasFocus());
    view->addlinetochat("Ann: again", 0);
    EXPECT_EQ(view->document()->blockCount(), 1);
}

TEST_F(ChatPanel, CopyPutsTheSelectionAsPlainText) {
    showActive();
    view->addlinetochat("Ann chats: hello there", 0xFF);
    EXPECT_FALSE(view->copyAction()->isEnabled());
    EXPECT_EQ(view->copyAction()->shortcut(), QKeySequence("Ctrl+C"));
    select(0, 16);
    EXPECT_TRUE(view->copyAction()->isEnabled());
    view->copyAction()->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "Ann chats: hello");

    // Focus sits in the input line; with nothing selected there, Ctrl+C
    // copies the chat's selection, otherwise the input's.
    select(11, 22);
    input->setText("draft");
    input->setFocus();
    QTest::keyClick(input, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "hello there");
    input->selectAll();
    QTest::keyClick(input, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "draft");
}

TEST_F(ChatPanel, LinksShowTheHandAndALeftPressSelectsAndOpensThem) {
    showActive();
    view->addlinetochat("Bob chats: try http://Example.org/a?", 0);
    view->addlinetochat("Bob chats: and www.velmora.test, ok", 0);
    const QString text = view->toPlainText();
    const auto h = text.indexOf("http");
    const auto w = text.indexOf("www");
    EXPECT_EQ(view->linkAtPoint(pointAt(w + 5))->start, w);
    QTest::mouseMove(view->viewport(), pointAt(w + 5));
    EXPECT_EQ(view->viewport()->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(view->viewport(), pointAt(text.indexOf("ok")));
    EXPECT_NE(view->viewport()->cursor().shape(), Qt::PointingHandCursor);
    // Right of the end of a line is not over any character.
    EXPECT_FALSE(view->linkAtPoint(pointAt(text.indexOf("a?")) + QPoint(60, 0)));

    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, pointAt(h + 3));
    EXPECT_TRUE(opened.empty());
    view->setFocus();
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, pointAt(h + 3));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl("http://Example.org/a"));
    EXPECT_EQ(view->textCursor().selectedText(), "http://Example.org/a");
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, pointAt(h + 3));
    EXPECT_TRUE(input->hasFocus());

    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, pointAt(w + 2));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, pointAt(text.indexOf("ok")));
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], QUrl("http://www.velmora.test"));
}

}  // namespace
}  // namespace velmora::client
