// The client's connection to its host: the socket `sock`, the lobby link
// `Sock11`, the receive queue with its 1 ms dispatch timer, the login, and the
// requests of the connection layer. The window registers the handlers.
#pragma once

#include <QObject>
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

// Ports and pacing; tests use free ports and instant dispatch.
struct SessionOptions {
    QString hostPort = QString::fromLatin1(kDefaultPortText);
    QString lobbyPort = QStringLiteral("9001");
    int dispatchMs = 1;
};

class Session : public QObject {
    Q_OBJECT
public:
    explicit Session(SessionOptions options = {}, QObject* parent = nullptr);

    net::Dispatcher& dispatcher() { return pump_.dispatcher(); }
    net::MessagePump& pump() { return pump_; }

    // Starts the in-process host on the host port and connects to it on the
    // loopback address. Returns the host's error text ("Listen - Error
    // Binding Socket" when the port is taken), empty on success. A solo game
    // listens on the loopback address only, on any free port when the host
    // port is taken.
    QString hostpress(HostControl& host, bool solo = false);
    // Connects to hostAddress. Returns the error text when the name cannot
    // be found, empty on success.
    QString joinpress();
    // Holds a connection to the lobby's local port, ignoring failure.
    void openLobbyLink();

    // Answers the host's "CMD_sendlogininfo" with the login.
    void sendloginfo(std::string_view payload);
    // Sends text (without terminator) while logged in; false otherwise.
    bool send(const std::string& text);
    void kicking(int target);
    void requestJustWatch(int seat, bool watch);

    int ownSeat() const { return ownSeat_; }
    bool connected() const { return connected_ == 1; }
    bool hosting() const { return hosting_ == 1; }
    // A headless host named this player the table's owner.
    void becomeOwner() { owner_ = true; }
    // Whether this player may start games and manage the seats.
    bool manages() const { return hosting_ == 1 || owner_; }
    bool lobbyLinkOpen() const { return lobbyOpened_; }

    QString playerName = QStringLiteral("You");
    QString hostAddress = QStringLiteral("127.0.0.1");

signals:
    // The connection to the host ended (InfoClose).
    void closed();

private:
    QString open(const QString& host);
    void sockInfo(net::TSock* s, int code, const QString& text);

    SessionOptions options_;
    net::TSock sock;
    net::TSock Sock11;
    net::MessagePump pump_;
    std::string loginName_;  // the name followed by byte 255, as the login sends it
    int ownSeat_ = 0;
    int connected_ = 0;
    int hosting_ = 0;
    bool lobbyOpened_ = false;
    bool closing_ = false;
    bool owner_ = false;
};

}  // namespace velmora::client
