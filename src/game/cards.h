// Card codes and the small rules host and client share.
// A card is an int: 0 none, 1..52 four suits of thirteen (rank = code mod 13,
// rank 0 being the wild card), 53 the skip card.
#pragma once

// The shared vocabulary lives in namespace velmora itself, so the host's and
// the client's code read it unqualified.
namespace velmora {

inline constexpr int kSkip = 53;
inline constexpr int kDeckSize = 108;   // 1..52 twice, 53 four times
inline constexpr int kHandSlots = 11;
inline constexpr int kGroupSize = 12;   // positions of a laid group; a run's position is its rank
inline constexpr int kGroups = 3;       // stages use groups 1 and 2; 3 is only ever cleared

// Every rule takes the rank as code mod 13, so the skip card counts as rank 1.
constexpr int rankof(int card) { return card % 13; }
constexpr bool iswild(int card) { return card != 0 && rankof(card) == 0; }
constexpr bool isnatural(int card) { return card != 0 && rankof(card) != 0; }

// 1..4 for suited cards (wilds included), 0 for no card and for the skip.
constexpr int getsuit(int card) {
    if (card < 1 || card > 52) return 0;
    return (card - 1) / 13 + 1;
}

// Penalty for a card left in hand when a round ends; the skip is tested
// before its rank so it scores as a wild, not as a 1.
constexpr int cardpoints(int card) {
    if (card == 0) return 0;
    if (card == kSkip || rankof(card) == 0) return 20;
    return rankof(card) <= 9 ? 5 : 10;
}

}  // namespace velmora
