// The main window's side of the tally: View > View Tally lists the other
// seats, the host's "CMD_winner" is recorded at a table seat and never by a
// spectator.
#include <gtest/gtest.h>

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>

#include "client/chat/chatview.h"
#include "client/settings/playerfiles.h"
#include "client/window/tchat.h"
#include "support/hostedwindow.h"
#include "support/eventloop.h"
#include "tally/tallyfile.h"
#include "support/tchatparts.h"

using namespace velmora;

namespace {

struct TallyInWindow : testing::Test {
    QTemporaryDir dir;
    std::unique_ptr<client::Tchat> w;

    void SetUp() override {
        client::setPlayerFilesDir(dir.path());
        client::TchatOptions o;
        o.soundOutput = std::make_unique<test::SilentOutput>();
        w = std::make_unique<client::Tchat>(QStringList{"Ann", "127.0.0.1"}, std::move(o));  // never connects
    }
    void TearDown() override {
        w.reset();
        client::setPlayerFilesDir(QString());
    }
    void run(const std::string& line) { test::TchatParts::connection(*w).dispatcher().dispatch({line, 0}); }
    // The host announces the winner at `seat`.
    void won(int seat) { run("CMD_winner+" + std::to_string(seat) + "+1+11+2+9+3+9+4+9"); }
    windows::Ttallylist* tally() { return test::TchatParts::sideWindows(*w).tallylist(); }
    QString file() const { return dir.filePath(QStringLiteral("Velmoratally.tld")); }
    QStringList checklist() {
        QStringList out;
        for (int i = 0; i < tally()->checklist()->count(); ++i) out << tally()->checklist()->item(i)->text();
        return out;
    }
    // Seats 1 "Bob", 2 own, 3 "Cy", 4 empty.
    void seatedAt(int own) {
        run("CMD_sendlogininfo+" + std::to_string(own));
        run("CMD_newplayerinfo+1+Bob");
        run("CMD_newplayerinfo+" + std::to_string(own) + "+Ann");
        run("CMD_newplayerinfo+3+Cy");
    }
};

TEST_F(TallyInWindow, ViewTallyListsTheOtherSeatsAndShowsTheWindow) {
    seatedAt(2);
    test::TchatParts::action(*w, "ViewTally1")->trigger();
    EXPECT_TRUE(tally()->isVisible());
    EXPECT_EQ(checklist(), (QStringList{"Bob", "Cy"}));
}

TEST_F(TallyInWindow, AGameAtATableSeatIsRecordedAndSaved) {
    seatedAt(2);
    w->loadchecklist();
    tally()->checklist()->item(0)->setCheckState(Qt::Checked);  // follow Bob
    won(1);  // Bob
    won(2);  // the own seat
    EXPECT_EQ(tally()->mylabel(1)->text(), "2");
    EXPECT_EQ(tally()->mylabel(2)->text(), "1");
    const auto saved = tally::TallyFile(file().toStdString()).load();
    EXPECT_EQ(saved.tally.cell(1, 1), "2");  // Bob: two games
    EXPECT_EQ(saved.tally.cell(2, 1), "1");  // one of them his
    EXPECT_EQ(saved.tally.cell(3, 1), "1");  // one mine
}

TEST_F(TallyInWindow, ASpectatorNeverTouchesTheTally) {
    seatedAt(2);
    w->loadchecklist();
    tally()->checklist()->item(0)->setCheckState(Qt::Checked);
    QFile before(file());
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();
    const QDateTime written = QFileInfo(file()).lastModified();

    run("CMD_sendlogininfo+6");  // now a spectator
    won(1);
    w->recordGame("Bob");
    EXPECT_EQ(tally()->mylabel(1)->text(), "0");
    w.reset();  // the exit writes nothing either
    QFile after(file());
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), bytes);
    EXPECT_EQ(QFileInfo(file()).lastModified(), written);
}

TEST_F(TallyInWindow, AFailedSaveIsSaidInTheChat) {
    seatedAt(1);
    QFile::remove(file());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Velmoratally.tld")));  // a folder in the file's place
    won(1);
    EXPECT_TRUE(test::TchatParts::mainchat(*w)->toPlainText().contains("Your tally could not be saved: "));
}

}  // namespace
