// Writes a deal file of random (but valid) deals in one of the six formats,
// for timing pipsweep on large inputs:
//   pipsweep_gen FORMAT COUNT > file
// FORMAT is pbn, dup, bri, dlm, csv or dge; or pbn-full, a PBN as scoring
// and double-dummy programs write it (every usual tag, players, a contract
// and result, an optimum result table, a comment, CR LF): about 640 bytes a
// deal, against pbn's 190. The same COUNT always gives the same file.
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

// ---- pbn-full ----------------------------------------------------------

constexpr int kHands = 4;
constexpr int kSuits = 4;
constexpr int kCardsPerSuit = 13;
constexpr int kStrains = 5;  // the suits, then no trumps
constexpr int kNoTrumps = 4;
constexpr int kBook = 6;
constexpr int kTricks = 13;
constexpr int kHalfPoints = 20;  // a side's share of the 40 high-card points
constexpr int kPointsPerTrick = 3;
constexpr int kUsualFit = 8;
constexpr int kHighCards = 4;  // ace to jack count 4, 3, 2, 1

struct Side {
  int points = 0;
  std::array<int, kSuits> lengths{};
};

int high_card_points(const Deal& deal, int hand) {
  int points = 0;
  for (int card = 0; card < 52; ++card) {
    const int rank = card % kCardsPerSuit;
    if (deal[static_cast<std::size_t>(card)] == hand && rank < kHighCards) points += kHighCards - rank;
  }
  return points;
}

Side side_of(const Deal& deal, int first) {
  Side side;
  for (int card = 0; card < 52; ++card) {
    const int hand = deal[static_cast<std::size_t>(card)];
    if (hand == first || hand == first + 2) ++side.lengths[static_cast<std::size_t>(card / kCardsPerSuit)];
  }
  side.points = high_card_points(deal, first) + high_card_points(deal, first + 2);
  return side;
}

// Tricks North-South take in each strain: a rough estimate from points and
// fits, not a double-dummy solution, but shaped like one (the sides' tricks
// add up to 13).
std::array<int, kStrains> north_south_tricks(const Deal& deal) {
  const Side side = side_of(deal, 0);
  std::array<int, kStrains> tricks{};
  const int base = kBook + 1 + (side.points - kHalfPoints) / kPointsPerTrick;
  for (int strain = 0; strain < kStrains; ++strain) {
    int estimate = base;
    if (strain < kSuits) estimate += side.lengths[static_cast<std::size_t>(strain)] - kUsualFit;
    tricks[static_cast<std::size_t>(strain)] = std::clamp(estimate, 0, kTricks);
  }
  return tricks;
}

// The score of a contract bid to the tricks it takes.
int contract_score(int strain, int tricks, bool vulnerable) {
  constexpr int kMinorTrick = 20;
  constexpr int kMajorTrick = 30;
  constexpr int kFirstNoTrumpExtra = 10;
  constexpr int kMajors = 2;  // spades and hearts come first
  constexpr int kGame = 100;
  constexpr int kPartScoreBonus = 50;
  constexpr int kSmallSlam = 6;
  constexpr int kGrandSlam = 7;
  // Not vulnerable, vulnerable.
  constexpr std::array<int, 2> kGameBonus{300, 500};
  constexpr std::array<int, 2> kSmallSlamBonus{500, 750};
  constexpr std::array<int, 2> kGrandSlamBonus{1000, 1500};
  const int level = tricks - kBook;
  if (level < 1) return 0;
  const auto vul = static_cast<std::size_t>(vulnerable);
  int score = level * (strain < kMajors ? kMajorTrick : kMinorTrick);
  if (strain == kNoTrumps) score = level * kMajorTrick + kFirstNoTrumpExtra;
  score += score >= kGame ? kGameBonus[vul] : kPartScoreBonus;
  if (level == kSmallSlam) score += kSmallSlamBonus[vul];
  if (level == kGrandSlam) score += kGrandSlamBonus[vul];
  return score;
}

constexpr std::array<std::string_view, kHands> kHandLetters{"N", "E", "S", "W"};
constexpr std::array<std::string_view, kStrains> kStrainNames{"S", "H", "D", "C", "NT"};
// As the optimum result table lines them up.
constexpr std::array<std::string_view, kStrains> kTableStrains{" S", " H", " D", " C", "NT"};
constexpr std::array<std::string_view, 4> kVulnerabilities{"None", "NS", "EW", "All"};
constexpr std::array<std::string_view, 12> kPlayers{
    "Anderson", "Brennan", "Castillo", "Dubois", "Eriksen", "Fitzgerald",
    "Gallagher", "Hoffmann", "Iverson", "Jablonski", "Kowalczyk", "Lindqvist"};

void write_pbn_full_header() {
  put("% PBN 2.1\r\n% EXPORT\r\n%Content-type: text/x-pbn; charset=ISO-8859-1\r\n"
      "%Creator: pipsweep_gen, for timing\r\n");
}

void write_pbn_full(const Deal& deal, int board) {
  const int dealer = (board - 1) % kHands;
  const int vul = ((board - 1) % kHands + (board - 1) / kHands) % kHands;
  const std::string_view vulnerable = kVulnerabilities[static_cast<std::size_t>(vul)];
  const bool ns_vulnerable = vulnerable == "NS" || vulnerable == "All";
  const bool ew_vulnerable = vulnerable == "EW" || vulnerable == "All";
  const auto ns_tricks = north_south_tricks(deal);

  // The optimum: the best contract either side makes.
  int best_score = 0;
  int best_side = 0;
  int best_strain = kNoTrumps;
  int best_tricks = 0;
  for (int side = 0; side < 2; ++side) {
    for (int strain = 0; strain < kStrains; ++strain) {
      const int ns = ns_tricks[static_cast<std::size_t>(strain)];
      const int tricks = side == 0 ? ns : kTricks - ns;
      const int score = contract_score(strain, tricks, side == 0 ? ns_vulnerable : ew_vulnerable);
      if (score > best_score) {
        best_score = score;
        best_side = side;
        best_strain = strain;
        best_tricks = tricks;
      }
    }
  }
  // The stronger of the two hands declares.
  const int declarer = high_card_points(deal, best_side) >= high_card_points(deal, best_side + 2)
                           ? best_side : best_side + 2;
  const auto letter = [](int hand) { return std::string(kHandLetters[static_cast<std::size_t>(hand)]); };
  const auto player = [board](int hand) {
    // Each seat from its own part of the list; a new table every four boards.
    const std::size_t part = kPlayers.size() / kHands;
    return std::string(kPlayers[(static_cast<std::size_t>(board / kHands) + static_cast<std::size_t>(hand) * part) %
                                kPlayers.size()]);
  };
  const std::string contract =
      std::to_string(best_tricks - kBook) + std::string(kStrainNames[static_cast<std::size_t>(best_strain)]);
  const std::string optimum = std::string(best_side == 0 ? "NS " : "EW ") + std::to_string(best_score);

  std::string text = "[Event \"Riverside Club Pairs\"]\r\n[Site \"Riverside Bridge Club\"]\r\n"
                     "[Date \"2026.12.07\"]\r\n[Board \"" + std::to_string(board) + "\"]\r\n";
  text += "[West \"" + player(3) + "\"]\r\n[North \"" + player(0) + "\"]\r\n[East \"" + player(1) +
          "\"]\r\n[South \"" + player(2) + "\"]\r\n";
  text += "[Dealer \"" + letter(dealer) + "\"]\r\n[Vulnerable \"" +
          std::string(vulnerable) + "\"]\r\n";
  text += "[Deal \"N:" + join(suits_of(deal, 0), '.') + ' ' + join(suits_of(deal, 1), '.') + ' ' +
          join(suits_of(deal, 2), '.') + ' ' + join(suits_of(deal, 3), '.') + "\"]\r\n";
  text += "[Scoring \"MatchPoints\"]\r\n[Declarer \"" + letter(declarer) + "\"]\r\n[Contract \"" +
          contract + "\"]\r\n[Result \"" + std::to_string(best_tricks) + "\"]\r\n";
  text += "{Par " + optimum + ": " + contract + " by " + letter(declarer) + "}\r\n";
  text += "[OptimumScore \"" + optimum + "\"]\r\n";
  text += "[OptimumResultTable \"Declarer;1R\\Denomination;2R\\Result;2R\"]\r\n";
  for (int hand = 0; hand < kHands; ++hand) {
    for (int strain = kNoTrumps; strain >= 0; --strain) {
      const int ns = ns_tricks[static_cast<std::size_t>(strain)];
      const int tricks = hand % 2 == 0 ? ns : kTricks - ns;
      text += letter(hand) + ' ' + std::string(kTableStrains[static_cast<std::size_t>(strain)]) + ' ' +
              std::to_string(tricks) + "\r\n";
    }
  }
  put(text + "\r\n");
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
    std::fputs("usage: pipsweep_gen pbn|pbn-full|dup|bri|dlm|csv|dge COUNT\n", stderr);
    return 2;
  }
  const std::string_view format = argv[1];
  const int count = std::atoi(argv[2]);
  std::mt19937 rng(20261207u);
  if (format == "dlm") write_dlm_header(count);
  if (format == "pbn-full") write_pbn_full_header();
  for (int board = 1; board <= count; ++board) {
    const Deal deal = random_deal(rng);
    if (format == "pbn") write_pbn(deal, board);
    else if (format == "pbn-full") write_pbn_full(deal, board);
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
