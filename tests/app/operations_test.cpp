// What operators of many tables see: the metrics endpoint scraped after a
// whole game, and the Agones SDK calls a stand-in sidecar on loopback records
// while a table is readied, played, emptied and shut down.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/agones.h"
#include "app/metrics.h"
#include "host/tserver.h"
#include "support/eventloop.h"
#include "support/rawclient.h"

using namespace velmora;
using test::RawClient;
using test::waitUntil;

namespace {

// The SDK sidecar's REST side: records "METHOD path body" of every call it
// takes; the first `refuse` calls get 503, as while it is still starting, and
// so does every call to a path beginning with `refusePath`.
class StandInSdk {
public:
    explicit StandInSdk(int refuse = 0, QByteArray refusePath = {}) : refuse_(refuse), refusePath_(refusePath) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* c = server_.nextPendingConnection())
                QObject::connect(c, &QTcpSocket::readyRead, [this, c] { take(c); });
        });
    }
    quint16 port() const { return server_.serverPort(); }
    QStringList calls;
    int refused = 0;
    int count(const QString& call) const { return static_cast<int>(calls.count(call)); }
    // The calls without the health pings, in order.
    QStringList withoutHealth() const {
        QStringList out;
        for (const QString& c : calls)
            if (c != "POST /health {}") out << c;
        return out;
    }

private:
    void take(QTcpSocket* c) {
        const QByteArray all = c->peek(1 << 16);
        const qsizetype end = all.indexOf("\r\n\r\n");
        if (end < 0) return;
        const QByteArray head = all.left(end);
        const qsizetype at = head.indexOf("Content-Length: ");
        const int length = at < 0 ? 0 : head.mid(at + 16, head.indexOf('\r', at) - at - 16).toInt();
        if (all.size() < end + 4 + length) return;
        c->readAll();
        const QList<QByteArray> line = head.left(head.indexOf('\r')).split(' ');
        if (refused < refuse_ || (!refusePath_.isEmpty() && line[1].startsWith(refusePath_))) {
            ++refused;
            c->write("HTTP/1.1 503 Service Unavailable\r\nContent-Length: 0\r\n\r\n");
        } else {
            calls << QString::fromUtf8(line[0] + ' ' + line[1] + ' ' + all.mid(end + 4, length));
            c->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: 2\r\n\r\n{}");
        }
        c->disconnectFromHost();
    }
    QTcpServer server_;
    int refuse_;
    QByteArray refusePath_;
};

struct Operations : testing::Test {
    QTemporaryDir dir;
    host::TServer server{host::HostTimings{0, 1, 0.0}, 42};
    std::unique_ptr<RawClient> ann;

    void SetUp() override {
        server.setHeadless(true);
        server.setStateFile(dir.filePath("table.state").toStdString());
        server.listen("0");
    }
    // Ann takes seat 1, starts a game, names another seat once (dropped) and
    // watches while the computer plays it to its winner.
    void playWholeGame() {
        ann = std::make_unique<RawClient>(server.port());
        ASSERT_TRUE(ann->waitFor("CMD_sendlogininfo+1"));
        ann->login(1, "Ann");
        ASSERT_TRUE(ann->waitFor("CMD_owner+1"));
        ann->sendMessage("CMD_startgame+Ann+");
        ann->sendMessage("CMD_draw+2+");
        ann->sendMessage("CMD_justwatch+1+1");
        ASSERT_TRUE(ann->waitFor("CMD_winner", true, 60000));
    }
};

QByteArray scrape(quint16 port) {
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, port);
    s.write("GET /metrics HTTP/1.1\r\nHost: x\r\n\r\n");
    QByteArray got;
    waitUntil([&] {
        got += s.readAll();
        return s.state() == QAbstractSocket::UnconnectedState;
    });
    return got + s.readAll();
}

}  // namespace

TEST_F(Operations, MetricsScrapedAfterAWholeGameCountItAndNameEveryFamily) {
    app::MetricsEndpoint metrics(server);
    ASSERT_TRUE(metrics.listen(QHostAddress::LocalHost, 0).isEmpty());
    playWholeGame();
    server.flushSaves();
    // A stranger's endless request head is cut off, and scraping goes on.
    QTcpSocket stranger;
    stranger.connectToHost(QHostAddress::LocalHost, metrics.port());
    stranger.write(QByteArray(app::MetricsEndpoint::kMaxRequestBytes + 100, 'x'));
    ASSERT_TRUE(waitUntil([&] { return stranger.state() == QAbstractSocket::UnconnectedState; }));
    const QByteArray answer = scrape(metrics.port());
    ASSERT_TRUE(answer.startsWith("HTTP/1.1 200 OK\r\n")) << answer.constData();
    const QByteArray body = answer.mid(answer.indexOf("\r\n\r\n") + 4);
    const QList<QByteArray> lines = body.split('\n');
    for (const char* line : {"velmora_seats_taken 1", "velmora_spectators 0", "velmora_game_on 0",
                             "velmora_games_started_total 1", "velmora_games_finished_total 1",
                             "velmora_requests_refused_total{kind=\"other_place\"} 1",
                             "velmora_connections_refused_total{cause=\"full\"} 0"})
        EXPECT_TRUE(lines.contains(line)) << line << "\n" << body.constData();
    // Every sample's family was named with HELP and TYPE before it.
    QByteArray named;
    int samples = 0;
    for (const QByteArray& line : lines) {
        if (line.startsWith("# HELP ")) named = line.split(' ')[2];
        if (line.isEmpty() || line.startsWith('#')) continue;
        ++samples;
        EXPECT_TRUE(line.startsWith("velmora_" ) && line.startsWith(named)) << line.constData();
        EXPECT_TRUE(body.contains("# TYPE " + named + ' ')) << named.constData();
        const double value = line.mid(line.lastIndexOf(' ') + 1).toDouble();
        if (line.startsWith("velmora_rounds_total") || line.startsWith("velmora_turns_total") ||
            line.startsWith("velmora_received_bytes_total") || line.startsWith("velmora_sent_bytes_total") ||
            line.startsWith("velmora_autosave_seconds_count")) {
            EXPECT_GT(value, 0) << line.constData();
        }
    }
    EXPECT_GE(samples, 20);
}

TEST_F(Operations, AgonesIsToldReadySeatsLabelsHealthAndShutdownOnceTheEndedTableIsEmpty) {
    ::unsetenv(app::AgonesSdk::kPortVariable);
    EXPECT_EQ(app::agonesFromEnvironment(server, {}), nullptr);  // nothing without the variable

    StandInSdk sdk(2);  // still starting: the first two calls are turned away
    app::AgonesSdk agones(server, {.port = sdk.port(), .healthMs = 20, .shutdownWhenEmptyMs = 0,
                                   .tableName = "Back room \xC3\xA9!", .firstRetryMs = 1});
    agones.start();
    playWholeGame();
    ann->close();
    ASSERT_TRUE(waitUntil([&] { return sdk.calls.contains("POST /shutdown {}"); }, 10000));
    ASSERT_TRUE(waitUntil([&] { return sdk.count("POST /health {}") >= 3; }, 10000));
    EXPECT_EQ(sdk.refused, 2);
    const QStringList calls = sdk.withoutHealth();
    ASSERT_GE(calls.size(), 5);
    EXPECT_EQ(calls.first(), "POST /ready {}");
    EXPECT_EQ(calls.count("PUT /metadata/label {\"key\":\"table\",\"value\":\"Back-room\"}"), 1);
    const qsizetype connect = calls.indexOf("POST /alpha/player/connect {\"playerID\":\"seat-1\"}");
    const qsizetype disconnect = calls.indexOf("POST /alpha/player/disconnect {\"playerID\":\"seat-1\"}");
    const qsizetype lastGame = calls.lastIndexOf(QRegularExpression("PUT /metadata/label \\{\"key\":\"game\".*"));
    ASSERT_GT(connect, 0);
    EXPECT_GT(disconnect, connect);
    EXPECT_EQ(calls[lastGame], "PUT /metadata/label {\"key\":\"game\",\"value\":\"off\"}");
    EXPECT_EQ(calls.last(), "POST /shutdown {}");
}

// Player tracking off (its feature gate): those calls are given up, and the
// health pings and the shutdown behind them still go.
TEST_F(Operations, AgonesCallsTheSidecarKeepsRefusingDoNotHoldUpTheOthers) {
    StandInSdk sdk(0, "/alpha/");
    app::AgonesSdk agones(server, {.port = sdk.port(), .healthMs = 20, .shutdownWhenEmptyMs = 0,
                                   .tableName = {}, .firstRetryMs = 1});
    agones.start();
    playWholeGame();
    ann->close();
    ASSERT_TRUE(waitUntil([&] { return sdk.calls.contains("POST /shutdown {}"); }, 10000));
    EXPECT_EQ(sdk.refused, 6);  // connect and disconnect, three times each
}

// The dedicated server wired up as an operator starts it: Ready and the
// table's label once it listens, its metrics where it says, and every line on
// standard error one JSON object.
TEST(DedicatedServer, IsReadyServesMetricsAndWritesJsonLines) {
    StandInSdk sdk;
    QTemporaryDir dir;
    QProcess server;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(app::AgonesSdk::kPortVariable, QString::number(sdk.port()));
    server.setProcessEnvironment(env);
    server.start(QStringLiteral(VELMORA_SERVER), {"--port", "0", "--metrics", "127.0.0.1:0", "--log-format", "json",
                                                  "--name", "Back room", "--state", dir.filePath("t")});
    QByteArray out, err;
    const auto number = [&](const QByteArray& before) {
        const qsizetype at = out.indexOf(before);
        return at < 0 ? 0 : out.mid(at + before.size()).split('\n')[0].split('/')[0].toUShort();
    };
    ASSERT_TRUE(waitUntil([&] {
        out += server.readAllStandardOutput();
        return out.contains("listening on port ") && out.endsWith('\n');
    }, 20000)) << out.constData();
    const quint16 metricsPort = number("Metrics at http://127.0.0.1:");
    ASSERT_NE(metricsPort, 0) << out.constData();
    RawClient ann(number("listening on port "));
    ASSERT_TRUE(ann.waitFor("CMD_sendlogininfo+1"));
    ann.login(1, "Ann");
    ASSERT_TRUE(waitUntil([&] {
        err += server.readAllStandardError();
        return err.contains("logged in as Ann") && sdk.calls.contains("POST /alpha/player/connect {\"playerID\":\"seat-1\"}");
    }, 20000)) << err.constData();
    EXPECT_EQ(sdk.calls.first(), "POST /ready {}");
    EXPECT_TRUE(sdk.calls.contains("PUT /metadata/label {\"key\":\"table\",\"value\":\"Back-room\"}"));
    EXPECT_TRUE(scrape(metricsPort).contains("\nvelmora_seats_taken 1\n"));
    for (const QByteArray& line : err.trimmed().split('\n')) {
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        EXPECT_TRUE(o.contains("time") && o.contains("level") && o.contains("place") && o.contains("event") &&
                    o["fields"].isObject()) << line.constData();
    }
    server.kill();
    server.waitForFinished();
}
