#include "net/dispatcher.h"

#include "net/diagnostics.h"
#include "net/wire.h"

namespace velmora::net {

void Dispatcher::add(std::string name, Handler handler) {
    table_.emplace_back(std::move(name), std::move(handler));
}

bool Dispatcher::dispatchOne(MessageQueue& queue) {
    QueuedLine line;
    if (!queue.pop(line)) return false;
    dispatch(line);
    return true;
}

void Dispatcher::dispatch(const QueuedLine& line) {
    const auto [name, payload] = wire::splitLine(line.text);
    if (name.empty()) return;
    for (const auto& [entry, handler] : table_) {
        if (entry != name) continue;
        std::string problem;
        try {
            handler(payload, line.from);
            return;
        } catch (const wire::InvalidInteger& e) {
            problem = "'" + escapeForLog(e.text()) + "' is not a valid integer value";
        } catch (const std::exception& e) {
            // A handler fault must not take the program down with it.
            problem = "failed: " + escapeForLog(e.what());
        }
        report(line.from, entry, problem);
        return;
    }
}

void Dispatcher::report(ConnectionId from, std::string_view command, std::string_view problem) {
    if (report_)
        report_(from, command, problem);
    else
        standardLog().write(from, command, problem);
}

void Dispatcher::dropped(ConnectionId from, std::string_view command, const proto::Malformed& why,
                         std::string_view payload) {
    const std::string reason = why.notANumber.empty() && !why.reason.empty()
                                   ? why.reason
                                   : "'" + escapeForLog(why.notANumber) + "' is not a valid integer value";
    report(from, command, reason + ": " + escapeForLog(payload));
}

std::vector<std::string_view> Dispatcher::names() const {
    std::vector<std::string_view> out;
    for (const auto& entry : table_) out.push_back(entry.first);
    return out;
}

}  // namespace velmora::net
