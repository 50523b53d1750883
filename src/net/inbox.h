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

// Lines waiting for dispatch, one first-in first-out lane per connection.
// pop() takes the lanes in turn, so a connection that sends much only waits
// longer itself: everyone else's next line is at most one round away.
class MessageQueue {
public:
    explicit MessageQueue(std::string initialLine);

    void push(std::string text, ConnectionId from);
    // Takes the front line of the next lane in turn; false when empty.
    bool pop(QueuedLine& out);
    // Discards every line the connection still has waiting.
    void drop(ConnectionId from);
    bool empty() const { return lines_ == 0; }
    std::size_t size() const { return lines_; }
    std::size_t bytes() const { return bytes_; }
    std::size_t countFrom(ConnectionId id) const;
    std::size_t bytesFrom(ConnectionId id) const;

private:
    struct Lane {
        std::deque<std::string> lines;
        std::size_t bytes = 0;
    };
    std::unordered_map<ConnectionId, Lane> lanes_;
    std::deque<ConnectionId> turns_;  // lanes with lines, next to serve first
    std::size_t lines_ = 0;
    std::size_t bytes_ = 0;
};

// Why a connection's bytes were refused; each closes the connection.
enum class Refusal {
    none,
    messageTooLong,   // one message over maxMessage
    tailTooLong,      // an unterminated message over maxTail
    tooManyQueued,    // its own lane over maxQueuedPerConnection lines or bytes
    queueFull,        // all lanes together over maxQueuedLines or bytes
};
const char* describe(Refusal refusal);

// Caps that keep peers from growing memory without bound. A connection that
// breaks one must be closed by the caller.
struct InboxLimits {
    static constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
    std::size_t maxMessage = kNone;
    std::size_t maxTail = kNone;
    std::size_t maxQueuedPerConnection = kNone;
    std::size_t maxQueuedBytesPerConnection = kNone;
    std::size_t maxQueuedLines = kNone;
    std::size_t maxQueuedBytes = kNone;

    // The host faces untrusted peers; a game message is a few hundred bytes
    // and a client has at most a handful of requests in flight. The totals
    // hold nine full lanes with room to spare.
    static InboxLimits host() { return {2048, 2048, 32, 16 * 1024, 512, 256 * 1024}; }
    // A client trusts its host more, but still bounds what it holds: a
    // round start or a snapshot is a burst of a few dozen short lines.
    static InboxLimits client() { return {65536, 65536, 20000, kNone, kNone, 64u << 20}; }
};

class Inbox {
public:
    Inbox(std::string initialLine, InboxLimits limits);

    // Appends the complete messages in bytes to the queue and keeps the rest
    // as the connection's pending tail. Returns why the connection broke a
    // limit, if it did; its offending message is not queued.
    Refusal receive(ConnectionId from, std::string_view bytes);
    // The connection has ended: its unfinished tail is discarded, never
    // dispatched as if it were whole. Lines already queued stay.
    void forget(ConnectionId from);
    // As forget, and its queued lines go too.
    void discard(ConnectionId from);

    std::size_t pendingTail(ConnectionId from) const;
    MessageQueue& queue() { return queue_; }
    const InboxLimits& limits() const { return limits_; }

private:
    Refusal admit(ConnectionId from, std::size_t bytes) const;

    MessageQueue queue_;
    InboxLimits limits_;
    std::unordered_map<ConnectionId, std::string> tails_;
};

}  // namespace velmora::net
