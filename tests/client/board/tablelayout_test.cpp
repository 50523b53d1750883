// Where the table's controls stand, from the table state alone.
#include "client/board/tablelayout.h"

#include <gtest/gtest.h>

#include "client/model/tablemodel.h"

using namespace velmora::client;

namespace {

struct Layout : testing::Test {
    TableModel t;
    Layout() { t.ownSeat = 1; }
    BoardItem at(const char* name) const {
        const BoardItems items = layoutBoard(t);
        const BoardItem* it = findItem(items, QString::fromLatin1(name));
        EXPECT_NE(it, nullptr) << name;
        return it ? *it : BoardItem{};
    }
    QRect rect(const char* name) const { return at(name).rect; }
};

TEST_F(Layout, HandCardsOverlapByHalfAndTheEleventhLiesInFront) {
    for (int id = 1; id <= 11; ++id) t.createcard(id, id);
    EXPECT_EQ(rect("card1"), QRect(40, 431, 60, 82));
    EXPECT_EQ(rect("card11"), QRect(340, 431, 60, 82));
    const BoardItems items = layoutBoard(t);
    EXPECT_EQ(itemAt(items, {345, 450})->name, "card11");
    EXPECT_EQ(itemAt(items, {75, 450})->name, "card2");
    t.toggleSelected(4);
    EXPECT_EQ(rect("card4"), QRect(130, 410, 60, 82));
    t.movecards(3);
    EXPECT_EQ(rect("card4").topLeft(), QPoint(100, 431));
    EXPECT_EQ(rect("card11").left(), 310);
    EXPECT_EQ(findItem(layoutBoard(t), u"card3"), nullptr);
}

TEST_F(Layout, FansOfZeroOneAndTenCards) {
    t.seats[2].handCount = 10;
    t.seats[3].handCount = 1;
    EXPECT_EQ(rect("image_cards2"), QRect(28, 32, 135, 61));
    EXPECT_EQ(rect("image_cards3").width(), 45);
    EXPECT_EQ(rect("image_cards4").width(), 35);
    EXPECT_FALSE(at("image_cards4").visible);
    EXPECT_FALSE(at("image_cards1").visible);  // the own hand is drawn instead
    t.ownSeat = 6;
    t.seats[1].handCount = 10;
    EXPECT_TRUE(at("image_cards1").visible);  // a spectator sees seat 1's fan
}

TEST_F(Layout, ATwelveCardGroupIs243PixelsWide) {
    t.seats[2].groups[0] = std::vector<int>(12, 5);
    t.seats[2].groups[1] = {1, 2, 3};
    EXPECT_EQ(rect("image_set21"), QRect(24, 102, 243, 61));
    EXPECT_EQ(rect("image_set22"), QRect(24, 174, 81, 61));
    EXPECT_EQ(at("image_set22").target, (BoardTarget{ItemRole::Group, 2, 2}));
    EXPECT_FALSE(at("image_set31").visible);
}

TEST_F(Layout, OwnSeatThreeTurnsThePlaces) {
    t.ownSeat = 3;
    t.sortstuff(3);
    t.seats[4].groups = {std::vector<int>{1, 2, 3}, std::vector<int>{4, 5, 6}};
    EXPECT_EQ(rect("image_set41").topLeft(), QPoint(24, 102));
    EXPECT_EQ(at("image_set41").target, (BoardTarget{ItemRole::Group, 4, 1}));
    EXPECT_EQ(at("image_set42").target, (BoardTarget{ItemRole::Group, 4, 2}));
    EXPECT_EQ(rect("image_cards1").topLeft(), QPoint(280, 32));
    EXPECT_EQ(rect("image_cards2").topLeft(), QPoint(544, 32));
    EXPECT_EQ(rect("image_turn3").topLeft(), QPoint(17, 440));
}

TEST_F(Layout, ButtonsMarkersAndPanelsAtTheirPlaces) {
    EXPECT_EQ(rect("image_discard"), QRect(357, 280, 60, 82));
    EXPECT_EQ(rect("image_draw"), QRect(421, 280, 60, 82));
    EXPECT_EQ(rect("button_draw"), QRect(421, 360, 60, 18));
    EXPECT_EQ(rect("button_createstage"), QRect(41, 334, 115, 34));
    EXPECT_EQ(rect("image_skipped4"), QRect(520, 34, 20, 59));
    EXPECT_EQ(rect("image_setlabel12"), QRect(19, 246, 20, 68));
    EXPECT_EQ(at("button_stagelist").target.role, ItemRole::StageListSwitch);
    EXPECT_FALSE(at("button_draw").visible);
    EXPECT_TRUE(at("image_discard").visible);  // clicks reach the empty pile
    t.seats[1].skipped = true;
    const BoardItems items = layoutBoard(t);
    EXPECT_EQ(items[items.size() - 10].name, "image_skipped1");  // in front of the hand and the seats
    EXPECT_EQ(items.back().name, "button_closewinner");         // the panels' buttons in front of all
}

// A full table at a game's end: the standing leaves the chat panel free and
// every card under it in reach of a click, the points sit beside the names,
// the last hit card is outlined and a click on the outline reaches the card.
TEST_F(Layout, PanelsLeaveTheTableInReachAndTheLastHitIsOutlined) {
    t.setName(1, "You");
    t.setName(2, "Klot");
    t.setName(3, "A rather long player name");
    for (int id = 1; id <= 11; ++id) t.createcard(id, id);
    for (int s = 1; s <= 4; ++s) {
        t.seats[s].handCount = 10;
        t.seats[s].groups = {std::vector<int>(11, 5), std::vector<int>(11, 6)};
        t.seats[s].points = 125;
    }
    std::string hit = "2+3+9";  // seat 2 hits seat 3's group 1 on the right: twelve cards
    for (int n = 0; n < 12; ++n) hit += "+2+1+5";
    for (int n = 0; n < 11; ++n) hit += "+2+2+6";
    t.hitthem(hit);
    t.endround("2+1+2+0+0+2+1+35+35+3+2+15+15");
    t.winner("1+1+11+2+2+3+2+4+1");
    t.hosting = true;
    const BoardItems items = layoutBoard(t);
    const BoardItem* panel = findItem(items, u"panel_winner");
    ASSERT_TRUE(panel && panel->visible);
    EXPECT_EQ(panel->rows.size(), 4u);  // the heading and three named seats
    EXPECT_TRUE(findItem(items, u"button_playagain")->visible);
    EXPECT_LT(panel->rect.right(), 515);  // the chat panel and its tabs start there
    for (const BoardItem& it : items) {
        const bool card = it.kind == BoardItem::Kind::Group || it.kind == BoardItem::Kind::Pile;
        const QRect under = it.rect & panel->rect;
        if (card && it.visible && !under.isEmpty()) {
            const BoardItem* top = itemAt(items, under.center());  // the card, or one of the panel's buttons
            EXPECT_TRUE(top->name == it.name || top->kind == BoardItem::Kind::TextButton) << top->name.toStdString();
        }
    }
    const QRect group = findItem(items, u"image_set31")->rect;
    const BoardItem* mark = findItem(items, u"image_lastmove");
    ASSERT_TRUE(mark->visible);
    EXPECT_EQ(mark->rect, QRect(group.right() + 1 - 45, group.y(), 45, 61).adjusted(-2, -2, 2, 2));
    EXPECT_EQ(itemAt(items, mark->rect.center())->name, "image_set31");
    const BoardItem* points = findItem(items, u"label_points3");
    EXPECT_TRUE(points->visible);
    EXPECT_EQ(points->text, "15");  // the host's total from the round end
    EXPECT_LE(points->rect.right(), seatNameAt(2).x() + kSeatNameWidth);  // a long name gives way
    t.startthegame("You+y+1+y+2+y+3+y+4");
    EXPECT_FALSE(findItem(layoutBoard(t), u"image_lastmove")->visible);
}

TEST_F(Layout, SlotUnderAPointAndCardNames) {
    EXPECT_EQ(slotAt(40), 1);
    EXPECT_EQ(slotAt(54), 1);
    EXPECT_EQ(slotAt(56), 2);
    EXPECT_EQ(slotAt(-100), 1);
    EXPECT_EQ(slotAt(1000), 11);
    EXPECT_EQ(faceName(7), "Blue 7");
    EXPECT_EQ(faceName(26), "Brown Wild");
    EXPECT_EQ(faceName(53), "Skip");
}

}  // namespace
