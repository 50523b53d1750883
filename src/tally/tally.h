// The tally: the player's record of finished games. A grid of nine text
// columns; row 0 is the local player, each further row one followed
// opponent. Plain C++ so the rules and the text format are tested without a
// window.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::tally {

// What the caller passes to addgame when the local player won.
inline constexpr std::string_view kAddToMine = "addtomine";

class Tally {
public:
    static constexpr int kColumns = 9;
    // Row 0: games finished, games won (columns 1, 2); 3 and 4 are shown but
    // never counted.
    static constexpr int kMyGames = 1, kMyWins = 2;
    // Opponent rows: totals in 1..4, the same four for this session in 5..8.
    static constexpr int kGames = 1, kHisWins = 2, kMineWins = 3, kNeither = 4, kSession = 4;

    using Row = std::array<std::string, kColumns>;

    // Row 0 all "0", nobody followed.
    Tally();

    int rowCount() const { return static_cast<int>(rows_.size()); }
    // The cell text; an empty string outside the grid.
    const std::string& cell(int column, int row) const;
    // The followed names in row order (rows 1 and on).
    std::vector<std::string> names() const;
    // The row of a followed name (exact text), or 0 when it is not followed.
    int rowOf(std::string_view name) const;

    // Follows a name: a new last row with "0" counters. False (and nothing
    // changes) when the name is already followed.
    bool addName(const std::string& name);
    // Removes an opponent row (1 and on); rows below move up.
    void moverow(int row);
    // Adds 1 to a cell read as an integer (not a number counts as 0) and
    // returns the new value.
    std::int64_t addit(int column, int row);
    std::int64_t addtomineincrease(int column) { return addit(column, 0); }
    // Counts one finished game. `winner` is the winner's name as the table
    // shows it, or kAddToMine; `atTable` are the names at the other seats.
    // A followed name counts once per game, however many seats show it.
    void addgame(std::string_view winner, const std::vector<std::string>& atTable);
    // Zero for the local player, nobody followed.
    void reset();
    // A new session: columns 5..8 of every opponent row become "0".
    void newSession();

    // Bumped by every change, so a holder knows whether there is anything
    // unsaved.
    std::uint64_t revision() const { return revision_; }

    // The stored text: "9", the row count, then every cell column by
    // column, each line ended by CR LF.
    std::string text() const;

    struct Parsed;
    // Reads a stored text. Keeps what could be read even when the text is
    // damaged (then `problem` says what was wrong).
    static Parsed fromText(std::string_view text);

private:
    friend struct Parsed;
    void changed() { ++revision_; }

    std::vector<Row> rows_;
    std::uint64_t revision_ = 0;
};

struct Tally::Parsed {
    Tally tally;
    std::string problem;  // empty when the text was sound
};

}  // namespace velmora::tally
