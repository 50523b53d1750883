#include "net/tsock.h"

#include <netdb.h>

#include <QHostAddress>
#include <QHostInfo>
#include <QMetaMethod>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <atomic>
#include <utility>

#include "net/diagnostics.h"

namespace velmora::net {
namespace {

// The platform takes at most this much at a time; the rest waits in the
// component's own send buffer, in order, as with a non-blocking socket.
constexpr qint64 kPlatformWindow = 64 * 1024;
constexpr qint64 kReadChunk = 32768;
// A closed connection gets this long to deliver what was already sent.
constexpr int kLingerMs = 5000;

std::atomic<ConnectionId> nextId{1};

bool startsWithDigit(const QString& s) { return !s.isEmpty() && s[0].isDigit(); }

struct PlatformError {
    int number;
    const char* name;
};

// Error numbers and names in the Winsock numbering that players quote in reports.
PlatformError platformError(QAbstractSocket::SocketError qtError) {
    switch (qtError) {
    case QAbstractSocket::ConnectionRefusedError: return {10061, "WSAECONNREFUSED"};
    case QAbstractSocket::HostNotFoundError: return {11001, "WSAHOST_NOT_FOUND"};
    case QAbstractSocket::SocketAccessError: return {10013, "WSAEACCES"};
    case QAbstractSocket::SocketResourceError: return {10055, "WSAENOBUFS"};
    case QAbstractSocket::SocketTimeoutError: return {10060, "WSAETIMEDOUT"};
    case QAbstractSocket::NetworkError: return {10050, "WSAENETDOWN"};
    case QAbstractSocket::AddressInUseError: return {10048, "WSAEADDRINUSE"};
    case QAbstractSocket::SocketAddressNotAvailableError: return {10049, "WSAEADDRNOTAVAIL"};
    case QAbstractSocket::UnsupportedSocketOperationError: return {10045, "WSAEOPNOTSUPP"};
    default: return {10100 + qtError, nullptr};
    }
}

}  // namespace

QString errorText(QAbstractSocket::SocketError error) {
    const PlatformError e = platformError(error);
    return QStringLiteral("Error #%1 (%2)")
        .arg(e.number)
        .arg(e.name ? QString::fromLatin1(e.name) : QStringLiteral("UNKNOWN ERROR"));
}

TSock::TSock(QObject* parent) : QObject(parent), id_(nextId++) {}

TSock::~TSock() {
    stopHandshake();
    detach();
}

void TSock::info(int code, const QString& text) { emit OnInfo(this, code, text); }

void TSock::SetHostName(const QString& name) {
    if (connected_) info(InfoLookup, QStringLiteral("Setting HostName While Connected Has No Effect"));
    hostName_ = name;
}

void TSock::SetPortName(const QString& name) {
    if (connected_) info(InfoLookup, QStringLiteral("Setting PortName While Connected Has No Effect"));
    portName_ = name;
}

quint16 TSock::lookUpPort() {
    info(InfoLookup, QStringLiteral("Lookup Of Port ") + portName_);
    if (startsWithDigit(portName_)) {
        qsizetype digits = 0;
        while (digits < portName_.size() && portName_[digits].isDigit()) ++digits;
        bool ok = false;
        const uint port = portName_.left(digits).toUInt(&ok);
        if (ok && port <= 65535) return static_cast<quint16>(port);
        throw ESockException("Port Lookup - Could Not Find Service Entry");
    }
    const QByteArray name = portName_.toLocal8Bit();
    const servent* entry = getservbyname(name.constData(), "tcp");
    if (!entry) throw ESockException("Port Lookup - Could Not Find Service Entry");
    return ntohs(static_cast<uint16_t>(entry->s_port));
}

void TSock::SetListen(bool on) {
    if (!on) {
        if (listening_) Close();
        return;
    }
    if (listening_) {
        info(InfoListen, QStringLiteral("Listening Already Running"));
        return;
    }
    if (socket_) throw ESockException("Listen - Socket Already In Use");
    if (socketType == SocketType::stDatagram)
        throw ESockException("Listen - Cannot Listen On A Datagram Socket");
    const quint16 port = lookUpPort();
    auto* server = new QTcpServer(this);
    server->setListenBacklogSize(5);
    // Listening takes an address, never a name: nothing waits for a look-up.
    const QHostAddress any = hostName_.isEmpty() ? QHostAddress(QHostAddress::Any) : QHostAddress(hostName_);
    if (any.isNull() || !server->listen(any, port)) {
        delete server;
        throw ESockException("Listen - Error Binding Socket");
    }
    connect(server, &QTcpServer::newConnection, this, [this] { emit OnAccept(this); });
    server_ = server;
    listening_ = true;
    info(InfoListen, QStringLiteral("Listening Started"));
}

bool TSock::Open() {
    if (socket_ || listening_ || connecting_ >= 0 || lookup_ >= 0) return connected_;
    const quint16 port = lookUpPort();
    info(InfoLookup, QStringLiteral("Lookup Of Host ") + hostName_);
    QHostAddress address;
    if (address.setAddress(hostName_)) {
        startHandshake(address, port);
    } else if (startsWithDigit(hostName_) || hostName_.isEmpty()) {
        throw ESockException("Host Lookup - Could Not Find Host Entry");
    } else {
        // A name is asked for without waiting (a slow name server must not
        // hold the window), afresh each time; the answer starts the handshake.
        lookup_ = QHostInfo::lookupHost(hostName_, this, [this, port, open = ++opens_](const QHostInfo& found) {
            hostFound(found, port, open);
        });
    }
    return connected_;
}

void TSock::hostFound(const QHostInfo& found, quint16 port, quint64 open) {
    lookup_ = -1;
    if (open != opens_) return;  // closed, or opened again, meanwhile
    QHostAddress address;
    for (const QHostAddress& a : found.addresses()) {
        if (a.protocol() == QAbstractSocket::IPv4Protocol) {
            address = a;
            break;
        }
        if (address.isNull()) address = a;
    }
    if (address.isNull()) return errorNotification(QAbstractSocket::HostNotFoundError);
    startHandshake(address, port);
}

void TSock::attach(QTcpSocket* socket) {
    socket_ = socket;
    socket->setParent(this);
    // A move is a few dozen bytes: waiting to fill a packet only adds delay.
    // Set once the platform socket exists, so again when a connect completes.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(socket, &QTcpSocket::readyRead, this, &TSock::readNotification);
    connect(socket, &QTcpSocket::bytesWritten, this, &TSock::writeNotification);
    connect(socket, &QTcpSocket::disconnected, this, &TSock::peerClosed);
    connect(socket, &QTcpSocket::errorOccurred, this,
            &TSock::errorNotification);
    connect(socket, &QTcpSocket::connected, this, [this] {
        socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connected_ = true;
        info(InfoConnect, QStringLiteral("Non-Blocking Socket Connected"));
        emit OnConnect(this);
    });
}

bool TSock::Accept(TSock*& place) {
    if (!listening_) throw ESockException("Accept - Socket Not In Listening Mode");
    QTcpSocket* taken = server_->nextPendingConnection();
    if (!taken) {
        info(InfoAccept, QStringLiteral("Could Not Accept Connection"));
        return false;
    }
    auto* sock = new TSock(this);
    // The listener's bindings hear the new component too.
    connect(sock, &TSock::OnRead, this, &TSock::OnRead);
    connect(sock, &TSock::OnWrite, this, &TSock::OnWrite);
    connect(sock, &TSock::OnDisconnect, this, &TSock::OnDisconnect);
    connect(sock, &TSock::OnInfo, this, &TSock::OnInfo);
    connect(sock, &TSock::OnError, this, &TSock::OnError);
    sock->portName_ = portName_;
    QHostAddress peer = taken->peerAddress();
    bool mapped = false;
    const QHostAddress v4(peer.toIPv4Address(&mapped));
    sock->hostName_ = mapped ? v4.toString() : peer.toString();
    sock->attach(taken);
    sock->connected_ = true;
    place = sock;
    info(InfoAccept, QStringLiteral("Created New TSock Structure"));
    // Bytes may already be waiting; deliver them through the usual event.
    if (taken->bytesAvailable() > 0)
        QMetaObject::invokeMethod(sock, &TSock::readNotification, Qt::QueuedConnection);
    return true;
}

bool TSock::Send(const QByteArray& text) {
    if (listening_) throw ESockException("Send - Cannot Send On A Listener Socket");
    if (!socket_) throw ESockException("Send - Socket Not Connected");
    if (dropping_) return true;  // the connection is on its way out
    unsent_.append(text);
    if (unsent_.isEmpty()) return true;
    info(InfoSend, QStringLiteral("Non-Blocking Outgoing Data"));
    handToPlatform();
    if (sendLimit_ > 0 && SendBacklog() > sendLimit_)
        Drop(QStringLiteral("peer stopped reading; %1 bytes waiting").arg(SendBacklog()));
    return true;
}

void TSock::Flush() {
    handToPlatform();
    if (socket_) socket_->flush();
}

void TSock::handToPlatform() {
    if (!socket_ || socket_->state() != QAbstractSocket::ConnectedState) return;
    const qint64 room = kPlatformWindow - socket_->bytesToWrite();
    if (room <= 0) return;
    const qint64 n = socket_->write(unsent_.constData(), std::min<qint64>(room, unsent_.size()));
    if (n > 0) unsent_.remove(0, n);
}

qint64 TSock::SendBacklog() const {
    return unsent_.size() + (socket_ ? socket_->bytesToWrite() : 0);
}

QByteArray TSock::Receive() {
    if (listening_) throw ESockException("Receive - Cannot Receive On A Listener Socket");
    if (!socket_ && received_.isEmpty()) throw ESockException("Receive - Socket Not Connected");
    QByteArray out;
    out.swap(received_);
    return out;
}

void TSock::readNotification() {
    QPointer<TSock> self(this);
    while (self && socket_ && !dropping_ && socket_->bytesAvailable() > 0) {
        received_.append(socket_->read(kReadChunk));
        info(InfoReceive, QStringLiteral("Non-Blocking Incoming Data"));
        if (!self) return;
        emit OnRead(this, static_cast<int>(received_.size()));
    }
}

void TSock::writeNotification() {
    if (!unsent_.isEmpty()) Send(QByteArray());
    if (!socket_) return;
    info(InfoSend, QStringLiteral("Non-Blocking Outgoing Data"));
    emit OnWrite(this);
}

void TSock::errorNotification(QAbstractSocket::SocketError error) {
    // A peer's close is a close notification, not an error.
    if (error == QAbstractSocket::RemoteHostClosedError) return;
    QPointer<TSock> self(this);
    emit OnError(this, error);
    if (!self) return;
    // A reset connection can no longer be used: treat it like a peer close.
    if (socket_ && connected_ && socket_->state() == QAbstractSocket::UnconnectedState) peerClosed();
}

void TSock::peerClosed() {
    if (!socket_) return;
    QPointer<TSock> self(this);
    // Bytes that arrived with the close are delivered first.
    if (socket_->bytesAvailable() > 0 && !dropping_) readNotification();
    if (!self) return;
    emit OnDisconnect(this);
    if (self) Close();
}

void TSock::Drop(const QString& reason) {
    if (dropping_ || !socket_) return;
    dropping_ = true;
    if (isSignalConnected(QMetaMethod::fromSignal(&TSock::OnDrop)))
        emit OnDrop(this, reason);
    else
        standardLog().write(id_, "", "closing connection from " + hostName_.toStdString() + ": " +
                                         escapeForLog(reason.toStdString()));
    unsent_.clear();
    // Stop listening to the socket first, so nothing runs inside the caller's event.
    socket_->disconnect(this);
    socket_->abort();
    QTimer::singleShot(0, this, [self = QPointer<TSock>(this)] {
        if (!self || !self->dropping_) return;
        emit self->OnDisconnect(self);
        if (self) self->Close();
    });
}

void TSock::detach() {
    if (!socket_) return;
    QTcpSocket* socket = socket_;
    socket_ = nullptr;
    socket->disconnect(this);
    if (dropping_ || socket->state() != QAbstractSocket::ConnectedState) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    // What was sent before the close still reaches the peer, as after a
    // graceful close of a platform socket; a peer that never reads is cut off.
    socket->write(unsent_);
    unsent_.clear();
    socket->setParent(nullptr);
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kLingerMs, socket, [socket] { socket->abort(); socket->deleteLater(); });
    socket->disconnectFromHost();
}

bool TSock::Close() {
    const bool hadSocket = socket_ != nullptr || server_ != nullptr;
    if (socket_ && dropping_) socket_->abort();
    ++opens_;
    if (lookup_ >= 0) QHostInfo::abortHostLookup(std::exchange(lookup_, -1));
    stopHandshake();
    detach();
    if (server_) {
        server_->close();
        server_->deleteLater();
        server_ = nullptr;
    }
    connected_ = false;
    dropping_ = false;
    const bool wasListening = listening_;
    listening_ = false;
    if (!wasListening) info(InfoClose, QStringLiteral("Socket Closed"));
    return hadSocket;
}

void TSock::Destroy() {
    if (listening_ || connected_) Close();
    deleteLater();
}

bool TSock::LowDelay() const {
    return socket_ && socket_->socketOption(QAbstractSocket::LowDelayOption).toInt() == 1;
}

QHostAddress TSock::LocalAddress() const {
    if (server_) return server_->serverAddress();
    return socket_ ? socket_->localAddress() : QHostAddress();
}

quint16 TSock::LocalPort() const {
    if (server_) return server_->serverPort();
    return socket_ ? socket_->localPort() : 0;
}

}  // namespace velmora::net
