// The spectator list: the row under the pointer follows the mouse, and
// "Remove From Game" removes only that spectator, or nobody.
#include "windows/spylist.h"

#include <gtest/gtest.h>

#include <QTest>

using velmora::windows::Tspylist;

namespace {

struct SpyList : testing::Test {
    Tspylist spies{nullptr};
    std::vector<int> kicked;

    SpyList() {
        QObject::connect(&spies, &Tspylist::kick, [this](int place) { kicked.push_back(place); });
        spies.setKickEnabled(true);
        spies.addSpy(5, "Ann");
        spies.addSpy(6, "Bob");
        spies.addSpy(7, "Cy");
        spies.show();
    }
    QWidget* viewport() { return spies.listbox_spys()->viewport(); }
    QPoint centreOf(int row) {
        return spies.listbox_spys()->visualItemRect(spies.listbox_spys()->item(row)).center();
    }
    void moveTo(const QPoint& pos) {
        QMouseEvent move(QEvent::MouseMove, pos, viewport()->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(viewport(), &move);
    }
    void leave() {
        QEvent e(QEvent::Leave);
        QCoreApplication::sendEvent(viewport(), &e);
    }
    void rightClick(const QPoint& pos) { emit spies.listbox_spys()->customContextMenuRequested(pos); }
};

}  // namespace

TEST_F(SpyList, ThePointerPicksTheSpectatorToRemove) {
    EXPECT_EQ(spies.items(), (QStringList{"5: Ann", "6: Bob", "7: Cy"}));
    moveTo(centreOf(1));
    EXPECT_EQ(spies.underPointer(), 1);
    moveTo(centreOf(2));
    EXPECT_EQ(spies.underPointer(), 2);
    spies.popup_kickhimClick();
    moveTo(QPoint(5, viewport()->height() - 2));  // below the last item
    EXPECT_EQ(spies.underPointer(), -1);
    spies.popup_kickhimClick();
    moveTo(centreOf(0));
    leave();
    EXPECT_EQ(spies.underPointer(), -1);
    spies.popup_kickhimClick();
    EXPECT_EQ(kicked, std::vector<int>{7});
}

TEST_F(SpyList, ThePopUpOpensWithoutWaitingAndKeepsItsTarget) {
    rightClick(centreOf(1));
    // popup() returned at once: the menu is open while this test runs on.
    ASSERT_TRUE(spies.popupMenu()->isVisible());
    QAction* item = spies.popupMenu()->actions().value(0);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "Remove From Game");
    EXPECT_TRUE(item->isEnabled());
    leave();  // the pointer goes over the menu
    spies.removeSpy(5, "Ann");  // a spectator above leaves meanwhile
    item->trigger();
    EXPECT_EQ(kicked, std::vector<int>{6});
    spies.popupMenu()->hide();
}

TEST_F(SpyList, TheTargetThatLeftIsNotReplacedByItsNeighbour) {
    rightClick(centreOf(1));
    spies.removeSpy(6, "Bob");
    spies.popupMenu()->actions().value(0)->trigger();
    EXPECT_TRUE(kicked.empty());
    spies.popupMenu()->hide();
}

TEST_F(SpyList, OnlyTheHostMayRemoveAndOnlyAnItem) {
    rightClick(QPoint(5, viewport()->height() - 2));
    EXPECT_FALSE(spies.popupMenu()->actions().value(0)->isEnabled());
    spies.popupMenu()->hide();
    spies.setKickEnabled(false);
    rightClick(centreOf(0));
    EXPECT_FALSE(spies.popupMenu()->actions().value(0)->isEnabled());
    spies.popupMenu()->hide();
    EXPECT_FALSE(spies.removeSpy(9, "Nobody"));
}

TEST_F(SpyList, OnePerSpectatorPlaceWhateverTheHostSends) {
    for (int i = 0; i < 1000; ++i) spies.addSpy(10 + i, "Flood");
    spies.addSpy(4, "Seat");
    spies.addSpy(0, "Nobody");
    spies.addSpy(6, "Dee");  // place 6 passed to someone else
    spies.addSpy(8, "Eve");
    EXPECT_EQ(spies.items(), (QStringList{"5: Ann", "6: Dee", "7: Cy", "8: Eve"}));
}

TEST(SpyListAlone, SaysSoWhileNobodyWatches) {
    Tspylist spies(nullptr);
    spies.show();
    const QLabel* note = spies.findChild<QLabel*>(QStringLiteral("label_nospies"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    spies.addSpy(5, "Ann");
    EXPECT_FALSE(note->isVisible());
    spies.removeSpy(5, "Ann");
    EXPECT_TRUE(note->isVisible());
}
