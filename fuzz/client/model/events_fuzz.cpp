// The client's handling of its host's events: framing under the client's
// caps, dispatch by exact name, the table model's fourteen game events, the
// seating events and the colour of chat lines. Input: one byte of set-up
// (low six bits: read size - 1; the rest: own place 1..4, or a spectator),
// then the host's bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include <QString>

#include "client/art/colortext.h"
#include "client/model/seating.h"
#include "client/model/tablemodel.h"
#include "net/dispatcher.h"
#include "net/inbox.h"

namespace {

using namespace velmora;

class Client {
public:
    explicit Client(int ownSeat) : seating_(table_, {}) {
        table_.ownSeat = ownSeat;
        table_.hosting = ownSeat == 1;
        dispatcher_.setReporter([](net::ConnectionId, std::string_view, std::string_view) {});
        auto add = [this](const char* name, std::function<void(std::string_view)> h) {
            dispatcher_.add(name, [h = std::move(h)](std::string_view p, net::ConnectionId) { h(p); });
        };
        // A chat line is "text|colour"; the colour text picks the line's colour.
        auto chat = [](std::string_view p) {
            const QString line = QString::fromUtf8(p.data(), static_cast<qsizetype>(p.size()));
            if (const qsizetype bar = line.indexOf(u'|'); bar >= 0)
                (void)client::colourFromText(line.mid(bar + 1), client::Colour{});
        };
        add(cmd::kChat, chat);
        add(cmd::kAction, chat);
        add(cmd::kNewplayerinfo, [this](std::string_view p) { seating_.arrived(p); });
        add(cmd::kExistingplayers, [this](std::string_view p) { seating_.arrived(p); });
        add(cmd::kPlayerdisconnected, [this](std::string_view p) { seating_.left(p); });
        add(cmd::kJustwatching, [this](std::string_view p) { seating_.watching(p); });
        for (const client::TableModel::Event& e : client::TableModel::events())
            add(e.command, [this, h = e.handler](std::string_view p) { table_.handle(h, p); });
    }

    void read(std::string_view bytes) {
        if (closed_) return;
        if (inbox_.receive(1, bytes) != net::Refusal::none) {
            inbox_.forget(1);
            closed_ = true;
        }
        while (dispatcher_.dispatchOne(inbox_.queue())) {
        }
    }

private:
    client::TableModel table_;
    client::Seating seating_;
    net::Inbox inbox_{"receivedlist", net::InboxLimits::client()};
    net::Dispatcher dispatcher_;
    bool closed_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::size_t readSize = (data[0] & 63) + 1;
    Client client((data[0] >> 6) + 1 == 4 ? 5 : (data[0] >> 6) + 1);
    std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    for (std::size_t at = 0; at < bytes.size(); at += readSize) client.read(bytes.substr(at, readSize));
    return 0;
}
