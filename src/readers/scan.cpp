#include "readers/scan.hpp"

#include <limits>

namespace pipsweep {

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
  // The magnitude of INT32_MIN, the largest a 32-bit number can have.
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
