// Getting a lost connection back: attempts with growing pauses until the
// give-up time, then the seat token, or the designed login when the host
// does not know tokens.
#include <algorithm>

#include "client/window/hostconnection.h"
#include "net/wire.h"

namespace velmora::client {

void HostConnection::seattoken(std::string_view payload) {
    wire::FieldReader f(payload);
    if (f.nextInt() != ownSeat_) return;
    const std::string_view token = f.rest();
    if (token.size() == static_cast<std::size_t>(kSeatTokenHexDigits)) token_ = std::string(token);
}

void HostConnection::rejoinrefused() {
    if (reconnecting_ && rejoinSent_) {
        // The seat is gone (its hold ran out, the game ended) or the host
        // does not know tokens: the player comes back at the place given.
        token_.clear();
        login(pendingPlace_);
    } else if (!reconnecting_ && connected_ == 1) {
        token_.clear();
        tokenVoid_ = true;
    }
}

void HostConnection::sendRaw(const std::string& text) {
    if (!sock.Connected()) return;
    QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    bytes.append(wire::kTerminator);
    sock.Send(bytes);
}

void HostConnection::startReconnect() {
    reconnecting_ = true;
    closing_ = false;
    connected_ = 0;
    attempt_ = 0;
    pause_ = options_.reconnect.firstPauseMs;
    lostFor_.start();
    pump_.forget(sock.Id());   // half a message from the broken line
    emit lost();
    scheduleAttempt();
}

void HostConnection::scheduleAttempt() {
    if (lostFor_.elapsed() + pause_ > options_.reconnect.giveUpMs) {
        reconnecting_ = false;
        emit closed();
        return;
    }
    retry_.start(pause_);
    pause_ = std::min(pause_ * 2, options_.reconnect.maxPauseMs);
}

void HostConnection::attemptNow() {
    if (!reconnecting_) return;
    ++attempt_;
    rejoinSent_ = false;
    attemptLive_ = true;
    emit reconnectAttempt(attempt_);
    attemptLimit_.start(options_.reconnect.attemptMs);
    try {
        sock.Open();
    } catch (const net::ESockException&) {
        attemptFailed();
    }
}

// An attempt that could not connect, or whose connection ended before the
// login, is followed by the next.
void HostConnection::reconnectFailed() {
    if (attemptLive_) attemptFailed();
}

void HostConnection::attemptFailed() {
    attemptLive_ = false;
    rejoinAnswer_.stop();
    attemptLimit_.stop();
    pump_.forget(sock.Id());
    pump_.discard(sock.Id());
    sock.Close();
    scheduleAttempt();
}

void HostConnection::cancelReconnect() {
    if (!reconnecting_) return;
    reconnecting_ = false;
    attemptLive_ = false;
    retry_.stop();
    rejoinAnswer_.stop();
    attemptLimit_.stop();
    closing_ = true;
    sock.Close();
    emit closed();
}

}  // namespace velmora::client
