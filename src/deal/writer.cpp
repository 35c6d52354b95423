#include "deal/writer.hpp"

#include "platform/console.hpp"

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

// Writes the direction line at out, and counts the cards of each hand;
// returns its end.
char* put_direction_line(const DealVector& deal, const std::array<char, 6>& symbols, char* out, HandCounts& counts) {
  for (int suit = 0; suit < kSuitCount; ++suit) {
    for (int rank = 0; rank < kRankCount; ++rank) {
      if (rank % kGroupSize == 0) *out++ = ' ';
      const auto card = static_cast<std::size_t>(card_index(suit, rank));
      // A code out of range can only mean "not placed".
      HandCode hand = deal[card];
      if (hand < kNorth || hand > kWest) hand = kNoHand;
      ++counts[static_cast<std::size_t>(hand)];
      *out++ = symbols[static_cast<std::size_t>(hand)];
    }
  }
  *out++ = '\n';
  return out;
}

// Every hand 13 cards (and so none left without a hand).
bool is_bridge_count(const HandCounts& counts) {
  return std::all_of(counts.begin(), counts.begin() + kHandCount, [](int cards) { return cards == kRankCount; });
}

constexpr std::string_view kNotABridgeDeal = "Not a proper bridge file??\n";

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

bool DealWriter::put_deal(const DealVector& deal, std::int32_t board, BoardMarks /*marks*/) {
  DealText text;
  HandCounts counts{};
  char* end = put_board_line(board, text.data(), text.data() + kLongestBoardLine);
  end = put_direction_line(deal, direction_symbols, end, counts);
  const auto length = static_cast<std::size_t>(end - text.data());
  std::fwrite(text.data(), 1, length, stdout);
  if (output_stream != nullptr) std::fwrite(text.data(), 1, length, output_stream);
  ++deals_written;
  std::fflush(stdout);
  // The cards were counted as the line was written.
  const bool bridge_deal = is_bridge_count(counts);
  // Through put_text, so that a sink built on this one sees the warning too.
  if (!bridge_deal) put_text(TextKind::diagnostic, kNotABridgeDeal);
  if (pause_mode) pause_mode = pause_for_user(output_stream);
  return bridge_deal;
}

void DealWriter::put_text(TextKind /*kind*/, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
}

bool is_bridge_deal(const DealVector& deal) {
  HandCounts counts{};
  for (const HandCode hand : deal) {
    ++counts[hand >= kNorth && hand <= kWest ? static_cast<std::size_t>(hand) : kHandCount];
  }
  return is_bridge_count(counts);
}

}  // namespace pipsweep
