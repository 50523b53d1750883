#include "net/dispatcher.h"

#include "net/diagnostics.h"
#include "net/wire.h"

namespace velmora::net {

const std::vector<std::string_view> kHostCommands = {
    "CMD_logininfo", "CMD_kickhim",     "CMD_chat",     "CMD_action",
    "CMD_playasound", "CMD_startgame",  "CMD_justwatch", "CMD_pickdiscard",
    "CMD_draw",      "CMD_discard",     "CMD_createstage", "CMD_hitset",
};

const std::vector<std::string_view> kClientCommands = {
    "CMD_sendlogininfo", "CMD_chat",         "CMD_action",        "CMD_playasound",
    "CMD_newplayerinfo", "CMD_havewrongversion", "CMD_wrongversion", "CMD_existingplayers",
    "CMD_playerdisconnected", "CMD_full",    "CMD_justwatching",  "CMD_startgame",
    "CMD_nextplayer",    "CMD_winner",       "CMD_mycards",       "CMD_startround",
    "CMD_playerror",     "CMD_pickdiscard",  "CMD_draw",          "CMD_hisdiscard",
    "CMD_playstage",     "CMD_hitthem",      "CMD_hedrew",        "CMD_endround",
    "CMD_gamestats",
};

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
