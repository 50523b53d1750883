// A home router's UPnP gateway service as little as libminiupnpc needs it, on
// the loopback address: the description document and the SOAP actions
// GetExternalIPAddress, AddPortMapping and DeletePortMapping. It keeps each
// action with its arguments. It answers from a thread of its own, so a
// caller may wait for the router without running the event loop.
#pragma once

#include <QMutex>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace velmora::test {

class FakeRouter {
public:
    static constexpr const char* kExternal = "203.0.113.7";

    FakeRouter() {
        context_.moveToThread(&thread_);
        thread_.start();
        QMetaObject::invokeMethod(
            &context_,
            [this] {
                server_ = new QTcpServer;
                server_->listen(QHostAddress::LocalHost, 0);
                port_ = server_->serverPort();
                QObject::connect(server_, &QTcpServer::newConnection, [this] {
                    while (QTcpSocket* s = server_->nextPendingConnection()) {
                        QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] { read(s); });
                        QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
                    }
                });
            },
            Qt::BlockingQueuedConnection);
    }
    ~FakeRouter() {
        QMetaObject::invokeMethod(&context_, [this] { delete server_; }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }

    QString url() const { return QStringLiteral("http://127.0.0.1:%1/rootDesc.xml").arg(port_); }
    // A description address on loopback where no router listens.
    static QString nobodyUrl() {
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost, 0);
        return QStringLiteral("http://127.0.0.1:%1/rootDesc.xml").arg(closed.serverPort());
    }
    // "AddPortMapping 40000 40000 127.0.0.1 TCP 3600", "DeletePortMapping 40000 TCP", ...
    QStringList actions() const {
        QMutexLocker lock(&mutex_);
        return actions_;
    }
    // A UPnP error code AddPortMapping answers with; 0 accepts.
    void refuseWith(int code) {
        QMutexLocker lock(&mutex_);
        refuseWith_ = code;
    }

private:
    void read(QTcpSocket* s) {
        QByteArray& in = pending_[s];
        in += s->readAll();
        const qsizetype end = in.indexOf("\r\n\r\n");
        if (end < 0) return;
        const QString head = QString::fromLatin1(in.left(end));
        const QRegularExpressionMatch length =
            QRegularExpression(QStringLiteral("Content-Length: *(\\d+)"), QRegularExpression::CaseInsensitiveOption)
                .match(head);
        if (length.hasMatch() && in.size() < end + 4 + length.captured(1).toInt()) return;
        const QString body = QString::fromLatin1(in.mid(end + 4));
        pending_.remove(s);
        respond(s, head, body);
    }

    void respond(QTcpSocket* s, const QString& head, const QString& body) {
        QByteArray status = "200 OK", reply;
        if (head.startsWith(QLatin1String("GET"))) {
            reply = description();
        } else {
            const QString action = QRegularExpression(QStringLiteral("#(\\w+)")).match(head).captured(1);
            QStringList line{action};
            for (const char* arg : {"NewExternalPort", "NewInternalPort", "NewInternalClient", "NewProtocol",
                                    "NewLeaseDuration"}) {
                const auto m = QRegularExpression(QStringLiteral("<%1>([^<]*)<").arg(QLatin1String(arg))).match(body);
                if (m.hasMatch()) line << m.captured(1);
            }
            QMutexLocker lock(&mutex_);
            actions_ << line.join(QLatin1Char(' '));
            if (action == QLatin1String("AddPortMapping") && refuseWith_) {
                status = "500 Internal Server Error";
                reply = envelope(QStringLiteral("<s:Fault><faultcode>s:Client</faultcode><faultstring>UPnPError"
                                                "</faultstring><detail><UPnPError xmlns=\"urn:schemas-upnp-org:"
                                                "control-1-0\"><errorCode>%1</errorCode></UPnPError></detail>"
                                                "</s:Fault>")
                                     .arg(refuseWith_));
            } else {
                const QString value = action == QLatin1String("GetExternalIPAddress")
                                          ? QStringLiteral("<NewExternalIPAddress>%1</NewExternalIPAddress>")
                                                .arg(QLatin1String(kExternal))
                                          : QString();
                reply = envelope(QStringLiteral("<u:%1Response xmlns:u=\"%2\">%3</u:%1Response>")
                                     .arg(action, QLatin1String(kService), value));
            }
        }
        s->write("HTTP/1.1 " + status + "\r\nContent-Type: text/xml\r\nConnection: close\r\nContent-Length: " +
                 QByteArray::number(reply.size()) + "\r\n\r\n" + reply);
        s->disconnectFromHost();
    }

    static QByteArray envelope(const QString& inner) {
        return QStringLiteral("<?xml version=\"1.0\"?><s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\" "
                              "s:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\"><s:Body>%1</s:Body>"
                              "</s:Envelope>")
            .arg(inner)
            .toLatin1();
    }

    static QByteArray description() {
        return QStringLiteral(
                   "<?xml version=\"1.0\"?><root xmlns=\"urn:schemas-upnp-org:device-1-0\"><device>"
                   "<deviceType>urn:schemas-upnp-org:device:InternetGatewayDevice:1</deviceType><deviceList><device>"
                   "<deviceType>urn:schemas-upnp-org:device:WANDevice:1</deviceType><deviceList><device>"
                   "<deviceType>urn:schemas-upnp-org:device:WANConnectionDevice:1</deviceType><serviceList><service>"
                   "<serviceType>%1</serviceType><serviceId>urn:upnp-org:serviceId:WANIPConn1</serviceId>"
                   "<controlURL>/ctl/IPConn</controlURL><eventSubURL>/evt/IPConn</eventSubURL>"
                   "<SCPDURL>/WANIPCn.xml</SCPDURL></service></serviceList></device></deviceList></device>"
                   "</deviceList></device></root>")
            .arg(QLatin1String(kService))
            .toLatin1();
    }

    static constexpr const char* kService = "urn:schemas-upnp-org:service:WANIPConnection:1";
    QThread thread_;
    QObject context_;  // lives on thread_: the server is made and ended there
    QTcpServer* server_ = nullptr;
    quint16 port_ = 0;
    QHash<QTcpSocket*, QByteArray> pending_;
    mutable QMutex mutex_;
    QStringList actions_;
    int refuseWith_ = 0;
};

}  // namespace velmora::test
