#include "support/run.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pipsweep::testing {
namespace {

std::string tag(std::string_view name, std::string_view value) {
  return "[" + std::string(name) + " \"" + std::string(value) + "\"]\n";
}

std::string deal_tag(std::string_view text = kWorkedDealText) { return tag("Deal", text); }

// What the writer prints for the one deal under each board number.
std::string boards(const std::vector<int>& numbers) {
  const DealVector deal = deal_from_hands(kWorkedHands);
  std::string text;
  for (const int board : numbers) text += deal_text(deal, board);
  return text;
}

// A run that writes the listed boards and nothing else, with these marks
// (see marks_text) when given.
ReaderCase written(std::string name, std::string input, const std::vector<int>& numbers,
                   std::optional<std::vector<std::string>> marks = std::nullopt) {
  const std::string text = boards(numbers);
  return {std::move(name), std::move(input), text, text, 0, std::move(marks)};
}

// A run whose only deal text is rejected with this diagnostic.
ReaderCase rejected(std::string name, std::string_view deal_text, std::string_view diagnostic) {
  return {std::move(name), deal_tag(deal_text), std::string(diagnostic) + kNoDeals, "",
          kFailureStatus};
}

void run_cases(const std::vector<ReaderCase>& cases) { expect_reader_runs("deals.pbn", cases); }

TEST(PbnReader, WorkedExampleGivesBoardSevenFromDealerAndVulnerability) {
  const std::string input =
      "[Event \"Club pairs\"]\n[Dealer \"S\"]\n[Vulnerable \"All\"]\n" + deal_tag();
  const std::string expected =
      "Board 7\n"
      " RLR DLD DTR DRR D TTL RLT LLT LTL D TDT LRD DTL RRD L DDL RTR TDT LRR T\n";
  expect_deals_written("club.pbn", input, expected);
}

TEST(PbnReader, DealerAndVulnerabilityGiveTheBoardOfTheRotation) {
  // Boards 1 to 16: dealer turns clockwise from North; vulnerability as on
  // any set of duplicate boards.
  constexpr std::array<std::string_view, 16> kVulnerable{"None", "NS",   "EW", "All", "NS",   "EW",
                                                         "All",  "None", "EW", "All", "None", "NS",
                                                         "All",  "None", "NS", "EW"};
  std::string input;
  std::vector<int> numbers;
  // The marks are what the tags say.
  std::vector<std::string> marks;
  for (int board = 1; board <= 16; ++board) {
    const std::string dealer(1, "NESW"[(board - 1) % 4]);
    const std::string_view vulnerable = kVulnerable[static_cast<std::size_t>(board - 1)];
    input += tag("Dealer", dealer);
    input += tag("Vulnerable", vulnerable);
    input += deal_tag();
    numbers.push_back(board);
    marks.push_back(dealer + " " + std::string(vulnerable));
  }
  run_cases({written("all sixteen", input, numbers, marks)});
}

TEST(PbnReader, BoardNumbers) {
  run_cases({
      written("no tags at all", deal_tag(), {1}),
      written("0 and ? fall back to the rotation",
              tag("Dealer", "E") + tag("Vulnerable", "NS") + tag("Board", "0") + deal_tag() +
                  tag("Board", "?") + deal_tag(),
              {2, 2}),
      written("negative", tag("Board", "-3") + deal_tag(), {-3}),
      written("a Board tag serves one deal; dealer and vulnerability stay",
              tag("Dealer", "W") + tag("Vulnerable", "EW") + tag("Board", "21") + deal_tag() +
                  deal_tag(),
              {21, 16}),
      written("a value too large for the board number changes nothing",
              tag("Dealer", "W") + tag("Board", "4294967301") + deal_tag() + tag("Board", "30") +
                  tag("Board", "2147483648") + deal_tag() + tag("Board", "2147483647") +
                  deal_tag() + tag("Board", "-2147483648") + deal_tag(),
              {8, 30, 2147483647, -2147483647 - 1}),
      written("only the leading integer counts",
              tag("Board", " 12abc") + deal_tag() + tag("Board", "+5") + deal_tag(), {12, 5}),
      written("vulnerability before dealer: the same board",
              tag("Vulnerable", "All") + tag("Dealer", "S") + deal_tag(), {7}),
      written("the smallest board number is written whole", tag("Board", "-2147483648") + deal_tag(),
              {-2147483647 - 1}),
      written("the largest board number, one below it, and one above it that changes nothing",
              tag("Board", "2147483646") + deal_tag() + tag("Board", "2147483647") + deal_tag() +
                  tag("Board", "2147483648") + deal_tag(),
              {2147483646, 2147483647, 1}),
  });
}

// The rotation takes a run of letters at the start of the value; the marks
// show what the tags since the previous deal say, and the older words Both,
// Love and "-" too, which the rotation passes over. A deal without a tag of
// its own has no mark.
TEST(PbnReader, DealerAndVulnerableRuns) {
  std::string dealers;
  for (const std::string_view value : {"W", "s", "NE", "E", " S", "SS", "N", "S"}) {
    dealers += tag("Dealer", value) + deal_tag();
  }
  std::string vulnerable = tag("Dealer", "N");
  for (const std::string_view value :
       {"All", "Both", "NS", "Love", "EW", "-", "NSEW", "All", "None"}) {
    vulnerable += tag("Vulnerable", value) + deal_tag();
  }
  vulnerable += deal_tag();
  run_cases({
      written("dealer", dealers, {8, 8, 1, 14, 14, 1, 1, 11},
              {{"W ?", "? ?", "N ?", "E ?", "? ?", "N ?", "N ?", "S ?"}}),
      written("vulnerable", vulnerable, {13, 13, 5, 5, 9, 9, 1, 13, 1, 1},
              {{"N All", "? All", "? NS", "? None", "? EW", "? None", "? None", "? All", "? None", "? ?"}}),
  });
}

TEST(PbnReader, TagLines) {
  const std::string long_start(1022, 'x');
  // The CR of the Board tag's line is the last byte of the first 64 KiB
  // block, its LF the first of the next.
  const std::string board_line = "[Board \"5\"]";
  const std::string parted =
      blank_filler(kInputBlock - board_line.size() - 1) + board_line + "\r\n" + deal_tag() + deal_tag();
  EXPECT_EQ(parted.substr(kInputBlock - 1, 2), "\r\n");
  run_cases({
      written("names compare exactly; a value needs a double quote",
              "[board \"5\"]\n[Board\"5\"]\n[Board\t\"5\"]\n[dealer \"W\"]\n[Declarer \"W\"]\n"
              "[Dealer E]\n" +
                  deal_tag(),
              {1}),
      {"a deal text without quotes, or with the name run into it, is passed over",
       "[Deal S:J9852.2.K983.AK7]\n[Deal\"" + kWorkedDealText + "\"]\n", kNoDeals, "",
       kFailureStatus},
      written("only the first tag of a line counts",
              "[Dealer \"E\"] [Board \"5\"]\n" + deal_tag() + "[Board \"3\"] [Dealer \"W\"]\n" +
                  deal_tag() + deal_tag(),
              {14, 3, 14}),
      written("text around the tag",
              "Note: [Board \"6\"]\n" + deal_tag() + "  [ Board  \"7\"]\n" + deal_tag() +
                  "[Board \"8\"\n" + deal_tag() + "% [Board \"9\"]\n" + deal_tag() +
                  "[Board\t \"10\"]\n" + deal_tag(),
              {6, 7, 8, 9, 10}),
      written("a long line is read in pieces of 1023 characters",
              "%" + long_start + "[Board \"5\"]\n" + deal_tag() + "%" + long_start.substr(0, 1015) +
                  "[Board \"6\"]\n" + deal_tag(),
              {5, 1}),
      written("a zero byte ends the line",
              std::string("\0[Board \"5\"]\n", 13) + deal_tag() +
                  std::string("[Board \"6\0\"]\n", 13) + deal_tag(),
              {1, 6}),
      written("CR LF line ends",
              "[Dealer \"W\"]\r\n[Vulnerable \"EW\"]\r\n[Deal \"" + kWorkedDealText +
                  "\"]\r\n[Board \"4\"]\r\n" + "[Deal \"" + kWorkedDealText + "\r\n",
              {16, 4}),
      written("CR LF parted by the edge of a block", parted, {5, 1}),
  });
}

TEST(PbnReader, DealTexts) {
  // Every hand of the text lands one seat further on.
  const auto [north, east, south, west] = kWorkedHands;
  const DealVector moved_on = deal_from_hands(south, west, north, east);
  const DealVector seven_twice = deal_from_hands(north, east, south, "KT.QT8753.J62.Q7");
  run_cases({
      written(
          "West first, any other character passed over, nothing read after 52 cards",
          deal_tag("W;KT.QT8753.J62.Q5 7.AK964.AQ7.T862 AQ643.J.T54.J943 J9852.2.K983.AK7 ...."),
          {1}),
      {"a blank after the direction letter skips North",
       deal_tag("N KT.QT8753.J62.Q5 7.AK964.AQ7.T862 AQ643.J.T54.J943 J9852.2.K983.AK7"),
       deal_text(moved_on, 1), deal_text(moved_on, 1), 0},
      rejected("direction letter alone", "N", "0 cards!? error!\n"),
      rejected("ten written as 10",
               "S:J9852.2.K983.AK7 K10.QT8753.J62.Q5 7.AK964.AQ7.T862 AQ643.J.T54.J943",
               "51 cards!? error!\n"),
      rejected("a hand left out", "S:J9852.2.K983.AK7 - 7.AK964.AQ7.T862 AQ643.J.T54.J943",
               "39 cards!? error!\n"),
      rejected("a tab between hands",
               "S:J9852.2.K983.AK7\tKT.QT8753.J62.Q5 7.AK964.AQ7.T862 AQ643.J.T54.J943",
               "13 cards!? error!\n"),
      rejected("a lone CR between hands ends the text",
               "S:J9852.2.K983.AK7\rKT.QT8753.J62.Q5 7.AK964.AQ7.T862 AQ643.J.T54.J943",
               "13 cards!? error!\n"),
      rejected("byte 31 ends the text like every byte below it",
               "S:J9852.2.K983.AK7 KT.QT8753.J62.Q5\x1f" "7.AK964.AQ7.T862 AQ643.J.T54.J943", "26 cards!? error!\n"),
      rejected("a byte above 127 ends the text",
               "S:J9852.2.K983.AK7 KT.QT8753.J62.Q5 7.AK964\xE9.AQ7.T862 AQ643.J.T54.J943",
               "32 cards!? error!\n"),
      rejected("a fourth full stop in one hand",
               "S:J9852.2.K983.AK7. KT.QT8753.J62.Q5 7.AK964.AQ7.T862 AQ643.J.T54.J943",
               "error!\n"),
      rejected("lower-case direction letter", "s" + kWorkedDealText.substr(1),
               "first direction not recognized"),
      {"a rejected deal ends the run; earlier deals stay",
       deal_tag() + deal_tag("x" + kWorkedDealText.substr(1)) + deal_tag(),
       boards({1}) + "first direction not recognized", boards({1}), kFailureStatus},
      {"a card named twice is written unplaced, then the run ends",
       deal_tag("S:J9852.2.K983.AK7 KT.QT8753.J62.Q7 7.AK964.AQ7.T862 AQ643.J.T54.J943") +
           deal_tag(),
       deal_text(seven_twice, 1) + kNotABridgeDeal, deal_text(seven_twice, 1), kFailureStatus},
      {"a card missing from a deal between good ones",
       deal_tag() + deal_tag(kWorkedDealText.substr(0, kWorkedDealText.size() - 1)) + deal_tag(),
       boards({1}) + "51 cards!? error!\n", boards({1}), kFailureStatus},
      {"values that start with two quotes",
       tag("Board", "\"5") + deal_tag() + deal_tag("\"" + kWorkedDealText) + deal_tag(),
       boards({1}) + "first direction not recognized", boards({1}), kFailureStatus},
  });
}

// Boards 1 to 32 of examples/club-session.pbn, hands North, East, South, West.
struct ExampleBoard {
  int board;
  std::array<std::string_view, 4> hands;
};

constexpr std::array<ExampleBoard, 32> kClubSession{{
    {1, {".AT43.J987643.J8", "62.76.A52.AKT974", "KQ975.KJ9.KQ.652", "AJT843.Q852.T.Q3"}},
    {2, {"JT3.KT.A83.AJT73", "Q874.J765.742.86", "AK965.AQ84.Q5.Q9", "2.932.KJT96.K542"}},
    {3, {"QT.7632.J96.KQ84", "AK52.A9.874.A953", "7.KQJ8.KQT32.T72", "J98643.T54.A5.J6"}},
    {4, {"9852.Q873.AQ73.9", "7.J94.J642.KJ654", "AJ64.KT2.KT98.Q8", "KQT3.A65.5.AT732"}},
    {5, {"AT652.A9865.QJ.4", "K973..KT754.QJ53", "Q4.QJ43.962.KT87", "J8.KT72.A83.A962"}},
    {6, {"K6.93.JT953.AKT3", "T84.JT42.K874.74", "A9752.KQ.62.QJ82", "QJ3.A8765.AQ.965"}},
    {7, {"J984.AT82.A93.Q4", "AQ.QJ65.Q876.865", "762.K3.JT5.AKJ72", "KT53.974.K42.T93"}},
    {8, {"KJT9865.K5.2.973", "7.7432.Q954.QJT2", "Q3.T6.AT763.AK65", "A42.AQJ98.KJ8.84"}},
    {9, {"AK943.J5.AJ984.7", "QT2.QT974.K6.JT5", "J865.863.Q72.Q98", "7.AK2.T53.AK6432"}},
    {10, {"T654.T42.843.Q62", "KQ93.KQ75.Q.J943", "AJ.AJ98.K962.KT5", "872.63.AJT75.A87"}},
    {11, {"A984.K52.K54.T92", "7.AQ84.T8732.QJ8", "J52.93.AQJ9.A643", "KQT63.JT76.6.K75"}},
    {12, {"AJ5.T.AT84.AJT42", "T43.K8542.J75.K5", "K8.AQ97.63.Q9763", "Q9762.J63.KQ92.8"}},
    {13, {"T95.T64.QJ4.8763", "AJ86.A92.K63.K95", "KQ4.J753.982.AQT", "732.KQ8.AT75.J42"}},
    {14, {"T87.7654.A865.K7", "KQ54.Q.T943.JT93", "J2.AKJT32.72.865", "A963.98.KQJ.AQ42"}},
    {15, {"862.J5.T92.AKJ94", "AQ3.632.J53.Q753", "T975.K98.A84.862", "KJ4.AQT74.KQ76.T"}},
    {16, {"K2.AT63.987.AQ52", "J8.KQ972.5.J8763", "AQ3.J4.AKQT43.T4", "T97654.85.J62.K9"}},
    {17, {"AKT85.A92.Q43.T9", "QJ6.J8543.J85.K6", "74.KT76.976.J532", "932.Q.AKT2.AQ874"}},
    {18, {"A9754.J84.J6.J63", "JT3.AT93.KQ83.A7", "K86.Q52.52.KQT52", "Q2.K76.AT974.984"}},
    {19, {"9753.AKT63.8753.", "8.J9.AQ962.AK986", "KQJ6.Q854.KJ.JT3", "AT42.72.T4.Q7542"}},
    {20, {"987.843.J63.7653", "543.K76.K987.T82", "AJT62.A2.AQ5.AK4", "KQ.QJT95.T42.QJ9"}},
    {21, {"JT8743.AK.KJ.AQ6", "2.T97542.4.KT742", "65.QJ863.A8753.5", "AKQ9..QT962.J983"}},
    {22, {"AK76.T4.AJ862.97", "82.AKJ732.K53.A6", "95.965.Q97.Q8542", "QJT43.Q8.T4.KJT3"}},
    {23, {"42.J987.K32.T643", "A3.K3.AQJ76.9875", "QJT8.AQ62.T.AKQJ", "K9765.T54.9854.2"}},
    {24, {"5.AJ743.KQ742.Q4", "KQ832.5.AT985.83", "AJT97.KQ962..K95", "64.T8.J63.AJT762"}},
    {25, {"96.KT987.KT84.A8", "AQ832..532.KQT32", "T75.AQ643.97.965", "KJ4.J52.AQJ6.J74"}},
    {26, {"87653.QJ9.Q83.J3", "AKJ.T63.A.AKT964", "T2.82.JT765.Q875", "Q94.AK754.K942.2"}},
    {27, {"73.K93.AQ42.KQ74", "Q642.QT8754.T.T9", "AJT9.J2.876.A632", "K85.A6.KJ953.J85"}},
    {28, {"QJ952.K8.9642.93", "T4.J92.K8753.AK6", "7.AQT765.QJT.T84", "AK863.43.A.QJ752"}},
    {29, {"KQ83.986.Q976.J9", "976.42.K.AQT8754", "AJ4.AKJT75.AT5.6", "T52.Q3.J8432.K32"}},
    {30, {"86.QJT62.KT96.94", "JT75.A853..AKT85", "AQ3.7.QJ84.J7632", "K942.K94.A7532.Q"}},
    {31, {"8.Q865.KQ63.JT83", "KT973.42.A54.952", "QJ6.K97.JT987.76", "A542.AJT3.2.AKQ4"}},
    {32, {"Q9643.2.KJ752.85", "A.T74.AQT98643.2", "K87.KQ9863..QJT9", "JT52.AJ5..AK7643"}},
}};

TEST(PbnReader, ClubSessionFileGivesEveryBoard) {
  std::string expected;
  for (const ExampleBoard& b : kClubSession) {
    SCOPED_TRACE(b.board);
    const DealVector deal = deal_from_hands(b.hands[0], b.hands[1], b.hands[2], b.hands[3]);
    // Each board a whole pack: 13 cards to each hand and none left over.
    for (HandCode hand = kNorth; hand <= kWest; ++hand) {
      EXPECT_EQ(std::count(deal.begin(), deal.end(), hand), 13);
    }
    expected += deal_text(deal, b.board);
  }
  const std::string bytes = read_file(std::string(PIPSWEEP_EXAMPLES) + "/club-session.pbn");
  ASSERT_NE(bytes.find("\r\n"), std::string::npos);
  expect_deals_written("club-session.pbn", bytes, expected);
}

}  // namespace
}  // namespace pipsweep::testing
