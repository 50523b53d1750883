#include "client/window/session.h"

#include "net/wire.h"

namespace velmora::client {

Session::Session(SessionOptions options, QObject* parent)
    : QObject(parent),
      options_(std::move(options)),
      pump_("receivedlist", net::InboxLimits::client(), options_.dispatchMs) {
    sock.SetPortName(options_.hostPort);
    sock.OnRead = [this](net::TSock* s, int) { pump_.readFrom(s); };
    sock.OnInfo = [this](net::TSock* s, int code, const QString& text) { sockInfo(s, code, text); };
    Sock11.SetHostName(QStringLiteral("127.0.0.1"));
    Sock11.SetPortName(options_.lobbyPort);
}

QString Session::hostpress(HostControl& host, bool solo) {
    const auto reach = solo ? HostControl::Reach::ThisComputer : HostControl::Reach::Everyone;
    ListenResult listening = host.listen(options_.hostPort, reach);
    if (!listening.ok() && solo) listening = host.listen(QStringLiteral("0"), reach);
    if (!listening.ok()) return listening.error;
    // The own client follows the host to the port it really got (tests use "0").
    sock.SetPortName(QString::number(listening.port));
    loginName_ = playerName.toStdString() + wire::kTerminator;
    hosting_ = 1;
    return open(QStringLiteral("127.0.0.1"));
}

QString Session::joinpress() {
    loginName_ = playerName.toStdString() + wire::kTerminator;
    return open(hostAddress);
}

QString Session::open(const QString& host) {
    sock.SetHostName(host);
    try {
        sock.Open();
    } catch (const net::ESockException& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

void Session::openLobbyLink() {
    try {
        Sock11.Open();
        lobbyOpened_ = true;
    } catch (const net::ESockException&) {
        // The lobby is optional; its absence is not the player's problem.
    }
}

void Session::sendloginfo(std::string_view payload) {
    ownSeat_ = wire::toInt(payload);  // the place, with no "+" after it
    connected_ = 1;
    // The login name ends with byte 255 already, so two terminators follow.
    send(wire::message(cmd::kLogininfo, ownSeat_, kVersion, loginName_));
}

bool Session::send(const std::string& text) {
    if (connected_ != 1 || !sock.Connected()) return false;
    QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    bytes.append(wire::kTerminator);
    sock.Send(bytes);
    return true;
}

void Session::kicking(int target) {
    if (manages() && connected_ == 1) send(wire::message(cmd::kKickhim, ownSeat_, target, ""));
}

void Session::requestJustWatch(int seat, bool watch) {
    if (connected_ == 1 && seat >= 1 && seat <= kSeatCount)
        send(wire::message(cmd::kJustwatch, seat, watch ? 1 : 2));
}

void Session::sockInfo(net::TSock*, int code, const QString&) {
    if (code != net::InfoClose || closing_) return;
    closing_ = true;
    // What the host said before it closed (such as "CMD_full") is still
    // handled before the window goes.
    if (pump_.queue().empty())
        emit closed();
    else
        connect(&pump_, &net::MessagePump::drained, this, &Session::closed, Qt::SingleShotConnection);
}

}  // namespace velmora::client
