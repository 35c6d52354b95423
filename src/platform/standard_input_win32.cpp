#include "platform/standard_input.hpp"

#include <io.h>
#include <windows.h>

namespace pipsweep::platform {

// Reads through the C library's text mode, as getchar would: CR LF comes in
// as one line end and Ctrl-Z ends the input, from a console, pipe or file.
std::size_t read_standard_input(char* buffer, std::size_t size) {
  const int got = ::_read(0, buffer, static_cast<unsigned>(size));
  return got > 0 ? static_cast<std::size_t>(got) : 0;
}

bool flush_terminal_input() {
  const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
  DWORD mode = 0;
  if (::GetConsoleMode(input, &mode) == 0) return false;
  ::FlushConsoleInputBuffer(input);
  return true;
}

}  // namespace pipsweep::platform
