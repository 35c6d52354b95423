#include "support/run.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pipsweep::testing {
namespace {

// The sixteen suit fields of a sample deal, North's spades first, without
// the board number; every line in these tests is built from them.
std::string sample_fields(const std::string& north_spades = "AKQJ",
                          const std::string& ten = "T") {
  return north_spades + ",AKQ,AKQ,AKQ," + ten + "98,J" + ten + "9,J" + ten + "9,J" + ten +
         "98,765,8765,876,765,432,432,5432,432";
}

DealVector sample_deal() { return deal_from_hands(kRankOrderHands); }

std::string sample_line(const std::string& board) { return sample_fields() + "," + board + "\n"; }

TEST(CsvReader, ReadsTheSampleDealWithItsBoardNumber) {
  const std::string board7 = deal_text(sample_deal(), 7);
  const std::string board12 = deal_text(sample_deal(), 12);
  expect_reader_runs("deals.csv", {
      {"board 7", sample_line("7"), board7, board7, 0},
      {"Dutch honour letters", sample_fields("AHVB") + ",7\n", board7, board7, 0},
      {"board 12", sample_line("12"), board12, board12, 0},
      {"minus sign passed over", sample_line("-12"), board12, board12, 0},
  });
}

TEST(CsvReader, FindsTheBoardNumberBehindTheCards) {
  const DealVector deal = sample_deal();
  const std::string no_number = "no board number\nerror!\n" + kNoDeals;
  std::string zero_byte = sample_fields() + ",";
  zero_byte += '\0';
  zero_byte += "7\n";
  expect_reader_runs("deals.csv", {
      {"no field 17", sample_fields() + "\n", no_number, "", kFailureStatus},
      {"number glued to the last card", sample_fields() + "7\n", no_number, "", kFailureStatus},
      {"blank and comma before the number", sample_fields() + " ,15\n", deal_text(deal, 15),
       deal_text(deal, 15), 0},
      {"text before the number", sample_fields() + ",board 9;\n", deal_text(deal, 9),
       deal_text(deal, 9), 0},
      {"number after a zero byte", zero_byte, no_number, "", kFailureStatus},
      {"byte 31 right behind the 52nd card ends the line", sample_fields() + "\x1f" ",7\n", no_number, "",
       kFailureStatus},
      {"board 0 prints no board line", sample_line("0"), direction_line(deal),
       direction_line(deal), 0},
      {"last line without a line end", sample_fields() + ",8", deal_text(deal, 8),
       deal_text(deal, 8), 0},
      {"largest board number", sample_line("2147483647"), deal_text(deal, 2147483647),
       deal_text(deal, 2147483647), 0},
  });
}

TEST(CsvReader, RefusesBrokenCardParts) {
  const std::string tens_as_10 = sample_fields("AKQJ", "10");
  std::string accent = sample_line("7");
  accent.replace(5, 1, "\xC3\xA9");  // an accented letter in North's hearts
  const std::string with_title =
      "North S,North H,North D,North C,East S,East H,East D,East C,"
      "South S,South H,South D,South C,West S,West H,West D,West C,Board\n";
  expect_reader_runs("deals.csv", {
      {"tens written 10, with a board number", tens_as_10 + ",7\n", "error!\n" + kNoDeals, "",
       kFailureStatus},
      {"tens written 10, no board number", tens_as_10 + "\n", "48 cards!? error!\n" + kNoDeals, "",
       kFailureStatus},
      {"fields without card letters", "x,y\n" + sample_line("7"), "0 cards!? error!\n" + kNoDeals, "",
       kFailureStatus},
      {"line of column titles", with_title + sample_line("7"), "error!\n" + kNoDeals, "",
       kFailureStatus},
      {"byte of 128 or more ends the cards", accent, "4 cards!? error!\n" + kNoDeals, "",
       kFailureStatus},
      {"lower case does not count", "akqj" + sample_line("7").substr(4),
       "error!\n" + kNoDeals, "", kFailureStatus},
      {"a lone CR between fields ends the cards", "AKQJ,AKQ,AKQ,AKQ,\r" + sample_line("7").substr(17),
       "13 cards!? error!\n" + kNoDeals, "", kFailureStatus},
  });
}

TEST(CsvReader, StopsAtTheFirstBadLineKeepingEarlierDeals) {
  const DealVector deal = sample_deal();
  const std::string after = sample_line("9");  // never read
  // A fifth letter in field 1 makes the three of clubs the 52nd card.
  const DealVector short_of_two = deal_from_hands("AKQJ.AKQ.AKQ.AKQ", "T98.JT9.JT9.JT98",
                                                  "765.8765.876.765", "432.432.5432.43");
  const DealVector jack_missing = deal_from_hands("AKQ.AKQ.AKQ.AKQ", "T98.JT9.JT9.JT98",
                                                  "765.8765.876.765", "432.432.5432.432");
  const DealVector fourteen_twelve = deal_from_hands("AKQJT.AKQ.AKQ.AKQ", "98.JT9.JT9.JT98",
                                                     "765.8765.876.765", "432.432.5432.432");
  expect_reader_runs("deals.csv", {
      {"fifth card in field 1", "AKQJ2" + sample_line("7").substr(4) + after,
       deal_text(short_of_two, 7) + kNotABridgeDeal, deal_text(short_of_two, 7), kFailureStatus},
      {"every card placed, North 14 and East 12",
       "AKQJT,AKQ,AKQ,AKQ,98,JT9,JT9,JT98,765,8765,876,765,432,432,5432,432,7\n" + after,
       deal_text(fourteen_twelve, 7) + kNotABridgeDeal, deal_text(fourteen_twelve, 7), kFailureStatus},
      {"card listed twice after a good deal", sample_line("1") + "AKQQ" + sample_line("4").substr(4) + after,
       deal_text(deal, 1) + deal_text(jack_missing, 4) + kNotABridgeDeal,
       deal_text(deal, 1) + deal_text(jack_missing, 4), kFailureStatus},
      {"board number too large", sample_line("1") + sample_line("2147483648") + after,
       deal_text(deal, 1) + "board number too large\nerror!\n", deal_text(deal, 1), kFailureStatus},
      {"board number far too large, minus passed over", sample_line("-99999999999999999999"),
       "board number too large\nerror!\n" + kNoDeals, "", kFailureStatus},
  });
}

TEST(CsvReader, PassesOverBlankLines) {
  const std::string deals = deal_text(sample_deal(), 1) + deal_text(sample_deal(), 9);
  std::string blank_lines = "\r\n \t\r\n";
  blank_lines += std::string(3, '\0') + " \n";
  blank_lines += std::string(1500, ' ') + "\n";  // longer than one read
  // The CR of the first deal's line is the last byte of the first 64 KiB
  // block, its LF the first of the next.
  const std::string first = sample_fields() + ",1";
  const std::string parted =
      blank_filler(kInputBlock - first.size() - 1) + first + "\r\n" + sample_line("9");
  EXPECT_EQ(parted.substr(kInputBlock - 1, 2), "\r\n");
  expect_reader_runs("deals.csv", {
      {"blank lines between and after deals", "\n" + sample_line("1") + blank_lines + sample_line("9") + "\r\n\n",
       deals, deals, 0},
      {"nothing but blank lines", blank_lines, kNoDeals, "", kFailureStatus},
      {"CR LF parted by the edge of a block", parted, deals, deals, 0},
  });
}

TEST(CsvReader, ReadsALongLineIn1023CharacterPieces) {
  // The board number's 1 is the 1023rd character; its 2 starts the next
  // piece, which is read as a line of its own holding one card.
  std::string line = sample_fields() + ",";
  line += std::string(1022 - line.size(), 'x') + "12\n";
  const std::string board1 = deal_text(sample_deal(), 1);
  expect_reader_runs("deals.csv",
                     {{"board number cut", line, board1 + "1 cards!? error!\n", board1, kFailureStatus}});
}

TEST(CsvReader, ReadsAGeneratedFile) {
  const std::string bytes = read_file(std::string(PIPSWEEP_EXAMPLES) + "/generated.csv");
  const std::vector<DealVector> deals{
      deal_from_hands("QT6.QT7.KQ753.T5", "2.A932.J864.QJ96", "AJ98743.5.AT9.AK",
                      "K5.KJ864.2.87432"),
      deal_from_hands("942.KQ85.T952.87", "QT65.J3.J63.6542", "A3.AT97.K84.AKQT",
                      "KJ87.642.AQ7.J93"),
      deal_from_hands("K762.QJT872.T.K5", "AQ98..KJ876.QT76", "5.A6543.Q5432.32",
                      "JT43.K9.A9.AJ984"),
      deal_from_hands("6.T7.QT9432.9642", "QJ75.AJ65.75.KJT", "AKT82.Q92.J.AQ53",
                      "943.K843.AK86.87"),
      deal_from_hands("KJ.AK2.QJ8764.T6", "976.QT8.AKT.Q987", "T2.754.9532.J542",
                      "AQ8543.J963..AK3"),
      deal_from_hands("862.A9643.KJ9.T2", "KJ.KQJ.QT876.J65", "Q953.T52.A32.743",
                      "AT74.87.54.AKQ98"),
  };
  std::string expected;
  for (std::size_t i = 0; i < deals.size(); ++i) {
    expected += deal_text(deals[i], static_cast<int>(i) + 1);
  }
  expect_deals_written("generated.csv", bytes, expected);
}

}  // namespace
}  // namespace pipsweep::testing
