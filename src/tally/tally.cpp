#include "tally.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace velmora::tally {

namespace {

const std::string kEmpty;
const std::string kZero = "0";
constexpr std::string_view kLineEnd = "\r\n";

bool readInt(std::string_view text, std::int64_t& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

// The text's lines; a bare LF ends a line too, and the empty rest after
// the last line end is no line.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (lf == std::string_view::npos) break;
        text.remove_prefix(lf + 1);
    }
    return lines;
}

// A line break inside a name would shift every later cell of the stored
// text, so it is written as a space.
void appendCell(std::string& out, const std::string& cell) {
    for (char c : cell) out.push_back(c == '\r' || c == '\n' ? ' ' : c);
    out.append(kLineEnd);
}

}  // namespace

Tally::Tally() { rows_.push_back(Row{kZero, kZero, kZero, kZero, kZero, kZero, kZero, kZero, kZero}); }

const std::string& Tally::cell(int column, int row) const {
    if (column < 0 || column >= kColumns || row < 0 || row >= rowCount()) return kEmpty;
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

std::vector<std::string> Tally::names() const {
    std::vector<std::string> out;
    for (std::size_t r = 1; r < rows_.size(); ++r) out.push_back(rows_[r][0]);
    return out;
}

int Tally::rowOf(std::string_view name) const {
    for (std::size_t r = 1; r < rows_.size(); ++r)
        if (rows_[r][0] == name) return static_cast<int>(r);
    return 0;
}

bool Tally::addName(const std::string& name) {
    if (rowOf(name) != 0) return false;
    Row row;
    row.fill(kZero);
    row[0] = name;
    rows_.push_back(std::move(row));
    changed();
    return true;
}

void Tally::moverow(int row) {
    // Row 0 is the local player and is never removed.
    if (row < 1 || row >= rowCount()) return;
    rows_.erase(rows_.begin() + row);
    changed();
}

std::int64_t Tally::addit(int column, int row) {
    if (column < 0 || column >= kColumns || row < 0 || row >= rowCount()) return 0;
    std::string& text = rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    std::int64_t value = 0;
    if (!readInt(text, value)) value = 0;
    if (value < std::numeric_limits<std::int64_t>::max()) ++value;
    text = std::to_string(value);
    changed();
    return value;
}

void Tally::addgame(std::string_view winner, const std::vector<std::string>& atTable) {
    addtomineincrease(kMyGames);
    const bool mine = winner == kAddToMine;
    if (mine) addtomineincrease(kMyWins);
    std::vector<int> counted;
    for (const std::string& name : atTable) {
        const int row = rowOf(name);
        if (row == 0 || std::find(counted.begin(), counted.end(), row) != counted.end()) continue;
        counted.push_back(row);
        for (int c = 1; c < kColumns; ++c)
            if (rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(c)].empty())
                rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(c)] = kZero;
        const int column = name == winner ? kHisWins : mine ? kMineWins : kNeither;
        for (int base : {0, kSession}) {
            addit(base + kGames, row);
            addit(base + column, row);
        }
    }
}

void Tally::reset() {
    rows_.resize(1);
    for (int c = 1; c <= 4; ++c) rows_[0][static_cast<std::size_t>(c)] = kZero;
    changed();
}

void Tally::newSession() {
    for (std::size_t r = 1; r < rows_.size(); ++r)
        for (int c = kSession + 1; c < kColumns; ++c) rows_[r][static_cast<std::size_t>(c)] = kZero;
}

std::string Tally::text() const {
    std::string out = std::to_string(kColumns);
    out.append(kLineEnd);
    out += std::to_string(rows_.size());
    out.append(kLineEnd);
    for (int c = 0; c < kColumns; ++c)
        for (const Row& row : rows_) appendCell(out, row[static_cast<std::size_t>(c)]);
    return out;
}

Tally::Parsed Tally::fromText(std::string_view text) {
    Parsed result;
    const auto lines = splitLines(text);
    std::int64_t columns = 0, rows = 0;
    if (lines.size() < 2 || !readInt(lines[0], columns) || !readInt(lines[1], rows) || columns < 1 ||
        rows < 1) {
        result.problem = "the tally has no valid column and row counts";
        return result;
    }
    if (columns != kColumns) result.problem = "the tally has " + std::to_string(columns) + " columns";
    const std::int64_t cells = static_cast<std::int64_t>(lines.size()) - 2;
    // Never more rows than there are lines to fill their names.
    const std::int64_t kept = std::clamp<std::int64_t>(std::min(rows, cells), 1, rows);
    // Counts beyond the lines present only say the text ends early; capped
    // so the cell arithmetic cannot overflow.
    const std::int64_t stride = std::min(rows, cells + 1);
    const std::int64_t needed = std::min(columns, cells + 1) * stride;
    Tally& t = result.tally;
    t.rows_.assign(static_cast<std::size_t>(kept), Row{});
    bool badNumber = false;
    for (std::int64_t c = 0; c < kColumns; ++c) {
        for (std::int64_t r = 0; r < kept; ++r) {
            const std::int64_t at = c * stride + r;
            std::string& cell = t.rows_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            if (c < columns && at < cells) cell = std::string(lines[static_cast<std::size_t>(2 + at)]);
            std::int64_t value = 0;
            if (c == 0 && r > 0) continue;  // a name
            if (!cell.empty() && !readInt(cell, value)) badNumber = true;
            if (cell.empty() || !readInt(cell, value)) cell = kZero;
        }
    }
    if (result.problem.empty() && cells < needed) result.problem = "the tally text ends early";
    if (result.problem.empty() && cells > needed) result.problem = "the tally text has extra lines";
    if (result.problem.empty() && badNumber) result.problem = "a tally counter is not a number";
    return result;
}

}  // namespace velmora::tally
