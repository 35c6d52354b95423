// The one deal representation every reader fills.
#pragma once

#include <array>
#include <cstdint>

namespace pipsweep {

// Hand that receives a card; anything above kWest means the deal leaves the
// card without a hand.
using HandCode = std::int32_t;
inline constexpr HandCode kNorth = 0;
inline constexpr HandCode kEast = 1;
inline constexpr HandCode kSouth = 2;
inline constexpr HandCode kWest = 3;
inline constexpr HandCode kNoHand = 4;

inline constexpr int kHandCount = 4;
inline constexpr int kSuitCount = 4;
inline constexpr int kRankCount = 13;
inline constexpr int kCardCount = kSuitCount * kRankCount;

// Indexed by card index: suit * 13 + rank position (ace 0 ... two 12),
// suits spades, hearts, diamonds, clubs. The ace of spades is 0.
using DealVector = std::array<HandCode, kCardCount>;

constexpr int card_index(int suit, int rank) {
  return suit * kRankCount + rank;
}

// Who is vulnerable on a board, as a file states it.
enum class Vulnerability : std::int8_t { not_given = -1, none, north_south, east_west, all };

// What a file says of a board besides its number and cards, for a display
// that shows the board as the table has it. Formats without them give none.
struct BoardMarks {
  HandCode dealer = kNoHand;  // kNorth to kWest; anything else: not given
  Vulnerability vulnerability = Vulnerability::not_given;
};

// The marks of a board in a format that gives none.
inline constexpr BoardMarks kNoMarks{};

// Every card has a hand and every hand 13 cards: anything else would foul
// the board at the table.
bool is_bridge_deal(const DealVector& deal);

}  // namespace pipsweep
