// DGE: 128-character records holding the four hands in 17-character fields,
// North, East, South, West, each hand written as rank letters suit by suit.
#include "readers/readers.hpp"
#include "readers/scan.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pipsweep {

namespace {

// Each hand field: one lead byte that is never looked at (writers put a suit
// mark or a blank there), then 16 card positions.
constexpr std::size_t kHandFieldWidth = 17;
constexpr std::size_t kCardPositions = kHandFieldWidth - 1;

// The byte at offset; a short record reads as separators behind its end,
// like the line end that closes it, so nothing past the read text is used.
constexpr char record_byte(std::string_view record, std::size_t offset) {
  return offset < record.size() ? record[offset] : '\n';
}

// Fills deal from the four hand fields of one record. False, after telling
// the sink why (without a line end), when a hand has a fourth separator or
// the record does not name 52 cards; deal then holds what was placed up to
// that point.
bool parse_dge_record(std::string_view record, DealVector& deal, DealSink& sink) {
  deal.fill(kNoHand);
  int cards = 0;
  for (HandCode hand = kNorth; hand <= kWest; ++hand) {
    const std::size_t first = static_cast<std::size_t>(hand) * kHandFieldWidth + 1;
    int suit = 0;
    for (std::size_t offset = first; offset < first + kCardPositions; ++offset) {
      if (const int rank = rank_of(record_byte(record, offset)); rank >= 0) {
        // A card named twice goes to the later hand and is counted again.
        deal[static_cast<std::size_t>(card_index(suit, rank))] = hand;
        ++cards;
      } else if (++suit == kSuitCount) {
        // Any other byte ends a suit; a fourth one leaves the rest unread.
        return fault(sink, "error!");
      }
    }
  }
  if (cards != kCardCount) return fault(sink, "%d cards!? error!", cards);
  return true;
}

}  // namespace

ReadResult read_dge_file(TextInput& input, DealSink& sink) {
  std::array<char, kFixedRecordLength> buffer;
  DealVector deal;
  // Boards go by place in the file, so a faulty record uses up its number.
  std::int32_t board = 0;
  for (std::string_view record; !(record = input.next_record(buffer)).empty();) {
    // A faulty record is still written as far as it was filled: the sink
    // refuses it unless it is a whole bridge deal, and the reading stops.
    parse_dge_record(record, deal, sink);
    if (!sink.put_deal(deal, ++board, kNoMarks)) return ReadResult::stopped;
  }
  return ReadResult::complete;
}

}  // namespace pipsweep
