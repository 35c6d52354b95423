// What readers write into: each deal as its file gives it, and each text a
// reader has for the user. Readers know nothing of where these go (the
// console and _pipsweep.txt, a page, a test's record).
#pragma once

#include "deal/deal.hpp"

#include <cstdarg>
#include <cstdint>
#include <string_view>

namespace pipsweep {

enum class TextKind {
  // What went wrong: a warning in a run that goes on, or why a run stopped.
  diagnostic,
  // What the file says besides its deals (its first board, its last).
  note,
};

class DealSink {
 public:
  // One deal: the hand of each card as the reader found it (any code above
  // kWest for a card without a hand), its board number (0 for none) and the
  // marks the file gives. False when the sink refuses it as no bridge deal:
  // the reader stops there.
  virtual bool put_deal(const DealVector& deal, std::int32_t board, BoardMarks marks) = 0;
  // One text exactly as the user is to see it, line ends included where
  // there are any (some texts have none).
  virtual void put_text(TextKind kind, std::string_view text) = 0;

  // put_text with the text formatted printf-style.
  [[gnu::format(printf, 3, 4)]] void put_formatted(TextKind kind, const char* format, ...);
  [[gnu::format(printf, 3, 0)]] void vput_formatted(TextKind kind, const char* format, std::va_list arguments);

 protected:
  DealSink() = default;
  DealSink(const DealSink&) = default;
  DealSink& operator=(const DealSink&) = default;
  ~DealSink() = default;
};

}  // namespace pipsweep
