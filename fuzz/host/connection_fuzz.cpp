// The host's handling of a connection's bytes: framing and caps (Inbox),
// dispatch by exact name, and every game request on a table in a real game,
// with the computer players and the round pause driven by injected timers.
// Input: one byte of set-up (low six bits: read size - 1; top two: deal),
// then the bytes two seated people send, read by read, alternating.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "host/computer.h"
#include "host/table.h"
#include "net/dispatcher.h"
#include "net/inbox.h"
#include "net/wire.h"

namespace {

using namespace velmora;

struct Sink : host::MessageSink {
    void sendTo(int place, std::string_view text) override {
        // A message may never carry its own terminator, nor go to no place.
        if (place < 1 || place > kPlaces || text.find('\xff') != std::string_view::npos) std::abort();
    }
};

// The seated people; seats 2 and 4 just watch, so the computer plays them.
constexpr int kPeople[] = {1, 3};

class Host {
public:
    explicit Host(std::uint32_t seed) : table_(sink_, timers_, seed), computer_(table_) {
        table_.computerplay = [this](int seat) { computer_.computerplay(seat); };
        table_.diagnostic = [](std::string_view) {};
        dispatcher_.setReporter([](net::ConnectionId, std::string_view, std::string_view) {});
        bind();
        for (int s = 1; s <= kSeats; ++s) table_.logsin(s, "P" + std::to_string(s));
        for (int s = 1; s <= kSeats; ++s) table_.connects(s);
        table_.startgame("P1+");
        table_.watches(2, true);
        table_.watches(4, true);
        if (table_.state().curplayer == 2 || table_.state().curplayer == 4) timers_.computer = true;
        runTimers();
    }

    void read(net::ConnectionId from, std::string_view bytes) {
        if (closed_[from]) return;
        if (inbox_.receive(from, bytes) != net::Refusal::none) {
            inbox_.discard(from);
            table_.leaves(static_cast<int>(from));
            closed_[from] = true;
        }
        while (dispatcher_.dispatchOne(inbox_.queue())) {
            runTimers();
            if (!host::checkcards(table_).empty()) std::abort();
        }
    }

private:
    // As the running host binds them: a request naming another seat than
    // its sender's is dropped, and only place 1 starts a game.
    void bind() {
        using Rule = host::PlayResult (host::Table::*)(std::string_view);
        auto rule = [this](const char* name, Rule op) {
            dispatcher_.add(name, [this, op](std::string_view payload, net::ConnectionId from) {
                const auto plus = payload.find('+');
                if (wire::toInt(payload.substr(0, plus)) == static_cast<int>(from)) (table_.*op)(payload);
            });
        };
        dispatcher_.add(cmd::kStartgame, [this](std::string_view payload, net::ConnectionId from) {
            if (from == 1) table_.startgame(payload);
        });
        rule(cmd::kPickdiscard, &host::Table::pickdiscard);
        rule(cmd::kDraw, &host::Table::draw);
        rule(cmd::kDiscard, &host::Table::discard);
        rule(cmd::kCreatestage, &host::Table::createstage);
        rule(cmd::kHitset, &host::Table::hitset);
    }

    // Fires the armed timers at once, as many ticks as a whole game could
    // need between two requests of a person, and no more.
    void runTimers() {
        for (int tick = 0; tick < 5000 && (timers_.computer || timers_.timer1); ++tick) {
            if (timers_.computer) table_.computertimerTimer();
            else table_.timer1Timer();
        }
    }

    Sink sink_;
    host::RecordedTimers timers_;
    host::Table table_;
    host::ComputerPlayer computer_;
    net::Inbox inbox_{"", net::InboxLimits::host()};
    net::Dispatcher dispatcher_;
    bool closed_[kSeats + 1]{};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::size_t readSize = (data[0] & 63) + 1;
    Host host(data[0] >> 6);
    std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    for (std::size_t at = 0, n = 0; at < bytes.size(); at += readSize, ++n)
        host.read(kPeople[n % 2], bytes.substr(at, readSize));
    return 0;
}
