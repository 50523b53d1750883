// The client's connection to its host: the socket `sock`, the lobby link
// `Sock11`, the receive queue with its 1 ms dispatch timer, the login, and the
// requests of the connection layer. The window registers the handlers.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QString>
#include <string>
#include <string_view>

#include "client/window/hostcontrol.h"
#include "net/messagepump.h"
#include "net/tsock.h"
#include "game/protocol.h"

namespace velmora::client {

inline constexpr int kSeatCount = 4;
inline constexpr const char* kVersion = kVersionText;

// How a lost connection is tried again: pauses from firstPauseMs doubling up
// to maxPauseMs, for giveUpMs in all (the time the host holds the seat). A
// host that has not answered "CMD_rejoin" within rejoinAnswerMs does not know
// tokens, so the ordinary login follows.
struct ReconnectPacing {
    int firstPauseMs = 100;
    int maxPauseMs = 1000;
    int giveUpMs = kSeatHoldSeconds * 1000;
    int rejoinAnswerMs = 5000;
    // An attempt not logged in by then is given up for the next one (a
    // host that accepts and says nothing, or a line that never connects).
    int attemptMs = 10000;
};

// Ports and pacing; tests use free ports and instant dispatch.
struct HostConnectionOptions {
    QString hostPort = QString::fromLatin1(kDefaultPortText);
    QString lobbyPort = QStringLiteral("9001");
    int dispatchMs = 1;
    ReconnectPacing reconnect;
    // Joining gives up when the host has not asked for the login by then.
    int joinTimeoutMs = 10000;
};

class HostConnection : public QObject {
    Q_OBJECT
public:
    // Why a join found no game: the connection was refused, the network
    // could not reach the address, nothing answered in time, or the name
    // stands for no computer.
    enum class JoinFailure { Refused, Unreachable, NoAnswer, NameNotFound };

    explicit HostConnection(HostConnectionOptions options = {}, QObject* parent = nullptr);

    net::Dispatcher& dispatcher() { return pump_.dispatcher(); }
    net::MessagePump& pump() { return pump_; }

    // Starts the in-process host on the host port and connects to it on the
    // loopback address. Returns the host's error text ("Listen - Error
    // Binding Socket" when the port is taken), empty on success. A solo game
    // listens on the loopback address only, on any free port when the host
    // port is taken.
    QString hostpress(HostControl& host, bool solo = false);
    // Connects to hostAddress. Returns the error text when the address is
    // malformed, empty on success; later failures (a name not found among
    // them) are told by joinFailed.
    // Again: the failed attempt before it is put away first.
    QString joinpress(bool again = false);
    int joinTimeoutMs() const { return options_.joinTimeoutMs; }
    const QString& hostPort() const { return options_.hostPort; }
    void setHostPort(const QString& port) { options_.hostPort = port; }
    // Holds a connection to the lobby's local port, ignoring failure.
    void openLobbyLink();

    // Answers the host's "CMD_sendlogininfo" with the login, or while
    // reconnecting with a seat token first with "CMD_rejoin".
    void sendloginfo(std::string_view payload);
    // "CMD_seattoken": what takes the own seat back after a lost connection.
    void seattoken(std::string_view payload);
    // "CMD_rejoinrefused": while reconnecting, the login follows at the place
    // given; at the table, the host voided the token (the player was removed).
    void rejoinrefused();
    // "CMD_hostclosing": the end that follows is the host's, not the network's.
    void hostclosing() { hostEnded_ = true; }
    bool hostEnded() const { return hostEnded_; }
    bool reconnecting() const { return reconnecting_; }
    int attempt() const { return attempt_; }
    // The player gave up waiting: the connection ends as if it had closed.
    void cancelReconnect();
    // Sends text (without terminator) while logged in; false otherwise.
    bool send(const std::string& text);
    void kicking(int target);
    void requestJustWatch(int seat, bool watch);

    int ownSeat() const { return ownSeat_; }
    bool connected() const { return connected_ == 1; }
    bool hosting() const { return hosting_ == 1; }
    // The port the own host listens on, once hosting.
    quint16 hostedPort() const { return hostedPort_; }
    // A headless host named this player the table's owner.
    void becomeOwner() { owner_ = true; }
    // Whether this player may start games and manage the seats.
    bool manages() const { return hosting_ == 1 || owner_; }
    bool lobbyLinkOpen() const { return lobbyOpened_; }

    QString playerName = QStringLiteral("You");
    QString hostAddress = QStringLiteral("127.0.0.1");

signals:
    // The connection to the host ended (InfoClose) for good.
    void closed();
    // The connection broke without anyone asking; attempts follow.
    void lost();
    void reconnectAttempt(int attempt);
    // Logged in again after a lost connection.
    void restored();
    // A join reached no game; the attempt has been put away.
    void joinFailed(velmora::client::HostConnection::JoinFailure failure);

private:
    QString open(const QString& host);
    void sockInfo(net::TSock* s, int code);
    void sockError(net::TSock* s, QAbstractSocket::SocketError error);
    void ended();
    // hostconnection_reconnect.cpp
    void startReconnect();
    void scheduleAttempt();
    void attemptNow();
    void attemptFailed();
    void reconnectFailed();
    void login(int place);
    void sendRaw(const std::string& text);
    void failJoin(JoinFailure failure);
    void closeQuietly();

    HostConnectionOptions options_;
    net::TSock sock;
    net::TSock Sock11;
    net::MessagePump pump_;
    std::string loginName_;  // the name followed by byte 255, as the login sends it
    int ownSeat_ = 0;
    int connected_ = 0;
    int hosting_ = 0;
    quint16 hostedPort_ = 0;
    bool lobbyOpened_ = false;
    bool lobbyWaits_ = false;  // opened once the host's name is found
    bool closing_ = false;
    bool owner_ = false;
    std::string token_;        // the own seat's token, empty when none
    bool hostEnded_ = false;
    bool tokenVoid_ = false;   // removed: no reconnecting
    bool reconnecting_ = false;
    bool attemptLive_ = false; // the current attempt's socket may still report
    bool rejoinSent_ = false;
    int pendingPlace_ = 0;
    int attempt_ = 0;
    int pause_ = 0;
    QElapsedTimer lostFor_;
    QTimer retry_;
    QTimer rejoinAnswer_;
    QTimer attemptLimit_;
    QTimer joinTimer_;  // runs from a join's start until the host asks for the login
    bool quiet_ = false;
};

}  // namespace velmora::client
