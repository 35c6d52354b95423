// The six format readers. Each reads its format from the text input's
// current position, hands every deal and every text for the user to the
// sink (it prints nothing itself), and returns when the input ends, the
// sink refuses a deal, or its format is broken.
#pragma once

#include "deal/sink.hpp"
#include "readers/text_input.hpp"

namespace pipsweep {

enum class ReadResult {
  // The input was read to its end (or to the last board it announces).
  complete,
  // Reading stopped at a format error or a refused deal: the deals after it
  // were never read.
  stopped,
};

ReadResult read_pbn_file(TextInput& input, DealSink& sink);
ReadResult read_dup_file(TextInput& input, DealSink& sink);
ReadResult read_dlm_file(TextInput& input, DealSink& sink);
ReadResult read_csv_file(TextInput& input, DealSink& sink);
ReadResult read_bri_file(TextInput& input, DealSink& sink);
ReadResult read_dge_file(TextInput& input, DealSink& sink);

}  // namespace pipsweep
