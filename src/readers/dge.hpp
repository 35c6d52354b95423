// DGE: 128-character records holding the four hands in 17-character fields,
// North, East, South, West, each hand written as rank letters suit by suit.
#pragma once

#include "deal/deal.hpp"

#include <string_view>

namespace pipsweep {

// Fills deal from the four hand fields of one record (the bytes that were
// read; positions behind them count as separators). Returns 0 when the
// record is sound, or -1 after printing why, without a line end, when a hand
// has a fourth separator or the record does not name 52 cards; deal then
// holds what was placed up to that point.
int parse_dge_record(std::string_view record, DealVector& deal);

}  // namespace pipsweep
