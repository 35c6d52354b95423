#include "deal/deal.hpp"

#include "platform/console.hpp"
#include "platform/desktop.hpp"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace pipsweep {

namespace {

// 52 symbols in groups of 3, 3, 3, 3 and 1 per suit, each group led by a
// blank: 72 characters and the line end.
constexpr std::size_t kLineLength = 72;
constexpr std::string_view kBoardPrefix = "Board ";
// The board line at its longest ("Board -2147483648\n") and the direction line.
constexpr std::size_t kDealTextSize = kBoardPrefix.size() + 12 + kLineLength + 1;
using DealText = std::array<char, kDealTextSize>;

// The direction line with every symbol place still blank.
constexpr std::array<char, kLineLength + 1> kBlankLine = [] {
  std::array<char, kLineLength + 1> line{};
  line.fill(' ');
  line[kLineLength] = '\n';
  return line;
}();

// Where each card's symbol stands in the direction line.
constexpr std::array<std::uint8_t, kCardCount> kSymbolColumn = [] {
  std::array<std::uint8_t, kCardCount> column{};
  std::size_t n = 0;
  for (int card = 0; card < kCardCount; ++card) {
    if (card % kRankCount % 3 == 0) ++n;
    column[static_cast<std::size_t>(card)] = static_cast<std::uint8_t>(n++);
  }
  return column;
}();
static_assert(kSymbolColumn[kCardCount - 1] == kLineLength - 1);

// Cards per hand, the last entry for cards without a hand.
using HandCounts = std::array<int, kHandCount + 1>;
// The hand of each card as written, kNoHand for every code above kWest.
using WrittenHands = std::array<std::uint8_t, kCardCount>;

// Writes the direction line at line, and the hand of each card and the
// cards of each hand.
void build_line(const DealVector& deal, const std::array<char, 6>& symbols, char* line, WrittenHands& hands,
                HandCounts& counts) {
  std::memcpy(line, kBlankLine.data(), kBlankLine.size());
  counts.fill(0);
  for (std::size_t card = 0; card < deal.size(); ++card) {
    // Out-of-range codes can only mean "not placed"; never index past the table.
    auto code = static_cast<std::uint32_t>(deal[card]);
    if (code > static_cast<std::uint32_t>(kWest)) code = static_cast<std::uint32_t>(kNoHand);
    ++counts[code];
    hands[card] = static_cast<std::uint8_t>(code);
    line[kSymbolColumn[card]] = symbols[code];
  }
}

// A bridge deal gives every card a hand and every hand 13 cards; anything
// else would foul the board at the table.
bool is_bridge_deal(const HandCounts& counts) {
  return std::all_of(counts.begin(), counts.begin() + kHandCount,
                     [](int cards) { return cards == kRankCount; });
}

// The board line (none for board 0) and the direction line, as both
// destinations get them; returns the length.
std::size_t build_deal_text(const DealVector& deal, std::int32_t board, const std::array<char, 6>& symbols,
                            DealText& text, WrittenHands& hands, HandCounts& counts) {
  char* const end = text.data() + text.size();
  char* out = text.data();
  if (board != 0) {
    out = std::copy(kBoardPrefix.begin(), kBoardPrefix.end(), out);
    out = std::to_chars(out, end, board).ptr;
    *out++ = '\n';
  }
  build_line(deal, symbols, out, hands, counts);
  return static_cast<std::size_t>(out - text.data()) + kBlankLine.size();
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

bool DealWriter::write_deal(const DealVector& deal, std::int32_t board) {
  // One block per destination: the console gets it whole before the file.
  DealText text;
  WrittenHands hands{};
  HandCounts counts{};
  const std::size_t length = build_deal_text(deal, board, direction_symbols, text, hands, counts);
  std::fwrite(text.data(), 1, length, stdout);
  if (output_stream != nullptr) std::fwrite(text.data(), 1, length, output_stream);
  ++deals_written;
  const bool bridge_deal = counts[kNoHand] == 0 && is_bridge_deal(counts);
  if (!bridge_deal) std::puts("Not a proper bridge file??");
  std::fflush(stdout);
  platform::show_deal(board, hands.data());
  if (pause_mode) pause_mode = pause_for_user(output_stream);
  return bridge_deal;
}

}  // namespace pipsweep
