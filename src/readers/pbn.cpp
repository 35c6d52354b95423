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

// Who is vulnerable, as the rotation counts it.
constexpr int kNoneVulnerable = 0;
constexpr int kNorthSouthVulnerable = 1;
constexpr int kEastWestVulnerable = 2;
constexpr int kBothVulnerable = 3;
constexpr int kVulnerabilities = 4;

// The board of the 16-board rotation with this dealer and vulnerability,
// indexed by dealer * 4 + vulnerability.
constexpr std::array<std::int32_t, 16> kRotationBoard{1,  5,  9, 13, 14, 2,  6,  10,
                                                      11, 15, 3, 7,  8,  12, 16, 4};

// The hand letters in HandCode order.
constexpr std::string_view kHandLetters = "NESW";

struct PbnState {
  std::int32_t board = 0;  // 0: none given for the coming deal
  HandCode dealer = kNorth;
  int vulnerability = kNoneVulnerable;
  DealVector deal{};
};

enum class Tag { board, dealer, vulnerable, deal, other };

constexpr bool is_hand_letter(char c) { return c == 'N' || c == 'E' || c == 'S' || c == 'W'; }

// The letters of a vulnerability: hands, and A for all.
constexpr bool is_vulnerability_letter(char c) { return is_hand_letter(c) || c == 'A'; }

// The longest run of such letters at the very start of the text (no white
// space skipped).
std::string_view leading_run(std::string_view text, bool (*is_letter)(char)) {
  return {text.begin(), std::find_if_not(text.begin(), text.end(), is_letter)};
}

// Fills the deal from a deal text such as "N:AKQ.J.T98.765 ...". False,
// after saying why, unless it names 52 cards.
bool parse_pbn_deal(std::string_view text, DealVector& deal) {
  const std::size_t first = text.empty() ? kNotFound : kHandLetters.find(text.front());
  if (first == kNotFound) return refuse("first direction not recognized");
  deal.fill(kNoHand);
  auto hand = static_cast<HandCode>(first);
  int suit = 0;
  int cards = 0;
  for (const char c : text.substr(1)) {
    // Whatever follows the 52nd card is not looked at.
    if (cards == kCardCount || is_end_byte(c)) break;
    if (c == ' ') {
      // The next hand clockwise, from its spades.
      hand = (hand + 1) % kHandCount;
      suit = 0;
    } else if (c == '.') {
      if (++suit == kSuitCount) return refuse("error!\n");
    } else if (const int rank = rank_of(c); rank >= 0) {
      // A card named twice goes to its later hand and is counted again.
      deal[static_cast<std::size_t>(card_index(suit, rank))] = hand;
      ++cards;
    }
  }
  if (cards != kCardCount) return refuse("%d cards!? error!\n", cards);
  return true;
}

// The tag of a line: named by the first word after its first "[". Only
// four tags matter here.
Tag tag_of(std::string_view line, std::string_view& rest) {
  const std::size_t bracket = line.find('[');
  if (bracket == kNotFound) return Tag::other;
  rest = line.substr(bracket + 1);
  std::size_t start = 0;
  while (start < rest.size() && is_c_space(rest[start])) ++start;
  std::size_t end = start;
  while (end < rest.size() && !is_c_space(rest[end])) ++end;
  const std::string_view name = rest.substr(start, end - start);
  if (name == "Board") return Tag::board;
  if (name == "Dealer") return Tag::dealer;
  if (name == "Vulnerable") return Tag::vulnerable;
  if (name == "Deal") return Tag::deal;
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
  const std::size_t quote = value.find('"');
  if (quote == kNotFound) return false;
  text = value.substr(quote + 1);
  return true;
}

void take_dealer(std::string_view text, PbnState& state) {
  const std::string_view run = leading_run(text, is_hand_letter);
  if (run.empty()) return;
  state.dealer = run == "E" ? kEast : run == "S" ? kSouth : run == "W" ? kWest : kNorth;
}

void take_vulnerability(std::string_view text, PbnState& state) {
  const std::string_view run = leading_run(text, is_vulnerability_letter);
  if (run.empty()) return;
  state.vulnerability = run == "NS"   ? kNorthSouthVulnerable
                        : run == "EW" ? kEastWestVulnerable
                        : run == "A"  ? kBothVulnerable
                                      : kNoneVulnerable;
}

// False when the reader must stop.
bool take_deal(std::string_view text, PbnState& state, DealWriter& writer) {
  if (!parse_pbn_deal(text, state.deal)) return false;
  const auto rotation = static_cast<std::size_t>(state.dealer * kVulnerabilities + state.vulnerability);
  const std::int32_t board = state.board != 0 ? state.board : kRotationBoard[rotation];
  // A Board tag serves the next deal only.
  state.board = 0;
  return writer.write_deal(state.deal, board);
}

// False when the reader must stop.
bool take_tag(Tag tag, std::string_view text, PbnState& state, DealWriter& writer) {
  switch (tag) {
    case Tag::board:
      // A value that does not begin with an integer, or one too large for a
      // board number, leaves the board number as it was.
      scan_decimal(text, state.board);
      break;
    case Tag::dealer: take_dealer(text, state); break;
    case Tag::vulnerable: take_vulnerability(text, state); break;
    case Tag::deal: return take_deal(text, state, writer);
    case Tag::other: break;
  }
  return true;
}

}  // namespace

ReadResult read_pbn_file(TextInput& input, DealWriter& writer) {
  std::array<char, kLineLength> buffer;
  PbnState state;
  for (std::string_view line; !(line = input.next_line(buffer)).empty();) {
    // A line is read as a C string: a zero byte ends it.
    std::string_view rest;
    std::string_view text;
    const Tag tag = tag_of(c_text(line), rest);
    if (tag == Tag::other || !tag_text(rest, text)) continue;
    if (!take_tag(tag, text, state, writer)) return ReadResult::stopped;
  }
  return ReadResult::complete;
}

}  // namespace pipsweep
