#include "readers/dge.hpp"

#include "readers/numbered.hpp"
#include "readers/readers.hpp"
#include "readers/text.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdio>

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

// Places one hand's cards and counts them; -1 at a fourth separator, with
// the rest of the field left unread.
int parse_hand_field(std::string_view record, HandCode hand, DealVector& deal, int& card_count) {
  const std::size_t first = static_cast<std::size_t>(hand) * kHandFieldWidth + 1;
  int suit = 0;
  for (std::size_t offset = first; offset < first + kCardPositions; ++offset) {
    const int rank = rank_position(record_byte(record, offset));
    if (rank < 0) {
      if (++suit == kSuitCount) return -1;
      continue;
    }
    // A card named twice goes to the later hand and is counted again.
    deal[static_cast<std::size_t>(card_index(suit, rank))] = hand;
    ++card_count;
  }
  return 0;
}

}  // namespace

int parse_dge_record(std::string_view record, DealVector& deal) {
  deal.fill(kNoHand);
  int card_count = 0;
  for (HandCode hand = kNorth; hand <= kWest; ++hand) {
    if (parse_hand_field(record, hand, deal, card_count) < 0) {
      std::fputs("error!", stdout);
      return -1;
    }
  }
  if (card_count != kCardCount) {
    std::printf("%d cards!? ", card_count);
    std::fputs("error!", stdout);
    return -1;
  }
  return 0;
}

void read_dge_file() {
  // DGE records have the BRI width and read rule.
  BriRecord record;
  DealVector deal{};
  std::int32_t record_count = 0;
  while (read_bri_record(record) == 0) {
    // Boards go by place in the file, so a faulty record uses up its number.
    ++record_count;
    // A faulty record is still written as far as it was filled; the writer
    // reports unplaced cards and then the reading stops.
    parse_dge_record(record.view(), deal);
    if (write_deal(deal, record_count) < 0) return;
  }
}

}  // namespace pipsweep
