// The small scanning rules the formats have in common, and the one way a
// reader tells the user what is wrong with its input.
#pragma once

#include "deal/sink.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pipsweep {

// Lines are read at most 1023 characters at a time; the rest of a longer
// line is read as a line of its own.
inline constexpr std::size_t kLineLength = 1023;

// A fixed-width record (BRI, DGE) is read at most 128 characters at a time.
inline constexpr std::size_t kFixedRecordLength = 128;

// The text up to its first zero byte, as the C string functions see it.
constexpr std::string_view c_text(std::string_view text) { return text.substr(0, text.find('\0')); }

// A byte that ends a deal text: 31 or less taken as a signed 8-bit number,
// i.e. 0 to 31 and 128 to 255.
constexpr bool is_end_byte(char c) { return static_cast<signed char>(c) <= 31; }

// The white space of isspace in the C locale: the blank, and tab, line
// feed, vertical tab, form feed and carriage return, which follow each other.
constexpr bool is_c_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

constexpr bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Nothing but white space and zero bytes: a blank line, or the padding
// between records or after the last one.
constexpr bool is_blank(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == '\0' || is_c_space(c); });
}

// The rank position of an upper-case rank letter, ace 0 to two 12; -1 for
// any other byte.
constexpr int rank_of(char c) {
  switch (c) {
    case 'A': return 0;
    case 'K': return 1;
    case 'Q': return 2;
    case 'J': return 3;
    case 'T': return 4;
    case '9': return 5;
    case '8': return 6;
    case '7': return 7;
    case '6': return 8;
    case '5': return 9;
    case '4': return 10;
    case '3': return 11;
    case '2': return 12;
    default: return -1;
  }
}

enum class ScanResult { none, number, too_large };

// A decimal number at the start of the text: white space skipped, an
// optional sign, then the digits up to the first non-digit; a zero byte
// ends the text. Sets value only when the number fits in 32 bits; a number
// that does not fit is reported as too_large and leaves value untouched.
// When rest is given, it receives the text after the number.
ScanResult scan_decimal(std::string_view text, std::int32_t& value, std::string_view* rest = nullptr);

// Hands the sink a reader's diagnostic, printf-style, and returns false, a
// parser's answer for bad data. Each format has always ended its texts as it
// does (some with a line end, some without): callers keep that.
[[gnu::format(printf, 2, 3)]] bool fault(DealSink& sink, const char* format, ...);

}  // namespace pipsweep
