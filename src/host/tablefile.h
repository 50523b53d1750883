// The saved table: everything a host needs to carry an unfinished game over
// a restart (deck order, pile, hands, laid groups, stages, points, the turn,
// and the tokens that take the seats back), as a small versioned text. The
// reader trusts nothing in the file: every number is range-checked, every
// line may appear once, and the cards must be the 108 of the deck exactly.
// Plain C++.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "host/table.h"

namespace velmora::host {

inline constexpr std::size_t kMaxTableFile = 16 * 1024;   // a real one is under 2 KiB

struct SavedTable {
    TableState table{0};   // the game's fields; no connection, no history
    std::array<std::string, kSeats + 1> tokens{};   // [1..4], empty: none
};

// The text of the table as it stands, with the given seat tokens.
std::string tabletext(const TableState& table, const std::array<std::string, kSeats + 1>& tokens);

// Ends a table's body with its checksum line; tabletext does this itself.
std::string sealtable(std::string body);

// Reads a text written by tabletext. Gives an empty text and fills `out`
// when the whole file is sound, else says what is wrong and leaves `out`
// as it was.
std::string readtable(std::string_view text, SavedTable& out);

// Writes through a temporary file beside `path` and renames it over the old
// one, so a crash mid-write leaves the previous table whole. Gives an empty
// text or what failed.
std::string writetablefile(const std::string& path, std::string_view text);

// A crash between a temporary file's creation and its rename leaves it
// behind. Removes, in the folder of `path` only, the regular files named as
// writetablefile names its temporary files (path, ".tmp-", digits) whose last
// change is at least `minAgeSeconds` old: a writer's own lasts milliseconds.
// Nothing else is touched. Gives how many went.
int removeleftovers(const std::string& path, int minAgeSeconds = 10);

// Reads and checks the file at `path` (at most kMaxTableFile bytes); never
// changes or removes it.
std::string loadtablefile(const std::string& path, SavedTable& out);

}  // namespace velmora::host
