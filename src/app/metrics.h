// `--metrics ADDRESS:PORT`: the host's counters in Prometheus's text format
// on `/metrics`, for the operator's scraper. Nothing listens without the
// option. The endpoint faces whoever reaches the address: a request is read
// up to a few KiB within a few seconds, a few at a time, and everything else
// is closed.
#pragma once

#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <string>

namespace velmora::host {
class TServer;
}  // namespace velmora::host

namespace velmora::app {

// The exposition text of `server`'s figures now: every name begins with
// "velmora_" and has its HELP and TYPE lines.
std::string metricsText(host::TServer& server);

class MetricsEndpoint : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxRequestBytes = 4096;
    static constexpr int kMaxClients = 8;
    static constexpr int kRequestTimeoutMs = 5000;

    explicit MetricsEndpoint(host::TServer& server, QObject* parent = nullptr);
    // Gives an empty text, or why it cannot listen.
    QString listen(const QHostAddress& address, quint16 port);
    quint16 port() const { return listener_.serverPort(); }

private:
    void accept();
    void answer(QTcpSocket* client);

    host::TServer& server_;
    QTcpServer listener_;
    int clients_ = 0;
};

}  // namespace velmora::app
