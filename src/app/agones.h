// Agones, the game-server fleets of Kubernetes: when AGONES_SDK_HTTP_PORT is
// set, the headless host tells the SDK sidecar on localhost, over its REST
// API, that it is Ready once it listens, that it is healthy every few
// seconds, which seats people take and leave (player tracking), the table's
// name and whether a game is on (labels), and, when asked to, that it may be
// shut down once a game has ended and the table has stayed empty a while.
//
// The sidecar may start after us and may go away: each call is retried,
// pausing longer each time, for as long as nothing answers; a call the
// sidecar answers with an error three times (player tracking without its
// feature gate) is given up, so it never holds up the health pings behind it; and the calls wait in a short queue (a health
// or label call replaces its queued twin; a seat's connect and disconnect
// that never left cancel out), one at a time, never blocking the table.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <deque>
#include <memory>

class QTcpSocket;

namespace velmora::host {
class TServer;
}  // namespace velmora::host

namespace velmora::app {

struct AgonesSettings {
    quint16 port = 0;                 // the sidecar's HTTP port on localhost
    int healthMs = 5000;
    int shutdownWhenEmptyMs = -1;     // below 0: never ask for shutdown
    QByteArray tableName;
    int firstRetryMs = 250;           // doubled after each failure
    int lastRetryMs = 5000;
    int callTimeoutMs = 5000;
    int errorAnswers = 3;             // a call answered with an error this often is given up
};

class AgonesSdk : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kPortVariable = "AGONES_SDK_HTTP_PORT";

    AgonesSdk(host::TServer& server, AgonesSettings settings, QObject* parent = nullptr);
    ~AgonesSdk() override;
    // Ready and the labels, then health on its period; call once listening.
    void start();

    // A label value as Kubernetes takes it: at most 63 of [A-Za-z0-9._-],
    // beginning and ending with a letter or digit.
    static QByteArray labelValue(const QByteArray& text);

private:
    struct Call {
        QByteArray method;
        QByteArray path;
        QByteArray body;
    };
    void queue(Call call);
    void label(const QByteArray& key, const QByteArray& value);
    void player(int seat, bool connected);
    void next();
    void finished(bool ok, bool answered = false);
    void watchEmptiness();

    host::TServer& server_;
    AgonesSettings settings_;
    std::deque<Call> calls_;        // the front one is under way or waiting for its retry
    QTcpSocket* socket_ = nullptr;  // the front call's connection
    QByteArray answer_;
    bool busy_ = false;
    int retryMs_ = 0;
    int refusals_ = 0;              // error answers to the front call
    bool gameEnded_ = false;
    bool shutdownAsked_ = false;
    QTimer health_;
    QTimer retry_;
    QTimer timeout_;
    QTimer empty_;
};

// The SDK when the variable names a port, else nothing; a bad value is one
// line on standard error.
std::unique_ptr<AgonesSdk> agonesFromEnvironment(host::TServer& server, AgonesSettings settings);

}  // namespace velmora::app
