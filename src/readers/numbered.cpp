#include "readers/numbered.hpp"

#include "readers/readers.hpp"

#include <cstdint>
#include <cstdio>

namespace pipsweep {

namespace {

constexpr std::size_t kFieldWidth = 2;
constexpr int kFieldsPerHand = 13;
// Before the first field is read, a field without a number names the two of clubs.
constexpr std::int32_t kInitialCardNumber = kCardCount;
constexpr std::size_t kBoardOffset = 2;

// The bytes a read delivered, without the line end that stopped it.
constexpr std::string_view before_line_end(std::string_view text) {
  if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
  return text;
}

// A short blank read where a DUP record should start is a line end between
// records (or the padding after the last one), not a record.
bool is_filler(std::string_view text) { return text.size() < kNumberedHandsLength && is_blank(text); }

// The board number stands from offset 2 of the piece; a piece too short to
// reach that offset holds none.
std::int32_t board_in_piece(std::string_view piece) {
  std::int32_t board = 0;
  if (piece.size() > kBoardOffset) scan_decimal(piece.substr(kBoardOffset), board);
  return board;
}

int numbered_error() {
  std::fputs("error!", stdout);
  return -1;
}

}  // namespace

int read_dup_record(TextInput& input, DupRecord& record) {
  do {
    record.hands = input.next_line(record.hands_buffer);
    if (record.hands.empty()) return -1;
  } while (is_filler(before_line_end(record.hands)));
  if (input.next_line(record.middle_buffer).empty()) return -1;
  record.board = input.next_line(record.board_buffer);
  if (record.board.empty()) return -1;
  return 0;
}

int parse_numbered_hands(std::string_view text, DealVector& deal) {
  deal.fill(kWest);
  // Fewer bytes than 39 fields: the card numbers that would stand behind the
  // text were never read.
  if (text.size() < kNumberedHandsLength) return numbered_error();
  std::int32_t card_number = kInitialCardNumber;
  std::size_t offset = 0;
  for (HandCode hand = kNorth; hand <= kSouth; ++hand) {
    for (int field = 0; field < kFieldsPerHand; ++field, offset += kFieldWidth) {
      // A field without a number places the previous field's card once more.
      const char tens = text[offset];
      const char units = text[offset + 1];
      if (is_digit(tens) && is_digit(units)) {
        // Nearly every field is two digits; anything else takes the full rule.
        card_number = (tens - '0') * 10 + (units - '0');
      } else if (std::int32_t number = 0;
                 scan_decimal(text.substr(offset, kFieldWidth), number) == ScanResult::number) {
        card_number = number;
      }
      if (card_number < 1 || card_number > kCardCount) return numbered_error();
      deal[static_cast<std::size_t>(card_number - 1)] = hand;
    }
  }
  return 0;
}

ReadResult read_dup_file(TextInput& input, DealWriter& writer) {
  DupRecord record;
  DealVector deal{};
  // 0 until a record names a first board; the boards then count on from it.
  std::int32_t board = 0;
  while (read_dup_record(input, record) == 0) {
    if (board == 0) {
      board = board_in_piece(record.board);
      std::printf("First Board: %d\n", board);
    } else {
      ++board;
    }
    if (parse_numbered_hands(before_line_end(record.hands), deal) < 0) return ReadResult::stopped;
    if (!writer.write_deal(deal, board)) return ReadResult::stopped;
  }
  return ReadResult::complete;
}

ReadResult read_bri_file(TextInput& input, DealWriter& writer) {
  std::array<char, kFixedRecordLength> buffer;
  DealVector deal{};
  std::int32_t record_count = 0;
  for (std::string_view record; !(record = input.next_record(buffer)).empty();) {
    if (parse_numbered_hands(before_line_end(record), deal) < 0) return ReadResult::stopped;
    ++record_count;
    if (!writer.write_deal(deal, record_count)) return ReadResult::stopped;
  }
  return ReadResult::complete;
}

}  // namespace pipsweep
