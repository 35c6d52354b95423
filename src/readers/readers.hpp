// The six format readers. Each reads its format from the text input's
// current position, hands every deal to the writer, prints its own
// diagnostics, and returns when the input ends, the writer refuses a deal,
// or its format is broken.
#pragma once

#include "deal/deal.hpp"
#include "readers/text_input.hpp"

namespace pipsweep {

enum class ReadResult {
  // The input was read to its end (or to the last board it announces).
  complete,
  // Reading stopped at a format error or a refused deal: the deals after it
  // were never read.
  stopped,
};

ReadResult read_pbn_file(TextInput& input, DealWriter& writer);
ReadResult read_dup_file(TextInput& input, DealWriter& writer);
ReadResult read_dlm_file(TextInput& input, DealWriter& writer);
ReadResult read_csv_file(TextInput& input, DealWriter& writer);
ReadResult read_bri_file(TextInput& input, DealWriter& writer);
ReadResult read_dge_file(TextInput& input, DealWriter& writer);

}  // namespace pipsweep
