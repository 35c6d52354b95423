#include "deal/writer.hpp"
#include "support/run.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace pipsweep::testing {
namespace {

// Runs put_deal in this process with a writer of its own and a scratch
// output file, and captures both destinations.
class WriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    writer_.output_stream = std::tmpfile();
    ASSERT_NE(writer_.output_stream, nullptr);
  }
  void TearDown() override { std::fclose(writer_.output_stream); }

  struct Written {
    std::string console;
    std::string file;
    bool bridge_deal;
  };

  Written write(const DealVector& deal, std::int32_t board) {
    std::rewind(writer_.output_stream);
    ::testing::internal::CaptureStdout();
    const bool bridge_deal = writer_.put_deal(deal, board, kNoMarks);
    Written w{::testing::internal::GetCapturedStdout(), {}, bridge_deal};
    std::fflush(writer_.output_stream);
    const long size = std::ftell(writer_.output_stream);
    std::rewind(writer_.output_stream);
    w.file.resize(static_cast<std::size_t>(size));
    EXPECT_EQ(std::fread(w.file.data(), 1, w.file.size(), writer_.output_stream), w.file.size());
    std::rewind(writer_.output_stream);
    return w;
  }

  DealWriter writer_;
};

DealVector deal_where(HandCode (*hand_of)(int card)) {
  DealVector deal{};
  for (int card = 0; card < kCardCount; ++card) deal[static_cast<std::size_t>(card)] = hand_of(card);
  return deal;
}

TEST_F(WriterTest, DirectionLinesAndBoardLines) {
  const DealVector by_suit = deal_where([](int card) { return card / 13; });
  DealVector rotating = deal_where([](int card) { return card % 4; });
  rotating[51] = kNoHand;
  const DealVector nowhere = deal_where([](int) { return kNoHand; });

  struct Case {
    const char* name;
    DealVector deal;
    std::int32_t board;
    std::string lines;
    bool complete;
  };
  const Case cases[] = {
      {"suit per hand, board 1", by_suit, 1,
       "Board 1\n TTT TTT TTT TTT T RRR RRR RRR RRR R DDD DDD DDD DDD D LLL LLL LLL LLL L\n", true},
      {"rotating, two of clubs unplaced, board 0", rotating, 0,
       " TRD LTR DLT RDL T RDL TRD LTR DLT R DLT RDL TRD LTR D LTR DLT RDL TRD ?\n", false},
      {"negative board", by_suit, -3,
       "Board -3\n TTT TTT TTT TTT T RRR RRR RRR RRR R DDD DDD DDD DDD D LLL LLL LLL LLL L\n", true},
      {"no card placed", nowhere, 5,
       "Board 5\n ??? ??? ??? ??? ? ??? ??? ??? ??? ? ??? ??? ??? ??? ? ??? ??? ??? ??? ?\n", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::int32_t before = writer_.deals_written;
    const Written w = write(c.deal, c.board);
    EXPECT_EQ(w.file, c.lines);
    EXPECT_EQ(w.console, c.complete ? c.lines : c.lines + "Not a proper bridge file??\n");
    EXPECT_EQ(w.bridge_deal, c.complete);
    EXPECT_EQ(writer_.deals_written, before + 1);
  }
}

TEST_F(WriterTest, ShortSymbolArgumentWritesZeroBytes) {
  writer_.direction_symbols = {'A', 'B', '\0', '\0', '?', '\0'};
  const DealVector by_suit = deal_where([](int card) { return card / 13; });
  const Written w = write(by_suit, 0);
  std::string expected = " AAA AAA AAA AAA A BBB BBB BBB BBB B";
  for (int suit = 0; suit < 2; ++suit) {
    for (int group = 0; group < 5; ++group) {
      expected += ' ';
      expected += std::string(group < 4 ? 3 : 1, '\0');
    }
  }
  expected += '\n';
  EXPECT_EQ(w.file.size(), 73u);
  EXPECT_EQ(w.file, expected);
  EXPECT_EQ(w.console, expected);
  EXPECT_TRUE(w.bridge_deal);
}

}  // namespace
}  // namespace pipsweep::testing
