// DLM: key=value lines; after the "[Document]" line, "To board" announces
// the last board and every "Board N" key holds a deal as 26 letters.
#include "readers/readers.hpp"
#include "readers/scan.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pipsweep {

namespace {

constexpr std::string_view kDocumentKey = "[document]";
constexpr std::string_view kLastBoardKey = "to board";
constexpr std::string_view kBoardWord = "board";

// Each letter carries two cards.
constexpr std::size_t kDealLetters = kCardCount / 2;

using KeyBuffer = std::array<char, kLineLength>;

struct KeyValue {
  std::string_view key;
  std::string_view value;
};

constexpr char to_lower_ascii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Splits a line at its first "=". The key is lower-cased into key_buffer (A
// to Z only) and, from its second character on, cut at the first end byte;
// the value is everything after the "=", line end included, and empty
// without one. The line is taken as a C string: nothing after its first
// zero byte counts.
KeyValue split_dlm_line(std::string_view line, KeyBuffer& key_buffer) {
  line = c_text(line);
  const std::size_t equals = line.find('=');
  const std::string_view key = line.substr(0, equals);
  std::size_t n = 0;
  for (; n < key.size(); ++n) {
    // The first character always stays, so an empty line keeps its line end.
    if (n > 0 && is_end_byte(key[n])) break;
    key_buffer[n] = to_lower_ascii(key[n]);
  }
  const std::string_view value = equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
  return {{key_buffer.data(), n}, value};
}

// The board number of a key whose first word is "board", or false for any
// other key. A board word without a number that fits in 32 bits gives board
// number 0, so such a deal is written without a board line instead of
// borrowing a number from an earlier key.
bool board_key_number(std::string_view key, std::int32_t& board) {
  std::size_t start = 0;
  while (start < key.size() && is_c_space(key[start])) ++start;
  std::size_t end = start;
  while (end < key.size() && !is_c_space(key[end])) ++end;
  if (key.substr(start, end - start) != kBoardWord) return false;
  board = 0;
  scan_decimal(key.substr(end), board);
  return true;
}

// Decodes the first 26 characters of value, each a letter "a" to "p" whose
// high two bits give the hand of one card and whose low two bits the hand
// of the next. False, after telling the sink, at the first other character
// (the deal is then only partly filled).
bool decode_dlm_deal(std::string_view value, DealVector& deal, DealSink& sink) {
  for (std::size_t letter = 0; letter < kDealLetters; ++letter) {
    const char c = letter < value.size() ? value[letter] : '\0';
    if (c < 'a' || c > 'p') return fault(sink, "error!");
    const int bits = c - 'a';
    deal[2 * letter] = bits / kHandCount;
    deal[2 * letter + 1] = bits % kHandCount;
  }
  return true;
}

}  // namespace

ReadResult read_dlm_file(TextInput& input, DealSink& sink) {
  std::array<char, kLineLength> buffer;
  KeyBuffer key_buffer;
  bool document_found = false;
  std::int32_t last_board = 0;
  DealVector deal;
  for (std::string_view line; !(line = input.next_line(buffer)).empty();) {
    const auto [key, value] = split_dlm_line(line, key_buffer);
    if (!document_found) {
      // Everything up to and including the document line is preamble.
      document_found = key == kDocumentKey;
      continue;
    }
    if (key == kLastBoardKey) {
      // A value without a number that fits in 32 bits keeps the old one.
      scan_decimal(value, last_board);
      sink.put_formatted(TextKind::note, "last board = %d\n", last_board);
    }
    std::int32_t board = 0;
    if (!board_key_number(key, board)) continue;
    // Boards past the announced last one are not part of the set.
    if (board > last_board) return ReadResult::complete;
    if (!decode_dlm_deal(value, deal, sink)) return ReadResult::stopped;
    if (!sink.put_deal(deal, board, kNoMarks)) return ReadResult::stopped;
  }
  if (!document_found) {
    fault(sink, "String [Document] not found!\n");
    return ReadResult::stopped;
  }
  return ReadResult::complete;
}

}  // namespace pipsweep
