#include "net/upnpportmapper.h"

#include <miniupnpc/miniupnpc.h>
#include <miniupnpc/upnpcommands.h>
#include <miniupnpc/upnperrors.h>

#include <QCoreApplication>

#include <string>

namespace velmora::net {

using Outcome = UpnpPortMapper::Outcome;

// The texts are the player's to read (chat, Host dialog): translated.
namespace {

// The library's error number as the router named it, with the number.
QString describe(int code) {
    const char* name = strupnperror(code);
    return name ? QStringLiteral("%1 (%2)").arg(QString::fromUtf8(name)).arg(code)
                : QCoreApplication::translate("PortMapper", "error %1").arg(code);
}

QString refusedText(int code) {
    return QCoreApplication::translate("PortMapper", "The router refused the port: %1").arg(describe(code));
}

constexpr int kOnlyPermanentLeases = 725;  // the router keeps mappings only without a lease
constexpr int kSearchMs = 2000;

}  // namespace

struct UpnpPortMapper::Router {
    UPNPUrls urls{};
    IGDdatas data{};
    char lan[64]{};  // this computer's address as the router sees it
    bool found = false;
    std::string port;
    std::string lease;
    bool mapped = false;

    ~Router() { FreeUPNPUrls(&urls); }

    const char* control() const { return urls.controlURL; }
    const char* service() const { return data.first.servicetype; }

    QString find(const QString& url) {
        FreeUPNPUrls(&urls);  // what an earlier search left
        urls = {};
        if (!url.isEmpty()) {
            found = UPNP_GetIGDFromUrl(url.toUtf8().constData(), &urls, &data, lan, sizeof lan) == 1 &&
                    data.first.servicetype[0] != '\0';
        } else {
            int error = 0;
            UPNPDev* devices = upnpDiscover(kSearchMs, nullptr, nullptr, UPNP_LOCAL_PORT_ANY, 0, 2, &error);
            // 1: a connected gateway; 2: one that says it is not connected,
            // which may still map ports.
            const int kind = devices ? UPNP_GetValidIGD(devices, &urls, &data, lan, sizeof lan) : 0;
            freeUPNPDevlist(devices);
            found = kind == 1 || kind == 2;
            if (kind == 3)
                return QCoreApplication::translate("PortMapper",
                                                   "A device answered, but it is no router that opens ports");
        }
        return found ? QString() : QCoreApplication::translate("PortMapper", "No router answered");
    }

    // Asks for the mapping; a router that keeps only permanent ones gets that.
    int add() {
        int code = UPNP_AddPortMapping(control(), service(), port.c_str(), port.c_str(), lan, "Velmora", "TCP",
                                       nullptr, lease.c_str());
        if (code == kOnlyPermanentLeases && lease != "0") {
            lease = "0";
            code = add();
        }
        return code;
    }

    Outcome map() {
        char external[64]{};
        const int asked = UPNP_GetExternalIPAddress(control(), service(), external);
        if (asked != UPNPCOMMAND_SUCCESS || external[0] == '\0')
            return {QCoreApplication::translate("PortMapper", "The router did not tell its address: %1")
                        .arg(describe(asked)),
                    {},
                    false};
        const int code = add();
        if (code != UPNPCOMMAND_SUCCESS) return {refusedText(code), {}, false};
        mapped = true;
        return {QString(), QString::fromLatin1(external), lease == "0"};
    }

    void unmap() {
        if (mapped) UPNP_DeletePortMapping(control(), service(), port.c_str(), "TCP", nullptr);
        mapped = false;
    }
};

UpnpPortMapper::UpnpPortMapper(QString routerUrl, int leaseSeconds, QObject* parent)
    : PortMapper(parent), routerUrl_(std::move(routerUrl)), leaseSeconds_(leaseSeconds),
      router_(std::make_shared<Router>()) {
    worker_.setMaxThreadCount(1);  // one call at a time, in the order asked
    lease_.setInterval(std::max(1, leaseSeconds_ / 2) * 1000);
    connect(&lease_, &QTimer::timeout, this, &UpnpPortMapper::renew);
}

UpnpPortMapper::~UpnpPortMapper() {
    lease_.stop();
    worker_.start([router = router_] { router->unmap(); });
    worker_.waitForDone();
}

void UpnpPortMapper::open(quint16 port) {
    port_ = port;
    run(
        [url = routerUrl_, port, lease = std::to_string(leaseSeconds_)](Router& router) {
            router.unmap();
            router.port = std::to_string(port);
            router.lease = lease;
            if (!router.found) {
                if (QString problem = router.find(url); !problem.isEmpty()) return Outcome{problem, {}, false};
            }
            return router.map();
        },
        [this](const Outcome& outcome) {
            if (!outcome.problem.isEmpty()) {
                emit failed(outcome.problem);
                return;
            }
            // A permanent mapping needs no renewing; it goes when we go.
            if (!outcome.permanent) lease_.start();
            emit opened(outcome.address, port_);
        });
}

void UpnpPortMapper::renew() {
    run(
        [](Router& router) {
            if (!router.mapped) return Outcome{};
            const int code = router.add();
            return code == UPNPCOMMAND_SUCCESS ? Outcome{}
                                               : Outcome{refusedText(code), {}, false};
        },
        [this](const Outcome& outcome) {
            if (outcome.problem.isEmpty()) return;
            lease_.stop();
            emit failed(outcome.problem);
        });
}

void UpnpPortMapper::run(std::function<Outcome(Router&)> job, std::function<void(const Outcome&)> done) {
    worker_.start([this, router = router_, job = std::move(job), done = std::move(done)] {
        const Outcome outcome = job(*router);
        // The destructor waits for the worker, so this object is still there;
        // a call still queued when it goes is dropped with it.
        QMetaObject::invokeMethod(this, [done, outcome] { done(outcome); }, Qt::QueuedConnection);
    });
}

}  // namespace velmora::net
