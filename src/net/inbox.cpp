#include "net/inbox.h"

#include <algorithm>

#include "net/wire.h"

namespace velmora::net {

MessageQueue::MessageQueue(std::string initialLine) { push(std::move(initialLine), 0); }

void MessageQueue::push(std::string text, ConnectionId from) {
    Lane& lane = lanes_[from];
    if (lane.lines.empty()) turns_.push_back(from);
    lane.bytes += text.size();
    bytes_ += text.size();
    ++lines_;
    lane.lines.push_back(std::move(text));
}

bool MessageQueue::pop(QueuedLine& out) {
    if (turns_.empty()) return false;
    const ConnectionId from = turns_.front();
    turns_.pop_front();
    auto it = lanes_.find(from);
    Lane& lane = it->second;
    out.text = std::move(lane.lines.front());
    out.from = from;
    lane.lines.pop_front();
    lane.bytes -= out.text.size();
    bytes_ -= out.text.size();
    --lines_;
    if (lane.lines.empty())
        lanes_.erase(it);
    else
        turns_.push_back(from);
    return true;
}

void MessageQueue::drop(ConnectionId from) {
    auto it = lanes_.find(from);
    if (it == lanes_.end()) return;
    lines_ -= it->second.lines.size();
    bytes_ -= it->second.bytes;
    lanes_.erase(it);
    turns_.erase(std::find(turns_.begin(), turns_.end(), from));
}

std::size_t MessageQueue::countFrom(ConnectionId id) const {
    auto it = lanes_.find(id);
    return it == lanes_.end() ? 0 : it->second.lines.size();
}

std::size_t MessageQueue::bytesFrom(ConnectionId id) const {
    auto it = lanes_.find(id);
    return it == lanes_.end() ? 0 : it->second.bytes;
}

const char* describe(Refusal refusal) {
    switch (refusal) {
        case Refusal::none: return "";
        case Refusal::messageTooLong: return "message too long";
        case Refusal::tailTooLong: return "unterminated message too long";
        case Refusal::tooManyQueued: return "too many messages queued";
        case Refusal::queueFull: return "receive queue full";
    }
    return "";
}

Inbox::Inbox(std::string initialLine, InboxLimits limits)
    : queue_(std::move(initialLine)), limits_(limits) {}

// Whether one more line of `bytes` from the connection fits.
Refusal Inbox::admit(ConnectionId from, std::size_t bytes) const {
    if (bytes > limits_.maxMessage) return Refusal::messageTooLong;
    if (queue_.countFrom(from) >= limits_.maxQueuedPerConnection ||
        queue_.bytesFrom(from) + bytes > limits_.maxQueuedBytesPerConnection)
        return Refusal::tooManyQueued;
    if (queue_.size() >= limits_.maxQueuedLines || queue_.bytes() + bytes > limits_.maxQueuedBytes)
        return Refusal::queueFull;
    return Refusal::none;
}

Refusal Inbox::receive(ConnectionId from, std::string_view bytes) {
    std::string& tail = tails_[from];
    Refusal refusal = Refusal::none;
    while (!bytes.empty()) {
        const auto end = bytes.find(wire::kTerminator);
        if (end == std::string_view::npos) {
            if (tail.size() + bytes.size() > limits_.maxTail) {
                refusal = Refusal::tailTooLong;
                break;
            }
            tail.append(bytes);
            break;
        }
        refusal = admit(from, tail.size() + end);
        if (refusal != Refusal::none) break;
        tail.append(bytes.substr(0, end));
        queue_.push(std::move(tail), from);
        tail.clear();
        bytes.remove_prefix(end + 1);
    }
    if (refusal != Refusal::none || tail.empty()) tails_.erase(from);
    return refusal;
}

void Inbox::forget(ConnectionId from) { tails_.erase(from); }

void Inbox::discard(ConnectionId from) {
    forget(from);
    queue_.drop(from);
}

std::size_t Inbox::pendingTail(ConnectionId from) const {
    auto it = tails_.find(from);
    return it == tails_.end() ? 0 : it->second.size();
}

}  // namespace velmora::net
