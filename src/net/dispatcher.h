// Hands one queued line per call to the handler registered under the exact
// command name. Plain C++: the Qt pump only decides when it is called.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "net/inbox.h"
#include "protocol/fields.h"

namespace velmora::net {

class Dispatcher {
public:
    using Handler = std::function<void(std::string_view payload, ConnectionId from)>;
    // Told of a line whose handler failed; the problem's peer text is escaped.
    using Reporter = std::function<void(ConnectionId from, std::string_view command, std::string_view problem)>;

    // Handlers are compared in the order they are added.
    void add(std::string name, Handler handler);
    // The handler of one message type: it is given the decoded message, or
    // never called when the payload does not read as one (the reporter is
    // told why, with the payload).
    template <typename Message, typename Typed>
    void on(Typed handler) {
        add(std::string(Message::kName), [this, handler = std::move(handler)](std::string_view payload, ConnectionId from) {
            const proto::Decoded<Message> m = proto::decode<Message>(payload);
            if (m)
                handler(*m, from);
            else
                dropped(from, Message::kName, m.problem(), payload);
        });
    }
    // Takes one line off the queue and handles it; false when the queue was empty.
    bool dispatchOne(MessageQueue& queue);
    // Handles one line. Lines with an empty or unknown name are dropped.
    // A handler that hits a malformed number stops there; the reason goes to
    // the reporter and dispatch goes on with the next line.
    void dispatch(const QueuedLine& line);

    std::vector<std::string_view> names() const;
    // Standard error unless replaced.
    void setReporter(Reporter reporter) { report_ = std::move(reporter); }

private:
    void dropped(ConnectionId from, std::string_view command, const proto::Malformed& why, std::string_view payload);
    void report(ConnectionId from, std::string_view command, std::string_view problem);
    std::vector<std::pair<std::string, Handler>> table_;
    Reporter report_;
};

}  // namespace velmora::net
