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

// The run of characters from the set at the very start of the text, as
// "%[...]" takes it (no white space skipped).
std::string_view leading_run(std::string_view text, std::string_view set) {
  return text.substr(0, std::min(text.find_first_not_of(set), text.size()));
}

constexpr std::array<std::int8_t, 256> kHandOfByte = letter_table("NESW");

HandCode hand_of_letter(char letter) { return kHandOfByte[static_cast<unsigned char>(letter)]; }

// A value that does not begin with an integer, or one too large for the
// board number, leaves the board number as it was.
void take_board(std::string_view text, PbnState& state) {
  std::int32_t board = 0;
  if (scan_decimal(text, board) == ScanResult::number) state.board = board;
}

void take_dealer(std::string_view text, PbnState& state) {
  const std::string_view run = leading_run(text, "NESW");
  if (run.empty()) return;
  state.dealer = run == "E" ? 1 : run == "S" ? 2 : run == "W" ? 3 : 0;
}

void take_vulnerability(std::string_view text, PbnState& state) {
  const std::string_view run = leading_run(text, "NESWA");
  if (run.empty()) return;
  state.vulnerability = run == "NS" ? 1 : run == "EW" ? 2 : run == "A" ? 3 : 0;
}

// Returns -1 when the reader must stop.
int take_deal(std::string_view text, PbnState& state) {
  if (parse_pbn_deal(text, state.deal) < 0) return -1;
  if (state.board == 0) {
    state.board = kRotationBoard[static_cast<std::size_t>(state.dealer * 4 + state.vulnerability)];
  }
  const std::int32_t result = write_deal(state.deal, state.board);
  state.board = 0;
  return result < 0 ? -1 : 0;
}

// The name and value of a tag line, as views into the line (up to its
// first zero byte): the name is the first word after the first "[", white
// space before it skipped ("%s"); the value runs from the first blank after
// the "[", the blank included, up to the next "]" or, without one, the end
// of the line with its line end ("%[^]]"). Either is empty when there is
// nothing to take. Returns 0 when the line holds no "[", 1 otherwise.
int find_pbn_tag(std::string_view line, std::string_view& name, std::string_view& value) {
  line = c_text(line);
  const std::size_t bracket = line.find('[');
  if (bracket == std::string_view::npos) return 0;
  const std::string_view rest = line.substr(bracket + 1);

  std::size_t start = 0;
  while (start < rest.size() && is_c_space(rest[start])) ++start;
  std::size_t end = start;
  while (end < rest.size() && !is_c_space(rest[end])) ++end;
  name = rest.substr(start, end - start);

  const std::size_t blank = rest.find(' ');
  value = {};
  if (blank != std::string_view::npos) {
    const std::string_view from_blank = rest.substr(blank);
    value = from_blank.substr(0, std::min(from_blank.find(']'), from_blank.size()));
  }
  return 1;
}

// Returns -1 when the reader must stop.
int handle_tag(std::string_view name, std::string_view value, PbnState& state) {
  const std::size_t quote = value.find('"');
  if (quote == std::string_view::npos) return 0;
  const std::string_view text = value.substr(quote + 1);
  if (name == "Board") {
    take_board(text, state);
  } else if (name == "Dealer") {
    take_dealer(text, state);
  } else if (name == "Vulnerable") {
    take_vulnerability(text, state);
  } else if (name == "Deal") {
    return take_deal(text, state);
  }
  return 0;
}

}  // namespace

int split_pbn_tag(std::string_view line, PbnField& name, PbnField& value) {
  std::string_view name_text;
  std::string_view value_text;
  if (find_pbn_tag(line, name_text, value_text) == 0) return 0;
  if (!name_text.empty()) name.assign(name_text);
  if (!value_text.empty()) value.assign(value_text);
  return 1;
}

int read_pbn_tag(PbnField& name, PbnField& value) {
  name.clear();
  value.clear();
  PbnLine line;
  const int got = read_input_text(line);
  if (got < 0) return got;
  if (got == 0) return -1;
  return split_pbn_tag(line.c_text(), name, value);
}

int parse_pbn_deal(std::string_view text, DealVector& deal) {
  const HandCode first = text.empty() ? -1 : hand_of_letter(text.front());
  if (first < 0) {
    std::fputs("first direction not recognized", stdout);
    return -1;
  }
  deal.fill(kNoHand);
  HandCode hand = first;
  int suit = 0;
  int cards = 0;
  // Whatever follows the 52nd card is not looked at.
  for (std::size_t i = 1; i < text.size() && cards < kCardCount && !is_end_byte(text[i]); ++i) {
    const char c = text[i];
    if (c == ' ') {
      hand = (hand + 1) % kHandCount;
      suit = 0;
    } else if (c == '.') {
      if (++suit == kSuitCount) {
        std::puts("error!");
        return -1;
      }
    } else if (const int rank = rank_position(c); rank >= 0) {
      deal[static_cast<std::size_t>(card_index(suit, rank))] = hand;
      ++cards;
    }
  }
  if (cards != kCardCount) {
    std::printf("%d cards!? ", cards);
    std::puts("error!");
    return -1;
  }
  return 0;
}

void read_pbn_file() {
  // Every line is looked at where it was read: tag lines are most of a
  // PBN file, and copying out their names and values cost more than the rest.
  PbnLine line;
  PbnState state;
  std::string_view name;
  std::string_view value;
  while (read_input_text(line) > 0) {
    if (find_pbn_tag(line.c_text(), name, value) > 0 && handle_tag(name, value, state) < 0) return;
  }
}

}  // namespace pipsweep
