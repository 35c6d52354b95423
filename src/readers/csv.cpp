// CSV: one deal per line, 16 comma-separated suit fields (North's spades
// first, West's clubs last) and the board number behind them.
#include "readers/readers.hpp"
#include "readers/scan.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pipsweep {

namespace {

// The 16 suit fields, North's spades to West's clubs.
constexpr int kSuitFields = kHandCount * kSuitCount;

// The rank position of a card letter. Deal generators write the honours
// either in English or in Dutch (H, V, B), so both count; lower case does
// not.
int csv_rank_of(char c) {
  switch (c) {
    case 'H': return rank_of('K');
    case 'V': return rank_of('Q');
    case 'B': return rank_of('J');
    default: return rank_of(c);
  }
}

// The byte at i, with the end of the text reading as the terminating zero.
constexpr char byte_at(std::string_view text, std::size_t i) { return i < text.size() ? text[i] : '\0'; }

// Finds the board number behind the card part, which ends at position: the
// byte there is only checked for the end of the text, then the first digit
// after it starts the number. A sign is never read, so -12 gives 12.
bool scan_board_number(std::string_view text, std::size_t position, std::int32_t& board, DealSink& sink) {
  while (!is_end_byte(byte_at(text, position))) {
    ++position;
    if (!is_digit(byte_at(text, position))) continue;
    if (scan_decimal(text.substr(position), board) == ScanResult::number) return true;
    // Any value taken from the overflowing digits would be a board nobody
    // wrote, so such a line is refused like any other broken one.
    return fault(sink, "board number too large\nerror!\n");
  }
  return fault(sink, "no board number\nerror!\n");
}

// Parses one line, taken up to its first zero byte. True when it held 52
// cards and a board number; otherwise tells the sink why and returns false,
// leaving board untouched.
bool parse_csv_line(std::string_view line, DealVector& deal, std::int32_t& board, DealSink& sink) {
  const std::string_view text = c_text(line);
  deal.fill(kNoHand);
  int field = 0;
  int cards = 0;
  std::size_t i = 0;
  // The card part ends right behind the 52nd card, or at an end byte.
  while (cards < kCardCount && !is_end_byte(byte_at(text, i))) {
    const char c = text[i++];
    if (c == ',') {
      // The next suit; the comma after a hand's clubs moves on to the next
      // hand, and there is none after West.
      if (++field == kSuitFields) return fault(sink, "error!\n");
    } else if (const int rank = csv_rank_of(c); rank >= 0) {
      // A card listed twice is overwritten and counted again; the sink
      // then finds the card that this leaves without a hand.
      deal[static_cast<std::size_t>(card_index(field % kSuitCount, rank))] = field / kSuitCount;
      ++cards;
    }
  }
  if (cards != kCardCount) return fault(sink, "%d cards!? error!\n", cards);
  return scan_board_number(text, i, board, sink);
}

}  // namespace

ReadResult read_csv_file(TextInput& input, DealSink& sink) {
  std::array<char, kLineLength> buffer;
  DealVector deal;
  std::int32_t board = 0;
  for (std::string_view line; !(line = input.next_line(buffer)).empty();) {
    // A blank line (zero bytes count as blank) holds no deal.
    if (is_blank(line)) continue;
    if (!parse_csv_line(line, deal, board, sink)) return ReadResult::stopped;
    if (!sink.put_deal(deal, board, kNoMarks)) return ReadResult::stopped;
  }
  return ReadResult::complete;
}

}  // namespace pipsweep
