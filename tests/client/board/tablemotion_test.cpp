// Motion lives in the view: the table and its layout are final the moment an
// event is handled, a click acts on the final places while cards still move,
// and with animations off no timer exists.
#include "client/board/tableview.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>

#include "client/board/motionoption.h"
#include "client/model/tablemodel.h"
#include "support/eventloop.h"

using namespace velmora;
using namespace velmora::client;

namespace {

struct Motion : testing::Test {
    TableModel t;
    TableView view{t};
    std::vector<QString> clicked;

    Motion() {
        t.ownSeat = 1;
        view.resize(778, 537);
        t.onChanged([this] { view.refresh(); });
        view.setClick([this](const BoardItem& it, Qt::MouseButton, QPoint) { clicked.push_back(it.name); });
    }
    void deal() {
        t.handle(&TableModel::startthegame, "You+y+1+y+2+n+3+n+4");
        t.handle(&TableModel::startround, "20+1+1+y+2+1+y+3+1+n+4+1+n");
        t.handle(&TableModel::mycards, "1+1+5+2+18+3+13+4+53+5+7+6+33+7+40+8+2+9+26+10+11");
        t.handle(&TableModel::getnextplayer, "2+");
        t.handle(&TableModel::hisdiscard, "2+9+30+4+0+");  // Klot discards: the card flies to the pile
        t.handle(&TableModel::getnextplayer, "1+");         // and the marker slides to us
        t.handle(&TableModel::draw, "1+11+11+7+");
    }
    void click(QPoint board) {
        const QPointF at = view.fromBoard(board);
        QMouseEvent press(QEvent::MouseButtonPress, at, view.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&view, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, view.mapToGlobal(at), Qt::LeftButton, Qt::NoButton, {});
        QCoreApplication::sendEvent(&view, &release);
    }
};

TEST_F(Motion, TheModelIsFinalAtOnceAndAClickHitsTheFinalPlace) {
    view.setAnimated(true);
    view.setZoom(1.5);
    deal();
    ASSERT_TRUE(view.moving());
    EXPECT_EQ(t.cardCount(), 11);
    EXPECT_EQ(t.discardTop, 30);
    EXPECT_EQ(t.turnPhase, 2);
    const BoardItem* drawn = view.item(u"card11");
    ASSERT_TRUE(drawn);
    EXPECT_EQ(drawn->rect, QRect(340, 431, 60, 82));  // where it goes, not where it flies
    click(drawn->rect.center() + QPoint(20, 0));
    EXPECT_EQ(clicked, std::vector<QString>{"card11"});
    EXPECT_TRUE(view.moving());  // the click did not wait for the motion
    // Frames run until everything has arrived, then the timer stops.
    ASSERT_TRUE(test::waitUntil([this] { return !view.moving(); }));
    const QTimer* frames = view.findChild<QTimer*>();
    ASSERT_TRUE(frames);
    EXPECT_FALSE(frames->isActive());
}

TEST_F(Motion, WithAnimationsOffNoTimerRuns) {
    view.setAnimated(false);
    deal();
    EXPECT_FALSE(view.moving());
    EXPECT_EQ(view.findChild<QTimer*>(), nullptr);
    EXPECT_EQ(t.cardCount(), 11);
}

// GNOME's answer turns motion off once the desktop is asked (after the first
// picture), whatever the option says; the option itself stays as chosen.
TEST_F(Motion, ADesktopThatAsksForReducedMotionIsHeard) {
    QTemporaryDir bin;
    QFile fake(bin.filePath(QStringLiteral("gsettings")));
    ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
    fake.write("#!/bin/sh\n[ \"$*\" = \"get org.gnome.desktop.interface enable-animations\" ] && echo false\n");
    fake.close();
    fake.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    MotionOption motion(&view, QString());
    motion.load();
    motion.setWanted(true, false);
    ASSERT_TRUE(view.animated());
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()));
    motion.askDesktop();
    qputenv("PATH", path);
    EXPECT_TRUE(test::waitUntil([&] { return !view.animated(); }));
    EXPECT_TRUE(motion.wanted());
}

}  // namespace
