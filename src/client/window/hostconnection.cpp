#include "client/window/hostconnection.h"

#include <utility>

#include "net/wire.h"

namespace velmora::client {

HostConnection::HostConnection(HostConnectionOptions options, QObject* parent)
    : QObject(parent),
      options_(std::move(options)),
      pump_("receivedlist", net::InboxLimits::client(), options_.dispatchMs) {
    sock.SetPortName(options_.hostPort);
    connect(&sock, &net::TSock::OnRead, this, [this](net::TSock* s) { pump_.readFrom(s); });
    connect(&sock, &net::TSock::OnInfo, this, &HostConnection::sockInfo);
    connect(&sock, &net::TSock::OnError, this, &HostConnection::sockError);
    connect(&sock, &net::TSock::OnConnect, this, [this] {
        if (lobbyWaits_) openLobbyLink();
    });
    Sock11.SetHostName(QStringLiteral("127.0.0.1"));
    Sock11.SetPortName(options_.lobbyPort);
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &HostConnection::attemptNow);
    rejoinAnswer_.setSingleShot(true);
    connect(&rejoinAnswer_, &QTimer::timeout, this, &HostConnection::rejoinrefused);
    attemptLimit_.setSingleShot(true);
    connect(&attemptLimit_, &QTimer::timeout, this, [this] {
        if (reconnecting_ && attemptLive_) attemptFailed();
    });
    joinTimer_.setSingleShot(true);
    connect(&joinTimer_, &QTimer::timeout, this, [this] { failJoin(JoinFailure::NoAnswer); });
}

QString HostConnection::hostpress(HostControl& host, bool solo) {
    const auto reach = solo ? HostControl::Reach::ThisComputer : HostControl::Reach::Everyone;
    ListenResult listening = host.listen(options_.hostPort, reach);
    if (!listening.ok() && solo) listening = host.listen(QStringLiteral("0"), reach);
    if (!listening.ok()) return listening.error;
    // The own client follows the host to the port it really got (tests use "0").
    sock.SetPortName(QString::number(listening.port));
    hostedPort_ = listening.port;
    loginName_ = playerName.toStdString() + wire::kTerminator;
    hosting_ = 1;
    return open(QStringLiteral("127.0.0.1"));
}

QString HostConnection::joinpress(bool again) {
    if (again) closeQuietly();
    loginName_ = playerName.toStdString() + wire::kTerminator;
    const QString error = open(hostAddress);
    if (error.isEmpty()) joinTimer_.start(options_.joinTimeoutMs);
    return error;
}

void HostConnection::failJoin(JoinFailure failure) {
    joinTimer_.stop();
    closeQuietly();
    emit joinFailed(failure);
}

// A failed attempt's socket is put away without its close ending the window.
void HostConnection::closeQuietly() {
    quiet_ = true;
    sock.Close();
    quiet_ = false;
}

QString HostConnection::open(const QString& host) {
    sock.SetHostName(host);
    try {
        sock.Open();
    } catch (const net::ESockException& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

void HostConnection::openLobbyLink() {
    // While the host's name is looked up the link waits: a name nobody knows
    // ends the start before it, as a look-up that fails at once does.
    lobbyWaits_ = sock.LookingUp();
    if (lobbyWaits_) return;
    try {
        Sock11.Open();
        lobbyOpened_ = true;
    } catch (const net::ESockException&) {
        // The lobby is optional; its absence is not the player's problem.
    }
}

void HostConnection::sendloginfo(std::string_view payload) {
    const int place = wire::toInt(payload);  // the place, with no "+" after it
    if (reconnecting_ && !token_.empty() && !rejoinSent_) {
        rejoinSent_ = true;
        pendingPlace_ = place;
        sendRaw(wire::message(cmd::kRejoin, token_));
        rejoinAnswer_.start(options_.reconnect.rejoinAnswerMs);
        return;
    }
    login(place);
}

void HostConnection::login(int place) {
    rejoinAnswer_.stop();
    attemptLimit_.stop();
    ownSeat_ = place;
    connected_ = 1;
    joinTimer_.stop();
    // The login name ends with byte 255 already, so two terminators follow.
    send(wire::message(cmd::kLogininfo, ownSeat_, kVersion, loginName_));
    if (reconnecting_) {
        reconnecting_ = false;
        emit restored();
    }
}

bool HostConnection::send(const std::string& text) {
    if (connected_ != 1 || !sock.Connected()) return false;
    QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    bytes.append(wire::kTerminator);
    sock.Send(bytes);
    return true;
}

void HostConnection::kicking(int target) {
    if (manages() && connected_ == 1) send(wire::message(cmd::kKickhim, ownSeat_, target, ""));
}

void HostConnection::requestJustWatch(int seat, bool watch) {
    if (connected_ == 1 && seat >= 1 && seat <= kSeatCount)
        send(wire::message(cmd::kJustwatch, seat, watch ? 1 : 2));
}

// A join that fails before it connects: the error says why.
void HostConnection::sockError(net::TSock*, QAbstractSocket::SocketError error) {
    if (std::exchange(lobbyWaits_, false) && error != QAbstractSocket::HostNotFoundError) openLobbyLink();
    if (quiet_ || sock.Connected()) return;
    if (reconnecting_) return reconnectFailed();
    if (!joinTimer_.isActive()) return;
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError: return failJoin(JoinFailure::Refused);
    case QAbstractSocket::SocketTimeoutError: return failJoin(JoinFailure::NoAnswer);
    case QAbstractSocket::HostNotFoundError: return failJoin(JoinFailure::NameNotFound);
    default: return failJoin(JoinFailure::Unreachable);
    }
}

void HostConnection::sockInfo(net::TSock*, int code) {
    if (quiet_) return;
    if (reconnecting_) {
        if (code == net::InfoClose) reconnectFailed();
        return;
    }
    if (code != net::InfoClose || closing_) return;
    closing_ = true;
    // What the host said before it closed (such as "CMD_full" or
    // "CMD_hostclosing") is still handled before deciding what follows.
    if (pump_.queue().empty())
        ended();
    else
        connect(&pump_, &net::MessagePump::drained, this, &HostConnection::ended, Qt::SingleShotConnection);
}

// A player at the table whose connection broke gets it back; a refusal, a
// removal, the host's own end or the hosting copy's loopback end it.
void HostConnection::ended() {
    if (connected_ == 1 && hosting_ == 0 && !hostEnded_ && !tokenVoid_)
        startReconnect();
    else
        emit closed();
}

}  // namespace velmora::client
