// Drives a side's receive queue: bytes from connections go into the inbox,
// and a timer hands one queued line per tick to the dispatcher.
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <string>
#include <string_view>

#include "net/dispatcher.h"
#include "net/inbox.h"

namespace velmora::net {

class TSock;

class MessagePump : public QObject {
    Q_OBJECT
public:
    MessagePump(std::string initialLine, InboxLimits limits, int intervalMs,
                QObject* parent = nullptr);

    Dispatcher& dispatcher() { return dispatcher_; }
    Inbox& inbox() { return inbox_; }
    MessageQueue& queue() { return inbox_.queue(); }

    // Takes everything the connection holds into the queue. A connection that
    // breaks the inbox limits is dropped; nothing of its broken message is
    // queued. Says which limit it broke, if any.
    Refusal readFrom(TSock* sock);
    // Bytes taken from connections so far.
    std::uint64_t received() const { return received_; }
    // Queues complete lines from bytes; says which limit was broken, if any.
    Refusal receive(ConnectionId from, std::string_view bytes);
    // The connection has ended: its unfinished message is discarded.
    void forget(ConnectionId from) { inbox_.forget(from); }
    // As forget, and the lines it still has queued are never handled.
    void discard(ConnectionId from);

    // Tests shorten the pacing; 0 dispatches as fast as the event loop runs.
    void setInterval(int ms) { timer_.setInterval(ms); }
    int interval() const { return timer_.interval(); }
    bool ticking() const { return timer_.isActive(); }

    // One tick: at most one line is handled.
    void tick();

signals:
    // The queue ran empty and the timer stopped.
    void drained();

private:
    void wake();

    Inbox inbox_;
    Dispatcher dispatcher_;
    // Stopped while the queue is empty so an idle program burns no CPU; a new
    // line restarts it, keeping one line per tick and arrival order.
    QTimer timer_;
    std::uint64_t received_ = 0;
};

}  // namespace velmora::net
