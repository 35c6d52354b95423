#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "support/run.hpp"

namespace pipsweep::testing {
namespace {

using namespace std::string_literals;

// The letters a dealing machine writes for a deal: each pair of cards in
// pack order as "a" plus four times the first card's hand plus the second's.
std::string encode(const DealVector& deal) {
  std::string letters;
  for (std::size_t card = 0; card < deal.size(); card += 2) {
    letters += static_cast<char>('a' + 4 * deal[card] + deal[card + 1]);
  }
  return letters;
}

// The deal of "hgoigfidhdmmocdgingoleeine", worked out by hand.
const DealVector kWorked = deal_from_hands(kWorkedHands);
const std::string kWorkedLetters = "hgoigfidhdmmocdgingoleeine";

// Each hand holds one whole suit.
const DealVector kSuits =
    deal_from_hands("AKQJT98765432...", ".AKQJT98765432..", "..AKQJT98765432.", "...AKQJT98765432");

std::string board_line(std::string_view key, const DealVector& deal) {
  return std::string(key) + "=" + encode(deal) + "\n";
}

const std::string kNotFound = "String [Document] not found!\n";

TEST(DlmReader, WorkedExampleWritesBoardSevenAndStopsAtSeventeen) {
  ASSERT_EQ(encode(kWorked), kWorkedLetters);
  const std::string input = "[Document]\nTo board=16\nBoard 7=" + kWorkedLetters +
                            "\nBoard 17=" + kWorkedLetters + "\n";
  expect_reader_run("set.dlm", {"worked example", input,
                                "last board = 16\n" + deal_text(kWorked, 7), deal_text(kWorked, 7)});
}

std::vector<ReaderCase> cases() {
  const std::string head = "[Document]\nTo board=5\n";
  const std::string last5 = "last board = 5\n";
  const std::string w1 = deal_text(kWorked, 1);
  const std::string s2 = deal_text(kSuits, 2);

  std::string thirty_two = "[Document]\nTo board=16\n";
  std::string first_sixteen = "last board = 16\n";
  for (int board = 1; board <= 32; ++board) {
    const DealVector& deal = board % 2 == 0 ? kSuits : kWorked;
    thirty_two += board_line("Board " + std::to_string(board), deal);
    if (board <= 16) first_sixteen += deal_text(deal, board);
  }
  thirty_two += board_line("Board 3", kSuits);

  // A line longer than 1023 characters is read in pieces; here the second
  // piece starts exactly at a board key.
  const std::string long_line = "Note=" + std::string(1018, 'x') + board_line("Board 2", kSuits);

  DealVector ace_to_north = kWorked;
  ace_to_north[0] = kNorth;

  std::string nul_in_value = "Board 1=" + kWorkedLetters + "\n";
  nul_in_value[18] = '\0';

  return {
      {"keys in any case", "[DoCuMeNt]\nTO BOARD=5\nbOaRd 1=" + kWorkedLetters + "\n", last5 + w1,
       w1, 0},
      {"document key with blank after", "[Document] \n" + board_line("Board 0", kWorked),
       kNotFound + kNoDeals, "", kFailureStatus},
      {"document key with blank before", " [Document]\n" + board_line("Board 0", kWorked),
       kNotFound + kNoDeals, "", kFailureStatus},
      {"document key with a value",
       "[Document]=Tuesday\nTo board=5\n" + board_line("Board 2", kSuits), last5 + s2, s2, 0},
      {"document key cut at a high byte",
       "[Document]\xC2\xA0\nTo board=5\n" + board_line("Board 2", kSuits), last5 + s2, s2, 0},
      {"empty file", "", kNotFound + kNoDeals, "", kFailureStatus},
      {"document line but no boards", "[Document]\nTo board=5\n", last5 + kNoDeals, "",
       kFailureStatus},
      {"lines before the document line are not read",
       board_line("Board 1", kSuits) + "To board=16\n[Document]\n" +
           board_line("Board 0", kWorked) + board_line("Board 1", kSuits),
       deal_text(kWorked, 0), deal_text(kWorked, 0), 0},
      {"to board with a blank before the equals sign",
       "[Document]\nTo board =16\n" + board_line("Board 1", kWorked), kNoDeals, "", kFailureStatus},
      {"to board with two blanks", "[Document]\nTo  board=16\n" + board_line("Board 1", kWorked),
       kNoDeals, "", kFailureStatus},
      {"boards zero and negative",
       "[Document]\n" + board_line("Board 0", kWorked) + board_line("Board -3", kSuits),
       deal_text(kWorked, 0) + deal_text(kSuits, -3), deal_text(kWorked, 0) + deal_text(kSuits, -3),
       0},
      {"boards 1 to 32 with last board 16", thirty_two, first_sixteen,
       first_sixteen.substr(std::string("last board = 16\n").size()), 0},
      {"second to board line",
       "[Document]\nTo board=1\n" + board_line("Board 1", kWorked) + "To board=2\n" +
           board_line("Board 2", kSuits) + board_line("Board 3", kWorked),
       "last board = 1\n" + w1 + "last board = 2\n" + s2, w1 + s2, 0},
      {"other keys are passed over",
       head + "From board=1\nProperty 01=x\nBoards 1=x\n" + board_line("Board1", kSuits) +
           board_line("xboard 1", kSuits) + board_line("Board 1", kWorked),
       last5 + w1, w1, 0},
      // Blanks before the board word count for nothing; before "To board"
      // they make another key.
      {"blanks before a board key", head + "  Board 1=" + kWorkedLetters + "\n", last5 + w1, w1, 0},
      {"blanks before the to board key",
       "[Document]\n To board=16\n" + board_line("Board 1", kWorked), kNoDeals, "", kFailureStatus},
      {"a control byte second in the key cuts it short: no board",
       head + "\t\tBoard 1=" + kWorkedLetters + "\n" + board_line("Board 2", kSuits), last5 + s2, s2, 0},
      {"empty line and line starting with equals",
       head + "\n=Board 1\n=" + kWorkedLetters + "\n" + board_line("Board 2", kSuits), last5 + s2,
       s2, 0},
      {"board line without equals sign",
       head + board_line("Board 1", kWorked) + "Board 2\n" + board_line("Board 3", kSuits),
       last5 + w1 + "error!", w1, kFailureStatus},
      // "d" gives the ace of spades to North instead of East: 14 and 12 cards.
      {"a letter that gives a hand 14 cards", head + board_line("Board 1", kWorked) + "Board 2=d" +
           kWorkedLetters.substr(1) + "\n" + board_line("Board 3", kSuits),
       last5 + w1 + deal_text(ace_to_north, 2) + kNotABridgeDeal,
       w1 + deal_text(ace_to_north, 2), kFailureStatus},
      {"capital deal letters", head + "Board 1=HGOIGFIDHDMMOCDGINGOLEEINE\n",
       last5 + "error!" + kNoDeals, "", kFailureStatus},
      {"letter past p", head + "Board 1=" + kWorkedLetters.substr(0, 25) + "q\n",
       last5 + "error!" + kNoDeals, "", kFailureStatus},
      {"blank before the letters", head + "Board 1= " + kWorkedLetters + "\n",
       last5 + "error!" + kNoDeals, "", kFailureStatus},
      {"too few letters", head + "Board 1=" + kWorkedLetters.substr(0, 20) + "\n",
       last5 + "error!" + kNoDeals, "", kFailureStatus},
      {"zero byte among the letters", head + nul_in_value, last5 + "error!" + kNoDeals, "",
       kFailureStatus},
      {"text after the letters is not read", head + "Board 1=" + kWorkedLetters + "qq 17\n",
       last5 + w1, w1, 0},
      {"CR LF line ends",
       "[Document]\r\nTo board=5\r\nBoard 1=" + kWorkedLetters + "\r\nBoard 6=\r\n", last5 + w1, w1,
       0},
      {"long line read in pieces", head + long_line, last5 + s2, s2, 0},
      // A board key without a usable number is board 0, never the number
      // of the board before it.
      {"board word alone", head + board_line("Board 2", kSuits) + board_line("Board", kWorked),
       last5 + s2 + deal_text(kWorked, 0), s2 + deal_text(kWorked, 0), 0},
      {"board number cut off by a tab",
       head + board_line("Board 2", kSuits) + board_line("Board\t3", kWorked),
       last5 + s2 + deal_text(kWorked, 0), s2 + deal_text(kWorked, 0), 0},
      {"board number too large",
       head + board_line("Board 2", kSuits) + board_line("Board 99999999999", kWorked),
       last5 + s2 + deal_text(kWorked, 0), s2 + deal_text(kWorked, 0), 0},
      {"to board too large keeps the last board",
       "[Document]\nTo board=1\nTo board=2147483648\nTo board=none\n" +
           board_line("Board 1", kWorked) + board_line("Board 2", kSuits),
       "last board = 1\nlast board = 1\nlast board = 1\n" + w1, w1, 0},
      {"largest and smallest board numbers",
       "[Document]\nTo board=2147483647\n" + board_line("Board 2147483647", kWorked) +
           board_line("Board -2147483648", kSuits),
       "last board = 2147483647\n" + deal_text(kWorked, 2147483647) +
           deal_text(kSuits, -2147483647 - 1),
       deal_text(kWorked, 2147483647) + deal_text(kSuits, -2147483647 - 1), 0},
  };
}

TEST(DlmReader, Cases) {
  expect_reader_runs("set.dlm", cases());
}

// A club's file as its dealing machine writes it: CR LF line ends, a
// section before the document, many extra keys, and two boards more than
// "To board" announces.
TEST(DlmReader, ClubFileFromDealingMachine) {
  static constexpr std::array<std::array<std::string_view, 4>, 16> kHands{{
      {"QT6.QT7.KQ753.T5", "2.A932.J864.QJ96", "AJ98743.5.AT9.AK", "K5.KJ864.2.87432"},
      {"942.KQ85.T952.87", "QT65.J3.J63.6542", "A3.AT97.K84.AKQT", "KJ87.642.AQ7.J93"},
      {"K762.QJT872.T.K5", "AQ98..KJ876.QT76", "5.A6543.Q5432.32", "JT43.K9.A9.AJ984"},
      {"6.T7.QT9432.9642", "QJ75.AJ65.75.KJT", "AKT82.Q92.J.AQ53", "943.K843.AK86.87"},
      {"KJ.AK2.QJ8764.T6", "976.QT8.AKT.Q987", "T2.754.9532.J542", "AQ8543.J963..AK3"},
      {"862.A9643.KJ9.T2", "KJ.KQJ.QT876.J65", "Q953.T52.A32.743", "AT74.87.54.AKQ98"},
      {"KQJ64.A932.7.AT7", "73.QJT.AQ6.K9862", "952.K8765.K82.Q5", "AT8.4.JT9543.J43"},
      {"5.QT543.43.QJT85", "QT84.97.AJ852.A4", "J63.A86.KQ976.93", "AK972.KJ2.T.K762"},
      {"973.Q74.9532.KQJ", "K84.AT83.KQT6.A8", "AJT.K95.A874.T43", "Q652.J62.J.97652"},
      {"T4.853.AT8765.J3", "AK53.J9.Q92.K842", "987.AKQ4.K3.AT76", "QJ62.T762.J4.Q95"},
      {"A965.KQ.KQJ32.84", "873.97.954.Q7632", "J.AJ85.A876.AKT9", "KQT42.T6432.T.J5"},
      {"QT93.JT3.T743.A4", "J8.A4.K852.KQJ85", "A76542.952.A.T97", "K.KQ876.QJ96.632"},
      {"T865.T95.3.QJ654", "2.A743.QJ62.T983", "KQ93.QJ8.A975.72", "AJ74.K62.KT84.AK"},
      {"2.A8642.KQJ8.986", "KQ93.53.A72.K754", "AT654.Q.T64.AQ32", "J87.KJT97.953.JT"},
      {"Q742.AQJ.T865.K5", "T86.98632.Q97.T9", "AJ5.T74.A3.J8643", "K93.K5.KJ42.AQ72"},
      {"J2.J983.KJT.Q983", "AKQ7.AQT52.53.76", "T96543..Q742.KJT", "8.K764.A986.A542"},
  }};
  std::string deals;
  for (std::size_t i = 0; i < kHands.size(); ++i) {
    const auto& h = kHands[i];
    deals += deal_text(deal_from_hands(h[0], h[1], h[2], h[3]), static_cast<int>(i) + 1);
  }
  expect_reader_run("club.dlm", {"club file", read_file(PIPSWEEP_EXAMPLES "/club.dlm"),
                                 "last board = 16\n" + deals, deals});
}

}  // namespace
}  // namespace pipsweep::testing
