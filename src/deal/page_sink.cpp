#include "deal/page_sink.hpp"

#include "platform/page.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace pipsweep {

namespace {

static_assert(static_cast<int>(Vulnerability::not_given) == platform::kNotGiven);
static_assert(static_cast<int>(Vulnerability::none) == 0 && static_cast<int>(Vulnerability::all) == 3);
static_assert(kNorth == 0 && kWest == 3 && kNoHand == 4);

constexpr bool is_hand(HandCode code) { return code >= kNorth && code <= kWest; }

}  // namespace

bool PageSink::put_deal(const DealVector& deal, std::int32_t board, BoardMarks marks) {
  // As the writer writes them: a code out of range is a card without a hand.
  std::array<std::uint8_t, kCardCount> hands;
  for (std::size_t card = 0; card < hands.size(); ++card) {
    hands[card] = static_cast<std::uint8_t>(is_hand(deal[card]) ? deal[card] : kNoHand);
  }
  platform::show_deal(board, hands.data(), is_hand(marks.dealer) ? marks.dealer : platform::kNotGiven,
                      static_cast<int>(marks.vulnerability));
  return DealWriter::put_deal(deal, board, marks);
}

void PageSink::put_text(TextKind kind, std::string_view text) {
  DealWriter::put_text(kind, text);
  if (kind == TextKind::diagnostic) platform::show_diagnostic(std::string(text).c_str());
}

}  // namespace pipsweep
