#include "net/upnpportmapper.h"

#include <miniupnpc/miniupnpc.h>
#include <miniupnpc/upnpcommands.h>
#include <miniupnpc/upnperrors.h>

#include <QCoreApplication>

#include <string>

namespace velmora::net {

using Outcome = RouterProtocol::Outcome;

// The texts are the player's to read (chat, Host dialog): translated.
namespace {

// The library's error number as the router named it, with the number.
QString describe(int code) {
    const char* name = strupnperror(code);
    return name ? QStringLiteral("%1 (%2)").arg(QString::fromUtf8(name)).arg(code)
                : QCoreApplication::translate("PortMapper", "error %1").arg(code);
}

constexpr int kOnlyPermanentLeases = 725;  // the router keeps mappings only without a lease
constexpr int kSearchMs = 2000;

class UpnpProtocol : public RouterProtocol {
public:
    explicit UpnpProtocol(QString url) : url_(std::move(url)) {}
    ~UpnpProtocol() override { FreeUPNPUrls(&urls); }

    Outcome map(quint16 asked, int leaseSeconds) override {
        port = std::to_string(asked);
        lease = std::to_string(leaseSeconds);
        if (!found) {
            if (QString problem = find(url_); !problem.isEmpty()) return Outcome::failure(problem);
        }
        char external[64]{};
        const int code = UPNP_GetExternalIPAddress(control(), service(), external);
        if (code != UPNPCOMMAND_SUCCESS || external[0] == '\0')
            return Outcome::failure(noAddress(describe(code)));
        if (const QString problem = renew(); !problem.isEmpty()) return Outcome::failure(problem);
        mapped = true;
        return {QString(), QString::fromLatin1(external), asked, lease == "0"};
    }

    // Asks for the mapping; a router that keeps only permanent ones gets that.
    QString renew() override {
        int code = add();
        if (code == kOnlyPermanentLeases && lease != "0") {
            lease.assign(1, '0');  // not = "0": gcc 12 warns wrongly of overlapping copies there
            code = add();
        }
        return code == UPNPCOMMAND_SUCCESS ? QString() : refused(describe(code));
    }

    void unmap() override {
        if (mapped) UPNP_DeletePortMapping(control(), service(), port.c_str(), "TCP", nullptr);
        mapped = false;
    }

private:
    const char* control() const { return urls.controlURL; }
    const char* service() const { return data.first.servicetype; }
    int add() {
        return UPNP_AddPortMapping(control(), service(), port.c_str(), port.c_str(), lan, "Velmora", "TCP", nullptr,
                                   lease.c_str());
    }

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
        return found ? QString() : QLatin1String(kNoRouterAnswered);
    }

    QString url_;
    UPNPUrls urls{};
    IGDdatas data{};
    char lan[64]{};  // this computer's address as the router sees it
    bool found = false;
    std::string port;
    std::string lease;
    bool mapped = false;
};

}  // namespace

std::unique_ptr<RouterProtocol> makeUpnpProtocol(const QString& routerUrl) {
    return std::make_unique<UpnpProtocol>(routerUrl);
}

}  // namespace velmora::net
