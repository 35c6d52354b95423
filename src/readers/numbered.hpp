// DUP and BRI: deals written as 39 card numbers (North, East, South); West
// takes every card not listed.
#pragma once

#include "deal/deal.hpp"
#include "readers/scan.hpp"
#include "readers/text_input.hpp"

#include <array>
#include <cstddef>
#include <string_view>

namespace pipsweep {

// 39 two-character fields: 13 card numbers each for North, East and South.
inline constexpr std::size_t kNumberedHandsLength = 78;

// A DUP record is three reads: the numbered hands, a piece passed over, and
// the piece that carries the board number from its offset 2 on.
struct DupRecord {
  std::array<char, kNumberedHandsLength> hands_buffer;
  std::array<char, 68> middle_buffer;
  std::array<char, 10> board_buffer;
  std::string_view hands;
  std::string_view board;
};

// Reads the three pieces of one DUP record, passing over short lines of
// nothing but white space or zero bytes where a record should start.
// Returns 0 when all three reads delivered text, -1 as soon as one finds the
// end of the input or fails (the reads after it are not attempted).
int read_dup_record(TextInput& input, DupRecord& record);

// Decodes the card numbers at the start of text (a record's bytes before its
// line end) into deal; every card not named goes to West. Returns 0, or -1
// after printing "error!" when a number lies outside 1 to 52 or the text is
// too short to hold all 39 fields; deal is then partly filled.
int parse_numbered_hands(std::string_view text, DealVector& deal);

}  // namespace pipsweep
