// PBN: tag lines in brackets. Only Board, Dealer, Vulnerable and Deal matter
// here; every other line passes by.
#pragma once

#include "deal/deal.hpp"
#include "readers/scan.hpp"

#include <string_view>

namespace pipsweep {

// Fills the deal from a deal text such as "N:AKQ.J.T98.765 ...". Returns 0
// for 52 cards; prints what is wrong and returns -1 otherwise.
int parse_pbn_deal(std::string_view text, DealVector& deal);

}  // namespace pipsweep
