// `WorkerPortMapper`: a `PortMapper` over router protocols whose library
// calls block for up to seconds. They run one at a time on a thread of the
// mapper's own; the answers come back as signals on the mapper's thread.
// Protocols are tried in order until one finds a router: UPnP IGD first,
// then NAT-PMP (`makeRouterPortMapper`). Both come from the router module,
// loaded when a table is hosted with its port opened: a plain start maps
// neither router library.
#pragma once

#include <QCoreApplication>
#include <QThreadPool>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "net/portmapper.h"

namespace velmora::net {

// One way of asking the router; used on the mapper's worker thread only.
class RouterProtocol {
public:
    struct Outcome {
        QString problem;  // empty: none
        QString address;  // the router's external address, once known
        quint16 port = 0;  // the external port the router gave
        bool permanent = false;  // the router keeps the mapping without a lease
        static Outcome failure(QString why) {
            Outcome outcome;
            outcome.problem = std::move(why);
            return outcome;
        }
    };
    virtual ~RouterProtocol() = default;
    // Leads the router's TCP port to this computer's `port` for `leaseSeconds`.
    // A problem of exactly kNoRouterAnswered lets the next protocol try.
    virtual Outcome map(quint16 port, int leaseSeconds) = 0;
    // Asks again for the mapping held; empty, or why the router refused.
    virtual QString renew() = 0;
    // Removes the mapping held, if any.
    virtual void unmap() = 0;

protected:
    // The player's one-line reasons, translated; `detail` names the
    // library's error. Inline: the router module has them too.
    static QString noAddress(const QString& detail) {
        return QCoreApplication::translate("PortMapper", "The router did not tell its address: %1").arg(detail);
    }
    static QString refused(const QString& detail) {
        return QCoreApplication::translate("PortMapper", "The router refused the port: %1").arg(detail);
    }
};

class WorkerPortMapper : public PortMapper {
    Q_OBJECT
public:
    // The lease asked for is `leaseSeconds` and is renewed halfway through.
    WorkerPortMapper(std::vector<std::unique_ptr<RouterProtocol>> protocols, int leaseSeconds, QObject* parent = nullptr);
    // Removes the mapping, waiting for the router at most the libraries' own
    // time-outs: the window or the server is gone by then.
    ~WorkerPortMapper() override;

    void open(quint16 port) override;
    // Asks the router again for the mapping it holds; the lease timer's task.
    void renew();

    struct Protocols;  // the protocols and which one holds the mapping; worker side only

private:
    using Outcome = RouterProtocol::Outcome;
    // Runs `job` on the worker; `done` gets its outcome on this object's thread.
    void run(std::function<Outcome(Protocols&)> job, std::function<void(const Outcome&)> done);

    int leaseSeconds_;
    std::shared_ptr<Protocols> protocols_;
    QTimer lease_;
    QThreadPool worker_;
};

// The environment variable naming the NAT-PMP gateway's IPv4 address
// instead of the default route's: tests start a gateway of their own on a
// loopback address.
inline constexpr const char* kNatpmpGatewayVariable = "VELMORA_NATPMP_GATEWAY";

// The router module's entries: a new protocol the caller owns, for a router
// description address (empty: search) or a gateway address (empty: the
// default route's).
using MakeRouterProtocol = RouterProtocol* (*)(const QString& where);
inline constexpr char kRouterModuleName[] = "velmora-router";
inline constexpr char kUpnpEntry[] = "velmora_make_upnp_protocol";
inline constexpr char kNatpmpEntry[] = "velmora_make_natpmp_protocol";

// UPnP IGD (kRouterUrlVariable's router, else a search), then NAT-PMP
// (kNatpmpGatewayVariable's gateway, else the default route's). A test that
// names only a UPnP router never reaches the real gateway. Without the
// router module no router answers.
std::unique_ptr<PortMapper> makeRouterPortMapper(int leaseSeconds = 3600);

}  // namespace velmora::net
