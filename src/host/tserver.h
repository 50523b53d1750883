// TServer: the running host. Owns the listening socket, the places and their
// connections, the receive queue with its dispatch timer, and the game timers,
// and drives the table's rules. Never shows anything; what its operator
// should know goes to standard error, one line per event.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "host/computer.h"
#include "host/guesslimit.h"
#include "host/hostcounters.h"
#include "host/savewriter.h"
#include "host/table.h"
#include "host/tablefile.h"
#include "net/diagnostics.h"
#include "net/messagepump.h"
#include "net/tsock.h"
#include "game/protocol.h"

namespace velmora::host {

// The game's pacing; tests shorten it so that nothing sleeps through it.
struct HostTimings {
    int dispatchMs = 10;      // socktimer: one request per tick
    int roundTickMs = 1000;   // timer1: one tick of the pause between rounds
    // computertimer runs at the bot speed times this factor (0: at once).
    double computerFactor = 1.0;
    // A connection that has not logged in by then is closed, so strangers
    // that never log in cannot hold the table's places.
    int loginTimeoutMs = 10000;
    // How long a departed person's seat waits for its token to come back.
    int seatHoldMs = kSeatHoldSeconds * 1000;
    // After a restart everyone was cut at the same moment: the turn waits
    // this long for its person before the computer plays it.
    int resumeWaitMs = 15000;
};

class TServer : public QObject, private MessageSink, private TimerControl {
    Q_OBJECT
public:
    static constexpr const char* kVersion = kVersionText;
    static constexpr qint64 kSendLimit = 256 * 1024;

    explicit TServer(HostTimings timings = {}, std::uint32_t seed = Random::clockSeed(),
                     QObject* parent = nullptr);
    ~TServer() override;

    // Starts listening on all local addresses, or only on `address` when
    // given; throws net::ESockException ("Listen - Error Binding Socket") when
    // the port is taken.
    void listen(const QString& portName = QString::fromLatin1(kDefaultPortText), const QString& address = {});
    quint16 port() const { return Sock1.LocalPort(); }
    QHostAddress address() const { return Sock1.LocalAddress(); }

    // A host without a window of its own (`velmora --serve`): no place is the
    // hosting player. The table's owner, the person longest at a seat, starts
    // games and removes players and is told so with "CMD_owner"; ownership
    // passes on when the owner leaves; a departed seat's turn always goes to
    // the computer. In a hosted game place 1 has these rights. Set before
    // anyone connects.
    void setHeadless(bool on) { headless_ = on; }
    bool headless() const { return headless_; }
    // The place that may start games and remove players; 0 when nobody may.
    int manager() const { return headless_ ? owner_ : 1; }

    Table& table() { return table_; }
    const Table& table() const { return table_; }
    const net::MessageQueue& queue() { return pump_.queue(); }
    void setBotSpeed(int ms) { table_.setbotspeed(ms); }
    void setComputerSeats(int count) { table_.setcomputerseats(count); }
    // Options > Computer Level: every computer-played seat from its next move.
    void setComputerLevel(ComputerLevel level) { computers_->setall(level); }
    ComputerLevel computerLevel() const { return computers_->level(2); }
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
    void rejoin(std::string_view payload, int sender);

    // Tells every connection "CMD_hostclosing+" and hands it to the network
    // at once: the host is about to end on purpose.
    void announceClosing();
    // Autosave: the whole table is written to this file after every turn,
    // round end and new seat token, and the file is removed when the game
    // ends. Empty: nothing is saved.
    // Temporary files a crash left beside it go first.
    void setStateFile(std::string path);
    // Returns once the saves handed over are on disk (the host's end waits too).
    void flushSaves() { saves_.flush(); }
    // Carries on a saved game, before anyone connects: every seat with a
    // token is held for its person (in a hosted game not place 1, which the
    // hosting player's own window takes by connecting first).
    void resume(const SavedTable& saved);
    // A seat kept for its departed person (token known, computer playing).
    bool held(int seat) const { return seat >= 1 && seat <= kSeats && places_[seat].held; }

    // For the operator: what happened so far, people at the seats (logged in)
    // and other connections watching, and the time autosaves took on disk.
    HostCounters counters() const;
    int seatsTaken() const;
    int spectators() const;
    SaveWriter::Timing autosaveTiming() { return saves_.timing(); }

signals:
    // A person logged in at a seat (1..4), or its connection ended.
    void seatTaken(int seat);
    void seatLeft(int seat);
    // A game started or was resumed (true), or ended (false).
    void gameOnChanged(bool on);

private:
    // What the host keeps per place beside the table's record.
    static constexpr std::string_view kRemovedBy = "removed by place ";
    struct Place {
        net::TSock* sock = nullptr;
        bool loggedIn = false;
        std::uint64_t arrival = 0;  // order of acceptance, for ownership
        std::string leaving;        // why the host is closing it, if it is
        std::string token;          // seats only: what takes the seat back
        bool held = false;          // its person left; the seat waits for the token
    };

    void sendTo(int place, std::string_view text) override;
    void startTimer1() override { timer1.start(); }
    void stopTimer1() override { timer1.stop(); }
    void armComputerTimer(int milliseconds) override;
    void stopComputerTimer() override { computertimer.stop(); }

    void registerHandlers();
    int placeOf(net::ConnectionId from) const;
    int freePlace();
    void refuse(net::TSock* listener);
    void closeUnlessLoggedIn(net::TSock* sock);
    void leave(int place, net::TSock* sock);
    void passOwnership();
    std::string snapshot(int place) const;
    void sendSnapshot(int place);
    // Held seats and tokens (tserver_seats.cpp).
    void giveTokens(int first, int last);
    void holdOrFree(int seat, bool removed);
    void hold(int seat);
    void release(int seat);
    void afterProgress();
    void afterStart();
    // The saved table (tserver_saved.cpp).
    void autosave();
    void afterResumeWait();
    // A line for the operator about a place; connection events only headless.
    void note(int place, std::string_view what, bool always = false);

    HostTimings timings_;
    HostCounters counters_;
    Table table_;
    std::shared_ptr<ComputerSeats> computers_;
    net::TSock Sock1;
    std::array<Place, kPlaces + 1> places_{};
    std::uint64_t arrivals_ = 0;
    int owner_ = 0;
    bool headless_ = false;
    net::MessagePump pump_;
    net::DiagnosticLog log_;
    QTimer timer1;
    QTimer computertimer;
    std::array<QTimer, kSeats + 1> holdTimers_;
    GuessLimit guesses_;
    std::string stateFile_;
    SaveWriter saves_;
    bool saved_ = false;   // the file holds this host's game
    QTimer resumeWait_;
};

}  // namespace velmora::host
