// What the program tells its operator on standard error: one line per event,
// with the time, who it concerns and what happened. Text that came from a
// peer is escaped first, so it can neither forge a line nor reach the
// terminal as control sequences, and each source gets only a few lines a
// second so that no peer can grow the log at will.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

namespace velmora::net {

// Peer text made safe for one log line: bytes below 32, 127 and above as
// \xNN, a backslash as \\; cut to maxChars characters, "..." marking a cut.
std::string escapeForLog(std::string_view text, std::size_t maxChars = 80);

// How every log of the process writes its lines: "time program: who: what"
// for people, or one JSON object a line (`--log-format json`) for journald
// and log shippers: {"time", "level", "place" (a number or null), "event",
// "fields": {"program", "who"}}.
enum class LogFormat { text, json };
void setLogFormat(LogFormat format);
LogFormat logFormat();

enum class LogLevel { info, warning, error };

// One line for the operator that is no peer's event, such as why the program
// stops: "program: what" as text, else as the JSON object above.
void operatorLine(std::ostream& out, std::string_view program, std::string_view what,
                  LogLevel level = LogLevel::error);

class DiagnosticLog {
public:
    using Clock = std::chrono::system_clock;
    static constexpr int kLinesPerSecond = 5;    // per source
    static constexpr int kAllPerSecond = 40;     // all sources together
    static constexpr std::size_t kMaxSources = 256;

    explicit DiagnosticLog(std::ostream& out, std::string program = "velmora");

    // One event, from any thread. `source` keys the rate limit (a
    // connection; 0 for the program itself); `who` (such as "place 3") and
    // `what` are written as given: escape any peer text in them first.
    void write(std::uint64_t source, std::string_view who, std::string_view what,
               LogLevel level = LogLevel::info);
    // The source is gone: a count of its suppressed lines is written now,
    // then its last line `what`, if any, whatever its own budget.
    void farewell(std::uint64_t source, std::string_view who, std::string_view what);

    void setClock(std::function<Clock::time_point()> clock) { now_ = std::move(clock); }

private:
    struct Budget {
        std::int64_t second = -1;
        int used = 0;
        long suppressed = 0;
    };
    bool take(Budget& budget, std::int64_t second, int limit, std::string_view who);
    void writeLine(std::string_view who, std::string_view what, LogLevel level = LogLevel::info);

    std::mutex mutex_;  // Qt's messages come from every thread
    std::ostream& out_;
    std::string program_;
    std::function<Clock::time_point()> now_;
    std::unordered_map<std::uint64_t, Budget> budgets_;
    Budget all_;
};

// The process-wide log on standard error, for code without a log of its own.
DiagnosticLog& standardLog();

}  // namespace velmora::net
