// Arrivals, departures and just-watching as the host reports them. The
// names at the table seats and their eyes markers live in the table model;
// what only the window shows (chat lines, the spectator list, the own Just
// Watch check, the settings read at the own login) goes out through plain
// callbacks.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace velmora::client {

class TableModel;

struct SeatingHooks {
    std::function<void(const std::string& line)> chat;  // system colour
    // The host confirmed the own login: the player's settings apply now.
    std::function<void()> ownLogin;
    std::function<void(int place, const std::string& name)> spyArrived;
    // Takes a spectator off the list; true when it was listed.
    std::function<bool(int place, const std::string& name)> spyLeft;
    // The own seat's just-watching as the host confirmed it.
    std::function<void(bool watching)> ownWatching;
};

class Seating {
public:
    Seating(TableModel& table, SeatingHooks hooks) : table_(table), hooks_(std::move(hooks)) {}

    // A new or existing player, "place,name".
    void arrived(std::string_view payload);
    // "place,name"; a table seat falls back to waiting (seat 2 to its
    // computer player).
    void left(std::string_view payload);
    // "seat,1" or "seat,0".
    void watching(std::string_view payload);
    // Back after a lost connection: every seat shows what a departure leaves
    // until the host names who is there again.
    void forgetAll();

private:
    void chat(const std::string& line) const;

    TableModel& table_;
    SeatingHooks hooks_;
};

}  // namespace velmora::client
