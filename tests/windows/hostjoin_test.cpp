// The host-or-join dialog: sound choices only, recent games remembered
// newest first and brought back with their port, tables found on the network.
#include "windows/hostjoin.h"

#include <gtest/gtest.h>

#include <QPushButton>

using namespace velmora::windows;

TEST(HostJoin, RecentEntriesKeepTheirPortAndOrder) {
    QString address;
    quint16 port = 0;
    ASSERT_TRUE(parseRecentEntry("fe80::1:7000", &address, &port));
    EXPECT_EQ(address, "fe80::1");
    EXPECT_EQ(port, 7000);
    for (const char* bad : {"", "kitchen", ":7772", "kitchen:0", "kitchen:70000", "kitchen:x"})
        EXPECT_FALSE(parseRecentEntry(bad, &address, &port)) << bad;

    QStringList recent{"a:1", "b:2", "c:3"};
    recent = rememberRecent(recent, "b:2", 3);
    EXPECT_EQ(recent, QStringList({"b:2", "a:1", "c:3"}));
    recent = rememberRecent(recent, "d:4", 3);
    EXPECT_EQ(recent, QStringList({"d:4", "b:2", "a:1"}));
}

TEST(HostJoin, ChoicesAreCheckedBeforeTheyAreMade) {
    Thostjoin dialog(nullptr);
    std::vector<HostJoinChoice> made;
    QObject::connect(&dialog, &Thostjoin::chosen, [&](const HostJoinChoice& c) { made.push_back(c); });
    dialog.setRecent("", {"kitchen-pc:7772", "10.0.0.5:7001", "garbage"});
    EXPECT_EQ(dialog.combo_address()->count(), 2);
    EXPECT_EQ(dialog.combo_address()->currentText(), "kitchen-pc");
    EXPECT_EQ(dialog.spin_port()->value(), 7772);
    dialog.combo_address()->setCurrentIndex(1);
    emit dialog.combo_address()->activated(1);
    EXPECT_EQ(dialog.combo_address()->currentText(), "10.0.0.5");
    EXPECT_EQ(dialog.spin_port()->value(), 7001);

    dialog.button_joinClick();
    EXPECT_EQ(dialog.problem(), "Type your name first.");
    dialog.edit_name()->setText("  Ann  ");
    dialog.combo_address()->setEditText(" ");
    dialog.button_joinClick();
    EXPECT_EQ(dialog.problem(), "Type the address of the computer that hosts the game.");
    EXPECT_TRUE(made.empty());

    dialog.findChild<QPushButton*>("button_host")->click();  // hosting needs no address
    dialog.combo_address()->setEditText("10.0.0.5");
    dialog.button_joinClick();
    ASSERT_EQ(made.size(), 2u);
    EXPECT_TRUE(made[0].host);
    EXPECT_TRUE(made[0].announce);  // on unless the player unticks it
    EXPECT_EQ(made[0].name, "Ann");
    EXPECT_EQ(made[0].address, "");
    EXPECT_FALSE(made[1].host);
    EXPECT_EQ(made[1].address, "10.0.0.5");
    EXPECT_EQ(made[1].port, 7001);
    EXPECT_TRUE(dialog.problem().isEmpty());
}

TEST(HostJoin, NamesStayShortAndPrintable) {
    Thostjoin dialog(nullptr);
    dialog.setRecent(QString(40, 'x'), {});
    EXPECT_EQ(dialog.edit_name()->text().size(), Thostjoin::kMaxName);
    QString control = "A\x01";
    int pos = 0;
    EXPECT_EQ(dialog.edit_name()->validator()->validate(control, pos), QValidator::Invalid);
}

// Tables heard on the network are listed with what a player needs to
// choose one; a double click joins it.
TEST(HostJoin, ListsTablesFoundAndJoinsOneWithADoubleClick) {
    Thostjoin dialog(nullptr);
    std::vector<HostJoinChoice> made;
    QObject::connect(&dialog, &Thostjoin::chosen, [&](const HostJoinChoice& c) { made.push_back(c); });
    dialog.edit_name()->setText("Bo");
    dialog.setTables({{"10.0.0.9", {"Ann's table", 7001, 2, 0, true, "1.0.0"}},
                      {"10.0.0.8", {"Cy", 7772, 1, 1, false, "0.9"}}});
    ASSERT_EQ(dialog.list_tables()->count(), 2);
    EXPECT_EQ(dialog.list_tables()->item(0)->text(), "Ann's table - 2 players, playing (10.0.0.9:7001)");
    EXPECT_EQ(dialog.list_tables()->item(1)->text(), "Cy - 1 player (10.0.0.8:7772)");
    EXPECT_EQ(dialog.list_tables()->item(1)->toolTip(), "This table runs version 0.9; you have 1.0.0.");
    emit dialog.list_tables()->itemDoubleClicked(dialog.list_tables()->item(0));
    ASSERT_EQ(made.size(), 1u);
    EXPECT_FALSE(made[0].host);
    EXPECT_EQ(made[0].name, "Bo");
    EXPECT_EQ(made[0].address, "10.0.0.9");
    EXPECT_EQ(made[0].port, 7001);
}
