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
        if (report_)
            report_(line.from, entry, problem);
        else
            standardLog().write(line.from, entry, problem);
        return;
    }
}

std::vector<std::string_view> Dispatcher::names() const {
    std::vector<std::string_view> out;
    for (const auto& entry : table_) out.push_back(entry.first);
    return out;
}

}  // namespace velmora::net
