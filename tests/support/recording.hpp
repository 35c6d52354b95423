// A sink that keeps what a reader hands it, in order: for tests and fuzz
// targets that look at a reader alone, without the console writer.
#pragma once

#include "deal/sink.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pipsweep::testing {

struct RecordedDeal {
  DealVector deal;
  std::int32_t board;
  BoardMarks marks;
  // The sink's answer: false, for no bridge deal, ends the reading.
  bool bridge_deal;
};

struct RecordedText {
  TextKind kind;
  std::string text;
  // The deals handed over before it.
  std::size_t after_deals;
};

class RecordingSink final : public DealSink {
 public:
  std::vector<RecordedDeal> deals;
  std::vector<RecordedText> texts;

  // Refuses what the console writer refuses: a deal that is no bridge deal.
  bool put_deal(const DealVector& deal, std::int32_t board, BoardMarks marks) override;
  void put_text(TextKind kind, std::string_view text) override;
};

}  // namespace pipsweep::testing
