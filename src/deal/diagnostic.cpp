#include "deal/diagnostic.hpp"

#include "platform/desktop.hpp"

#include <cstddef>
#include <cstdio>
#include <string>

namespace pipsweep {

void print_diagnostic(const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  vprint_diagnostic(format, arguments);
  va_end(arguments);
}

void vprint_diagnostic(const char* format, std::va_list arguments) {
  // Formatted once, so that the console and the display get the same bytes;
  // a file name in the text makes its length unknown beforehand.
  std::va_list measuring;
  va_copy(measuring, arguments);
  const int length = std::vsnprintf(nullptr, 0, format, measuring);
  va_end(measuring);
  if (length < 0) return;
  std::string text(static_cast<std::size_t>(length), '\0');
  std::vsnprintf(text.data(), text.size() + 1, format, arguments);
  std::fwrite(text.data(), 1, text.size(), stdout);
  platform::show_diagnostic(text.c_str());
}

}  // namespace pipsweep
