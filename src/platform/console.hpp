// Console input: the pause answer and the file name typed when no desktop
// file chooser is available. Reads standard input through its own buffer so
// that typed-ahead text can be discarded exactly.
#pragma once

#include <cstddef>
#include <string>

namespace pipsweep::platform {

// Next character of standard input, waiting for it; -1 at end of input.
int read_console_char();

// Reads one line (line end removed) into line. Returns false at end of
// input with nothing read. Characters past max_length are read and dropped,
// but the result is then longer than max_length so the caller can refuse it.
bool read_console_line(std::string& line, std::size_t max_length);

// Drops input that is already waiting before a pause reads its answer. On a
// terminal or console: everything typed ahead. On a pipe or file: only the
// rest of the previous answer's line that is already buffered, so a script
// can answer one line per pause.
void discard_typed_ahead();

}  // namespace pipsweep::platform
