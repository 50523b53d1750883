// The dedicated server with --open-port, against a router of the test's own
// (UPnP, or NAT-PMP when no UPnP router answers) on loopback: it tells the operator where friends join, keeps hosting when
// the router refuses, and removes the mapping when stopped with SIGTERM.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "net/fakegateway.h"
#include "net/fakerouter.h"
#include "net/upnpportmapper.h"
#include "support/eventloop.h"

using namespace velmora;
using test::FakeRouter;
using test::waitUntil;

namespace {

struct Server {
    QTemporaryDir state;
    QProcess process;
    quint16 port = 0;
    QByteArray out;

    explicit Server(const QString& routerUrl, const QString& gateway = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QLatin1String(net::kRouterUrlVariable), routerUrl);
        if (!gateway.isEmpty()) env.insert(QLatin1String(net::kNatpmpGatewayVariable), gateway);
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(VELMORA_SERVER), {"--port", "0", "--open-port", "--state", state.filePath("t")});
    }
    // Waits until standard output or error holds `text`.
    bool says(const QByteArray& text, QProcess::ProcessChannel channel = QProcess::StandardOutput) {
        return waitUntil([&] {
            out += channel == QProcess::StandardOutput ? process.readAllStandardOutput() : process.readAllStandardError();
            return out.contains(text) || process.state() == QProcess::NotRunning;
        }, 20000) && out.contains(text);
    }
    quint16 listening() {
        if (!says("Velmora host listening on port ")) return 0;
        const qsizetype at = out.indexOf("port ") + 5;
        return out.mid(at, out.indexOf('\n', at) - at).toUShort();
    }
    ~Server() {
        process.kill();
        process.waitForFinished();
    }
};

}  // namespace

TEST(ServerRouterPort, OpensThePortSaysWhereAndRemovesTheMappingOnSigterm) {
    FakeRouter router;
    Server server(router.url());
    const quint16 port = server.listening();
    ASSERT_NE(port, 0);
    const QByteArray where = "The port is open on the router: friends elsewhere join at 203.0.113.7:" +
                             QByteArray::number(port) + "\n";
    ASSERT_TRUE(server.says(where)) << server.out.constData();
    server.process.terminate();  // SIGTERM, as systemd stops the unit
    ASSERT_TRUE(server.process.waitForFinished(20000));
    EXPECT_EQ(server.process.exitCode(), 0);
    const QString p = QString::number(port);
    EXPECT_EQ(router.actions(), (QStringList{"GetExternalIPAddress", "AddPortMapping " + p + ' ' + p + " 127.0.0.1 TCP 3600",
                                             "DeletePortMapping " + p + " TCP"}));
}

TEST(ServerRouterPort, ARefusalIsOneLineAndHostingGoesOn) {
    FakeRouter router;
    router.refuseWith(718);
    Server server(router.url());
    ASSERT_NE(server.listening(), 0);
    server.out.clear();
    ASSERT_TRUE(server.says("velmora: the port is not open on the router: The router refused the port: "
                            "ConflictInMappingEntry (718)\n",
                            QProcess::StandardError));
    EXPECT_EQ(server.process.state(), QProcess::Running);
}

TEST(ServerRouterPort, AsksNatpmpWhenNoUpnpRouterAnswers) {
    test::FakeGateway gateway;
    Server server(FakeRouter::nobodyUrl(), gateway.address());
    const quint16 port = server.listening();
    ASSERT_NE(port, 0);
    ASSERT_TRUE(server.says("friends elsewhere join at 203.0.113.7:" + QByteArray::number(port) + "\n"))
        << server.out.constData();
    server.process.terminate();
    ASSERT_TRUE(server.process.waitForFinished(20000));
    EXPECT_EQ(gateway.requests().last(), QStringLiteral("map TCP %1 0 0").arg(port));
}
