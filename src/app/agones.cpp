#include "app/agones.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "host/tserver.h"
#include "net/diagnostics.h"

namespace velmora::app {
namespace {

constexpr qsizetype kMaxAnswer = 4096;   // only the status line is read

QByteArray playerBody(int seat) { return "{\"playerID\":\"seat-" + QByteArray::number(seat) + "\"}"; }

void say(const std::string& what) { net::standardLog().write(0, "agones", what); }

}  // namespace

QByteArray AgonesSdk::labelValue(const QByteArray& text) {
    QByteArray out;
    for (const char c : text) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        out += plain || c == '.' || c == '_' || c == '-' ? c : '-';
    }
    out.truncate(63);
    const auto alnum = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
    while (!out.isEmpty() && !alnum(out.front())) out.remove(0, 1);
    while (!out.isEmpty() && !alnum(out.back())) out.chop(1);
    return out;
}

AgonesSdk::AgonesSdk(host::TServer& server, AgonesSettings settings, QObject* parent)
    : QObject(parent), server_(server), settings_(std::move(settings)) {
    health_.setInterval(settings_.healthMs);
    connect(&health_, &QTimer::timeout, this, [this] { queue({"POST", "/health", "{}"}); });
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &AgonesSdk::next);
    timeout_.setSingleShot(true);
    connect(&timeout_, &QTimer::timeout, this, [this] { finished(false); });
    empty_.setSingleShot(true);
    connect(&empty_, &QTimer::timeout, this, [this] {
        if (shutdownAsked_ || server_.seatsTaken() != 0) return;
        shutdownAsked_ = true;
        say("the table is empty since its game ended; asking to be shut down");
        queue({"POST", "/shutdown", "{}"});
    });
    connect(&server_, &host::TServer::seatTaken, this, [this](int seat) {
        player(seat, true);
        watchEmptiness();
    });
    connect(&server_, &host::TServer::seatLeft, this, [this](int seat) {
        player(seat, false);
        watchEmptiness();
    });
    connect(&server_, &host::TServer::gameOnChanged, this, [this](bool on) {
        label("game", on ? "on" : "off");
        gameEnded_ = gameEnded_ || !on;
        watchEmptiness();
    });
}

AgonesSdk::~AgonesSdk() {
    if (!socket_) return;
    socket_->disconnect(this);
    socket_->abort();
}

void AgonesSdk::start() {
    queue({"POST", "/ready", "{}"});
    label("table", labelValue(settings_.tableName));
    label("game", server_.table().state().gameon == 1 ? "on" : "off");
    for (int seat = 1; seat <= kSeats; ++seat)
        if (server_.table().player(seat).connected == 1) player(seat, true);
    queue({"POST", "/health", "{}"});
    health_.start();
}

void AgonesSdk::label(const QByteArray& key, const QByteArray& value) {
    queue({"PUT", "/metadata/label", "{\"key\":\"" + key + "\",\"value\":\"" + value + "\"}"});
}

// A seat's connect and disconnect that have not left yet cancel out.
void AgonesSdk::player(int seat, bool connected) {
    const QByteArray body = playerBody(seat);
    const QByteArray opposite = connected ? "/alpha/player/disconnect" : "/alpha/player/connect";
    const auto waiting = calls_.begin() + (calls_.empty() ? 0 : 1);
    const auto twin = std::find_if(waiting, calls_.end(), [&](const Call& c) { return c.path == opposite && c.body == body; });
    if (twin != calls_.end()) {
        calls_.erase(twin);
        return;
    }
    queue({"POST", connected ? "/alpha/player/connect" : "/alpha/player/disconnect", body});
}

// A health call or a label already waiting (not the one under way) is
// replaced by the newer one, which keeps the queue short while the sidecar
// is away.
void AgonesSdk::queue(Call call) {
    const bool replaces = call.path == "/health" || call.path == "/metadata/label";
    const QByteArray key = call.body.left(call.body.indexOf(",\"value\""));
    if (replaces && calls_.size() > 1) {
        const auto same = std::find_if(calls_.begin() + 1, calls_.end(), [&](const Call& c) {
            return c.path == call.path && c.body.left(c.body.indexOf(",\"value\"")) == key;
        });
        if (same != calls_.end()) {
            *same = std::move(call);
            return;
        }
    }
    calls_.push_back(std::move(call));
    next();
}

void AgonesSdk::next() {
    if (busy_ || calls_.empty() || retry_.isActive()) return;
    busy_ = true;
    answer_.clear();
    socket_ = new QTcpSocket(this);
    const Call& call = calls_.front();
    const QByteArray request = call.method + ' ' + call.path + " HTTP/1.1\r\nHost: localhost\r\n"
                               "Content-Type: application/json\r\nContent-Length: " +
                               QByteArray::number(call.body.size()) + "\r\nConnection: close\r\n\r\n" + call.body;
    connect(socket_, &QTcpSocket::connected, socket_, [s = socket_, request] { s->write(request); });
    connect(socket_, &QTcpSocket::readyRead, this, [this] {
        answer_ += socket_->read(kMaxAnswer - answer_.size());
        const qsizetype end = answer_.indexOf("\r\n");
        if (end < 0) return answer_.size() >= kMaxAnswer ? finished(false) : void();
        // "HTTP/1.1 200 OK": any 2xx is done.
        const QList<QByteArray> words = answer_.left(end).split(' ');
        finished(words.size() >= 2 && words[1].size() == 3 && words[1].startsWith('2'), true);
    });
    connect(socket_, &QTcpSocket::errorOccurred, this, [this] { finished(false); });
    connect(socket_, &QTcpSocket::disconnected, this, [this] { finished(false); });
    timeout_.start(settings_.callTimeoutMs);
    socket_->connectToHost(QHostAddress::LocalHost, settings_.port);
}

void AgonesSdk::finished(bool ok, bool answered) {
    if (!busy_) return;
    busy_ = false;
    timeout_.stop();
    socket_->disconnect(this);
    socket_->abort();
    socket_->deleteLater();
    socket_ = nullptr;
    const bool givenUp = !ok && answered && ++refusals_ >= settings_.errorAnswers;
    if (givenUp) say("the SDK sidecar refused " + calls_.front().path.toStdString() + "; given up");
    if (ok || givenUp) {
        calls_.pop_front();
        retryMs_ = 0;
        refusals_ = 0;
        return next();
    }
    if (retryMs_ == 0)
        say("the SDK sidecar on port " + std::to_string(settings_.port) + " did not take " +
            calls_.front().path.toStdString() + "; trying again");
    retryMs_ = retryMs_ == 0 ? settings_.firstRetryMs : std::min(retryMs_ * 2, settings_.lastRetryMs);
    retry_.start(retryMs_);
}

void AgonesSdk::watchEmptiness() {
    if (settings_.shutdownWhenEmptyMs < 0 || shutdownAsked_) return;
    const bool empty = gameEnded_ && server_.seatsTaken() == 0 && server_.table().state().gameon != 1;
    if (!empty)
        empty_.stop();
    else if (!empty_.isActive())
        empty_.start(settings_.shutdownWhenEmptyMs);
}

std::unique_ptr<AgonesSdk> agonesFromEnvironment(host::TServer& server, AgonesSettings settings) {
    const char* text = std::getenv(AgonesSdk::kPortVariable);
    if (!text || !*text) return nullptr;
    char* end = nullptr;
    const long port = std::strtol(text, &end, 10);
    if (*end != '\0' || port < 1 || port > 65535) {
        say(std::string(AgonesSdk::kPortVariable) + " is not a port number: " + net::escapeForLog(text));
        return nullptr;
    }
    settings.port = static_cast<quint16>(port);
    return std::make_unique<AgonesSdk>(server, std::move(settings));
}

}  // namespace velmora::app
