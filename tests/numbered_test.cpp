#include "support/run.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pipsweep::testing {
namespace {

using namespace std::string_literals;

// Club files pad unused space with blanks and then zero bytes.
std::string padded(std::string text, std::size_t width) {
  EXPECT_LE(text.size(), width);
  if (text.size() < width) text.append((width - text.size() + 1) / 2, ' ');
  text.resize(width, '\0');
  return text;
}

// Two-character fields written one after another.
std::string fields(const std::vector<std::string>& list) {
  std::string text;
  for (const std::string& field : list) {
    EXPECT_EQ(field.size(), 2U) << field;
    text += field;
  }
  return text;
}

// The 78-character numbered hands of a deal: North, East, South, each hand's
// cards in deck order as card numbers, one-digit numbers with a leading zero
// or a blank.
std::string numbered_hands(const DealVector& deal, bool leading_zero = true) {
  std::vector<std::string> list;
  for (HandCode hand = 0; hand < 3; ++hand) {
    for (int card = 0; card < kCardCount; ++card) {
      if (deal[static_cast<std::size_t>(card)] != hand) continue;
      const std::string number = std::to_string(card + 1);
      list.push_back(number.size() == 2 ? number : (leading_zero ? "0" : " ") + number);
    }
  }
  return fields(list);
}

// One DUP record: the hands (78), a piece of 68 passed over, and a piece of 10
// whose text from offset 2 on carries the board number.
std::string dup_record(const std::string& hands, const std::string& board_piece) {
  EXPECT_EQ(hands.size(), 78U);
  return hands + padded("", 68) + padded(board_piece, 10);
}

std::string bri_record(const std::string& hands) { return padded(hands, 128); }

// The hands text with field i (0 to 38) replaced.
std::string with_field(std::string hands, std::size_t i, const std::string& field) {
  return hands.replace(2 * i, 2, field);
}

const DealVector kDealA = deal_from_hands("AKQJ.AKQ.AKQ.AKQ", "T98765432.JT98..", ".765432.JT98765.",
                                          "..432.JT98765432");
const DealVector kDealB = deal_from_hands("AKQJT98765432...", ".AKQJT98765432..",
                                          "..AKQJT98765432.", "...AKQJT98765432");
const DealVector kDealC = deal_from_hands("852.KT92.QJT73.5", "AT.QJ73.A2.KQ732", "Q9743.A4.864.AT8",
                                          "KJ6.865.K95.J964");
const std::string kHandsA = numbered_hands(kDealA);
const std::string kHandsB = numbered_hands(kDealB, false);
const std::string kHandsC = numbered_hands(kDealC);

std::string first_board(int board) { return "First Board: " + std::to_string(board) + "\n"; }

struct Case {
  std::string name;
  std::string file_name;
  std::string bytes;
  std::string console;
  std::string file;
  int status = 0;
};

void run_cases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    expect_reader_run(c.file_name, {c.name, c.bytes, c.console, c.file, c.status});
  }
}

TEST(NumberedHands, WorkedExample) {
  // North: the aces, kings, queens and the jack of spades; then North with
  // the whole spade suit written as one-digit fields led by a blank.
  const std::string aces_first =
      fields({"01", "14", "27", "40", "02", "15", "28", "41", "03", "16", "29", "42", "04"}) +
      fields({"05", "06", "07", "08", "09", "10", "11", "12", "13", "17", "18", "19", "20"}) +
      fields({"21", "22", "23", "24", "25", "26", "30", "31", "32", "33", "34", "35", "36"});
  ASSERT_EQ(kHandsB.substr(0, 26), " 1 2 3 4 5 6 7 8 910111213");
  expect_deals_written("deals.bri", bri_record(aces_first) + bri_record(kHandsB),
                       deal_text(kDealA, 1) + deal_text(kDealB, 2));
}

TEST(NumberedReaders, DupBoardNumbers) {
  const std::string abc = deal_text(kDealA, 7) + deal_text(kDealB, 8) + deal_text(kDealC, 9);
  const std::string no_number = deal_text(kDealA, 0) + deal_text(kDealB, 4) + deal_text(kDealC, 5);
  run_cases({
      {"boards count on whatever later pieces 3 hold", "club.dup",
       dup_record(kHandsA, "997") + dup_record(kHandsB, "  20") + dup_record(kHandsC, ""),
       first_board(7) + abc, abc},
      {"a first piece 3 without a number", "club.dup",
       dup_record(kHandsA, "  x3") + dup_record(kHandsB, "  4") + dup_record(kHandsC, "  99"),
       first_board(0) + deal_text(kDealA, 0) + first_board(4) + deal_text(kDealB, 4) +
           deal_text(kDealC, 5),
       no_number},
      {"a piece 3 too short to reach offset 2 holds no number", "club.dup",
       kHandsA + padded("", 68) + "7\n" + kHandsB + padded("", 68) + "\n" +
           dup_record(kHandsC, "  4"),
       first_board(0) + deal_text(kDealA, 0) + first_board(0) + deal_text(kDealB, 0) +
           first_board(4) + deal_text(kDealC, 4),
       deal_text(kDealA, 0) + deal_text(kDealB, 0) + deal_text(kDealC, 4)},
      {"a negative first board counts up to 0, then a piece 3 is read again", "club.dup",
       dup_record(kHandsA, "  -2") + dup_record(kHandsB, "  5") + dup_record(kHandsC, "  5") +
           dup_record(kHandsA, "  +9") + dup_record(kHandsB, ""),
       first_board(-2) + deal_text(kDealA, -2) + deal_text(kDealB, -1) + deal_text(kDealC, 0) +
           first_board(9) + deal_text(kDealA, 9) + deal_text(kDealB, 10),
       deal_text(kDealA, -2) + deal_text(kDealB, -1) + deal_text(kDealC, 0) +
           deal_text(kDealA, 9) + deal_text(kDealB, 10)},
      {"line ends between records use no board number", "club.dup",
       " \t\n" + dup_record(kHandsA, "  7") + "\r\n" + dup_record(kHandsB, "") + "\n\n" +
           dup_record(kHandsC, "") + "\r\n",
       first_board(7) + abc, abc},
      {"a DOS end (Ctrl-Z and NUL padding) ends the file", "club.dup",
       dup_record(kHandsA, "  7") + dup_record(kHandsB, "") + dup_record(kHandsC, "") + "\x1a" +
           std::string(300, '\0') + dup_record(kHandsA, ""),
       first_board(7) + abc, abc},
      {"input ending after piece 2 drops that record", "club.dup",
       dup_record(kHandsA, "  7") + kHandsB + padded("", 68), first_board(7) + deal_text(kDealA, 7),
       deal_text(kDealA, 7)},
      {"input ending right after a record's 78 card bytes deals no extra board", "club.dup",
       dup_record(kHandsA, "  7") + kHandsB, first_board(7) + deal_text(kDealA, 7),
       deal_text(kDealA, 7)},
  });
}

TEST(NumberedReaders, BriRecords) {
  const std::string abc = deal_text(kDealA, 1) + deal_text(kDealB, 2) + deal_text(kDealC, 3);
  run_cases({
      {"three records are boards 1, 2 and 3", "club.bri",
       bri_record(kHandsA) + bri_record(kHandsB) + bri_record(kHandsC), abc, abc},
      {"a DOS end (Ctrl-Z and NUL padding) ends the file", "club.bri",
       bri_record(kHandsA) + bri_record(kHandsB) + bri_record(kHandsC) + "\x1a" +
           std::string(127, '\0') + bri_record(kHandsA),
       abc, abc},
      {"records written as lines", "club.bri", kHandsA + "\n" + kHandsB + "\r\n" + kHandsC, abc,
       abc},
      {"line ends between records and padding at the end are passed over", "club.bri",
       "\n" + bri_record(kHandsA) + "\r\n" + bri_record(kHandsB) + "\n \n" + bri_record(kHandsC) +
           " \0\0\0 "s,
       abc, abc},
      {"blank records of full width are passed over, with no board number", "club.bri",
       bri_record(kHandsA) + padded("", 128) + bri_record(kHandsB) + std::string(128, ' ') +
           bri_record(kHandsC) + padded("", 128),
       abc, abc},
  });
}

TEST(NumberedReaders, ShortRecordsStopTheReader) {
  const std::string one_short = kHandsB.substr(0, 77) + "\n";
  run_cases({
      {"bri record one character short", "club.bri", bri_record(kHandsA) + one_short,
       deal_text(kDealA, 1) + "error!", deal_text(kDealA, 1), kFailureStatus},
      {"bri first record short", "club.bri", "01020304\n" + bri_record(kHandsA),
       "error!" + kNoDeals, "", kFailureStatus},
      {"bri trailing bytes that are not padding", "club.bri", bri_record(kHandsA) + "~",
       deal_text(kDealA, 1) + "error!", deal_text(kDealA, 1), kFailureStatus},
      {"dup piece 1 one character short", "club.dup",
       dup_record(kHandsA, "  3") + one_short + padded("", 68) + padded("", 10) +
           dup_record(kHandsC, ""),
       first_board(3) + deal_text(kDealA, 3) + "error!", deal_text(kDealA, 3), kFailureStatus},
      {"dup first piece 1 short", "club.dup",
       "0102\n" + padded("", 68) + padded("  3", 10) + dup_record(kHandsA, ""),
       first_board(3) + "error!" + kNoDeals, "", kFailureStatus},
  });
}

TEST(NumberedReaders, CardNumbersOutOfRangeStopTheReader) {
  std::vector<Case> cases;
  for (const std::string field : {"00", "53", "-1"}) {
    // The bad number stands in South's last field, after 38 good ones.
    const std::string bad = with_field(kHandsB, 38, field);
    cases.push_back({field + " in the first dup record", "club.dup",
                     dup_record(bad, "  6") + dup_record(kHandsA, ""),
                     first_board(6) + "error!" + kNoDeals, "", kFailureStatus});
    cases.push_back({field + " in a later dup record", "club.dup",
                     dup_record(kHandsA, "  6") + dup_record(bad, "") + dup_record(kHandsC, ""),
                     first_board(6) + deal_text(kDealA, 6) + "error!", deal_text(kDealA, 6),
                     kFailureStatus});
    cases.push_back({field + " in the first bri record", "club.bri",
                     bri_record(bad) + bri_record(kHandsA), "error!" + kNoDeals, "",
                     kFailureStatus});
    cases.push_back({field + " in a later bri record", "club.bri",
                     bri_record(kHandsA) + bri_record(bad) + bri_record(kHandsC),
                     deal_text(kDealA, 1) + "error!", deal_text(kDealA, 1), kFailureStatus});
  }
  run_cases(cases);
}

TEST(NumberedReaders, FieldsAndRepeatedCards) {
  // A field without a number places the previous card once more; before the
  // first field that card is the two of clubs. A deal that leaves a hand
  // without 13 cards (a card named twice gives one hand 12 and West 14) is
  // written, refused, and ends the run in failure.
  const std::string forms =
      fields({"01", " 2", "3 ", "+4", "5\0"s, "x9", "06", "- ", "\0" "5"s, "\t7", "10", "11", "12"}) +
      kHandsB.substr(26);
  const std::string blank_first = with_field(kHandsB, 0, "  ");
  const std::string twice = with_field(kHandsB, 38, "01");
  struct Record {
    std::string hands;
    DealVector deal;
    bool bridge_deal;
  };
  const std::vector<Record> records{
      {forms, deal_from_hands("AKQJT98543...", ".AKQJT98765432..", "..AKQJT98765432.",
                              "762...AKQJT98765432"), false},
      {blank_first, deal_from_hands("KQJT98765432...2", ".AKQJT98765432..", "..AKQJT98765432.",
                                    "A...AKQJT9876543"), true},
      {with_field(blank_first, 1, "+2"), deal_from_hands("KQJT98765432...2", ".AKQJT98765432..",
                                                         "..AKQJT98765432.", "A...AKQJT9876543"), true},
      {with_field(blank_first, 38, "52"),
       deal_from_hands("KQJT98765432...", ".AKQJT98765432..", "..AKQJT9876543.2",
                       "A..2.AKQJT9876543"), false},
      {twice, deal_from_hands("KQJT98765432...", ".AKQJT98765432..", "A..AKQJT9876543.",
                              "..2.AKQJT98765432"), false},
      // "1 " then "02": the digit behind the field is no part of its number.
      {with_field(kHandsA, 0, "1 "), kDealA, true},
  };
  std::vector<Case> cases;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const Record& r = records[i];
    const std::string name = "record " + std::to_string(i);
    const std::string warning = r.bridge_deal ? "" : kNotABridgeDeal;
    const int status = r.bridge_deal ? 0 : kFailureStatus;
    // The reading stops at a refused deal: the record after it is not dealt.
    const std::string bri = deal_text(r.deal, 1);
    const std::string bri_next = r.bridge_deal ? deal_text(kDealA, 2) : "";
    cases.push_back({name + " bri", "club.bri", bri_record(r.hands) + bri_record(kHandsA),
                     bri + warning + bri_next, bri + bri_next, status});
    const std::string dup = deal_text(r.deal, 4);
    const std::string dup_next = r.bridge_deal ? deal_text(kDealA, 5) : "";
    cases.push_back({name + " dup", "club.dup", dup_record(r.hands, "  4") + dup_record(kHandsA, ""),
                     first_board(4) + dup + warning + dup_next, dup + dup_next, status});
  }
  run_cases(cases);
}

TEST(NumberedReaders, ClubExampleFiles) {
  const std::string dup_deals =
      deal_text(deal_from_hands("852.KT92.QJT73.5", "AT.QJ73.A2.KQ732", "Q9743.A4.864.AT8",
                                "KJ6.865.K95.J964"), 12) +
      deal_text(deal_from_hands("J954.Q932.J32.53", "AKQ63.KT.KQ9.KT9", "T7.86.AT85.QJ876",
                                "82.AJ754.764.A42"), 13) +
      deal_text(deal_from_hands("A9763.843.98.A73", "J52.752.AT4.T864", "K8.KQJ.Q63.KQJ52",
                                "QT4.AT96.KJ752.9"), 14) +
      deal_text(deal_from_hands("K.AK7.KQ.QJT8654", "9832.JT9543.T53.", "AQ7.Q8.9864.A972",
                                "JT654.62.AJ72.K3"), 15);
  const std::string bri_deals =
      deal_text(deal_from_hands("AK2.A76.865.QJT8", "QJT95.KQJ2.A.A97", "843.T9854.JT2.K3",
                                "76.3.KQ9743.6542"), 1) +
      deal_text(deal_from_hands("Q83.QT32.T.AKJ62", "AJT6.A74.AJ93.54", "94.KJ865.72.QT98",
                                "K752.9.KQ8654.73"), 2) +
      deal_text(deal_from_hands("A654.Q4.T52.JT87", "KQJT3.KT9.4.KQ93", "87.A87653.K9.A64",
                                "92.J2.AQJ8763.52"), 3) +
      deal_text(deal_from_hands("T9.KT75.AJ95.543", "KQ84.A2.T8764.T2", "AJ5.Q986.K2.AKJ9",
                                "7632.J43.Q3.Q876"), 4);
  const std::string dir = PIPSWEEP_EXAMPLES;
  run_cases({
      {"club.dup", "club.dup", read_file(dir + "/club.dup"), first_board(12) + dup_deals,
       dup_deals},
      {"club.bri", "club.bri", read_file(dir + "/club.bri"), bri_deals, bri_deals},
  });
}

}  // namespace
}  // namespace pipsweep::testing
