// Writes a deal file of random (but valid) deals in one of the six formats,
// for timing pipsweep on large inputs:
//   pipsweep_gen FORMAT COUNT > file
// FORMAT is pbn, dup, bri, dlm, csv or dge. The same COUNT always gives the
// same file.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kRanks = "AKQJT98765432";
using Deal = std::array<int, 52>;  // card index -> hand 0..3 (N, E, S, W)

Deal random_deal(std::mt19937& rng) {
  Deal deal{};
  std::array<int, 52> cards{};
  for (int i = 0; i < 52; ++i) cards[static_cast<std::size_t>(i)] = i;
  std::shuffle(cards.begin(), cards.end(), rng);
  for (int i = 0; i < 52; ++i) deal[static_cast<std::size_t>(cards[static_cast<std::size_t>(i)])] = i / 13;
  return deal;
}

// One hand as suit strings, spades first.
std::array<std::string, 4> suits_of(const Deal& deal, int hand) {
  std::array<std::string, 4> suits;
  for (int card = 0; card < 52; ++card) {
    if (deal[static_cast<std::size_t>(card)] == hand) {
      suits[static_cast<std::size_t>(card / 13)] += kRanks[static_cast<std::size_t>(card % 13)];
    }
  }
  return suits;
}

std::string join(const std::array<std::string, 4>& suits, char separator) {
  return suits[0] + separator + suits[1] + separator + suits[2] + separator + suits[3];
}

void put(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

// 39 two-character card numbers for North, East and South.
std::string numbered_hands(const Deal& deal) {
  std::string text;
  for (int hand = 0; hand < 3; ++hand) {
    for (int card = 0; card < 52; ++card) {
      if (deal[static_cast<std::size_t>(card)] == hand) {
        char field[3];
        std::snprintf(field, sizeof field, "%02d", card + 1);
        text += field;
      }
    }
  }
  return text;
}

void write_pbn(const Deal& deal, int board) {
  static constexpr std::array<std::string_view, 4> kDealer{"N", "E", "S", "W"};
  static constexpr std::array<std::string_view, 4> kVul{"None", "NS", "EW", "All"};
  const int dealer = (board - 1) % 4;
  const int vul = ((board - 1) % 4 + (board - 1) / 4) % 4;
  put("[Event \"Generated\"]\r\n[Site \"Club\"]\r\n[Date \"2026.12.07\"]\r\n[Board \"" +
      std::to_string(board) + "\"]\r\n[Dealer \"" + std::string(kDealer[static_cast<std::size_t>(dealer)]) +
      "\"]\r\n[Vulnerable \"" + std::string(kVul[static_cast<std::size_t>(vul)]) + "\"]\r\n[Deal \"N:" +
      join(suits_of(deal, 0), '.') + ' ' + join(suits_of(deal, 1), '.') + ' ' +
      join(suits_of(deal, 2), '.') + ' ' + join(suits_of(deal, 3), '.') + "\"]\r\n\r\n");
}

void write_dup(const Deal& deal, int board) {
  std::string record = numbered_hands(deal);
  record += std::string(68, ' ');
  // Piece 3: two flag characters, then the board number, blank-padded.
  std::string tail = "YN" + std::to_string(board);
  tail.resize(10, ' ');
  record += tail;
  put(record);
}

void write_bri(const Deal& deal) {
  std::string record = numbered_hands(deal);
  record += std::string(32, ' ');
  record += std::string(128 - record.size(), '\0');
  put(record);
}

void write_dlm_header(int count) {
  put("[Document]\r\nHeadline=Generated\r\nFrom board=1\r\nTo board=" + std::to_string(count) +
      "\r\n");
}

void write_dlm(const Deal& deal, int board) {
  std::string letters;
  for (std::size_t i = 0; i < 52; i += 2) letters += static_cast<char>('a' + deal[i] * 4 + deal[i + 1]);
  put("Board " + std::to_string(board) + "=" + letters + "\r\n");
}

void write_csv(const Deal& deal, int board) {
  std::string line;
  for (int hand = 0; hand < 4; ++hand) line += join(suits_of(deal, hand), ',') + ',';
  put(line + std::to_string(board) + "\r\n");
}

void write_dge(const Deal& deal) {
  static constexpr std::array<char, 4> kMarks{'\x06', '\x03', '\x04', '\x05'};
  std::string record;
  for (int hand = 0; hand < 4; ++hand) {
    const auto suits = suits_of(deal, hand);
    std::string field(1, kMarks[0]);
    for (std::size_t s = 0; s < 4; ++s) {
      if (s > 0) field += kMarks[s];
      field += suits[s];
    }
    record += field;
  }
  record += std::string(128 - record.size(), '\0');
  put(record);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: pipsweep_gen pbn|dup|bri|dlm|csv|dge COUNT\n", stderr);
    return 2;
  }
  const std::string_view format = argv[1];
  const int count = std::atoi(argv[2]);
  std::mt19937 rng(20261207u);
  if (format == "dlm") write_dlm_header(count);
  for (int board = 1; board <= count; ++board) {
    const Deal deal = random_deal(rng);
    if (format == "pbn") write_pbn(deal, board);
    else if (format == "dup") write_dup(deal, board);
    else if (format == "bri") write_bri(deal);
    else if (format == "dlm") write_dlm(deal, board);
    else if (format == "csv") write_csv(deal, board);
    else if (format == "dge") write_dge(deal);
    else {
      std::fprintf(stderr, "unknown format %s\n", argv[1]);
      return 2;
    }
  }
  return 0;
}
