#include "net/inbox.h"

#include "net/wire.h"

namespace velmora::net {

MessageQueue::MessageQueue(std::string initialLine) {
    lines_.push_back({std::move(initialLine), 0});
}

void MessageQueue::push(std::string text, ConnectionId from) {
    lines_.push_back({std::move(text), from});
    if (from != 0) ++perConnection_[from];
}

bool MessageQueue::pop(QueuedLine& out) {
    if (lines_.empty()) return false;
    out = std::move(lines_.front());
    lines_.pop_front();
    if (out.from != 0) {
        auto it = perConnection_.find(out.from);
        if (it != perConnection_.end() && --it->second == 0) perConnection_.erase(it);
    }
    return true;
}

std::size_t MessageQueue::countFrom(ConnectionId id) const {
    auto it = perConnection_.find(id);
    return it == perConnection_.end() ? 0 : it->second;
}

Inbox::Inbox(std::string initialLine, InboxLimits limits)
    : queue_(std::move(initialLine)), limits_(limits) {}

bool Inbox::receive(ConnectionId from, std::string_view bytes) {
    std::string& tail = tails_[from];
    while (!bytes.empty()) {
        const auto end = bytes.find(wire::kTerminator);
        if (end == std::string_view::npos) {
            if (tail.size() + bytes.size() > limits_.maxTail) {
                tail.clear();
                return false;
            }
            tail.append(bytes);
            break;
        }
        if (tail.size() + end > limits_.maxMessage ||
            queue_.countFrom(from) >= limits_.maxQueuedPerConnection) {
            tail.clear();
            return false;
        }
        tail.append(bytes.substr(0, end));
        queue_.push(std::move(tail), from);
        tail.clear();
        bytes.remove_prefix(end + 1);
    }
    if (tail.empty()) tails_.erase(from);
    return true;
}

void Inbox::forget(ConnectionId from) { tails_.erase(from); }

std::size_t Inbox::pendingTail(ConnectionId from) const {
    auto it = tails_.find(from);
    return it == tails_.end() ? 0 : it->second.size();
}

}  // namespace velmora::net
