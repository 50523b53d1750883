// Opening the port on a router of the test's own, named by its description
// address: nothing searches or reaches the real network.
#include "net/upnpportmapper.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "net/fakerouter.h"
#include "support/eventloop.h"
#include "support/printers.h"

using namespace velmora;
using test::FakeRouter;

namespace {
// UPnP alone, as the router module hands it to the program's mapper.
std::unique_ptr<net::WorkerPortMapper> upnpMapper(const QString& url) {
    std::vector<std::unique_ptr<net::RouterProtocol>> protocols;
    protocols.push_back(net::makeUpnpProtocol(url));
    return std::make_unique<net::WorkerPortMapper>(std::move(protocols), 3600);
}
}  // namespace

TEST(UpnpPortMapper, MapsTheHostPortRenewsItAndRemovesItAtTheEnd) {
    FakeRouter router;
    QStringList shown;
    {
        const auto mapper = upnpMapper(router.url());
        QObject::connect(mapper.get(), &net::PortMapper::opened,
                         [&](const QString& address, quint16 port) { shown << QStringLiteral("%1:%2").arg(address).arg(port); });
        QObject::connect(mapper.get(), &net::PortMapper::failed, [&](const QString& why) { shown << why; });
        mapper->open(40000);
        ASSERT_TRUE(test::waitUntil([&] { return !shown.isEmpty(); }));
        EXPECT_EQ(shown, QStringList{"203.0.113.7:40000"});
        mapper->renew();
        ASSERT_TRUE(test::waitUntil([&] { return router.actions().size() == 3; }));
    }
    EXPECT_EQ(router.actions(), (QStringList{"GetExternalIPAddress", "AddPortMapping 40000 40000 127.0.0.1 TCP 3600",
                                             "AddPortMapping 40000 40000 127.0.0.1 TCP 3600",
                                             "DeletePortMapping 40000 TCP"}));
}

TEST(UpnpPortMapper, SaysWhyInOneLine) {
    FakeRouter router;
    router.refuseWith(718);
    const QString nobody = FakeRouter::nobodyUrl();
    for (const auto& [url, reason] : {std::pair{router.url(), "The router refused the port: ConflictInMappingEntry (718)"},
                                      std::pair{nobody, "No router answered"}}) {
        const auto mapper = upnpMapper(url);
        QSignalSpy failed(mapper.get(), &net::PortMapper::failed);
        mapper->open(40000);
        ASSERT_TRUE(failed.wait(10000));
        EXPECT_EQ(failed.at(0).at(0).toString(), QLatin1String(reason));
    }
    // Nothing was mapped, so nothing is removed.
    EXPECT_FALSE(router.actions().join(',').contains("Delete"));
}
