#include "readers/text.hpp"

#include <limits>

namespace pipsweep {

TextInput input_stream;

int read_input_text(char* buffer, int size) {
  if (!input_stream.is_open()) return -2;
  return input_stream.read_text(buffer, size);
}

int read_input_line(char* buffer, int size, std::string_view& text, std::string_view* whole) {
  text = {};
  if (whole != nullptr) *whole = {};
  if (!input_stream.is_open()) return -2;
  return input_stream.read_line(buffer, size, text, whole);
}

int read_fixed_record(FixedRecord& record) {
  do {
    if (read_input_text(record) <= 0) return -1;
  } while (is_blank(record.view()));
  return 0;
}

ScanResult scan_decimal(std::string_view text, std::int32_t& value, std::string_view* rest) {
  text = c_text(text);
  std::size_t i = 0;
  while (i < text.size() && is_c_space(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size() || !is_digit(text[i])) return ScanResult::none;
  // Accumulate as a negative number so that INT32_MIN itself fits.
  constexpr std::int64_t kLimit = -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min());
  std::int64_t magnitude = 0;
  bool too_large = false;
  for (; i < text.size() && is_digit(text[i]); ++i) {
    if (!too_large) {
      magnitude = magnitude * 10 + (text[i] - '0');
      if (magnitude > kLimit) too_large = true;
    }
  }
  if (rest != nullptr) *rest = text.substr(i);
  if (too_large || (!negative && magnitude == kLimit)) return ScanResult::too_large;
  value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  return ScanResult::number;
}

}  // namespace pipsweep
