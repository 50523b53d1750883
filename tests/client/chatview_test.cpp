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

#include "client/printers.h"
#include "client/chatview.h"

namespace velmora::client {
namespace {

struct Span {
    QString text;
    bool bold;
    QColor colour;
    bool operator==(const Span&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Span& s) {
    return os << '"' << s.text.toStdString() << '"' << (s.bold ? " bold " : " regular ")
              << s.colour.name().toStdString();
}

std::vector<Span> spansOf(const QTextBlock& block) {
    std::vector<Span> spans;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        spans.push_back({f.text(), f.charFormat().fontWeight() == QFont::Bold, f.charFormat().foreground().color()});
    }
    return spans;
}

std::vector<Span> lastLine(const ChatView& view) { return spansOf(view.document()->lastBlock()); }

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

// The view with an input line under it, as in the main window's chat panel.
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
    void fill(int lines) {
        for (int i = 1; i <= lines; ++i) view->addlinetochat(QStringLiteral("Line %1: text").arg(i), 0);
    }
    // Viewport point over the middle of character `index` of the document.
    QPoint pointAt(int index) {
        QTextCursor c(view->document());
        c.setPosition(index);
        const QRect before = view->cursorRect(c);
        c.setPosition(index + 1);
        const QRect after = view->cursorRect(c);
        return QPoint((before.x() + after.x()) / 2, before.center().y());
    }
};

TEST_F(ChatPanel, StartsEmptyReadOnlyAndNamed) {
    EXPECT_EQ(view->objectName(), "mainchat");
    EXPECT_TRUE(view->isReadOnly());
    EXPECT_TRUE(view->document()->isEmpty());
    EXPECT_FALSE(view->scrollLock());
}

TEST_F(ChatPanel, NamePartUpToFirstColonIsBoldAndEachLineHasItsColour) {
    view->addlinetochat("Ann chats: hi: there", 0x008000);
    view->addlinetochat("You are Connected.", kSystemColour);
    EXPECT_EQ(view->toPlainText(), "Ann chats: hi: there\nYou are Connected.");
    const QColor green(0, 0x80, 0);
    EXPECT_EQ(spansOf(view->document()->firstBlock()),
              (std::vector<Span>{{"Ann chats:", true, green}, {" hi: there", false, green}}));
    EXPECT_EQ(lastLine(*view), (std::vector<Span>{{"You are Connected.", false, kBlue}}));
}

TEST_F(ChatPanel, LinesAreBlocksWithoutATrailingEmptyOne) {
    view->addlinetochat("", 0);
    view->addlinetochat(":", 0);
    view->addlinetochat("<b>not markup</b>", 0);
    EXPECT_EQ(view->document()->blockCount(), 3);
    EXPECT_EQ(view->toPlainText(), "\n:\n<b>not markup</b>");
    EXPECT_EQ(spansOf(view->document()->findBlockByNumber(1)), (std::vector<Span>{{":", true, Qt::black}}));
}

TEST_F(ChatPanel, ChatWithoutBarIsWholeAndRedBoldThroughChats) {
    view->chatrecieved("Ann chats: no colour here");
    EXPECT_EQ(view->toPlainText(), "Ann chats: no colour here");
    EXPECT_EQ(lastLine(*view), (std::vector<Span>{{"Ann chats:", true, kRed}, {" no colour here", false, kRed}}));
}

TEST_F(ChatPanel, MeActionWithoutColonIsAllRegularInItsColour) {
    view->chatrecieved("Ann waves Good-Bye|clNavy");
    EXPECT_EQ(lastLine(*view), (std::vector<Span>{{"Ann waves Good-Bye", false, QColor(0, 0, 0x80)}}));
}

TEST_F(ChatPanel, PhraseActionIsBoldThroughSays) {
    view->chatrecieved("Ann says: Good One!|$00008080");
    const QColor olive(0x80, 0x80, 0);
    EXPECT_EQ(lastLine(*view), (std::vector<Span>{{"Ann says:", true, olive}, {" Good One!", false, olive}}));
}

TEST_F(ChatPanel, ColourTextsOfReceivedLines) {
    view->chatrecieved("A chats: x|16711680");
    EXPECT_EQ(lastLine(*view).front().colour, kBlue);
    view->chatrecieved("A chats: x|CLLIME");
    EXPECT_EQ(lastLine(*view).front().colour, QColor(0, 255, 0));
    view->chatrecieved("A chats: x|");
    EXPECT_EQ(lastLine(*view).front().colour, kRed);
    // A "|" typed in the chat cuts the line; the rest is an unreadable colour.
    view->chatrecieved("A chats: a|b|clBlue");
    EXPECT_EQ(lastLine(*view), (std::vector<Span>{{"A chats:", true, kRed}, {" a", false, kRed}}));
}

TEST_F(ChatPanel, FontSizeOfTheViewAppliesToEveryLine) {
    view->addlinetochat("Ann chats: hi", 0);
    for (auto it = view->document()->firstBlock().begin(); !it.atEnd(); ++it)
        EXPECT_FALSE(it.fragment().charFormat().hasProperty(QTextFormat::FontPointSize));
}

TEST_F(ChatPanel, ScrollLockKeepsViewAndCaretStill) {
    showActive();
    fill(100);
    QScrollBar* bar = view->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());  // unlocked: follows the new line

    view->setScrollLock(true);
    bar->setValue(bar->maximum() / 2);
    QTextCursor caret(view->document());
    caret.setPosition(40);
    caret.setPosition(45, QTextCursor::KeepAnchor);
    view->setTextCursor(caret);
    const int kept = bar->value();
    fill(50);
    EXPECT_EQ(bar->value(), kept);
    EXPECT_EQ(view->textCursor().anchor(), 40);
    EXPECT_EQ(view->textCursor().position(), 45);

    // A caret at the very end stays where it was too.
    QTextCursor end(view->document());
    end.movePosition(QTextCursor::End);
    view->setTextCursor(end);
    const int endPos = end.position();
    bar->setValue(0);
    fill(3);
    EXPECT_EQ(view->textCursor().position(), endPos);
    EXPECT_EQ(bar->value(), 0);

    view->setScrollLock(false);
    fill(1);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(ChatPanel, OneScrollLockActionServesBothMenus) {
    showActive();
    QMenu options;  // the main window's Options menu
    options.addAction(view->scrollLockAction());
    QAction* item = view->scrollLockAction();
    EXPECT_EQ(item->objectName(), "ScrollChatOff1");
    EXPECT_EQ(item->text(), "Scroll Chat Off");
    EXPECT_TRUE(item->isCheckable());
    EXPECT_EQ(item->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_TRUE(view->popupMenu()->actions().contains(item));

    item->trigger();
    EXPECT_TRUE(view->scrollLock());
    view->setScrollLock(false);
    EXPECT_FALSE(item->isChecked());
    // The shortcut works while typing in the input line.
    input->setFocus();
    QTest::keyClick(input, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(view->scrollLock());
}

TEST_F(ChatPanel, PopupMenuHasCopyClearAndScrollLock) {
    QStringList texts;
    for (QAction* a : view->popupMenu()->actions()) texts << a->text();
    EXPECT_EQ(texts, (QStringList{"Copy", "Clear Main Chat", "Scroll Chat Off"}));
    EXPECT_EQ(view->copyAction()->objectName(), "Copy1");
    EXPECT_EQ(view->copyAction()->shortcut(), QKeySequence("Ctrl+C"));
    EXPECT_EQ(view->clearAction()->objectName(), "ClearMainChat1");
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
    view->clearMainChat();
    EXPECT_TRUE(view->toPlainText().isEmpty());
}

TEST_F(ChatPanel, CopyPutsTheSelectionAsPlainText) {
    showActive();
    view->addlinetochat("Ann chats: hello there", 0xFF);
    EXPECT_FALSE(view->copyAction()->isEnabled());
    QApplication::clipboard()->setText("before");
    QTextCursor sel(view->document());
    sel.setPosition(0);
    sel.setPosition(16, QTextCursor::KeepAnchor);
    view->setTextCursor(sel);
    EXPECT_TRUE(view->copyAction()->isEnabled());
    view->copyAction()->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "Ann chats: hello");

    // Focus sits in the input line; with nothing selected there, Ctrl+C
    // copies the chat's selection.
    sel.setPosition(11);
    sel.setPosition(22, QTextCursor::KeepAnchor);
    view->setTextCursor(sel);
    input->setText("draft");
    input->setFocus();
    QTest::keyClick(input, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "hello there");
    input->selectAll();
    QTest::keyClick(input, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "draft");
}

TEST_F(ChatPanel, PointerOverALinkShowsTheHand) {
    showActive();
    view->addlinetochat("Ann chats: see www.example.com. ok", 0);
    const QString text = view->toPlainText();
    const int w = int(text.indexOf("www"));
    const auto link = view->linkAtPoint(pointAt(w + 5));
    ASSERT_TRUE(link.has_value());
    EXPECT_EQ(link->text, "www.example.com");
    EXPECT_EQ(link->start, w);

    QTest::mouseMove(view->viewport(), pointAt(w + 5));
    EXPECT_EQ(view->viewport()->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(view->viewport(), pointAt(int(text.indexOf("ok"))));
    EXPECT_NE(view->viewport()->cursor().shape(), Qt::PointingHandCursor);
    // Right of the end of the line is not over any character.
    EXPECT_FALSE(view->linkAtPoint(QPoint(pointAt(int(text.size()) - 1).x() + 40, pointAt(w).y())));
}

TEST_F(ChatPanel, LeftPressOnALinkSelectsAndOpensItThenFocusReturns) {
    showActive();
    view->addlinetochat("Bob chats: try http://Example.org/a?", 0);
    view->addlinetochat("Bob chats: and www.velmora.test, ok", 0);
    const QString text = view->toPlainText();
    const int h = int(text.indexOf("http"));
    const int w = int(text.indexOf("www"));

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
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], QUrl("http://www.velmora.test"));

    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, pointAt(int(text.indexOf("ok"))));
    EXPECT_EQ(opened.size(), 2u);
    EXPECT_TRUE(input->hasFocus());
}

}  // namespace
}  // namespace velmora::client
