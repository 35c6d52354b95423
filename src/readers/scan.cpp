#include "readers/scan.hpp"

#include <cstdarg>
#include <limits>

namespace pipsweep {

ScanResult scan_decimal(std::string_view text, std::int32_t& value, std::string_view* rest) {
  // A zero byte is neither white space, nor a sign, nor a digit: it ends the
  // number as it ends a C string.
  std::size_t i = 0;
  while (i < text.size() && is_c_space(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size() || !is_digit(text[i])) return ScanResult::none;
  // INT32_MIN has the largest magnitude of any 32-bit number; INT32_MAX one less.
  constexpr std::int64_t kLargest = -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min());
  std::int64_t magnitude = 0;
  for (; i < text.size() && is_digit(text[i]); ++i) {
    // Once too large, the digits that follow only make it larger.
    if (magnitude <= kLargest) magnitude = magnitude * 10 + (text[i] - '0');
  }
  if (rest != nullptr) *rest = c_text(text.substr(i));
  if (magnitude > (negative ? kLargest : kLargest - 1)) return ScanResult::too_large;
  value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  return ScanResult::number;
}

bool fault(DealSink& sink, const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  sink.vput_formatted(TextKind::diagnostic, format, arguments);
  va_end(arguments);
  return false;
}

}  // namespace pipsweep
