// The operating system's side of console input: raw reads of standard input
// and the discarding of what a terminal holds typed ahead.
#pragma once

#include <cstddef>

namespace pipsweep::platform {

// Reads up to size bytes of standard input (as a text stream reads them);
// 0 at the end of input or on an error.
std::size_t read_standard_input(char* buffer, std::size_t size);

// When standard input is a terminal or console, drops everything typed ahead
// and returns true; returns false for a pipe or file.
bool flush_terminal_input();

}  // namespace pipsweep::platform
