#include "deal/deal.hpp"

#include "platform/console.hpp"

#include <cstddef>

namespace pipsweep {

RunState run_state;

namespace {

// 52 symbols in groups of 3, 3, 3, 3 and 1 per suit, each group led by a
// blank: 72 characters and the line end.
constexpr std::size_t kLineLength = 72;
using DirectionLine = std::array<char, kLineLength + 1>;

// Fills the line; returns how many cards have no hand.
int build_line(const DealVector& deal, DirectionLine& line) {
  int unplaced = 0;
  std::size_t n = 0;
  for (int card = 0; card < kCardCount; ++card) {
    if (card % kRankCount % 3 == 0) line[n++] = ' ';
    HandCode code = deal[static_cast<std::size_t>(card)];
    if (code < kNorth || code > kWest) {
      // Out-of-range codes can only mean "not placed"; never index past the table.
      code = kNoHand;
      ++unplaced;
    }
    line[n++] = run_state.direction_symbols[static_cast<std::size_t>(code)];
  }
  line[n] = '\n';
  return unplaced;
}

void put_deal(std::FILE* destination, const DirectionLine& line, std::int32_t board) {
  if (board != 0) std::fprintf(destination, "Board %d\n", board);
  std::fwrite(line.data(), 1, line.size(), destination);
}

void pause_for_user() {
  std::fputc('>', stdout);
  std::fflush(stdout);
  platform::discard_typed_ahead();
  if (platform::read_console_char() == 'q') run_state.pause_mode = 0;
}

}  // namespace

std::int32_t write_deal(const DealVector& deal, std::int32_t board) {
  DirectionLine line{};
  const int unplaced = build_line(deal, line);
  put_deal(stdout, line, board);
  if (run_state.output_stream != nullptr) put_deal(run_state.output_stream, line, board);
  ++run_state.deals_written;
  // Counted once per destination, so the result is twice the unplaced cards.
  const std::int32_t count = -2 * unplaced;
  if (count < 0) std::puts("Not a proper bridge file??");
  std::fflush(stdout);
  if (run_state.pause_mode != 0) pause_for_user();
  return count;
}

}  // namespace pipsweep
