// CSV: one deal per line, 16 comma-separated suit fields (North's spades
// first, West's clubs last) and the board number behind them.
#pragma once

#include "deal/deal.hpp"
#include "readers/scan.hpp"
#include "readers/text_input.hpp"

#include <cstdint>
#include <string_view>

namespace pipsweep {

// What read_csv_record returns for a line that is no proper deal.
inline constexpr int kNotADeal = -3;

// Reads the next line that is not blank (see is_blank) and parses it.
// Returns 0 for a deal, -1 at the end of the input, and kNotADeal when
// parse_csv_line refused the line.
int read_csv_record(TextInput& input, DealVector& deal, std::int32_t& board);

// Parses one line, taken up to its first zero byte; its line end may be
// left off, since the end of the text ends the card part and the board
// number just as the line end does. Returns 0 when it held 52 cards and a
// board number; otherwise prints why and returns -1, leaving board
// untouched.
int parse_csv_line(std::string_view line, DealVector& deal, std::int32_t& board);

}  // namespace pipsweep
