// Opening a connection. The handshake is watched here rather than by Qt: on a
// reset during the handshake (a peer that accepts and at once resets) Qt's
// socket neither reports an error nor gives up, it quietly starts a new
// handshake on the same socket, so the owner hears nothing until its own
// time limit. Here the platform's answer decides, and the connected socket
// is handed to Qt.
#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QTcpSocket>
#include <cerrno>
#include <cstring>
#include <utility>

#include "net/tsock.h"

namespace velmora::net {
namespace {

socklen_t toSockaddr(const QHostAddress& address, quint16 port, sockaddr_storage& out) {
    std::memset(&out, 0, sizeof out);
    bool v4 = false;
    const quint32 ip4 = address.toIPv4Address(&v4);
    if (v4) {
        auto& a = reinterpret_cast<sockaddr_in&>(out);
        a.sin_family = AF_INET;
        a.sin_port = htons(port);
        a.sin_addr.s_addr = htonl(ip4);
        return sizeof a;
    }
    auto& a = reinterpret_cast<sockaddr_in6&>(out);
    a.sin6_family = AF_INET6;
    a.sin6_port = htons(port);
    const Q_IPV6ADDR ip6 = address.toIPv6Address();
    std::memcpy(&a.sin6_addr, &ip6, sizeof ip6);
    if (!address.scopeId().isEmpty()) a.sin6_scope_id = ::if_nametoindex(address.scopeId().toLatin1().constData());
    return sizeof a;
}

// The Qt error a failed handshake reads as. A reset is a refusal: the peer
// would not have us.
QAbstractSocket::SocketError errorOf(int err) {
    switch (err) {
    case ECONNREFUSED:
    case ECONNRESET: return QAbstractSocket::ConnectionRefusedError;
    case ETIMEDOUT: return QAbstractSocket::SocketTimeoutError;
    case EACCES:
    case EPERM: return QAbstractSocket::SocketAccessError;
    case EADDRNOTAVAIL: return QAbstractSocket::SocketAddressNotAvailableError;
    case EMFILE:
    case ENFILE:
    case ENOBUFS:
    case ENOMEM: return QAbstractSocket::SocketResourceError;
    default: return QAbstractSocket::NetworkError;   // unreachable, down, ...
    }
}

}  // namespace

void TSock::startHandshake(const QHostAddress& address, quint16 port) {
    sockaddr_storage to;
    const socklen_t length = toSockaddr(address, port, to);
    const int fd = ::socket(to.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    const int err = fd < 0 ? errno : ::connect(fd, reinterpret_cast<const sockaddr*>(&to), length) == 0 ? 0 : errno;
    if (fd >= 0 && (err == 0 || err == EINPROGRESS)) {
        connecting_ = fd;
        handshake_ = new QSocketNotifier(fd, QSocketNotifier::Write, this);
        connect(handshake_, &QSocketNotifier::activated, this, &TSock::handshakeDone);
        return;
    }
    if (fd >= 0) ::close(fd);
    // Told from the event loop, as a failed handshake is, unless the owner
    // has closed or opened again meanwhile.
    QMetaObject::invokeMethod(
        this, [this, err, open = ++opens_] {
            if (open == opens_ && !socket_ && connecting_ < 0) errorNotification(errorOf(err));
        },
        Qt::QueuedConnection);
}

void TSock::handshakeDone() {
    int err = 0;
    socklen_t size = sizeof err;
    if (::getsockopt(connecting_, SOL_SOCKET, SO_ERROR, &err, &size) != 0) err = errno;
    const int fd = std::exchange(connecting_, -1);
    handshake_->setEnabled(false);
    handshake_->deleteLater();
    handshake_ = nullptr;
    if (err != 0) {
        ::close(fd);
        return errorNotification(errorOf(err));
    }
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(fd, QAbstractSocket::ConnectedState)) {
        ::close(fd);
        delete socket;
        return errorNotification(QAbstractSocket::SocketResourceError);
    }
    attach(socket);
    connected_ = true;
    info(InfoConnect, QStringLiteral("Non-Blocking Socket Connected"));
    emit OnConnect(this);
}

void TSock::stopHandshake() {
    if (connecting_ < 0) return;
    delete handshake_;
    handshake_ = nullptr;
    ::close(std::exchange(connecting_, -1));
}

}  // namespace velmora::net
