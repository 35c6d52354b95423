#include "deal/deal.hpp"

#include "deal/diagnostic.hpp"
#include "platform/console.hpp"
#include "platform/desktop.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string_view>

namespace pipsweep {

namespace {

// The board line at its longest: "Board -2147483648" and the line end.
constexpr std::string_view kBoardWord = "Board ";
constexpr std::size_t kLongestBoardLine = kBoardWord.size() + std::numeric_limits<std::int32_t>::digits10 + 3;
// The direction line: per suit 13 symbols in groups of 3, 3, 3, 3 and 1,
// each group led by a blank (72 characters in all), then the line end.
constexpr int kGroupSize = 3;
constexpr std::size_t kDirectionLineLength = 73;

// The deal as both destinations get it: its board line and direction line.
using DealText = std::array<char, kLongestBoardLine + kDirectionLineLength>;
// The hand of each card as written, kNoHand for every code above kWest.
using WrittenHands = std::array<std::uint8_t, kCardCount>;
// Cards per hand, the last entry for cards without a hand.
using HandCounts = std::array<int, kHandCount + 1>;

// Writes the board line at out, none for board 0; returns its end.
char* put_board_line(std::int32_t board, char* out, char* room_end) {
  if (board == 0) return out;
  out = std::copy(kBoardWord.begin(), kBoardWord.end(), out);
  // Leaves room for the line end; a number that does not fit shows cut.
  out = std::to_chars(out, room_end - 1, board).ptr;
  *out++ = '\n';
  return out;
}

// Writes the direction line at out, and the hand of each card and the cards
// of each hand; returns its end.
char* put_direction_line(const DealVector& deal, const std::array<char, 6>& symbols, char* out,
                         WrittenHands& hands, HandCounts& counts) {
  for (int suit = 0; suit < kSuitCount; ++suit) {
    for (int rank = 0; rank < kRankCount; ++rank) {
      if (rank % kGroupSize == 0) *out++ = ' ';
      const auto card = static_cast<std::size_t>(card_index(suit, rank));
      // A code out of range can only mean "not placed".
      HandCode hand = deal[card];
      if (hand < kNorth || hand > kWest) hand = kNoHand;
      hands[card] = static_cast<std::uint8_t>(hand);
      ++counts[static_cast<std::size_t>(hand)];
      *out++ = symbols[static_cast<std::size_t>(hand)];
    }
  }
  *out++ = '\n';
  return out;
}

// The marks as the display takes them.
static_assert(static_cast<int>(Vulnerability::not_given) == platform::kNotGiven);
static_assert(static_cast<int>(Vulnerability::all) == 3);
constexpr int display_dealer(HandCode dealer) {
  return dealer >= kNorth && dealer <= kWest ? dealer : platform::kNotGiven;
}

// True while the user wants to pause after the next deal too.
bool pause_for_user(std::FILE* output_stream) {
  // The user may end the run here (Ctrl-C, or closing the console window):
  // every deal shown so far must be in the file by then.
  if (output_stream != nullptr) std::fflush(output_stream);
  std::fputc('>', stdout);
  std::fflush(stdout);
  platform::discard_typed_ahead();
  return platform::read_console_char() != 'q';
}

}  // namespace

bool DealWriter::write_deal(const DealVector& deal, std::int32_t board, BoardMarks marks) {
  DealText text;
  WrittenHands hands;
  HandCounts counts{};
  char* end = put_board_line(board, text.data(), text.data() + kLongestBoardLine);
  end = put_direction_line(deal, direction_symbols, end, hands, counts);
  const auto length = static_cast<std::size_t>(end - text.data());
  // The console gets the deal first, then the file, then the display: a
  // diagnostic about the deal must reach the display after it.
  std::fwrite(text.data(), 1, length, stdout);
  if (output_stream != nullptr) std::fwrite(text.data(), 1, length, output_stream);
  ++deals_written;
  std::fflush(stdout);
  platform::show_deal(board, hands.data(), display_dealer(marks.dealer), static_cast<int>(marks.vulnerability));
  // A bridge deal gives every card a hand and every hand 13 cards; anything
  // else would foul the board at the table.
  const bool bridge_deal =
      std::all_of(counts.begin(), counts.begin() + kHandCount, [](int cards) { return cards == kRankCount; });
  if (!bridge_deal) print_diagnostic("Not a proper bridge file??\n");
  if (pause_mode) pause_mode = pause_for_user(output_stream);
  return bridge_deal;
}

}  // namespace pipsweep
