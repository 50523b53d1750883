// TSock: an event-driven, non-blocking stream socket component. The owner sets
// a host and a port name, opens or listens, sends text, and is told by the
// component's signals when bytes arrive, when a connection waits, when the
// peer closed, what failed (an error value, made text only where shown), and
// what the component is doing (information with a code and a text).
#pragma once

#include <QAbstractSocket>
#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QString>
#include <stdexcept>

#include "net/inbox.h"

class QHostInfo;
class QSocketNotifier;
class QTcpServer;
class QTcpSocket;

namespace velmora::net {

// Raised by operations with one of the fixed texts below.
class ESockException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class SocketType { stStream, stDatagram };

// Information codes passed to OnInfo. Errors (code 7) come through OnError
// as a value; errorText gives their code 7 text.
enum InfoCode {
    InfoLookup = 0,
    InfoConnect = 1,
    InfoClose = 2,
    InfoListen = 3,
    InfoReceive = 4,
    InfoSend = 5,
    InfoAccept = 6,
    InfoError = 7,
};

// "Error #10061 (WSAECONNREFUSED)": the error's number and name in the
// Winsock numbering that players quote in reports.
QString errorText(QAbstractSocket::SocketError error);

class TSock : public QObject {
    Q_OBJECT
public:
    explicit TSock(QObject* parent = nullptr);
    ~TSock() override;

    // Only stream sockets listen; the game uses nothing else.
    SocketType socketType = SocketType::stStream;
    int Tag = 0;  // owned by the user of the component

    QString HostName() const { return hostName_; }
    QString PortName() const { return portName_; }
    void SetHostName(const QString& name);
    void SetPortName(const QString& name);
    bool Listen() const { return listening_; }
    void SetListen(bool on);  // true starts listening, false closes
    bool Connected() const { return connected_; }
    // Drop was called: the connection is on its way out.
    bool Dropping() const { return dropping_; }
    // Open is waiting for the host name's addresses.
    bool LookingUp() const { return lookup_ >= 0; }

    bool Open();
    bool Accept(TSock*& place);
    bool Send(const QByteArray& text);
    // Hands what is queued to the platform now, without waiting: for a last
    // message before the program ends.
    void Flush();
    QByteArray Receive();
    bool Close();
    // Close if listening or connected, then free the object.
    void Destroy();

    // Closes a misbehaving peer's connection soon, as though the peer had
    // closed it (OnDisconnect, then "Socket Closed"), after saying why
    // (OnDrop, or standard error). Safe to call from inside this component's
    // events.
    void Drop(const QString& reason);
    // Whether small writes go out at once (Nagle off), as the platform reports it.
    bool LowDelay() const;

    // Bytes queued and not yet taken by the platform, plus those the platform
    // holds unsent. Beyond the send limit (0: none) the connection is dropped.
    qint64 SendBacklog() const;
    void SetSendLimit(qint64 bytes) { sendLimit_ = bytes; }

    ConnectionId Id() const { return id_; }
    quint16 LocalPort() const;  // the port actually bound or used; tests listen on "0"
    QHostAddress LocalAddress() const;  // the address bound (Any when listening on all)

signals:
    // The component's events. A component taken by Accept passes its
    // OnRead, OnWrite, OnDisconnect, OnInfo and OnError on to its listener's
    // (the bindings it copies); its owner may listen to it directly instead.
    void OnConnect(velmora::net::TSock* sender);
    void OnDisconnect(velmora::net::TSock* sender);
    void OnInfo(velmora::net::TSock* sender, int code, const QString& text);
    // A connection attempt failed, or an open connection broke.
    void OnError(velmora::net::TSock* sender, QAbstractSocket::SocketError error);
    void OnRead(velmora::net::TSock* sender, int count);
    void OnWrite(velmora::net::TSock* sender);
    void OnAccept(velmora::net::TSock* sender);
    // Drop's reason, told instead of the standard error line when connected.
    void OnDrop(velmora::net::TSock* sender, const QString& reason);

private:
    void info(int code, const QString& text);
    void attach(QTcpSocket* socket);
    void detach();
    void handToPlatform();
    void readNotification();
    void writeNotification();
    void errorNotification(QAbstractSocket::SocketError error);
    void peerClosed();
    quint16 lookUpPort();
    void hostFound(const QHostInfo& found, quint16 port, quint64 open);
    // tsock_connect.cpp: the handshake of Open, watched here.
    void startHandshake(const QHostAddress& address, quint16 port);
    void handshakeDone();
    void stopHandshake();

    QString hostName_;
    QString portName_;
    QTcpServer* server_ = nullptr;
    QTcpSocket* socket_ = nullptr;
    int lookup_ = -1;                        // the name look-up under way, if any
    int connecting_ = -1;                    // the platform socket while its handshake runs
    QSocketNotifier* handshake_ = nullptr;
    quint64 opens_ = 0;                      // so a late failure of an earlier Open is not told
    bool connected_ = false;
    bool listening_ = false;
    bool dropping_ = false;
    QByteArray received_;
    QByteArray unsent_;
    qint64 sendLimit_ = 0;
    ConnectionId id_;
};

}  // namespace velmora::net
