#include "support/recording.hpp"

namespace pipsweep::testing {

bool RecordingSink::put_deal(const DealVector& deal, std::int32_t board, BoardMarks marks) {
  const bool bridge_deal = is_bridge_deal(deal);
  deals.push_back({deal, board, marks, bridge_deal});
  return bridge_deal;
}

void RecordingSink::put_text(TextKind kind, std::string_view text) {
  texts.push_back({kind, std::string(text), deals.size()});
}

}  // namespace pipsweep::testing
