// A TCP proxy on loopback between a client and its host that breaks the line
// on demand: cut (both ends closed), reset (both ends aborted), stall (bytes
// held back until resumed) and down (new connections refused at once). With
// designedOnly it passes only the designed command names each end knows, so
// each side meets a peer that ignores every name added since.
#pragma once

#include <sys/socket.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "protocol/catalogue.h"

namespace velmora::test {

class FaultProxy {
public:
    explicit FaultProxy(quint16 target) : target_(target) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { accept(); });
    }
    quint16 port() const { return server_.serverPort(); }

    void cut() {
        for (auto& p : pairs_) p->client->disconnectFromHost(), p->host->disconnectFromHost();
    }
    void reset() {
        for (auto& p : pairs_) hardClose(*p->client), hardClose(*p->host);
    }
    void stall(bool on) {
        stalled_ = on;
        if (!on)
            for (auto& p : pairs_) pump(*p, true), pump(*p, false);
    }
    // While down, a connection is accepted and closed at once, as by a host
    // that is not there yet.
    void down(bool on) { down_ = on; }
    // While refusing, nothing listens: connections are refused by the
    // system, as when the host's machine is up and its program is not.
    void refuse(bool on) {
        if (on) {
            port_ = server_.serverPort();
            server_.close();
        } else {
            server_.listen(QHostAddress::LocalHost, port_);
        }
    }
    int connections() const { return accepted_; }
    void designedOnly(bool on) { designed_ = on; }

private:
    struct Pair {
        std::unique_ptr<QTcpSocket> client;
        std::unique_ptr<QTcpSocket> host;
        std::string toHost, toClient;   // unfinished messages while filtering
    };
    static void hardClose(QTcpSocket& s) {
        const linger hard{1, 0};
        if (s.socketDescriptor() >= 0)
            ::setsockopt(static_cast<int>(s.socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
        s.abort();
    }
    void pump(Pair& p, bool towardHost) {
        QTcpSocket& from = towardHost ? *p.client : *p.host;
        QTcpSocket& to = towardHost ? *p.host : *p.client;
        if (stalled_ || to.state() != QAbstractSocket::ConnectedState) return;
        if (!designed_) return void(to.write(from.readAll()));
        std::string& tail = towardHost ? p.toHost : p.toClient;
        tail += from.readAll().toStdString();
        std::size_t end;
        while ((end = tail.find('\xFF')) != std::string::npos) {
            const std::string_view name = std::string_view(tail).substr(0, std::min(end, tail.find('+')));
            const bool known = towardHost ? std::ranges::find(kDesignedHostCommands, name) != kDesignedHostCommands.end()
                                          : std::ranges::find(kDesignedClientCommands, name) != kDesignedClientCommands.end();
            if (known) to.write(tail.data(), static_cast<qint64>(end + 1));
            tail.erase(0, end + 1);
        }
    }
    void accept() {
        while (QTcpSocket* in = server_.nextPendingConnection()) {
            ++accepted_;
            if (down_) {
                hardClose(*in);
                in->deleteLater();
                continue;
            }
            auto pair = std::make_unique<Pair>();
            pair->client.reset(in);
            in->setParent(nullptr);
            pair->host = std::make_unique<QTcpSocket>();
            Pair* p = pair.get();
            QObject::connect(p->host.get(), &QTcpSocket::connected, [this, p] { pump(*p, true); });
            QObject::connect(p->client.get(), &QTcpSocket::readyRead, [this, p] { pump(*p, true); });
            QObject::connect(p->host.get(), &QTcpSocket::readyRead, [this, p] { pump(*p, false); });
            QObject::connect(p->client.get(), &QTcpSocket::disconnected, [p] { p->host->disconnectFromHost(); });
            QObject::connect(p->host.get(), &QTcpSocket::disconnected, [p] { p->client->disconnectFromHost(); });
            p->host->connectToHost(QHostAddress::LocalHost, target_);
            pairs_.push_back(std::move(pair));
        }
    }

    quint16 target_;
    QTcpServer server_;
    std::vector<std::unique_ptr<Pair>> pairs_;
    bool stalled_ = false;
    bool down_ = false;
    quint16 port_ = 0;
    bool designed_ = false;
    int accepted_ = 0;
};

}  // namespace velmora::test
