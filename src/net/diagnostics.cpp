#include "net/diagnostics.h"

#include <algorithm>
#include <atomic>
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

namespace {

std::atomic<LogFormat> format_{LogFormat::text};

// A JSON string: quotes, backslashes and control bytes escaped; other bytes
// (UTF-8) as they are.
void jsonString(std::ostream& out, std::string_view text) {
    out << '"';
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out << '\\' << ch;
        } else if (c < 32) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", c);
            out << code;
        } else {
            out << ch;
        }
    }
    out << '"';
}

const char* levelName(LogLevel level) {
    switch (level) {
    case LogLevel::warning: return "warning";
    case LogLevel::error: return "error";
    case LogLevel::info: break;
    }
    return "info";
}

// "2026-12-10T07:40:01.123Z" (json) or "2026-12-10 07:40:01.123" (text).
std::string stamp(std::chrono::system_clock::time_point now, bool iso) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[40];
    const std::size_t n = std::strftime(text, sizeof text, iso ? "%Y-%m-%dT%H:%M:%S" : "%Y-%m-%d %H:%M:%S", &utc);
    std::snprintf(text + n, sizeof text - n, iso ? ".%03dZ" : ".%03d", static_cast<int>(ms));
    return text;
}

void jsonLine(std::ostream& out, std::chrono::system_clock::time_point now, LogLevel level,
              std::string_view program, std::string_view who, std::string_view what) {
    out << "{\"time\":\"" << stamp(now, true) << "\",\"level\":\"" << levelName(level) << "\",\"place\":";
    // "place 3" is the place's number; any other "who" only a field.
    constexpr std::string_view place = "place ";
    const std::string_view number = who.substr(std::min(who.size(), place.size()));
    const bool isPlace = who.rfind(place, 0) == 0 && !number.empty() && number.size() <= 2 &&
                         number.find_first_not_of("0123456789") == std::string_view::npos;
    if (isPlace)
        out << number;
    else
        out << "null";
    out << ",\"event\":";
    jsonString(out, what);
    out << ",\"fields\":{\"program\":";
    jsonString(out, program);
    if (!who.empty() && !isPlace) {
        out << ",\"who\":";
        jsonString(out, who);
    }
    out << "}}" << std::endl;
}

}  // namespace

void setLogFormat(LogFormat format) { format_ = format; }
LogFormat logFormat() { return format_; }

void operatorLine(std::ostream& out, std::string_view program, std::string_view what, LogLevel level) {
    if (logFormat() == LogFormat::json)
        jsonLine(out, std::chrono::system_clock::now(), level, program, "", what);
    else
        out << program << ": " << what << std::endl;
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

void DiagnosticLog::write(std::uint64_t source, std::string_view who, std::string_view what, LogLevel level) {
    const std::lock_guard lock(mutex_);
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
    writeLine(who, what, level);
}

void DiagnosticLog::farewell(std::uint64_t source, std::string_view who, std::string_view what) {
    const std::lock_guard lock(mutex_);
    if (auto it = budgets_.find(source); it != budgets_.end()) {
        if (it->second.suppressed > 0)
            writeLine(who, "\u2026 " + std::to_string(it->second.suppressed) + " more suppressed");
        budgets_.erase(it);
    }
    const auto second = std::chrono::duration_cast<std::chrono::seconds>(now_().time_since_epoch()).count();
    if (!what.empty() && take(all_, second, kAllPerSecond, "all")) writeLine(who, what);
}

void DiagnosticLog::writeLine(std::string_view who, std::string_view what, LogLevel level) {
    const auto now = now_();
    if (logFormat() == LogFormat::json) return jsonLine(out_, now, level, program_, who, what);
    out_ << stamp(now, false) << ' ' << program_ << ": ";
    if (!who.empty()) out_ << who << ": ";
    out_ << what << std::endl;
}

DiagnosticLog& standardLog() {
    static DiagnosticLog log(std::cerr);
    return log;
}

}  // namespace velmora::net
