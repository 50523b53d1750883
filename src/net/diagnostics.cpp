#include "net/diagnostics.h"

#include <cstdio>
#include <ctime>
#include <iostream>

namespace velmora::net {

std::string escapeForLog(std::string_view text, std::size_t maxChars) {
    static const char* hex = "0123456789abcdef";
    std::string out;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        std::string piece;
        if (c == '\\')
            piece = "\\\\";
        else if (c < 32 || c >= 127)
            piece = {'\\', 'x', hex[c >> 4], hex[c & 15]};
        else
            piece = std::string(1, ch);
        if (out.size() + piece.size() > maxChars) {
            out += "...";
            break;
        }
        out += piece;
    }
    return out;
}

DiagnosticLog::DiagnosticLog(std::ostream& out, std::string program)
    : out_(out), program_(std::move(program)), now_([] { return Clock::now(); }) {}

// Spends one line of the budget for this second; the first line of a new
// second first reports what the last one held back.
bool DiagnosticLog::take(Budget& budget, std::int64_t second, int limit, std::string_view who) {
    if (budget.second != second) {
        if (budget.suppressed > 0) writeLine(who, "\u2026 " + std::to_string(budget.suppressed) + " more suppressed");
        budget = {second, 0, 0};
    }
    if (budget.used >= limit) {
        ++budget.suppressed;
        return false;
    }
    ++budget.used;
    return true;
}

void DiagnosticLog::write(std::uint64_t source, std::string_view who, std::string_view what) {
    const auto second = std::chrono::duration_cast<std::chrono::seconds>(now_().time_since_epoch()).count();
    // Sources that came and went without being forgotten must not pile up.
    if (budgets_.size() > kMaxSources) std::erase_if(budgets_, [&](const auto& b) {
        return b.second.second != second && b.second.suppressed == 0;
    });
    if (!take(all_, second, kAllPerSecond, "all")) return;
    if (!take(budgets_[source], second, kLinesPerSecond, who)) {
        // Not written after all: it must not count against everyone else.
        --all_.used;
        return;
    }
    writeLine(who, what);
}

void DiagnosticLog::farewell(std::uint64_t source, std::string_view who, std::string_view what) {
    if (auto it = budgets_.find(source); it != budgets_.end()) {
        if (it->second.suppressed > 0)
            writeLine(who, "\u2026 " + std::to_string(it->second.suppressed) + " more suppressed");
        budgets_.erase(it);
    }
    const auto second = std::chrono::duration_cast<std::chrono::seconds>(now_().time_since_epoch()).count();
    if (!what.empty() && take(all_, second, kAllPerSecond, "all")) writeLine(who, what);
}

void DiagnosticLog::writeLine(std::string_view who, std::string_view what) {
    const auto now = now_();
    const std::time_t seconds = Clock::to_time_t(now);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &utc);
    char millis[8];
    std::snprintf(millis, sizeof millis, ".%03d", static_cast<int>(ms));
    out_ << stamp << millis << ' ' << program_ << ": ";
    if (!who.empty()) out_ << who << ": ";
    out_ << what << std::endl;
}

DiagnosticLog& standardLog() {
    static DiagnosticLog log(std::cerr);
    return log;
}

}  // namespace velmora::net
