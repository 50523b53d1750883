// The ranges a four-seat table can hold, read the same way by every event.
// A field outside its range fails the message with the text given here.
#pragma once

#include <cstddef>

#include "game/cards.h"
#include "game/protocol.h"
#include "game/stagetable.h"
#include "protocol/fields.h"

namespace velmora::proto {

// Records of a kind the client does not know are skipped, but only so many.
inline constexpr std::size_t kMaxRecords = 256;
// Far beyond any real game (at most 220 points a round), small enough to add.
inline constexpr int kMaxPoints = 1'000'000;

inline constexpr char kTooManySeats[] = "more seats than the table has";
inline constexpr char kTooManyCards[] = "more cards than a hand holds";
inline constexpr char kTooManyRecords[] = "too many records";
inline constexpr char kGroupTooLong[] = "a group longer than twelve cards";

inline int seat(FieldReader& r) { return r.number(1, kSeats, "a seat outside 1..4"); }
inline int slot(FieldReader& r) { return r.number(1, kHandSlots, "a hand slot outside 1..11"); }
// A face from `low` (0 where "no card" may stand) to the skip card.
inline int face(FieldReader& r, int low) { return r.number(low, kSkip, "a card face outside the deck"); }
inline int count(FieldReader& r) { return r.number(0, kHandSlots, "a hand count outside 0..11"); }
inline int stage(FieldReader& r) { return r.number(0, kStageCount + 1, "a stage outside 0..11"); }
inline int group(FieldReader& r) { return r.number(1, 2, "a group other than 1 or 2"); }
inline int points(FieldReader& r, const char* what) { return r.number(0, kMaxPoints, what); }

}  // namespace velmora::proto
