#include "net/announcement.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace velmora::net {
namespace {

constexpr std::string_view kMagic = "velmora-table/1";
constexpr std::size_t kFields = 7;

bool plain(std::string_view text) {
    return std::none_of(text.begin(), text.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 32 || c == 127; });
}

std::optional<int> number(std::string_view text, int low, int high) {
    int value = 0;
    if (text.empty() || text.size() > 5) return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

}  // namespace

std::string formatAnnouncement(const TableAnnouncement& table) {
    std::string name = table.name.substr(0, kMaxTableName);
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
    std::string out(kMagic);
    for (const std::string& field :
         {std::to_string(table.port), std::to_string(table.seats), std::to_string(table.spectators),
          std::string(table.gameOn ? "1" : "0"), table.version.substr(0, kMaxVersionText), name}) {
        out += '\t';
        out += field;
    }
    return out;
}

std::optional<TableAnnouncement> parseAnnouncement(std::string_view datagram) {
    if (datagram.size() > kMaxAnnouncementBytes) return std::nullopt;
    std::array<std::string_view, kFields> fields;
    std::size_t count = 0;
    for (std::size_t start = 0;;) {
        const std::size_t tab = datagram.find('\t', start);
        if (count == kFields) return std::nullopt;
        fields[count++] = datagram.substr(start, tab == std::string_view::npos ? tab : tab - start);
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    if (count != kFields || fields[0] != kMagic) return std::nullopt;
    const auto port = number(fields[1], 1, 65535);
    const auto seats = number(fields[2], 0, 4);
    const auto spectators = number(fields[3], 0, 5);
    const auto gameOn = number(fields[4], 0, 1);
    const std::string_view version = fields[5], name = fields[6];
    if (!port || !seats || !spectators || !gameOn || version.empty() || version.size() > kMaxVersionText ||
        name.empty() || name.size() > kMaxTableName || !plain(version) || !plain(name))
        return std::nullopt;
    return TableAnnouncement{std::string(name), *port, *seats, *spectators, *gameOn == 1, std::string(version)};
}

bool TableBook::allowed(const std::string& address, Clock::time_point now) {
    auto it = budgets_.find(address);
    if (it == budgets_.end()) {
        // Budgets of senders quiet for a second are worth nothing: start over.
        if (budgets_.size() >= kMaxSenders) std::erase_if(budgets_, [&](const auto& b) { return now - b.second.second >= std::chrono::seconds(1); });
        if (budgets_.size() >= kMaxSenders) return false;
        it = budgets_.emplace(address, Budget{now, 0}).first;
    }
    Budget& b = it->second;
    if (now - b.second >= std::chrono::seconds(1)) b = Budget{now, 0};
    return ++b.used <= kDatagramsPerSecond;
}

std::size_t TableBook::tablesFrom(const std::string& address) const {
    return static_cast<std::size_t>(
        std::count_if(tables_.begin(), tables_.end(), [&](const auto& t) { return t.first.first == address; }));
}

TableBook::Heard TableBook::hear(const std::string& address, std::string_view datagram, Clock::time_point now,
                                 FoundTable* heard) {
    if (!allowed(address, now)) return Heard::TooFast;
    auto table = parseAnnouncement(datagram);
    if (!table) return Heard::Malformed;
    if (heard) *heard = FoundTable{address, *table};
    const auto key = std::make_pair(address, table->port);
    auto it = tables_.find(key);
    if (it != tables_.end()) {
        const TableAnnouncement& old = it->second.table;
        const bool changed = old.name != table->name || old.seats != table->seats ||
                             old.spectators != table->spectators || old.gameOn != table->gameOn ||
                             old.version != table->version;
        it->second = Entry{std::move(*table), now};
        return changed ? Heard::Changed : Heard::Known;
    }
    if (tables_.size() >= kMaxTables || tablesFrom(address) >= kMaxTablesPerSender) return Heard::Full;
    tables_.emplace(key, Entry{std::move(*table), now});
    return Heard::New;
}

bool TableBook::forget(Clock::time_point now) {
    return std::erase_if(tables_, [&](const auto& t) { return now - t.second.heard >= kForgetAfter; }) > 0;
}

std::vector<FoundTable> TableBook::tables() const {
    std::vector<FoundTable> out;
    out.reserve(tables_.size());
    for (const auto& [key, entry] : tables_) out.push_back({key.first, entry.table});
    return out;
}

}  // namespace velmora::net
