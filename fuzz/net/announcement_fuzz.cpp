// A stranger's datagrams on the discovery port. Every announcement that
// parses must format back to one that parses to the same table; the book
// keeps its bounds whatever arrives, from whichever sender, however fast.
// Input: datagrams separated by newlines; a datagram's first byte picks its
// sender (one of eight) and how far the clock moves before it.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "net/announcement.h"

namespace {

using namespace velmora::net;

bool same(const TableAnnouncement& a, const TableAnnouncement& b) {
    return a.name == b.name && a.port == b.port && a.seats == b.seats && a.spectators == b.spectators &&
           a.gameOn == b.gameOn && a.version == b.version;
}

void roundTrip(std::string_view datagram) {
    const auto table = parseAnnouncement(datagram);
    if (!table) return;
    const std::string again = formatAnnouncement(*table);
    const auto back = parseAnnouncement(again);
    if (again.size() > kMaxAnnouncementBytes || !back || !same(*back, *table)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    TableBook book;
    TableBook::Clock::time_point now{};
    std::size_t start = 0;
    while (start < input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos) end = input.size();
        std::string_view datagram = input.substr(start, end - start);
        start = end + 1;
        if (datagram.empty()) continue;
        const auto head = static_cast<unsigned char>(datagram.front());
        datagram.remove_prefix(1);
        now += std::chrono::milliseconds(head >> 3 << 6);
        roundTrip(datagram);
        book.hear("10.0.0." + std::to_string(head & 7u), datagram, now);
        if (head & 0x80u) book.forget(now);
        if (book.tables().size() > TableBook::kMaxTables) std::abort();
    }
    return 0;
}
