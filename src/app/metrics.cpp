#include "app/metrics.h"

#include <QTcpSocket>
#include <QTimer>
#include <cstdio>

#include "host/tserver.h"

namespace velmora::app {
namespace {

struct Family {
    std::string& out;
    void head(const char* name, const char* type, const char* help) {
        out += std::string("# HELP velmora_") + name + ' ' + help + "\n# TYPE velmora_" + name + ' ' + type + '\n';
    }
    void value(const char* name, double v, const std::string& labels = {}) {
        char number[32];
        std::snprintf(number, sizeof number, "%.17g", v);
        out += std::string("velmora_") + name + labels + ' ' + number + '\n';
    }
    void one(const char* name, const char* type, const char* help, double v) {
        head(name, type, help);
        value(name, v);
    }
    template <typename Counts, typename Names>
    void labelled(const char* name, const char* label, const char* help, const Counts& counts, const Names& names) {
        head(name, "counter", help);
        for (std::size_t i = 0; i < names.size(); ++i)
            value(name, static_cast<double>(counts[i]), std::string("{") + label + "=\"" + std::string(names[i]) + "\"}");
    }
};

}  // namespace

std::string metricsText(host::TServer& server) {
    const host::HostCounters c = server.counters();
    const auto saves = server.autosaveTiming();
    std::string out;
    Family f{out};
    f.one("seats_taken", "gauge", "People logged in at the table's four seats.", server.seatsTaken());
    f.one("spectators", "gauge", "Connections watching from the places beyond the seats.", server.spectators());
    f.one("game_on", "gauge", "1 while a game is being played.", server.table().state().gameon == 1);
    f.one("games_started_total", "counter", "Games started.", static_cast<double>(c.gamesStarted));
    f.one("games_finished_total", "counter", "Games played to their winner.", static_cast<double>(c.gamesFinished));
    f.one("rounds_total", "counter", "Rounds ended.", static_cast<double>(c.rounds));
    f.one("turns_total", "counter", "Turns passed on to the next seat.", static_cast<double>(c.turns));
    f.labelled("requests_refused_total", "kind", "Requests dropped or refused, by why.", c.requestsRefused,
               host::kRequestRefusalNames);
    f.labelled("connections_refused_total", "cause", "Connections refused or closed by the host, by cause.",
               c.connectionsRefused, host::kConnectionRefusalNames);
    f.one("reconnects_total", "counter", "Connections that asked for a seat back with a token.",
          static_cast<double>(c.reconnects));
    f.one("rejoins_total", "counter", "Seats taken back with a token.", static_cast<double>(c.rejoins));
    f.one("received_bytes_total", "counter", "Bytes received from connections.", static_cast<double>(c.bytesIn));
    f.one("sent_bytes_total", "counter", "Bytes handed to connections.", static_cast<double>(c.bytesOut));
    f.head("autosave_seconds", "summary", "Time the disk took to save the table after a turn.");
    f.value("autosave_seconds_sum", saves.seconds);
    f.value("autosave_seconds_count", static_cast<double>(saves.writes));
    return out;
}

MetricsEndpoint::MetricsEndpoint(host::TServer& server, QObject* parent) : QObject(parent), server_(server) {
    connect(&listener_, &QTcpServer::newConnection, this, &MetricsEndpoint::accept);
}

QString MetricsEndpoint::listen(const QHostAddress& address, quint16 port) {
    return listener_.listen(address, port) ? QString() : listener_.errorString();
}

void MetricsEndpoint::accept() {
    while (QTcpSocket* client = listener_.nextPendingConnection()) {
        if (clients_ >= kMaxClients) {
            client->abort();
            client->deleteLater();
            continue;
        }
        // Ours, not the listener's: they go after this endpoint's connections
        // are cut, so none counts down into a half-destroyed endpoint.
        client->setParent(this);
        ++clients_;
        connect(client, &QObject::destroyed, this, [this] { --clients_; });
        connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QTcpSocket::readyRead, this, [this, client] { answer(client); });
        QTimer::singleShot(kRequestTimeoutMs, client, [client] {
            client->abort();
            client->deleteLater();
        });
    }
}

// Answers once the request's head is in; only GET /metrics has a body. The
// head waits in the socket's own buffer, which is never let grow past the cap.
void MetricsEndpoint::answer(QTcpSocket* client) {
    const QByteArray head = client->peek(kMaxRequestBytes + 1);
    const bool whole = head.contains("\r\n\r\n") || head.contains("\n\n");
    if (!whole) {
        if (head.size() > kMaxRequestBytes) client->abort(), client->deleteLater();
        return;
    }
    disconnect(client, &QTcpSocket::readyRead, this, nullptr);
    const QList<QByteArray> words = head.left(head.indexOf('\n')).trimmed().split(' ');
    const bool metrics = words.size() == 3 && words[0] == "GET" &&
                         (words[1] == "/metrics" || words[1].startsWith("/metrics?"));
    const QByteArray body = metrics ? QByteArray::fromStdString(metricsText(server_)) : QByteArray("Not found\n");
    const QByteArray status = metrics ? "200 OK" : "404 Not Found";
    const QByteArray type = metrics ? "text/plain; version=0.0.4; charset=utf-8" : "text/plain; charset=utf-8";
    client->write("HTTP/1.1 " + status + "\r\nContent-Type: " + type + "\r\nContent-Length: " +
                  QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    client->disconnectFromHost();
}

}  // namespace velmora::app
