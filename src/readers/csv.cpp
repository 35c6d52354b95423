#include "readers/csv.hpp"

#include "readers/readers.hpp"
#include "readers/scan.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace pipsweep {

namespace {

// What a byte of the card part does: a rank letter places a card, a comma
// moves to the next suit field, anything else is passed over. Deal
// generators write the honours either in English or in Dutch (H, V, B), so
// both count; lower case does not.
struct CsvByte {
  std::int8_t place;   // rank position, or kSparePlace for a byte that is no card
  std::int8_t cards;   // 1 for a card
  std::int8_t fields;  // 1 for a comma
};

constexpr std::array<CsvByte, 256> kCsvBytes = [] {
  std::array<std::int8_t, 256> ranks = kRankOfByte;
  ranks['H'] = ranks['K'];
  ranks['V'] = ranks['Q'];
  ranks['B'] = ranks['J'];
  const std::array<std::int8_t, 256> places = place_table(ranks);
  std::array<CsvByte, 256> table{};
  for (std::size_t value = 0; value < table.size(); ++value) {
    const std::int8_t place = places[value];
    table[value] = {place, static_cast<std::int8_t>(place != kSparePlace ? 1 : 0),
                    static_cast<std::int8_t>(value == ',' ? 1 : 0)};
  }
  return table;
}();

// The 16 suit fields, North's spades to West's clubs.
constexpr unsigned kSuitFields = kHandCount * kSuitCount;

// The byte at i, with the end of the text reading as the terminating zero.
constexpr char byte_at(std::string_view text, std::size_t i) {
  return i < text.size() ? text[i] : '\0';
}

void report_card_count(int cards) {
  std::printf("%d cards!? ", cards);
  std::puts("error!");
}

// Places the cards of the card part. Returns the number of cards counted
// (52 at most; the scan stops right behind the 52nd) or -1 after reporting
// a fifth hand; position receives the index right behind the last byte read.
int scan_cards(std::string_view text, DealVector& deal, std::size_t& position) {
  CardPlaces placed;
  unsigned field = 0;  // never negative, so the suit and hand come by shifts
  int cards = 0;
  int result = 0;
  std::size_t i = 0;
  for (;;) {
    const CsvByte& byte = kCsvBytes[static_cast<unsigned char>(text[i++])];
    // A card listed twice is overwritten and counted again; write_deal then
    // finds the card that this leaves without a hand.
    placed.put(static_cast<int>(field % kSuitCount) * kPlacesPerSuit, byte.place,
               static_cast<HandCode>(field / kSuitCount));
    cards += byte.cards;
    if (cards == kCardCount) break;
    field += static_cast<unsigned>(byte.fields);
    if (field == kSuitFields) {
      std::puts("error!");
      result = -1;
      break;
    }
    if (is_end_byte(byte_at(text, i))) break;
  }
  placed.copy_to(deal);
  position = i;
  return result < 0 ? result : cards;
}

// Finds the board number behind the card part: the byte right behind the
// 52nd card is only checked for the end of the text, then the first digit
// after it starts the number. A sign is never read, so -12 gives 12.
int scan_board_number(std::string_view text, std::size_t position, std::int32_t& board) {
  while (!is_end_byte(byte_at(text, position))) {
    ++position;
    if (!is_digit(byte_at(text, position))) continue;
    if (scan_decimal(text.substr(position), board) == ScanResult::number) return 0;
    // Any value taken from the overflowing digits would be a board nobody
    // wrote, so such a line is refused like any other broken one.
    std::puts("board number too large");
    std::puts("error!");
    return -1;
  }
  std::puts("no board number");
  std::puts("error!");
  return -1;
}

}  // namespace

int parse_csv_line(std::string_view line, DealVector& deal, std::int32_t& board) {
  const std::string_view text = c_text(line);
  deal.fill(kNoHand);
  if (is_end_byte(byte_at(text, 0))) {
    report_card_count(0);
    return -1;
  }
  std::size_t position = 0;
  const int cards = scan_cards(text, deal, position);
  if (cards < 0) return -1;
  if (cards != kCardCount) {
    report_card_count(cards);
    return -1;
  }
  return scan_board_number(text, position, board);
}

int read_csv_record(TextInput& input, DealVector& deal, std::int32_t& board) {
  std::array<char, kLineLength> buffer;
  std::string_view line;
  do {
    line = input.next_line(buffer);
    if (line.empty()) return -1;
  } while (is_blank(line));
  return parse_csv_line(line, deal, board) < 0 ? kNotADeal : 0;
}

ReadResult read_csv_file(TextInput& input, DealWriter& writer) {
  DealVector deal{};
  std::int32_t board = 0;
  int result = 0;
  while ((result = read_csv_record(input, deal, board)) == 0) {
    if (!writer.write_deal(deal, board)) return ReadResult::stopped;
  }
  return result == kNotADeal ? ReadResult::stopped : ReadResult::complete;
}

}  // namespace pipsweep
