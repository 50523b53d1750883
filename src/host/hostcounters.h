// What a running host counts for its operator (the metrics endpoint reads
// these when scraped): plain numbers the host bumps as things happen, so the
// table's thread pays an increment and nothing more. Plain C++.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace velmora::host {

// Why a request was dropped or refused.
enum class RequestRefusal {
    otherPlace,   // it named a place or seat that is not the sender's
    notAllowed,   // only the table's manager may ask this
    rule,         // the table refused the play (CMD_playerror)
    malformed,    // a number in it did not read
    wrongToken,   // a rejoin with a token that takes no seat
    count_
};

// Why the host closed or refused a connection.
enum class ConnectionRefusal {
    full,         // all nine places taken
    noLogin,      // no login within the deadline
    flooding,     // over an inbox cap (too long, too many queued)
    notReading,   // it stopped reading what the host sends
    count_
};

constexpr std::array<std::string_view, static_cast<int>(RequestRefusal::count_)> kRequestRefusalNames{
    "other_place", "not_allowed", "rule", "malformed", "wrong_token"};
constexpr std::array<std::string_view, static_cast<int>(ConnectionRefusal::count_)> kConnectionRefusalNames{
    "full", "no_login", "flooding", "not_reading"};

struct HostCounters {
    std::uint64_t gamesStarted = 0;
    std::uint64_t gamesFinished = 0;
    std::uint64_t rounds = 0;       // rounds ended
    std::uint64_t turns = 0;        // turns passed to the next seat
    std::uint64_t reconnects = 0;   // rejoin requests (a seat asked back with a token)
    std::uint64_t rejoins = 0;      // seats taken back
    std::uint64_t bytesIn = 0;
    std::uint64_t bytesOut = 0;
    std::array<std::uint64_t, static_cast<int>(RequestRefusal::count_)> requestsRefused{};
    std::array<std::uint64_t, static_cast<int>(ConnectionRefusal::count_)> connectionsRefused{};

    void refused(RequestRefusal why) { ++requestsRefused[static_cast<int>(why)]; }
    void refused(ConnectionRefusal why) { ++connectionsRefused[static_cast<int>(why)]; }
};

}  // namespace velmora::host
