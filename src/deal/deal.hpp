// The one deal representation every reader fills, and the writer that turns
// a deal into its line of dealing directions.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>

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

// What a run writes its deals with. The driver sets it up from the command
// line, opens and closes the output file, and hands it to the reader.
struct DealWriter {
  // One symbol per HandCode, zero-terminated. -d replaces the first four;
  // the fifth, for an unplaced card, never changes.
  std::array<char, 6> direction_symbols{'T', 'R', 'D', 'L', '?', '\0'};
  // The open "_pipsweep.txt".
  std::FILE* output_stream = nullptr;
  // Deals handed to write_deal during this run.
  std::int32_t deals_written = 0;
  // On with -p; the answer "q" at a pause switches it off for good.
  bool pause_mode = false;

  // Writes the deal (and its board line unless board is 0) to the console
  // and to the output stream, counts it, hands it with its marks to the
  // display, warns when it is no bridge deal (a card without a hand, or a
  // hand without exactly 13 cards) and pauses in pause mode. False for a
  // deal that is no bridge deal: the reader stops.
  bool write_deal(const DealVector& deal, std::int32_t board, BoardMarks marks = {});
};

}  // namespace pipsweep
