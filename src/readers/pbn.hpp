// PBN: tag lines in brackets. Only Board, Dealer, Vulnerable and Deal matter
// here; every other line passes by.
#pragma once

#include "deal/deal.hpp"
#include "readers/text.hpp"

#include <cstddef>
#include <string_view>

namespace pipsweep {

// One line of input, and the tag name and value taken from it; a whole line
// fits in each.
inline constexpr std::size_t kPbnBufferSize = static_cast<std::size_t>(kLineBufferSize);
using PbnLine = TextBuffer<kPbnBufferSize>;
using PbnField = TextBuffer<kPbnBufferSize>;

// Empties both fields, reads one line and splits it when it holds a "[".
// Returns 1 when split, 0 for a line without "[", -1 at the end of the input
// or on a read error, -2 when no input stream is open.
int read_pbn_tag(PbnField& name, PbnField& value);

// Splits the line (up to its first zero byte) at its first "[": the name is
// the first word after it, the value runs from the first blank after it up
// to the next "]" or the end of the line. Returns 0, touching neither field,
// when the line holds no "[", and 1 otherwise. A field with nothing to take
// is left as it was.
int split_pbn_tag(std::string_view line, PbnField& name, PbnField& value);

// Fills the deal from a deal text such as "N:AKQ.J.T98.765 ...". Returns 0
// for 52 cards; prints what is wrong and returns -1 otherwise.
int parse_pbn_deal(std::string_view text, DealVector& deal);

}  // namespace pipsweep
