// The headless host as a process: killed in the middle of a game and started
// again from its saved table, it gives every person back the seat, the hand
// and the turn; a damaged table is refused and kept.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <map>
#include <memory>

#include "host/tablefile.h"
#include "support/rawclient.h"

using namespace velmora;
using test::RawClient;
using test::waitUntil;

namespace {

struct Host {
    QProcess process;
    quint16 port = 0;
    explicit Host(const QStringList& args) {
        process.start(QStringLiteral(VELMORA_PROGRAM), QStringList{"--serve", "--port", "0"} + args);
        waitUntil([&] {
            const QByteArray line = process.readLine();
            if (line.startsWith("Velmora host listening on port ")) port = line.mid(31).trimmed().toUShort();
            return port != 0 || process.state() == QProcess::NotRunning;
        }, 20000);
    }
    ~Host() {
        process.kill();
        process.waitForFinished();
    }
};

std::vector<int> numbers(const std::string& message) {
    std::vector<int> out;
    for (std::size_t at = message.find('+'); at != std::string::npos && at + 1 < message.size();
         at = message.find('+', at + 1))
        out.push_back(std::atoi(message.c_str() + at + 1));
    return out;
}

// A person at a seat who follows the own hand and plays draw-and-discard.
struct Person {
    std::unique_ptr<RawClient> line;
    int seat;
    std::map<int, int> hand;   // slot -> card

    Person(quint16 port, int at, const std::string& name) : line(std::make_unique<RawClient>(port)), seat(at) {
        EXPECT_TRUE(line->waitFor("CMD_sendlogininfo+" + std::to_string(seat)));
        line->login(seat, name);
    }
    const std::string& last(const std::string& prefix) {
        EXPECT_TRUE(line->waitFor(prefix, true));
        for (auto m = line->got.rbegin(); m != line->got.rend(); ++m)
            if (m->rfind(prefix, 0) == 0) return *m;
        return line->got.front();
    }
    int count(const std::string& prefix) const {
        int n = 0;
        for (const auto& m : line->got) n += m.rfind(prefix, 0) == 0;
        return n;
    }
    void dealt() {
        const auto n = numbers(last("CMD_mycards+"));
        for (std::size_t i = 1; i + 1 < n.size(); i += 2) hand[n[i]] = n[i + 1];
    }
    std::string token() { return last("CMD_seattoken+" + std::to_string(seat) + "+").substr(16); }
    void turn() {
        const int draws = count("CMD_draw+");
        line->sendMessage("CMD_draw+" + std::to_string(seat) + "+");
        ASSERT_TRUE(waitUntil([&] { return count("CMD_draw+") > draws; }));
        const auto n = numbers(last("CMD_draw+"));   // seat, cards, slot, card
        hand[n[2]] = n[3];
        const int slot = hand.begin()->first;
        hand.erase(slot);
        line->sendMessage("CMD_discard+" + std::to_string(seat) + "+" + std::to_string(slot) + "+");
    }
};

int turnOf(Person& p) { return numbers(p.last("CMD_nextplayer+"))[0]; }

}  // namespace

TEST(Resume, AKilledHostComesBackWithEveryCardTheHandsAndTheTurn) {
    QTemporaryDir dir;
    const QString state = dir.filePath(QStringLiteral("table.state"));
    auto first = std::make_unique<Host>(QStringList{"--state", state});
    ASSERT_NE(first->port, 0);
    Person ann(first->port, 1, "Ann"), bob(first->port, 2, "Bob");
    ASSERT_TRUE(ann.line->waitFor("CMD_newplayerinfo+2+Bob"));
    ann.line->sendMessage("CMD_startgame+Ann+");
    ann.dealt(), bob.dealt();
    for (int i = 0; i < 6; ++i) {
        const int turns = ann.count("CMD_nextplayer+");
        Person& p = turnOf(ann) == 1 ? ann : bob;
        p.turn();
        ASSERT_TRUE(waitUntil([&] { return ann.count("CMD_nextplayer+") > turns; }));
    }
    // Relayed after the last turn was handled, so its turn is known here.
    ann.line->sendMessage("CMD_chat+1+saved?");
    ASSERT_TRUE(ann.line->waitFor("CMD_chat+Ann chats: saved?"));
    const int turn = turnOf(ann);
    // Its save reaches the disk a moment later, off the table's thread; the
    // turn before it names the other seat. Every card is there exactly once.
    host::SavedTable saved;
    ASSERT_TRUE(waitUntil([&] {
        return host::loadtablefile(state.toStdString(), saved).empty() && saved.table.curplayer == turn;
    }));
    first.reset();   // SIGKILL: no chance to write anything more
    ASSERT_EQ(host::loadtablefile(state.toStdString(), saved), "");
    for (Person* p : {&ann, &bob})
        for (int k = 1; k <= kHandSlots; ++k) EXPECT_EQ(saved.table.players[p->seat].hand[k], p->hand.count(k) ? p->hand[k] : 0);

    Host second({"--resume", state});
    ASSERT_NE(second.port, 0);
    RawClient stranger(second.port);
    ASSERT_TRUE(stranger.waitFor("CMD_sendlogininfo+3"));   // both seats are held
    for (Person* p : {&ann, &bob}) {
        const std::string token = p->token();
        p->line = std::make_unique<RawClient>(second.port);
        ASSERT_TRUE(p->line->waitFor("CMD_sendlogininfo+", true));
        p->line->sendMessage("CMD_rejoin+" + token);
        ASSERT_TRUE(p->line->waitFor("CMD_sendlogininfo+" + std::to_string(p->seat)));
        p->line->login(p->seat, p->seat == 1 ? "Ann" : "Bob");
        const std::vector<int> stats = numbers(p->last("CMD_gamestats+"));
        EXPECT_EQ(stats[1], turn);
        std::map<int, int> shown;
        // Entries after place, turn, phase and face-up card: "m" slot card 0.
        const std::string& text = p->last("CMD_gamestats+");
        for (std::size_t at = text.find("+m+"); at != std::string::npos; at = text.find("+m+", at + 1)) {
            const auto e = numbers(text.substr(at + 2));
            shown[e[0]] = e[1];
        }
        EXPECT_EQ(shown, p->hand);
    }
    // The game goes on from where it stood.
    Person& next = turn == 1 ? ann : bob;
    const int turns = ann.count("CMD_nextplayer+");
    next.turn();
    ASSERT_TRUE(waitUntil([&] { return ann.count("CMD_nextplayer+") > turns; }));
}

TEST(Resume, ADamagedTableIsRefusedAndKept) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.state"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("velmora-table 1\ngame 1 1 1 0 0 1000 0 1\ndeck 200\n");
    file.close();
    QProcess host;
    host.start(QStringLiteral(VELMORA_PROGRAM), {"--serve", "--port", "0", "--resume", path});
    ASSERT_TRUE(host.waitForFinished(20000));
    EXPECT_EQ(host.exitCode(), 3);
    const std::string said = host.readAllStandardError().toStdString();
    EXPECT_NE(said.find("velmora: cannot resume " + path.toStdString() + ": the file ends early (no end line)\n"),
              std::string::npos) << said;
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("velmora-table 1\ngame 1 1 1 0 0 1000 0 1\ndeck 200\n"));
}
