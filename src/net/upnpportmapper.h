// `UpnpPortMapper`: opens the port on the router through its UPnP Internet
// Gateway Device service, with libminiupnpc. The library's calls block for
// up to seconds, so they run one at a time on a thread of the mapper's own;
// the answers come back as signals on the mapper's thread.
#pragma once

#include <QThreadPool>
#include <QTimer>
#include <memory>

#include "net/portmapper.h"

namespace velmora::net {

// The environment variable that names the router's description address
// (such as "http://127.0.0.1:5000/rootDesc.xml"). When it is set the mapper
// asks that router and never searches the network by multicast: tests point
// it at a router of their own on the loopback address.
inline constexpr const char* kRouterUrlVariable = "VELMORA_ROUTER_URL";

class UpnpPortMapper : public PortMapper {
    Q_OBJECT
public:
    // `routerUrl` empty: search the local network for the router. The lease
    // asked for is `leaseSeconds` and is renewed halfway through.
    explicit UpnpPortMapper(QString routerUrl = QString::fromLocal8Bit(qgetenv(kRouterUrlVariable)),
                            int leaseSeconds = 3600, QObject* parent = nullptr);
    // Removes the mapping, waiting for the router at most the library's own
    // time-outs: the window is gone by then.
    ~UpnpPortMapper() override;

    void open(quint16 port) override;
    // Asks the router again for the mapping it holds; the lease timer's task.
    void renew();

    struct Router;  // the router found and the mapping held; worker side only
    struct Outcome {
        QString problem;  // empty: none
        QString address;  // the router's external address, once known
        bool permanent = false;  // the router keeps the mapping without a lease
    };

private:
    // Runs `job` on the worker; `done` gets its outcome on this object's thread.
    void run(std::function<Outcome(Router&)> job, std::function<void(const Outcome&)> done);

    QString routerUrl_;
    int leaseSeconds_;
    quint16 port_ = 0;
    std::shared_ptr<Router> router_;
    QTimer lease_;
    QThreadPool worker_;
};

}  // namespace velmora::net
