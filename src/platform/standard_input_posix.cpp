#include "platform/standard_input.hpp"

#include <cerrno>

#include <termios.h>
#include <unistd.h>

namespace pipsweep::platform {

std::size_t read_standard_input(char* buffer, std::size_t size) {
  ssize_t got = 0;
  do {
    got = ::read(STDIN_FILENO, buffer, size);
  } while (got < 0 && errno == EINTR);
  return got > 0 ? static_cast<std::size_t>(got) : 0;
}

bool flush_terminal_input() {
  if (::isatty(STDIN_FILENO) == 0) return false;
  ::tcflush(STDIN_FILENO, TCIFLUSH);
  return true;
}

}  // namespace pipsweep::platform
