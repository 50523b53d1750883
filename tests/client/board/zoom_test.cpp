// Zoom: clicks on a zoomed table reach the same operations, the pictures
// stay sharp, and the zoom and the animations switch are kept in the
// settings file, each under its own key.
#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

#include "client/board/board.h"
#include "client/board/boardfit.h"
#include "client/chat/chatview.h"
#include "client/art/cardart.h"
#include "support/recordinghost.h"
#include "support/hostedwindow.h"
#include "client/settings/playerfiles.h"
#include "client/settings/settings.h"
#include "client/board/tableview.h"
#include "client/board/zoommenu.h"
#include "support/tchatparts.h"

using namespace velmora;
using client::Tchat;
using test::waitUntil;

namespace {

struct Joined : test::JoinedWindow {
    Joined() : JoinedWindow(2) {}

    // Own seat 2 with ten cards, in the second phase of its turn; seat 3 has laid.
    void deal() {
        host.send("CMD_startgame+Bob+y+1+y+2+y+3");
        host.send("CMD_startround+5+1+1+y+2+1+y+3+1+y");
        host.send("CMD_mycards+2+1+5+2+18+3+31+4+7+5+9+6+10+7+11+8+12+9+40+10+41");
        host.send("CMD_nextplayer+2+");
        host.send("CMD_playstage+3+4+t+2+1+5+2+1+18+2+1+31+2+2+9+2+2+22+2+2+35");
        host.send("CMD_draw+2+11+11+44+");
        ASSERT_TRUE(waitUntil([&] { return test::TchatParts::table(w).turnPhase == 2 && !test::TchatParts::table(w).seats[3].groups[1].empty(); }));
    }
    void click(const char16_t* name, QPoint inItem) {
        client::TableView* view = test::TchatParts::board(w)->tableView();
        const client::BoardItem* it = view->item(name);
        ASSERT_TRUE(it && it->visible);
        QTest::mouseClick(view, Qt::LeftButton, {}, view->fromBoard(it->rect.topLeft() + inItem));
    }
};

TEST(Zoom, ClicksOnAZoomedTableReachTheSameOperations) {
    Joined j;
    j.deal();
    test::TchatParts::board(j.w)->setZoom(1.5);
    EXPECT_EQ(test::TchatParts::board(j.w)->size(), QSize(1167, 806));
    // Narrowed on the own turn: the Hint button stands beside it.
    EXPECT_EQ(test::TchatParts::board(j.w)->label_status()->geometry(), QRect(27, 777, 665, 24));
    // A three-card group is 81 wide: 10 pixels in is its left end, 30 its right.
    j.click(u"card2", {5, 5});
    EXPECT_EQ(test::TchatParts::table(j.w).selectedIds(), std::vector<int>{2});
    j.click(u"image_set31", {10, 20});
    ASSERT_TRUE(j.host.waitFor("CMD_hitset"));
    j.host.send("CMD_playerror+2+5+");
    ASSERT_TRUE(waitUntil([&] { return test::TchatParts::table(j.w).ownTurn(); }));
    j.click(u"image_set31", {30, 20});
    ASSERT_TRUE(j.host.waitFor("CMD_hitset+2+31+2+r"));
    EXPECT_NE(j.host.bytes.find("CMD_hitset+2+31+2+l+\xFF" "CMD_hitset+2+31+2+r+\xFF"), std::string::npos);
}

// At 200 % a card on the table is the picture drawn at twice the size, pixel
// for pixel: nothing is stretched.
TEST(Zoom, PicturesAreDrawnAtTheZoomedSize) {
    Joined j;
    j.deal();
    // The drawn card flies from this pile; compare once it has arrived.
    const client::TableView* view = test::TchatParts::board(j.w)->tableView();
    ASSERT_TRUE(waitUntil([&] { return !view->moving(); }));
    for (int percent : {125, 200}) {
        const qreal z = percent / 100.0;
        test::TchatParts::board(j.w)->setZoom(z);
        const QImage shot = test::TchatParts::board(j.w)->tableView()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage art = client::art::bigCard(0, z).toImage().convertToFormat(QImage::Format_ARGB32);
        const QPoint at(static_cast<int>(std::lround(421 * z)), static_cast<int>(std::lround(280 * z)));
        // The inner part, away from the rounded corners that blend with the felt.
        const QRect inner = art.rect().adjusted(8, 8, -8, -8);
        int differing = 0;
        for (int y = inner.top(); y <= inner.bottom(); ++y)
            for (int x = inner.left(); x <= inner.right(); ++x)
                if (shot.pixel(at + QPoint(x, y)) != art.pixel(x, y)) ++differing;
        EXPECT_EQ(differing, 0) << percent << " %";
    }
}

QByteArray settingsFile() {
    QFile f(client::Settings::defaultPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeSettingsFile(const char* text) {
    QFile f(client::Settings::defaultPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

TEST(Zoom, KeptInTheSettingsFileUnderItsOwnKey) {
    writeSettingsFile("[Other]\nTablezoom=7\n[Velmora]\nTextsize=10\nTablezoom=130\n");
    {
        Joined j;
        EXPECT_EQ(test::TchatParts::zoom(j.w).percent(), 125);  // the nearest step
        EXPECT_TRUE(test::TchatParts::action(j.w, "Zoom125")->isChecked());
        test::TchatParts::action(j.w, "Zoom200")->trigger();
    }
    EXPECT_EQ(settingsFile(), "[Other]\nTablezoom=7\n[Velmora]\nTextsize=10\nTablezoom=200\n");
    Joined again;
    EXPECT_EQ(test::TchatParts::zoom(again.w).percent(), 200);
    test::TchatParts::action(again.w, "ZoomOut1")->trigger();
    EXPECT_EQ(test::TchatParts::zoom(again.w).percent(), 150);
    test::TchatParts::action(again.w, "ZoomReset1")->trigger();
    EXPECT_EQ(test::TchatParts::board(again.w)->size(), QSize(778, 537));
}

// The board fills the window it is given, in the middle, the chat with it;
// a zoom the work area cannot hold keeps the window on it; back at 100 %
// the window shrinks around the board.
TEST(Zoom, TheBoardFitsTheWindowAndTheWindowTheWorkArea) {
    Joined j;
    Tchat& w = j.w;
    const QWidget* frame = w.centralWidget();
    const client::BoardPanel* board = test::TchatParts::board(w);
    w.resize(1400, 1000);  // larger than the test screen, as a player's desktop may be
    ASSERT_TRUE(waitUntil([&] { return frame->width() == 1400; }));
    const QRect b = board->geometry();
    EXPECT_EQ(board->zoom(), 1.75);
    EXPECT_LE(std::abs(b.left() - (frame->width() - 1 - b.right())), 1) << b.left() << " " << b.right();
    EXPECT_LE(std::abs(b.top() - (frame->height() - 1 - b.bottom())), 1) << b.top() << " " << b.bottom();
    const client::ChatView* chat = test::TchatParts::mainchat(w);
    EXPECT_DOUBLE_EQ(chat->font().pointSizeF(), chat->textSize() * 1.75);

    const QRect area = w.screen()->availableGeometry();
    test::TchatParts::zoom(w).setPercent(200, false);  // the settings file is left alone
    ASSERT_TRUE(waitUntil([&] { return area.contains(w.frameGeometry()); })) << w.frameGeometry().width();
    ASSERT_TRUE(waitUntil([&] { return frame->rect().contains(board->geometry()); }));

    w.resize(1400, 1000);
    ASSERT_TRUE(waitUntil([&] { return frame->width() == 1400; }));
    test::TchatParts::zoom(w).setPercent(100, false);
    ASSERT_TRUE(waitUntil([&] { return frame->width() == client::BoardPanel::kWidth + client::BoardFit::kMargin; }));
    EXPECT_EQ(board->zoom(), 1.0);

    // Maximised, the board stands in the middle of the screen's width.
    w.showMaximized();
    ASSERT_TRUE(waitUntil([&] { return frame->width() > client::BoardPanel::kWidth + client::BoardFit::kMargin; }));
    EXPECT_LE(std::abs(board->x() - (frame->width() - 1 - board->geometry().right())), 1);
}

// Options > Animations writes its own key and leaves the zoom's alone.
TEST(Zoom, AnimationsKeptApartFromTheZoom) {
    writeSettingsFile("[Velmora]\nTextsize=10\n");
    {
        Joined j;
        test::TchatParts::action(j.w, "Animations1")->trigger();
    }
    EXPECT_EQ(settingsFile(), "[Velmora]\nTextsize=10\nAnimations=false\n");
    Joined again;
    EXPECT_FALSE(test::TchatParts::action(again.w, "Animations1")->isChecked());
}

}  // namespace
