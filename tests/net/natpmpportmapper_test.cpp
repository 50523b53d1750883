// NAT-PMP after UPnP finds no router, against a gateway of the test's own on
// a loopback address: nothing reaches the real network.
#include "net/natpmpportmapper.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "net/fakegateway.h"
#include "net/fakerouter.h"
#include "net/upnpportmapper.h"
#include "support/eventloop.h"

using namespace velmora;
using test::FakeGateway;

namespace {

std::unique_ptr<net::WorkerPortMapper> mapperFor(const QString& gateway) {
    std::vector<std::unique_ptr<net::RouterProtocol>> protocols;
    protocols.push_back(net::makeUpnpProtocol(test::FakeRouter::nobodyUrl()));
    protocols.push_back(net::makeNatpmpProtocol(gateway));
    return std::make_unique<net::WorkerPortMapper>(std::move(protocols), 3600);
}

}  // namespace

TEST(NatpmpPortMapper, MapsWhenNoUpnpRouterAnswersRenewsAndRemovesAtTheEnd) {
    FakeGateway gateway(1);  // the router gives the next port up
    QStringList shown;
    {
        const auto mapper = mapperFor(gateway.address());
        QObject::connect(mapper.get(), &net::PortMapper::opened,
                         [&](const QString& address, quint16 port) { shown << QStringLiteral("%1:%2").arg(address).arg(port); });
        QObject::connect(mapper.get(), &net::PortMapper::failed, [&](const QString& why) { shown << why; });
        mapper->open(40000);
        ASSERT_TRUE(test::waitUntil([&] { return !shown.isEmpty(); }, 20000));
        EXPECT_EQ(shown, QStringList{"203.0.113.7:40001"});
        mapper->renew();
        ASSERT_TRUE(test::waitUntil([&] { return gateway.requests().size() == 3; }));
    }
    EXPECT_EQ(gateway.requests(), (QStringList{"address", "map TCP 40000 40000 3600", "map TCP 40000 40000 3600",
                                               "map TCP 40000 0 0"}));
}

TEST(NatpmpPortMapper, NoGatewayIsNoRouter) {
    QString silent;
    {
        FakeGateway gone;  // a loopback address where nothing answers any more
        silent = gone.address();
    }
    const auto mapper = mapperFor(silent);
    QSignalSpy failed(mapper.get(), &net::PortMapper::failed);
    mapper->open(40000);
    ASSERT_TRUE(failed.wait(20000));
    EXPECT_EQ(failed.at(0).at(0).toString(), QLatin1String("No router answered"));
}
