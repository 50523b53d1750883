// A table's announcement on the local network and the list of tables a
// finder has heard. One datagram is one line of text:
//   "velmora-table/1" TAB port TAB seats TAB spectators TAB gameon TAB version TAB name
// Strangers can send anything to the discovery port, so parsing checks every
// field and the list is bounded in tables, per sender and in rate. Plain C++.
#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::net {

struct TableAnnouncement {
    std::string name;
    int port = 0;          // the table's TCP port
    int seats = 0;         // seats held by people, 0..4
    int spectators = 0;    // 0..5
    bool gameOn = false;
    std::string version;
};

inline constexpr std::size_t kMaxAnnouncementBytes = 256;
inline constexpr std::size_t kMaxTableName = 40;
inline constexpr std::size_t kMaxVersionText = 16;

// The datagram for a table; a name's control characters and tabs become
// blanks and it is cut to kMaxTableName bytes.
std::string formatAnnouncement(const TableAnnouncement& table);
// Nothing when the datagram is not a sound announcement.
std::optional<TableAnnouncement> parseAnnouncement(std::string_view datagram);

struct FoundTable {
    std::string address;  // the sender's address as text
    TableAnnouncement table;
};

// The tables heard lately. A table not heard for kForgetAfter is dropped.
class TableBook {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::size_t kMaxTables = 64;
    static constexpr std::size_t kMaxTablesPerSender = 16;
    static constexpr int kDatagramsPerSecond = 20;   // per sender address
    static constexpr std::size_t kMaxSenders = 256;  // rate budgets kept
    static constexpr auto kForgetAfter = std::chrono::seconds(7);

    // New: a table not listed before; Changed: a listed one whose details moved.
    enum class Heard { New, Changed, Known, Malformed, TooFast, Full };

    // `table`, when given, receives the table heard (New, Changed, Known).
    Heard hear(const std::string& address, std::string_view datagram, Clock::time_point now,
               FoundTable* table = nullptr);
    // Drops tables not heard lately; true when one went.
    bool forget(Clock::time_point now);
    // The tables, ordered by address and port.
    std::vector<FoundTable> tables() const;

private:
    struct Entry {
        TableAnnouncement table;
        Clock::time_point heard;
    };
    struct Budget {
        Clock::time_point second;
        int used = 0;
    };
    bool allowed(const std::string& address, Clock::time_point now);
    std::size_t tablesFrom(const std::string& address) const;

    std::map<std::pair<std::string, int>, Entry> tables_;
    std::map<std::string, Budget> budgets_;
};

}  // namespace velmora::net
