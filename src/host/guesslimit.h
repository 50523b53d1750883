// How many wrong seat tokens one address may try: a token is 128 random
// bits, but a stranger must not be able to hammer the host with guesses.
#pragma once

#include <chrono>
#include <map>
#include <string>

namespace velmora::host {

class GuessLimit {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int kWrongPerWindow = 5;
    static constexpr std::chrono::seconds kWindow{60};
    static constexpr std::size_t kAddresses = 256;   // addresses remembered at once

    // Whether the address may try a token now.
    bool allowed(const std::string& address, Clock::time_point now) {
        auto it = wrong_.find(address);
        if (it == wrong_.end()) return true;
        if (now - it->second.since >= kWindow) {
            wrong_.erase(it);
            return true;
        }
        return it->second.count < kWrongPerWindow;
    }

    void wrongGuess(const std::string& address, Clock::time_point now) {
        auto it = wrong_.find(address);
        if (it == wrong_.end()) {
            if (wrong_.size() >= kAddresses) forgetOldest();
            it = wrong_.emplace(address, Entry{now, 0}).first;
        }
        ++it->second.count;
    }

private:
    struct Entry {
        Clock::time_point since;
        int count;
    };
    // Dropping the oldest window keeps the map bounded; the worst it allows is
    // a few more guesses from an address that waited its turn.
    void forgetOldest() {
        auto oldest = wrong_.begin();
        for (auto it = wrong_.begin(); it != wrong_.end(); ++it)
            if (it->second.since < oldest->second.since) oldest = it;
        wrong_.erase(oldest);
    }
    std::map<std::string, Entry> wrong_;
};

}  // namespace velmora::host
