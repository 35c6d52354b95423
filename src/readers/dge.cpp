#include "readers/dge.hpp"

#include "readers/readers.hpp"
#include "readers/scan.hpp"

#include <array>
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

constexpr std::array<std::int8_t, 256> kPlaceOfByte = place_table(kRankOfByte);

// Places one hand's cards and counts them; -1 at a fourth separator, with
// the rest of the field left unread.
int parse_hand_field(std::string_view record, HandCode hand, CardPlaces& placed, int& card_count) {
  const std::size_t first = static_cast<std::size_t>(hand) * kHandFieldWidth + 1;
  int suit_places = 0;  // the current suit's first place
  for (std::size_t offset = first; offset < first + kCardPositions; ++offset) {
    const int place = kPlaceOfByte[static_cast<unsigned char>(record_byte(record, offset))];
    const int separator = static_cast<int>(place == kSparePlace);
    // A card named twice goes to the later hand and is counted again.
    placed.put(suit_places, place, hand);
    card_count += 1 - separator;
    suit_places += separator * kPlacesPerSuit;
    if (suit_places == kSuitCount * kPlacesPerSuit) return -1;
  }
  return 0;
}

}  // namespace

int parse_dge_record(std::string_view record, DealVector& deal) {
  CardPlaces placed;
  int card_count = 0;
  int result = 0;
  for (HandCode hand = kNorth; hand <= kWest && result == 0; ++hand) {
    result = parse_hand_field(record, hand, placed, card_count);
  }
  placed.copy_to(deal);
  if (result < 0) {
    std::fputs("error!", stdout);
    return -1;
  }
  if (card_count != kCardCount) {
    std::printf("%d cards!? ", card_count);
    std::fputs("error!", stdout);
    return -1;
  }
  return 0;
}

ReadResult read_dge_file(TextInput& input, DealWriter& writer) {
  std::array<char, kFixedRecordLength> buffer;
  DealVector deal{};
  std::int32_t record_count = 0;
  for (std::string_view record; !(record = input.next_record(buffer)).empty();) {
    // Boards go by place in the file, so a faulty record uses up its number.
    ++record_count;
    // A faulty record is still written as far as it was filled; the writer
    // refuses it unless it is a whole bridge deal, and the reading stops.
    parse_dge_record(record, deal);
    if (!writer.write_deal(deal, record_count)) return ReadResult::stopped;
  }
  return ReadResult::complete;
}

}  // namespace pipsweep
