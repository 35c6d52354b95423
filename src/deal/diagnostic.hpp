// The one way the tool tells the user what went wrong: warnings of a run
// that goes on, and the texts that end a failed one. Informational lines
// (the file read, the first or last board) are no diagnostics.
#pragma once

#include <cstdarg>

namespace pipsweep {

// Prints the text on the console, printf-style, exactly as given (a text
// ends with a line end only where the format has one), and hands the same
// text to the display.
[[gnu::format(printf, 1, 2)]] void print_diagnostic(const char* format, ...);
[[gnu::format(printf, 1, 0)]] void vprint_diagnostic(const char* format, std::va_list arguments);

}  // namespace pipsweep
