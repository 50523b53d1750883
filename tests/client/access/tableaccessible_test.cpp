// Screen readers: the painted table read through Qt's accessibility
// interfaces, and what is announced as the game goes on.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

#include "client/board/board.h"
#include "support/recordinghost.h"
#include "support/hostedwindow.h"
#include "client/access/tableaccessible.h"
#include "client/board/tableview.h"
#include "support/tchatparts.h"

using namespace velmora;
using client::Tchat;
using test::waitUntil;

namespace {

struct Said {
    QAccessible::Event type;
    QString name;
};

// Catches what would go to the screen reader.
struct Listener {
    std::vector<Said> said;
    Listener() {
        client::setAccessibleEventSink([this](QAccessibleEvent* e) {
            QAccessibleInterface* i = e->accessibleInterface();
            said.push_back({e->type(), i ? i->text(QAccessible::Name) : QString()});
        });
    }
    ~Listener() { client::setAccessibleEventSink({}); }
    bool alerted(const QString& text) const {
        return std::any_of(said.begin(), said.end(),
                           [&](const Said& s) { return s.type == QAccessible::Alert && s.name == text; });
    }
};

QAccessibleInterface* childNamed(QAccessibleInterface* parent, const QString& prefix) {
    for (int i = 0; i < parent->childCount(); ++i)
        if (QAccessibleInterface* c = parent->child(i); c && c->text(QAccessible::Name).startsWith(prefix)) return c;
    return nullptr;
}

TEST(TableAccessible, TheTreeDescribesTheWholeTable) {
    Listener listener;
    test::JoinedWindow j(2);
    test::RecordingHost& host = j.host;
    Tchat& w = j.w;
    host.send("CMD_newplayerinfo+2+Ann");
    host.send("CMD_newplayerinfo+3+Cleo");
    host.send("CMD_startgame+Bob+y+1+y+2+y+3");
    host.send("CMD_startround+5+1+1+y+2+1+y+3+1+y");
    host.send("CMD_mycards+2+1+7+2+52+3+53");
    host.send("CMD_nextplayer+2+");
    host.send("CMD_draw+2+4+4+44+");
    host.send("CMD_playstage+3+4+t+2+1+5+2+1+18+2+1+31+2+2+9+2+2+22+2+2+35");
    const client::TableModel& t = test::TchatParts::table(w);
    ASSERT_TRUE(waitUntil([&] { return t.turnPhase == 2 && !t.seats[3].groups[1].empty(); }));

    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(test::TchatParts::board(w)->tableView());
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->text(QAccessible::Name), "Table");
    // The own hand: names, positions and the selected state.
    const char* names[] = {"Blue 7", "Red wild card", "Skip", "Red 5"};
    for (int i = 0; i < 4; ++i) {
        QAccessibleInterface* card = table->child(i);
        ASSERT_NE(card, nullptr);
        EXPECT_EQ(card->text(QAccessible::Name), names[i]);
        EXPECT_EQ(card->text(QAccessible::Description), QStringLiteral("card %1 of 4").arg(i + 1));
        EXPECT_EQ(card->role(), QAccessible::ListItem);
        EXPECT_FALSE(card->state().selected);
        EXPECT_EQ(card->parent(), table);
        EXPECT_EQ(table->indexOfChild(card), i);
    }
    test::TchatParts::board(w)->tableView()->setFocus();
    QTest::keyClick(test::TchatParts::board(w)->tableView(), Qt::Key_Right);
    QTest::keyClick(test::TchatParts::board(w)->tableView(), Qt::Key_Space);
    EXPECT_TRUE(table->child(1)->state().selected);
    EXPECT_TRUE(table->child(1)->state().focused);
    EXPECT_EQ(table->focusChild(), table->child(1));
    EXPECT_TRUE(std::any_of(listener.said.begin(), listener.said.end(), [](const Said& s) {
        return s.type == QAccessible::StateChanged && s.name == "Red wild card";
    }));
    // The piles, the seats with their laid groups and kinds, the groups.
    EXPECT_NE(childNamed(table, "Draw pile"), nullptr);
    EXPECT_NE(childNamed(table, "Discard pile: Blue 5"), nullptr);
    QAccessibleInterface* cleo = childNamed(table, "Cleo,");
    ASSERT_NE(cleo, nullptr);
    EXPECT_EQ(cleo->text(QAccessible::Name),
              "Cleo, stage 1, 4 cards, laid: set Blue 5, Brown 5, Green 5; set Blue 9, Brown 9, Green 9");
    QAccessibleInterface* ann = childNamed(table, "Ann,");
    ASSERT_NE(ann, nullptr);
    EXPECT_EQ(ann->text(QAccessible::Name), "Ann, stage 1, 4 cards, playing now, nothing laid");
    QAccessibleInterface* group = childNamed(table, "Cleo's set: Blue 9");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->role(), QAccessible::Button);
    EXPECT_FALSE(group->rect().isEmpty());
    EXPECT_NE(childNamed(table, "Discard"), nullptr);  // the offered button
    // Tab moves the ring to the draw pile: the reader hears it.
    QTest::keyClick(test::TchatParts::board(w)->tableView(), Qt::Key_Tab);
    EXPECT_EQ(listener.said.back().type, QAccessible::Focus);
    EXPECT_EQ(listener.said.back().name, "Draw pile");
}

TEST(TableAccessible, StatusArrivalsDeparturesAndChatAreAnnounced) {
    Listener listener;
    test::JoinedWindow j(2);
    test::RecordingHost& host = j.host;
    Tchat& w = j.w;
    host.send("CMD_newplayerinfo+2+Ann");
    host.send("CMD_newplayerinfo+4+Dee");
    host.send("CMD_chat+Dee: hello there|clblack");
    host.send("CMD_nextplayer+2+");
    host.send("CMD_playerror+2+1+");
    host.send("CMD_playerdisconnected+4+Dee");
    ASSERT_TRUE(waitUntil([&] { return listener.alerted("Dee disconnected."); }));
    EXPECT_TRUE(listener.alerted("Dee is Connected."));
    EXPECT_TRUE(listener.alerted("Dee: hello there"));
    EXPECT_TRUE(listener.alerted("Pick up Discard or Draw a Card."));
    EXPECT_TRUE(listener.alerted("You cannot do that right now."));
    // The announcer keeps the last line for a reader that looks later.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(test::TchatParts::board(w)->tableView());
    QAccessibleInterface* announcer = table->child(table->childCount() - 1);
    EXPECT_EQ(announcer->text(QAccessible::Name), "Dee disconnected.");
}

}  // namespace
