// Loopback peers and a host process for the host benchmarks: plain POSIX
// sockets, so the peers never share an event loop with the host they measure.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace velmora::bench {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start);

// `velmora --serve --port 0` as a child process; ended with SIGTERM.
class HostProcess {
public:
    explicit HostProcess(const std::string& program);
    ~HostProcess();
    HostProcess(const HostProcess&) = delete;
    HostProcess& operator=(const HostProcess&) = delete;

    int port() const { return port_; }
    long rssKb() const;           // resident memory now
    long stderrBytes() const;     // what the host wrote to standard error so far

private:
    int pid_ = -1;
    int port_ = 0;
    std::string errFile_;
};

// One player's connection; Nagle is off as in the game's own client, or on
// as in a client that never asks.
class Peer {
public:
    // A connection not made within the timeout leaves the peer not ok().
    explicit Peer(int port, int connectTimeoutMs = 5000, bool noDelay = true);
    ~Peer();
    Peer(Peer&& other) noexcept;
    Peer(const Peer&) = delete;
    Peer& operator=(const Peer&) = delete;

    bool ok() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    void send(const std::string& message);  // the terminator is added here
    // Reads what has arrived without waiting; complete messages go to `got`.
    bool pump();
    // Waits for a message equal to text (prefix: starting with it).
    bool waitFor(const std::string& text, int timeoutMs, bool prefix = false);
    // Waits for the place, logs in and waits for the own arrival notice.
    bool join(const std::string& name, int timeoutMs);
    // Closes with a reset instead of an orderly close.
    void reset();
    bool closed() const { return closed_; }

    int place = 0;
    std::vector<std::string> got;

private:
    int fd_ = -1;
    bool closed_ = false;
    std::string tail_;
};

// Waits until any of the peers has bytes to read (or the time is up).
void waitAny(std::vector<Peer*>& peers, int timeoutMs);

// Median and 90th percentile of samples in ms; {0, 0} when empty.
struct Spread {
    double median = 0;
    double p90 = 0;
    double max = 0;
};
Spread spread(std::vector<double> samples);

}  // namespace velmora::bench
