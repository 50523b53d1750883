#include "net/workerportmapper.h"

#include <QLibrary>

#include "net/logging.h"
#include "net/modules.h"
#include "net/upnpportmapper.h"

namespace velmora::net {

struct WorkerPortMapper::Protocols {
    std::vector<std::unique_ptr<RouterProtocol>> list;
    RouterProtocol* holder = nullptr;  // the one that mapped the port

    void unmap() {
        if (holder) holder->unmap();
        holder = nullptr;
    }
};

WorkerPortMapper::WorkerPortMapper(std::vector<std::unique_ptr<RouterProtocol>> protocols, int leaseSeconds,
                                   QObject* parent)
    : PortMapper(parent), leaseSeconds_(leaseSeconds), protocols_(std::make_shared<Protocols>()) {
    protocols_->list = std::move(protocols);
    worker_.setMaxThreadCount(1);  // one call at a time, in the order asked
    lease_.setInterval(std::max(1, leaseSeconds_ / 2) * 1000);
    connect(&lease_, &QTimer::timeout, this, &WorkerPortMapper::renew);
}

WorkerPortMapper::~WorkerPortMapper() {
    lease_.stop();
    worker_.start([protocols = protocols_] { protocols->unmap(); });
    worker_.waitForDone();
}

void WorkerPortMapper::open(quint16 port) {
    run(
        [port, lease = leaseSeconds_](Protocols& protocols) {
            protocols.unmap();
            Outcome outcome = Outcome::failure(QLatin1String(kNoRouterAnswered));
            for (const auto& protocol : protocols.list) {
                outcome = protocol->map(port, lease);
                if (outcome.problem != QLatin1String(kNoRouterAnswered)) {
                    if (outcome.problem.isEmpty()) protocols.holder = protocol.get();
                    break;
                }
            }
            return outcome;
        },
        [this](const Outcome& outcome) {
            if (outcome.problem == QLatin1String(kNoRouterAnswered)) {
                emit failed(QCoreApplication::translate("PortMapper", kNoRouterAnswered));
                return;
            }
            if (!outcome.problem.isEmpty()) {
                emit failed(outcome.problem);
                return;
            }
            // A permanent mapping needs no renewing; it goes when we go.
            if (!outcome.permanent) lease_.start();
            emit opened(outcome.address, outcome.port);
        });
}

void WorkerPortMapper::renew() {
    run([](Protocols& protocols) { return Outcome::failure(protocols.holder ? protocols.holder->renew() : QString()); },
        [this](const Outcome& outcome) {
            if (outcome.problem.isEmpty()) return;
            lease_.stop();
            emit failed(outcome.problem);
        });
}

void WorkerPortMapper::run(std::function<Outcome(Protocols&)> job, std::function<void(const Outcome&)> done) {
    worker_.start([this, protocols = protocols_, job = std::move(job), done = std::move(done)] {
        const Outcome outcome = job(*protocols);
        // The destructor waits for the worker, so this object is still there;
        // a call still queued when it goes is dropped with it.
        QMetaObject::invokeMethod(this, [done, outcome] { done(outcome); }, Qt::QueuedConnection);
    });
}

namespace {

// Both entries of the first module that has them; never unloaded, as the
// protocols' code lives there.
std::pair<MakeRouterProtocol, MakeRouterProtocol> routerModule() {
    for (const QString& path : moduleCandidates(kRouterModuleName)) {
        QLibrary module(path);
        auto upnp = reinterpret_cast<MakeRouterProtocol>(module.resolve(kUpnpEntry));
        auto natpmp = reinterpret_cast<MakeRouterProtocol>(module.resolve(kNatpmpEntry));
        if (upnp && natpmp) return {upnp, natpmp};
    }
    qCWarning(lcNet) << "no router module found; the port stays closed";
    return {};
}

}  // namespace

std::unique_ptr<PortMapper> makeRouterPortMapper(int leaseSeconds) {
    const QString routerUrl = QString::fromLocal8Bit(qgetenv(kRouterUrlVariable));
    const QString gateway = QString::fromLocal8Bit(qgetenv(kNatpmpGatewayVariable));
    std::vector<std::unique_ptr<RouterProtocol>> protocols;
    if (const auto [upnp, natpmp] = routerModule(); upnp) {
        protocols.emplace_back(upnp(routerUrl));
        if (routerUrl.isEmpty() || !gateway.isEmpty()) protocols.emplace_back(natpmp(gateway));
    }
    return std::make_unique<WorkerPortMapper>(std::move(protocols), leaseSeconds);
}

}  // namespace velmora::net
