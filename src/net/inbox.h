// The receive path: bytes from each connection are cut into lines at byte 255
// and queued, first in first out, remembering which connection each came from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <limits>
#include <string>
#include <string_view>
#include <unordered_map>

namespace velmora::net {

// Identifies one connection for its whole life; never reused, never sent.
// 0 stands for "no connection" (the queue's initial line, local injections).
using ConnectionId = std::uint64_t;

struct QueuedLine {
    std::string text;
    ConnectionId from = 0;
};

class MessageQueue {
public:
    explicit MessageQueue(std::string initialLine);

    void push(std::string text, ConnectionId from);
    // Takes the front line; false when the queue is empty.
    bool pop(QueuedLine& out);
    bool empty() const { return lines_.empty(); }
    std::size_t size() const { return lines_.size(); }
    std::size_t countFrom(ConnectionId id) const;

private:
    std::deque<QueuedLine> lines_;
    std::unordered_map<ConnectionId, std::size_t> perConnection_;
};

// Caps that keep one peer from growing memory without bound. A connection
// that breaks one must be closed by the caller.
struct InboxLimits {
    std::size_t maxMessage = std::numeric_limits<std::size_t>::max();
    std::size_t maxTail = std::numeric_limits<std::size_t>::max();
    std::size_t maxQueuedPerConnection = std::numeric_limits<std::size_t>::max();

    // The host faces untrusted peers; a game message is a few hundred bytes
    // and a client has at most a handful of requests in flight.
    static InboxLimits host() { return {2048, 2048, 32}; }
    // A client trusts its host more, but still bounds what it holds: a
    // round start or a snapshot is a burst of a few dozen short lines.
    static InboxLimits client() { return {65536, 65536, 20000}; }
};

class Inbox {
public:
    Inbox(std::string initialLine, InboxLimits limits);

    // Appends the complete messages in bytes to the queue and keeps the rest
    // as the connection's pending tail. Returns false when the connection
    // broke a limit; its offending message is not queued.
    bool receive(ConnectionId from, std::string_view bytes);
    // The connection has ended: its unfinished tail is discarded, never
    // dispatched as if it were whole. Lines already queued stay.
    void forget(ConnectionId from);

    std::size_t pendingTail(ConnectionId from) const;
    MessageQueue& queue() { return queue_; }
    const InboxLimits& limits() const { return limits_; }

private:
    MessageQueue queue_;
    InboxLimits limits_;
    std::unordered_map<ConnectionId, std::string> tails_;
};

}  // namespace velmora::net
