// A bare TCP peer for host tests: sends raw bytes and collects the messages
// the host sends, cut at byte 255.
#pragma once

#include <sys/socket.h>

#include <QTcpSocket>
#include <string>
#include <vector>

#include "support/eventloop.h"

namespace velmora::test {

class RawClient {
public:
    // Returns once the connection is made or has already ended again (a
    // refused connection is accepted and closed at once).
    explicit RawClient(quint16 port) {
        QObject::connect(&sock_, &QTcpSocket::readyRead, [this] { collect(); });
        QObject::connect(&sock_, &QTcpSocket::connected, [this] { wasConnected = true; });
        sock_.connectToHost(QHostAddress::LocalHost, port);
        waitUntil([this] { return wasConnected || closed(); });
    }

    void send(const std::string& text) {
        sock_.write(text.data(), static_cast<qint64>(text.size()));
        sock_.flush();
    }
    void sendMessage(const std::string& text) { send(text + '\xFF'); }
    void login(int place, const std::string& name, const std::string& version = "1.0.0") {
        send("CMD_logininfo+" + std::to_string(place) + "+" + version + "+" + name + "\xFF\xFF");
    }

    // Waits until a message equal to text (or starting with it, if prefix) arrives.
    bool waitFor(const std::string& text, bool prefix = false, int ms = 5000) {
        return waitUntil([&] { return find(text, prefix) >= 0; }, ms);
    }
    bool waitUntilCount(const std::string& text, int n, int ms = 5000) {
        return waitUntil([&] { return count(text) >= n; }, ms);
    }
    int find(const std::string& text, bool prefix = false) const {
        for (std::size_t i = 0; i < got.size(); ++i)
            if (prefix ? got[i].rfind(text, 0) == 0 : got[i] == text) return static_cast<int>(i);
        return -1;
    }
    int count(const std::string& text) const {
        int n = 0;
        for (auto& g : got) n += g == text;
        return n;
    }
    bool closed() const { return sock_.state() == QAbstractSocket::UnconnectedState; }
    bool waitClosed(int ms = 5000) { return waitUntil([this] { return closed(); }, ms); }
    void close() { sock_.disconnectFromHost(); }
    // Goes at once with a reset, as a crashed or cut-off peer does.
    void reset() {
        const linger hard{1, 0};
        ::setsockopt(static_cast<int>(sock_.socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
        sock_.abort();
    }

    std::vector<std::string> got;
    bool wasConnected = false;

private:
    void collect() {
        tail_ += sock_.readAll().toStdString();
        std::size_t end;
        while ((end = tail_.find('\xFF')) != std::string::npos) {
            got.push_back(tail_.substr(0, end));
            tail_.erase(0, end + 1);
        }
    }
    QTcpSocket sock_;
    std::string tail_;
};

}  // namespace velmora::test
