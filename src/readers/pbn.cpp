#include "readers/pbn.hpp"

#include "readers/readers.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>

namespace pipsweep {

namespace {

// The board of the 16-board rotation with this dealer and vulnerability,
// indexed by dealer * 4 + vulnerability.
constexpr std::array<std::int32_t, 16> kRotationBoard{1,  5,  9, 13, 14, 2,  6,  10,
                                                      11, 15, 3, 7,  8,  12, 16, 4};

struct PbnState {
  std::int32_t board = 0;  // 0: none given for the coming deal
  int dealer = 0;          // 0 North ... 3 West
  int vulnerability = 0;   // 0 none, 1 North-South, 2 East-West, 3 both
  DealVector deal{};
};

using LetterTable = std::array<std::int8_t, 256>;

constexpr LetterTable kHandOfByte = letter_table("NESW");
constexpr LetterTable kVulnerabilityLetters = letter_table("NESWA");

// The run of characters from the set at the very start of the text, as
// "%[...]" takes it (no white space skipped).
std::string_view leading_run(std::string_view text, const LetterTable& set) {
  std::size_t n = 0;
  while (n < text.size() && set[static_cast<unsigned char>(text[n])] >= 0) ++n;
  return text.substr(0, n);
}

HandCode hand_of_letter(char letter) { return kHandOfByte[static_cast<unsigned char>(letter)]; }

// What one byte of a deal text does: a rank letter places a card of the
// current suit, a blank moves to the next hand and back to spades, a dot to
// the next suit, a byte 31 or below (as a signed byte) ends the text, and
// anything else is passed over.
struct DealByte {
  std::int8_t place;      // rank position, or kSparePlace for a byte that is no card
  std::int8_t cards;      // 1 for a card
  std::int8_t hands;      // 1 for a blank
  std::int8_t suits;      // kPlacesPerSuit for a dot: the next suit's places
  std::int8_t suit_mask;  // 0 for a blank (back to spades), all bits otherwise
  bool ends;
};

constexpr LetterTable kPlaceOfByte = place_table(kRankOfByte);

constexpr std::array<DealByte, 256> kDealBytes = [] {
  std::array<DealByte, 256> table{};
  for (int value = 0; value < 256; ++value) {
    DealByte& byte = table[static_cast<std::size_t>(value)];
    byte.place = kPlaceOfByte[static_cast<std::size_t>(value)];
    byte.cards = byte.place != kSparePlace ? 1 : 0;
    byte.hands = value == ' ' ? 1 : 0;
    byte.suits = value == '.' ? kPlacesPerSuit : 0;
    byte.suit_mask = value == ' ' ? 0 : -1;
    byte.ends = is_end_byte(static_cast<char>(value));
  }
  return table;
}();

// A value that does not begin with an integer, or one too large for the
// board number, leaves the board number as it was.
void take_board(std::string_view text, PbnState& state) {
  std::int32_t board = 0;
  if (scan_decimal(text, board) == ScanResult::number) state.board = board;
}

void take_dealer(std::string_view text, PbnState& state) {
  const std::string_view run = leading_run(text, kHandOfByte);
  if (run.empty()) return;
  state.dealer = run == "E" ? 1 : run == "S" ? 2 : run == "W" ? 3 : 0;
}

void take_vulnerability(std::string_view text, PbnState& state) {
  const std::string_view run = leading_run(text, kVulnerabilityLetters);
  if (run.empty()) return;
  state.vulnerability = run == "NS" ? 1 : run == "EW" ? 2 : run == "A" ? 3 : 0;
}

// Returns -1 when the reader must stop.
int take_deal(std::string_view text, PbnState& state, DealWriter& writer) {
  if (parse_pbn_deal(text, state.deal) < 0) return -1;
  if (state.board == 0) {
    state.board = kRotationBoard[static_cast<std::size_t>(state.dealer * 4 + state.vulnerability)];
  }
  const bool written = writer.write_deal(state.deal, state.board);
  state.board = 0;
  return written ? 0 : -1;
}

// Finds the tag in a line already cut at its first zero byte: rest is
// everything after the first "[", word what follows it once the white space
// before the name is skipped ("%s"). Returns 0 when the line holds no "[",
// 1 otherwise.
int find_pbn_tag(std::string_view line, std::string_view& rest, std::string_view& word) {
  // A tag line starts with its bracket; any other line is searched.
  const std::size_t bracket = !line.empty() && line.front() == '[' ? 0 : line.find('[');
  if (bracket == std::string_view::npos) return 0;
  rest = line.substr(bracket + 1);
  std::size_t start = 0;
  while (start < rest.size() && is_c_space(rest[start])) ++start;
  word = rest.substr(start);
  return 1;
}

enum class Tag { other, board, dealer, vulnerable, deal };

// The tag whose name is the first word of text, and that name. Only the
// four names read here are compared: the words of all other tags need not
// be measured.
Tag tag_named(std::string_view text, std::string_view& name) {
  const auto named = [&](std::string_view wanted) {
    if (!text.starts_with(wanted)) return false;
    if (text.size() > wanted.size() && !is_c_space(text[wanted.size()])) return false;
    name = text.substr(0, wanted.size());
    return true;
  };
  switch (text.empty() ? '\0' : text.front()) {
    case 'B':
      if (named("Board")) return Tag::board;
      break;
    case 'D':
      if (named("Deal")) return Tag::deal;
      if (named("Dealer")) return Tag::dealer;
      break;
    case 'V':
      if (named("Vulnerable")) return Tag::vulnerable;
      break;
    default:
      break;
  }
  return Tag::other;
}

// The value of a tag found by find_pbn_tag and named name: from the first
// blank after the "[", the blank included, up to the next "]" or, without
// one, the end of the line with its line end ("%[^]]"); empty without a
// blank.
std::string_view pbn_tag_value(std::string_view rest, std::string_view name) {
  // In a tag line the blank follows the name at once; the name holds none,
  // so when nothing stands before the name that blank is the first.
  const std::size_t name_end = name.size();
  const std::size_t blank = name.data() == rest.data() && name_end < rest.size() && rest[name_end] == ' '
                                ? name_end
                                : rest.find(' ');
  if (blank == std::string_view::npos) return {};
  const std::string_view from_blank = rest.substr(blank);
  const std::size_t bracket = from_blank.find(']');
  return bracket == std::string_view::npos ? from_blank : from_blank.substr(0, bracket);
}

// Returns -1 when the reader must stop.
int handle_tag(std::string_view rest, std::string_view word, PbnState& state, DealWriter& writer) {
  std::string_view name;
  const Tag tag = tag_named(word, name);
  // The value of any other tag is never looked at.
  if (tag == Tag::other) return 0;
  const std::string_view value = pbn_tag_value(rest, name);
  // The value starts with its blank, so the quote is mostly right behind it.
  const std::size_t quote = value.size() > 1 && value[1] == '"' ? 1 : value.find('"');
  if (quote == std::string_view::npos) return 0;
  const std::string_view text = value.substr(quote + 1);
  switch (tag) {
    case Tag::board: take_board(text, state); break;
    case Tag::dealer: take_dealer(text, state); break;
    case Tag::vulnerable: take_vulnerability(text, state); break;
    case Tag::deal: return take_deal(text, state, writer);
    case Tag::other: break;
  }
  return 0;
}

}  // namespace

int parse_pbn_deal(std::string_view text, DealVector& deal) {
  const HandCode first = text.empty() ? -1 : hand_of_letter(text.front());
  if (first < 0) {
    std::fputs("first direction not recognized", stdout);
    return -1;
  }
  CardPlaces placed;
  // Hands count 0 to 3, so the next hand is found with a mask.
  static_assert(kHandCount == 4);
  HandCode hand = first;
  int suit_places = 0;  // the current suit's first place
  int cards = 0;
  int result = 0;
  for (std::size_t i = 1; i < text.size(); ++i) {
    const DealByte& byte = kDealBytes[static_cast<unsigned char>(text[i])];
    if (byte.ends) break;
    placed.put(suit_places, byte.place, hand);
    cards += byte.cards;
    // Whatever follows the 52nd card is not looked at.
    if (cards == kCardCount) break;
    hand = (hand + byte.hands) & (kHandCount - 1);
    suit_places = (suit_places + byte.suits) & byte.suit_mask;
    if (suit_places == kSuitCount * kPlacesPerSuit) {
      std::puts("error!");
      result = -1;
      break;
    }
  }
  placed.copy_to(deal);
  if (result < 0) return result;
  if (cards != kCardCount) {
    std::printf("%d cards!? ", cards);
    std::puts("error!");
    return -1;
  }
  return 0;
}

ReadResult read_pbn_file(TextInput& input, DealWriter& writer) {
  std::array<char, kLineLength> buffer;
  PbnState state;
  std::string_view rest;
  std::string_view word;
  for (std::string_view line; !(line = input.next_line(buffer)).empty();) {
    if (find_pbn_tag(c_text(line), rest, word) > 0 && handle_tag(rest, word, state, writer) < 0) {
      return ReadResult::stopped;
    }
  }
  return ReadResult::complete;
}

}  // namespace pipsweep
