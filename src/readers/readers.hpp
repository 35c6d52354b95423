// The six format readers. Each works on the open input stream from its
// current position, hands every deal to write_deal, prints its own
// diagnostics, and returns when the input ends, write_deal reports a bad
// deal, or its format is broken.
#pragma once

namespace pipsweep {

void read_pbn_file();
void read_dup_file();
void read_dlm_file();
void read_csv_file();
void read_bri_file();
void read_dge_file();

}  // namespace pipsweep
