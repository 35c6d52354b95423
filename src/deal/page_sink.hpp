// The sink of a run in the browser (web only): the console writer's lines
// and texts, and each deal and diagnostic handed to the page as data.
#pragma once

#include "deal/writer.hpp"

#include <cstdint>
#include <string_view>

namespace pipsweep {

class PageSink final : public DealWriter {
 public:
  // The page gets the deal before the console: a warning about it, which
  // the writer gives, then reaches the page after it.
  bool put_deal(const DealVector& deal, std::int32_t board, BoardMarks marks) override;
  // Notes stay on the console: the page shows the console as it is.
  void put_text(TextKind kind, std::string_view text) override;
};

}  // namespace pipsweep
