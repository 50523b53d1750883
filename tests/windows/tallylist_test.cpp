// The tally list window: following players, counting games, the two
// questions, and a record that survives a restart or a crash.
#include "windows/tallylist.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFile>
#include <QTemporaryDir>

#include "support/eventloop.h"
#include "tally/tallyfile.h"

using velmora::windows::Ttallylist;

namespace {

struct TallyWindow : testing::Test {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Velmoratally.tld"));
    std::unique_ptr<Ttallylist> window = open();

    std::unique_ptr<Ttallylist> open() {
        auto w = std::make_unique<Ttallylist>(nullptr);
        w->FormCreate(path);
        return w;
    }
    // Clicks a check box the way a player does.
    static void click(QListWidget* list, int row) {
        QListWidgetItem* item = list->item(row);
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
    static QStringList items(QListWidget* list, bool tickedOnly = false) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            if (!tickedOnly || list->item(i)->checkState() == Qt::Checked) out << list->item(i)->text();
        return out;
    }
    QString record() const {
        QStringList out;
        for (int n = 1; n <= 8; ++n) out << window->label(n)->text();
        return out.join(' ');
    }
    void answer(QMessageBox::StandardButton button) {
        ASSERT_TRUE(window->question());
        window->question()->button(button)->click();
    }
    // The tally as it stands in the file right now.
    std::string stored() const { return velmora::tally::TallyFile(path.toStdString()).load().tally.text(); }
    void follow(const QStringList& names) {
        window->loadchecklist(names);
        for (int i = 0; i < names.size(); ++i) click(window->checklist(), i);
    }
};

TEST_F(TallyWindow, TickingAPlayerAtTheTableFollowsHimOnce) {
    EXPECT_EQ(window->windowTitle(), "Velmora - Tally List");
    window->loadchecklist({"Ann", "Klot"});
    EXPECT_TRUE(items(window->checklist(), true).isEmpty());
    click(window->checklist(), 0);
    EXPECT_EQ(items(window->listbox_tally(), true), QStringList{"Ann"});
    // Clearing the tick here removes nothing, and the tick stays.
    click(window->checklist(), 0);
    EXPECT_EQ(items(window->checklist(), true), QStringList{"Ann"});
    EXPECT_EQ(window->stringgrid_scores().rowCount(), 2);
    EXPECT_EQ(window->stringgrid_scores().names(), std::vector<std::string>{"Ann"});
    // Listed again later: ticked because followed.
    window->loadchecklist({"Klot", "Ann"});
    EXPECT_EQ(items(window->checklist(), true), QStringList{"Ann"});
}

TEST_F(TallyWindow, AGameIsShownAndSavedAtOnce) {
    follow({"Ann", "Klot"});
    window->listbox_tally()->setCurrentRow(1);
    window->addgame("addtomine");
    EXPECT_EQ(window->mylabel(1)->text(), "1");
    EXPECT_EQ(window->mylabel(2)->text(), "1");
    EXPECT_EQ(record(), "1 0 1 0 1 0 1 0");
    EXPECT_EQ(window->label_hisname()->text(), "Klot Wins:");
    EXPECT_EQ(window->label_hisnametop()->text(), "Klot's Tally");
    // On disk before anything closes: a crash now keeps the game.
    EXPECT_EQ(stored(), window->stringgrid_scores().text());

    window->loadchecklist({"Klot", "Cy"});
    window->addgame("Klot");
    EXPECT_EQ(record(), "2 1 1 0 2 1 1 0");
    window->listbox_tally()->setCurrentRow(0);
    EXPECT_EQ(record(), "1 0 1 0 1 0 1 0");  // Ann was not at the table
    EXPECT_EQ(window->mylabel(1)->text(), "2");
}

TEST_F(TallyWindow, RestartKeepsTotalsAndStartsANewSession) {
    EXPECT_TRUE(QFile::exists(path));  // a first run writes its empty tally
    follow({"Ann"});
    window->addgame("Ann");
    window = open();
    EXPECT_EQ(stored(), window->stringgrid_scores().text());  // the new session is kept at once
    EXPECT_EQ(items(window->listbox_tally(), true), QStringList{"Ann"});
    EXPECT_EQ(window->mylabel(1)->text(), "1");
    window->listbox_tally()->setCurrentRow(0);
    EXPECT_EQ(record(), "1 1 0 0 0 0 0 0");
}

TEST_F(TallyWindow, DeleteQuestionNoKeepsYesRemovesAndRowsFollow) {
    follow({"Ann", "Klot", "Bob"});
    click(window->listbox_tally(), 1);
    EXPECT_EQ(window->question()->text(), "This will delete Klot's Tally, Are you want to delete it?");
    EXPECT_TRUE(window->question()->isVisible());
    answer(QMessageBox::No);
    EXPECT_EQ(items(window->listbox_tally(), true), (QStringList{"Ann", "Klot", "Bob"}));

    window->loadchecklist({"Bob"});
    window->addgame("Bob");
    click(window->listbox_tally(), 1);
    answer(QMessageBox::Yes);
    EXPECT_EQ(items(window->listbox_tally()), (QStringList{"Ann", "Bob"}));
    EXPECT_EQ(window->stringgrid_scores().names(), (std::vector<std::string>{"Ann", "Bob"}));
    window->listbox_tally()->setCurrentRow(1);
    EXPECT_EQ(record(), "1 1 0 0 1 1 0 0");  // Bob's row moved up with his name

    click(window->listbox_tally(), 1);  // the last one
    answer(QMessageBox::Yes);
    EXPECT_EQ(items(window->listbox_tally()), QStringList{"Ann"});
    EXPECT_EQ(items(window->checklist(), true), QStringList{});  // Bob no longer followed
    EXPECT_EQ(stored(), window->stringgrid_scores().text());
}

TEST_F(TallyWindow, ResetAsksThenCountsFromZero) {
    follow({"Ann"});
    window->addgame("addtomine");
    window->button_resetClick();
    EXPECT_EQ(window->question()->text(), "Are you sure you want to reset the Tally?");
    answer(QMessageBox::No);
    EXPECT_EQ(window->mylabel(1)->text(), "1");
    window->button_resetClick();
    answer(QMessageBox::Yes);
    EXPECT_EQ(window->mylabel(1)->text(), "0");
    EXPECT_EQ(window->listbox_tally()->count(), 0);
    EXPECT_EQ(record(), "0 0 0 0 0 0 0 0");
    EXPECT_EQ(stored(), velmora::tally::Tally().text());
    window->addgame("Ann");
    EXPECT_EQ(window->mylabel(1)->text(), "1");
    EXPECT_EQ(window->mylabel(2)->text(), "0");
}

TEST_F(TallyWindow, DamagedFileIsSaidKeptAsideAndNeverWrittenOver) {
    window.reset();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("garbage");
    file.close();
    window = open();
    ASSERT_TRUE(velmora::test::waitUntil([&] { return window->question() != nullptr; }));
    EXPECT_TRUE(window->question()->text().contains(" : Lzrw1 decompression : this file has no valid header !"));
    EXPECT_TRUE(window->question()->text().contains(path + ".damaged"));
    EXPECT_EQ(window->question()->windowModality(), Qt::NonModal);  // closing the game is never held up
    follow({"Ann"});
    QFile aside(path + ".damaged");
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), "garbage");
    EXPECT_EQ(stored(), window->stringgrid_scores().text());
}

TEST_F(TallyWindow, FailedSaveIsToldNotHidden) {
    path = dir.filePath(QStringLiteral("gone/Velmoratally.tld"));
    window = open();
    QString told;
    QObject::connect(window.get(), &Ttallylist::saveFailed, [&](const QString& reason) { told = reason; });
    follow({"Ann"});
    EXPECT_TRUE(told.contains("Failed to open output file"));
    EXPECT_FALSE(window->save());
}

}  // namespace
