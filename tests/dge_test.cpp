#include "support/run.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace pipsweep::testing {
namespace {

using namespace std::string_literals;

constexpr std::size_t kRecordWidth = 128;

// A record laid out as writers do: per hand a lead byte and its 16 card
// positions, then padding up to 128 bytes.
std::string dge_record(const Hands& hands, char lead = ' ', char pad = ' ') {
  std::string record;
  for (const std::string_view cards : hands) {
    EXPECT_EQ(cards.size(), 16u) << "test record field: " << cards;
    record += lead;
    record += cards;
  }
  record.resize(kRecordWidth, pad);
  return record;
}

// The layout of most club files: a spade mark leads each field, and the
// heart, diamond and club marks stand where the suits change.
std::string marked_record(const Hands& hands) {
  std::array<std::string, 4> fields;
  for (std::size_t h = 0; h < hands.size(); ++h) {
    char mark = '\x03';
    for (const char c : hands[h]) fields[h] += c == '.' ? mark++ : c;
  }
  std::string record = dge_record({fields[0], fields[1], fields[2], fields[3]}, '\x06', '\0');
  record.replace(70, 10, "  Board 17");  // writers keep their own data here
  return record;
}

const Hands kDealA{"AKQJ.AKQ.AKQ.AKQ", "T987.JT9.JT9.JT9", "654.8765.876.876", "32.432.5432.5432"};
const Hands kDealB{"AKQJT98765...432", ".AKQJT98765432..", "..AKQJT98765432.", "432...AKQJT98765"};
const Hands kDealC{"QJ43.T2.AJ87.AK5", "76.QJ9543.QT54.J", "AT2.AK7.K9632.74", "K985.86..QT98632"};

const std::string kRecordA = dge_record(kDealA);
const std::string kRecordB = dge_record(kDealB);
const std::string kRecordC = dge_record(kDealC);

TEST(DgeReader, FullStopsBetweenSuitsAndBlankLeadByte) {
  const std::string expected =
      "Board 1\n TTT TRR RRD DDL L TTT RRR DDD DLL L TTT RRR DDD LLL L TTT RRR DDD LLL L\n";
  expect_deals_written("deals.dge", kRecordA, expected);
}

TEST(DgeReader, VoidSuitsAsSeparatorsSideBySide) {
  const std::string expected =
      "Board 1\n TTT TTT TTT TLL L RRR RRR RRR RRR R DDD DDD DDD DDD D LLL LLL LLL LTT T\n";
  expect_deals_written("deals.dge", kRecordB, expected);
}

TEST(DgeReader, FourthSeparatorStopsParsingAndTheReader) {
  const std::string bytes =
      dge_record({"AKQ.JT9.876.54.3", kDealA[1], kDealA[2], kDealA[3]}) + kRecordA;
  const std::string deal =
      "Board 1\n TTT ??? ??? ??? ? ??? TTT ??? ??? ? ??? ??? TTT ??? ? ??? ??? ??? TT? ?\n";
  // The faulty deal is still written, then refused: the run fails.
  expect_reader_run("deals.dge",
                    {"fourth separator", bytes, "error!" + deal + kNotABridgeDeal, deal, kFailureStatus});
}

TEST(DgeReader, RecordsByteForByte) {
  const DealVector a = deal_from_hands(kDealA);
  const DealVector b = deal_from_hands(kDealB);
  const DealVector c = deal_from_hands(kDealC);
  const std::string a_127 = kRecordA.substr(0, 127);
  // A hand with 14 letters but only three suits: the ace of spades twice.
  const Hands k53{kDealA[0], kDealA[1], "65.87.87.8765432", "A432.65432.65432"};
  const DealVector d53 =
      deal_from_hands("KQJ.AKQ.AKQ.AKQ", kDealA[1], "65.87.87.8765432", "A432.65432.65432");
  // The same, with the two of diamonds left out.
  const Hands twice_missing{k53[0], k53[1], k53[2], "A432.65432.6543."};
  const DealVector d_twice_missing =
      deal_from_hands("KQJ.AKQ.AKQ.AKQ", kDealA[1], k53[2], "A432.65432.6543");
  const DealVector east_part = deal_from_hands(kDealA[0], "T987.JT9..JT9", "", "");
  const DealVector club_two_out =
      deal_from_hands(kDealA[0], kDealA[1], kDealA[2], "32.432.5432.543");
  const Hands sixteen{"AKQJT98765432AKQ", kDealB[1], kDealB[2], "...AKQJT98765432"};
  const DealVector by_suit = deal_from_hands("AKQJT98765432", kDealB[1], kDealB[2], sixteen[3]);

  const std::vector<ReaderCase> cases{
      {"empty file", "", kNoDeals, "", kFailureStatus},
      {"three sound records", kRecordA + kRecordB + kRecordC,
       deal_text(a, 1) + deal_text(b, 2) + deal_text(c, 3),
       deal_text(a, 1) + deal_text(b, 2) + deal_text(c, 3)},
      {"suit marks, NUL padding and writer data behind the hands",
       marked_record(kDealC) + marked_record(kDealB), deal_text(c, 1) + deal_text(b, 2),
       deal_text(c, 1) + deal_text(b, 2)},
      {"fourth separator in East of the second record",
       kRecordA + dge_record({kDealA[0], "T987.JT9..JT9.JT", kDealA[2], kDealA[3]}) + kRecordB,
       deal_text(a, 1) + "error!" + deal_text(east_part, 2) + kNotABridgeDeal,
       deal_text(a, 1) + deal_text(east_part, 2), kFailureStatus},
      // Sixteen positions hold at most three separators, so a hand short of
      // a card always meets a fourth one.
      {"51 rank letters",
       dge_record({kDealA[0], kDealA[1], kDealA[2], "32.432.5432.543 "}) + kRecordB,
       "error!" + deal_text(club_two_out, 1) + kNotABridgeDeal, deal_text(club_two_out, 1), kFailureStatus},
      // North keeps 12 cards and West holds 14: no bridge deal.
      {"53 rank letters placing every card", dge_record(k53) + kRecordB,
       "53 cards!? error!" + deal_text(d53, 1) + kNotABridgeDeal, deal_text(d53, 1), kFailureStatus},
      {"a card twice and one missing", dge_record(twice_missing) + kRecordB,
       deal_text(d_twice_missing, 1) + kNotABridgeDeal, deal_text(d_twice_missing, 1), kFailureStatus},
      {"16 rank letters without separator", dge_record(sixteen) + kRecordA,
       "55 cards!? error!" + deal_text(by_suit, 1) + deal_text(a, 2),
       deal_text(by_suit, 1) + deal_text(a, 2)},
      {"lower-case letter among the ranks",
       dge_record({"AKQJ.AKQ.AKQ.AkQ", kDealA[1], kDealA[2], kDealA[3]}) + kRecordB,
       "error!" + deal_text(deal_from_hands("AKQJ.AKQ.AKQ.A", "", "", ""), 1) + kNotABridgeDeal,
       deal_text(deal_from_hands("AKQJ.AKQ.AKQ.A", "", "", ""), 1), kFailureStatus},
      {"lower-case letter as a separator",
       dge_record({"AKQJtAKQ.AKQ.AKQ", kDealA[1], kDealA[2], kDealA[3]}), deal_text(a, 1),
       deal_text(a, 1)},
      {"zero bytes between the suits",
       dge_record({"AKQJ\0AKQ\0AKQ\0AKQ"s, kDealA[1], kDealA[2], kDealA[3]}), deal_text(a, 1),
       deal_text(a, 1)},
      {"short line ending in East", " AKQJ.AKQ.AKQ.AKQ T987.JT9\n" + kRecordA,
       "error!" + deal_text(deal_from_hands(kDealA[0], "T987.JT9", "", ""), 1) + kNotABridgeDeal,
       deal_text(deal_from_hands(kDealA[0], "T987.JT9", "", ""), 1), kFailureStatus},
      // The bytes of the longer record before it must not fill the gap.
      {"short line after a full record", kRecordB + " AKQ\n",
       deal_text(b, 1) + "error!" + deal_text(deal_from_hands("AKQ", "", "", ""), 2) + kNotABridgeDeal,
       deal_text(b, 1) + deal_text(deal_from_hands("AKQ", "", "", ""), 2), kFailureStatus},
      {"short last record without line end", kRecordA + " AKQ",
       deal_text(a, 1) + "error!" + deal_text(deal_from_hands("AKQ", "", "", ""), 2) + kNotABridgeDeal,
       deal_text(a, 1) + deal_text(deal_from_hands("AKQ", "", "", ""), 2), kFailureStatus},
      // Blank reads of any length are no records and use no board number.
      {"blank line before the first record", "\n" + kRecordA, deal_text(a, 1), deal_text(a, 1)},
      {"records of exactly 128 characters and a line end", kRecordA + "\n" + kRecordB + "\n",
       deal_text(a, 1) + deal_text(b, 2), deal_text(a, 1) + deal_text(b, 2)},
      {"blank and NUL padding of full width after the last record",
       kRecordA + std::string(kRecordWidth, ' ') + kRecordB + " \r\n" + std::string(300, '\0'),
       deal_text(a, 1) + deal_text(b, 2), deal_text(a, 1) + deal_text(b, 2)},
      {"lines of 127 characters", a_127 + "\n" + kRecordB.substr(0, 126) + "\r\n" + a_127 + "\n",
       deal_text(a, 1) + deal_text(b, 2) + deal_text(a, 3),
       deal_text(a, 1) + deal_text(b, 2) + deal_text(a, 3)},
  };
  expect_reader_runs("deals.dge", cases);
}

TEST(DgeReader, ClubSampleFile) {
  const std::vector<Hands> boards{
      kDealC,
      {"J82.AKQJ64.542.A", "K65.T95.QJT7.952", "Q3.87.AK963.Q764", "AT974.32.8.KJT83"},
      {"87.Q3.AQ98.AKJ97", "KT92.KJ9.KJT43.2", "A64.AT8654.72.T4", "QJ53.72.65.Q8653"},
      {"AT7.KT9.QJ65.QT6", "Q852.862.K974.32", "43.J754.A8.J8754", "KJ96.AQ3.T32.AK9"},
  };
  std::string expected;
  for (std::size_t i = 0; i < boards.size(); ++i) {
    expected += deal_text(deal_from_hands(boards[i]), static_cast<int>(i + 1));
  }
  const std::string bytes = read_file(PIPSWEEP_EXAMPLES "/club.dge");
  ASSERT_EQ(bytes.size(), boards.size() * kRecordWidth);
  expect_deals_written("club.dge", bytes, expected);
}

}  // namespace
}  // namespace pipsweep::testing
