// TServer: the running host. Owns the listening socket, the places and their
// connections, the receive queue with its dispatch timer, and the game timers,
// and drives the table's rules. Never shows anything; problems go to stderr.
#pragma once

#include <QObject>
#include <QTimer>
#include <array>
#include <memory>
#include <string_view>

#include "host/table.h"
#include "net/messagepump.h"
#include "net/tsock.h"

namespace velmora::host {

// The game's pacing; tests shorten it so that nothing sleeps through it.
struct HostTimings {
    int dispatchMs = 10;      // socktimer: one request per tick
    int roundTickMs = 1000;   // timer1: one tick of the pause between rounds
    // computertimer runs at the bot speed times this factor (0: at once).
    double computerFactor = 1.0;
};

class TServer : public QObject, private MessageSink, private TimerControl {
    Q_OBJECT
public:
    static constexpr const char* kVersion = "1.0.0";
    static constexpr qint64 kSendLimit = 256 * 1024;

    explicit TServer(HostTimings timings = {}, std::uint32_t seed = Random::clockSeed(),
                     QObject* parent = nullptr);
    ~TServer() override;

    // Starts listening on all local addresses; throws net::ESockException
    // ("Listen - Error Binding Socket") when the port is taken.
    void listen(const QString& portName = QStringLiteral("7772"));
    quint16 port() const { return Sock1.LocalPort(); }

    Table& table() { return table_; }
    const Table& table() const { return table_; }
    void setBotSpeed(int ms) { table_.botspeed = ms; }
    bool computerTimerActive() const { return computertimer.isActive(); }
    bool timer1Active() const { return timer1.isActive(); }

    // Connection-layer handlers, one per request or socket event.
    void Sock1Accept(net::TSock* listener);
    void receivedlogininfo(std::string_view payload, int sender);
    void kickhim(std::string_view payload, int sender);
    void justwatch(std::string_view payload, int sender);
    void chat(std::string_view payload, int sender);
    void action(std::string_view payload, int sender);
    void playasound(std::string_view payload, int sender);
    void disconnectsock(int place);
    void tempsockDisconnect(net::TSock* sock);
    void tempsockInfo(net::TSock* sock, int code, const QString& text);

private:
    void sendTo(int place, std::string_view text) override;
    void startTimer1() override { timer1.start(); }
    void stopTimer1() override { timer1.stop(); }
    void armComputerTimer(int milliseconds) override;
    void stopComputerTimer() override { computertimer.stop(); }

    void registerHandlers();
    int placeOf(net::ConnectionId from) const;
    std::string snapshot(int place) const;

    HostTimings timings_;
    Table table_;
    net::TSock Sock1;
    std::array<net::TSock*, kPlaces + 1> socks_{};
    net::MessagePump pump_;
    QTimer timer1;
    QTimer computertimer;
};

}  // namespace velmora::host
