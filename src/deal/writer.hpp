// The console writer, the sink of every run: each deal as its line of
// dealing directions on the console and in _pipsweep.txt, each text on the
// console.
#pragma once

#include "deal/sink.hpp"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string_view>

namespace pipsweep {

// The driver sets it up from the command line, opens and closes the output
// file, and hands it to the reader.
class DealWriter : public DealSink {
 public:
  // One symbol per HandCode, zero-terminated. -d replaces the first four;
  // the fifth, for an unplaced card, never changes.
  std::array<char, 6> direction_symbols{'T', 'R', 'D', 'L', '?', '\0'};
  // The open "_pipsweep.txt".
  std::FILE* output_stream = nullptr;
  // Deals handed to put_deal during this run.
  std::int32_t deals_written = 0;
  // On with -p; the answer "q" at a pause switches it off for good.
  bool pause_mode = false;

  // Writes the deal (and its board line unless board is 0) to the console,
  // flushed at once for a program that reads the console as it comes, and
  // to the output stream; counts it; warns when it is no bridge deal, and
  // refuses it; pauses in pause mode. The marks are no part of the lines.
  bool put_deal(const DealVector& deal, std::int32_t board, BoardMarks marks) override;
  // Prints the text on the console as it is.
  void put_text(TextKind kind, std::string_view text) override;
};

}  // namespace pipsweep
