// Holds the standard log's clock on a second the test chooses, so how many
// lines the rate limit lets through does not depend on when the test runs.
#pragma once

#include <chrono>
#include <cstdint>

#include "net/diagnostics.h"

namespace velmora::net {

class LogClock {
public:
    LogClock() {
        standardLog().setClock([this] { return DiagnosticLog::Clock::time_point(std::chrono::seconds(second_)); });
    }
    ~LogClock() { standardLog().setClock([] { return DiagnosticLog::Clock::now(); }); }
    LogClock(const LogClock&) = delete;
    LogClock& operator=(const LogClock&) = delete;

    void nextSecond() { ++second_; }

private:
    std::int64_t second_ = 1;
};

}  // namespace velmora::net
