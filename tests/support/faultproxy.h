// A TCP proxy on loopback between a client and its host that breaks the line
// on demand: cut (both ends closed), reset (both ends aborted), stall (bytes
// held back until resumed) and down (new connections refused at once).
#pragma once

#include <sys/socket.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <memory>
#include <vector>

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
            for (auto& p : pairs_) pump(*p->client, *p->host), pump(*p->host, *p->client);
    }
    // While down, a connection is accepted and closed at once, as by a host
    // that is not there yet.
    void down(bool on) { down_ = on; }
    int connections() const { return accepted_; }

private:
    struct Pair {
        std::unique_ptr<QTcpSocket> client;
        std::unique_ptr<QTcpSocket> host;
    };
    static void hardClose(QTcpSocket& s) {
        const linger hard{1, 0};
        if (s.socketDescriptor() >= 0)
            ::setsockopt(static_cast<int>(s.socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
        s.abort();
    }
    void pump(QTcpSocket& from, QTcpSocket& to) {
        if (stalled_ || to.state() != QAbstractSocket::ConnectedState) return;
        to.write(from.readAll());
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
            QObject::connect(p->host.get(), &QTcpSocket::connected, [this, p] { pump(*p->client, *p->host); });
            QObject::connect(p->client.get(), &QTcpSocket::readyRead, [this, p] { pump(*p->client, *p->host); });
            QObject::connect(p->host.get(), &QTcpSocket::readyRead, [this, p] { pump(*p->host, *p->client); });
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
    int accepted_ = 0;
};

}  // namespace velmora::test
