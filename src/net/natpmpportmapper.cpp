#include "net/natpmpportmapper.h"

#define ENABLE_STRNATPMPERR
#include <arpa/inet.h>
#include <natpmp.h>
#include <sys/select.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>

namespace velmora::net {

namespace {

using Outcome = RouterProtocol::Outcome;

// The library retries for two minutes; a router that has not answered
// within a few seconds is taken to speak no NAT-PMP.
constexpr qint64 kAnswerMs = 3000;

QString describe(int code) {
    const char* name = strnatpmperr(code);
    return name ? QStringLiteral("%1 (%2)").arg(QString::fromUtf8(name)).arg(code)
                : QCoreApplication::translate("PortMapper", "error %1").arg(code);
}

bool noAnswer(int code) {
    return code == NATPMP_TRYAGAIN || code == NATPMP_ERR_NOGATEWAYSUPPORT || code == NATPMP_ERR_CANNOTGETGATEWAY ||
           code == NATPMP_ERR_RECVFROM || code == NATPMP_ERR_CONNECTERR || code == NATPMP_ERR_SENDERR;
}

class NatpmpProtocol : public RouterProtocol {
public:
    explicit NatpmpProtocol(const QString& gateway) : gateway_(gateway) {}
    ~NatpmpProtocol() override {
        if (ready_) closenatpmp(&handle_);
    }

    Outcome map(quint16 port, int leaseSeconds) override {
        port_ = port;
        lease_ = leaseSeconds;
        if (!ready_ && !start()) return Outcome::failure(QLatin1String(kNoRouterAnswered));
        natpmpresp_t answer{};
        const int code = ask(answer, [this] { return sendpublicaddressrequest(&handle_); });
        if (noAnswer(code)) return Outcome::failure(QLatin1String(kNoRouterAnswered));
        if (code < 0) return Outcome::failure(noAddress(describe(code)));
        const QString address = QString::fromLatin1(inet_ntoa(answer.pnu.publicaddress.addr));
        if (const QString problem = renew(); !problem.isEmpty()) return Outcome::failure(problem);
        return {QString(), address, external_, false};
    }

    QString renew() override {
        natpmpresp_t answer{};
        const int code = ask(answer, [this] {
            return sendnewportmappingrequest(&handle_, NATPMP_PROTOCOL_TCP, port_, port_, static_cast<uint32_t>(lease_));
        });
        if (code < 0) return refused(describe(code));
        external_ = answer.pnu.newportmapping.mappedpublicport;
        return {};
    }

    // A lease of 0 removes the mapping.
    void unmap() override {
        if (!external_) return;
        natpmpresp_t answer{};
        ask(answer, [this] { return sendnewportmappingrequest(&handle_, NATPMP_PROTOCOL_TCP, port_, 0, 0); });
        external_ = 0;
    }

private:
    bool start() {
        QHostAddress forced(gateway_);
        const bool force = forced.protocol() == QAbstractSocket::IPv4Protocol;
        ready_ = initnatpmp(&handle_, force ? 1 : 0, force ? htonl(forced.toIPv4Address()) : 0) >= 0;
        return ready_;
    }

    // Sends a request and waits for its answer, at most kAnswerMs.
    template <typename Send>
    int ask(natpmpresp_t& answer, Send send) {
        int code = send();
        if (code < 0) return code;
        QElapsedTimer waited;
        waited.start();
        do {
            timeval wait{};
            getnatpmprequesttimeout(&handle_, &wait);
            const qint64 left = kAnswerMs - waited.elapsed();
            if (left <= 0) break;
            if (wait.tv_sec * 1000 + wait.tv_usec / 1000 > left) wait = {static_cast<time_t>(left / 1000), static_cast<suseconds_t>(left % 1000 * 1000)};
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(handle_.s, &readable);
            select(handle_.s + 1, &readable, nullptr, nullptr, &wait);
            code = readnatpmpresponseorretry(&handle_, &answer);
        } while (code == NATPMP_TRYAGAIN);
        return code;
    }

    QString gateway_;
    natpmp_t handle_{};
    bool ready_ = false;
    quint16 port_ = 0;
    int lease_ = 0;
    quint16 external_ = 0;  // the router's port while mapped
};

}  // namespace

std::unique_ptr<RouterProtocol> makeNatpmpProtocol(const QString& gateway) {
    return std::make_unique<NatpmpProtocol>(gateway);
}

}  // namespace velmora::net
