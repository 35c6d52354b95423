#include "deal/sink.hpp"

#include <cstddef>
#include <cstdio>
#include <string>

namespace pipsweep {

void DealSink::put_formatted(TextKind kind, const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  vput_formatted(kind, format, arguments);
  va_end(arguments);
}

void DealSink::vput_formatted(TextKind kind, const char* format, std::va_list arguments) {
  // A file name in the text makes its length unknown beforehand.
  std::va_list measuring;
  va_copy(measuring, arguments);
  const int length = std::vsnprintf(nullptr, 0, format, measuring);
  va_end(measuring);
  if (length < 0) return;
  std::string text(static_cast<std::size_t>(length), '\0');
  std::vsnprintf(text.data(), text.size() + 1, format, arguments);
  put_text(kind, text);
}

}  // namespace pipsweep
