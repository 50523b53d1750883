// A host played by the test that records the bytes a client sends, and a
// window joined to it.
#pragma once

#include <QTcpServer>
#include <QTcpSocket>
#include <string>
#include <vector>

#include "support/hostedwindow.h"
#include "client/window/tchat.h"
#include "support/eventloop.h"

namespace velmora::test {

// A host played by the test: it accepts one client and records the bytes
// it sends.
class RecordingHost {
public:
    RecordingHost() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            peer_ = server_.nextPendingConnection();
            QObject::connect(peer_, &QTcpSocket::readyRead, [this] { bytes += peer_->readAll().toStdString(); });
        });
    }
    quint16 port() const { return server_.serverPort(); }
    bool waitConnected() { return waitUntil([this] { return peer_ != nullptr; }); }
    void send(const std::string& message) {
        const std::string framed = message + '\xFF';
        peer_->write(framed.data(), static_cast<qint64>(framed.size()));
        peer_->flush();
    }
    bool waitFor(const std::string& part) {
        return waitUntil([&] { return bytes.find(part) != std::string::npos; });
    }
    std::string bytes;

private:
    QTcpServer server_;
    QTcpSocket* peer_ = nullptr;
};

// A window joined to a recording host at `seat`, shown.
struct JoinedWindow {
    RecordingHost host;
    HostedWindow hw{{"Ann", "127.0.0.1", "false"}, quietOptions(host.port())};
    client::Tchat& w = hw.window;

    explicit JoinedWindow(int seat) {
        w.show();
        if (host.waitConnected()) host.send("CMD_sendlogininfo+" + std::to_string(seat));
    }
};

}  // namespace velmora::test
