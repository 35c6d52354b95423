// The page a browser build runs for (web only): it lays out each deal and
// quotes each diagnostic as the run goes, beside the console text.
#pragma once

#include <cstdint>

namespace pipsweep::platform {

// A mark of a board (dealer, vulnerability) that its file does not give.
inline constexpr int kNotGiven = -1;

// One deal as written: its board number (0 for none), the hand of each of
// its 52 cards (0 North to 3 West, 4 for none), the dealer as the file gives
// it (0 North to 3 West) and the vulnerability (0 None, 1 North-South, 2
// East-West, 3 All); either mark kNotGiven.
void show_deal(std::int32_t board, const std::uint8_t* hands, int dealer, int vulnerability);

// A diagnostic exactly as the console got it, line ends included (some
// have none), in order with the deals.
void show_diagnostic(const char* text);

}  // namespace pipsweep::platform
