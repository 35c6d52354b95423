// DLM: key=value lines; after the "[Document]" line, "To board" announces
// the last board and every "Board N" key holds a deal as 26 letters.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "deal/deal.hpp"
#include "readers/scan.hpp"
#include "readers/text_input.hpp"

namespace pipsweep {

// A key or a value: at most 1023 characters and the terminating zero.
template <std::size_t Size>
struct TextBuffer {
  std::array<char, Size> bytes{};
  int length = 0;

  std::string_view view() const { return {bytes.data(), static_cast<std::size_t>(length)}; }

  void clear() {
    bytes[0] = '\0';
    length = 0;
  }
  // Stores as much of text as fits, zero-terminated.
  void assign(std::string_view text) {
    text = text.substr(0, Size - 1);
    text.copy(bytes.data(), text.size());
    bytes[text.size()] = '\0';
    length = static_cast<int>(text.size());
  }
};
using DlmText = TextBuffer<kLineLength + 1>;

// Empties key and value, reads one line (or a 1023-character piece of a
// longer one) and splits it. Returns 0, -1 at the end of the input or on a
// read error.
int read_dlm_line(TextInput& input, DlmText& key, DlmText& value);

// Splits a line at its first "=". The key is lower-cased (A to Z only) and,
// from its second character on, cut at the first end byte; the value keeps
// everything after the "=", line end included. Without "=" the whole line is
// the key and the value is left as it was. The line is taken as a C string:
// nothing after its first zero byte counts. Returns 0.
int split_dlm_line(std::string_view line, DlmText& key, DlmText& value);

// Decodes the first 26 characters of value, each a letter "a" to "p" whose
// high two bits give the hand of one card and whose low two bits the hand
// of the next. Returns 0, or -1 after printing "error!" at the first other
// character (the deal is then only partly written).
int decode_dlm_deal(std::string_view value, DealVector& deal);

}  // namespace pipsweep
