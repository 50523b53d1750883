// A tiny HTTP/1.1 server for download tests: one response per connection,
// from a table of paths. A route can promise more than it sends and then
// hold the connection open, or close it early.
#pragma once

#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>

namespace velmora::test {

struct HttpRoute {
    int status = 200;
    QByteArray body;
    qint64 promised = -1;  // Content-Length; -1: the body's size
    bool hold = false;     // keep the connection open after the body
};

class HttpServer : public QObject {
public:
    HttpServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, this, [this, s] { answer(s); });
                connect(s, &QTcpSocket::disconnected, this, [this, s] {
                    ++closed;
                    s->deleteLater();
                });
            }
        });
    }
    QString url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
    }

    QHash<QByteArray, HttpRoute> routes;
    int closed = 0;  // connections that ended

private:
    void answer(QTcpSocket* s) {
        QByteArray& request = pending_[s];
        request += s->readAll();
        if (!request.contains("\r\n\r\n")) return;
        const QByteArray path = request.split(' ').value(1);
        const HttpRoute route = routes.value(path, HttpRoute{404, "not here"});
        const qint64 length = route.promised >= 0 ? route.promised : route.body.size();
        s->write("HTTP/1.1 " + QByteArray::number(route.status) + (route.status == 200 ? " OK" : " Not Found") +
                 "\r\nContent-Type: application/octet-stream\r\nContent-Length: " + QByteArray::number(length) +
                 "\r\nConnection: close\r\n\r\n" + route.body);
        pending_.remove(s);
        if (!route.hold) s->disconnectFromHost();
    }

    QTcpServer server_;
    QHash<QTcpSocket*, QByteArray> pending_;
};

}  // namespace velmora::test
