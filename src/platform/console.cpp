#include "platform/console.hpp"

#include "platform/standard_input.hpp"

#include <array>

namespace pipsweep::platform {

namespace {

// Stands in for the C library's buffer of standard input.
struct ConsoleBuffer {
  std::array<char, 4096> bytes{};
  std::size_t pos = 0;
  std::size_t end = 0;
  bool at_end = false;
  bool line_open = false;  // the last character handed out was not a line end
};

ConsoleBuffer& console() {
  static ConsoleBuffer buffer;
  return buffer;
}

bool refill(ConsoleBuffer& in) {
  if (in.at_end) return false;
  const std::size_t got = read_standard_input(in.bytes.data(), in.bytes.size());
  if (got == 0) {
    in.at_end = true;
    return false;
  }
  in.pos = 0;
  in.end = got;
  return true;
}

}  // namespace

int read_console_char() {
  ConsoleBuffer& in = console();
  if (in.pos == in.end && !refill(in)) return -1;
  const auto c = static_cast<unsigned char>(in.bytes[in.pos++]);
  in.line_open = c != '\n';
  return c;
}

bool read_console_line(std::string& line, std::size_t max_length) {
  line.clear();
  int c = read_console_char();
  if (c < 0) return false;
  while (c >= 0 && c != '\n') {
    if (line.size() <= max_length) line.push_back(static_cast<char>(c));
    c = read_console_char();
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

void discard_typed_ahead() {
  ConsoleBuffer& in = console();
  if (flush_terminal_input()) {
    in.pos = in.end;
    in.line_open = false;
    return;
  }
  while (in.line_open && in.pos < in.end) {
    in.line_open = in.bytes[in.pos++] != '\n';
  }
}

}  // namespace pipsweep::platform
