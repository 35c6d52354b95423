// The six format readers. Each works on the open input stream from its
// current position, hands every deal to write_deal, prints its own
// diagnostics, and returns when the input ends, write_deal refuses a deal,
// or its format is broken.
#pragma once

namespace pipsweep {

// 0 when the file was read to its end (or to the last board it announces);
// kStoppedOnBadData when reading stopped at a format error or a refused
// deal, so that the deals after it were never read.
inline constexpr int kStoppedOnBadData = -1;

int read_pbn_file();
int read_dup_file();
int read_dlm_file();
int read_csv_file();
int read_bri_file();
int read_dge_file();

}  // namespace pipsweep
